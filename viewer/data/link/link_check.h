// Whether several recordings can be joined into one measurement: each is read by content,
// its data files are validated, and its layout is compared with the first file's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewer/data/measurement_description.h"
#include "viewer/data/measurement_status.h"

namespace grafyon {

// A recording read for linking: its description without any data attached.
struct LinkSource {
    std::string path;
    // false: the file itself could not be opened (status NoInput).
    bool opened = false;
    // The reader's status and, when that is Ok, the validation of its data files.
    MeasurementStatus status = MeasurementStatus::NoInput;
    std::unique_ptr<MeasurementDescription> description;

    // Ok and SingleFrame are the statuses of a recording whose frames can be linked.
    bool Usable() const {
        return status == MeasurementStatus::Ok || status == MeasurementStatus::SingleFrame;
    }
};

// Reads path by content (MDF or TARKO) and, when that succeeds, validates its data files.
LinkSource ReadLinkSource(const std::string& path);

// The numbers of the texts that explain a failed file check (the viewer's string table):
// 4097 corrupt, 4118 no data, 4100 data file not opened, 4096 unknown format, 4099 not
// supported, 4098 anything else; 0 for Ok and SingleFrame, which pass.
int FileCheckMessage(MeasurementStatus status);
// The English text of such a number.
const char* FileCheckMessageText(int message);

// Why a later file does not fit the files before it.
enum class LinkMismatch {
    None,
    Folders,       // 1071 "Different folders" (only when linking in place)
    DatasetCount,  // 1067 "Different number of datasets"
    Resolution,    // 1068 "Different resolution"
    FrameSize,     // 1069 "Different frame size"
    Dataset,       // "Dataset" followed by " %d / %s"
};

struct LinkReason {
    LinkMismatch mismatch = LinkMismatch::None;
    std::uint32_t datasetNumber = 0;  // from 1, for LinkMismatch::Dataset
    std::string datasetName;          // the dataset's name in the later file
};

// The English text of a reason: "Different resolution", "Dataset 3 / Speed", ...
std::string LinkReasonText(const LinkReason& reason);

// Compares later against first, in the order of the checks: folder (unless skipFolder),
// number of kind-100 datasets, sample step (exactly), effective frame size, and dataset by
// dataset name, data type, mask, factor, offset, frame offset and values per frame.
LinkReason CompareForLink(const LinkSource& first, const LinkSource& later, bool skipFolder);

// -1 when all files fit together; k >= 1 when file k (counted from 0) is the first that
// does not, with reason set; 0 when one of the files could not be read (or fewer than one
// file is given).
int CheckLinkable(const std::vector<std::string>& paths, LinkReason& reason, bool skipFolder);
// The same over sources already read.
int CheckLinkable(const std::vector<LinkSource>& sources, LinkReason& reason, bool skipFolder);

// Whether two paths name the same file, or the same folder: by device and inode, or by
// their absolute normal form when one of them does not exist.
bool SameFile(const std::string& a, const std::string& b);
// The folder of a path ("." for a bare name).
std::string FolderOf(const std::string& path);
// The last component of a path.
std::string FileNameOf(const std::string& path);

}  // namespace grafyon
