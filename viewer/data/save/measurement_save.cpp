// Writing a measurement's active datasets, stored frames, comments and ranges as a new MDF
// measurement, through temporary files that replace their targets only when complete.
#include "measurement_save.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <limits>
#include <memory>

#include <sys/stat.h>

#include "common/byte_layout.h"
#include "common/codec_1252.h"
#include "common/packed_date_time.h"
#include "common/replacing_file.h"
#include "viewer/data/access/access_status.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/mdf_layout.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

constexpr std::uint64_t U32_MAX = std::numeric_limits<std::uint32_t>::max();
// A range frame that has no place in the new file is stored as -1.
constexpr std::uint32_t NO_FRAME = 0xFFFFFFFF;
constexpr std::size_t DATA_FILE_NAME_CHARS = 127;
// Frames that are compacted are read in chunks of at least this many bytes: the frame
// reader reads them straight into the buffer, and they stay in the second-level cache
// while they are compacted. The compacted frames are written in pieces of about
// COMPACT_WRITE_BYTES.
constexpr std::uint64_t COMPACT_READ_BYTES = std::uint64_t(256) << 10;
constexpr std::uint64_t COMPACT_WRITE_BYTES = std::uint64_t(1) << 20;
// Bytes of unchanged frames per kernel copy between two progress reports.
constexpr std::uint64_t STRAIGHT_COPY_BYTES = std::uint64_t(32) << 20;

DateTimeParts Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string AbsoluteNormal(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    if (!error)
        return canonical.string();
    return std::filesystem::absolute(path, error).lexically_normal().string();
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return AbsoluteNormal(a) == AbsoluteNormal(b);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A data file name that the 128-byte field holds and that reads back as written.
bool StorableFileName(const std::string& name) {
    const std::string stored = Utf8ToCp1252(name);
    return !name.empty() && stored.size() <= DATA_FILE_NAME_CHARS &&
           stored.find('\0') == std::string::npos && Cp1252ToUtf8(stored) == name;
}

bool Encode(const Element& element, ByteWriter& out) {
    return EncodeMdfElement(element, out) == MdfEncodeResult::WRITTEN;
}

std::uint32_t CommentNumber(const CommentElement& comment) {
    return GetU32LE(comment.RawPayload(), mdf::COMMENT_NUMBER);
}

// Everything but the frames, encoded before a byte is written.
struct SaveLayout {
    FramePlan plan;
    std::vector<FrameInterval> stored;
    std::uint64_t frames = 0;
    std::uint64_t dataBytes = 0;
    ByteWriter head;  // header and datasets
    ByteWriter tail;  // data file, time segments, comments, ranges
};

int EncodeHead(const MeasurementDescription& description, const DateTimeParts& now,
               SaveLayout& layout) {
    HeaderElement header = *description.Header();
    std::vector<std::uint8_t>& raw = header.RawPayload();
    if (raw.size() != mdf::HEADER_SIZE)
        raw = mdf::DefaultPayload(ELEMENT_HEADER);
    PutU32LE(raw, mdf::HEADER_RESERVED_24, 2);
    if (layout.plan.frameSize > U32_MAX || layout.plan.datasets.size() > U32_MAX)
        return SAVE_TOO_LARGE;
    header.frameSize = static_cast<std::uint32_t>(layout.plan.frameSize);
    header.datasetCount = static_cast<std::uint32_t>(layout.plan.datasets.size());
    header.year = static_cast<std::uint32_t>(now.year);
    header.month = static_cast<std::uint32_t>(now.month);
    header.day = static_cast<std::uint32_t>(now.day);
    header.hour = static_cast<std::uint32_t>(now.hour);
    header.minute = static_cast<std::uint32_t>(now.minute);
    header.second = static_cast<std::uint32_t>(now.second);
    EncodeMdfHeader(header, layout.head);

    for (std::size_t i = 0; i < layout.plan.datasets.size(); ++i) {
        Dataset dataset = *layout.plan.datasets[i];
        if (layout.plan.frameOffsets[i] > U32_MAX)
            return SAVE_TOO_LARGE;
        dataset.number = static_cast<std::uint32_t>(i + 1);
        dataset.frameOffset = static_cast<std::uint32_t>(layout.plan.frameOffsets[i]);
        if (!Encode(dataset, layout.head))
            return SAVE_TOO_LARGE;
    }
    return SAVE_OK;
}

int EncodeRanges(const SaveRequest& request, std::uint64_t frameCount, std::uint32_t nowPacked,
                 const std::vector<FrameInterval>& stored, ByteWriter& out) {
    std::uint32_t names = 0;
    const auto newFrame = [&](std::uint64_t frame, std::uint32_t& result) {
        const std::optional<std::uint64_t> index = NewFrameIndex(stored, frame);
        if (!index) {
            result = NO_FRAME;
            return true;
        }
        if (*index >= NO_FRAME)
            return false;
        result = static_cast<std::uint32_t>(*index);
        return true;
    };
    for (const SaveRange& r : request.ranges) {
        if (!r.active)
            continue;
        const std::uint64_t first = std::min({r.start, r.stop, frameCount - 1});
        const std::uint64_t last = std::min(std::max(r.start, r.stop), frameCount - 1);
        std::uint32_t newFirst = 0;
        std::uint32_t newLast = 0;
        if (!newFrame(first, newFirst) || !newFrame(last, newLast))
            return SAVE_TOO_LARGE;
        std::uint32_t number = 0;
        if (!r.name.empty() || !r.comment.empty()) {
            RangeNameElement name;
            name.rangeNumber = number = ++names;
            name.name = r.name;
            name.comment = r.comment;
            if (!Encode(name, out))
                return SAVE_TOO_LARGE;
        }
        // The recorded date-times stay with a range whose frames did not move.
        const bool unchanged =
            newFirst == std::min(r.start, r.stop) && newLast == std::max(r.start, r.stop);
        std::uint32_t start = nowPacked;
        std::uint32_t end = nowPacked;
        if (unchanged && r.source != nullptr) {
            if (r.source->Kind() == ELEMENT_RANGE) {
                const auto* source = static_cast<const RangeElement*>(r.source);
                start = source->startDateTime;
                end = source->endDateTime;
            } else if (r.source->Kind() == ELEMENT_SPOT) {
                start = end = static_cast<const SpotElement*>(r.source)->dateTime;
            }
        }
        if (r.start == r.stop) {
            SpotElement spot;
            spot.rangeNumber = number;
            spot.frame = newFirst;
            spot.dateTime = start;
            if (!Encode(spot, out))
                return SAVE_TOO_LARGE;
        } else {
            RangeElement range;
            range.rangeNumber = number;
            range.startFrame = newFirst;
            range.stopFrame = newLast;
            range.startDateTime = start;
            range.endDateTime = end;
            if (!Encode(range, out))
                return SAVE_TOO_LARGE;
        }
    }
    return SAVE_OK;
}

int EncodeTail(const MeasurementDescription& description, const SaveRequest& request,
               const std::string& dataFileName, std::uint64_t dataOffset, std::uint32_t nowPacked,
               SaveLayout& layout) {
    ByteWriter& out = layout.tail;
    DataFileElement file;
    file.fileNumber = 1;
    file.reserved = 0;
    file.fileName = dataFileName;
    file.dataOffset = dataOffset;
    if (!Encode(file, out))
        return SAVE_TOO_LARGE;

    // A variable step is no step: the first segment's step is written.
    const std::vector<TimeSegmentElement*> segments = description.TimeSegments();
    const double step = segments.empty() ? 0.0 : segments.front()->sampleStep;
    // More frames than one segment counts go to further segments of the one data file.
    std::uint64_t first = 0;
    std::uint32_t number = 0;
    do {
        TimeSegmentElement segment;
        segment.dataFileNumber = 1;
        segment.segmentNumber = ++number;
        segment.frameCount = std::min(layout.frames - first, U32_MAX);
        segment.firstFrameInFile = first;
        segment.carrierFactor = 1.0;
        segment.carrierOffset = 0.0;
        segment.sampleStep = step;
        segment.carrierName = description.CarrierName();
        segment.carrierUnit = description.CarrierUnit();
        segment.startDateTime = nowPacked;
        segment.endDateTime = nowPacked;
        if (!Encode(segment, out))
            return SAVE_TOO_LARGE;
        first += segment.frameCount;
    } while (first < layout.frames);
    if (request.form == SaveFileForm::Mcf && number > 1)
        return SAVE_TOO_LARGE;  // the embedded form has exactly one segment

    std::uint32_t largestComment = 0;
    std::size_t pos = 0;
    for (Element* e = description.FindFirst(ELEMENT_COMMENT, pos); e;
         e = description.FindNext(ELEMENT_COMMENT, pos)) {
        const auto* comment = static_cast<const CommentElement*>(e);
        largestComment = std::max(largestComment, CommentNumber(*comment));
        if (request.withComments && !Encode(*comment, out))
            return SAVE_TOO_LARGE;
    }
    if (!request.userComment.empty()) {
        CommentElement comment;
        std::vector<std::uint8_t>& raw = comment.RawPayload();
        raw = mdf::DefaultPayload(ELEMENT_COMMENT);
        PutU32LE(raw, mdf::COMMENT_NUMBER, largestComment == U32_MAX ? 0 : largestComment + 1);
        PutU32LE(raw, mdf::COMMENT_ONE, 1);
        PutU32LE(raw, mdf::COMMENT_DATE_TIME, nowPacked);
        comment.text = request.userComment;
        if (!Encode(comment, out))
            return SAVE_TOO_LARGE;
    }

    if (request.withRanges && request.mode != StoreMode::OutsideRanges)
        return EncodeRanges(request, description.FrameCount(), nowPacked, layout.stored, out);
    return SAVE_OK;
}

class ReaderGuard {
public:
    ReaderGuard(DataAccess& access, FrameReader* reader) : m_access(access), m_reader(reader) {}
    ~ReaderGuard() { m_access.CloseReader(m_reader); }
    ReaderGuard(const ReaderGuard&) = delete;
    ReaderGuard& operator=(const ReaderGuard&) = delete;

private:
    DataAccess& m_access;
    FrameReader* m_reader;
};

// Copies the stored frames into out; reports progress after every piece.
class FrameCopier {
public:
    FrameCopier(const MeasurementDescription& description, DataAccess& access,
                const SaveLayout& layout, const SaveProgress& progress)
        : m_description(description), m_access(access), m_layout(layout), m_progress(progress) {}

    int Copy(ReplacingFile& out) {
        if (!Report())
            return SAVE_CANCELLED;
        if (m_layout.plan.compact) {
            const std::uint64_t oldSize = m_description.FrameSize();
            const std::uint64_t newSize = m_layout.plan.frameSize;
            m_chunkFrames = (COMPACT_READ_BYTES + oldSize - 1) / oldSize;
            m_pieceFrames = m_chunkFrames * std::max<std::uint64_t>(
                                                1, COMPACT_WRITE_BYTES / (m_chunkFrames * newSize));
            m_in.resize(m_chunkFrames * oldSize);
            m_out.resize(m_pieceFrames * newSize);
        }
        for (const FrameInterval& interval : m_layout.stored) {
            const int status =
                m_layout.plan.compact ? CopyCompacted(interval, out) : CopyStraight(interval, out);
            if (status != SAVE_OK)
                return status;
        }
        return SAVE_OK;
    }

private:
    bool Report() { return !m_progress || m_progress(m_done, m_layout.dataBytes); }

    int Failure(const ReplacingFile& out) const {
        return out.Ok() ? SAVE_READ_FAILED : SAVE_WRITE_FAILED;
    }

    int CopyStraight(const FrameInterval& interval, ReplacingFile& out) {
        std::vector<FrameStretch> stretches;
        if (m_access.FrameStretches(m_description, interval.first,
                                    static_cast<std::int64_t>(interval.Count()),
                                    stretches) != READ_OK) {
            return SAVE_READ_FAILED;
        }
        for (const FrameStretch& s : stretches) {
            for (std::uint64_t done = 0; done < s.bytes;) {
                const std::uint64_t piece = std::min(s.bytes - done, STRAIGHT_COPY_BYTES);
                if (s.file == nullptr) {
                    if (!out.Write(s.memory.subspan(done, piece)))
                        return SAVE_WRITE_FAILED;
                } else {
                    const std::int64_t copied =
                        out.CopyFrom(s.file->Descriptor(), s.position + done, piece);
                    if (copied != static_cast<std::int64_t>(piece))
                        return Failure(out);
                }
                done += piece;
                m_done += piece;
                if (!Report())
                    return SAVE_CANCELLED;
            }
        }
        return SAVE_OK;
    }

    // Reads chunks of frames and compacts them into the output buffer, which is written
    // whenever it is full.
    int CopyCompacted(const FrameInterval& interval, ReplacingFile& out) {
        const std::uint64_t oldSize = m_description.FrameSize();
        const std::uint64_t newSize = m_layout.plan.frameSize;
        int status = 0;
        FrameReader* reader =
            m_access.OpenReader(&m_description, static_cast<std::int64_t>(interval.first),
                                static_cast<std::int64_t>(interval.Count()), m_in, &status);
        if (reader == nullptr)
            return SAVE_READ_FAILED;
        ReaderGuard guard(m_access, reader);
        std::uint64_t left = interval.Count();
        std::uint64_t pending = 0;  // compacted frames in the output buffer
        while (left > 0) {
            const std::int64_t n = m_access.ReadChunk(reader);
            if (n <= 0)
                return SAVE_READ_FAILED;
            const auto frames = std::min(static_cast<std::uint64_t>(n), left);
            CompactFrames(m_in.data(), frames, oldSize, m_out.data() + pending * newSize, newSize,
                          m_layout.plan.runs);
            pending += frames;
            left -= frames;
            if (pending + m_chunkFrames <= m_pieceFrames && left > 0)
                continue;
            if (!out.Write(std::span(m_out.data(), pending * newSize)))
                return SAVE_WRITE_FAILED;
            m_done += pending * newSize;
            pending = 0;
            if (!Report())
                return SAVE_CANCELLED;
        }
        return SAVE_OK;
    }

    const MeasurementDescription& m_description;
    DataAccess& m_access;
    const SaveLayout& m_layout;
    const SaveProgress& m_progress;
    std::uint64_t m_done = 0;
    std::uint64_t m_chunkFrames = 0;  // frames read at a time when compacting
    std::uint64_t m_pieceFrames = 0;  // compacted frames written at a time
    std::vector<std::uint8_t> m_in;
    std::vector<std::uint8_t> m_out;
};

int CheckTarget(const MeasurementDescription& description, const SaveRequest& request) {
    if (request.target.empty())
        return SAVE_BAD_TARGET;
    if (TargetHitsSource(description, request.target, request.form))
        return SAVE_TARGET_IS_SOURCE;
    if (request.form == SaveFileForm::Mdf) {
        const std::string dataFile = DataFilePathFor(request.target);
        if (SameFile(dataFile, request.target) || !StorableFileName(FileNameOf(dataFile)))
            return SAVE_BAD_TARGET;
    }
    return SAVE_OK;
}

}  // namespace

std::string DataFilePathFor(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::size_t dot = target.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? target.substr(0, dot) : target) + ".dta";
}

std::optional<SaveFileForm> FormForPath(const std::string& path) {
    const std::string name = FileNameOf(path);
    if (name.size() < 5)
        return std::nullopt;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".mcf")
        return SaveFileForm::Mcf;
    if (extension == ".mdf")
        return SaveFileForm::Mdf;
    return std::nullopt;
}

bool IsFileOfMeasurement(const MeasurementDescription& description, const std::string& path) {
    const HeaderElement* header = description.Header();
    if (header != nullptr && SameFile(path, header->filePath))
        return true;
    for (const DataFileElement* file : description.DataFiles()) {
        if (SameFile(path, file->fullPath))
            return true;
    }
    return false;
}

bool TargetHitsSource(const MeasurementDescription& description, const std::string& target,
                      SaveFileForm form) {
    if (IsFileOfMeasurement(description, target))
        return true;
    return form == SaveFileForm::Mdf && IsFileOfMeasurement(description, DataFilePathFor(target));
}

int SaveMeasurement(const MeasurementDescription& description, DataAccess& access,
                    const SaveRequest& request, const SaveProgress& progress) {
    if (request.form != SaveFileForm::Mcf && request.form != SaveFileForm::Mdf)
        return SAVE_UNKNOWN_FORM;
    if (description.Header() == nullptr || !access.IsAttached(description))
        return SAVE_NOT_ATTACHED;
    if (const int status = CheckTarget(description, request))
        return status;

    // Everything but the frames is laid out first, so that a limit of the file format
    // refuses the save before anything is written.
    SaveLayout layout;
    layout.plan = PlanFrames(description);
    if (layout.plan.datasets.empty() || layout.plan.frameSize == 0)
        return SAVE_NO_DATASET;
    layout.stored = StoredIntervals(request.mode, request.ranges, description.FrameCount());
    layout.frames = FrameTotal(layout.stored);
    if (layout.frames == 0)
        return SAVE_NO_FRAMES;
    if (__builtin_mul_overflow(layout.frames, layout.plan.frameSize, &layout.dataBytes))
        return SAVE_TOO_LARGE;
    const DateTimeParts now = Now();
    const std::uint32_t nowPacked = PackDateTime(now);
    if (const int status = EncodeHead(description, now, layout))
        return status;

    const bool embedded = request.form == SaveFileForm::Mcf;
    std::uint64_t dataOffset = 0;
    const std::string dataPath = embedded ? request.target : DataFilePathFor(request.target);
    if (embedded) {
        dataOffset = layout.head.Size() + mdf::HEAD_SIZE;
        if (layout.dataBytes > U32_MAX - mdf::HEAD_SIZE)
            return SAVE_TOO_LARGE;  // the embedded element's size field
    }
    if (const int status =
            EncodeTail(description, request, FileNameOf(dataPath), dataOffset, nowPacked, layout))
        return status;

    ReplacingFile descriptionFile;
    if (!descriptionFile.Create(request.target))
        return SAVE_DESCRIPTION_CANNOT_CREATE;
    ReplacingFile dataFile;
    if (!embedded && !dataFile.Create(dataPath))
        return SAVE_DATA_FILE_CANNOT_CREATE;

    if (!descriptionFile.Write(layout.head.Bytes()))
        return SAVE_WRITE_FAILED;
    const std::uint64_t embeddedHead = descriptionFile.Position();
    std::uint8_t head[mdf::HEAD_SIZE] = {};
    StoreU32LE(head, ELEMENT_EMBEDDED_DATA);
    StoreU32LE(head + 4, static_cast<std::uint32_t>(layout.dataBytes + mdf::HEAD_SIZE));
    StoreU32LE(head + 8, ELEMENT_VERSION_1);
    // The head is written when the frames are complete; a placeholder holds its place.
    const std::uint8_t placeholder[mdf::HEAD_SIZE] = {};
    if (embedded && !descriptionFile.Write(placeholder))
        return SAVE_WRITE_FAILED;

    FrameCopier copier(description, access, layout, progress);
    if (const int status = copier.Copy(embedded ? descriptionFile : dataFile))
        return status;

    if (!descriptionFile.Write(layout.tail.Bytes()))
        return SAVE_WRITE_FAILED;
    if (embedded && !descriptionFile.WriteAt(embeddedHead, head))
        return SAVE_WRITE_FAILED;
    // Not synced to disk, as cp does not: a save keeps the speed of a copy.
    if (!embedded && !dataFile.Commit(false))
        return SAVE_WRITE_FAILED;
    if (!descriptionFile.Commit(false))
        return SAVE_WRITE_FAILED;
    return SAVE_OK;
}

const Element* RangeSourceOf(const MeasurementDescription& description, std::uint64_t start,
                             std::uint64_t stop) {
    for (const auto& e : description.Elements()) {
        if (start != stop && e->Kind() == ELEMENT_RANGE) {
            const auto* range = static_cast<const RangeElement*>(e.get());
            if (range->startFrame == start && range->stopFrame == stop)
                return range;
        } else if (start == stop && e->Kind() == ELEMENT_SPOT) {
            if (static_cast<const SpotElement*>(e.get())->frame == start)
                return e.get();
        }
    }
    return nullptr;
}

const char* SaveStatusText(int status) {
    switch (status) {
        case SAVE_OK:
        case SAVE_CANCELLED:
            return "";
        case SAVE_WRITE_FAILED:
            return "Error while wrinting in the file «%1» !";
        case SAVE_TARGET_IS_SOURCE:
            return "Please store the data in another file as the source file!";
        case SAVE_DATA_FILE_CANNOT_CREATE:
        case SAVE_DESCRIPTION_CANNOT_CREATE:
            return "Following file cannot be opened !\n«%1»";
        case SAVE_TOO_LARGE:
            return "The data do not fit into the file «%1» !\nSizes, frame counts and frame "
                   "numbers of this file type are limited to 32 bits. Store the data as "
                   "MDF file (*.mdf) or store fewer data.";
        case SAVE_BAD_TARGET:
            return "The data cannot be stored under the name «%1» !\nThe data file takes the "
                   "name with the extension \".dta\"; it must differ from the name and have "
                   "at most 127 characters of Western European script.";
        case SAVE_NO_DATASET:
            return "There is no active dataset to store !";
        case SAVE_NO_FRAMES:
            return "There are no data to store: no sample lies in the chosen part of the "
                   "ranges !";
        case SAVE_NOT_ATTACHED:
            return "No output possible, because no data are available !";
        case SAVE_READ_FAILED:
            return "Error while reading the data of the measurement !\nThe file «%1» was not "
                   "written.";
        case SAVE_UNKNOWN_FORM:
            return "Unknown file type !";
        default:
            return "Error!\nUnknown Error!";
    }
}

}  // namespace grafyon
