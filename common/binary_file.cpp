// POSIX file access behind BinaryFileReader and BinaryFileWriter.
#include "binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace grafyon {

namespace {
constexpr std::size_t WRITE_BUFFER_SIZE = 1u << 20;

bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}
}  // namespace

BinaryFileReader::~BinaryFileReader() {
    Close();
}

BinaryFileReader::BinaryFileReader(BinaryFileReader&& other) noexcept
    : m_fd(other.m_fd), m_size(other.m_size) {
    other.m_fd = -1;
    other.m_size = 0;
}

BinaryFileReader& BinaryFileReader::operator=(BinaryFileReader&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = other.m_fd;
        m_size = other.m_size;
        other.m_fd = -1;
        other.m_size = 0;
    }
    return *this;
}

bool BinaryFileReader::Open(const std::string& path) {
    Close();
    // Opening a FIFO or a device for reading can wait forever for the other side; without
    // blocking it returns at once and the type check below refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(st.st_size);
    return true;
}

void BinaryFileReader::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
}

std::size_t BinaryFileReader::ReadSomeAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    if (m_fd < 0 || offset >= m_size)
        return 0;
    std::size_t want = out.size();
    if (want > m_size - offset)
        want = static_cast<std::size_t>(m_size - offset);
    std::size_t done = 0;
    while (done < want) {
        const ssize_t n =
            ::pread(m_fd, out.data() + done, want - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (n == 0)
            break;  // the file shrank since it was opened
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool BinaryFileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    if (m_fd < 0 || offset > m_size || out.size() > m_size - offset)
        return false;
    return ReadSomeAt(offset, out) == out.size();
}

bool BinaryFileReader::ReadBlock(std::uint64_t offset, std::size_t count,
                                 std::vector<std::uint8_t>& out) const {
    if (m_fd < 0 || offset > m_size || count > m_size - offset)
        return false;
    out.resize(count);
    return ReadAt(offset, out);
}

BinaryFileWriter::~BinaryFileWriter() {
    Close();
}

bool BinaryFileWriter::Create(const std::string& path) {
    Close();
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    m_failed = m_fd < 0;
    m_written = 0;
    m_buffer.clear();
    return !m_failed;
}

bool BinaryFileWriter::Flush() {
    if (m_fd < 0 || m_failed)
        return false;
    if (!m_buffer.empty()) {
        if (!WriteAllAt(m_fd, m_buffer.data(), m_buffer.size(), m_written))
            m_failed = true;
        m_written += m_buffer.size();
        m_buffer.clear();
    }
    return !m_failed;
}

bool BinaryFileWriter::Write(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0 || m_failed)
        return false;
    if (m_buffer.size() + bytes.size() > WRITE_BUFFER_SIZE) {
        if (!Flush())
            return false;
        if (bytes.size() >= WRITE_BUFFER_SIZE) {
            if (!WriteAllAt(m_fd, bytes.data(), bytes.size(), m_written))
                m_failed = true;
            m_written += bytes.size();
            return !m_failed;
        }
    }
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    return true;
}

bool BinaryFileWriter::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!Flush())
        return false;
    if (offset > m_written || bytes.size() > m_written - offset)
        return false;
    if (!WriteAllAt(m_fd, bytes.data(), bytes.size(), offset))
        m_failed = true;
    return !m_failed;
}

bool BinaryFileWriter::Close() {
    if (m_fd < 0)
        return false;
    Flush();
    if (::close(m_fd) != 0)
        m_failed = true;
    m_fd = -1;
    return !m_failed;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::uint64_t maxSize) {
    BinaryFileReader reader;
    if (!reader.Open(path) || reader.Size() > maxSize)
        return false;
    return reader.ReadBlock(0, static_cast<std::size_t>(reader.Size()), out);
}

}  // namespace grafyon
