// Data files read with pread through reusable views.
#include "mapped_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "access_status.h"

namespace grafyon {

FileView::FileView(MappedFile& file, const void* owner, std::uint64_t window)
    : m_file(file), m_owner(owner), m_window(std::max<std::uint64_t>(window, 1)) {}

bool FileView::Holds(std::uint64_t position, std::uint64_t bytes) const {
    return m_mappedSize > 0 && position >= m_mappedOffset &&
           position - m_mappedOffset <= m_mappedSize &&
           bytes <= m_mappedSize - (position - m_mappedOffset);
}

void FileView::Unmap() {
    m_buffer = {};
    m_mappedOffset = 0;
    m_mappedSize = 0;
}

MappedBytes FileView::Map(std::uint64_t position, std::uint64_t length) {
    if (!Holds(position, m_window)) {
        const std::uint64_t fileSize = m_file.Size();
        if (position > fileSize || fileSize - position < m_window) {
            return {nullptr, 0, READ_TRUNCATED};
        }
        // pread needs no alignment, so the stretch starts at the position itself.
        std::uint64_t size = std::clamp<std::uint64_t>(length, m_window, MaximumSize());
        size = std::min(size, fileSize - position);
        if (m_buffer.size() < size) {
            m_buffer.clear();
            m_buffer.shrink_to_fit();
            m_buffer.resize(static_cast<std::size_t>(size));
        }
        m_mappedSize = 0;
        const std::int64_t got =
            m_file.ReadSomeAt(position, std::span(m_buffer.data(), static_cast<std::size_t>(size)));
        if (got < 0)
            return {nullptr, 0, static_cast<int>(got)};
        if (static_cast<std::uint64_t>(got) < m_window)
            return {nullptr, 0, READ_TRUNCATED};
        m_mappedOffset = position;
        m_mappedSize = static_cast<std::uint64_t>(got);
    }
    const std::uint64_t skip = position - m_mappedOffset;
    return {m_buffer.data() + skip, m_mappedSize - skip, READ_OK};
}

MappedFile::~MappedFile() {
    Close();
}

int MappedFile::Open(const std::string& path) {
    Close();
    // Never wait in open for the writer of a FIFO; only regular files are data files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return MAPPED_FILE_CANNOT_OPEN;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        return MAPPED_FILE_CANNOT_MAP;
    }
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    m_fd = fd;
    m_path = path;
    m_size = static_cast<std::uint64_t>(st.st_size);
    m_identity = {st.st_dev, st.st_ino};
    m_references = 1;
    return MAPPED_FILE_OK;
}

void MappedFile::Close() {
    m_views.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_references = 0;
}

FileView* MappedFile::GetView(const void* owner, std::uint64_t window) {
    for (const auto& view : m_views) {
        if (view->m_owner == owner)
            return view.get();
    }
    for (auto it = m_views.begin(); it != m_views.end();) {
        FileView& view = **it;
        if (view.m_owner != nullptr) {
            ++it;
        } else if (view.m_window >= window) {
            // The buffer is reused, its bytes are not: a new reader reads afresh, so a file
            // that shrank in the meantime is noticed.
            view.m_owner = owner;
            view.m_mappedSize = 0;
            return &view;
        } else {
            it = m_views.erase(it);
        }
    }
    m_views.push_back(std::make_unique<FileView>(*this, owner, window));
    return m_views.back().get();
}

void MappedFile::ReleaseViews(const void* owner) {
    if (owner == nullptr)
        return;
    const bool holds = std::any_of(m_views.begin(), m_views.end(),
                                   [&](const auto& v) { return v->m_owner == owner; });
    if (!holds)
        return;
    std::erase_if(m_views, [](const auto& v) { return v->m_owner == nullptr; });
    for (const auto& view : m_views) {
        if (view->m_owner == owner)
            view->m_owner = nullptr;
    }
}

int MappedFile::ReadAt(std::uint64_t position, std::span<std::uint8_t> dest) const {
    if (m_fd < 0)
        return READ_IO_ERROR;
    if (position > m_size || dest.size() > m_size - position)
        return READ_TRUNCATED;
    const std::int64_t n = ReadSomeAt(position, dest);
    if (n < 0)
        return static_cast<int>(n);
    return static_cast<std::uint64_t>(n) == dest.size() ? READ_OK : READ_TRUNCATED;
}

std::int64_t MappedFile::ReadSomeAt(std::uint64_t position, std::span<std::uint8_t> dest) const {
    if (m_fd < 0)
        return READ_IO_ERROR;
    if (position >= m_size)
        return 0;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(dest.size(), m_size - position));
    std::size_t done = 0;
    while (done < want) {
        const ssize_t n =
            ::pread(m_fd, dest.data() + done, want - done, static_cast<off_t>(position + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return READ_IO_ERROR;
        }
        if (n == 0)
            break;  // the file shrank since it was opened
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

}  // namespace grafyon
