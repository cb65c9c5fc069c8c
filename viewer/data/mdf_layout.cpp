// Element layout table and the fixed payloads of newly made elements.
#include "mdf_layout.h"

#include <algorithm>

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

}  // namespace

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
        PutU32LE(header, HEADER_FORMAT_VERSION, FORMAT_VERSION);
        PutU32LE(header, HEADER_RESERVED_24, 1);
        PutU32LE(header, HEADER_HEADER_SIZE, HEADER_SIZE);
        PutU32LE(header, HEADER_RESERVED_36, 1);
        return header;
    }
    const ElementLayout* layout = LayoutOf(kind);
    if (layout == nullptr)
        return {};
    std::vector<std::uint8_t> payload(layout->fixedPayload, 0);
    switch (kind) {
        case ELEMENT_TIME_SEGMENT:
            PutU32LE(payload, SEGMENT_ONE, 1);
            std::fill_n(payload.begin() + SEGMENT_SEVENS.offset, SEGMENT_SEVENS.size, 7);
            break;
        case ELEMENT_RANGE:
            PutU32LE(payload, RANGE_ONE, 1);
            break;
        case ELEMENT_SPOT:
            PutU32LE(payload, SPOT_ONE, 1);
            break;
        default:
            break;
    }
    return payload;
}

}  // namespace grafyon::mdf
