// The TARKO reader: header and channel records translated into MDF elements.
#include "tarko_reader.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <limits>
#include <vector>

#include "common/codec_1252.h"
#include "common/packed_date_time.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/data_type.h"
#include "viewer/data/mdf_layout.h"
#include "viewer/data/tarko/tarko_layout.h"

namespace grafyon {

namespace {

constexpr std::uint64_t U32_MAX = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t DATASET_ELEMENT_SIZE = 208;

struct RecordingTime {
    std::uint32_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;

    bool AllZero() const { return (day | month | year | hour | minute | second) == 0; }
    std::uint32_t Packed() const {
        return PackDateTime({static_cast<int>(std::min<std::uint32_t>(year, 9999)),
                             static_cast<int>(std::min<std::uint32_t>(month, 99)),
                             static_cast<int>(std::min<std::uint32_t>(day, 99)),
                             static_cast<int>(std::min<std::uint32_t>(hour, 99)),
                             static_cast<int>(std::min<std::uint32_t>(minute, 99)),
                             static_cast<int>(std::min<std::uint32_t>(second, 99))});
    }
};

// The last modification of a file in local time.
bool ModificationTime(const std::string& path, RecordingTime& time) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return false;
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(written));
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr)
        return false;
    time.day = static_cast<std::uint32_t>(local.tm_mday);
    time.month = static_cast<std::uint32_t>(local.tm_mon + 1);
    time.year = static_cast<std::uint32_t>(local.tm_year + 1900);
    time.hour = static_cast<std::uint32_t>(local.tm_hour);
    time.minute = static_cast<std::uint32_t>(local.tm_min);
    time.second = static_cast<std::uint32_t>(local.tm_sec);
    return true;
}

// The non-empty text lines joined by "\n".
std::string CommentText(const tarko::HeaderRecord& header) {
    std::string text;
    for (const std::string& line : header.textLines) {
        if (line.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

std::unique_ptr<HeaderElement> MakeHeader(const std::string& path, std::uint32_t channels,
                                          const RecordingTime& time) {
    auto header = std::make_unique<HeaderElement>();
    header->fileName = std::filesystem::path(path).filename().string();
    header->filePath = path;
    header->formatVersion = mdf::FORMAT_VERSION;
    header->headerSize = mdf::HEADER_SIZE;
    header->datasetCount = channels;
    header->day = time.day;
    header->month = time.month;
    header->year = time.year;
    header->hour = time.hour;
    header->minute = time.minute;
    header->second = time.second;
    // Reserved words 0, 0, 0 and 1.
    header->RawPayload() = mdf::DefaultPayload(ELEMENT_HEADER);
    PutU32LE(header->RawPayload(), mdf::HEADER_RESERVED_24, 0);
    header->SetFileSize(mdf::HEADER_SIZE);
    return header;
}

std::unique_ptr<DataFileElement> MakeDataFile(const std::string& name, const std::string& path,
                                              std::uint32_t dataOffset) {
    auto file = std::make_unique<DataFileElement>();
    file->fileNumber = 1;
    file->fileName = name;
    file->dataOffset = dataOffset;
    file->fullPath = path;
    file->RawPayload() = mdf::DefaultPayload(ELEMENT_DATA_FILE);
    file->SetFileSize(mdf::LayoutOf(ELEMENT_DATA_FILE)->minSize);
    return file;
}

std::unique_ptr<TimeSegmentElement> MakeSegment(double step, std::uint32_t packedTime) {
    auto segment = std::make_unique<TimeSegmentElement>();
    segment->dataFileNumber = 1;
    segment->segmentNumber = 1;
    segment->firstFrameInFile = 0;
    segment->carrierName = mdf::DEFAULT_CARRIER_NAME;
    segment->carrierUnit = mdf::DEFAULT_CARRIER_UNIT;
    segment->carrierFactor = 1.0;
    segment->carrierOffset = 0.0;
    segment->sampleStep = step;
    segment->startDateTime = packedTime;
    segment->endDateTime = packedTime;
    segment->RawPayload() = mdf::DefaultPayload(ELEMENT_TIME_SEGMENT);  // the seven 7s
    segment->SetFileSize(mdf::LayoutOf(ELEMENT_TIME_SEGMENT)->minSize);
    return segment;
}

// The dataset of one channel; nothing when its code is not supported.
std::unique_ptr<Dataset> MakeDataset(const tarko::ChannelRecord& channel, std::uint32_t number,
                                     std::uint32_t storageForm) {
    const std::optional<tarko::ChannelType> type =
        tarko::ChannelTypeOf(channel.typeCode, storageForm);
    if (!type)
        return nullptr;
    const std::uint64_t frameOffset = std::uint64_t(channel.position) * type->positionUnit;
    if (frameOffset > U32_MAX)
        return nullptr;  // lies outside any frame
    auto dataset = std::make_unique<Dataset>();
    dataset->number = number;
    dataset->name = channel.name;
    dataset->label = channel.label;
    dataset->unit = channel.unit;
    dataset->dataType = type->dataType;
    dataset->dataMask = channel.typeCode == tarko::CODE_SHORT ? 0xFFFFFFFF : channel.mask;
    dataset->factor = channel.factor;
    dataset->offset = channel.offset;
    dataset->frameOffset = static_cast<std::uint32_t>(frameOffset);
    dataset->effectiveFrameOffset = frameOffset;
    dataset->valuesPerFrame = 1;
    dataset->Normalise();
    dataset->SetFileSize(DATASET_ELEMENT_SIZE);
    return dataset;
}

std::unique_ptr<CommentElement> MakeComment(const std::string& text, std::uint32_t packedTime) {
    auto comment = std::make_unique<CommentElement>();
    comment->text = text;
    std::vector<std::uint8_t>& fixed = comment->RawPayload();
    fixed = mdf::DefaultPayload(ELEMENT_COMMENT);
    PutU32LE(fixed, mdf::COMMENT_NUMBER, 1);
    PutU32LE(fixed, mdf::COMMENT_ONE, 1);
    PutU32LE(fixed, mdf::COMMENT_DATE_TIME, packedTime);
    const auto length = static_cast<std::uint32_t>(Utf8ToCp1252(text).size());
    PutU32LE(fixed, mdf::COMMENT_LENGTH, length);
    comment->SetFileSize(mdf::LayoutOf(ELEMENT_COMMENT)->minSize + length + 1);
    return comment;
}

MeasurementStatus Fail(MeasurementDescription& description, MeasurementStatus status) {
    description.Clear();
    return status;
}

}  // namespace

bool IsTarkoFile(const BinaryFileReader& file) {
    std::uint8_t probe[tarko::PROBE_SIZE] = {};
    const std::size_t got = file.ReadSomeAt(0, probe);
    return tarko::HasSignature(std::span(probe, got));
}

bool IsTarkoFile(const std::string& path) {
    BinaryFileReader file;
    return file.Open(path) && IsTarkoFile(file);
}

MeasurementStatus ReadTarkoDescription(const std::string& path,
                                       MeasurementDescription& description) {
    BinaryFileReader file;
    if (path.empty() || !file.Open(path))
        return MeasurementStatus::NoInput;
    description.Clear();

    // The header. A file of another kind is told apart before its sizes are judged.
    std::vector<std::uint8_t> bytes(tarko::HEADER_SIZE_MIN);
    const std::size_t got = file.ReadSomeAt(0, bytes);
    if (!tarko::HasSignature(std::span(bytes.data(), got)))
        return MeasurementStatus::NotTarko;
    if (got < tarko::HEADER_SIZE_MIN)
        return MeasurementStatus::Corrupt;
    const tarko::HeaderRecord header = tarko::DecodeHeader(bytes);
    if (header.headerSize < tarko::HEADER_SIZE_MIN)
        return MeasurementStatus::Corrupt;

    // The channel records, each read where the size words put it; the file bounds the
    // loop, so a large channel count cannot make it allocate what the file does not hold.
    std::vector<tarko::ChannelRecord> channels;
    double step = 0.0;
    bytes.resize(tarko::CHANNEL_SIZE);
    for (std::uint32_t k = 0; k < header.channelCount; ++k) {
        if (header.channelSize < tarko::CHANNEL_SIZE)
            return MeasurementStatus::Corrupt;
        const std::uint64_t pos =
            std::uint64_t(header.headerSize) + std::uint64_t(k) * header.channelSize;
        if (!file.ReadAt(pos, bytes))
            return MeasurementStatus::Corrupt;
        tarko::ChannelRecord channel = tarko::DecodeChannel(bytes);
        const double channelStep = tarko::IntervalSeconds(channel.interval, channel.timeUnit);
        if (k == 0) {
            step = channelStep;
        } else if (channelStep != step) {
            step = 0.0;  // one time base only
            break;
        }
        channels.push_back(std::move(channel));
    }
    file.Close();

    // The data file beside the header file, and the recording time, taken from
    // the data file when the header leaves all six words 0.
    std::error_code error;
    std::filesystem::path fullPath = std::filesystem::absolute(path, error);
    if (error)
        fullPath = path;
    const std::string folder = fullPath.parent_path().string();
    const bool plainName = IsPlainDataFileName(header.dataFileName);
    const std::string dataPath = FindDataFile(folder, header.dataFileName);
    BinaryFileReader data;
    const bool dataOpen = plainName && data.Open(dataPath);
    RecordingTime time{header.day,  header.month,  header.year,
                       header.hour, header.minute, header.second};
    if (time.AllZero() && dataOpen)
        ModificationTime(dataPath, time);

    // What the viewer cannot show.
    if (header.formatWord != tarko::FORMAT_WORD || !(step > 0.0))
        return MeasurementStatus::NotSupported;

    // The elements, in the order an MDF file would hold them.
    const std::uint32_t packedTime = time.Packed();
    description.Append(
        MakeHeader(fullPath.string(), static_cast<std::uint32_t>(channels.size()), time));
    description.Append(MakeDataFile(header.dataFileName, dataPath, header.dataOffset));
    auto* segment =
        static_cast<TimeSegmentElement*>(description.Append(MakeSegment(step, packedTime)));
    std::uint64_t valueBytes = 0;
    for (std::size_t k = 0; k < channels.size(); ++k) {
        std::unique_ptr<Dataset> dataset =
            MakeDataset(channels[k], static_cast<std::uint32_t>(k + 1), header.storageForm);
        if (!dataset)
            return Fail(description, MeasurementStatus::NotSupported);
        valueBytes += dataset->ValueSize();
        description.Append(std::move(dataset));
    }
    if (const std::string text = CommentText(header); !text.empty())
        description.Append(MakeComment(text, packedTime));

    // The frame holds at least every channel's value; a value that still lies outside
    // it would be read from the next frame.
    const std::uint64_t frameSize = std::max<std::uint64_t>(header.frameSize, valueBytes);
    if (frameSize > U32_MAX)
        return Fail(description, MeasurementStatus::NotSupported);
    HeaderElement& mdfHeader = *description.Header();
    mdfHeader.frameSize = static_cast<std::uint32_t>(frameSize);
    mdfHeader.effectiveFrameSize = frameSize;
    for (const Dataset* dataset : description.Datasets()) {
        if (!dataset->FitsFrame(frameSize))
            return Fail(description, MeasurementStatus::NotSupported);
    }

    // The frames.
    if (!plainName)
        return Fail(description, MeasurementStatus::DataFileBroken);
    if (!dataOpen) {
        segment->frameCount = header.frameCount;
        return MeasurementStatus::DataFileMissing;
    }
    const std::uint64_t dataBytes =
        data.Size() > header.dataOffset ? data.Size() - header.dataOffset : 0;
    const std::uint64_t wholeFrames = dataBytes / frameSize;
    segment->frameCount = header.frameCount >= 1 && header.frameCount <= wholeFrames
                              ? header.frameCount
                              : wholeFrames;
    return segment->frameCount == 0 ? MeasurementStatus::NoTimeBase : MeasurementStatus::Ok;
}

}  // namespace grafyon
