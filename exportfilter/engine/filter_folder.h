// The two filter folders: their access levels, their listings and finding a filter by name.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grafyon::exportfilter {

enum class FilterLocation { Local = 0, Global = 1 };
enum class FolderAccess { None = 0, Read = 1, ReadWrite = 2 };

struct FilterFolders {
    std::string local;   // empty: no access
    std::string global;  // empty: no access
};

// An existing folder that can be read (and, only for the local folder, written); an empty
// folder string has no access.
FolderAccess FolderAccessLevel(const std::string& folder, FilterLocation location);
// "no access", "Read", "Read/Write".
std::string FolderAccessText(FolderAccess access);
// "local", "global".
std::string LocationText(FilterLocation location);

// False (message 4036 is due) when the local folder is empty, relative or missing.
bool LocalFolderUsable(const std::string& folder);

struct FilterListEntry {
    bool valid = false;  // the header could be read
    std::string name;    // the file name up to its first dot
    std::string path;    // the full path; every action on the entry uses it
    std::string designation;
    FilterLocation location = FilterLocation::Local;
    int typeCode = -1;  // -1 when the header could not be read
};

// The file name of the entry without its ".yef".
std::string FilterStem(const FilterListEntry& entry);

// One entry per regular file "*.yef" (any case) of a readable folder, ordered by name
// without case and then bytewise. A folder that cannot be read gives none.
std::vector<FilterListEntry> ListFilterFolder(const std::string& folder, FilterLocation location);

// The local folder and, when withGlobal, the global one after it.
std::vector<FilterListEntry> ListFilters(const FilterFolders& folders, bool withGlobal);

// The first entry whose whole file stem is name exactly, else the first that matches
// without case; null when none does.
const FilterListEntry* FindFilterByName(std::span<const FilterListEntry> entries,
                                        std::string_view name);

}  // namespace grafyon::exportfilter
