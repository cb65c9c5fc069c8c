// TARKO records: bytes at their offsets, texts, round trips, the type table and time units.
#include <gtest/gtest.h>

#include <cstring>

#include "viewer/data/data_type.h"
#include "viewer/data/tarko/tarko_layout.h"
#include "viewer/data/tarko/tarko_writer.h"

namespace grafyon {
namespace {

using namespace grafyon::tarko;

// Expected bytes are looked up at literal offsets, so a wrong entry in the layout table
// fails here.
std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return LoadU32LE(b.data() + at);
}
float F32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return LoadF32LE(b.data() + at);
}
std::string TextAt(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
    return std::string(b.begin() + at, b.begin() + at + size);
}

HeaderRecord SampleHeader() {
    HeaderRecord h;
    h.dataFileName = "Fahrt 7.dta";
    h.dataOffset = 12;
    h.storageForm = STORAGE_CHANNEL_TYPES;
    h.frameSize = 10;
    h.frameCount = 500;
    h.day = 3, h.month = 4, h.year = 2021, h.hour = 5, h.minute = 6, h.second = 7;
    h.textLines = {"Prüfstand", "", "Car 7", "zwanzig Zeichen lang!"};
    return h;
}

ChannelRecord SampleChannel() {
    ChannelRecord c;
    c.name = "Öldruck";
    c.position = 3;
    c.typeCode = CODE_FLOAT;
    c.mask = 0x0FFF;
    c.label = "Öldruck vorn links außen";
    c.unit = "bar";
    c.factor = 0.5f;
    c.offset = -1.25f;
    c.interval = 2.0f;
    c.carrierName = "Zeit";
    c.timeUnit = "msec";
    return c;
}

TEST(TarkoLayout, HeaderFileBytesLieWhereTheFormatPutsThem) {
    ByteWriter out;
    ASSERT_TRUE(EncodeTarkoHeaderFile(SampleHeader(), {SampleChannel(), ChannelRecord{}}, out));
    const std::vector<std::uint8_t>& b = out.Bytes();
    ASSERT_EQ(b.size(), 256u + 2 * 168u);

    EXPECT_EQ(TextAt(b, 0, 16), std::string("TARKO TKS 01.00") + '\0');
    EXPECT_EQ(U32At(b, 16), 256u);
    EXPECT_EQ(U32At(b, 20), 168u);
    EXPECT_EQ(U32At(b, 24), 2u);  // from the channels, not the record
    EXPECT_EQ(TextAt(b, 28, 32), "Fahrt 7.dta" + std::string(21, ' '));
    EXPECT_EQ(U32At(b, 60), 12u);
    EXPECT_EQ(U32At(b, 64), STORAGE_CHANNEL_TYPES);
    EXPECT_EQ(U32At(b, 68), 1u);
    EXPECT_EQ(U32At(b, 72), 0u);
    EXPECT_EQ(U32At(b, 76), 10u);
    EXPECT_EQ(U32At(b, 80), 500u);
    const std::uint32_t date[] = {3, 4, 2021, 5, 6, 7};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(U32At(b, 84 + 4 * i), date[i]) << i;
    EXPECT_EQ(TextAt(b, 108, 40),
              "Pr\xFC"
              "fstand" +
                  std::string(31, ' '));  // Windows-1252
    EXPECT_EQ(TextAt(b, 148, 40), std::string(40, ' '));
    EXPECT_EQ(TextAt(b, 188, 20), "Car 7" + std::string(15, ' '));
    EXPECT_EQ(TextAt(b, 208, 20), "zwanzig Zeichen lang");  // cut to its field
    EXPECT_EQ(TextAt(b, 228, 28), std::string(28, '\0'));

    const std::size_t c = 256;
    EXPECT_EQ(TextAt(b, c, 16), "\xD6ldruck" + std::string(9, ' '));
    EXPECT_EQ(U32At(b, c + 16), 3u);
    EXPECT_EQ(U32At(b, c + 20), 2u);           // channel count
    EXPECT_EQ(U32At(b, c + 24), 0xFFFFFFE0u);  // -32
    EXPECT_EQ(U32At(b, c + 28), 0x0FFFu);
    EXPECT_EQ(U32At(b, c + 32), 500u);  // frame count
    EXPECT_EQ(U32At(b, c + 36), 1u);
    EXPECT_EQ(TextAt(b, c + 40, 16), "\xD6ldruck vorn lin");
    EXPECT_EQ(TextAt(b, c + 56, 8), "bar     ");
    EXPECT_EQ(F32At(b, c + 64), 0.5f);
    EXPECT_EQ(F32At(b, c + 68), -1.25f);
    EXPECT_EQ(TextAt(b, c + 72, 8), std::string(8, '\0'));
    EXPECT_EQ(F32At(b, c + 80), 2.0f);
    EXPECT_EQ(F32At(b, c + 84), 1.0f);
    EXPECT_EQ(TextAt(b, c + 88, 16), "Zeit" + std::string(12, ' '));
    EXPECT_EQ(TextAt(b, c + 104, 16), std::string(16, ' '));
    EXPECT_EQ(TextAt(b, c + 120, 8), "msec    ");
    EXPECT_EQ(TextAt(b, c + 128, 8), std::string(8, ' '));
    EXPECT_EQ(TextAt(b, c + 136, 32), std::string(32, '\0'));

    // The defaults of a channel record.
    const std::size_t d = 256 + 168;
    EXPECT_EQ(TextAt(b, d, 16), std::string(16, ' '));
    EXPECT_EQ(U32At(b, d + 24), 16u);
    EXPECT_EQ(U32At(b, d + 28), 0xFFFFFFFFu);
    EXPECT_EQ(F32At(b, d + 64), 1.0f);
    EXPECT_EQ(F32At(b, d + 68), 0.0f);
    EXPECT_EQ(F32At(b, d + 80), 1.0f);
}

TEST(TarkoLayout, RecordsReadBackWithoutTheirPadding) {
    ByteWriter out;
    EncodeHeader(SampleHeader(), out);
    const HeaderRecord h = DecodeHeader(out.Bytes());
    EXPECT_EQ(h.headerSize, 256u);
    EXPECT_EQ(h.channelSize, 168u);
    EXPECT_EQ(h.dataFileName, "Fahrt 7.dta");
    EXPECT_EQ(h.dataOffset, 12u);
    EXPECT_EQ(h.storageForm, STORAGE_CHANNEL_TYPES);
    EXPECT_EQ(h.frameCount, 500u);
    EXPECT_EQ(h.year, 2021u);
    EXPECT_EQ(h.second, 7u);
    EXPECT_EQ(h.textLines[0], "Prüfstand");
    EXPECT_EQ(h.textLines[1], "");
    EXPECT_EQ(h.textLines[3], "zwanzig Zeichen lang");

    out.Clear();
    EncodeChannel(SampleChannel(), 1, 0, out);
    const ChannelRecord c = DecodeChannel(out.Bytes());
    EXPECT_EQ(c.name, "Öldruck");
    EXPECT_EQ(c.label, "Öldruck vorn lin");
    EXPECT_EQ(c.unit, "bar");
    EXPECT_EQ(c.position, 3u);
    EXPECT_EQ(c.typeCode, CODE_FLOAT);
    EXPECT_EQ(c.mask, 0x0FFFu);
    EXPECT_EQ(c.factor, 0.5f);
    EXPECT_EQ(c.offset, -1.25f);
    EXPECT_EQ(c.interval, 2.0f);
    EXPECT_EQ(c.carrierName, "Zeit");
    EXPECT_EQ(c.timeUnit, "msec");

    // Zero-padded fields end at their zero; leading blanks stay; a character that
    // Windows-1252 cannot hold becomes "?"; a short buffer reads as zeros.
    std::vector<std::uint8_t> bytes = out.Take();
    std::memcpy(bytes.data(), "  A\0zzzzzzzzzzzz", 16);
    EXPECT_EQ(DecodeChannel(bytes).name, "  A");
    out.Clear();
    ChannelRecord greek;
    greek.name = "Δp";
    EncodeChannel(greek, 1, 0, out);
    EXPECT_EQ(DecodeChannel(out.Bytes()).name, "?p");
    EXPECT_EQ(DecodeChannel(std::span(out.Bytes()).first(20)).position, 0u);
    EXPECT_EQ(DecodeChannel(std::span(out.Bytes()).first(20)).unit, "");
}

TEST(TarkoLayout, ChannelCodesGiveTheirDatasetTypes) {
    struct Case {
        std::int32_t code;
        std::uint32_t type;
        std::uint32_t unit;
    };
    for (const Case& c : {Case{1, DATA_TYPE_BOOL16, 2}, Case{16, DATA_TYPE_SHORT, 2},
                          Case{12, DATA_TYPE_USHORT, 2}, Case{-16, DATA_TYPE_USHORT, 2},
                          Case{32, DATA_TYPE_LONG, 2}, Case{-32, DATA_TYPE_FLOAT, 4}}) {
        const std::optional<ChannelType> type = ChannelTypeOf(c.code, STORAGE_CHANNEL_TYPES);
        ASSERT_TRUE(type) << c.code;
        EXPECT_EQ(type->dataType, c.type) << c.code;
        EXPECT_EQ(type->positionUnit, c.unit) << c.code;
        // Float storage makes every channel a float at 4-byte steps.
        EXPECT_EQ(ChannelTypeOf(c.code, STORAGE_FLOAT)->dataType, DATA_TYPE_FLOAT);
        EXPECT_EQ(ChannelTypeOf(c.code, STORAGE_FLOAT)->positionUnit, 4u);
    }
    for (const std::int32_t code : {0, 2, 8, 64, -8, -64})
        EXPECT_FALSE(ChannelTypeOf(code, 0)) << code;
    EXPECT_TRUE(ChannelTypeOf(8, STORAGE_FLOAT));

    EXPECT_EQ(ChannelCodeFor(DATA_TYPE_SHORT | DATA_TYPE_NOT_CALIBRATED), CODE_SHORT);
    EXPECT_EQ(ChannelCodeFor(DATA_TYPE_FLOAT), CODE_FLOAT);
    EXPECT_EQ(ChannelCodeFor(DATA_TYPE_USHORT), CODE_USHORT);
    EXPECT_FALSE(ChannelCodeFor(DATA_TYPE_SHORT | DATA_TYPE_BIG_ENDIAN));
    EXPECT_FALSE(ChannelCodeFor(DATA_TYPE_DOUBLE));
    EXPECT_FALSE(ChannelCodeFor(DATA_TYPE_CHAR));
}

TEST(TarkoLayout, IntervalsBecomeSecondsThroughTheirDecimalText) {
    // 0.001f widened would be 0.0010000000474974513.
    EXPECT_EQ(IntervalSeconds(1.0f, "msec"), 0.001);
    EXPECT_EQ(IntervalSeconds(0.001f, ""), 0.001);
    EXPECT_EQ(IntervalSeconds(1.0f, "MSec"), IntervalSeconds(0.001f, "sec"));
    EXPECT_EQ(IntervalSeconds(0.3f, "msec"), 0.0003);  // 0.3 * 0.001 would not be
    EXPECT_EQ(IntervalSeconds(2.0f, "min"), 120.0);
    EXPECT_EQ(IntervalSeconds(0.1f, "MIN"), 6.0);
    EXPECT_EQ(IntervalSeconds(0.5f, "Stunden"), 1800.0);
    EXPECT_EQ(IntervalSeconds(1e-6f, "s"), 1e-6);
    EXPECT_EQ(IntervalSeconds(1.5e20f, "msec"), 1.5e17);
    EXPECT_EQ(IntervalSeconds(2.0f, "minutes"), 2.0);  // not a known unit: seconds
    for (const float bad : {0.0f, -1.0f, std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_EQ(IntervalSeconds(bad, "msec"), 0.0);
    }
}

}  // namespace
}  // namespace grafyon
