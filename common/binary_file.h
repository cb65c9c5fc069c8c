// Whole-file binary input and output with explicit sizes and checked reads.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace grafyon {

// Read-only file opened by path; every read names its offset and is checked
// against the file's size, so no read ever reaches past the end.
class BinaryFileReader {
public:
    BinaryFileReader() = default;
    ~BinaryFileReader();
    BinaryFileReader(const BinaryFileReader&) = delete;
    BinaryFileReader& operator=(const BinaryFileReader&) = delete;
    BinaryFileReader(BinaryFileReader&& other) noexcept;
    BinaryFileReader& operator=(BinaryFileReader&& other) noexcept;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    std::uint64_t Size() const { return m_size; }

    // Fills all of out from offset; false (and nothing promised about out) when the
    // range does not lie inside the file or the read fails.
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // Reads up to out.size() bytes; returns how many were read (short at the end).
    std::size_t ReadSomeAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // Reads count bytes into a new buffer; empty optional-like result when out of range.
    bool ReadBlock(std::uint64_t offset, std::size_t count, std::vector<std::uint8_t>& out) const;

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

// Buffered writer that creates or truncates a file. Errors are sticky; Close()
// reports whether every byte reached the file.
class BinaryFileWriter {
public:
    BinaryFileWriter() = default;
    ~BinaryFileWriter();
    BinaryFileWriter(const BinaryFileWriter&) = delete;
    BinaryFileWriter& operator=(const BinaryFileWriter&) = delete;

    bool Create(const std::string& path);
    bool Write(std::span<const std::uint8_t> bytes);
    bool Write(const std::vector<std::uint8_t>& bytes) { return Write(std::span(bytes)); }
    // Rewrites bytes already written (flushes first).
    bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    std::uint64_t Position() const { return m_written + m_buffer.size(); }
    bool Ok() const { return m_fd >= 0 && !m_failed; }
    bool Flush();
    bool Close();

private:
    int m_fd = -1;
    bool m_failed = false;
    std::uint64_t m_written = 0;
    std::vector<std::uint8_t> m_buffer;
};

// Reads a whole (small) file; false when it cannot be read or exceeds maxSize.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                   std::uint64_t maxSize = 64u << 20);

}  // namespace grafyon
