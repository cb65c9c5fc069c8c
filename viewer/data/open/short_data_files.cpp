// Shortening the time segments of a cut-off recording to the frames its data files hold.
#include "short_data_files.h"

#include <algorithm>
#include <map>
#include <optional>

#include "common/binary_file.h"

namespace grafyon {

namespace {

// The size of a data file, or nothing when it cannot be opened as a regular file.
std::optional<std::uint64_t> FileSize(const std::string& path) {
    BinaryFileReader file;
    if (path.empty() || !file.Open(path))
        return std::nullopt;
    return file.Size();
}

}  // namespace

std::vector<ShortDataFile> TrimSegmentsToData(MeasurementDescription& description) {
    const std::uint64_t frameSize = description.FrameSize();
    if (frameSize == 0)
        return {};
    // Whole frames behind each file's data offset, and what each file turns out to miss.
    std::map<const DataFileElement*, std::optional<std::uint64_t>> framesIn;
    std::map<const DataFileElement*, ShortDataFile> shortFiles;
    for (TimeSegmentElement* segment : description.TimeSegments()) {
        const DataFileElement* file = description.DataFileByNumber(segment->dataFileNumber);
        if (file == nullptr)
            continue;
        auto known = framesIn.find(file);
        if (known == framesIn.end()) {
            std::optional<std::uint64_t> frames;
            if (const std::optional<std::uint64_t> size = FileSize(file->fullPath)) {
                frames = *size > file->dataOffset ? (*size - file->dataOffset) / frameSize : 0;
            }
            known = framesIn.emplace(file, frames).first;
        }
        if (!known->second)
            continue;
        const std::uint64_t available = *known->second;
        const std::uint64_t existing =
            available > segment->firstFrameInFile
                ? std::min(segment->frameCount, available - segment->firstFrameInFile)
                : 0;
        ShortDataFile& entry = shortFiles[file];
        entry.declaredFrames += segment->frameCount;
        entry.missingFrames += segment->frameCount - existing;
        segment->frameCount = existing;
    }
    std::vector<ShortDataFile> result;
    for (const DataFileElement* file : description.DataFiles()) {
        const auto it = shortFiles.find(file);
        if (it == shortFiles.end() || it->second.missingFrames == 0)
            continue;
        it->second.fileName = file->fileName;
        it->second.path = file->fullPath;
        result.push_back(std::move(it->second));
    }
    return result;
}

}  // namespace grafyon
