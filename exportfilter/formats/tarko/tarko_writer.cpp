// The Tarko format's run.
#include "tarko_writer.h"

#include "common/tarko_records.h"
#include "exportfilter/engine/channel_descriptors.h"
#include "exportfilter/engine/path_text.h"
#include "tarko_channel_def.h"

namespace grafyon::exportfilter {

namespace {

// The code the records carry; with storage form 2 every channel is a float anyway.
constexpr std::int32_t CHANNEL_TYPE_CODE = 32;

}  // namespace

void TarkoRunWriter::WriteDescription(QuenarRun& run, QuenarOutputFile& out, std::uint32_t frames) {
    const auto count = static_cast<std::uint32_t>(Channels().size());
    const CQuenarSelectItem& first = *run.Records().front();

    tarko::HeaderRecord header;
    header.channelCount = count;
    const PathParts dataName = SplitPath(first.dataFileName);
    // Naming refused names that do not fit, so nothing is cut here.
    header.dataFileName = dataName.name + dataName.extension;
    header.dataOffset = 0;
    header.storageForm = tarko::STORAGE_FLOAT;
    header.formatWord = tarko::FORMAT_WORD;
    header.frameSize = 4 * count;
    header.frameCount = frames;
    const DateTimeParts now = LocalExportTime();
    header.day = static_cast<std::uint32_t>(now.day);
    header.month = static_cast<std::uint32_t>(now.month);
    header.year = static_cast<std::uint32_t>(now.year);
    header.hour = static_cast<std::uint32_t>(now.hour);
    header.minute = static_cast<std::uint32_t>(now.minute);
    header.second = static_cast<std::uint32_t>(now.second);

    ByteWriter bytes;
    tarko::EncodeHeader(header, bytes);
    const auto interval = static_cast<float>(FrameInterval(run));
    std::uint32_t position = 0;
    for (const Channel& channel : Channels()) {
        const auto* definition = dynamic_cast<const CQuenarChannelDefTarko*>(channel.definition);
        const ChannelDescriptors descriptors =
            definition != nullptr ? definition->descriptors : ChannelDescriptors{};
        const ChannelCalibration calibration =
            DescribedCalibration(*channel.definition, *channel.record);
        tarko::ChannelRecord record;
        record.name = descriptors.Name(*channel.record);
        record.position = position++;
        record.typeCode = CHANNEL_TYPE_CODE;
        record.mask = 0xFFFFFFFF;
        record.label = descriptors.Comment(*channel.record);
        record.unit = calibration.unit;
        record.factor = static_cast<float>(calibration.factor);
        record.offset = static_cast<float>(calibration.offset);
        record.interval = interval;
        record.carrierName = first.carrierName;
        record.timeUnit = first.carrierUnit;
        tarko::EncodeChannel(record, count, frames, bytes);
    }
    out.Bytes(bytes.Bytes());
}

}  // namespace grafyon::exportfilter
