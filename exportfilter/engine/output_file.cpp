// Output files of a run: buffered writes, the sticky error, and the commit by rename.
#include "output_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_replace.h"

namespace grafyon::exportfilter {

QuenarOutputFile::QuenarOutputFile() = default;

QuenarOutputFile::~QuenarOutputFile() {
    if (!m_committed)
        Discard();
}

bool QuenarOutputFile::Open(const std::string& target) {
    Discard();
    m_target = target;
    m_final = target;
    m_failed = false;
    m_committed = false;
    m_written = 0;
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        const std::filesystem::path real = std::filesystem::canonical(target, error);
        if (!error)
            m_final = real.string();
    }
    struct stat st {};
    if (::stat(m_final.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (!S_ISDIR(st.st_mode))
            m_fd = ::open(m_final.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } else {
        m_fd = CreateTemporaryBeside(m_final, m_temp);
        if (m_fd < 0)
            m_temp.clear();
    }
    if (m_fd < 0) {
        m_failed = true;
        return false;
    }
    if (!m_buffer) {
        m_buffer = std::make_unique<std::uint8_t[]>(BUFFER_SIZE);
        m_begin = m_buffer.get();
        m_end = m_begin + BUFFER_SIZE;
    }
    m_pos = m_begin;
    return true;
}

void QuenarOutputFile::Bytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > BUFFER_SIZE) {
        Flush();
        if (!m_failed && !WriteOut(bytes.data(), bytes.size()))
            m_failed = true;
        return;
    }
    std::uint8_t* out = Reserve(bytes.size());
    if (!bytes.empty())
        std::memcpy(out, bytes.data(), bytes.size());
    m_pos = out + bytes.size();
}

void QuenarOutputFile::Fill(std::size_t count, std::uint8_t value) {
    while (count > 0) {
        const std::size_t chunk = std::min(count, BUFFER_SIZE);
        std::uint8_t* out = Reserve(chunk);
        std::memset(out, value, chunk);
        m_pos = out + chunk;
        count -= chunk;
    }
}

void QuenarOutputFile::Text(std::string_view text) {
    Bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void QuenarOutputFile::TextCrLf(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            Text(text.substr(start));
            return;
        }
        Text(text.substr(start, feed - start));
        LineEnd();
        start = feed + 1;
    }
}

void QuenarOutputFile::Drain(std::size_t count) {
    if (m_begin == nullptr) {
        // Never opened: everything written is dropped, and the file has failed.
        m_failed = true;
        m_buffer = std::make_unique<std::uint8_t[]>(BUFFER_SIZE);
        m_begin = m_pos = m_buffer.get();
        m_end = m_begin + BUFFER_SIZE;
    }
    Flush();
    if (static_cast<std::size_t>(m_end - m_begin) < count) {
        // Only a number format with a huge width needs more room than the buffer has.
        m_buffer = std::make_unique<std::uint8_t[]>(count);
        m_begin = m_pos = m_buffer.get();
        m_end = m_begin + count;
    }
}

bool QuenarOutputFile::WriteOut(const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    m_written += size;
    return true;
}

bool QuenarOutputFile::Flush() {
    const auto size = static_cast<std::size_t>(m_pos - m_begin);
    m_pos = m_begin;
    if (m_failed || m_fd < 0) {
        m_failed = true;
        return false;
    }
    if (size > 0 && !WriteOut(m_begin, size))
        m_failed = true;
    return !m_failed;
}

void QuenarOutputFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!Flush())
        return;
    // Only bytes already written are rewritten; anything else is a writer's mistake.
    if (offset > m_written || bytes.size() > m_written - offset) {
        m_failed = true;
        return;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(m_fd, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failed = true;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

bool QuenarOutputFile::Commit() {
    if (m_committed)
        return true;
    if (m_fd < 0)
        return false;
    bool ok = Flush();
    if (!m_temp.empty()) {
        // A replaced file keeps its permissions.
        struct stat old {};
        if (ok && ::stat(m_final.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            ok = ::fchmod(m_fd, old.st_mode & 07777) == 0;
        ok = ok && ::fsync(m_fd) == 0;
    }
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    ok = ok && closed;
    if (!m_temp.empty()) {
        ok = ok && ::rename(m_temp.c_str(), m_final.c_str()) == 0;
        if (!ok)
            ::unlink(m_temp.c_str());
        m_temp.clear();
    }
    m_committed = ok;
    if (!ok)
        m_failed = true;
    return ok;
}

void QuenarOutputFile::CloseDescriptor() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void QuenarOutputFile::Discard() {
    CloseDescriptor();
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
    m_pos = m_begin;
}

}  // namespace grafyon::exportfilter
