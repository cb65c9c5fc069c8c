// Creating, copying, editing and deleting filter files.
#include "filter_management.h"

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include "common/codec_1252.h"
#include "export_strings.h"
#include "filter_file.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

// Locations of internal errors, for message 4020.
constexpr int LOCATION_NO_STREAM_CLASS = 201;

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string FilterFilePath(const std::string& folder, std::string_view name) {
    return JoinPath(folder, std::string(name) + "." + FILTER_EXTENSION);
}

bool IsValidFilterName(std::string_view name) {
    if (name.empty() || name.front() == '.' || CharacterCount(name) > FILTER_NAME_MAX_CHARS)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7F;
    });
}

std::unique_ptr<CQuenarClass> CreateFilterObject(const ClassRegistry& registry,
                                                 std::string_view name, int typeCode,
                                                 int definitionMode) {
    const QuenarClassInfo* info = registry.FindStream(typeCode);
    if (info == nullptr)
        return nullptr;
    std::unique_ptr<CQuenarClass> filter = CreateAs<CQuenarClass>(*info);
    if (!filter)
        return nullptr;
    filter->SetTypeCode(typeCode);
    filter->designation = std::string(name);
    if ((definitionMode == DEFINITION_AUTOMATIC_INTERACTIVE ||
         definitionMode == DEFINITION_AUTOMATIC_SILENT) &&
        filter->CreateDefaultChannelDefinitions(definitionMode) != 0)
        return nullptr;
    return filter;
}

FilterManagement::FilterManagement(FilterFolders folders, bool selectMode,
                                   const ClassRegistry& registry, QuenarMessenger& messenger,
                                   FilterEditor* editor)
    : m_folders(std::move(folders)),
      m_selectMode(selectMode),
      m_registry(registry),
      m_messenger(messenger),
      m_editor(editor) {
    Refresh();
}

void FilterManagement::Refresh() {
    const std::string selected = m_selection ? m_entries[*m_selection].path : std::string();
    m_entries = ListFilters(m_folders, m_selectMode);
    m_selection.reset();
    if (!selected.empty())
        SelectPath(selected);
}

void FilterManagement::Select(std::optional<std::size_t> index) {
    m_selection = (index && *index < m_entries.size()) ? index : std::nullopt;
}

void FilterManagement::SelectPath(const std::string& path) {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].path == path) {
            m_selection = i;
            return;
        }
    }
}

FolderAccess FilterManagement::LocalAccess() const {
    return FolderAccessLevel(m_folders.local, FilterLocation::Local);
}

FolderAccess FilterManagement::GlobalAccess() const {
    return FolderAccessLevel(m_folders.global, FilterLocation::Global);
}

bool FilterManagement::CheckLocalFolder() {
    if (LocalFolderUsable(m_folders.local))
        return true;
    m_messenger.Message(QUENAR_MSG_LOCAL_PATH_INVALID);
    return false;
}

bool FilterManagement::CheckNewName(std::string_view name) {
    if (!IsValidFilterName(name)) {
        m_messenger.Message(QUENAR_MSG_INVALID_FILTER_NAME);
        return false;
    }
    const bool listed = std::any_of(m_entries.begin(), m_entries.end(), [&](const auto& e) {
        return EqualsIgnoringCase(e.name, name);
    });
    if (listed || Exists(FilterFilePath(m_folders.local, name))) {
        m_messenger.Message(QUENAR_MSG_FILTER_NAME_TAKEN, name);
        return false;
    }
    return true;
}

FilterAction FilterManagement::Insert(std::string_view name, int typeCode, int definitionMode) {
    if (!CheckLocalFolder())
        return FilterAction::Refused;
    if (!CheckNewName(name))
        return FilterAction::NameRefused;
    std::unique_ptr<CQuenarClass> filter =
        CreateFilterObject(m_registry, name, typeCode, definitionMode);
    if (!filter) {
        m_messenger.Message(QUENAR_MSG_INTERNAL_ERROR,
                            InternalErrorLocation(LOCATION_NO_STREAM_CLASS));
        return FilterAction::Failed;
    }
    const std::string path = FilterFilePath(m_folders.local, name);
    if (WriteFilterFile(path, *filter) != 0) {
        m_messenger.Message(QUENAR_MSG_CANNOT_CREATE, path);
        return FilterAction::Failed;
    }
    if (definitionMode == DEFINITION_USER_DEFINED && m_editor != nullptr) {
        if (!m_editor->EditFilter(*filter)) {
            ::unlink(path.c_str());
            return FilterAction::Cancelled;
        }
        if (WriteFilterFile(path, *filter) != 0) {
            m_messenger.Message(QUENAR_MSG_CANNOT_CREATE, path);
            ::unlink(path.c_str());
            return FilterAction::Failed;
        }
    }
    Refresh();
    SelectPath(path);
    return FilterAction::Done;
}

bool FilterManagement::CanActOnSelection() {
    if (!m_selection) {
        m_messenger.Message(QUENAR_MSG_NO_FILTER_SELECTED);
        return false;
    }
    if (m_entries[*m_selection].location != FilterLocation::Local) {
        m_messenger.Message(QUENAR_MSG_LOCAL_FILTERS_ONLY);
        return false;
    }
    return true;
}

FilterAction FilterManagement::Copy(std::string_view newName) {
    if (!CanActOnSelection())
        return FilterAction::Refused;
    const FilterListEntry source = m_entries[*m_selection];
    if (!CheckLocalFolder())
        return FilterAction::Refused;
    if (!CheckNewName(newName))
        return FilterAction::NameRefused;
    if (!Exists(source.path)) {
        m_messenger.Message(QUENAR_MSG_FILTER_FILE_MISSING, source.name);
        return FilterAction::Refused;
    }
    std::unique_ptr<CQuenarClass> filter = ReadFilterFile(source.path, m_registry);
    if (!filter) {
        m_messenger.Message(QUENAR_MSG_FILTER_LOAD_FAILED);
        return FilterAction::Failed;
    }
    const std::string path = FilterFilePath(m_folders.local, newName);
    if (WriteFilterFile(path, *filter) != 0) {
        m_messenger.Message(QUENAR_MSG_CANNOT_CREATE, path);
        return FilterAction::Failed;
    }
    Refresh();
    SelectPath(path);
    return FilterAction::Done;
}

FilterAction FilterManagement::Edit() {
    if (!CanActOnSelection())
        return FilterAction::Refused;
    FilterListEntry& entry = m_entries[*m_selection];
    std::unique_ptr<CQuenarClass> filter = ReadFilterFile(entry.path, m_registry);
    if (!filter) {
        m_messenger.Message(QUENAR_MSG_FILTER_LOAD_FAILED);
        return FilterAction::Failed;
    }
    if (m_editor == nullptr || !m_editor->EditFilter(*filter))
        return FilterAction::Cancelled;
    if (WriteFilterFile(entry.path, *filter) != 0) {
        m_messenger.Message(QUENAR_MSG_CANNOT_CREATE, entry.path);
        return FilterAction::Failed;
    }
    entry.valid = true;
    entry.typeCode = filter->FileTypeCode();
    entry.designation = Cp1252ToUtf8(HeaderDesignation(filter->designation));
    return FilterAction::Done;
}

FilterAction FilterManagement::Delete() {
    if (!CanActOnSelection())
        return FilterAction::Refused;
    const std::size_t index = *m_selection;
    const FilterListEntry& entry = m_entries[index];
    if (!m_messenger.Ask(QUENAR_MSG_DELETE_FILTER, entry.name))
        return FilterAction::Cancelled;
    // A file that is gone already leaves its row too.
    if (::unlink(entry.path.c_str()) != 0 && errno != ENOENT) {
        m_messenger.Message(QUENAR_MSG_CANNOT_ACCESS, entry.path);
        return FilterAction::Failed;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    m_selection.reset();
    if (!m_entries.empty())
        m_selection = std::min(index, m_entries.size() - 1);
    return FilterAction::Done;
}

const FilterListEntry* FilterManagement::Choose() {
    if (!m_selection) {
        m_messenger.Message(QUENAR_MSG_NO_FILTER_SELECTED);
        return nullptr;
    }
    return &m_entries[*m_selection];
}

}  // namespace grafyon::exportfilter
