// The MDF description writer: header, element heads and payloads.
#include "mdf_writer.h"

#include <algorithm>
#include <limits>

#include "common/codec_1252.h"
#include "viewer/data/mdf_layout.h"

namespace grafyon {

namespace {

constexpr std::size_t DATA_FILE_NAME_CHARS = 127;
constexpr std::size_t CARRIER_NAME_CHARS = 63;
constexpr std::size_t CARRIER_UNIT_CHARS = 31;
constexpr std::size_t RANGE_NAME_CHARS = 31;
constexpr std::size_t RANGE_COMMENT_CHARS = 127;
constexpr std::uint64_t U32_MAX = std::numeric_limits<std::uint32_t>::max();

// Texts are cut to a number of characters first: the fields hold one byte each.
void PutCutText(std::vector<std::uint8_t>& bytes, Field field, const std::string& utf8,
                std::size_t maxChars) {
    PutText(bytes, field, TruncateCharacters(utf8, maxChars));
}

// The fixed payload to write: the element's own bytes when they have the layout's
// size, otherwise what a newly made element of the kind holds.
std::vector<std::uint8_t> BasePayload(const Element& element, std::size_t size) {
    const std::vector<std::uint8_t>& raw = element.RawPayload();
    if (raw.size() == size)
        return raw;
    std::vector<std::uint8_t> base = mdf::DefaultPayload(element.Kind());
    base.resize(size, 0);
    return base;
}

std::vector<std::uint8_t> Resized(const std::vector<std::uint8_t>& bytes, std::size_t size) {
    std::vector<std::uint8_t> result(bytes.begin(), bytes.begin() + std::min(bytes.size(), size));
    result.resize(size, 0);
    return result;
}

void PutDatasetRecord(const Dataset& d, std::vector<std::uint8_t>& p) {
    PutU32LE(p, mdf::DATASET_NUMBER, d.number);
    PutCutText(p, mdf::DATASET_NAME, d.name, DATASET_NAME_CHARS);
    PutCutText(p, mdf::DATASET_LABEL, d.label, DATASET_LABEL_CHARS);
    PutCutText(p, mdf::DATASET_UNIT, d.unit, DATASET_UNIT_CHARS);
    PutU32LE(p, mdf::DATASET_DATA_TYPE, d.dataType);
    PutU32LE(p, mdf::DATASET_DATA_MASK, d.dataMask);
    PutF64LE(p, mdf::DATASET_FACTOR, d.factor);
    PutF64LE(p, mdf::DATASET_OFFSET, d.offset);
    PutU32LE(p, mdf::DATASET_FRAME_OFFSET, d.frameOffset);
    PutU32LE(p, mdf::DATASET_VALUES_PER_FRAME, d.valuesPerFrame);
}

// Builds the payload of one element (without head); false when a value does not fit.
bool BuildPayload(const Element& element, std::vector<std::uint8_t>& payload) {
    const std::uint32_t kind = element.Kind();
    const mdf::ElementLayout* layout = mdf::LayoutOf(kind);
    switch (kind) {
        case ELEMENT_DATA_FILE: {
            const auto& f = static_cast<const DataFileElement&>(element);
            if (f.dataOffset > U32_MAX)
                return false;
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::DATA_FILE_NUMBER, f.fileNumber);
            PutU32LE(payload, mdf::DATA_FILE_RESERVED, f.reserved);
            PutCutText(payload, mdf::DATA_FILE_NAME, f.fileName, DATA_FILE_NAME_CHARS);
            PutU32LE(payload, mdf::DATA_FILE_DATA_OFFSET, static_cast<std::uint32_t>(f.dataOffset));
            return true;
        }
        case ELEMENT_TIME_SEGMENT: {
            const auto& s = static_cast<const TimeSegmentElement&>(element);
            if (s.frameCount > U32_MAX || s.firstFrameInFile > U32_MAX)
                return false;
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::SEGMENT_FILE_NUMBER, s.dataFileNumber);
            PutU32LE(payload, mdf::SEGMENT_NUMBER, s.segmentNumber);
            PutU32LE(payload, mdf::SEGMENT_FRAME_COUNT, static_cast<std::uint32_t>(s.frameCount));
            PutU32LE(payload, mdf::SEGMENT_FIRST_FRAME,
                     static_cast<std::uint32_t>(s.firstFrameInFile));
            PutF64LE(payload, mdf::SEGMENT_CARRIER_FACTOR, s.carrierFactor);
            PutF64LE(payload, mdf::SEGMENT_CARRIER_OFFSET, s.carrierOffset);
            PutF64LE(payload, mdf::SEGMENT_SAMPLE_STEP, s.sampleStep);
            PutCutText(payload, mdf::SEGMENT_CARRIER_NAME, s.carrierName, CARRIER_NAME_CHARS);
            PutCutText(payload, mdf::SEGMENT_CARRIER_UNIT, s.carrierUnit, CARRIER_UNIT_CHARS);
            PutU32LE(payload, mdf::SEGMENT_START, s.startDateTime);
            PutU32LE(payload, mdf::SEGMENT_END, s.endDateTime);
            return true;
        }
        case ELEMENT_RESERVED_10:
        case ELEMENT_RESERVED_70:
            payload = BasePayload(element, layout->fixedPayload);
            return true;
        case ELEMENT_RANGE_NAME: {
            const auto& r = static_cast<const RangeNameElement&>(element);
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::RANGE_NAME_NUMBER, r.rangeNumber);
            PutCutText(payload, mdf::RANGE_NAME_NAME, r.name, RANGE_NAME_CHARS);
            PutCutText(payload, mdf::RANGE_NAME_COMMENT, r.comment, RANGE_COMMENT_CHARS);
            return true;
        }
        case ELEMENT_RANGE: {
            const auto& r = static_cast<const RangeElement&>(element);
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::RANGE_NUMBER, r.rangeNumber);
            PutU32LE(payload, mdf::RANGE_START_FRAME, r.startFrame);
            PutU32LE(payload, mdf::RANGE_STOP_FRAME, r.stopFrame);
            PutU32LE(payload, mdf::RANGE_START, r.startDateTime);
            PutU32LE(payload, mdf::RANGE_END, r.endDateTime);
            return true;
        }
        case ELEMENT_SPOT: {
            const auto& s = static_cast<const SpotElement&>(element);
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::SPOT_NUMBER, s.rangeNumber);
            PutU32LE(payload, mdf::SPOT_FRAME, s.frame);
            PutU32LE(payload, mdf::SPOT_DATE_TIME, s.dateTime);
            return true;
        }
        case ELEMENT_PARAMETER:
        case ELEMENT_RANGE_PARAMETER: {
            const auto& p = static_cast<const ParameterElement&>(element);
            if (p.data.size() > U32_MAX - mdf::HEAD_SIZE - layout->fixedPayload)
                return false;
            const auto length = static_cast<std::uint32_t>(p.data.size());
            payload = BasePayload(element, layout->fixedPayload);
            if (kind == ELEMENT_PARAMETER) {
                PutU32LE(payload, mdf::PARAMETER_NUMBER, p.parameterNumber);
                PutU32LE(payload, mdf::PARAMETER_FRAME, p.frame);
                PutU32LE(payload, mdf::PARAMETER_VALUE_TYPE, p.valueType);
                PutU32LE(payload, mdf::PARAMETER_LENGTH, length);
            } else {
                PutU32LE(payload, mdf::RANGE_PARAMETER_NUMBER, p.parameterNumber);
                PutU32LE(payload, mdf::RANGE_PARAMETER_RANGE, p.rangeNumber);
                PutU32LE(payload, mdf::RANGE_PARAMETER_VALUE_TYPE, p.valueType);
                PutU32LE(payload, mdf::RANGE_PARAMETER_LENGTH, length);
            }
            payload.insert(payload.end(), p.data.begin(), p.data.end());
            return true;
        }
        case ELEMENT_COMMENT: {
            const auto& c = static_cast<const CommentElement&>(element);
            std::string text = Utf8ToCp1252(c.text);
            text.resize(std::min(text.size(), text.find('\0')));
            if (text.size() > U32_MAX - mdf::HEAD_SIZE - layout->fixedPayload - 1)
                return false;
            payload = BasePayload(element, layout->fixedPayload);
            PutU32LE(payload, mdf::COMMENT_LENGTH, static_cast<std::uint32_t>(text.size()));
            payload.insert(payload.end(), text.begin(), text.end());
            payload.push_back(0);
            return true;
        }
        case ELEMENT_DATASET:
        case ELEMENT_DATASET_EXTENDED:
        case ELEMENT_DATASET_LIST: {
            const auto& d = static_cast<const Dataset&>(element);
            payload = BasePayload(element, mdf::DATASET_RECORD_SIZE);
            PutDatasetRecord(d, payload);
            if (kind == ELEMENT_DATASET)
                return true;
            const std::vector<std::uint8_t> extension =
                Resized(d.extension, mdf::DATASET_EXTENSION_BYTES);
            payload.insert(payload.end(), extension.begin(), extension.end());
            if (kind == ELEMENT_DATASET_EXTENDED)
                return true;
            const std::size_t records = d.listRecords.size() / mdf::DATASET_LIST_RECORD_BYTES;
            if (d.listRecords.size() % mdf::DATASET_LIST_RECORD_BYTES != 0 ||
                d.listRecords.size() > U32_MAX - mdf::HEAD_SIZE - layout->fixedPayload) {
                return false;
            }
            std::vector<std::uint8_t> block = Resized(d.listBlock, mdf::DATASET_LIST_BLOCK_BYTES);
            PutU32LE(block, Field{0, 4}, static_cast<std::uint32_t>(records));
            payload.insert(payload.end(), block.begin(), block.end());
            payload.insert(payload.end(), d.listRecords.begin(), d.listRecords.end());
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

void EncodeMdfHeader(const HeaderElement& header, ByteWriter& out) {
    std::vector<std::uint8_t> bytes = BasePayload(header, mdf::HEADER_SIZE);
    if (!std::equal(mdf::MAGIC.begin(), mdf::MAGIC.end(), bytes.begin()) ||
        bytes[mdf::MAGIC.size()] != 0) {
        const std::vector<std::uint8_t> fresh = mdf::DefaultPayload(ELEMENT_HEADER);
        std::copy_n(fresh.begin(), mdf::HEADER_MAGIC.size, bytes.begin());
    }
    PutU32LE(bytes, mdf::HEADER_FORMAT_VERSION, mdf::FORMAT_VERSION);
    PutU32LE(bytes, mdf::HEADER_HEADER_SIZE, mdf::HEADER_SIZE);
    PutU32LE(bytes, mdf::HEADER_FRAME_SIZE, header.frameSize);
    PutU32LE(bytes, mdf::HEADER_DATASET_COUNT, header.datasetCount);
    PutU32LE(bytes, mdf::HEADER_DAY, header.day);
    PutU32LE(bytes, mdf::HEADER_MONTH, header.month);
    PutU32LE(bytes, mdf::HEADER_YEAR, header.year);
    PutU32LE(bytes, mdf::HEADER_HOUR, header.hour);
    PutU32LE(bytes, mdf::HEADER_MINUTE, header.minute);
    PutU32LE(bytes, mdf::HEADER_SECOND, header.second);
    out.Bytes(bytes);
}

MdfEncodeResult EncodeMdfElement(const Element& element, ByteWriter& out) {
    const mdf::ElementLayout* layout = mdf::LayoutOf(element.Kind());
    if (layout == nullptr || !layout->written)
        return MdfEncodeResult::NOT_WRITTEN;
    std::vector<std::uint8_t> payload;
    if (!BuildPayload(element, payload))
        return MdfEncodeResult::DOES_NOT_FIT;
    out.U32LE(element.Kind());
    out.U32LE(static_cast<std::uint32_t>(mdf::HEAD_SIZE + payload.size()));
    out.U32LE(element.Version());
    out.Bytes(payload);
    return MdfEncodeResult::WRITTEN;
}

int WriteMdfDescription(const MeasurementDescription& description, BinaryFileWriter& out) {
    const HeaderElement* header = description.Header();
    if (header == nullptr)
        return MDF_WRITE_FAILED;
    ByteWriter bytes;
    EncodeMdfHeader(*header, bytes);
    for (const auto& element : description.Elements()) {
        if (element.get() == header)
            continue;
        if (EncodeMdfElement(*element, bytes) == MdfEncodeResult::DOES_NOT_FIT) {
            return MDF_WRITE_DOES_NOT_FIT;
        }
        // Descriptions are small, but a long list of elements is flushed as it grows.
        if (bytes.Size() >= (1u << 20)) {
            if (!out.Write(bytes.Bytes()))
                return MDF_WRITE_FAILED;
            bytes.Clear();
        }
    }
    if (!out.Write(bytes.Bytes()))
        return MDF_WRITE_FAILED;
    return out.Flush() ? MDF_WRITE_OK : MDF_WRITE_FAILED;
}

int WriteMdfDescription(const MeasurementDescription& description, const std::string& path) {
    BinaryFileWriter out;
    if (!out.Create(path))
        return MDF_WRITE_CANNOT_CREATE;
    const int status = WriteMdfDescription(description, out);
    const bool closed = out.Close();
    if (status != MDF_WRITE_OK)
        return status;
    return closed ? MDF_WRITE_OK : MDF_WRITE_FAILED;
}

}  // namespace grafyon
