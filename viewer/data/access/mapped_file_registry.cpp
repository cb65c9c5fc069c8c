// Shared open data files, identified by device and inode.
#include "mapped_file_registry.h"

#include <algorithm>

#include <sys/stat.h>

#include "access_status.h"

namespace grafyon {

MappedFile* MappedFileRegistry::Acquire(const std::string& path, int* status) {
    auto file = std::make_unique<MappedFile>();
    const int opened = file->Open(path);
    if (status != nullptr)
        *status = opened;
    if (opened != MAPPED_FILE_OK)
        return nullptr;
    // Compared while both are open, so the inode cannot have been reused in between.
    for (const auto& existing : m_files) {
        if (existing->Identity() == file->Identity()) {
            existing->AddReference();
            return existing.get();
        }
    }
    m_files.push_back(std::move(file));
    return m_files.back().get();
}

void MappedFileRegistry::Release(MappedFile* file) {
    const auto it = std::find_if(m_files.begin(), m_files.end(),
                                 [&](const auto& f) { return f.get() == file; });
    if (it == m_files.end())
        return;
    if ((*it)->DropReference() <= 0)
        m_files.erase(it);
}

MappedFile* MappedFileRegistry::Find(const std::string& path) const {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return nullptr;
    const FileIdentity identity{st.st_dev, st.st_ino};
    for (const auto& f : m_files) {
        if (f->Identity() == identity)
            return f.get();
    }
    return nullptr;
}

}  // namespace grafyon
