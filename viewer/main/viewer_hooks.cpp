// The application shell's hooks, connected to the viewer's settings, document and window.
#include "viewer_hooks.h"

#include <QFontDatabase>
#include <QMainWindow>

#include "about/brisel_host.h"
#include "common/version_query.h"
#include "environment/varnokastell.h"
#include "exportfilter/quenvartexila.h"
#include "messaging/ko_messaging.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/message_box.h"
#include "viewer/app/splash/glimrae.h"
#include "viewer/app/viewer_strings.h"
#include "viewer/frame/document_export.h"
#include "viewer/frame/main_frame.h"
#include "viewer/frame/viewer_runtime.h"
#include "viewer/settings/settings_report.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/view/grafyon_doc.h"

namespace grafyon {

FrameHooks FrameHooksOf(CGrafyonApp& application) {
    FrameHooks hooks;
    hooks.entries = [&application] { return application.RecentFiles().Entries(); };
    hooks.add = [&application](const std::string& path) { application.AddToRecentFileList(path); };
    hooks.remove = [&application](std::size_t index) {
        application.RemoveFromRecentFileList(index);
    };
    hooks.showAbout = [&application] { application.OnAppAbout(); };
    return hooks;
}

GrafyonAppHooks MakeViewerHooks(ViewerRuntime& runtime, FrameHooks frameHooks) {
    GrafyonAppHooks hooks;
    SettingsHooks& s = hooks.settings;
    s.readRegistryKeys = [&runtime] { ReadViewerSettings(runtime.settings); };
    s.writeRegistryKeys = [&runtime] { WriteViewerSettings(runtime.settings); };
    s.readFontFromRegistry = [&runtime] { return ReadSystemFont(runtime.font); };
    s.useSystemFont = [&runtime] {
        runtime.font = LogFontFromQFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    };
    s.writeFontToRegistry = [&runtime] { WriteSystemFont(runtime.font); };
    s.initCurveColors = [&runtime] { runtime.colors.Read(); };
    s.writeCurveColors = [&runtime] {
        runtime.colors.Write();
        runtime.colors.Clear();
    };
    s.settingsReportLine = [&runtime](int line, std::string& text) {
        return SettingsReportLine(line, runtime.settings, runtime.font.faceName, text);
    };

    DocumentHooks& d = hooks.document;
    d.createMainWindow = [&runtime, frameHooks]() -> std::unique_ptr<QMainWindow> {
        CGrafyonDoc* document = runtime.document.get();
        document->SetMessageSink([](int number, const QString& path) {
            ShowMessageBox(DocumentMessageText(number, path), MessageIcon::Error);
        });
        document->SetShortDataFileSink([](const ShortDataFile& file) {
            ShowMessageBox(ViewerString(GRAFY_STR_SHORT_DATA_FILE)
                               .arg(QString::fromStdString(file.path))
                               .arg(file.missingFrames)
                               .arg(file.declaredFrames),
                           MessageIcon::Warning);
        });
        return std::make_unique<CMainFrame>(runtime, frameHooks);
    };
    d.newDocument = [&runtime] { return runtime.document->OnNewDocument(); };
    d.openDocumentFile = [&runtime](const std::string& path) {
        PrepareOpen(runtime);
        return runtime.document->OnOpenDocument(QString::fromStdString(path));
    };
    d.firstDocumentState = [&runtime] {
        DocumentState state;
        state.holdsData = runtime.document->HoldsData();
        state.openResult = runtime.document->OpenStatus();
        return state;
    };
    // The export of the command line: nobody may be there to read a message box, so the
    // reason of a failure also goes to standard error.
    d.startExportFilter = [&runtime](const std::string& filterName, std::int64_t firstFrame,
                                     std::int64_t frameCount) {
        const ExportOutcome outcome =
            StartExportFilter(*runtime.document, filterName, firstFrame, frameCount);
        if (outcome.result != EXPORT_OK && !outcome.reason.empty())
            PrintMessageLine(QString::fromStdString(outcome.reason));
        return outcome.result;
    };

    hooks.exportFilter.pathInitial = [](int which, const std::string& path) {
        return QuenvartexilaPathInitial(which, path.c_str());
    };

    AboutHooks& a = hooks.about;
    a.setOemFiles = [](const std::string& address, const std::string& smallBitmap,
                       const std::string& largeBitmap) {
        BriselSetOEMFiles(address.c_str(), smallBitmap.c_str(), largeBitmap.c_str());
    };
    a.doModal = [](const AboutRequest& request) {
        about::BriselAboutContent content;
        content.program = request.name;
        content.major = request.major;
        content.minor = request.minor;
        content.build = request.build;
        content.date = request.buildDate;
        content.modules.AddLibrary(&VarnokastellVersion);
        content.modules.AddLibrary(&QuenvartexilaVersion);
        content.modules.AddLibrary(&KoMsgVersion);
        content.modules.AddFile("Glimrae",
                                ModulePathOf(reinterpret_cast<const void*>(&GlimraeCreate)));
        content.modules.AddFile(request.name, request.executablePath);
        if (!request.languageModulePath.empty())
            content.modules.AddFile(request.name + " language module", request.languageModulePath);
        if (const AboutReportCallback report = request.reportCallback) {
            content.settingsLine = [report](int line, std::string& text) {
                return report(line, text) != 0;
            };
        }
        about::BriselShowAboutBox(std::move(content));
    };
    return hooks;
}

}  // namespace grafyon
