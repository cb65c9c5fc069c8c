// The viewer's command-line record and its parser.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grafyon {

// What the shell asks for, as the application framework's command-line record knows it.
enum class ShellCommand {
    FileNew,       // no file named: the empty document
    FileOpen,      // open fileName
    FilePrint,     // "/p"
    FilePrintTo,   // "/pt" file printer driver port
    FileDDE,       // "/dde"
    AppUnregister  // "/Unregister", "/Unregserver"
};

class CGrafyonCommandLineInfo {
public:
    // The framework's part of the record.
    ShellCommand m_shellCommand = ShellCommand::FileNew;
    std::string m_fileName;
    std::string m_printerName;
    std::string m_driverName;
    std::string m_portName;
    // Plain parameters after the file, as a file manager passes several selected files;
    // the viewer holds one document, so each opens in a viewer of its own.
    std::vector<std::string> m_moreFileNames;
    bool m_showSplash = true;
    bool m_runEmbedded = false;
    bool m_runAutomated = false;

    // The viewer's own switches. After the last parameter m_expectFilterName means that an
    // export was requested.
    bool m_expectFilterName = false;
    std::string m_filterName;
    bool m_hide = false;
    bool m_autoExit = false;
    bool m_debugMonitor = false;
    bool m_debugFile = false;
    bool m_noSplash = false;

    // Parses every parameter in order (the program name is not among them).
    void ParseCommandLine(std::span<const std::string> parameters);

    // One parameter; flag tells whether it is a switch, text is then the switch name without
    // its leading "/" or "-".
    void ParseParam(std::string_view text, bool flag, bool last);

    // "-" always begins a switch; "/" only when the rest names a known switch, so that an
    // absolute path such as /data/run.mdf stays a file name.
    static bool IsSwitch(std::string_view parameter);

private:
    // True when text was one of the viewer's own switches.
    bool ParseOwnSwitch(std::string_view text);
    void ParseFrameworkParam(std::string_view text, bool flag);
    void ParseFrameworkLast();
};

// Whether name (without "/" or "-") is a switch the viewer or the framework knows.
bool IsKnownSwitchName(std::string_view name);

}  // namespace grafyon
