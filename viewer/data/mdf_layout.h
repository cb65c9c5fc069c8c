// Byte layout of MDF description files. The description's elements are MDF elements and
// keep their raw MDF payload, so every reader (TARKO too) fills them in this layout and any
// description can be saved as MDF; the MDF reader and writer share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/mdf_fields.h"

namespace grafyon::mdf {

// What the reader reads and the writer writes for each known element kind.
struct ElementLayout {
    std::uint32_t kind;
    std::uint32_t minSize;       // least element size (head included) that is read
    std::uint32_t fixedPayload;  // payload bytes read before any variable part
    bool written;                // whether WriteMdfDescription writes the kind
};

// The layout of a kind, or nullptr for kinds the format does not know (they are skipped).
const ElementLayout* LayoutOf(std::uint32_t kind);

// The fixed payload of a newly made element: zeros and the constant words the format
// writes (the 1 in segments and ranges, the seven 7s of a segment). For the header
// (kind 0) the whole 72-byte record with magic, versions and reserved words.
std::vector<std::uint8_t> DefaultPayload(std::uint32_t kind);

}  // namespace grafyon::mdf
