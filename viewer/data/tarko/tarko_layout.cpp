// TARKO header and channel records: checked decoding, encoding, type table and time units.
#include "tarko_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "viewer/data/data_type.h"

namespace grafyon::tarko {

namespace {

// The record's texts are padded with blanks.
std::string GetBlankText(std::span<const std::uint8_t> bytes, Field field) {
    return GetText(bytes, field, TextFill::Blank);
}

void PutBlankText(std::vector<std::uint8_t>& bytes, Field field, std::string_view utf8) {
    PutText(bytes, field, utf8, TextFill::Blank);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

bool HasSignature(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= SIGNATURE.size() &&
           std::memcmp(bytes.data(), SIGNATURE.data(), SIGNATURE.size()) == 0;
}

HeaderRecord DecodeHeader(std::span<const std::uint8_t> bytes) {
    HeaderRecord h;
    h.headerSize = GetU32LE(bytes, HEADER_HEADER_SIZE);
    h.channelSize = GetU32LE(bytes, HEADER_CHANNEL_SIZE);
    h.channelCount = GetU32LE(bytes, HEADER_CHANNEL_COUNT);
    h.dataFileName = GetBlankText(bytes, HEADER_DATA_FILE);
    h.dataOffset = GetU32LE(bytes, HEADER_DATA_OFFSET);
    h.storageForm = GetU32LE(bytes, HEADER_STORAGE_FORM);
    h.formatWord = GetU32LE(bytes, HEADER_FORMAT_WORD);
    h.frameSize = GetU32LE(bytes, HEADER_FRAME_SIZE);
    h.frameCount = GetU32LE(bytes, HEADER_FRAME_COUNT);
    h.day = GetU32LE(bytes, HEADER_DAY);
    h.month = GetU32LE(bytes, HEADER_MONTH);
    h.year = GetU32LE(bytes, HEADER_YEAR);
    h.hour = GetU32LE(bytes, HEADER_HOUR);
    h.minute = GetU32LE(bytes, HEADER_MINUTE);
    h.second = GetU32LE(bytes, HEADER_SECOND);
    for (std::size_t i = 0; i < TEXT_LINES; ++i)
        h.textLines[i] = GetBlankText(bytes, HEADER_TEXT[i]);
    return h;
}

ChannelRecord DecodeChannel(std::span<const std::uint8_t> bytes) {
    ChannelRecord c;
    c.name = GetBlankText(bytes, CHANNEL_NAME);
    c.position = GetU32LE(bytes, CHANNEL_POSITION);
    c.typeCode = static_cast<std::int32_t>(GetU32LE(bytes, CHANNEL_TYPE));
    c.mask = GetU32LE(bytes, CHANNEL_MASK);
    c.label = GetBlankText(bytes, CHANNEL_LABEL);
    c.unit = GetBlankText(bytes, CHANNEL_UNIT);
    c.factor = GetF32LE(bytes, CHANNEL_FACTOR);
    c.offset = GetF32LE(bytes, CHANNEL_OFFSET);
    c.interval = GetF32LE(bytes, CHANNEL_INTERVAL);
    c.carrierName = GetBlankText(bytes, CHANNEL_CARRIER_NAME);
    c.timeUnit = GetBlankText(bytes, CHANNEL_TIME_UNIT);
    return c;
}

void EncodeHeader(const HeaderRecord& h, ByteWriter& out) {
    std::vector<std::uint8_t> bytes(HEADER_SIZE, 0);
    std::copy(SIGNATURE.begin(), SIGNATURE.end(), bytes.begin());
    PutU32LE(bytes, HEADER_HEADER_SIZE, h.headerSize);
    PutU32LE(bytes, HEADER_CHANNEL_SIZE, h.channelSize);
    PutU32LE(bytes, HEADER_CHANNEL_COUNT, h.channelCount);
    PutBlankText(bytes, HEADER_DATA_FILE, h.dataFileName);
    PutU32LE(bytes, HEADER_DATA_OFFSET, h.dataOffset);
    PutU32LE(bytes, HEADER_STORAGE_FORM, h.storageForm);
    PutU32LE(bytes, HEADER_FORMAT_WORD, h.formatWord);
    PutU32LE(bytes, HEADER_FRAME_SIZE, h.frameSize);
    PutU32LE(bytes, HEADER_FRAME_COUNT, h.frameCount);
    PutU32LE(bytes, HEADER_DAY, h.day);
    PutU32LE(bytes, HEADER_MONTH, h.month);
    PutU32LE(bytes, HEADER_YEAR, h.year);
    PutU32LE(bytes, HEADER_HOUR, h.hour);
    PutU32LE(bytes, HEADER_MINUTE, h.minute);
    PutU32LE(bytes, HEADER_SECOND, h.second);
    for (std::size_t i = 0; i < TEXT_LINES; ++i)
        PutBlankText(bytes, HEADER_TEXT[i], h.textLines[i]);
    out.Bytes(bytes);
}

void EncodeChannel(const ChannelRecord& c, std::uint32_t channelCount, std::uint32_t frameCount,
                   ByteWriter& out) {
    std::vector<std::uint8_t> bytes(CHANNEL_SIZE, 0);
    PutBlankText(bytes, CHANNEL_NAME, c.name);
    PutU32LE(bytes, CHANNEL_POSITION, c.position);
    PutU32LE(bytes, CHANNEL_CHANNEL_COUNT, channelCount);
    PutU32LE(bytes, CHANNEL_TYPE, static_cast<std::uint32_t>(c.typeCode));
    PutU32LE(bytes, CHANNEL_MASK, c.mask);
    PutU32LE(bytes, CHANNEL_FRAME_COUNT, frameCount);
    PutU32LE(bytes, CHANNEL_RESERVED_36, 1);
    PutBlankText(bytes, CHANNEL_LABEL, c.label);
    PutBlankText(bytes, CHANNEL_UNIT, c.unit);
    PutF32LE(bytes, CHANNEL_FACTOR, c.factor);
    PutF32LE(bytes, CHANNEL_OFFSET, c.offset);
    PutF32LE(bytes, CHANNEL_INTERVAL, c.interval);
    PutF32LE(bytes, CHANNEL_RESERVED_84, 1.0f);
    PutBlankText(bytes, CHANNEL_CARRIER_NAME, c.carrierName);
    PutBlankText(bytes, CHANNEL_RESERVED_TEXT_104, {});
    PutBlankText(bytes, CHANNEL_TIME_UNIT, c.timeUnit);
    PutBlankText(bytes, CHANNEL_RESERVED_TEXT_128, {});
    out.Bytes(bytes);
}

std::optional<ChannelType> ChannelTypeOf(std::int32_t code, std::uint32_t storageForm) {
    if (storageForm == STORAGE_FLOAT)
        return ChannelType{DATA_TYPE_FLOAT, 4};
    switch (code) {
        case CODE_BOOL16:
            return ChannelType{DATA_TYPE_BOOL16, 2};
        case CODE_SHORT:
            return ChannelType{DATA_TYPE_SHORT, 2};
        case CODE_USHORT:
        case CODE_USHORT_NEGATIVE:
            return ChannelType{DATA_TYPE_USHORT, 2};
        case CODE_LONG:
            // The position counts 16-bit words here too.
            return ChannelType{DATA_TYPE_LONG, 2};
        case CODE_FLOAT:
            return ChannelType{DATA_TYPE_FLOAT, 4};
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> ChannelCodeFor(std::uint32_t dataType) {
    if (dataType & DATA_TYPE_BIG_ENDIAN)
        return std::nullopt;
    switch (BaseDataType(dataType)) {
        case DATA_TYPE_BOOL16:
            return CODE_BOOL16;
        case DATA_TYPE_SHORT:
            return CODE_SHORT;
        case DATA_TYPE_USHORT:
            return CODE_USHORT;
        case DATA_TYPE_LONG:
            return CODE_LONG;
        case DATA_TYPE_FLOAT:
            return CODE_FLOAT;
        default:
            return std::nullopt;
    }
}

double IntervalSeconds(float interval, std::string_view timeUnit) {
    if (!std::isfinite(interval) || !(interval > 0.0f))
        return 0.0;
    // Widening the float would turn 0.001f into 0.0010000000474974513; its shortest text
    // is what the recorder meant. Scaling the decimal digits keeps the result exact.
    char text[32];
    const auto printed =
        std::to_chars(text, text + sizeof text, interval, std::chars_format::scientific);
    const std::string_view shortest(text, static_cast<std::size_t>(printed.ptr - text));
    const std::size_t e = shortest.find('e');
    std::string digits;
    for (const char c : shortest.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    std::string_view exponentText = shortest.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    exponent -= static_cast<int>(digits.size()) - 1;
    std::uint64_t mantissa = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), mantissa);

    if (EqualsIgnoringCase(timeUnit, "msec")) {
        exponent -= 3;
    } else if (EqualsIgnoringCase(timeUnit, "min")) {
        mantissa *= 60;
    } else if (EqualsIgnoringCase(timeUnit, "stunden")) {
        mantissa *= 3600;
    }
    // At most nine digits times 3600: far inside 64 bits.
    char mantissaText[24];
    char exponentDigits[16];
    const char* mantissaEnd =
        std::to_chars(mantissaText, mantissaText + sizeof mantissaText, mantissa).ptr;
    const char* exponentEnd =
        std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, exponent).ptr;
    std::string scaled(mantissaText, static_cast<std::size_t>(mantissaEnd - mantissaText));
    scaled += 'e';
    scaled.append(exponentDigits, static_cast<std::size_t>(exponentEnd - exponentDigits));
    double seconds = 0.0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), seconds);
    return seconds;
}

}  // namespace grafyon::tarko
