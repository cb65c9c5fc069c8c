// Builds MDF description files byte by byte for the reader and writer tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/byte_order.h"
#include "common/codec_1252.h"

namespace grafyon::test {

struct MdfHeaderFields {
    std::uint32_t formatVersion = 0x00020001;
    std::uint32_t headerSize = 72;
    std::uint32_t frameSize = 4;
    std::uint32_t datasetCount = 1;
    std::uint32_t day = 17, month = 5, year = 2024, hour = 10, minute = 30, second = 5;
    std::uint8_t byte12 = 0;
    std::uint8_t extraHeaderByte = 0xEE;  // fills header bytes beyond 72
};

struct MdfDatasetFields {
    std::uint32_t number = 0;
    std::string name = "Speed";
    std::string label = "Vehicle speed";
    std::string unit = "km/h";
    std::uint32_t type = 3;
    std::uint32_t mask = 0xFFFF;
    double factor = 0.5;
    double offset = 10.0;
    std::uint32_t frameOffset = 0;
    std::uint32_t valuesPerFrame = 1;
};

// Payloads are built independently of the production layout table, so a wrong offset
// there shows up as a failing test.
class MdfBuilder {
public:
    using HeaderFields = MdfHeaderFields;
    using DatasetFields = MdfDatasetFields;

    explicit MdfBuilder(const HeaderFields& h = {}) {
        m_out.Text("MDF_BINARY\r\n");
        m_out.U8(h.byte12);
        m_out.Fill(3, 0);
        for (std::uint32_t v :
             {h.formatVersion, 0u, 1u, h.headerSize, 0u, 1u, h.frameSize, h.datasetCount, h.day,
              h.month, h.year, h.hour, h.minute, h.second}) {
            m_out.U32LE(v);
        }
        if (h.headerSize > 72)
            m_out.Fill(h.headerSize - 72, h.extraHeaderByte);
    }

    // Any element: head with the given (or the true) size, then the payload.
    MdfBuilder& Element(std::uint32_t kind, const std::vector<std::uint8_t>& payload,
                        std::optional<std::uint32_t> size = std::nullopt,
                        std::uint32_t version = 0x00010001) {
        m_out.U32LE(kind);
        m_out.U32LE(size ? *size : static_cast<std::uint32_t>(12 + payload.size()));
        m_out.U32LE(version);
        m_out.Bytes(payload);
        return *this;
    }

    MdfBuilder& Raw(const std::vector<std::uint8_t>& bytes) {
        m_out.Bytes(bytes);
        return *this;
    }

    std::size_t Size() const { return m_out.Size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_out.Bytes(); }

    static std::vector<std::uint8_t> DataFile(std::uint32_t number, const std::string& utf8Name,
                                              std::uint32_t dataOffset = 0) {
        ByteWriter w;
        w.U32LE(number);
        w.U32LE(0);
        w.FixedText(Utf8ToCp1252(utf8Name), 128);
        w.U32LE(dataOffset);
        return w.Take();
    }

    static std::vector<std::uint8_t> Segment(std::uint32_t file, std::uint32_t number,
                                             std::uint32_t frames, std::uint32_t firstFrame,
                                             double step, const std::string& name = "Time",
                                             const std::string& unit = "sec",
                                             std::uint32_t start = 0x12345678,
                                             std::uint32_t end = 0x9ABCDEF0) {
        ByteWriter w;
        w.U32LE(file);
        w.U32LE(number);
        w.U32LE(0);
        w.U32LE(frames);
        w.U32LE(firstFrame);
        w.U32LE(1);
        w.Fill(8, 0);
        w.Fill(7, 7);
        w.Fill(25, 0);
        w.F64LE(1.0);
        w.F64LE(0.0);
        w.F64LE(step);
        w.FixedText(Utf8ToCp1252(name), 64);
        w.FixedText(Utf8ToCp1252(unit), 32);
        w.U32LE(start);
        w.U32LE(end);
        w.Fill(32, 0);
        return w.Take();
    }

    static std::vector<std::uint8_t> TimeBase(std::uint32_t frames, double rate) {
        ByteWriter w;
        w.U32LE(1);
        w.U32LE(1);
        w.U32LE(frames);
        w.U32LE(0);
        w.U32LE(0x11111111);
        w.U32LE(0x22222222);
        w.F64LE(rate);
        w.Fill(12, 0);
        return w.Take();
    }

    static std::vector<std::uint8_t> Dataset(const DatasetFields& d) {
        ByteWriter w;
        w.U32LE(d.number);
        w.FixedText(Utf8ToCp1252(d.name), 64);
        w.FixedText(Utf8ToCp1252(d.label), 64);
        w.FixedText(Utf8ToCp1252(d.unit), 32);
        w.U32LE(d.type);
        w.U32LE(d.mask);
        w.F64LE(d.factor);
        w.F64LE(d.offset);
        w.U32LE(d.frameOffset);
        w.U32LE(d.valuesPerFrame);
        return w.Take();
    }

    // A pattern that differs at every position, for bytes nothing should change.
    static std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
        return bytes;
    }

    static std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a,
                                            const std::vector<std::uint8_t>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    // Kind 110: record, extension, block with the count, records.
    static std::vector<std::uint8_t> DatasetList(const DatasetFields& d, std::uint32_t count,
                                                 std::uint32_t recordsPresent) {
        std::vector<std::uint8_t> p = Concat(Dataset(d), Pattern(232, 3));
        ByteWriter block;
        block.U32LE(count);
        block.Bytes(Pattern(28, 9));
        p = Concat(p, block.Take());
        return Concat(p, Pattern(std::size_t(recordsPresent) * 232, 11));
    }

    static std::vector<std::uint8_t> Parameter(std::uint32_t number, std::uint32_t length,
                                               const std::vector<std::uint8_t>& data) {
        ByteWriter w;
        w.U32LE(number);
        w.U32LE(42);  // frame
        w.Bytes(Pattern(12, 5));
        w.U32LE(10);  // DOUBLE
        w.U32LE(length);
        w.Bytes(data);
        return w.Take();
    }

    static std::vector<std::uint8_t> RangeParameter(std::uint32_t number, std::uint32_t range,
                                                    std::uint32_t length,
                                                    const std::vector<std::uint8_t>& data) {
        ByteWriter w;
        w.U32LE(0xAB);
        w.U32LE(number);
        w.U32LE(0xCD);
        w.U32LE(range);
        w.Bytes(Pattern(64, 13));
        w.U32LE(9);  // FLOAT
        w.U32LE(length);
        w.Bytes(data);
        return w.Take();
    }

    // Kind 90 as the system writes it: fixed part, L text bytes, a zero byte.
    static std::vector<std::uint8_t> Comment(const std::string& utf8,
                                             std::optional<std::uint32_t> length = {}) {
        const std::string text = Utf8ToCp1252(utf8);
        ByteWriter w;
        w.U32LE(1);
        w.U32LE(1);
        w.U32LE(0);
        w.U32LE(0x31415926);
        w.Fill(16, 0);
        w.U32LE(length ? *length : static_cast<std::uint32_t>(text.size()));
        w.Text(text);
        w.U8(0);
        return w.Take();
    }

    static std::vector<std::uint8_t> RangeName(std::uint32_t number, const std::string& name,
                                               const std::string& comment) {
        ByteWriter w;
        w.U32LE(number);
        w.U32LE(0);
        w.FixedText(Utf8ToCp1252(name), 32);
        w.FixedText(Utf8ToCp1252(comment), 128);
        return w.Take();
    }

    static std::vector<std::uint8_t> Range(std::uint32_t number, std::uint32_t start,
                                           std::uint32_t stop) {
        ByteWriter w;
        w.U32LE(number);
        w.U32LE(1);
        w.U32LE(start);
        w.U32LE(stop);
        w.U32LE(0x0A0B0C0D);
        w.U32LE(0x01020304);
        w.Fill(8, 0);
        return w.Take();
    }

    static std::vector<std::uint8_t> Spot(std::uint32_t number, std::uint32_t frame) {
        ByteWriter w;
        w.U32LE(number);
        w.U32LE(1);
        w.U32LE(frame);
        w.U32LE(0);
        w.U32LE(0x0F0F0F0F);
        w.Fill(12, 0);
        return w.Take();
    }

private:
    ByteWriter m_out;
};

}  // namespace grafyon::test
