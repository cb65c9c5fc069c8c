// Temporary files beside their target, checked writes, kernel copies and the commit by rename.
#include "replacing_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grafyon {

namespace {

// Bytes per copy_file_range call and per read of the fallback copy: large enough for
// full speed, small enough for a sliding page cache.
constexpr std::uint64_t COPY_PIECE = std::uint64_t(8) << 20;
constexpr std::size_t FALLBACK_BUFFER = std::size_t(1) << 20;

bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// Errors of the target file that a copy through a buffer would meet again.
bool TargetFull(int error) {
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

}  // namespace

int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        tempPath = folder + "." + name + ".tmp-" + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::string ReplacedFilePath(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    return error ? path : real.string();
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Create(const std::string& target) {
    Discard();
    m_final = ReplacedFilePath(target);
    m_failed = false;
    m_kernelCopy = true;
    m_written = 0;
    m_fd = CreateTemporaryBeside(m_final, m_temp);
    if (m_fd < 0) {
        m_temp.clear();
        return Fail();
    }
    return true;
}

bool ReplacingFile::Write(std::span<const std::uint8_t> bytes) {
    if (!Ok())
        return false;
    if (!WriteAllAt(m_fd, bytes.data(), bytes.size(), m_written))
        return Fail();
    m_written += bytes.size();
    return true;
}

bool ReplacingFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!Ok())
        return false;
    // Only bytes already written are rewritten; anything else is a caller's mistake.
    if (offset > m_written || bytes.size() > m_written - offset)
        return Fail();
    if (!WriteAllAt(m_fd, bytes.data(), bytes.size(), offset))
        return Fail();
    return true;
}

std::int64_t ReplacingFile::CopyFrom(int sourceFd, std::uint64_t position, std::uint64_t count) {
    if (!Ok())
        return -1;
    std::uint64_t done = 0;
    while (done < count && m_kernelCopy) {
        loff_t in = static_cast<loff_t>(position + done);
        loff_t out = static_cast<loff_t>(m_written);
        const std::size_t piece = static_cast<std::size_t>(std::min(count - done, COPY_PIECE));
        const ssize_t n = ::copy_file_range(sourceFd, &in, m_fd, &out, piece, 0);
        if (n > 0) {
            done += static_cast<std::uint64_t>(n);
            m_written += static_cast<std::uint64_t>(n);
            continue;
        }
        if (n == 0)
            return static_cast<std::int64_t>(done);  // the source ends here
        if (errno == EINTR)
            continue;
        if (TargetFull(errno)) {
            Fail();
            return -1;
        }
        // Anything else is tried again through a buffer, which tells a failing source
        // from a failing target.
        m_kernelCopy = false;
    }
    std::vector<std::uint8_t> buffer;
    while (done < count) {
        if (buffer.empty())
            buffer.resize(FALLBACK_BUFFER);
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(count - done, buffer.size()));
        const ssize_t n =
            ::pread(sourceFd, buffer.data(), want, static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        if (!Write(std::span(buffer.data(), static_cast<std::size_t>(n))))
            return -1;
        done += static_cast<std::uint64_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

bool ReplacingFile::Commit(bool sync) {
    if (m_fd < 0)
        return false;
    bool ok = !m_failed;
    // A replaced file keeps its permissions.
    struct stat old {};
    if (ok && ::stat(m_final.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(m_fd, old.st_mode & 07777) == 0;
    if (ok && sync)
        ok = ::fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    ok = ok && closed && ::rename(m_temp.c_str(), m_final.c_str()) == 0;
    if (!ok) {
        ::unlink(m_temp.c_str());
        m_failed = true;
    }
    m_temp.clear();
    return ok;
}

void ReplacingFile::Discard() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}

}  // namespace grafyon
