// Parsing rules of the viewer's command line.
#include "grafyon_command_line_info.h"

#include <algorithm>
#include <cctype>

namespace grafyon {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

constexpr std::string_view OWN_SWITCHES[] = {
    "NoSplash", "NS", "Hide", "AutoExit", "AX", "DebugMonitor", "DebugFile", "ExportFilter", "EF"};
constexpr std::string_view FRAMEWORK_SWITCHES[] = {"Embedding", "Automation", "p",          "pt",
                                                   "dde",       "Unregister", "Unregserver"};

}  // namespace

bool IsKnownSwitchName(std::string_view name) {
    const auto matches = [name](std::string_view known) { return EqualsNoCase(name, known); };
    return std::any_of(std::begin(OWN_SWITCHES), std::end(OWN_SWITCHES), matches) ||
           std::any_of(std::begin(FRAMEWORK_SWITCHES), std::end(FRAMEWORK_SWITCHES), matches);
}

bool CGrafyonCommandLineInfo::IsSwitch(std::string_view parameter) {
    if (parameter.empty())
        return false;
    if (parameter.front() == '-')
        return true;
    return parameter.front() == '/' && IsKnownSwitchName(parameter.substr(1));
}

void CGrafyonCommandLineInfo::ParseCommandLine(std::span<const std::string> parameters) {
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const std::string_view parameter = parameters[i];
        const bool flag = IsSwitch(parameter);
        ParseParam(flag ? parameter.substr(1) : parameter, flag, i + 1 == parameters.size());
    }
}

void CGrafyonCommandLineInfo::ParseParam(std::string_view text, bool flag, bool last) {
    bool takenAsFilterName = false;
    if (flag) {
        // The last parameter always reaches the framework as well, which ignores
        // switches it does not know.
        if (ParseOwnSwitch(text) && !last)
            return;
    } else if (m_expectFilterName) {
        m_filterName = std::string(text);
        m_expectFilterName = false;
        if (!last)
            return;
        takenAsFilterName = true;
    }
    // A further file; the framework itself would ignore it.
    const bool furtherFile = !flag && !takenAsFilterName && !m_fileName.empty() &&
                             m_shellCommand != ShellCommand::FilePrintTo;
    ParseFrameworkParam(text, flag);
    if (furtherFile)
        m_moreFileNames.emplace_back(text);
    if (last) {
        ParseFrameworkLast();
        m_expectFilterName = !m_filterName.empty();
        if (m_noSplash || !m_filterName.empty())
            m_showSplash = false;
    }
}

bool CGrafyonCommandLineInfo::ParseOwnSwitch(std::string_view text) {
    if (EqualsNoCase(text, "NoSplash") || EqualsNoCase(text, "NS")) {
        m_noSplash = true;
    } else if (EqualsNoCase(text, "Hide")) {
        m_hide = true;
    } else if (EqualsNoCase(text, "AutoExit") || EqualsNoCase(text, "AX")) {
        m_autoExit = true;
    } else if (EqualsNoCase(text, "DebugMonitor")) {
        m_debugMonitor = true;
    } else if (EqualsNoCase(text, "DebugFile")) {
        m_debugFile = true;
    } else if (EqualsNoCase(text, "ExportFilter") || EqualsNoCase(text, "EF")) {
        m_expectFilterName = true;
    } else {
        return false;
    }
    return true;
}

void CGrafyonCommandLineInfo::ParseFrameworkParam(std::string_view text, bool flag) {
    if (flag) {
        if (EqualsNoCase(text, "pt")) {
            m_shellCommand = ShellCommand::FilePrintTo;
        } else if (EqualsNoCase(text, "p")) {
            m_shellCommand = ShellCommand::FilePrint;
        } else if (EqualsNoCase(text, "Unregister") || EqualsNoCase(text, "Unregserver")) {
            m_shellCommand = ShellCommand::AppUnregister;
        } else if (EqualsNoCase(text, "dde")) {
            m_shellCommand = ShellCommand::FileDDE;
        } else if (EqualsNoCase(text, "Embedding")) {
            m_runEmbedded = true;
        } else if (EqualsNoCase(text, "Automation")) {
            m_runAutomated = true;
        }
        return;
    }
    if (m_fileName.empty()) {
        m_fileName = std::string(text);
    } else if (m_shellCommand == ShellCommand::FilePrintTo && m_printerName.empty()) {
        m_printerName = std::string(text);
    } else if (m_shellCommand == ShellCommand::FilePrintTo && m_driverName.empty()) {
        m_driverName = std::string(text);
    } else if (m_shellCommand == ShellCommand::FilePrintTo && m_portName.empty()) {
        m_portName = std::string(text);
    }
}

void CGrafyonCommandLineInfo::ParseFrameworkLast() {
    if (m_shellCommand == ShellCommand::FileNew && !m_fileName.empty()) {
        m_shellCommand = ShellCommand::FileOpen;
    }
    // Like the framework's own parser: an embedded or automated start shows no splash.
    if (m_runEmbedded || m_runAutomated)
        m_showSplash = false;
}

}  // namespace grafyon
