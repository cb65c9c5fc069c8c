// Start-up sequence, exit handler and about box of the viewer.
#include "grafyon_app.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTranslator>

#include <filesystem>

#include "common/settings_file.h"
#include "common/ui_language.h"
#include "common/version_query.h"
#include "environment/varnokastell.h"
#include "exportfilter/quenvartexila.h"
#include "viewer/app/doc_template_string.h"
#include "viewer/app/exit_status.h"
#include "viewer/app/export_filter_folders.h"
#include "viewer/app/language_selection.h"
#include "viewer/app/message_box.h"
#include "viewer/app/splash/glimrae.h"
#include "viewer/app/trace_log.h"
#include "viewer/app/viewer_strings.h"

namespace grafyon {

namespace {

// The application whose settings report the about box's plain-function callback reads.
CGrafyonApp* g_reportingApp = nullptr;

// Open results with which a document may be exported: success and "one frame only".
constexpr int OPEN_RESULT_SUCCESS = 0;
constexpr int OPEN_RESULT_SINGLE_FRAME = 30;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CGrafyonApp::CGrafyonApp(GrafyonAppHooks hooks)
    : m_hooks(std::move(hooks)), m_executablePath(grafyon::ExecutablePath()) {
    if (g_reportingApp == nullptr)
        g_reportingApp = this;
}

CGrafyonApp::~CGrafyonApp() {
    FreeLanguageModule();
    if (g_reportingApp == this)
        g_reportingApp = nullptr;
}

std::string CGrafyonApp::LocalFilterFolderPath() {
    return LocalExportFilterFolder();
}

bool CGrafyonApp::InitInstance(std::span<const std::string> parameters) {
    // The command line, then the switches that matter before anything else.
    m_commandLine.ParseCommandLine(parameters);
    m_hideMainWindow = m_commandLine.m_hide;
    SetTraceFlags(m_commandLine.m_debugMonitor, m_commandLine.m_debugFile);

    // The trace log's header.
    LogHeader(APP_NAME);

    // Component hosting, control styles and the registry key have nothing to set up on
    // Linux; the trace lines stay because support staff know them.
    GRAFYON_TRACE("AfxOleInit() ausgefuehrt");
    GRAFYON_TRACE("AfxEnableControlContainer() ausgefuehrt");
    GRAFYON_TRACE("Enable3dControls() ausgefuehrt");
    GRAFYON_TRACE("SetRegistryKey() ausgefuehrt");

    // The recent-file list.
    {
        const SettingsFile settings(SettingsScope::User, SETTINGS_FILE_NAME);
        m_recentFiles.Read(settings);
        m_recentFilesRead = true;
    }
    GRAFYON_TRACE("LoadStdProfileSettings() ausgefuehrt");

    // The environment library and the family's folder.
    VarnokastellInitial(ENVIRONMENT_CALLER, 1, 0);
    GRAFYON_TRACE("VarnokastellInitial() ausgefuehrt");
    VarnokastellGetProperty(ENVIRONMENT_CALLER, VRNK_VANTORELLINE_PATH, m_familyFolder);
    GRAFYON_TRACE("VarnokastellGetProperty(VRNK_VANTORELLINE_PATH) ausgefuehrt");

    // The export filter folders.
    m_localFilterFolder = LocalFilterFolderPath();
    if (!m_localFilterFolder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(m_localFilterFolder, ec);
    }
    std::string shared;
    VarnokastellGetProperty(ENVIRONMENT_CALLER, VRNK_LOCAL_GLOBAL_FILTER_PATH, shared);
    m_sharedFilterFolder = SharedExportFilterFolder(shared);
    GRAFYON_TRACE("VarnokastellGetProperty(VRNK_LOCAL_GLOBAL_FILTER_PATH) ausgefuehrt");
    if (m_hooks.exportFilter.pathInitial) {
        m_hooks.exportFilter.pathInitial(LOCAL_FILTER_PATH_ID, m_localFilterFolder);
    }
    GRAFYON_TRACE("QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH) ausgefuehrt");
    if (m_hooks.exportFilter.pathInitial) {
        m_hooks.exportFilter.pathInitial(GLOBAL_FILTER_PATH_ID, m_sharedFilterFolder);
    }
    GRAFYON_TRACE("QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH) ausgefuehrt");

    // The settings, then the language of the texts.
    if (m_hooks.settings.readRegistryKeys)
        m_hooks.settings.readRegistryKeys();
    m_settingsRead = true;
    GRAFYON_TRACE("ReadRegistryKeys() ausgefuehrt");
    SetResourceLanguage();
    GRAFYON_TRACE("SetResourceLanguage() ausgefuehrt");

    // The splash screen.
    if (m_commandLine.m_showSplash)
        ShowSplash();

    // The user-interface font and the curve colors.
    InitUserInterfaceFont();
    if (m_hooks.settings.initCurveColors)
        m_hooks.settings.initCurveColors();
    m_colorsRead = true;
    GRAFYON_TRACE("InitCurveColors() ausgefuehrt");

    // One document template; automation and shell registration do not exist here.
    GRAFYON_TRACE("New SingleDocTemplate() ausgefuehrt");
    GRAFYON_TRACE("AddDocTemplate() ausgefuehrt");
    GRAFYON_TRACE("m_server.ConnectTemplate() ausgefuehrt");
    GRAFYON_TRACE("EnableShellOpen() ausgefuehrt");
    GRAFYON_TRACE("RegisterShellFileTypes() ausgefuehrt");

    // The about box's branding.
    InitAboutDialog();
    GRAFYON_TRACE("InitAboutDialog() ausgefuehrt");

    // Automation registration. An embedded or automated start keeps its trace line and
    // shows no splash, but then starts like any other: nothing could drive or end an
    // invisible automation server on Linux, so its window shows.
    if (m_commandLine.m_runEmbedded || m_commandLine.m_runAutomated) {
        GRAFYON_TRACE("COleTemplateServer::RegisterAll() ausgefuehrt");
    } else {
        GRAFYON_TRACE("m_server.UpdateRegistry(OAT_DISPATCH_OBJECT) ausgefuehrt");
        GRAFYON_TRACE("UpdateRegistryAll() ausgefuehrt");
    }

    // The main window, and the file of the command line or an empty document.
    if (!ProcessShellCommand())
        return false;
    GRAFYON_TRACE("ProcessShellCommand() ausgefuehrt");

    // What the document holds now.
    GRAFYON_TRACE("GetFirstDocPosition() ausgefuehrt");
    const DocumentState document = m_hooks.document.firstDocumentState
                                       ? m_hooks.document.firstDocumentState()
                                       : DocumentState{};
    GRAFYON_TRACE("GetNextDoc() ausgefuehrt");

    // The export the command line asked for, when a measurement is open.
    const bool opened = document.holdsData && (document.openResult == OPEN_RESULT_SUCCESS ||
                                               document.openResult == OPEN_RESULT_SINGLE_FRAME);
    const bool exportRequested = m_commandLine.m_expectFilterName;
    int exportResult = 0;
    if (exportRequested && opened) {
        exportResult = m_hooks.document.startExportFilter
                           ? m_hooks.document.startExportFilter(m_commandLine.m_filterName, 0, -1)
                           : -1;
        GRAFYON_TRACE("StartExportFilter() ausgefuehrt");
    }

    // An unattended run ends here, with an exit status that tells its outcome.
    if (m_commandLine.m_autoExit) {
        GRAFYON_TRACE("Automatic Exit");
        // No window will show why an unattended run failed: standard error names it.
        if (!opened) {
            m_exitStatus = GRAFY_EXIT_NOT_OPENED;
            PrintMessageLine(m_commandLine.m_fileName.empty()
                                 ? ViewerString(GRAFY_STR_AUTO_EXIT_NO_FILE)
                                 : ViewerString(GRAFY_STR_AUTO_EXIT_NOT_OPENED)
                                       .arg(FromUtf8(m_commandLine.m_fileName)));
        } else if (exportRequested && exportResult != 0) {
            m_exitStatus = GRAFY_EXIT_EXPORT_FAILED;
            PrintMessageLine(ViewerString(GRAFY_STR_AUTO_EXIT_EXPORT_FAILED)
                                 .arg(FromUtf8(m_commandLine.m_filterName))
                                 .arg(exportResult));
        } else {
            m_exitStatus = GRAFY_EXIT_SUCCESS;
        }
        for (const std::string& file : m_commandLine.m_moreFileNames)
            PrintMessageLine(ViewerString(GRAFY_STR_AUTO_EXIT_MORE_FILES).arg(FromUtf8(file)));
        return false;
    }

    // The main window shows and takes dropped files.
    m_mainWindow->setVisible(!m_hideMainWindow);
    GRAFYON_TRACE("ShowWindow() ausgefuehrt");
    m_mainWindow->update();
    GRAFYON_TRACE("UpdateWindow() ausgefuehrt");
    m_mainWindow->setAcceptDrops(true);
    GRAFYON_TRACE("DragAcceptFiles() ausgefuehrt");

    // One document per viewer: further files of the command line open in viewers of their own.
    for (const std::string& file : m_commandLine.m_moreFileNames)
        StartViewerOn(file);
    return true;
}

void CGrafyonApp::StartViewerOn(const std::string& path) {
    const bool started =
        m_hooks.document.startViewer
            ? m_hooks.document.startViewer(path)
            : QProcess::startDetached(FromUtf8(m_executablePath), {FromUtf8(path)});
    if (!started)
        ShowMessageBox(ViewerString(GRAFY_STR_CANNOT_OPEN_FILE).arg(FromUtf8(path)),
                       MessageIcon::Warning);
}

void CGrafyonApp::SetResourceLanguage() {
    std::optional<std::string> storedId;
    {
        const SettingsFile settings(SettingsScope::User, SETTINGS_FILE_NAME);
        storedId = settings.ReadString(SETTINGS_SECTION, LANGUAGE_ID_VALUE);
    }
    const std::optional<std::string> code =
        SelectLanguageCode(storedId, ProcessUiLanguage() == UiLanguage::German);
    if (!code || m_executablePath.empty())
        return;
    const std::string modulePath = LanguageModulePath(m_executablePath, *code);
    switch (CheckLanguageModule(m_executablePath, modulePath)) {
        case LanguageCheck::Missing:
            ShowMessageBox(ViewerString(GRAFY_STR_LANGUAGE_MISSING), MessageIcon::Information);
            return;
        case LanguageCheck::OutOfDate:
            ShowMessageBox(ViewerString(GRAFY_STR_LANGUAGE_OUT_OF_DATE), MessageIcon::Information);
            return;
        case LanguageCheck::Usable:
            break;
    }
    // A module that exists but does not load leaves the built-in texts without a word.
    if (!m_languageModule.Load(modulePath))
        return;
    auto translator = std::make_unique<QTranslator>();
    const std::span<const std::uint8_t> data = m_languageModule.TranslationData();
    if (!translator->load(reinterpret_cast<const uchar*>(data.data()),
                          static_cast<int>(data.size()))) {
        m_languageModule.Unload();
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
}

void CGrafyonApp::ShowSplash() {
    std::string family = m_familyFolder;
    while (!family.empty() && family.back() == '/')
        family.pop_back();
    const std::string iniPath = family + SPLASH_INI_SUFFIX;
    GlimraeHandle handle = nullptr;
    int result = 0;
    GlimraeCreateObject(handle);
    GRAFYON_TRACE("GlimraeCreateObject() ausgefuehrt");
    GlimraeOemIniLoadAndSet(handle, iniPath, SPLASH_APP_NAME, m_familyFolder, SPLASH_BITMAP_NAME,
                            result);
    GRAFYON_TRACE("GlimraeOemIniLoadAndSet() ausgefuehrt");
    GlimraeCreate(handle, SPLASH_APP_NAME, result, nullptr, SPLASH_DISPLAY_MS);
    GRAFYON_TRACE("GlimraeCreate() ausgefuehrt");
}

void CGrafyonApp::InitUserInterfaceFont() {
    const bool stored =
        m_hooks.settings.readFontFromRegistry && m_hooks.settings.readFontFromRegistry();
    if (!stored) {
        GRAFYON_TRACE("ReadFontFromRegistry(Font) ausgefuehrt");
        if (m_hooks.settings.useSystemFont)
            m_hooks.settings.useSystemFont();
        GRAFYON_TRACE("GetSystemFont() ausgefuehrt");
    }
    m_fontRead = true;
}

void CGrafyonApp::InitAboutDialog() {
    std::string address, smallBitmap, largeBitmap;
    VarnokastellGetProperty(ENVIRONMENT_ABOUT_CALLER, PROPERTY_OEM_ADDRESS, address);
    VarnokastellGetProperty(ENVIRONMENT_ABOUT_CALLER, PROPERTY_OEM_SMALL_BITMAP, smallBitmap);
    VarnokastellGetProperty(ENVIRONMENT_ABOUT_CALLER, PROPERTY_OEM_LARGE_BITMAP, largeBitmap);
    if (m_hooks.about.setOemFiles)
        m_hooks.about.setOemFiles(address, smallBitmap, largeBitmap);
}

std::unique_ptr<QMainWindow> CGrafyonApp::CreateMainWindow() {
    if (m_hooks.document.createMainWindow)
        return m_hooks.document.createMainWindow();
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(FromUtf8(DocTemplateSubString(
        ViewerString(GRAFY_STR_DOC_TEMPLATE).toStdString(), DOC_WINDOW_TITLE)));
    window->resize(800, 600);
    return window;
}

bool CGrafyonApp::OpenDocumentFile(const std::string& path) {
    if (m_hooks.document.openDocumentFile)
        return m_hooks.document.openDocumentFile(path);
    // No document class is connected, so no file can be read.
    ShowMessageBox(ViewerString(GRAFY_STR_CANNOT_OPEN_FILE).arg(FromUtf8(path)),
                   MessageIcon::Error);
    return false;
}

bool CGrafyonApp::ProcessShellCommand() {
    if (m_commandLine.m_shellCommand == ShellCommand::AppUnregister) {
        // Nothing was registered, so there is nothing to undo; the program ends.
        m_exitStatus = GRAFY_EXIT_SUCCESS;
        return false;
    }
    m_mainWindow = CreateMainWindow();
    if (m_mainWindow == nullptr) {
        m_exitStatus = GRAFY_EXIT_STARTUP_FAILED;
        return false;
    }
    switch (m_commandLine.m_shellCommand) {
        case ShellCommand::FileOpen:
        case ShellCommand::FilePrint:
        case ShellCommand::FilePrintTo:
            // Printing from the command line is not offered; the file is opened.
            if (OpenDocumentFile(m_commandLine.m_fileName)) {
                AddToRecentFileList(m_commandLine.m_fileName);
                return true;
            }
            // The open has shown its message. An unattended run ends with its status; a
            // user, who may have started the viewer from a file manager, keeps the viewer
            // with an empty document.
            if (m_commandLine.m_autoExit) {
                m_exitStatus = GRAFY_EXIT_NOT_OPENED;
                return false;
            }
            break;
        case ShellCommand::FileNew:
        case ShellCommand::FileDDE:
        case ShellCommand::AppUnregister:
            break;
    }
    if (m_hooks.document.newDocument && !m_hooks.document.newDocument()) {
        m_exitStatus = GRAFY_EXIT_STARTUP_FAILED;
        return false;
    }
    return true;
}

void CGrafyonApp::AddToRecentFileList(const std::string& path) {
    m_recentFiles.Add(path);
}

void CGrafyonApp::RemoveFromRecentFileList(std::size_t index) {
    m_recentFiles.Remove(index);
}

void CGrafyonApp::FreeLanguageModule() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_languageModule.Unload();
}

int CGrafyonApp::ExitInstance() {
    FreeLanguageModule();
    // Only what start-up has read goes back, so a failed start cannot overwrite the
    // user's settings with defaults.
    if (m_settingsRead && m_hooks.settings.writeRegistryKeys)
        m_hooks.settings.writeRegistryKeys();
    if (m_fontRead && m_hooks.settings.writeFontToRegistry)
        m_hooks.settings.writeFontToRegistry();
    if (m_colorsRead && m_hooks.settings.writeCurveColors)
        m_hooks.settings.writeCurveColors();
    if (m_recentFilesRead) {
        SettingsFile settings(SettingsScope::User, SETTINGS_FILE_NAME);
        m_recentFiles.Write(settings);
    }
    m_mainWindow.reset();
    return m_exitStatus;
}

int CGrafyonApp::Run(std::span<const std::string> parameters) {
    if (InitInstance(parameters))
        m_exitStatus = QApplication::exec();
    return ExitInstance();
}

void CGrafyonApp::OnAppAbout() {
    AboutRequest request;
    request.name = APP_NAME;
    QueryModuleVersion(m_executablePath, 0, request.major, request.minor, request.build,
                       request.buildDate);
    request.versionCallback = &CGrafyonApp::VersionCallback;
    request.reportCallback = &CGrafyonApp::ReportCallback;
    request.executablePath = m_executablePath;
    if (m_languageModule.IsLoaded())
        request.languageModulePath = m_languageModule.Path();
    if (m_hooks.about.doModal)
        m_hooks.about.doModal(request);
}

int CGrafyonApp::VersionCallback(int request, std::string& name, int& major, int& minor, int& build,
                                 std::string& buildDate) {
    switch (request) {
        case 1:
            VarnokastellVersion(name, major, minor, build, buildDate);
            return 1;
        case 2:
            QuenvartexilaVersion(name, major, minor, build, buildDate);
            return 1;
        default:
            return 0;
    }
}

int CGrafyonApp::ReportCallback(int lineNumber, std::string& text) {
    const CGrafyonApp* app = g_reportingApp;
    if (app == nullptr || !app->m_hooks.settings.settingsReportLine)
        return 0;
    return app->m_hooks.settings.settingsReportLine(lineNumber, text) ? 1 : 0;
}

}  // namespace grafyon
