// Element layout table and the fixed payloads of newly made elements.
#include "mdf_layout.h"

#include <algorithm>

#include "common/byte_order.h"
#include "common/codec_1252.h"
#include "viewer/data/dataset.h"
#include "viewer/data/element.h"

namespace grafyon::mdf {

namespace {

constexpr ElementLayout LAYOUTS[] = {
    {ELEMENT_DATA_FILE, 152, 140, true},
    {ELEMENT_TIME_BASE_OLD, 56, 44, false},
    {ELEMENT_TIME_SEGMENT, 236, 224, true},
    {ELEMENT_RESERVED_10, 64, 52, true},
    {ELEMENT_RANGE_NAME, 180, 168, true},
    {ELEMENT_RANGE, 44, 32, true},
    {ELEMENT_SPOT, 44, 32, true},
    {ELEMENT_RESERVED_70, 160, 148, true},
    {ELEMENT_PARAMETER, 40, 28, true},
    {ELEMENT_RANGE_PARAMETER, 100, 88, true},
    {ELEMENT_COMMENT, 48, 36, true},
    {ELEMENT_DATASET, 208, DATASET_RECORD_SIZE, true},
    {ELEMENT_DATASET_EXTENDED, 440, DATASET_RECORD_SIZE + DATASET_EXTENSION_BYTES, true},
    {ELEMENT_DATASET_LIST, 472,
     DATASET_RECORD_SIZE + DATASET_EXTENSION_BYTES + DATASET_LIST_BLOCK_BYTES, true},
    {ELEMENT_EMBEDDED_DATA, 12, 0, false},
};

void Put32(std::vector<std::uint8_t>& bytes, Field field, std::uint32_t value) {
    PutU32(bytes, field, value);
}

bool Inside(std::size_t size, Field field) {
    return field.offset <= size && field.size <= size - field.offset;
}

}  // namespace

std::uint32_t GetU32(std::span<const std::uint8_t> bytes, Field field) {
    ByteReader reader(bytes);
    reader.Seek(field.offset);
    return reader.U32LE();
}

double GetF64(std::span<const std::uint8_t> bytes, Field field) {
    ByteReader reader(bytes);
    reader.Seek(field.offset);
    return reader.F64LE();
}

std::string GetText(std::span<const std::uint8_t> bytes, Field field) {
    ByteReader reader(bytes);
    reader.Seek(field.offset);
    return Cp1252ToUtf8(reader.FixedText(field.size));
}

void PutU32(std::vector<std::uint8_t>& bytes, Field field, std::uint32_t value) {
    if (Inside(bytes.size(), field) && field.size >= 4)
        StoreU32LE(bytes.data() + field.offset, value);
}

void PutF64(std::vector<std::uint8_t>& bytes, Field field, double value) {
    if (Inside(bytes.size(), field) && field.size >= 8) {
        StoreU64LE(bytes.data() + field.offset, std::bit_cast<std::uint64_t>(value));
    }
}

void PutText(std::vector<std::uint8_t>& bytes, Field field, const std::string& utf8,
             std::size_t maxChars) {
    if (!Inside(bytes.size(), field) || field.size == 0)
        return;
    std::string encoded = Utf8ToCp1252(TruncateCharacters(utf8, maxChars));
    if (encoded.size() > field.size - 1)
        encoded.resize(field.size - 1);
    if (const std::size_t zero = encoded.find('\0'); zero != std::string::npos)
        encoded.resize(zero);
    std::uint8_t* begin = bytes.data() + field.offset;
    std::uint8_t* end = begin + field.size;
    std::uint8_t* stored = std::find(begin, end, std::uint8_t{0});
    if (stored != end && std::equal(begin, stored, encoded.begin(), encoded.end()))
        return;
    std::fill(std::copy(encoded.begin(), encoded.end(), begin), end, std::uint8_t{0});
}

const ElementLayout* LayoutOf(std::uint32_t kind) {
    for (const ElementLayout& layout : LAYOUTS) {
        if (layout.kind == kind)
            return &layout;
    }
    return nullptr;
}

std::vector<std::uint8_t> DefaultPayload(std::uint32_t kind) {
    if (kind == ELEMENT_HEADER) {
        std::vector<std::uint8_t> header(HEADER_SIZE, 0);
        std::copy(MAGIC.begin(), MAGIC.end(), header.begin());
        Put32(header, HEADER_FORMAT_VERSION, FORMAT_VERSION);
        Put32(header, HEADER_RESERVED_24, 1);
        Put32(header, HEADER_HEADER_SIZE, HEADER_SIZE);
        Put32(header, HEADER_RESERVED_36, 1);
        return header;
    }
    const ElementLayout* layout = LayoutOf(kind);
    if (layout == nullptr)
        return {};
    std::vector<std::uint8_t> payload(layout->fixedPayload, 0);
    switch (kind) {
        case ELEMENT_TIME_SEGMENT:
            Put32(payload, SEGMENT_ONE, 1);
            std::fill_n(payload.begin() + SEGMENT_SEVENS.offset, SEGMENT_SEVENS.size, 7);
            break;
        case ELEMENT_RANGE:
            Put32(payload, RANGE_ONE, 1);
            break;
        case ELEMENT_SPOT:
            Put32(payload, SPOT_ONE, 1);
            break;
        default:
            break;
    }
    return payload;
}

}  // namespace grafyon::mdf
