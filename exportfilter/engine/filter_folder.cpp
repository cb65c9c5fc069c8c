// Filter folders and their listings.
#include "filter_folder.h"

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "export_strings.h"
#include "filter_file.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool HasFilterExtension(std::string_view fileName) {
    constexpr std::string_view suffix = ".yef";
    return fileName.size() > suffix.size() &&
           EqualsIgnoringCase(fileName.substr(fileName.size() - suffix.size()), suffix);
}

}  // namespace

FolderAccess FolderAccessLevel(const std::string& folder, FilterLocation location) {
    if (folder.empty() || !IsDirectory(folder))
        return FolderAccess::None;
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        return FolderAccess::None;
    if (location == FilterLocation::Local && ::access(folder.c_str(), W_OK | X_OK) == 0)
        return FolderAccess::ReadWrite;
    return FolderAccess::Read;
}

std::string FolderAccessText(FolderAccess access) {
    switch (access) {
        case FolderAccess::Read:
            return QuenarString(QUENAR_STR_READ);
        case FolderAccess::ReadWrite:
            return QuenarString(QUENAR_STR_READ_WRITE);
        case FolderAccess::None:
            break;
    }
    return QuenarString(QUENAR_STR_NO_ACCESS);
}

std::string LocationText(FilterLocation location) {
    return QuenarString(location == FilterLocation::Global ? QUENAR_STR_GLOBAL : QUENAR_STR_LOCAL);
}

bool LocalFolderUsable(const std::string& folder) {
    return !folder.empty() && folder.front() == '/' && IsDirectory(folder);
}

std::string FilterStem(const FilterListEntry& entry) {
    const std::size_t slash = entry.path.rfind('/');
    std::string file = slash == std::string::npos ? entry.path : entry.path.substr(slash + 1);
    if (HasFilterExtension(file))
        file.resize(file.size() - 4);
    return file;
}

std::vector<FilterListEntry> ListFilterFolder(const std::string& folder, FilterLocation location) {
    std::vector<FilterListEntry> entries;
    if (FolderAccessLevel(folder, location) == FolderAccess::None)
        return entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        // A name that begins with a dot would list as an empty name.
        if (!HasFilterExtension(fileName) || fileName.front() == '.')
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        FilterListEntry entry;
        entry.name = fileName.substr(0, fileName.find('.'));
        entry.path = JoinPath(folder, fileName);
        entry.location = location;
        FilterHeader header;
        if (ReadFilterHeader(entry.path, header)) {
            entry.valid = true;
            entry.designation = header.designation;
            entry.typeCode = header.typeCode;
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const FilterListEntry& a, const FilterListEntry& b) {
                  if (a.name != b.name)
                      return NameLess(a.name, b.name);
                  return NameLess(a.path, b.path);
              });
    return entries;
}

std::vector<FilterListEntry> ListFilters(const FilterFolders& folders, bool withGlobal) {
    std::vector<FilterListEntry> entries = ListFilterFolder(folders.local, FilterLocation::Local);
    if (withGlobal) {
        std::vector<FilterListEntry> global =
            ListFilterFolder(folders.global, FilterLocation::Global);
        entries.insert(entries.end(), std::make_move_iterator(global.begin()),
                       std::make_move_iterator(global.end()));
    }
    return entries;
}

const FilterListEntry* FindFilterByName(std::span<const FilterListEntry> entries,
                                        std::string_view name) {
    for (const FilterListEntry& entry : entries) {
        if (FilterStem(entry) == name)
            return &entry;
    }
    for (const FilterListEntry& entry : entries) {
        if (EqualsIgnoringCase(FilterStem(entry), name))
            return &entry;
    }
    return nullptr;
}

}  // namespace grafyon::exportfilter
