// Tarko exports through the library's run path from a fake host. The header file is read
// back with offsets and sizes taken from the format's tables.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "common/byte_order.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/tests/measurement_run.h"
#include "exportfilter/formats/tarko/tarko_channel_def.h"
#include "exportfilter/formats/tarko/tarko_stream.h"

namespace grafyon::exportfilter::test {
namespace {

using TarkoExport = MeasurementRun<CQuenarStreamTarko, CQuenarChannelDefTarko>;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return LoadU32LE(b.data() + at);
}
float F32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::bit_cast<float>(U32(b, at));
}
std::string Field(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(b.data() + at), size);
}
std::string Padded(std::string text, std::size_t size) {
    text.resize(size, ' ');
    return text;
}

TEST(TarkoRun, ThreeChannelsAndFiveHundredRowsGiveTheHeaderAndRecordsOfTheTables) {
    TarkoExport r(RegisterTarkoClasses);
    r.SetRecords(
        {{"alpha", 0.0, 0.002, 500}, {"beta", 0.0, 0.002, 500}, {"gamma", 0.0, 0.002, 500}});
    r.Channel(1).adjustment = 1;
    r.Channel(1).factor = 2.0;
    r.Channel(1).offset = 1.0;
    r.Channel(1).unit = "kilonewton";  // cut to 8 characters
    r.Channel(2).descriptors.nameSource = 2;
    r.Channel(2).descriptors.userName = "a name of more than sixteen";
    std::vector<std::vector<double>> rows;
    for (int k = 0; k < 500; ++k)
        rows.push_back({k * 0.5, -k * 0.25, 1e6 + k});
    ASSERT_EQ(r.Run(rows), 0);

    const std::vector<std::uint8_t> data = r.Data();
    ASSERT_EQ(data.size(), 3u * 4u * 500u);
    for (std::size_t k = 0; k < 500; ++k) {
        for (std::size_t c = 0; c < 3; ++c)
            ASSERT_EQ(F32(data, 12 * k + 4 * c), static_cast<float>(rows[k][c]));
    }

    const std::vector<std::uint8_t> h = r.Description();
    ASSERT_EQ(h.size(), 256u + 3 * 168);
    EXPECT_EQ(std::memcmp(h.data(), "TARKO TKS 01.00", 15), 0);
    EXPECT_EQ(U32(h, 16), 256u);
    EXPECT_EQ(U32(h, 20), 168u);
    EXPECT_EQ(U32(h, 24), 3u);
    EXPECT_EQ(Field(h, 28, 32), Padded("out.dta", 32));
    EXPECT_EQ(U32(h, 60), 0u);
    EXPECT_EQ(U32(h, 64), 2u);
    EXPECT_EQ(U32(h, 68), 1u);
    EXPECT_EQ(U32(h, 72), 0u);
    EXPECT_EQ(U32(h, 76), 12u);
    EXPECT_EQ(U32(h, 80), 500u);
    EXPECT_GE(U32(h, 92), 2026u);
    EXPECT_GE(U32(h, 88), 1u);
    EXPECT_LE(U32(h, 88), 12u);
    EXPECT_EQ(Field(h, 108, 120), std::string(120, ' '));

    const char* names[] = {"alpha", "beta", "a name of more t"};
    const char* labels[] = {"alpha label", "beta label", "gamma label"};
    const char* units[] = {"V", "kilonewt", "V"};
    const float factors[] = {1.0f, 2.0f, 1.0f};
    const float offsets[] = {0.0f, 1.0f, 0.0f};
    for (std::uint32_t c = 0; c < 3; ++c) {
        const std::size_t e = 256 + 168 * c;
        EXPECT_EQ(Field(h, e, 16), Padded(names[c], 16));
        EXPECT_EQ(U32(h, e + 16), c);
        EXPECT_EQ(U32(h, e + 20), 3u);
        EXPECT_EQ(U32(h, e + 24), 32u);
        EXPECT_EQ(U32(h, e + 28), 0xFFFFFFFFu);
        EXPECT_EQ(U32(h, e + 32), 500u);
        EXPECT_EQ(U32(h, e + 36), 1u);
        EXPECT_EQ(Field(h, e + 40, 16), Padded(labels[c], 16));
        EXPECT_EQ(Field(h, e + 56, 8), Padded(units[c], 8));
        EXPECT_EQ(F32(h, e + 64), factors[c]);
        EXPECT_EQ(F32(h, e + 68), offsets[c]);
        EXPECT_EQ(U32(h, e + 72), 0u);
        EXPECT_EQ(U32(h, e + 76), 0u);
        EXPECT_EQ(F32(h, e + 80), 0.002f);
        EXPECT_EQ(F32(h, e + 84), 1.0f);
        EXPECT_EQ(Field(h, e + 88, 16), Padded("Time", 16));
        EXPECT_EQ(Field(h, e + 104, 16), std::string(16, ' '));
        EXPECT_EQ(Field(h, e + 120, 8), Padded("sec", 8));
        EXPECT_EQ(Field(h, e + 128, 8), std::string(8, ' '));
        EXPECT_EQ(Field(h, e + 136, 32), std::string(32, '\0'));
    }
}

TEST(TarkoRun, ADataFileNameLongerThanThirtyTwoCharactersIsRefused) {
    for (std::size_t length : {32u, 33u}) {
        TarkoExport r(RegisterTarkoClasses);
        r.SetRecords({{"a"}});
        r.stream->outputFile.fileDialog = 0;
        r.stream->outputFile.overwrite = 2;
        r.stream->outputFile.dataNameMode = 1;
        const std::string name = std::string(length - 4, 'x') + ".dta";
        r.stream->outputFile.userDataName = r.dir / name;
        OutputNamingContext context{r.state.messenger, nullptr, {}};
        const int result = r.stream->AssignOutputFiles(r.dir / "source.mdf", r.records, context);
        EXPECT_EQ(result, length == 32 ? NAMING_OK : NAMING_NAME_TOO_LONG) << length;
        EXPECT_EQ(r.sink.Ids().empty(), length == 32);
        if (length == 32) {
            EXPECT_EQ(r.records.front()->descriptionFileName,
                      r.dir / (std::string(length - 4, 'x') + ".TKS"));
        }
    }
}

TEST(TarkoRun, ResampledRecordsCarryTheRequestedResolution) {
    TarkoExport r(RegisterTarkoClasses);
    r.SetRecords({{"a", 0.0, 0.25, 8}});
    r.stream->method = 1;
    r.stream->missingConstant = 1;
    r.stream->resolution = 0.5;
    ASSERT_EQ(r.Run({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}}), 0);
    const std::vector<std::uint8_t> h = r.Description();
    ASSERT_EQ(h.size(), 256u + 168);
    EXPECT_EQ(F32(h, 256 + 80), 0.5f);
    EXPECT_EQ(U32(h, 80), 4u);
    EXPECT_EQ(r.Data().size(), 16u);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
