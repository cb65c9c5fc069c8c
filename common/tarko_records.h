// Byte layout of TARKO TKS header files and their records, shared by the viewer's reader and
// writer and the export writer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/byte_layout.h"
#include "common/byte_order.h"

namespace grafyon::tarko {

// All integers are 32-bit little-endian, reals 32-bit IEEE floats, texts Windows-1252 in
// fixed fields padded with blanks.

inline constexpr std::string_view SIGNATURE = "TARKO TKS 01.00";  // followed by a zero byte
inline constexpr std::size_t PROBE_SIZE = 16;                     // bytes that IsTarkoFile reads
inline constexpr std::uint32_t HEADER_SIZE = 256;                 // as the system writes it
inline constexpr std::uint32_t HEADER_SIZE_MIN = 228;             // what a reader needs
inline constexpr std::uint32_t CHANNEL_SIZE = 168;
inline constexpr std::size_t TEXT_LINES = 4;

// Header, at file offset 0.
inline constexpr Field HEADER_SIGNATURE{0, 16};
inline constexpr Field HEADER_HEADER_SIZE{16, 4};
inline constexpr Field HEADER_CHANNEL_SIZE{20, 4};
inline constexpr Field HEADER_CHANNEL_COUNT{24, 4};
inline constexpr Field HEADER_DATA_FILE{28, 32};
inline constexpr Field HEADER_DATA_OFFSET{60, 4};  // bytes before frame 0 in the data file
inline constexpr Field HEADER_STORAGE_FORM{64, 4};
inline constexpr Field HEADER_FORMAT_WORD{68, 4};
inline constexpr Field HEADER_RESERVED_72{72, 4};
inline constexpr Field HEADER_FRAME_SIZE{76, 4};
inline constexpr Field HEADER_FRAME_COUNT{80, 4};
inline constexpr Field HEADER_DAY{84, 4};
inline constexpr Field HEADER_MONTH{88, 4};
inline constexpr Field HEADER_YEAR{92, 4};
inline constexpr Field HEADER_HOUR{96, 4};
inline constexpr Field HEADER_MINUTE{100, 4};
inline constexpr Field HEADER_SECOND{104, 4};
inline constexpr std::array<Field, TEXT_LINES> HEADER_TEXT{Field{108, 40}, Field{148, 40},
                                                           Field{188, 20}, Field{208, 20}};

// Channel record, one per channel after the header, in channel order.
inline constexpr Field CHANNEL_NAME{0, 16};
inline constexpr Field CHANNEL_POSITION{16, 4};
inline constexpr Field CHANNEL_CHANNEL_COUNT{20, 4};  // written, not read
inline constexpr Field CHANNEL_TYPE{24, 4};
inline constexpr Field CHANNEL_MASK{28, 4};
inline constexpr Field CHANNEL_FRAME_COUNT{32, 4};  // written, not read
inline constexpr Field CHANNEL_RESERVED_36{36, 4};
inline constexpr Field CHANNEL_LABEL{40, 16};
inline constexpr Field CHANNEL_UNIT{56, 8};
inline constexpr Field CHANNEL_FACTOR{64, 4};
inline constexpr Field CHANNEL_OFFSET{68, 4};
inline constexpr Field CHANNEL_INTERVAL{80, 4};
inline constexpr Field CHANNEL_RESERVED_84{84, 4};
inline constexpr Field CHANNEL_CARRIER_NAME{88, 16};
inline constexpr Field CHANNEL_RESERVED_TEXT_104{104, 16};
inline constexpr Field CHANNEL_TIME_UNIT{120, 8};
inline constexpr Field CHANNEL_RESERVED_TEXT_128{128, 8};

// Storage form 2 stores every channel as a 32-bit float; any other value lets each
// channel's own type apply.
inline constexpr std::uint32_t STORAGE_FLOAT = 2;
inline constexpr std::uint32_t STORAGE_CHANNEL_TYPES = 1;
inline constexpr std::uint32_t FORMAT_WORD = 1;

enum ChannelCode : std::int32_t {
    CODE_BOOL16 = 1,
    CODE_USHORT = 12,
    CODE_SHORT = 16,
    CODE_LONG = 32,
    CODE_USHORT_NEGATIVE = -16,  // another spelling of USHORT
    CODE_FLOAT = -32,
};

struct HeaderRecord {
    std::uint32_t headerSize = HEADER_SIZE;
    std::uint32_t channelSize = CHANNEL_SIZE;
    std::uint32_t channelCount = 0;
    std::string dataFileName;  // UTF-8, without folder
    std::uint32_t dataOffset = 0;
    std::uint32_t storageForm = STORAGE_FLOAT;
    std::uint32_t formatWord = FORMAT_WORD;
    std::uint32_t frameSize = 0;
    std::uint32_t frameCount = 0;
    std::uint32_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    std::array<std::string, TEXT_LINES> textLines;
};

struct ChannelRecord {
    std::string name;  // UTF-8 texts
    std::uint32_t position = 0;
    std::int32_t typeCode = CODE_SHORT;
    std::uint32_t mask = 0xFFFFFFFF;
    std::string label;
    std::string unit;
    float factor = 1.0f;
    float offset = 0.0f;
    float interval = 1.0f;  // sample interval in timeUnit
    std::string carrierName;
    std::string timeUnit;
};

// True when the bytes begin with the first 15 bytes of the signature.
bool HasSignature(std::span<const std::uint8_t> bytes);

// Decode the fields of a record; a field not wholly inside the bytes reads as 0 or empty.
// Texts end at a zero byte or the end of their field and lose their trailing blanks.
HeaderRecord DecodeHeader(std::span<const std::uint8_t> bytes);
ChannelRecord DecodeChannel(std::span<const std::uint8_t> bytes);

// Append exactly HEADER_SIZE or CHANNEL_SIZE bytes, whatever the size words of the
// record say. Texts are cut to their fields and padded with blanks; reserved fields get
// the values the system writes.
void EncodeHeader(const HeaderRecord& header, ByteWriter& out);
void EncodeChannel(const ChannelRecord& channel, std::uint32_t channelCount,
                   std::uint32_t frameCount, ByteWriter& out);

}  // namespace grafyon::tarko
