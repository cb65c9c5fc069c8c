// A file written under a temporary name beside its target and renamed over the target only
// when it is complete, so that a failure or a cancel never leaves the target half written.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace grafyon {

// Creates a new file of an unused name beside path (".<name>.tmp-<random>", created
// exclusively) and opens it for writing; the descriptor, or -1.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath);

// The file a write to path replaces: the file a symbolic link names (also when that does
// not exist yet), otherwise path itself.
std::string ReplacedFilePath(const std::string& path);

// Unbuffered: every call reaches the file (callers write in large pieces). Errors are
// sticky, and a file that is not committed is removed, leaving the target as it was.
class ReplacingFile {
public:
    ReplacingFile() = default;
    ~ReplacingFile();  // discards an uncommitted file
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file beside target. When target is a symbolic link, the file
    // it names is the one replaced. False when no temporary file could be created.
    bool Create(const std::string& target);
    // The file that Commit replaces.
    const std::string& Target() const { return m_final; }
    const std::string& TemporaryPath() const { return m_temp; }
    bool IsOpen() const { return m_fd >= 0; }
    // Nothing has failed yet.
    bool Ok() const { return m_fd >= 0 && !m_failed; }
    // Bytes appended so far.
    std::uint64_t Position() const { return m_written; }

    // Appends bytes.
    bool Write(std::span<const std::uint8_t> bytes);
    // Rewrites bytes already written (a size in a head written before its data).
    bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Appends count bytes of the open file sourceFd from position, in the kernel where it
    // can. Returns the bytes appended: count, fewer when the source ends early, or -1 when
    // reading or writing failed (a write failure is sticky, a read failure is not).
    std::int64_t CopyFrom(int sourceFd, std::uint64_t position, std::uint64_t count);

    // Closes the file, syncs it first when sync is set, gives it the permissions of the
    // file it replaces and renames it over the target. False, with the temporary file
    // removed and the target as it was, when any step fails.
    bool Commit(bool sync);
    // Closes and removes the temporary file.
    void Discard();

private:
    bool Fail() {
        m_failed = true;
        return false;
    }

    std::string m_final;  // the file the temporary file replaces
    std::string m_temp;
    int m_fd = -1;
    bool m_failed = false;
    bool m_kernelCopy = true;  // copy_file_range works between the files so far
    std::uint64_t m_written = 0;
};

}  // namespace grafyon
