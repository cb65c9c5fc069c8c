// The recent-file list of the File menu, kept in the viewer's settings file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grafyon {
class SettingsFile;
}

namespace grafyon {

inline constexpr std::size_t RECENT_FILE_COUNT = 9;
inline constexpr char RECENT_FILE_SECTION[] = "Recent File List";
inline constexpr char RECENT_FILE_ENTRY_FORMAT[] = "File%d";  // File1 … File9

class RecentFileList {
public:
    explicit RecentFileList(std::size_t capacity = RECENT_FILE_COUNT) : m_capacity(capacity) {}

    // Entries "File1" … "File<capacity>"; empty and missing entries are skipped.
    void Read(const SettingsFile& file);
    // Writes the entries in order and removes the numbers beyond them.
    void Write(SettingsFile& file) const;

    // Puts path first; an entry naming the same file (compared by identity) moves up
    // instead of appearing twice; the oldest entry falls off the end.
    void Add(std::string_view path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return m_entries; }
    std::size_t Capacity() const { return m_capacity; }

private:
    std::size_t m_capacity;
    std::vector<std::string> m_entries;
};

// Whether two paths name the same file: by device and inode when both exist, otherwise
// by their normalised absolute form.
bool IsSameFile(std::string_view a, std::string_view b);

}  // namespace grafyon
