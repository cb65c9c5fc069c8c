// TARKO header and channel records: checked decoding and encoding.
#include "tarko_records.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace grafyon::tarko {

namespace {

// The record's texts are padded with blanks.
std::string GetBlankText(std::span<const std::uint8_t> bytes, Field field) {
    return GetText(bytes, field, TextFill::Blank);
}

void PutBlankText(std::vector<std::uint8_t>& bytes, Field field, std::string_view utf8) {
    PutText(bytes, field, utf8, TextFill::Blank);
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

}  // namespace grafyon::tarko
