// The output-file objects of a stream: where the exported data go, how the names are built
// from the source file, and how they are confirmed and checked before a run.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/quenar_select_item.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

class ArchiveReader;
class ArchiveWriter;
struct TargetRequest;

// The "Save as" dialog, supplied by the user interface.
class SaveAsDialog {
public:
    virtual ~SaveAsDialog() = default;
    // Offers proposedPath with the file-type filter ("Text (*.txt)|*.txt|...||"); the
    // chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> SaveAs(const std::string& title,
                                              const std::string& proposedPath,
                                              const std::string& fileTypeFilter) = 0;
};

// What naming needs besides the filter's settings.
struct OutputNamingContext {
    QuenarMessenger& messenger;
    SaveAsDialog* dialog = nullptr;  // none: the file dialog settings count as "No Dialog"
    // The data files of the source measurement, which a target must never be.
    std::vector<std::string> sourceDataFiles;
};

// Results of naming; each failure has its own code.
inline constexpr int NAMING_OK = 0;
inline constexpr int NAMING_CANCELLED = 1;
inline constexpr int NAMING_SAME_AS_SOURCE = 2;       // message 4014
inline constexpr int NAMING_DESCRIPTION_IS_DATA = 3;  // message 4015
inline constexpr int NAMING_NO_OVERWRITE = 4;         // message 4001
inline constexpr int NAMING_OVERWRITE_DECLINED = 5;   // question 4002 answered No
inline constexpr int NAMING_NOT_ACCESSIBLE = 6;       // message 4003
inline constexpr int NAMING_FOLDER_NOT_WRITABLE = 7;  // message 4029
inline constexpr int NAMING_TARGET_TWICE = 8;         // message 4001: two records, one name
inline constexpr int NAMING_NAME_TOO_LONG = 9;        // message 4000: the name field is shorter

class CQuenarFile {
public:
    static constexpr std::uint32_t VERSION = 2;

    virtual ~CQuenarFile() = default;
    virtual std::unique_ptr<CQuenarFile> Clone() const = 0;
    // The fields of the object, stored inline in the stream (no class record).
    virtual void Store(ArchiveWriter& ar) const = 0;
    virtual void Load(ArchiveReader& ar) = 0;
    // Names the outputs of the selected records from the source file (an empty path
    // counts as "test.dat"), with the file-type filters of the string table; 0 or a
    // NAMING_ failure code. Names are stored only when every one passed.
    virtual int AssignNames(const std::string& sourcePath, QuenarSelectList& records,
                            int dataFilterId, int descriptionFilterId,
                            OutputNamingContext& context) = 0;

    // Stored values as they are used (clamped to their ranges); path mode 2 is not
    // selectable and keeps the path like mode 0.
    int UsedPathMode() const;
    int UsedFileDialog() const;
    int UsedOverwrite() const;

    std::int32_t descriptionUsed = 1;  // set by the stream, not stored
    // The longest data file name (Windows-1252 bytes, without folder) that the format's
    // description can hold; 0 for no limit. Set by the stream, not stored.
    std::size_t maxDataNameBytes = 0;
    std::int32_t pathMode = 0;  // 0 keep the source's folder, 1 the user path, 2 (disabled)
    std::string userPath;
    std::int32_t fileDialog = 1;  // 0 none, 1 data file, 2 data and description file
    std::int32_t overwrite = 1;   // 0 never, 1 after asking, 2 without asking

protected:
    void StoreBase(ArchiveWriter& ar) const;
    void LoadBase(ArchiveReader& ar);
    // The base fields in the place older versions of the derived objects kept them.
    void LoadOldBaseFields(ArchiveReader& ar);
    // The checks of a data file under these settings.
    TargetRequest DataFileRequest(int dataFilterId, const std::string& source) const;
};

// One data file (and possibly one description file) for all selected records.
class CQuenarFileSingle : public CQuenarFile {
public:
    static constexpr std::uint32_t VERSION = 3;

    std::unique_ptr<CQuenarFile> Clone() const override;
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
    int AssignNames(const std::string& sourcePath, QuenarSelectList& records, int dataFilterId,
                    int descriptionFilterId, OutputNamingContext& context) override;

    std::int32_t dataNameMode = 2;         // 0 keep the name, 1 the user data name, 2 new extension
    std::string userDataName;              // may hold a folder and an extension
    std::string dataExtension;             // without the dot, e.g. "TXT"
    std::string offeredExtensions;         // "TXT\nASC\nPRN\nDAT", set by the stream, not stored
    std::int32_t descriptionNameMode = 0;  // 0 data name + extension, 1 the user name
    std::string userDescriptionName;
    std::string descriptionExtension;
};

// One data file per selected record.
class CQuenarFileMulti : public CQuenarFile {
public:
    static constexpr std::uint32_t VERSION = 3;

    std::unique_ptr<CQuenarFile> Clone() const override;
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
    int AssignNames(const std::string& sourcePath, QuenarSelectList& records, int dataFilterId,
                    int descriptionFilterId, OutputNamingContext& context) override;

    int UsedBuildMode() const;

    // 0 base + "_" + dataset, 1 base + number, 2 the definitions' own names, 3 dataset
    std::int32_t buildMode = 0;
    std::int32_t nameMode = 0;  // 0 the source's name, 1 the user name
    std::string userName;
    std::string defaultExtension = ".dat";  // the format's, set by the stream, not stored
};

// Refuses (message 4012, false) a single-file page on which both the file name and the
// file path of the source are kept.
bool CheckSingleFilePage(const CQuenarFileSingle& values, QuenarMessenger& messenger);

// Copies the own file name of each selected record's channel definition (when it has one)
// into the record's data file name, as build mode 2 expects before naming.
void CopyChannelFileNames(QuenarSelectList& records);

}  // namespace grafyon::exportfilter
