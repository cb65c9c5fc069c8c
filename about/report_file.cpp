// The report file in the user's own folder, opened without following links.
#include "report_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace grafyon::about {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now, so that a failing close can be reported.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string ReportFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsFolder(runtime))
        return runtime;
    std::string cache;
    if (const char* xdgCache = std::getenv("XDG_CACHE_HOME"); xdgCache && xdgCache[0] == '/') {
        cache = xdgCache;
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        cache = std::string(home) + "/.cache";
    } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir[0] == '/') {
        cache = std::string(user->pw_dir) + "/.cache";
    } else {
        return {};  // nowhere of the user's own: no report rather than one in a shared folder
    }
    if (!IsFolder(cache))
        ::mkdir(cache.c_str(), 0700);
    return cache;
}

std::string ReportFilePath() {
    const std::string folder = ReportFolder();
    return folder.empty() ? std::string() : folder + "/" + REPORT_FILE_NAME;
}

bool WriteReportFile(const std::string& path, const std::vector<std::string>& lines) {
    // O_NONBLOCK keeps a planted FIFO from blocking the open; the type is checked after.
    FileDescriptor file(::open(
        path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    if (file.Get() < 0 || !IsRegularFile(file.Get()))
        return false;
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(file.Get(), text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return file.Close();
}

std::optional<std::string> ReadReportFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0 || !IsRegularFile(file.Get()))
        return std::nullopt;
    std::string text;
    char buffer[65536];
    while (text.size() < REPORT_FILE_MAX_BYTES) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    if (text.size() > REPORT_FILE_MAX_BYTES)
        text.resize(REPORT_FILE_MAX_BYTES);
    return text;
}

}  // namespace grafyon::about
