// Start-up and exit hooks of the viewer: settings, font, colours, document and main window.
#include "viewer_runtime.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMainWindow>

#include "main_frame.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/message_box.h"
#include "viewer/app/viewer_strings.h"
#include "viewer/settings/settings_report.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/view_strings.h"

namespace grafyon {

ViewerRuntime::ViewerRuntime() : document(std::make_unique<CGrafyonDoc>()) {}
ViewerRuntime::~ViewerRuntime() = default;

CursorValueFormat CursorFormatFrom(const viewer::ViewerSettings& s) {
    return CursorValueFormat::Build(s.cursorValueFormatWidth, s.cursorValueFormatPrecision,
                                    s.cursorValueFormatType);
}

InitialViewSettings InitialViewFrom(const viewer::ViewerSettings& s) {
    InitialViewSettings v;
    v.viewMode = s.diagramViewMode;
    v.diagramsPerPage = s.numOfDiagrams;
    v.yGrid = s.showYGrid ? 1 : 0;
    v.topAxis = s.xAxisDisplayOnTop ? 1 : 0;
    v.bottomAxis = s.xAxisDisplayOnBottom ? 1 : 0;
    v.axisInSamples = s.xAxisScaleMode;
    v.startIntervalMode = s.xAxisStartIntervalMode;
    v.numOfValues = s.xAxisNumOfValues;
    v.timeInterval = s.xAxisTimeInterval;
    v.valueInterval = s.xAxisValueInterval;
    v.curveScalingMode = s.curveScalingMode;
    v.scalingRefMode = s.scalingReferenceMode;
    v.cursorValueFormat = CursorFormatFrom(s);
    v.cursorMode = s.cursorMode;
    return v;
}

std::vector<std::uint32_t> CurveColourValues(const viewer::CurveColors& colours) {
    std::vector<std::uint32_t> values;
    values.reserve(colours.Size());
    for (const viewer::ColorEntry& entry : colours.Entries())
        values.push_back(entry.color);
    return values;
}

QString DocumentMessageText(int stringNumber, const QString& path) {
    if (stringNumber == CANNOT_OPEN_FILE_MESSAGE)
        return app::ViewerString(app::GRAFY_STR_CANNOT_OPEN_FILE).arg(path);
    return ViewString(stringNumber);
}

app::GrafyonAppHooks MakeViewerHooks(ViewerRuntime& runtime) {
    app::GrafyonAppHooks hooks;
    app::SettingsHooks& s = hooks.settings;
    s.readRegistryKeys = [&runtime] { viewer::ReadViewerSettings(runtime.settings); };
    s.writeRegistryKeys = [&runtime] { viewer::WriteViewerSettings(runtime.settings); };
    s.readFontFromRegistry = [&runtime] { return viewer::ReadSystemFont(runtime.font); };
    s.useSystemFont = [&runtime] {
        runtime.font =
            viewer::LogFontFromQFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    };
    s.writeFontToRegistry = [&runtime] { viewer::WriteSystemFont(runtime.font); };
    s.initCurveColors = [&runtime] { runtime.colours.Read(); };
    s.writeCurveColors = [&runtime] {
        runtime.colours.Write();
        runtime.colours.Clear();
    };
    s.settingsReportLine = [&runtime](int line, std::string& text) {
        return viewer::SettingsReportLine(line, runtime.settings, runtime.font.faceName, text);
    };

    app::DocumentHooks& d = hooks.document;
    d.createMainWindow = [&runtime]() -> std::unique_ptr<QMainWindow> {
        CGrafyonDoc* document = runtime.document.get();
        document->SetMessageSink([](int number, const QString& path) {
            app::ShowMessageBox(DocumentMessageText(number, path), app::MessageIcon::Error);
        });
        return std::make_unique<CMainFrame>(runtime);
    };
    d.newDocument = [&runtime] { return runtime.document->OnNewDocument(); };
    d.openDocumentFile = [&runtime](const std::string& path) {
        runtime.document->SetInitialView(InitialViewFrom(runtime.settings),
                                         CurveColourValues(runtime.colours));
        return runtime.document->OnOpenDocument(QString::fromStdString(path));
    };
    d.firstDocumentState = [&runtime] {
        app::DocumentState state;
        state.holdsData = runtime.document->HoldsData();
        state.openResult = runtime.document->OpenStatus();
        return state;
    };
    return hooks;
}

}  // namespace grafyon
