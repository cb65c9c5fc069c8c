// Byte layout of MDF description files: element kinds and versions, and the fields of the
// header and of each element. The viewer's reader and writer and the export writer share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/byte_layout.h"

namespace grafyon {

enum ElementKind : std::uint32_t {
    ELEMENT_HEADER = 0,
    ELEMENT_DATA_FILE = 1,
    ELEMENT_TIME_BASE_OLD = 2,  // only in files; read as a time segment
    ELEMENT_TIME_SEGMENT = 3,
    ELEMENT_RESERVED_10 = 10,
    ELEMENT_RANGE_NAME = 20,
    ELEMENT_RANGE = 21,
    ELEMENT_SPOT = 22,
    ELEMENT_RESERVED_70 = 70,
    ELEMENT_PARAMETER = 80,
    ELEMENT_RANGE_PARAMETER = 81,
    ELEMENT_COMMENT = 90,
    ELEMENT_DATASET = 100,
    ELEMENT_DATASET_EXTENDED = 101,
    ELEMENT_DATASET_LIST = 110,
    ELEMENT_EMBEDDED_DATA = 1000
};

inline constexpr std::uint32_t ELEMENT_VERSION_1 = 0x00010001;
inline constexpr std::uint32_t ELEMENT_VERSION_2 = 0x00020001;

}  // namespace grafyon

namespace grafyon::mdf {

// All integers are 32-bit little-endian, doubles 64-bit little-endian, texts 8-bit
// Windows-1252 in fixed fields, zero-terminated when shorter and zero-padded.

// File header, at file offset 0.
inline constexpr std::string_view MAGIC = "MDF_BINARY\r\n";  // the magic's first 12 bytes
inline constexpr std::size_t MAGIC_CHECKED = 13;             // ... followed by a zero byte
inline constexpr std::size_t PROBE_SIZE = 32;                // bytes that IsMdfFile reads
inline constexpr std::size_t HEADER_SIZE = 72;
inline constexpr Field HEADER_MAGIC{0, 16};
inline constexpr Field HEADER_FORMAT_VERSION{16, 4};
inline constexpr Field HEADER_RESERVED_20{20, 4};
inline constexpr Field HEADER_RESERVED_24{24, 4};
inline constexpr Field HEADER_HEADER_SIZE{28, 4};
inline constexpr Field HEADER_RESERVED_32{32, 4};
inline constexpr Field HEADER_RESERVED_36{36, 4};
inline constexpr Field HEADER_FRAME_SIZE{40, 4};
inline constexpr Field HEADER_DATASET_COUNT{44, 4};
inline constexpr Field HEADER_DAY{48, 4};
inline constexpr Field HEADER_MONTH{52, 4};
inline constexpr Field HEADER_YEAR{56, 4};
inline constexpr Field HEADER_HOUR{60, 4};
inline constexpr Field HEADER_MINUTE{64, 4};
inline constexpr Field HEADER_SECOND{68, 4};

// Carrier name and unit of a time segment that a file does not name (an old time-base
// element, a TARKO header).
inline constexpr const char* DEFAULT_CARRIER_NAME = "Time";
inline constexpr const char* DEFAULT_CARRIER_UNIT = "sec";

inline constexpr std::uint32_t FORMAT_VERSION_OLD = 0x00010001;  // datasets stored as kind 1
inline constexpr std::uint32_t FORMAT_VERSION = 0x00020001;

// Element head, in front of every element: kind, size (head included), version.
inline constexpr std::size_t HEAD_SIZE = 12;
inline constexpr Field HEAD_KIND{0, 4};
inline constexpr Field HEAD_SIZE_FIELD{4, 4};
inline constexpr Field HEAD_VERSION{8, 4};

// Payload fields below are offsets from the end of the head.

// Kind 1: data file.
inline constexpr Field DATA_FILE_NUMBER{0, 4};
inline constexpr Field DATA_FILE_RESERVED{4, 4};
inline constexpr Field DATA_FILE_NAME{8, 128};
inline constexpr Field DATA_FILE_DATA_OFFSET{136, 4};

// Kind 2: old time base, read as a time segment.
inline constexpr Field TIME_BASE_FILE_NUMBER{0, 4};
inline constexpr Field TIME_BASE_SEGMENT_NUMBER{4, 4};
inline constexpr Field TIME_BASE_FRAME_COUNT{8, 4};
inline constexpr Field TIME_BASE_FIRST_FRAME{12, 4};
inline constexpr Field TIME_BASE_START{16, 4};
inline constexpr Field TIME_BASE_END{20, 4};
inline constexpr Field TIME_BASE_SAMPLE_RATE{24, 8};

// Kind 3: time segment. The carrier unit ends where the date-times begin.
inline constexpr Field SEGMENT_FILE_NUMBER{0, 4};
inline constexpr Field SEGMENT_NUMBER{4, 4};
inline constexpr Field SEGMENT_FRAME_COUNT{12, 4};
inline constexpr Field SEGMENT_FIRST_FRAME{16, 4};
inline constexpr Field SEGMENT_ONE{20, 4};
inline constexpr Field SEGMENT_SEVENS{32, 7};
inline constexpr Field SEGMENT_CARRIER_FACTOR{64, 8};
inline constexpr Field SEGMENT_CARRIER_OFFSET{72, 8};
inline constexpr Field SEGMENT_SAMPLE_STEP{80, 8};
inline constexpr Field SEGMENT_CARRIER_NAME{88, 64};
inline constexpr Field SEGMENT_CARRIER_UNIT{152, 32};
inline constexpr Field SEGMENT_START{184, 4};
inline constexpr Field SEGMENT_END{188, 4};

// Kinds 100, 101, 110: dataset record; 101 and 110 append an extension, 110 then a
// block whose first word counts the list records that follow it.
inline constexpr std::size_t DATASET_RECORD_SIZE = 196;
inline constexpr Field DATASET_NUMBER{0, 4};
inline constexpr Field DATASET_NAME{4, 64};
inline constexpr Field DATASET_LABEL{68, 64};
inline constexpr Field DATASET_UNIT{132, 32};
inline constexpr Field DATASET_DATA_TYPE{164, 4};
inline constexpr Field DATASET_DATA_MASK{168, 4};
inline constexpr Field DATASET_FACTOR{172, 8};
inline constexpr Field DATASET_OFFSET{180, 8};
inline constexpr Field DATASET_FRAME_OFFSET{188, 4};
inline constexpr Field DATASET_VALUES_PER_FRAME{192, 4};
inline constexpr std::size_t DATASET_EXTENSION_BYTES = 232;
inline constexpr std::size_t DATASET_LIST_BLOCK_BYTES = 32;
inline constexpr std::size_t DATASET_LIST_RECORD_BYTES = 232;

// Kind 20: range name.
inline constexpr Field RANGE_NAME_NUMBER{0, 4};
inline constexpr Field RANGE_NAME_NAME{8, 32};
inline constexpr Field RANGE_NAME_COMMENT{40, 128};

// Kind 21: range.
inline constexpr Field RANGE_NUMBER{0, 4};
inline constexpr Field RANGE_ONE{4, 4};
inline constexpr Field RANGE_START_FRAME{8, 4};
inline constexpr Field RANGE_STOP_FRAME{12, 4};
inline constexpr Field RANGE_START{16, 4};
inline constexpr Field RANGE_END{20, 4};

// Kind 22: spot.
inline constexpr Field SPOT_NUMBER{0, 4};
inline constexpr Field SPOT_ONE{4, 4};
inline constexpr Field SPOT_FRAME{8, 4};
inline constexpr Field SPOT_DATE_TIME{16, 4};

// Kind 80: parameter; its L value bytes follow the fixed part.
inline constexpr Field PARAMETER_NUMBER{0, 4};
inline constexpr Field PARAMETER_FRAME{4, 4};
inline constexpr Field PARAMETER_VALUE_TYPE{20, 4};
inline constexpr Field PARAMETER_LENGTH{24, 4};

// Kind 81: range parameter; its L value bytes follow the fixed part.
inline constexpr Field RANGE_PARAMETER_NUMBER{4, 4};
inline constexpr Field RANGE_PARAMETER_RANGE{12, 4};
inline constexpr Field RANGE_PARAMETER_VALUE_TYPE{80, 4};
inline constexpr Field RANGE_PARAMETER_LENGTH{84, 4};

// Kind 90: comment; L text bytes follow the fixed part, then (when written) a zero.
inline constexpr Field COMMENT_NUMBER{0, 4};
inline constexpr Field COMMENT_ONE{4, 4};
inline constexpr Field COMMENT_DATE_TIME{12, 4};
inline constexpr Field COMMENT_LENGTH{32, 4};

}  // namespace grafyon::mdf
