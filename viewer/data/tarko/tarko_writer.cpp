// The TARKO header file writer.
#include "tarko_writer.h"

#include <limits>

#include "common/binary_file.h"

namespace grafyon {

bool EncodeTarkoHeaderFile(const tarko::HeaderRecord& header,
                           const std::vector<tarko::ChannelRecord>& channels, ByteWriter& out) {
    if (channels.size() > std::numeric_limits<std::uint32_t>::max())
        return false;
    const auto count = static_cast<std::uint32_t>(channels.size());
    tarko::HeaderRecord counted = header;
    counted.channelCount = count;
    tarko::EncodeHeader(counted, out);
    for (const tarko::ChannelRecord& channel : channels)
        tarko::EncodeChannel(channel, count, header.frameCount, out);
    return true;
}

int WriteTarkoHeaderFile(const std::string& path, const tarko::HeaderRecord& header,
                         const std::vector<tarko::ChannelRecord>& channels) {
    ByteWriter bytes;
    if (!EncodeTarkoHeaderFile(header, channels, bytes))
        return TARKO_WRITE_DOES_NOT_FIT;
    BinaryFileWriter out;
    if (!out.Create(path))
        return TARKO_WRITE_CANNOT_CREATE;
    const bool written = out.Write(bytes.Bytes());
    return out.Close() && written ? TARKO_WRITE_OK : TARKO_WRITE_FAILED;
}

}  // namespace grafyon
