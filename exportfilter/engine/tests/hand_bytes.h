// Filter file bytes assembled by hand from the file layout, independently of the writer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace grafyon::exportfilter::test {

class HandBytes {
public:
    HandBytes& U8(std::uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    HandBytes& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    HandBytes& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    HandBytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    HandBytes& F64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return U32(static_cast<std::uint32_t>(bits)).U32(static_cast<std::uint32_t>(bits >> 32));
    }
    HandBytes& Raw(std::string_view text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    HandBytes& Zeros(std::size_t count) {
        bytes.insert(bytes.end(), count, 0);
        return *this;
    }
    // A string shorter than 255 bytes: one length byte.
    HandBytes& Str(std::string_view text) {
        return U8(static_cast<std::uint8_t>(text.size())).Raw(text);
    }
    // A new class record: tag 0xFFFF, schema, name length, name.
    HandBytes& NewClass(std::string_view name, std::uint16_t schema = 1) {
        return U16(0xFFFF).U16(schema).U16(static_cast<std::uint16_t>(name.size())).Raw(name);
    }
    // The 80-byte file header.
    HandBytes& Header(std::int32_t typeCode, std::string_view designation) {
        Raw("Vantorelline_BinaryExportFilter").U8(0).I32(typeCode).Zeros(12);
        return Raw(designation).Zeros(32 - designation.size());
    }
    // A CQuenarChannelDef part of version 2 with default adjustment.
    HandBytes& ChannelDefPart(std::string_view identifier, std::string_view dataset) {
        return U32(2).Str(identifier).Str(dataset).I32(0).F64(1.0).F64(0.0).Str("");
    }
    // The output-file parts of the test stream with their defaults.
    HandBytes& SingleFilePart() {
        U32(2).I32(0).Str("").I32(1).I32(1);
        return U32(3).I32(2).Str("").Str("TXT").I32(0).Str("").Str("HDR");
    }
    HandBytes& MultiFilePart() {
        return U32(2).I32(0).Str("").I32(1).I32(1).U32(3).I32(0).I32(0).Str("");
    }

    std::vector<std::uint8_t> bytes;
};

}  // namespace grafyon::exportfilter::test
