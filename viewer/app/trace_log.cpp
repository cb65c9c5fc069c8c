// Trace flags, line layout and the two sinks of the trace log.
#include "trace_log.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace grafyon {

namespace {

// Process-wide, set once during start-up and only read afterwards.
struct TraceState {
    bool monitor = false;
    bool file = false;
    std::string logPath;
};

TraceState& State() {
    static TraceState state;
    return state;
}

// The file part of a source path: the build's folders say nothing to support staff.
std::string_view BaseName(const char* path) {
    if (path == nullptr)
        return {};
    const std::string_view text(path);
    const std::size_t slash = text.find_last_of('/');
    return slash == std::string_view::npos ? text : text.substr(slash + 1);
}

// One write for the whole line; only an interrupted call is repeated.
void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

void SetTraceFlags(bool monitor, bool file) {
    State().monitor = monitor;
    State().file = file;
}

bool TraceMonitorFlag() {
    return State().monitor;
}
bool TraceFileFlag() {
    return State().file;
}
std::string TraceLogPath() {
    return State().logPath;
}

std::string DefaultTraceLogPath() {
    std::string home;
    if (const char* value = std::getenv("HOME"); value != nullptr && *value != '\0') {
        home = value;
    } else {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            home = found->pw_dir;
        }
    }
    if (home.empty())
        return {};
    if (home.back() != '/')
        home += '/';
    return home + TRACE_LOG_FILE_NAME;
}

void LogHeader(const char* appName, const char* path) {
    if (!TraceEnabled())
        return;
    State().logPath = path != nullptr ? std::string(path) : DefaultTraceLogPath();
    Trace(-1, nullptr, TRACE_HEADER_FORMAT, appName);
}

std::string TraceTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    // Only numeric fields, so the locale cannot change the text.
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%d.%m.%Y - %H:%M:%S", &local);
    return std::string(text, length);
}

std::string BuildTraceLine(std::string_view timestamp, int line, std::string_view sourceFile,
                           std::string_view message) {
    if (line < 1)
        return FormatPrintf("\r\n%s: %s\r\n", timestamp, message);
    return FormatPrintf("%s: %s(%d): %s\r\n", timestamp, sourceFile, line, message);
}

void TraceMessage(int line, const char* sourceFile, std::string_view message) {
    const TraceState& state = State();
    if (!state.monitor && !state.file)
        return;
    const std::string text = BuildTraceLine(TraceTimestamp(), line, BaseName(sourceFile), message);
    if (state.monitor)
        WriteAll(STDERR_FILENO, text);
    if (state.file && !state.logPath.empty()) {
        // O_NONBLOCK: a FIFO in the log's place must not stall start-up.
        const int fd =
            ::open(state.logPath.c_str(),
                   O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
        if (fd < 0)
            return;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            WriteAll(fd, text);
        ::close(fd);
    }
}

}  // namespace grafyon
