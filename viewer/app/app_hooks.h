// The calls that start-up, exit and the about box make into parts of the viewer built
// elsewhere (settings, fonts and colors, document, main window, export, about library).
// An empty hook means the part is not connected; the application then does what is
// noted beside it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QMainWindow;

namespace grafyon {

// Settings, user-interface font and curve colors of the application.
struct SettingsHooks {
    // Every value of section "Settings" ("ReadRegistryKeys"). Not connected: nothing read.
    std::function<void()> readRegistryKeys;
    // The same values back at exit. Not connected: nothing written.
    std::function<void()> writeRegistryKeys;
    // The font record "SysFont" of section "Settings"; false when none is stored.
    // Not connected: false.
    std::function<bool()> readFontFromRegistry;
    // Takes the system's own font when none is stored. Not connected: nothing.
    std::function<void()> useSystemFont;
    // Writes the font to "Settings"/"SysFont" at exit. Not connected: nothing.
    std::function<void()> writeFontToRegistry;
    // Reads the curve color table (section "Colors", or the defaults) and makes it the
    // active palette. Not connected: nothing.
    std::function<void()> initCurveColors;
    // Writes the color table at exit and clears it. Not connected: nothing.
    std::function<void()> writeCurveColors;
    // Line lineNumber (from 0) of the settings report into text; false after the last
    // line. Not connected: no lines.
    std::function<bool(int lineNumber, std::string& text)> settingsReportLine;
};

// What the first document of the template holds after the shell command ran.
struct DocumentState {
    bool holdsData = false;  // a description with at least one element and one dataset
    int openResult = -100;   // the opener's status of the last open, as a number
};

// The document and its frame window.
struct DocumentHooks {
    // The main window (frame, view) for the document; the application owns it.
    // Not connected: a plain window titled from the document template.
    std::function<std::unique_ptr<QMainWindow>()> createMainWindow;
    // The empty document; false ends start-up. Not connected: true.
    std::function<bool()> newDocument;
    // Opens path, choosing the format by content, and shows its own messages; false when
    // the framework would report failure (start-up then ends). Not connected: the file
    // cannot be opened, with a message.
    std::function<bool(const std::string& path)> openDocumentFile;
    // Not connected: holds no data.
    std::function<DocumentState()> firstDocumentState;
    // The document's export routine (filter name, first frame, frame count, -1 for all);
    // 0 on success. Not connected: -1 (no data).
    std::function<int(const std::string& filterName, std::int64_t firstFrame,
                      std::int64_t frameCount)>
        startExportFilter;
    // Starts another viewer on path (a further file of the command line); false when it
    // could not be started. Not connected: the program's own executable is started.
    std::function<bool(const std::string& path)> startViewer;
};

// The export library, as far as start-up uses it.
struct ExportHooks {
    // QuenvartexilaPathInitial(which, path): which is QUENAR_LOCAL_FILTER_PATH (16) or
    // QUENAR_GLOBAL_FILTER_PATH (17); the path ends in "/" unless it is empty.
    // Not connected: nothing.
    std::function<int(int which, const std::string& path)> pathInitial;
};

// Signatures of the callbacks the about box receives.
using AboutVersionCallback = int (*)(int request, std::string& name, int& major, int& minor,
                                     int& build, std::string& buildDate);
using AboutReportCallback = int (*)(int lineNumber, std::string& text);

// Everything the about box shows of the viewer.
struct AboutRequest {
    std::string name;  // "Grafy"
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string buildDate;
    AboutVersionCallback versionCallback = nullptr;
    AboutReportCallback reportCallback = nullptr;
    int bitmapId = 154;
    std::string executablePath;      // the program's file, for its version note
    std::string languageModulePath;  // empty when no language module is loaded
};

// The about library.
struct AboutHooks {
    // BriselSetOEMFiles(address file, small bitmap, large bitmap). Not connected: nothing.
    std::function<void(const std::string& addressFile, const std::string& smallBitmap,
                       const std::string& largeBitmap)>
        setOemFiles;
    // BriselSetVersionPage, BriselSetOptionPage, BriselSetSystemPage,
    // BriselSetLogfilePage and BriselDoModal with the request. Not connected: nothing.
    std::function<void(const AboutRequest& request)> doModal;
};

struct GrafyonAppHooks {
    SettingsHooks settings;
    DocumentHooks document;
    ExportHooks exportFilter;
    AboutHooks about;
};

}  // namespace grafyon
