// The application shell's hooks, connected to the viewer's settings, document and window.
#include "viewer_hooks.h"

#include <QFontDatabase>
#include <QMainWindow>

#include "viewer/app/grafyon_app.h"
#include "viewer/app/message_box.h"
#include "viewer/frame/main_frame.h"
#include "viewer/frame/viewer_runtime.h"
#include "viewer/settings/settings_report.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/view/grafyon_doc.h"

namespace grafyon {

RecentFileHooks RecentFilesOf(app::CGrafyonApp& application) {
    RecentFileHooks hooks;
    hooks.entries = [&application] { return application.RecentFiles().Entries(); };
    hooks.add = [&application](const std::string& path) { application.AddToRecentFileList(path); };
    hooks.remove = [&application](std::size_t index) {
        application.RemoveFromRecentFileList(index);
    };
    return hooks;
}

app::GrafyonAppHooks MakeViewerHooks(ViewerRuntime& runtime, RecentFileHooks recentFiles) {
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
    d.createMainWindow = [&runtime, recentFiles]() -> std::unique_ptr<QMainWindow> {
        CGrafyonDoc* document = runtime.document.get();
        document->SetMessageSink([](int number, const QString& path) {
            app::ShowMessageBox(DocumentMessageText(number, path), app::MessageIcon::Error);
        });
        return std::make_unique<CMainFrame>(runtime, recentFiles);
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
