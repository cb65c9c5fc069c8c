// The MDF description reader: file header, element loop and post-processing.
#include "mdf_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <span>
#include <vector>

#include "common/byte_layout.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/mdf_layout.h"

namespace grafyon {

namespace {

constexpr std::size_t DATA_FILE_NAME_CHARS = 127;

struct ElementHead {
    std::uint32_t kind = 0;
    std::uint32_t size = 0;
    std::uint32_t version = 0;
};

// How reading one element ended.
enum class ElementOutcome {
    NEXT,     // continue with the next element
    END,      // the file ends inside the element: stop the loop normally
    CORRUPT,  // the element claims more bytes than it holds
};

class DescriptionReader {
public:
    DescriptionReader(const BinaryFileReader& file, MeasurementDescription& description,
                      std::string folder)
        : m_file(file), m_description(description), m_folder(std::move(folder)) {}

    MeasurementStatus ReadHeader(const std::string& fileName, const std::string& filePath);
    MeasurementStatus ReadElements();

private:
    bool ReadHead(ElementHead& head);
    // Reads count bytes at the cursor and advances; false (cursor unchanged) when the
    // file does not hold them.
    bool ReadBytes(std::uint64_t count, std::vector<std::uint8_t>& out);
    ElementOutcome ReadElement(const ElementHead& head);
    ElementOutcome ReadKnown(std::uint32_t kind, const mdf::ElementLayout& layout,
                             const ElementHead& head, std::unique_ptr<Element>& element);

    std::unique_ptr<Element> MakeDataFile(std::span<const std::uint8_t> p) const;
    static std::unique_ptr<Element> MakeSegmentFromTimeBase(std::span<const std::uint8_t> p);
    static std::unique_ptr<Element> MakeSegment(std::span<const std::uint8_t> p);
    std::unique_ptr<Dataset> MakeDataset(std::uint32_t kind, std::span<const std::uint8_t> p) const;

    const BinaryFileReader& m_file;
    MeasurementDescription& m_description;
    std::string m_folder;
    std::uint64_t m_pos = 0;
    std::uint32_t m_oldFormatDatasetsLeft = 0;
};

MeasurementStatus DescriptionReader::ReadHeader(const std::string& fileName,
                                                const std::string& filePath) {
    auto header = std::make_unique<HeaderElement>();
    header->fileName = fileName;
    header->filePath = filePath;
    HeaderElement* h = header.get();
    m_description.Append(std::move(header));

    std::vector<std::uint8_t> bytes;
    if (!ReadBytes(mdf::HEADER_SIZE, bytes))
        return MeasurementStatus::Corrupt;
    if (std::memcmp(bytes.data(), mdf::MAGIC.data(), mdf::MAGIC.size()) != 0 ||
        bytes[mdf::MAGIC.size()] != 0) {
        return MeasurementStatus::Corrupt;
    }
    h->formatVersion = GetU32LE(bytes, mdf::HEADER_FORMAT_VERSION);
    h->headerSize = GetU32LE(bytes, mdf::HEADER_HEADER_SIZE);
    h->frameSize = GetU32LE(bytes, mdf::HEADER_FRAME_SIZE);
    h->datasetCount = GetU32LE(bytes, mdf::HEADER_DATASET_COUNT);
    h->day = GetU32LE(bytes, mdf::HEADER_DAY);
    h->month = GetU32LE(bytes, mdf::HEADER_MONTH);
    h->year = GetU32LE(bytes, mdf::HEADER_YEAR);
    h->hour = GetU32LE(bytes, mdf::HEADER_HOUR);
    h->minute = GetU32LE(bytes, mdf::HEADER_MINUTE);
    h->second = GetU32LE(bytes, mdf::HEADER_SECOND);
    h->SetFileSize(static_cast<std::uint32_t>(mdf::HEADER_SIZE));
    h->RawPayload() = std::move(bytes);

    if (h->headerSize < mdf::HEADER_SIZE)
        return MeasurementStatus::Corrupt;
    // Seeking past the end succeeds on Linux, so the extra header bytes must exist.
    const std::uint64_t extra = h->headerSize - mdf::HEADER_SIZE;
    if (extra > m_file.Size() - m_pos)
        return MeasurementStatus::Corrupt;
    m_pos += extra;

    if (h->formatVersion == mdf::FORMAT_VERSION_OLD)
        m_oldFormatDatasetsLeft = h->datasetCount;
    return MeasurementStatus::Ok;
}

bool DescriptionReader::ReadBytes(std::uint64_t count, std::vector<std::uint8_t>& out) {
    if (m_pos > m_file.Size() || count > m_file.Size() - m_pos)
        return false;
    if (!m_file.ReadBlock(m_pos, static_cast<std::size_t>(count), out))
        return false;
    m_pos += count;
    return true;
}

bool DescriptionReader::ReadHead(ElementHead& head) {
    std::vector<std::uint8_t> bytes;
    if (!ReadBytes(mdf::HEAD_SIZE, bytes))
        return false;
    head.kind = GetU32LE(bytes, mdf::HEAD_KIND);
    head.size = GetU32LE(bytes, mdf::HEAD_SIZE_FIELD);
    head.version = GetU32LE(bytes, mdf::HEAD_VERSION);
    return true;
}

MeasurementStatus DescriptionReader::ReadElements() {
    ElementHead head;
    while (ReadHead(head)) {
        if (head.size < mdf::HEAD_SIZE || static_cast<std::int32_t>(head.version) <= 0)
            break;
        const std::uint64_t elementEnd = m_pos + (head.size - mdf::HEAD_SIZE);
        const ElementOutcome outcome = ReadElement(head);
        if (outcome == ElementOutcome::CORRUPT)
            return MeasurementStatus::Corrupt;
        if (outcome == ElementOutcome::END)
            break;
        // Skip what the element holds beyond the part that was read; an element that
        // reaches past the end of the file ends the loop.
        if (elementEnd > m_file.Size())
            break;
        m_pos = elementEnd;
    }
    return MeasurementStatus::Ok;
}

ElementOutcome DescriptionReader::ReadElement(const ElementHead& head) {
    std::uint32_t kind = head.kind;
    if (kind == ELEMENT_DATA_FILE && m_oldFormatDatasetsLeft > 0) {
        // Files of the old format store their first datasets under kind 1.
        --m_oldFormatDatasetsLeft;
        kind = ELEMENT_DATASET;
    }
    const mdf::ElementLayout* layout = mdf::LayoutOf(kind);
    if (layout == nullptr || head.size < layout->minSize)
        return ElementOutcome::NEXT;

    std::unique_ptr<Element> element;
    const ElementOutcome outcome = ReadKnown(kind, *layout, head, element);
    if (outcome != ElementOutcome::NEXT)
        return outcome;
    if (element) {
        element->SetVersion(head.version);
        element->SetFileSize(head.size);
        m_description.Append(std::move(element));
    }
    return ElementOutcome::NEXT;
}

ElementOutcome DescriptionReader::ReadKnown(std::uint32_t kind, const mdf::ElementLayout& layout,
                                            const ElementHead& head,
                                            std::unique_ptr<Element>& element) {
    const std::uint64_t payloadStart = m_pos;
    const std::uint64_t payloadSize = head.size - mdf::HEAD_SIZE;
    if (kind == ELEMENT_EMBEDDED_DATA) {
        auto embedded = std::make_unique<EmbeddedDataElement>();
        embedded->dataPosition = payloadStart;
        embedded->dataSize = payloadSize;
        element = std::move(embedded);
        return ElementOutcome::NEXT;
    }

    std::vector<std::uint8_t> fixed;
    if (!ReadBytes(layout.fixedPayload, fixed))
        return ElementOutcome::END;
    // Bytes of the element left after its fixed part; minimum sizes guarantee the fixed
    // part lies inside the element.
    const std::uint64_t variableRoom = payloadSize - layout.fixedPayload;

    switch (kind) {
        case ELEMENT_DATA_FILE:
            element = MakeDataFile(fixed);
            break;
        case ELEMENT_TIME_BASE_OLD:
            element = MakeSegmentFromTimeBase(fixed);
            break;
        case ELEMENT_TIME_SEGMENT:
            element = MakeSegment(fixed);
            break;
        case ELEMENT_RESERVED_10:
        case ELEMENT_RESERVED_70: {
            auto reserved = std::make_unique<ReservedElement>(kind);
            reserved->RawPayload() = std::move(fixed);
            element = std::move(reserved);
            break;
        }
        case ELEMENT_RANGE_NAME: {
            auto name = std::make_unique<RangeNameElement>();
            name->rangeNumber = GetU32LE(fixed, mdf::RANGE_NAME_NUMBER);
            name->name = GetText(fixed, mdf::RANGE_NAME_NAME);
            name->comment = GetText(fixed, mdf::RANGE_NAME_COMMENT);
            name->RawPayload() = std::move(fixed);
            element = std::move(name);
            break;
        }
        case ELEMENT_RANGE: {
            auto range = std::make_unique<RangeElement>();
            range->rangeNumber = GetU32LE(fixed, mdf::RANGE_NUMBER);
            range->startFrame = GetU32LE(fixed, mdf::RANGE_START_FRAME);
            range->stopFrame = GetU32LE(fixed, mdf::RANGE_STOP_FRAME);
            range->startDateTime = GetU32LE(fixed, mdf::RANGE_START);
            range->endDateTime = GetU32LE(fixed, mdf::RANGE_END);
            range->RawPayload() = std::move(fixed);
            element = std::move(range);
            break;
        }
        case ELEMENT_SPOT: {
            auto spot = std::make_unique<SpotElement>();
            spot->rangeNumber = GetU32LE(fixed, mdf::SPOT_NUMBER);
            spot->frame = GetU32LE(fixed, mdf::SPOT_FRAME);
            spot->dateTime = GetU32LE(fixed, mdf::SPOT_DATE_TIME);
            spot->RawPayload() = std::move(fixed);
            element = std::move(spot);
            break;
        }
        case ELEMENT_PARAMETER:
        case ELEMENT_RANGE_PARAMETER: {
            const bool ofRange = kind == ELEMENT_RANGE_PARAMETER;
            const std::uint32_t length =
                GetU32LE(fixed, ofRange ? mdf::RANGE_PARAMETER_LENGTH : mdf::PARAMETER_LENGTH);
            if (length > variableRoom)
                return ElementOutcome::NEXT;  // discarded
            auto parameter = std::make_unique<ParameterElement>(kind);
            if (!ReadBytes(length, parameter->data))
                return ElementOutcome::END;
            if (ofRange) {
                parameter->parameterNumber = GetU32LE(fixed, mdf::RANGE_PARAMETER_NUMBER);
                parameter->rangeNumber = GetU32LE(fixed, mdf::RANGE_PARAMETER_RANGE);
                parameter->valueType = GetU32LE(fixed, mdf::RANGE_PARAMETER_VALUE_TYPE);
            } else {
                parameter->parameterNumber = GetU32LE(fixed, mdf::PARAMETER_NUMBER);
                parameter->frame = GetU32LE(fixed, mdf::PARAMETER_FRAME);
                parameter->valueType = GetU32LE(fixed, mdf::PARAMETER_VALUE_TYPE);
            }
            parameter->RawPayload() = std::move(fixed);
            element = std::move(parameter);
            break;
        }
        case ELEMENT_COMMENT: {
            const std::uint32_t length = GetU32LE(fixed, mdf::COMMENT_LENGTH);
            // A text longer than its element would be read into the next elements.
            if (length > variableRoom)
                return ElementOutcome::CORRUPT;
            std::vector<std::uint8_t> text;
            if (!ReadBytes(length, text))
                return ElementOutcome::END;
            auto comment = std::make_unique<CommentElement>();
            comment->text = GetText(text, Field{0, text.size()});
            comment->RawPayload() = std::move(fixed);
            element = std::move(comment);
            break;
        }
        case ELEMENT_DATASET:
        case ELEMENT_DATASET_EXTENDED:
        case ELEMENT_DATASET_LIST: {
            std::unique_ptr<Dataset> dataset = MakeDataset(kind, fixed);
            if (kind == ELEMENT_DATASET) {
                // Only little-endian numeric values that lie inside the frame can be shown.
                if (!dataset->FitsFrame(m_description.Header()->frameSize))
                    return ElementOutcome::NEXT;
            } else {
                const auto record = fixed.begin() + mdf::DATASET_RECORD_SIZE;
                const auto block = record + mdf::DATASET_EXTENSION_BYTES;
                dataset->extension.assign(record, block);
                if (kind == ELEMENT_DATASET_LIST) {
                    dataset->listBlock.assign(block, fixed.end());
                    const std::uint64_t records = GetU32LE(dataset->listBlock, Field{0, 4});
                    const std::uint64_t bytes = records * mdf::DATASET_LIST_RECORD_BYTES;
                    if (bytes > variableRoom)
                        return ElementOutcome::CORRUPT;
                    if (!ReadBytes(bytes, dataset->listRecords))
                        return ElementOutcome::END;
                }
            }
            element = std::move(dataset);
            break;
        }
        default:
            break;
    }
    return ElementOutcome::NEXT;
}

std::unique_ptr<Element> DescriptionReader::MakeDataFile(std::span<const std::uint8_t> p) const {
    auto file = std::make_unique<DataFileElement>();
    file->fileNumber = GetU32LE(p, mdf::DATA_FILE_NUMBER);
    file->reserved = GetU32LE(p, mdf::DATA_FILE_RESERVED);
    file->fileName = GetText(p, mdf::DATA_FILE_NAME);
    file->dataOffset = GetU32LE(p, mdf::DATA_FILE_DATA_OFFSET);
    file->fullPath = FindDataFile(m_folder, file->fileName);
    file->RawPayload().assign(p.begin(), p.end());
    return file;
}

std::unique_ptr<Element> DescriptionReader::MakeSegmentFromTimeBase(
    std::span<const std::uint8_t> p) {
    auto segment = std::make_unique<TimeSegmentElement>();
    segment->dataFileNumber = GetU32LE(p, mdf::TIME_BASE_FILE_NUMBER);
    segment->segmentNumber = GetU32LE(p, mdf::TIME_BASE_SEGMENT_NUMBER);
    segment->frameCount = GetU32LE(p, mdf::TIME_BASE_FRAME_COUNT);
    segment->firstFrameInFile = GetU32LE(p, mdf::TIME_BASE_FIRST_FRAME);
    segment->startDateTime = GetU32LE(p, mdf::TIME_BASE_START);
    segment->endDateTime = GetU32LE(p, mdf::TIME_BASE_END);
    const double rate = GetF64LE(p, mdf::TIME_BASE_SAMPLE_RATE);
    segment->sampleStep = rate != 0.0 ? 1.0 / rate : std::numeric_limits<double>::infinity();
    segment->carrierFactor = 1.0;
    segment->carrierOffset = 0.0;
    segment->carrierName = mdf::DEFAULT_CARRIER_NAME;
    segment->carrierUnit = mdf::DEFAULT_CARRIER_UNIT;
    // Written back as a time segment: the sevens as the format has them, other words 0.
    segment->RawPayload() = mdf::DefaultPayload(ELEMENT_TIME_SEGMENT);
    PutU32LE(segment->RawPayload(), mdf::SEGMENT_ONE, 0);
    return segment;
}

std::unique_ptr<Element> DescriptionReader::MakeSegment(std::span<const std::uint8_t> p) {
    auto segment = std::make_unique<TimeSegmentElement>();
    segment->dataFileNumber = GetU32LE(p, mdf::SEGMENT_FILE_NUMBER);
    segment->segmentNumber = GetU32LE(p, mdf::SEGMENT_NUMBER);
    segment->frameCount = GetU32LE(p, mdf::SEGMENT_FRAME_COUNT);
    segment->firstFrameInFile = GetU32LE(p, mdf::SEGMENT_FIRST_FRAME);
    segment->carrierFactor = GetF64LE(p, mdf::SEGMENT_CARRIER_FACTOR);
    segment->carrierOffset = GetF64LE(p, mdf::SEGMENT_CARRIER_OFFSET);
    segment->sampleStep = GetF64LE(p, mdf::SEGMENT_SAMPLE_STEP);
    segment->carrierName = GetText(p, mdf::SEGMENT_CARRIER_NAME);
    segment->carrierUnit = GetText(p, mdf::SEGMENT_CARRIER_UNIT);
    segment->startDateTime = GetU32LE(p, mdf::SEGMENT_START);
    segment->endDateTime = GetU32LE(p, mdf::SEGMENT_END);
    segment->RawPayload().assign(p.begin(), p.end());
    return segment;
}

std::unique_ptr<Dataset> DescriptionReader::MakeDataset(std::uint32_t kind,
                                                        std::span<const std::uint8_t> p) const {
    const std::span<const std::uint8_t> record = p.first(mdf::DATASET_RECORD_SIZE);
    auto dataset = std::make_unique<Dataset>(kind);
    dataset->number = GetU32LE(record, mdf::DATASET_NUMBER);
    dataset->name = GetText(record, mdf::DATASET_NAME);
    dataset->label = GetText(record, mdf::DATASET_LABEL);
    dataset->unit = GetText(record, mdf::DATASET_UNIT);
    dataset->dataType = GetU32LE(record, mdf::DATASET_DATA_TYPE);
    dataset->dataMask = GetU32LE(record, mdf::DATASET_DATA_MASK);
    dataset->factor = GetF64LE(record, mdf::DATASET_FACTOR);
    dataset->offset = GetF64LE(record, mdf::DATASET_OFFSET);
    dataset->frameOffset = GetU32LE(record, mdf::DATASET_FRAME_OFFSET);
    dataset->valuesPerFrame = GetU32LE(record, mdf::DATASET_VALUES_PER_FRAME);
    dataset->effectiveFrameOffset = dataset->frameOffset;
    dataset->Normalise();
    dataset->RawPayload().assign(record.begin(), record.end());
    return dataset;
}

// The embedded-data rule: a description whose single segment lies in an embedded block
// of the description file itself refers to that file, whatever name it stores.
void ReferToEmbeddedData(MeasurementDescription& description) {
    const HeaderElement& header = *description.Header();
    const std::vector<TimeSegmentElement*> segments = description.TimeSegments();
    const std::vector<DataFileElement*> files = description.DataFiles();
    std::vector<const EmbeddedDataElement*> embedded;
    for (const auto& e : description.Elements()) {
        if (e->Kind() == ELEMENT_EMBEDDED_DATA) {
            embedded.push_back(static_cast<const EmbeddedDataElement*>(e.get()));
        }
    }
    if (segments.size() != 1 || files.size() != 1 || embedded.size() != 1)
        return;
    DataFileElement& file = *files.front();
    if (file.fileName == header.fileName)
        return;
    if (file.dataOffset != embedded.front()->dataPosition)
        return;
    // Both factors are below 2^32, so the product fits 64 bits.
    const std::uint64_t needed = std::uint64_t(header.frameSize) * segments.front()->frameCount;
    if (embedded.front()->dataSize < needed)
        return;
    file.fileName = TruncateCharacters(header.fileName, DATA_FILE_NAME_CHARS);
    // The path names the description file itself even when its name had to be cut.
    file.fullPath = header.filePath;
}

}  // namespace

bool IsMdfFile(const BinaryFileReader& file) {
    std::uint8_t probe[mdf::PROBE_SIZE] = {};
    const std::size_t got = file.ReadSomeAt(0, probe);
    return got >= mdf::MAGIC.size() &&
           std::memcmp(probe, mdf::MAGIC.data(), mdf::MAGIC.size()) == 0;
}

bool IsMdfFile(const std::string& path) {
    BinaryFileReader file;
    return file.Open(path) && IsMdfFile(file);
}

MeasurementStatus ReadMdfDescription(const std::string& path, MeasurementDescription& description) {
    BinaryFileReader file;
    if (path.empty() || !file.Open(path))
        return MeasurementStatus::NoInput;
    if (!IsMdfFile(file))
        return MeasurementStatus::NotMdf;

    std::error_code error;
    std::filesystem::path fullPath = std::filesystem::absolute(path, error);
    if (error)
        fullPath = path;
    const std::string folder = fullPath.parent_path().string();

    description.Clear();
    DescriptionReader reader(file, description, folder);
    MeasurementStatus status = reader.ReadHeader(fullPath.filename().string(), fullPath.string());
    if (status == MeasurementStatus::Ok)
        status = reader.ReadElements();
    if (status != MeasurementStatus::Ok) {
        description.Clear();
        return status;
    }

    HeaderElement& header = *description.Header();
    header.effectiveFrameSize = header.frameSize;
    ReferToEmbeddedData(description);
    if (header.counters.datasets100 == 0)
        return MeasurementStatus::NoDataset;
    if (header.counters.timeSegments == 0)
        return MeasurementStatus::NoTimeBase;
    return MeasurementStatus::Ok;
}

}  // namespace grafyon
