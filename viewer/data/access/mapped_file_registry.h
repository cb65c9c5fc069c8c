// Open data files shared by every description that names them, with reference counts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mapped_file.h"

namespace grafyon {

// The registry of open data files. Two paths name the same entry when they lead to the same file
// (device and inode, as Linux has no case-insensitive "same path"): a linked measurement
// that names one file twice, or through a symbolic link, opens it once with count 2.
// Owned by a DataAccess; documents that should share their open files share one registry.
class MappedFileRegistry {
public:
    MappedFileRegistry() = default;
    MappedFileRegistry(const MappedFileRegistry&) = delete;
    MappedFileRegistry& operator=(const MappedFileRegistry&) = delete;

    // Opens the file, or adds a reference to the entry that already holds it. Returns the
    // entry (owned by the registry) or nullptr with a MappedFile::Open status in *status.
    MappedFile* Acquire(const std::string& path, int* status = nullptr);
    // Drops one reference; the file is closed and forgotten when none is left.
    void Release(MappedFile* file);

    // The entry for that path (same file), or nullptr; the count is not changed.
    MappedFile* Find(const std::string& path) const;
    std::size_t Size() const { return m_files.size(); }

private:
    std::vector<std::unique_ptr<MappedFile>> m_files;
};

}  // namespace grafyon
