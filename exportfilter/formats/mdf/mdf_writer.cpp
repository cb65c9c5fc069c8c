// The MDF format's run.
#include "mdf_writer.h"

#include <algorithm>
#include <vector>

#include "common/mdf_fields.h"
#include "common/packed_date_time.h"
#include "exportfilter/engine/channel_descriptors.h"
#include "exportfilter/engine/path_text.h"
#include "mdf_channel_def.h"

namespace grafyon::exportfilter {

namespace {

constexpr std::uint32_t DATASET_SIZE = 208;
constexpr std::uint32_t DATA_FILE_SIZE = 152;
constexpr std::uint32_t TIME_BASE_SIZE = 56;
constexpr std::uint32_t DATA_TYPE_FLOAT = 9;
constexpr std::uint32_t FULL_MASK = 0xFFFFFFFF;

// An element of the given size with its head; the payload's fields are placed relative to
// the end of the head.
class ElementBytes {
public:
    ElementBytes(std::uint32_t kind, std::uint32_t size, std::uint32_t version) : m_bytes(size, 0) {
        PutU32LE(m_bytes, mdf::HEAD_KIND, kind);
        PutU32LE(m_bytes, mdf::HEAD_SIZE_FIELD, size);
        PutU32LE(m_bytes, mdf::HEAD_VERSION, version);
    }
    std::span<std::uint8_t> Payload() { return std::span(m_bytes).subspan(mdf::HEAD_SIZE); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

std::vector<std::uint8_t> Header(std::uint32_t channels, std::uint32_t packedTime) {
    std::vector<std::uint8_t> header(mdf::HEADER_SIZE, 0);
    std::copy(mdf::MAGIC.begin(), mdf::MAGIC.end(), header.begin());
    PutU32LE(header, mdf::HEADER_FORMAT_VERSION, mdf::FORMAT_VERSION);
    PutU32LE(header, mdf::HEADER_RESERVED_24, 1);
    PutU32LE(header, mdf::HEADER_HEADER_SIZE, mdf::HEADER_SIZE);
    PutU32LE(header, mdf::HEADER_RESERVED_36, 1);
    PutU32LE(header, mdf::HEADER_FRAME_SIZE, 4 * channels);
    PutU32LE(header, mdf::HEADER_DATASET_COUNT, channels);
    // The header's date is the packed one unpacked, so that both say the same.
    const DateTimeParts time = UnpackDateTime(packedTime);
    PutU32LE(header, mdf::HEADER_DAY, static_cast<std::uint32_t>(time.day));
    PutU32LE(header, mdf::HEADER_MONTH, static_cast<std::uint32_t>(time.month));
    PutU32LE(header, mdf::HEADER_YEAR, static_cast<std::uint32_t>(time.year));
    PutU32LE(header, mdf::HEADER_HOUR, static_cast<std::uint32_t>(time.hour));
    PutU32LE(header, mdf::HEADER_MINUTE, static_cast<std::uint32_t>(time.minute));
    PutU32LE(header, mdf::HEADER_SECOND, static_cast<std::uint32_t>(time.second));
    return header;
}

}  // namespace

void MdfRunWriter::WriteDescription(QuenarRun& run, QuenarOutputFile& out, std::uint32_t frames) {
    const std::uint32_t packedTime = PackedExportTime();
    const auto count = static_cast<std::uint32_t>(Channels().size());
    out.Bytes(Header(count, packedTime));

    std::uint32_t index = 0;
    for (const Channel& channel : Channels()) {
        const auto* definition = dynamic_cast<const CQuenarChannelDefMdf*>(channel.definition);
        const ChannelDescriptors descriptors =
            definition != nullptr ? definition->descriptors : ChannelDescriptors{};
        const ChannelCalibration calibration =
            DescribedCalibration(*channel.definition, *channel.record);
        ElementBytes element(ELEMENT_DATASET, DATASET_SIZE, ELEMENT_VERSION_2);
        const std::span<std::uint8_t> p = element.Payload();
        PutU32LE(p, mdf::DATASET_NUMBER, index);
        PutText(p, mdf::DATASET_NAME, descriptors.Name(*channel.record), TextFill::ZeroFull);
        PutText(p, mdf::DATASET_LABEL, descriptors.Comment(*channel.record), TextFill::ZeroFull);
        PutText(p, mdf::DATASET_UNIT, calibration.unit, TextFill::ZeroFull);
        PutU32LE(p, mdf::DATASET_DATA_TYPE, DATA_TYPE_FLOAT);
        PutU32LE(p, mdf::DATASET_DATA_MASK, FULL_MASK);
        PutF64LE(p, mdf::DATASET_FACTOR, calibration.factor);
        PutF64LE(p, mdf::DATASET_OFFSET, calibration.offset);
        PutU32LE(p, mdf::DATASET_FRAME_OFFSET, 4 * index);
        PutU32LE(p, mdf::DATASET_VALUES_PER_FRAME, 1);
        out.Bytes(element.Bytes());
        ++index;
    }

    ElementBytes dataFile(ELEMENT_DATA_FILE, DATA_FILE_SIZE, ELEMENT_VERSION_1);
    const std::span<std::uint8_t> d = dataFile.Payload();
    PutU32LE(d, mdf::DATA_FILE_NUMBER, 1);
    const PathParts dataName = SplitPath(run.Records().front()->dataFileName);
    // Naming refused names that do not fit, so nothing is cut here.
    PutText(d, mdf::DATA_FILE_NAME, dataName.name + dataName.extension, TextFill::ZeroFull);
    PutU32LE(d, mdf::DATA_FILE_DATA_OFFSET, 0);
    out.Bytes(dataFile.Bytes());

    ElementBytes timeBase(ELEMENT_TIME_BASE_OLD, TIME_BASE_SIZE, ELEMENT_VERSION_1);
    const std::span<std::uint8_t> t = timeBase.Payload();
    PutU32LE(t, mdf::TIME_BASE_FILE_NUMBER, 1);
    PutU32LE(t, mdf::TIME_BASE_SEGMENT_NUMBER, 1);
    PutU32LE(t, mdf::TIME_BASE_FRAME_COUNT, frames);
    PutU32LE(t, mdf::TIME_BASE_FIRST_FRAME, 0);
    PutU32LE(t, mdf::TIME_BASE_START, packedTime);
    PutU32LE(t, mdf::TIME_BASE_END, packedTime);
    const double interval = FrameInterval(run);
    PutF64LE(t, mdf::TIME_BASE_SAMPLE_RATE, interval > 0.0 ? 1.0 / interval : 0.0);
    out.Bytes(timeBase.Bytes());
}

}  // namespace grafyon::exportfilter
