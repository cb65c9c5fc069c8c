// Type table and value decoding.
#include "data_type.h"

#include <cmath>
#include <cstdio>

#include "common/byte_order.h"
#include "common/codec_1252.h"
#include "common/number_format.h"
#include "common/printf_format.h"

namespace grafyon {

namespace {

struct TypeInfo {
    std::uint32_t code;
    const char* name;
    std::uint32_t displaySize;
    std::uint32_t readableSize;
};

constexpr TypeInfo TYPES[] = {
    {DATA_TYPE_CHAR, "CHAR", 1, 1},        {DATA_TYPE_UCHAR, "UCHAR", 1, 1},
    {DATA_TYPE_SHORT, "SHORT", 2, 2},      {DATA_TYPE_USHORT, "USHORT", 2, 2},
    {DATA_TYPE_LONG, "LONG", 4, 4},        {DATA_TYPE_ULONG, "ULONG", 4, 4},
    {DATA_TYPE_DLONG, "DLONG", 8, 8},      {DATA_TYPE_UDLONG, "UDLONG", 8, 8},
    {DATA_TYPE_FLOAT, "FLOAT", 4, 4},      {DATA_TYPE_DOUBLE, "DOUBLE", 8, 8},
    {DATA_TYPE_BOOL8, "BOOL8", 1, 1},      {DATA_TYPE_BOOL16, "BOOL16", 2, 2},
    {DATA_TYPE_BOOL32, "BOOL32", 4, 4},    {DATA_TYPE_BOOL64, "BOOL64", 8, 8},
    {DATA_TYPE_YMDHMS, "YMDHMS", 0, 0},    {DATA_TYPE_REAL6, "REAL6", 6, 0},
    {DATA_TYPE_LDOUBLE, "LDOUBLE", 10, 0}, {DATA_TYPE_TEXT, "TEXT", 0, 0},
};

const TypeInfo* Find(std::uint32_t code) {
    const std::uint32_t base = BaseDataType(code);
    for (const TypeInfo& t : TYPES) {
        if (t.code == base)
            return &t;
    }
    return nullptr;
}

double DecodeChar(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::int8_t>(*p & m);
}
double DecodeUChar(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::uint8_t>(*p & m);
}
double DecodeShort(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::int16_t>(LoadU16LE(p) & m);
}
double DecodeUShort(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::uint16_t>(LoadU16LE(p) & m);
}
double DecodeLong(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::int32_t>(LoadU32LE(p) & m);
}
double DecodeULong(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<std::uint32_t>(LoadU32LE(p) & m);
}
double DecodeDLong(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<double>(static_cast<std::int64_t>(LoadU64LE(p) & m));
}
double DecodeUDLong(const std::uint8_t* p, std::uint64_t m) {
    return static_cast<double>(LoadU64LE(p) & m);
}
double DecodeFloat(const std::uint8_t* p, std::uint64_t) {
    return LoadF32LE(p);
}
double DecodeDouble(const std::uint8_t* p, std::uint64_t) {
    return LoadF64LE(p);
}
double DecodeBool8(const std::uint8_t* p, std::uint64_t m) {
    return (*p & m) != 0 ? 1.0 : 0.0;
}
double DecodeBool16(const std::uint8_t* p, std::uint64_t m) {
    return (LoadU16LE(p) & m) != 0 ? 1.0 : 0.0;
}
double DecodeBool32(const std::uint8_t* p, std::uint64_t m) {
    return (LoadU32LE(p) & m) != 0 ? 1.0 : 0.0;
}
double DecodeBool64(const std::uint8_t* p, std::uint64_t m) {
    return (LoadU64LE(p) & m) != 0 ? 1.0 : 0.0;
}

}  // namespace

const char* DataTypeBaseName(std::uint32_t code) {
    const TypeInfo* t = Find(code);
    return t ? t->name : "Unknown !";
}

std::string DataTypeName(std::uint32_t code) {
    std::string name = DataTypeBaseName(code);
    name += ' ';
    name += (code & DATA_TYPE_BIG_ENDIAN) ? "BigEndian " : "LittleEndian ";
    name += (code & DATA_TYPE_NOT_CALIBRATED) ? "Not calib." : "Calibrated";
    return name;
}

std::uint32_t DataTypeDisplaySize(std::uint32_t code) {
    const TypeInfo* t = Find(code);
    return t ? t->displaySize : 0;
}

std::uint32_t ReadableValueSize(std::uint32_t code) {
    if (code & DATA_TYPE_BIG_ENDIAN)
        return 0;
    const TypeInfo* t = Find(code);
    return t ? t->readableSize : 0;
}

bool IsBooleanType(std::uint32_t code) {
    const std::uint32_t base = BaseDataType(code);
    return base >= DATA_TYPE_BOOL8 && base <= DATA_TYPE_BOOL64;
}

bool IsIntegerType(std::uint32_t code) {
    const std::uint32_t base = BaseDataType(code);
    return base >= DATA_TYPE_CHAR && base <= DATA_TYPE_UDLONG;
}

bool IsFloatType(std::uint32_t code) {
    const std::uint32_t base = BaseDataType(code);
    return base == DATA_TYPE_FLOAT || base == DATA_TYPE_DOUBLE;
}

ValueDecoder DecoderFor(std::uint32_t code) {
    if (ReadableValueSize(code) == 0)
        return nullptr;
    switch (BaseDataType(code)) {
        case DATA_TYPE_CHAR:
            return &DecodeChar;
        case DATA_TYPE_UCHAR:
            return &DecodeUChar;
        case DATA_TYPE_SHORT:
            return &DecodeShort;
        case DATA_TYPE_USHORT:
            return &DecodeUShort;
        case DATA_TYPE_LONG:
            return &DecodeLong;
        case DATA_TYPE_ULONG:
            return &DecodeULong;
        case DATA_TYPE_DLONG:
            return &DecodeDLong;
        case DATA_TYPE_UDLONG:
            return &DecodeUDLong;
        case DATA_TYPE_FLOAT:
            return &DecodeFloat;
        case DATA_TYPE_DOUBLE:
            return &DecodeDouble;
        case DATA_TYPE_BOOL8:
            return &DecodeBool8;
        case DATA_TYPE_BOOL16:
            return &DecodeBool16;
        case DATA_TYPE_BOOL32:
            return &DecodeBool32;
        case DATA_TYPE_BOOL64:
            return &DecodeBool64;
        default:
            return nullptr;
    }
}

std::uint64_t WidenMask(std::uint32_t code, std::uint32_t mask) {
    const std::uint32_t base = BaseDataType(code);
    const bool wide =
        base == DATA_TYPE_DLONG || base == DATA_TYPE_UDLONG || base == DATA_TYPE_BOOL64;
    if (wide && mask == 0xFFFFFFFFu)
        return ~std::uint64_t{0};
    return mask;
}

double DecodeValue(const std::uint8_t* raw, std::uint32_t code, std::uint32_t mask, double factor,
                   double offset) {
    const ValueDecoder decode = DecoderFor(code);
    if (decode == nullptr)
        return 0.0;
    const double value = decode(raw, WidenMask(code, mask));
    if (code & DATA_TYPE_NOT_CALIBRATED)
        return value;
    return value * factor + offset;
}

int FormatValue(std::uint32_t code, double value, std::span<const std::uint8_t> textBytes,
                std::string_view floatFormat, std::size_t maxLength, std::string& out) {
    std::string text;
    if (BaseDataType(code) == DATA_TYPE_TEXT) {
        std::string_view bytes(reinterpret_cast<const char*>(textBytes.data()), textBytes.size());
        bytes = bytes.substr(0, bytes.find('\0'));
        text = Cp1252ToUtf8(bytes);
    } else if (IsBooleanType(code)) {
        text = std::trunc(value + 0.5) != 0.0 ? "True" : "False";
    } else if (IsIntegerType(code)) {
        text = FormatPrintf("%.0f", std::round(value) + 0.0);  // + 0.0 turns -0 into 0
    } else if (IsFloatType(code)) {
        std::optional<std::string> formatted = FormatDoubleChecked(floatFormat, value);
        if (!formatted)
            return FORMAT_VALUE_ERROR;
        text = std::move(*formatted);
    } else {
        return FORMAT_VALUE_ERROR;
    }
    if (maxLength == 0) {
        out.clear();
        return FORMAT_VALUE_CUT;
    }
    if (text.size() > maxLength - 1) {
        std::size_t cut = maxLength - 1;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        out = text.substr(0, cut);
        return FORMAT_VALUE_CUT;
    }
    out = std::move(text);
    return FORMAT_VALUE_OK;
}

}  // namespace grafyon
