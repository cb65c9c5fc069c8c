// The viewer's application object: start-up sequence, exit handler and about box.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "viewer/app/app_hooks.h"
#include "viewer/app/grafyon_command_line_info.h"
#include "viewer/app/language_module.h"
#include "viewer/app/recent_file_list.h"
#include "viewer/app/viewer_identity.h"

class QMainWindow;
class QTranslator;

namespace grafyon {

// Which of the export library's folders QuenvartexilaPathInitial is told about.
inline constexpr int LOCAL_FILTER_PATH_ID = 16;   // QUENAR_LOCAL_FILTER_PATH
inline constexpr int GLOBAL_FILTER_PATH_ID = 17;  // QUENAR_GLOBAL_FILTER_PATH

// Environment properties of the about box's branding files, asked for under the about
// box's own caller number.
inline constexpr int ENVIRONMENT_ABOUT_CALLER = 2;
inline constexpr int PROPERTY_OEM_ADDRESS = 3;
inline constexpr int PROPERTY_OEM_SMALL_BITMAP = 4;
inline constexpr int PROPERTY_OEM_LARGE_BITMAP = 5;

inline constexpr char SPLASH_INI_SUFFIX[] = "/oem/OEMSPLASH.INI";
inline constexpr char SPLASH_BITMAP_NAME[] = "Grafy.bmp";
inline constexpr char SPLASH_APP_NAME[] = "Grafy";
inline constexpr int SPLASH_DISPLAY_MS = 1500;

// Where the viewer keeps its settings and the language code.
inline constexpr char SETTINGS_FILE_NAME[] = "Grafyon";
inline constexpr char SETTINGS_SECTION[] = "Settings";
inline constexpr char LANGUAGE_ID_VALUE[] = "LanguageID";

// One per process. Needs a QApplication; runs on its thread.
class CGrafyonApp {
public:
    explicit CGrafyonApp(GrafyonAppHooks hooks = {});
    ~CGrafyonApp();
    CGrafyonApp(const CGrafyonApp&) = delete;
    CGrafyonApp& operator=(const CGrafyonApp&) = delete;

    // The start-up sequence over the command-line parameters (without the program name).
    // False ends the program through ExitInstance without entering the event loop.
    bool InitInstance(std::span<const std::string> parameters);
    // The exit handler: frees the language module, writes what start-up read; returns the
    // exit status.
    int ExitInstance();
    // InitInstance, the event loop when it succeeded, ExitInstance.
    int Run(std::span<const std::string> parameters);

    // The about box ("About" command of the main window).
    void OnAppAbout();
    // Files the user opened later (File Open, drag and drop) go to the recent-file list.
    void AddToRecentFileList(const std::string& path);
    // An entry that no longer opens is taken off the list.
    void RemoveFromRecentFileList(std::size_t index);

    GrafyonAppHooks& Hooks() { return m_hooks; }
    const CGrafyonCommandLineInfo& CommandLine() const { return m_commandLine; }
    QMainWindow* MainWindow() const { return m_mainWindow.get(); }
    const std::string& FamilyFolder() const { return m_familyFolder; }
    const std::string& LocalFilterFolder() const { return m_localFilterFolder; }
    const std::string& SharedFilterFolder() const { return m_sharedFilterFolder; }
    const RecentFileList& RecentFiles() const { return m_recentFiles; }
    bool IsLanguageModuleLoaded() const { return m_languageModule.IsLoaded(); }
    int ExitStatus() const { return m_exitStatus; }

    // The file whose neighbours are the language modules and whose version they must
    // carry: the running executable unless a test names another.
    void SetExecutablePath(std::string path) { m_executablePath = std::move(path); }
    const std::string& ExecutablePath() const { return m_executablePath; }

    // The about box's version callback: request 1 the environment library, 2 the export
    // library (answer 1); any other request 0.
    static int VersionCallback(int request, std::string& name, int& major, int& minor, int& build,
                               std::string& buildDate);
    // The about box's report callback: line n of the settings report; 0 after the last.
    static int ReportCallback(int lineNumber, std::string& text);

    // $XDG_DATA_HOME/Vantorelline/Grafyon/ExportFilter/ ($HOME/.local/share when unset).
    static std::string LocalFilterFolderPath();

private:
    void SetResourceLanguage();
    void ShowSplash();
    void InitUserInterfaceFont();
    void InitAboutDialog();
    bool ProcessShellCommand();
    bool OpenDocumentFile(const std::string& path);
    void StartViewerOn(const std::string& path);
    std::unique_ptr<QMainWindow> CreateMainWindow();
    void FreeLanguageModule();

    GrafyonAppHooks m_hooks;
    CGrafyonCommandLineInfo m_commandLine;
    std::string m_executablePath;
    std::string m_familyFolder;
    std::string m_localFilterFolder;
    std::string m_sharedFilterFolder;
    RecentFileList m_recentFiles;
    LanguageModule m_languageModule;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QMainWindow> m_mainWindow;
    bool m_hideMainWindow = false;

    // What start-up has read, so that the exit handler writes back only that.
    bool m_recentFilesRead = false;
    bool m_settingsRead = false;
    bool m_fontRead = false;
    bool m_colorsRead = false;

    int m_exitStatus = 0;
};

}  // namespace grafyon
