// The trace log: one line per start-up step to standard error and/or to $HOME/Grafy.log.
#pragma once

#include <string>
#include <string_view>

#include "common/printf_format.h"

namespace grafyon {

// The header line's format, applied to the application name.
inline constexpr char TRACE_HEADER_FORMAT[] =
    "######################## %s ########################";
inline constexpr char TRACE_LOG_FILE_NAME[] = "Grafy.log";

// Set once from the command line ("DebugMonitor", "DebugFile") before any other step.
void SetTraceFlags(bool monitor, bool file);
bool TraceMonitorFlag();
bool TraceFileFlag();
inline bool TraceEnabled() {
    return TraceMonitorFlag() || TraceFileFlag();
}

// The log file that LogHeader chose; empty before it ran.
std::string TraceLogPath();
// $HOME/Grafy.log (the home folder from the password database when HOME is unset);
// empty when no home folder is known.
std::string DefaultTraceLogPath();

// Does nothing when both flags are off. Otherwise takes path (or the default log file
// when path is null) as the log file and writes the header line for appName.
void LogHeader(const char* appName, const char* path = nullptr);

// The current local time as "%d.%m.%Y - %H:%M:%S", for example 07.12.2026 - 00:44:12.
std::string TraceTimestamp();

// A whole trace line: "\r\n<time>: <message>\r\n" for a line number below 1, otherwise
// "<time>: <file>(<line>): <message>\r\n".
std::string BuildTraceLine(std::string_view timestamp, int line, std::string_view sourceFile,
                           std::string_view message);

// Sends a finished message to the sinks the flags select. The log file is opened for this
// line alone (append, never through a symbolic link) and gets the line in one write, so
// the log is complete on disk even if the process dies right after; a log that cannot be
// written is skipped without a word.
void TraceMessage(int line, const char* sourceFile, std::string_view message);

// printf-style trace; with both flags off nothing is formatted.
template <class... Args>
void Trace(int line, const char* sourceFile, const char* format, const Args&... args) {
    if (!TraceEnabled())
        return;
    TraceMessage(line, sourceFile, FormatPrintf(format, args...));
}

}  // namespace grafyon

// Traces with the caller's own file and line.
#define GRAFYON_TRACE(...) ::grafyon::Trace(__LINE__, __FILE__, __VA_ARGS__)
