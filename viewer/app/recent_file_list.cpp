// Reading, writing and ordering the recent-file list.
#include "recent_file_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "common/printf_format.h"
#include "common/settings_file.h"

namespace grafyon {

namespace {

std::string EntryName(std::size_t index) {
    return FormatPrintf(RECENT_FILE_ENTRY_FORMAT, index + 1);
}

}  // namespace

bool IsSameFile(std::string_view a, std::string_view b) {
    struct stat first {
    }, second{};
    const std::string pathA(a), pathB(b);
    if (::stat(pathA.c_str(), &first) == 0 && ::stat(pathB.c_str(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    std::error_code ec;
    const auto normalA = std::filesystem::absolute(pathA, ec).lexically_normal();
    const auto normalB = std::filesystem::absolute(pathB, ec).lexically_normal();
    return normalA == normalB;
}

void RecentFileList::Read(const SettingsFile& file) {
    m_entries.clear();
    for (std::size_t i = 0; i < m_capacity; ++i) {
        const std::optional<std::string> entry = file.ReadString(RECENT_FILE_SECTION, EntryName(i));
        if (entry && !entry->empty())
            m_entries.push_back(*entry);
    }
}

void RecentFileList::Write(SettingsFile& file) const {
    for (std::size_t i = 0; i < m_capacity; ++i) {
        if (i < m_entries.size()) {
            file.WriteString(RECENT_FILE_SECTION, EntryName(i), m_entries[i]);
        } else {
            file.Remove(RECENT_FILE_SECTION, EntryName(i));
        }
    }
}

void RecentFileList::Add(std::string_view path) {
    if (path.empty() || m_capacity == 0)
        return;
    // Stored absolute, so the entry still works from another working folder.
    std::error_code ec;
    std::string stored =
        std::filesystem::absolute(std::filesystem::path(path), ec).lexically_normal().string();
    if (ec)
        stored = std::string(path);
    const auto same =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [&](const std::string& entry) { return IsSameFile(entry, stored); });
    if (same != m_entries.end())
        m_entries.erase(same);
    m_entries.insert(m_entries.begin(), std::move(stored));
    if (m_entries.size() > m_capacity)
        m_entries.resize(m_capacity);
}

void RecentFileList::Remove(std::size_t index) {
    if (index < m_entries.size())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace grafyon
