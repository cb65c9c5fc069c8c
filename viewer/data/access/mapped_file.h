// One open data file and its views: read-only windows handed out to frame readers.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

namespace grafyon {

class MappedFile;

// Identity of an open file on Linux: two paths name the same file when these match.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What FileView::Map answers: a pointer to `available` readable bytes (at least the
// view's window) or, on failure, no pointer and a ReadStatus.
struct MappedBytes {
    const std::uint8_t* data = nullptr;
    std::uint64_t available = 0;
    int status = 0;
};

// A window on a MappedFile. It answers like a sliding mmap view (a pointer to at least a
// window of bytes at a position), but the stretch is read with pread into a buffer that the view
// owns and reuses: the benchmark (bench/file_read_bench) reads page-cached files with pread into 1
// MiB at about 15 GB/s against 0.2 GB/s for 64 KiB sliding mmap views, and pread can never fault on
// a file that shrinks (mmap would raise SIGBUS).
class FileView {
public:
    // The granule: bytes read ahead beyond the caller's window. MiB, not the 4 KiB page.
    static constexpr std::uint64_t GRANULE = 1u << 20;

    FileView(MappedFile& file, const void* owner, std::uint64_t window);
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    const void* Owner() const { return m_owner; }
    std::uint64_t Window() const { return m_window; }
    std::uint64_t MaximumSize() const { return GRANULE + m_window; }

    // Pointer to the bytes at position, at least Window() of them, at most length (but
    // never less than the window) and at most MaximumSize(). Answers from the current
    // stretch when it holds [position, position + window); otherwise reads a new stretch.
    // Fails (READ_TRUNCATED) when the file does not hold a whole window at position.
    MappedBytes Map(std::uint64_t position, std::uint64_t length);

    // Whether the current stretch holds [position, position + bytes).
    bool Holds(std::uint64_t position, std::uint64_t bytes) const;

    // Frees the buffer; the view forgets its stretch.
    void Unmap();

private:
    friend class MappedFile;

    MappedFile& m_file;
    const void* m_owner;
    std::uint64_t m_window;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_mappedOffset = 0;
    std::uint64_t m_mappedSize = 0;
};

// One open data file: the descriptor, the size it had when opened, the number
// of descriptions that use it and the views handed out on it. Every read is checked
// against that size, so no read ever reaches past the end of the file.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // MAPPED_FILE_OK, MAPPED_FILE_CANNOT_OPEN, or MAPPED_FILE_CANNOT_MAP (not a regular
    // file; the file is closed again).
    int Open(const std::string& path);
    void Close();

    bool IsOpen() const { return m_fd >= 0; }
    const std::string& Path() const { return m_path; }
    std::uint64_t Size() const { return m_size; }
    FileIdentity Identity() const { return m_identity; }
    // The descriptor, for copies in the kernel (copy_file_range with explicit positions,
    // which leave the file's own position alone); -1 when closed.
    int Descriptor() const { return m_fd; }

    int ReferenceCount() const { return m_references; }
    void AddReference() { ++m_references; }
    // Returns the count left.
    int DropReference() { return --m_references; }

    // The owner's view; else a free view with at least that window, taken over for the
    // owner with its buffer but without its bytes (a free view that is too small is
    // destroyed); else a new view.
    FileView* GetView(const void* owner, std::uint64_t window);
    // When the owner holds views: destroys every free view, then frees the owner's views
    // (they keep their buffer and are reused by the next reader of this file).
    void ReleaseViews(const void* owner);
    std::size_t ViewCount() const { return m_views.size(); }

    // Fills dest from position: READ_OK, READ_TRUNCATED when [position, position +
    // dest.size()) is not inside the file (also when it shrank since opening), or
    // READ_IO_ERROR.
    int ReadAt(std::uint64_t position, std::span<std::uint8_t> dest) const;
    // Reads as much of dest as the file holds from position: the byte count, or
    // READ_IO_ERROR. Short when the file ends (or shrank since opening).
    std::int64_t ReadSomeAt(std::uint64_t position, std::span<std::uint8_t> dest) const;

private:
    int m_fd = -1;
    std::string m_path;
    std::uint64_t m_size = 0;
    FileIdentity m_identity;
    int m_references = 0;
    std::vector<std::unique_ptr<FileView>> m_views;
};

}  // namespace grafyon
