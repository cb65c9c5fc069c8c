// The application object in-process: order of the start-up calls, the unattended export,
// exit status, exit handler, filter folders, languages and the about box callbacks.
#include <gtest/gtest.h>

#include <QMainWindow>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/installed_filters.h"
#include "common/settings_file.h"
#include "common/version_query.h"
#include "test_support.h"
#include "viewer/app/exit_status.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/trace_log.h"
#include "viewer/app/viewer_strings.h"

namespace grafyon {
namespace {

std::string BinDir() {
    const char* dir = std::getenv("GRAFYON_BIN_DIR");
    return dir ? dir : GRAFYON_BIN_DIR_DEFAULT;
}

// Every hook connected; each call is written down with its arguments.
struct Recorder {
    std::vector<std::string> calls;
    bool fontStored = true;
    bool openSucceeds = true;
    DocumentState state{true, 0};
    int exportResult = 0;
    bool startViewerSucceeds = true;

    GrafyonAppHooks Hooks() {
        GrafyonAppHooks hooks;
        auto& s = hooks.settings;
        s.readRegistryKeys = [this] { calls.push_back("readRegistryKeys"); };
        s.writeRegistryKeys = [this] { calls.push_back("writeRegistryKeys"); };
        s.readFontFromRegistry = [this] {
            calls.push_back("readFontFromRegistry");
            return fontStored;
        };
        s.useSystemFont = [this] { calls.push_back("useSystemFont"); };
        s.writeFontToRegistry = [this] { calls.push_back("writeFontToRegistry"); };
        s.initCurveColors = [this] { calls.push_back("initCurveColors"); };
        s.writeCurveColors = [this] { calls.push_back("writeCurveColors"); };
        s.settingsReportLine = [](int line, std::string& text) {
            if (line >= 2)
                return false;
            text = "Line " + std::to_string(line);
            return true;
        };
        auto& d = hooks.document;
        d.createMainWindow = [this] {
            calls.push_back("createMainWindow");
            auto window = std::make_unique<QMainWindow>();
            window->setWindowTitle("Frame");
            return window;
        };
        d.newDocument = [this] {
            calls.push_back("newDocument");
            return true;
        };
        d.openDocumentFile = [this](const std::string& path) {
            calls.push_back("openDocumentFile " + path);
            return openSucceeds;
        };
        d.firstDocumentState = [this] {
            calls.push_back("firstDocumentState");
            return state;
        };
        d.startExportFilter = [this](const std::string& filter, std::int64_t first,
                                     std::int64_t count) {
            calls.push_back("startExportFilter " + filter + " " + std::to_string(first) + " " +
                            std::to_string(count));
            return exportResult;
        };
        d.startViewer = [this](const std::string& path) {
            calls.push_back("startViewer " + path);
            return startViewerSucceeds;
        };
        hooks.exportFilter.pathInitial = [this](int which, const std::string& path) {
            calls.push_back("pathInitial " + std::to_string(which) + " " + path);
            return 0;
        };
        hooks.about.setOemFiles = [this](const std::string& a, const std::string& s1,
                                         const std::string& s2) {
            calls.push_back("setOemFiles " + a + " " + s1 + " " + s2);
        };
        return hooks;
    }
};

// A clean home, settings and data folder, an English locale and no tracing.
class AppTest : public ::testing::Test {
protected:
    AppTest()
        : m_home("HOME", m_dirs.Dir().Path().string()),
          m_data("XDG_DATA_HOME", m_dirs.Dir() / "data"),
          m_lcAll("LC_ALL", "C"),
          m_lcMessages("LC_MESSAGES", std::nullopt),
          m_lang("LANG", std::nullopt) {}
    void TearDown() override { SetTraceFlags(false, false); }

    std::string Home(const std::string& name) const { return m_dirs.Dir() / name; }

    // The messages of the trace log, header included, in order.
    std::vector<std::string> TraceMessages() const {
        std::vector<std::string> messages;
        std::istringstream log(test::ReadTextFile(Home("Grafy.log")));
        std::string line;
        while (std::getline(log, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty())
                continue;
            const std::size_t source = line.find("): ");
            messages.push_back(source == std::string::npos ? line.substr(line.find(": ") + 2)
                                                           : line.substr(source + 3));
        }
        return messages;
    }

    void WriteLanguageId(const std::string& code) {
        SettingsFile file(SettingsScope::User, "Grafyon");
        ASSERT_TRUE(file.WriteString("Settings", "LanguageID", code));
    }

    test::ScopedConfigDirs m_dirs;
    test::ScopedEnv m_home;
    test::ScopedEnv m_data;
    test::ScopedEnv m_lcAll;
    test::ScopedEnv m_lcMessages;
    test::ScopedEnv m_lang;
};

std::vector<std::string> Params(std::initializer_list<const char*> list) {
    return std::vector<std::string>(list.begin(), list.end());
}

TEST_F(AppTest, UnattendedExportCallsThePartsInOrder) {
    Recorder recorder;
    recorder.state = {true, 30};  // one frame only still exports
    CGrafyonApp app(recorder.Hooks());
    const std::string file = Home("data.mdf");
    const auto parameters = Params({file.c_str(), "/EF", "MyFilter", "/AX", "/Hide"});
    EXPECT_FALSE(app.InitInstance(parameters));
    EXPECT_EQ(app.ExitStatus(), GRAFY_EXIT_SUCCESS);
    const std::string local = app.LocalFilterFolder();
    // No shared folder is configured: the filters installed with the program (build/share)
    // take its place.
    const std::string installed = InstalledFilterFolder();
    ASSERT_FALSE(installed.empty());
    const std::vector<std::string> startUp = {
        "pathInitial 16 " + local,
        "pathInitial 17 " + installed,
        "readRegistryKeys",
        "readFontFromRegistry",
        "initCurveColors",
        "setOemFiles /OEM/OemAdr.ini /OEM/OemSmall.bmp /OEM/OemLarge.bmp",
        "createMainWindow",
        "openDocumentFile " + file,
        "firstDocumentState",
        "startExportFilter MyFilter 0 -1"};
    EXPECT_EQ(recorder.calls, startUp);
    ASSERT_NE(app.MainWindow(), nullptr);
    EXPECT_FALSE(app.MainWindow()->isVisible());

    recorder.calls.clear();
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
    const std::vector<std::string> exit = {"writeRegistryKeys", "writeFontToRegistry",
                                           "writeCurveColors"};
    EXPECT_EQ(recorder.calls, exit);
    // The file joined the recent-file list, which the exit handler stored.
    const SettingsFile settings(SettingsScope::User, "Grafyon");
    EXPECT_EQ(settings.ReadString("Recent File List", "File1"), file);
}

TEST_F(AppTest, ExitStatusOfUnattendedRuns) {
    struct Case {
        const char* name;
        bool openSucceeds;
        DocumentState state;
        int exportResult;
        bool withFilter;
        int status;
        bool exported;
    };
    const Case cases[] = {
        {"exported", true, {true, 0}, 0, true, GRAFY_EXIT_SUCCESS, true},
        {"opened, no export asked", true, {true, 0}, 0, false, GRAFY_EXIT_SUCCESS, false},
        {"export failed", true, {true, 0}, -100, true, GRAFY_EXIT_EXPORT_FAILED, true},
        {"corrupt file", true, {true, -10}, 0, true, GRAFY_EXIT_NOT_OPENED, false},
        {"no datasets", true, {false, 10}, 0, true, GRAFY_EXIT_NOT_OPENED, false},
        {"open failed", false, {true, 0}, 0, true, GRAFY_EXIT_NOT_OPENED, false},
    };
    for (const Case& c : cases) {
        Recorder recorder;
        recorder.openSucceeds = c.openSucceeds;
        recorder.state = c.state;
        recorder.exportResult = c.exportResult;
        CGrafyonApp app(recorder.Hooks());
        std::vector<std::string> parameters = {"run.mdf", "/NS", "/AX"};
        if (c.withFilter)
            parameters = {"run.mdf", "/EF", "F", "/AX"};
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.InitInstance(parameters)) << c.name;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(app.ExitInstance(), c.status) << c.name;
        const bool exported = std::find(recorder.calls.begin(), recorder.calls.end(),
                                        "startExportFilter F 0 -1") != recorder.calls.end();
        EXPECT_EQ(exported, c.exported) << c.name;
        // A failed unattended run names its reason; a failed open has shown its own message.
        EXPECT_EQ(!errors.empty(), c.status != GRAFY_EXIT_SUCCESS && c.openSucceeds)
            << c.name << ": " << errors;
    }
}

TEST_F(AppTest, UnattendedRunWithoutAFileFailsWithItsReason) {
    Recorder recorder;
    recorder.state = {};
    CGrafyonApp app(recorder.Hooks());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(app.InitInstance(Params({"/EF", "X", "/AX"})));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: Automatic Exit: no file was named to open.\n");
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_NOT_OPENED);
    EXPECT_NE(std::find(recorder.calls.begin(), recorder.calls.end(), "newDocument"),
              recorder.calls.end());
}

// A file manager passes every selected file: the first opens here, each further one in a
// viewer of its own, after this window shows.
TEST_F(AppTest, FurtherFilesOpenInViewersOfTheirOwn) {
    Recorder recorder;
    CGrafyonApp app(recorder.Hooks());
    EXPECT_TRUE(app.InitInstance(Params({"/data/a.mdf", "/data/b.mcf", "/data/c.tks", "-NS"})));
    std::vector<std::string> opens;
    for (const std::string& call : recorder.calls) {
        if (call.starts_with("openDocumentFile") || call.starts_with("startViewer"))
            opens.push_back(call);
    }
    EXPECT_EQ(opens,
              (std::vector<std::string>{"openDocumentFile /data/a.mdf", "startViewer /data/b.mcf",
                                        "startViewer /data/c.tks"}));
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);

    // A viewer that cannot be started is named; the others still start.
    Recorder failing;
    failing.startViewerSucceeds = false;
    CGrafyonApp second(failing.Hooks());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(second.InitInstance(Params({"a.mdf", "b.mdf", "-NS"})));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: Following file cannot be opened !\n\u00abb.mdf\u00bb\n");
    second.ExitInstance();
}

// An unattended run works on the first file and names the others; no viewer is started.
TEST_F(AppTest, UnattendedRunNamesFurtherFilesAsNotOpened) {
    Recorder recorder;
    CGrafyonApp app(recorder.Hooks());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(app.InitInstance(Params({"a.mdf", "b.mdf", "/EF", "Standard", "/AX"})));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: Automatic Exit: \u00abb.mdf\u00bb was not opened: an unattended run "
              "works on the first file only.\n");
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
    for (const std::string& call : recorder.calls)
        EXPECT_FALSE(call.starts_with("startViewer")) << call;
}

TEST_F(AppTest, NormalStartShowsTheMainWindowUnlessHidden) {
    for (bool hide : {false, true}) {
        Recorder recorder;
        CGrafyonApp app(recorder.Hooks());
        std::vector<std::string> parameters = {"-NS"};
        if (hide)
            parameters.push_back("/Hide");
        EXPECT_TRUE(app.InitInstance(parameters));
        ASSERT_NE(app.MainWindow(), nullptr);
        EXPECT_EQ(app.MainWindow()->isVisible(), !hide);
        EXPECT_TRUE(app.MainWindow()->acceptDrops());
        EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
    }
}

TEST_F(AppTest, EmbeddingAndAutomationTraceTheirStartShowNoSplashAndShowTheWindow) {
    // Nothing could drive or end an invisible server on this platform: the window shows.
    for (const char* framework : {"/Embedding", "-Automation"}) {
        std::filesystem::remove(Home("Grafy.log"));
        Recorder recorder;
        CGrafyonApp app(recorder.Hooks());
        const std::vector<std::string> parameters = {"-DebugFile", framework};
        EXPECT_TRUE(app.InitInstance(parameters)) << framework;
        ASSERT_NE(app.MainWindow(), nullptr) << framework;
        EXPECT_TRUE(app.MainWindow()->isVisible()) << framework;
        EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS) << framework;

        const std::vector<std::string> messages = TraceMessages();
        const auto at = [&](const std::string& message) {
            return std::find(messages.begin(), messages.end(), message) - messages.begin();
        };
        const auto registered = at("COleTemplateServer::RegisterAll() ausgefuehrt");
        ASSERT_LT(registered, std::ssize(messages)) << framework;
        EXPECT_EQ(messages[registered - 1], "InitAboutDialog() ausgefuehrt") << framework;
        EXPECT_EQ(messages[registered + 1], "ProcessShellCommand() ausgefuehrt") << framework;
        EXPECT_EQ(at("m_server.UpdateRegistry(OAT_DISPATCH_OBJECT) ausgefuehrt"),
                  std::ssize(messages))
            << framework;
        EXPECT_EQ(at("GlimraeCreate() ausgefuehrt"), std::ssize(messages)) << framework;
        EXPECT_LT(at("ShowWindow() ausgefuehrt"), std::ssize(messages)) << framework;
    }
}

TEST_F(AppTest, AFileThatDoesNotOpenLeavesAnEmptyDocument) {
    // As a file manager starts the viewer: the open has shown its message.
    for (bool withFilter : {false, true}) {
        Recorder recorder;
        recorder.openSucceeds = false;
        recorder.state = {false, -100};
        CGrafyonApp app(recorder.Hooks());
        std::vector<std::string> parameters = {"run.mdf", "-NS"};
        if (withFilter)
            parameters = {"run.mdf", "/EF", "F"};
        testing::internal::CaptureStderr();
        EXPECT_TRUE(app.InitInstance(parameters)) << withFilter;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << withFilter;
        const std::vector<std::string> shell = {"createMainWindow", "openDocumentFile run.mdf",
                                                "newDocument", "firstDocumentState"};
        const auto first = std::find(recorder.calls.begin(), recorder.calls.end(), shell[0]);
        EXPECT_EQ(std::vector<std::string>(first, recorder.calls.end()), shell) << withFilter;
        ASSERT_NE(app.MainWindow(), nullptr);
        EXPECT_TRUE(app.MainWindow()->isVisible());
        EXPECT_TRUE(app.RecentFiles().Entries().empty());
        EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
    }
}

TEST_F(AppTest, WithoutConnectedPartsTheStandInsAnswer) {
    CGrafyonApp app;
    EXPECT_TRUE(app.InitInstance(Params({"-NS"})));
    ASSERT_NE(app.MainWindow(), nullptr);
    EXPECT_EQ(app.MainWindow()->windowTitle(), "Grafy");
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);

    CGrafyonApp opening;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(opening.InitInstance(Params({"/tmp/none.mdf", "-NS"})));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: Following file cannot be opened !\n\xc2\xab/tmp/none.mdf\xc2\xbb\n");
    EXPECT_EQ(opening.ExitInstance(), GRAFY_EXIT_SUCCESS);

    CGrafyonApp unattended;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(unattended.InitInstance(Params({"/tmp/none.mdf", "/AX"})));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Grafy: Following file cannot be opened !\n\xc2\xab/tmp/none.mdf\xc2\xbb\n");
    EXPECT_EQ(unattended.ExitInstance(), GRAFY_EXIT_NOT_OPENED);
}

TEST_F(AppTest, ExitHandlerWithoutStartUpWritesNothingBack) {
    Recorder recorder;
    {
        CGrafyonApp app(recorder.Hooks());
        EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
    }
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile::PathFor(SettingsScope::User, "Grafyon")));
}

TEST_F(AppTest, UnregisterEndsAtOnceWithSuccess) {
    Recorder recorder;
    CGrafyonApp app(recorder.Hooks());
    EXPECT_FALSE(app.InitInstance(Params({"/Unregister", "/NS"})));
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_EQ(app.ExitInstance(), GRAFY_EXIT_SUCCESS);
}

TEST_F(AppTest, TraceLinesFollowTheStartUpInOrder) {
    Recorder recorder;
    recorder.fontStored = false;
    CGrafyonApp app(recorder.Hooks());
    EXPECT_TRUE(app.InitInstance(Params({"-DebugFile"})));  // with the splash
    const std::vector<std::string> expected = {
        "######################## Grafy ########################",
        "AfxOleInit() ausgefuehrt",
        "AfxEnableControlContainer() ausgefuehrt",
        "Enable3dControls() ausgefuehrt",
        "SetRegistryKey() ausgefuehrt",
        "LoadStdProfileSettings() ausgefuehrt",
        "VarnokastellInitial() ausgefuehrt",
        "VarnokastellGetProperty(VRNK_VANTORELLINE_PATH) ausgefuehrt",
        "VarnokastellGetProperty(VRNK_LOCAL_GLOBAL_FILTER_PATH) ausgefuehrt",
        "QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH) ausgefuehrt",
        "QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH) ausgefuehrt",
        "ReadRegistryKeys() ausgefuehrt",
        "SetResourceLanguage() ausgefuehrt",
        "GlimraeCreateObject() ausgefuehrt",
        "GlimraeOemIniLoadAndSet() ausgefuehrt",
        "GlimraeCreate() ausgefuehrt",
        "ReadFontFromRegistry(Font) ausgefuehrt",
        "GetSystemFont() ausgefuehrt",
        "InitCurveColors() ausgefuehrt",
        "New SingleDocTemplate() ausgefuehrt",
        "AddDocTemplate() ausgefuehrt",
        "m_server.ConnectTemplate() ausgefuehrt",
        "EnableShellOpen() ausgefuehrt",
        "RegisterShellFileTypes() ausgefuehrt",
        "InitAboutDialog() ausgefuehrt",
        "m_server.UpdateRegistry(OAT_DISPATCH_OBJECT) ausgefuehrt",
        "UpdateRegistryAll() ausgefuehrt",
        "ProcessShellCommand() ausgefuehrt",
        "GetFirstDocPosition() ausgefuehrt",
        "GetNextDoc() ausgefuehrt",
        "ShowWindow() ausgefuehrt",
        "UpdateWindow() ausgefuehrt",
        "DragAcceptFiles() ausgefuehrt"};
    EXPECT_EQ(TraceMessages(), expected);
    EXPECT_NE(std::find(recorder.calls.begin(), recorder.calls.end(), "useSystemFont"),
              recorder.calls.end());
    app.ExitInstance();
}

TEST_F(AppTest, UnattendedTraceEndsWithAutomaticExit) {
    Recorder recorder;
    CGrafyonApp app(recorder.Hooks());
    EXPECT_FALSE(app.InitInstance(Params({"x.mdf", "/EF", "F", "/AX", "-DebugFile"})));
    const std::vector<std::string> messages = TraceMessages();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[messages.size() - 3], "GetNextDoc() ausgefuehrt");
    EXPECT_EQ(messages[messages.size() - 2], "StartExportFilter() ausgefuehrt");
    EXPECT_EQ(messages.back(), "Automatic Exit");
    // A filter name suppresses the splash, and the font was stored: no fallback lines.
    for (const std::string& message : messages) {
        EXPECT_EQ(message.find("Glimrae"), std::string::npos);
        EXPECT_EQ(message.find("GetSystemFont"), std::string::npos);
    }
    app.ExitInstance();
}

TEST_F(AppTest, FilterFoldersAndFamilyFolder) {
    const std::string family = m_dirs.Dir() / "family";
    const std::string group = m_dirs.Dir() / "group";
    {
        SettingsFile machine(SettingsScope::Machine, "Vantorelline");
        ASSERT_TRUE(machine.WriteString("", "Path", family));
        SettingsFile user(SettingsScope::User, "Vantorelline");
        ASSERT_TRUE(user.WriteString("ExportFilter", "GroupPath", group));
    }
    Recorder recorder;
    CGrafyonApp app(recorder.Hooks());
    EXPECT_TRUE(app.InitInstance(Params({"-NS"})));
    const std::string local = m_dirs.Dir() / "data/Vantorelline/Grafyon/ExportFilter/";
    EXPECT_EQ(app.LocalFilterFolder(), local);
    EXPECT_TRUE(std::filesystem::is_directory(local));
    EXPECT_EQ(app.SharedFilterFolder(), group + "/");
    EXPECT_EQ(app.FamilyFolder(), family);
    EXPECT_EQ(recorder.calls[0], "pathInitial 16 " + local);
    EXPECT_EQ(recorder.calls[1], "pathInitial 17 " + group + "/");
    EXPECT_EQ(recorder.calls[5], "setOemFiles " + family + "/OEM/OemAdr.ini " + family +
                                     "/OEM/OemSmall.bmp " + family + "/OEM/OemLarge.bmp");
    app.ExitInstance();
}

TEST_F(AppTest, LocalFilterFolderFallsBackToTheHomeFolder) {
    test::ScopedEnv relative("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(CGrafyonApp::LocalFilterFolderPath(),
              Home(".local/share/Vantorelline/Grafyon/ExportFilter/"));
    test::ScopedEnv unset("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(CGrafyonApp::LocalFilterFolderPath(),
              Home(".local/share/Vantorelline/Grafyon/ExportFilter/"));
}

// Runs start-up with the built executable's path (for its version and its neighbours)
// and returns what reached standard error.
std::string StartWithLanguage(CGrafyonApp& app, const std::string& executable) {
    app.SetExecutablePath(executable);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(app.InitInstance(Params({"-NS"})));
    return testing::internal::GetCapturedStderr();
}

TEST_F(AppTest, GermanModuleIsLoadedAndFreedAtExit) {
    WriteLanguageId("DEU");
    CGrafyonApp app;
    EXPECT_EQ(StartWithLanguage(app, BinDir() + "/Grafyon"), "");
    EXPECT_TRUE(app.IsLanguageModuleLoaded());
    EXPECT_NE(ViewerString(GRAFY_STR_LANGUAGE_MISSING),
              ViewerStringEnglish(GRAFY_STR_LANGUAGE_MISSING));
    app.ExitInstance();
    EXPECT_FALSE(app.IsLanguageModuleLoaded());
    EXPECT_EQ(ViewerString(GRAFY_STR_LANGUAGE_MISSING),
              ViewerStringEnglish(GRAFY_STR_LANGUAGE_MISSING));
}

TEST_F(AppTest, ModuleOfAnotherVersionShowsMessage4104) {
    WriteLanguageId("DEU");
    const std::string folder = m_dirs.Dir() / "program";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(BinDir() + "/Grafyon", folder + "/Grafyon");
    std::filesystem::copy_file(GRAFYON_STALE_MODULE, folder + "/Grafyon.DEU");
    CGrafyonApp app;
    EXPECT_EQ(StartWithLanguage(app, folder + "/Grafyon"),
              "Grafy: Requested language not up to date! Using standard language.\n");
    EXPECT_FALSE(app.IsLanguageModuleLoaded());
    app.ExitInstance();
}

TEST_F(AppTest, MissingModuleShowsMessage4103Once) {
    WriteLanguageId("FRA");
    CGrafyonApp app;
    EXPECT_EQ(StartWithLanguage(app, BinDir() + "/Grafyon"),
              "Grafy: Requested language does not exist! Using standard language.\n");
    EXPECT_FALSE(app.IsLanguageModuleLoaded());
    app.ExitInstance();
}

TEST_F(AppTest, GermanLocaleWithoutLanguageIdLooksForDeu) {
    test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    {
        CGrafyonApp app;
        EXPECT_EQ(StartWithLanguage(app, BinDir() + "/Grafyon"), "");
        EXPECT_TRUE(app.IsLanguageModuleLoaded());
        app.ExitInstance();
    }
    // Where no .DEU lies beside the program, the search shows in the "missing" message.
    CGrafyonApp app;
    EXPECT_EQ(StartWithLanguage(app, m_dirs.Dir() / "Grafyon"),
              "Grafy: Requested language does not exist! Using standard language.\n");
    app.ExitInstance();
}

TEST_F(AppTest, EnglishAndUnusableCodesAreSilent) {
    for (const char* code : {"ENU", "../../x", "DEUTSCH"}) {
        WriteLanguageId(code);
        CGrafyonApp app;
        EXPECT_EQ(StartWithLanguage(app, BinDir() + "/Grafyon"), "") << code;
        EXPECT_FALSE(app.IsLanguageModuleLoaded()) << code;
        app.ExitInstance();
    }
}

TEST_F(AppTest, AboutBoxGetsTheViewersVersionAndCallbacks) {
    Recorder recorder;
    GrafyonAppHooks hooks = recorder.Hooks();
    std::optional<AboutRequest> shown;
    hooks.about.doModal = [&shown](const AboutRequest& request) { shown = request; };
    CGrafyonApp app(std::move(hooks));
    app.SetExecutablePath(BinDir() + "/Grafyon");
    app.OnAppAbout();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->name, "Grafy");
    EXPECT_EQ(shown->bitmapId, 154);
    int major = -1, minor = -1, build = -1;
    std::string date;
    QueryModuleVersion(BinDir() + "/Grafyon", 0, major, minor, build, date);
    EXPECT_EQ(shown->major, major);
    EXPECT_EQ(shown->minor, minor);
    EXPECT_EQ(shown->build, build);
    EXPECT_EQ(shown->buildDate, date);

    std::string name;
    EXPECT_EQ(shown->versionCallback(1, name, major, minor, build, date), 1);
    EXPECT_EQ(name, "Environment DLL");
    EXPECT_EQ(shown->versionCallback(2, name, major, minor, build, date), 1);
    EXPECT_EQ(name, "Export Filter DLL");
    name = "unchanged";
    EXPECT_EQ(shown->versionCallback(3, name, major, minor, build, date), 0);
    EXPECT_EQ(shown->versionCallback(0, name, major, minor, build, date), 0);
    EXPECT_EQ(name, "unchanged");

    std::string text;
    EXPECT_EQ(shown->reportCallback(0, text), 1);
    EXPECT_EQ(text, "Line 0");
    EXPECT_EQ(shown->reportCallback(1, text), 1);
    EXPECT_EQ(text, "Line 1");
    EXPECT_EQ(shown->reportCallback(2, text), 0);
}

}  // namespace
}  // namespace grafyon
