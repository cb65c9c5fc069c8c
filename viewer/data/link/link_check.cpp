// Reading recordings for linking and comparing their layouts.
#include "link_check.h"

#include <cstring>
#include <filesystem>

#include <sys/stat.h>

#include "common/binary_file.h"
#include "viewer/data/open/data_file_validation.h"
#include "viewer/data/open/measurement_open.h"

namespace grafyon {

namespace {

std::string AbsoluteNormal(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    if (!error)
        return canonical.string();
    return std::filesystem::absolute(path, error).lexically_normal().string();
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameDataset(const Dataset& a, const Dataset& b) {
    // The calibration is compared bit for bit, as it is stored (a NaN equals itself).
    return a.name == b.name && a.dataType == b.dataType && a.dataMask == b.dataMask &&
           SameBits(a.factor, b.factor) && SameBits(a.offset, b.offset) &&
           a.frameOffset == b.frameOffset && a.valuesPerFrame == b.valuesPerFrame;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return AbsoluteNormal(a) == AbsoluteNormal(b);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

LinkSource ReadLinkSource(const std::string& path) {
    LinkSource source;
    source.path = path;
    source.description = std::make_unique<MeasurementDescription>();
    BinaryFileReader file;
    if (path.empty() || !file.Open(path))
        return source;
    source.opened = true;
    const MeasurementFormatReader* format = nullptr;
    for (const MeasurementFormatReader& reader : MeasurementFormatReaders()) {
        if (reader.probe != nullptr && reader.probe(file)) {
            format = &reader;
            break;
        }
    }
    file.Close();
    if (format == nullptr) {
        source.status = MeasurementStatus::UnknownFormat;
        return source;
    }
    source.status = format->read(path, *source.description);
    if (source.status == MeasurementStatus::NoInput)
        source.opened = false;  // replaced or made unreadable after the probe
    if (source.status == MeasurementStatus::Ok && !source.description->Empty())
        source.status = ValidateDataFiles(*source.description);
    return source;
}

int FileCheckMessage(MeasurementStatus status) {
    switch (status) {
        case MeasurementStatus::Ok:
        case MeasurementStatus::SingleFrame:
            return 0;
        case MeasurementStatus::DataFileBroken:
        case MeasurementStatus::Corrupt:
            return 4097;
        case MeasurementStatus::DataFileEmpty:
            return 4118;
        case MeasurementStatus::DataFileMissing:
            return 4100;
        case MeasurementStatus::UnknownFormat:
        case MeasurementStatus::NotMdf:
        case MeasurementStatus::NotTarko:
            return 4096;
        case MeasurementStatus::NotSupported:
            return 4099;
        default:
            return 4098;
    }
}

const char* FileCheckMessageText(int message) {
    switch (message) {
        case 0:
            return "";
        case 4096:
            return "Error!\nUnknown File Format!";
        case 4097:
            return "Error!\nThe File is corrupt!";
        case 4099:
            return "Error!\nThe file format is not supported !";
        case 4100:
            return "Error!\nThe data file couldn't be opened !";
        case 4118:
            return "Error!\nNo data available !";
        default:
            return "Error!\nUnknown Error!";
    }
}

std::string LinkReasonText(const LinkReason& reason) {
    switch (reason.mismatch) {
        case LinkMismatch::None:
            return "";
        case LinkMismatch::Folders:
            return "Different folders";
        case LinkMismatch::DatasetCount:
            return "Different number of datasets";
        case LinkMismatch::Resolution:
            return "Different resolution";
        case LinkMismatch::FrameSize:
            return "Different frame size";
        case LinkMismatch::Dataset:
            return "Dataset " + std::to_string(reason.datasetNumber) + " / " + reason.datasetName;
    }
    return "";
}

LinkReason CompareForLink(const LinkSource& first, const LinkSource& later, bool skipFolder) {
    LinkReason reason;
    const MeasurementDescription& a = *first.description;
    const MeasurementDescription& b = *later.description;
    if (!skipFolder && !SameFile(FolderOf(first.path), FolderOf(later.path))) {
        reason.mismatch = LinkMismatch::Folders;
        return reason;
    }
    const std::vector<Dataset*> da = a.Datasets();
    const std::vector<Dataset*> db = b.Datasets();
    if (a.DatasetCount() != b.DatasetCount() || da.size() != db.size()) {
        reason.mismatch = LinkMismatch::DatasetCount;
        return reason;
    }
    if (a.SampleStep() != b.SampleStep()) {
        reason.mismatch = LinkMismatch::Resolution;
        return reason;
    }
    if (a.FrameSize() != b.FrameSize()) {
        reason.mismatch = LinkMismatch::FrameSize;
        return reason;
    }
    for (std::size_t i = 0; i < da.size(); ++i) {
        if (!SameDataset(*da[i], *db[i])) {
            reason.mismatch = LinkMismatch::Dataset;
            reason.datasetNumber = static_cast<std::uint32_t>(i + 1);
            reason.datasetName = db[i]->name;
            return reason;
        }
    }
    return reason;
}

int CheckLinkable(const std::vector<LinkSource>& sources, LinkReason& reason, bool skipFolder) {
    reason = {};
    if (sources.empty())
        return 0;
    for (const LinkSource& source : sources) {
        if (!source.Usable() || source.description == nullptr)
            return 0;
    }
    for (std::size_t k = 1; k < sources.size(); ++k) {
        reason = CompareForLink(sources.front(), sources[k], skipFolder);
        if (reason.mismatch != LinkMismatch::None)
            return static_cast<int>(k);
    }
    return -1;
}

int CheckLinkable(const std::vector<std::string>& paths, LinkReason& reason, bool skipFolder) {
    std::vector<LinkSource> sources;
    sources.reserve(paths.size());
    for (const std::string& path : paths)
        sources.push_back(ReadLinkSource(path));
    return CheckLinkable(sources, reason, skipFolder);
}

}  // namespace grafyon
