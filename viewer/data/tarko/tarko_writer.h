// Writing TARKO TKS header files: the header and one record per channel.
#pragma once

#include <string>
#include <vector>

#include "common/byte_order.h"
#include "viewer/data/tarko/tarko_layout.h"

namespace grafyon {

enum TarkoWriteStatus : int {
    TARKO_WRITE_OK = 0,
    TARKO_WRITE_CANNOT_CREATE = -1,  // the file cannot be created
    TARKO_WRITE_FAILED = -2,         // a write failed
    TARKO_WRITE_DOES_NOT_FIT = -3,   // more channels than the 32-bit count holds
};

// The header with its channel count set to the number of channels, then each channel's
// record carrying that count and the header's frame count. False (nothing appended) when
// the channels do not fit the count.
bool EncodeTarkoHeaderFile(const tarko::HeaderRecord& header,
                           const std::vector<tarko::ChannelRecord>& channels, ByteWriter& out);

// Creates (or truncates) the file at path and writes the header file into it.
int WriteTarkoHeaderFile(const std::string& path, const tarko::HeaderRecord& header,
                         const std::vector<tarko::ChannelRecord>& channels);

}  // namespace grafyon
