// Linking and merging recordings: the new description is laid out completely, then written
// (and, merging, the frames copied) through temporary files that replace their targets only
// when complete.
#include "link_files.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <limits>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/byte_order.h"
#include "common/replacing_file.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/mdf/mdf_writer.h"

namespace grafyon {

namespace {

constexpr std::uint64_t U32_MAX = std::numeric_limits<std::uint32_t>::max();
// Bytes copied through the kernel between two progress reports.
constexpr std::uint64_t COPY_PIECE_BYTES = std::uint64_t(32) << 20;

LinkOutcome Fail(int status, std::string subject = {}, int index = -1) {
    LinkOutcome outcome;
    outcome.status = status;
    outcome.subject = std::move(subject);
    outcome.sourceIndex = index;
    return outcome;
}

void SetRecordedNow(HeaderElement& header) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    header.year = static_cast<std::uint32_t>(local.tm_year + 1900);
    header.month = static_cast<std::uint32_t>(local.tm_mon + 1);
    header.day = static_cast<std::uint32_t>(local.tm_mday);
    header.hour = static_cast<std::uint32_t>(local.tm_hour);
    header.minute = static_cast<std::uint32_t>(local.tm_min);
    header.second = static_cast<std::uint32_t>(local.tm_sec);
}

// A data file opened for reading, closed with its owner.
class SourceFile {
public:
    explicit SourceFile(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        struct stat info {};
        if (m_fd >= 0 && ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode))
            m_size = static_cast<std::uint64_t>(info.st_size);
        else
            Close();
    }
    ~SourceFile() { Close(); }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }
    std::uint64_t Size() const { return m_size; }

private:
    void Close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd = -1;
    std::uint64_t m_size = 0;
};

// One stretch of frames to copy: a time segment of a listed file.
struct CopyPiece {
    const SourceFile* file = nullptr;
    std::string path;
    std::uint64_t position = 0;
    std::uint64_t bytes = 0;
};

// The stretches of frames of every listed file, each data file opened once and checked to
// hold all the frames its segments name.
struct FramePlan {
    std::map<std::string, std::unique_ptr<SourceFile>> files;  // by full path
    std::vector<CopyPiece> pieces;
    std::uint64_t frames = 0;
    std::uint64_t bytes = 0;
};

LinkOutcome PlanFrames(const std::vector<LinkSource>& sources, std::uint64_t frameSize,
                       FramePlan& plan) {
    for (std::size_t k = 0; k < sources.size(); ++k) {
        const MeasurementDescription& d = *sources[k].description;
        for (const TimeSegmentElement* segment : d.TimeSegments()) {
            if (segment->frameCount == 0)
                continue;
            const DataFileElement* element = d.DataFileByNumber(segment->dataFileNumber);
            if (element == nullptr)
                return Fail(LINK_DATA_FILE_UNREADABLE, sources[k].path, static_cast<int>(k));
            std::unique_ptr<SourceFile>& file = plan.files[element->fullPath];
            if (file == nullptr)
                file = std::make_unique<SourceFile>(element->fullPath);
            if (!file->IsOpen())
                return Fail(LINK_DATA_FILE_UNREADABLE, element->fullPath, static_cast<int>(k));
            std::uint64_t start = 0;
            std::uint64_t bytes = 0;
            std::uint64_t end = 0;
            if (__builtin_mul_overflow(segment->firstFrameInFile, frameSize, &start) ||
                __builtin_add_overflow(start, element->dataOffset, &start) ||
                __builtin_mul_overflow(segment->frameCount, frameSize, &bytes) ||
                __builtin_add_overflow(start, bytes, &end) || end > file->Size()) {
                return Fail(LINK_DATA_FILE_SHORT, element->fullPath, static_cast<int>(k));
            }
            if (__builtin_add_overflow(plan.frames, segment->frameCount, &plan.frames) ||
                __builtin_add_overflow(plan.bytes, bytes, &plan.bytes)) {
                return Fail(LINK_TOO_LARGE, sources[k].path, static_cast<int>(k));
            }
            plan.pieces.push_back({file.get(), element->fullPath, start, bytes});
        }
    }
    return {};
}

// Encodes the header and every element the format writes; false when a value does not fit.
bool Encode(const MeasurementDescription& d, ByteWriter& out) {
    EncodeMdfHeader(*d.Header(), out);
    for (const auto& element : d.Elements()) {
        if (element.get() == d.Header())
            continue;
        if (EncodeMdfElement(*element, out) == MdfEncodeResult::DOES_NOT_FIT)
            return false;
    }
    return true;
}

void RemoveEmbeddedData(MeasurementDescription& d) {
    std::size_t pos = 0;
    while (Element* e = d.FindFirst(ELEMENT_EMBEDDED_DATA, pos))
        d.Remove(e);
}

// Link: the first description, extended by the segments of the later files, each referring
// to its original data file.
LinkOutcome BuildLinked(std::vector<LinkSource>& sources) {
    MeasurementDescription& d = *sources.front().description;
    RemoveEmbeddedData(d);
    std::uint32_t nextFile = 0;
    for (const DataFileElement* file : d.DataFiles())
        nextFile = std::max(nextFile, file->fileNumber);
    std::uint32_t nextSegment = 0;
    for (const TimeSegmentElement* segment : d.TimeSegments())
        nextSegment = std::max(nextSegment, segment->segmentNumber);
    for (const DataFileElement* file : d.DataFiles()) {
        if (!StorableDataFileName(file->fileName))
            return Fail(LINK_BAD_NAME, file->fileName, 0);
    }
    for (std::size_t k = 1; k < sources.size(); ++k) {
        const MeasurementDescription& e = *sources[k].description;
        for (const TimeSegmentElement* segment : e.TimeSegments()) {
            if (segment->frameCount == 0)
                continue;
            if (segment->frameCount > U32_MAX)
                return Fail(LINK_TOO_LARGE, sources[k].path, static_cast<int>(k));
            const DataFileElement* file = e.DataFileByNumber(segment->dataFileNumber);
            if (file == nullptr)
                return Fail(LINK_DATA_FILE_UNREADABLE, sources[k].path, static_cast<int>(k));
            // The same file by identity and offset is named once; two files whose names
            // differ only in case are two files here.
            const DataFileElement* known = nullptr;
            for (const DataFileElement* mine : d.DataFiles()) {
                if (mine->dataOffset == file->dataOffset &&
                    SameFile(mine->fullPath, file->fullPath))
                    known = mine;
            }
            std::uint32_t number = 0;
            if (known != nullptr) {
                number = known->fileNumber;
            } else {
                if (!StorableDataFileName(file->fileName))
                    return Fail(LINK_BAD_NAME, file->fileName, static_cast<int>(k));
                if (nextFile == U32_MAX)
                    return Fail(LINK_TOO_LARGE, sources[k].path, static_cast<int>(k));
                auto copy = std::make_unique<DataFileElement>(*file);
                copy->fileNumber = number = ++nextFile;
                d.Append(std::move(copy));
            }
            if (nextSegment == U32_MAX)
                return Fail(LINK_TOO_LARGE, sources[k].path, static_cast<int>(k));
            auto copy = std::make_unique<TimeSegmentElement>(*segment);
            copy->dataFileNumber = number;
            copy->segmentNumber = ++nextSegment;
            d.Append(std::move(copy));
        }
    }
    SetRecordedNow(*d.Header());
    return {};
}

// Merge: the first description with one data file (the new one) and the frames of all files
// in one time segment, or in several when they exceed a segment's 32-bit frame count.
LinkOutcome BuildMerged(std::vector<LinkSource>& sources, const std::string& dataPath,
                        std::uint64_t frames) {
    MeasurementDescription& d = *sources.front().description;
    RemoveEmbeddedData(d);
    std::vector<DataFileElement*> files = d.DataFiles();
    for (std::size_t i = 1; i < files.size(); ++i)
        d.Remove(files[i]);
    std::vector<TimeSegmentElement*> segments = d.TimeSegments();
    // The segment that carries the step is the first one with frames.
    TimeSegmentElement* kept = segments.front();
    for (TimeSegmentElement* s : segments) {
        if (s->frameCount > 0) {
            kept = s;
            break;
        }
    }
    for (TimeSegmentElement* s : segments) {
        if (s != kept)
            d.Remove(s);
    }
    DataFileElement* file = files.front();
    file->fileNumber = 1;
    file->reserved = 0;
    file->dataOffset = 0;
    file->fileName = FileNameOf(dataPath);
    file->fullPath = dataPath;
    kept->dataFileNumber = 1;
    kept->segmentNumber = 1;
    kept->firstFrameInFile = 0;
    kept->frameCount = std::min(frames, U32_MAX);
    const TimeSegmentElement model = *kept;
    std::uint64_t first = kept->frameCount;
    for (std::uint32_t number = 2; first < frames; ++number) {
        auto more = std::make_unique<TimeSegmentElement>(model);
        more->segmentNumber = number;
        more->firstFrameInFile = first;
        more->frameCount = std::min(frames - first, U32_MAX);
        first += more->frameCount;
        d.Append(std::move(more));
    }
    SetRecordedNow(*d.Header());
    return {};
}

// Every segment with frames of every file has the step of the first file's first such segment,
// bit for bit: one data file has one time line.
bool OneStep(const std::vector<LinkSource>& sources) {
    bool known = false;
    double step = 0.0;
    for (const LinkSource& source : sources) {
        for (const TimeSegmentElement* s : source.description->TimeSegments()) {
            if (s->frameCount == 0)
                continue;
            if (!known) {
                step = s->sampleStep;
                known = true;
            } else if (std::memcmp(&step, &s->sampleStep, sizeof step) != 0) {
                return false;
            }
        }
    }
    return true;
}

LinkOutcome CopyFrames(const FramePlan& plan, ReplacingFile& out, const std::string& dataPath,
                       const LinkProgress& progress) {
    std::uint64_t done = 0;
    if (progress && !progress(0, plan.bytes))
        return Fail(LINK_CANCELLED);
    for (const CopyPiece& piece : plan.pieces) {
        for (std::uint64_t copied = 0; copied < piece.bytes;) {
            const std::uint64_t want = std::min(piece.bytes - copied, COPY_PIECE_BYTES);
            const std::int64_t n =
                out.CopyFrom(piece.file->Descriptor(), piece.position + copied, want);
            if (n != static_cast<std::int64_t>(want)) {
                if (!out.Ok())
                    return Fail(LINK_WRITE_FAILED, dataPath);
                return Fail(LINK_READ_FAILED, piece.path);
            }
            copied += want;
            done += want;
            if (progress && !progress(done, plan.bytes))
                return Fail(LINK_CANCELLED);
        }
    }
    return {};
}

}  // namespace

LinkOutcome LinkFiles(const LinkRequest& request, const LinkProgress& progress) {
    if (request.sources.size() < 2)
        return Fail(LINK_TOO_FEW_FILES);
    const std::string target = LinkTargetPath(request.target);
    const bool merge = request.mode == LinkMode::Merge;

    // Everything is read again: a file may have changed or gone since it was listed.
    std::vector<LinkSource> sources;
    sources.reserve(request.sources.size());
    for (std::size_t k = 0; k < request.sources.size(); ++k) {
        sources.push_back(ReadLinkSource(request.sources[k]));
        if (!sources.back().Usable()) {
            LinkOutcome outcome =
                Fail(LINK_SOURCE_UNREADABLE, request.sources[k], static_cast<int>(k));
            outcome.sourceStatus = sources.back().status;
            return outcome;
        }
        if (!merge && progress && !progress(k, request.sources.size()))
            return Fail(LINK_CANCELLED);
    }
    LinkOutcome outcome;
    const int k = CheckLinkable(sources, outcome.reason, merge);
    if (k >= 1) {
        outcome.status = LINK_NOT_LINKABLE;
        outcome.sourceIndex = k;
        outcome.subject = request.sources[static_cast<std::size_t>(k)];
        return outcome;
    }
    switch (CheckLinkTarget(sources, target, request.mode)) {
        case LinkTargetProblem::None:
            break;
        case LinkTargetProblem::WrongFolder:
            return Fail(LINK_WRONG_FOLDER, target);
        case LinkTargetProblem::NamedAsSource:
            return Fail(LINK_TARGET_IS_SOURCE, target);
        case LinkTargetProblem::BadName:
            return Fail(LINK_BAD_NAME, LinkDataFilePath(target));
    }
    const std::uint64_t frameSize = sources.front().description->FrameSize();
    if (frameSize == 0)
        return Fail(LINK_NO_FRAME_SIZE, request.sources.front(), 0);
    if (frameSize > U32_MAX)
        return Fail(LINK_TOO_LARGE, request.sources.front(), 0);
    if (merge && !OneStep(sources))
        return Fail(LINK_VARIABLE_STEP, request.sources.front(), 0);

    // Every data file must hold the frames its segments name; merging keeps them open, so
    // a file that goes away from now on is still read to its end.
    FramePlan plan;
    if (LinkOutcome planned = PlanFrames(sources, frameSize, plan); planned.status != LINK_OK)
        return planned;

    const std::string dataPath = LinkDataFilePath(target);
    LinkOutcome built = merge ? BuildMerged(sources, dataPath, plan.frames) : BuildLinked(sources);
    if (built.status != LINK_OK)
        return built;
    // The header states the frame size that every file's frames have.
    sources.front().description->Header()->frameSize = static_cast<std::uint32_t>(frameSize);
    ByteWriter bytes;
    if (!Encode(*sources.front().description, bytes))
        return Fail(LINK_TOO_LARGE, target);

    ReplacingFile dataFile;
    if (merge && !dataFile.Create(dataPath))
        return Fail(LINK_CANNOT_CREATE, dataPath);
    ReplacingFile description;
    if (!description.Create(target))
        return Fail(LINK_CANNOT_CREATE, target);
    if (merge) {
        if (LinkOutcome copied = CopyFrames(plan, dataFile, dataPath, progress);
            copied.status != LINK_OK) {
            return copied;
        }
    }
    if (!description.Write(bytes.Bytes()))
        return Fail(LINK_WRITE_FAILED, target);
    if (!merge && progress && !progress(request.sources.size(), request.sources.size()))
        return Fail(LINK_CANCELLED);
    // The data file first: the description never names a file that is not there.
    if (merge && !dataFile.Commit(false))
        return Fail(LINK_WRITE_FAILED, dataPath);
    if (!description.Commit(false))
        return Fail(LINK_WRITE_FAILED, target);
    return {};
}

const char* LinkStatusText(int status) {
    switch (status) {
        case LINK_OK:
        case LINK_CANCELLED:
            return "";
        case LINK_TOO_FEW_FILES:
            return "At least two files are needed to link them !";
        case LINK_SOURCE_UNREADABLE:
        case LINK_CANNOT_CREATE:
        case LINK_DATA_FILE_UNREADABLE:
            return "Following file cannot be opened !\n«%1»";
        case LINK_NOT_LINKABLE:
            return "The file «%1»\ncannot be linked to the preceding files.\nReason: %2";
        case LINK_WRITE_FAILED:
            return "Error while wrinting in the file «%1» !";
        case LINK_DATA_FILE_SHORT:
            return "The data file «%1» holds fewer frames than its description names !\nNothing "
                   "was written.";
        case LINK_READ_FAILED:
            return "Error while reading the file «%1» !\nNothing was written.";
        case LINK_WRONG_FOLDER:
            return "The mdf file have to be created in the data files folder !";
        case LINK_TARGET_IS_SOURCE:
            return "The file have to be named different as the source files !";
        case LINK_BAD_NAME:
            return "The data file cannot be named «%1» !\nA data file name has at most 127 "
                   "characters of Western European script and no folder.";
        case LINK_TOO_LARGE:
            return "The data do not fit into an MDF file !\nFrame counts, frame numbers and "
                   "data offsets are limited to 32 bits.";
        case LINK_NO_FRAME_SIZE:
            return "The frames of the file «%1» have no size !";
        case LINK_VARIABLE_STEP:
            return "The files hold time segments of different resolution !\nThey can only be "
                   "linked to an MDF file that handles the data in the original data files.";
        default:
            return "Error!\nUnknown Error!";
    }
}

std::string LinkOutcomeText(const LinkOutcome& outcome) {
    std::string text = LinkStatusText(outcome.status);
    if (outcome.status == LINK_SOURCE_UNREADABLE && FileCheckMessage(outcome.sourceStatus) != 0 &&
        outcome.sourceStatus != MeasurementStatus::NoInput) {
        text = "%1\n\n" + std::string(FileCheckMessageText(FileCheckMessage(outcome.sourceStatus)));
    }
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, outcome.subject);
    if (const std::size_t at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, LinkReasonText(outcome.reason));
    return text;
}

}  // namespace grafyon
