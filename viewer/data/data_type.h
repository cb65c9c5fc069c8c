// Data-type codes of dataset values: names, sizes, decoding and formatting.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace grafyon {

// The low byte selects the type; two flag bits modify it.
inline constexpr std::uint32_t DATA_TYPE_NOT_CALIBRATED = 0x100;
inline constexpr std::uint32_t DATA_TYPE_BIG_ENDIAN = 0x200;

enum DataTypeCode : std::uint32_t {
    DATA_TYPE_CHAR = 1,
    DATA_TYPE_UCHAR = 2,
    DATA_TYPE_SHORT = 3,
    DATA_TYPE_USHORT = 4,
    DATA_TYPE_LONG = 5,
    DATA_TYPE_ULONG = 6,
    DATA_TYPE_DLONG = 7,
    DATA_TYPE_UDLONG = 8,
    DATA_TYPE_FLOAT = 9,
    DATA_TYPE_DOUBLE = 10,
    DATA_TYPE_BOOL8 = 11,
    DATA_TYPE_BOOL16 = 12,
    DATA_TYPE_BOOL32 = 13,
    DATA_TYPE_BOOL64 = 14,
    DATA_TYPE_YMDHMS = 15,
    DATA_TYPE_REAL6 = 17,
    DATA_TYPE_LDOUBLE = 18,
    DATA_TYPE_TEXT = 241
};

// The code without its flag bits.
inline std::uint32_t BaseDataType(std::uint32_t code) {
    return code & ~(DATA_TYPE_NOT_CALIBRATED | DATA_TYPE_BIG_ENDIAN);
}

// "SHORT", "FLOAT", ... or "Unknown !".
const char* DataTypeBaseName(std::uint32_t code);
// Name, byte order and calibration, e.g. "SHORT LittleEndian Calibrated".
std::string DataTypeName(std::uint32_t code);
// Bytes as shown to the user ("Data Type Size"), ignoring the flags.
std::uint32_t DataTypeDisplaySize(std::uint32_t code);
// Bytes per value that can be read; 0 for big-endian and unreadable codes.
std::uint32_t ReadableValueSize(std::uint32_t code);

bool IsBooleanType(std::uint32_t code);
bool IsIntegerType(std::uint32_t code);  // CHAR to UDLONG
bool IsFloatType(std::uint32_t code);    // FLOAT, DOUBLE

// Physical value of the raw little-endian bytes at raw (ReadableValueSize(code) bytes):
// (raw AND mask) × factor + offset, or the masked raw value with the not-calibrated
// flag. Floats ignore the mask. 64-bit integers use the mask widened to 64 bits, a
// mask of all ones keeping every bit. Unreadable codes give 0.0.
double DecodeValue(const std::uint8_t* raw, std::uint32_t code, std::uint32_t mask, double factor,
                   double offset);

// Fast decoding for a whole run of values; the decoder is chosen once.
using ValueDecoder = double (*)(const std::uint8_t* raw, std::uint64_t mask);
ValueDecoder DecoderFor(std::uint32_t code);  // nullptr for unreadable codes
std::uint64_t WidenMask(std::uint32_t code, std::uint32_t mask);

enum FormatValueResult { FORMAT_VALUE_OK = 0, FORMAT_VALUE_CUT = 1, FORMAT_VALUE_ERROR = -1 };

// Text of one value for the information list and the cursor: TEXT datasets show their
// bytes, Booleans "True"/"False", integers the value rounded to the nearest integer
// (halves away from zero), floats the caller's format. The text is cut to
// maxLength - 1 characters (result FORMAT_VALUE_CUT) like a caller's buffer would.
int FormatValue(std::uint32_t code, double value, std::span<const std::uint8_t> textBytes,
                std::string_view floatFormat, std::size_t maxLength, std::string& out);

}  // namespace grafyon
