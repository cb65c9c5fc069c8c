// What the filter management and selection dialogs do with filter files: the listing they
// show, and creating, copying, editing and deleting filters with the library's messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filter_folder.h"
#include "quenar_class.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

// A filter's edit sheet, supplied by the user interface; true when confirmed.
class FilterEditor {
public:
    virtual ~FilterEditor() = default;
    virtual bool EditFilter(CQuenarClass& filter) = 0;
};

inline constexpr std::size_t FILTER_NAME_MAX_CHARS = 32;

// Definition modes of "Create new filter definition".
inline constexpr int DEFINITION_AUTOMATIC_INTERACTIVE = 0;
inline constexpr int DEFINITION_AUTOMATIC_SILENT = 1;
inline constexpr int DEFINITION_USER_DEFINED = 2;

enum class FilterAction {
    Done,
    NameRefused,  // the name dialog opens again
    Refused,      // a message explained why nothing was done
    Cancelled,
    Failed,  // a message named the file
};

// folder + name + ".yef".
std::string FilterFilePath(const std::string& folder, std::string_view name);

// A name that is empty, too long, holds "/", "\", ":" or a control character, or begins
// with "." is refused with 4006.
bool IsValidFilterName(std::string_view name);

class FilterManagement {
public:
    // In select mode both folders are listed, else only the local one.
    FilterManagement(FilterFolders folders, bool selectMode, const ClassRegistry& registry,
                     QuenarMessenger& messenger, FilterEditor* editor);

    // Reads the folders again; the selection follows the entry's path when it is listed.
    void Refresh();
    const std::vector<FilterListEntry>& Entries() const { return m_entries; }
    std::optional<std::size_t> Selection() const { return m_selection; }
    void Select(std::optional<std::size_t> index);

    const FilterFolders& Folders() const { return m_folders; }
    FolderAccess LocalAccess() const;
    FolderAccess GlobalAccess() const;
    // On opening: message 4036 when the local folder is empty, relative or missing.
    bool CheckLocalFolder();

    // "Create new filter definition" confirmed with these values. Without a usable local
    // folder (message 4036) nothing is created.
    FilterAction Insert(std::string_view name, int typeCode, int definitionMode);
    // Whether Copy, Edit or Delete may act: a selected (4007) local (4013) entry.
    bool CanActOnSelection();
    // "Copy filter" confirmed with the new name.
    FilterAction Copy(std::string_view newName);
    FilterAction Edit();
    // Asks 4005 first.
    FilterAction Delete();
    // OK of the select mode: the selected entry, or message 4007.
    const FilterListEntry* Choose();

private:
    bool CheckNewName(std::string_view name);
    void SelectPath(const std::string& path);

    FilterFolders m_folders;
    bool m_selectMode;
    const ClassRegistry& m_registry;
    QuenarMessenger& m_messenger;
    FilterEditor* m_editor;
    std::vector<FilterListEntry> m_entries;
    std::optional<std::size_t> m_selection;
};

// Creates a filter of a type with the designation name, with the default channel
// definitions of definition modes 0 and 1; null when no stream class serves the type or
// the defaults cannot be made.
std::unique_ptr<CQuenarClass> CreateFilterObject(const ClassRegistry& registry,
                                                 std::string_view name, int typeCode,
                                                 int definitionMode);

}  // namespace grafyon::exportfilter
