// MDF exports through the library's run path from a fake host. The description is read back
// with offsets and sizes taken from the format's tables, not from the writer's structures.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "common/byte_order.h"
#include "exportfilter/engine/export_method.h"
#include "exportfilter/engine/export_run.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/output_file.h"
#include "exportfilter/engine/tests/measurement_run.h"
#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"

namespace grafyon::exportfilter::test {
namespace {

using MdfExport = MeasurementRun<CQuenarStreamMdf, CQuenarChannelDefMdf>;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return LoadU32LE(b.data() + at);
}
double F64(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::bit_cast<double>(LoadU64LE(b.data() + at));
}
float F32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::bit_cast<float>(U32(b, at));
}
// The bytes of a zero-padded text field.
std::string Text(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(b.data() + at), size);
    return text.substr(0, text.find('\0'));
}
bool AllZero(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
    return std::all_of(b.begin() + at, b.begin() + at + size,
                       [](std::uint8_t v) { return v == 0; });
}

std::vector<std::vector<double>> Rows(std::size_t rows, std::size_t channels) {
    std::vector<std::vector<double>> result(rows, std::vector<double>(channels));
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < channels; ++c)
            result[r][c] = std::sin(0.01 * double(r) + double(c)) * 1000.0 + 0.1 * double(c);
    }
    return result;
}

TEST(MdfRun, ThreeChannelsAndAThousandRowsGiveTheFilesOfTheFormatTables) {
    MdfExport r(RegisterMdfClasses);
    r.SetRecords({{"a", 0.0, 0.01, 1000}, {"b", 0.0, 0.01, 1000}, {"c", 0.0, 0.01, 1000}});
    const auto rows = Rows(1000, 3);
    ASSERT_EQ(r.Run(rows), 0);
    EXPECT_EQ(r.stream->methodCode, QUENAR_METHOD_BLOCK);

    const std::vector<std::uint8_t> data = r.Data();
    ASSERT_EQ(data.size(), 3u * 4u * 1000u);
    for (std::size_t k = 0; k < 1000; ++k) {
        for (std::size_t c = 0; c < 3; ++c)
            ASSERT_EQ(F32(data, 12 * k + 4 * c), static_cast<float>(rows[k][c])) << k << " " << c;
    }

    const std::vector<std::uint8_t> d = r.Description();
    ASSERT_EQ(d.size(), 904u);
    // File header.
    EXPECT_EQ(std::memcmp(d.data(), "MDF_BINARY\r\n\0\0\0\0", 16), 0);
    const std::uint32_t header[] = {0x00020001, 0, 1, 72, 0, 1, 12, 3};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(U32(d, 16 + 4 * i), header[i]) << "header word at " << 16 + 4 * i;
    // Dataset elements.
    for (std::uint32_t c = 0; c < 3; ++c) {
        const std::size_t e = 72 + 208 * c;
        EXPECT_EQ(U32(d, e), 100u);
        EXPECT_EQ(U32(d, e + 4), 208u);
        EXPECT_EQ(U32(d, e + 8), 0x00020001u);
        EXPECT_EQ(U32(d, e + 12), c);
        EXPECT_EQ(Text(d, e + 16, 64), std::string(1, char('a' + c)));
        EXPECT_EQ(Text(d, e + 80, 64), std::string(1, char('a' + c)) + " label");
        EXPECT_EQ(Text(d, e + 144, 32), "V");
        EXPECT_EQ(U32(d, e + 176), 9u);
        EXPECT_EQ(U32(d, e + 180), 0xFFFFFFFFu);
        EXPECT_EQ(F64(d, e + 184), 1.0);
        EXPECT_EQ(F64(d, e + 192), 0.0);
        EXPECT_EQ(U32(d, e + 200), 4 * c);
        EXPECT_EQ(U32(d, e + 204), 1u);
    }
    // Data file element.
    const std::size_t f = 72 + 3 * 208;
    EXPECT_EQ(U32(d, f), 1u);
    EXPECT_EQ(U32(d, f + 4), 152u);
    EXPECT_EQ(U32(d, f + 8), 0x00010001u);
    EXPECT_EQ(U32(d, f + 12), 1u);
    EXPECT_EQ(U32(d, f + 16), 0u);
    EXPECT_EQ(Text(d, f + 20, 128), "out.dta");
    EXPECT_EQ(U32(d, f + 148), 0u);
    // Old-form time base, its packed date equal to the header's date.
    const std::size_t t = f + 152;
    EXPECT_EQ(U32(d, t), 2u);
    EXPECT_EQ(U32(d, t + 4), 56u);
    EXPECT_EQ(U32(d, t + 8), 0x00010001u);
    EXPECT_EQ(U32(d, t + 12), 1u);
    EXPECT_EQ(U32(d, t + 16), 1u);
    EXPECT_EQ(U32(d, t + 20), 1000u);
    EXPECT_EQ(U32(d, t + 24), 0u);
    const std::uint32_t packed = U32(d, t + 28);
    EXPECT_EQ(U32(d, t + 32), packed);
    EXPECT_DOUBLE_EQ(F64(d, t + 36), 100.0);
    EXPECT_TRUE(AllZero(d, t + 44, 12));
    EXPECT_EQ(U32(d, 48), (packed >> 17) & 0x1F);
    EXPECT_EQ(U32(d, 52), (packed >> 22) & 0x0F);
    EXPECT_EQ(U32(d, 56), ((packed >> 26) & 0x3F) + 1980);
    EXPECT_EQ(U32(d, 60), (packed >> 12) & 0x1F);
    EXPECT_EQ(U32(d, 64), (packed >> 6) & 0x3F);
    EXPECT_EQ(U32(d, 68), packed & 0x3F);
    EXPECT_GE(U32(d, 56), 2026u);
}

TEST(MdfRun, DescriptorsAdjustmentAndTextsCutToTheirFields) {
    MdfExport r(RegisterMdfClasses);
    const std::string seventy(70, 'n');
    r.SetRecords({{seventy}, {"b"}, {"c"}});
    r.records.front()->label = std::string(64, 'l');
    // Adjustment on: the definition's unit, factor and offset; the data stay unadjusted.
    r.Channel(0).adjustment = 1;
    r.Channel(0).factor = 2.0;
    r.Channel(0).offset = 1.0;
    r.Channel(0).unit = "bar";
    // User texts; the dataset comment, which no record carries, is empty.
    r.Channel(1).descriptors.nameSource = 2;
    r.Channel(1).descriptors.userName = "Druck";
    r.Channel(1).descriptors.commentSource = 3;
    r.Channel(1).descriptors.userComment = "vorne";
    r.Channel(2).descriptors.nameSource = 1;
    r.Channel(2).descriptors.commentSource = 2;
    ASSERT_EQ(r.Run({{1.5, 2.5, 3.5}}), 0);

    const std::vector<std::uint8_t> d = r.Description();
    ASSERT_EQ(d.size(), 904u);
    const std::size_t a = 72, b = 72 + 208, c = 72 + 416;
    // A name and a label of 64 bytes or more fill the field without a terminating zero.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(d.data() + a + 16), 64),
              seventy.substr(0, 64));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(d.data() + a + 80), 64),
              std::string(64, 'l'));
    EXPECT_EQ(Text(d, a + 144, 32), "bar");
    EXPECT_EQ(F64(d, a + 184), 2.0);
    EXPECT_EQ(F64(d, a + 192), 1.0);
    EXPECT_EQ(Text(d, b + 16, 64), "Druck");
    EXPECT_EQ(Text(d, b + 80, 64), "vorne");
    EXPECT_EQ(Text(d, b + 144, 32), "V");
    EXPECT_EQ(F64(d, b + 184), 1.0);
    EXPECT_EQ(F64(d, b + 192), 0.0);
    EXPECT_EQ(Text(d, c + 16, 64), "c label");
    EXPECT_TRUE(AllZero(d, c + 80, 64));
    const std::vector<std::uint8_t> data = r.Data();
    ASSERT_EQ(data.size(), 12u);
    EXPECT_EQ(F32(data, 0), 1.5f);
}

TEST(MdfRun, ACancelledRunDescribesExactlyTheRowsInItsDataFile) {
    MdfExport r(RegisterMdfClasses);
    r.SetRecords({{"a", 0.0, 1.0, 5000}, {"b", 0.0, 1.0, 5000}});
    SetStatusWindow(r.state, r.stream, 1, nullptr, nullptr);
    r.dialogs->progress.cancelAt = {1};
    ASSERT_EQ(r.Run(Rows(5000, 2)), 0);
    EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANCEL_EXPORT_QUESTION});
    const std::vector<std::uint8_t> d = r.Description();
    ASSERT_EQ(d.size(), 72u + 2 * 208 + 152 + 56);
    const std::uint32_t frames = U32(d, 72 + 416 + 152 + 20);
    EXPECT_EQ(frames, 1u);
    EXPECT_EQ(r.Data().size(), frames * 8u);
}

TEST(MdfRun, ResamplingDescribesTheRequestedResolution) {
    MdfExport r(RegisterMdfClasses);
    r.SetRecords({{"a", 0.0, 0.25, 9}});
    r.stream->method = FILTER_METHOD_CONSTANT_RESOLUTION;
    r.stream->missingConstant = FILTER_MISSING_INTERPOLATE;
    r.stream->resolution = 0.5;
    ASSERT_EQ(r.Run({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}}), 0);
    EXPECT_EQ(r.stream->methodCode, QUENAR_METHOD_RESAMPLED_INTERPOLATED);
    const std::vector<std::uint8_t> d = r.Description();
    ASSERT_EQ(d.size(), 72u + 208 + 152 + 56);
    const std::size_t t = 72 + 208 + 152;
    EXPECT_DOUBLE_EQ(F64(d, t + 36), 2.0);
    const std::vector<std::uint8_t> data = r.Data();
    ASSERT_EQ(data.size(), 4u * U32(d, t + 20));
    ASSERT_EQ(U32(d, t + 20), 5u);
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_EQ(F32(data, 4 * k), float(2 * k));
}

TEST(MdfRun, AMethodItDoesNotServeOrAFailedDataFileLeavesNoFiles) {
    MdfExport r(RegisterMdfClasses);
    r.SetRecords({{"a"}});
    r.stream->methodCode = 3;
    r.stream->blockRowFunction = &FakeHost::ReadRow;
    r.stream->sourceContext = &r.host;
    QuenarRunContext context{r.state.messenger, nullptr, r.state.hostFunctions};
    EXPECT_EQ(r.stream->Run(r.records, context), RUN_METHOD_NOT_SERVED);

    for (auto& record : r.records)
        record->dataFileName = r.dir / "missing/out.dta";
    EXPECT_EQ(r.Run({{1.0}}), RUN_OUTPUT_FAILED);
    EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANNOT_CREATE});
    EXPECT_FALSE(std::filesystem::exists(r.dataPath));
    EXPECT_FALSE(std::filesystem::exists(r.descriptionPath));
}

TEST(MdfRun, ADataFileNameLongerThanItsFieldIsRefusedWhenNamesAreAssigned) {
    for (std::size_t length : {128u, 129u}) {
        MdfExport r(RegisterMdfClasses);
        r.SetRecords({{"a"}});
        r.stream->outputFile.fileDialog = 0;
        r.stream->outputFile.overwrite = 2;
        r.stream->outputFile.dataNameMode = 1;
        const std::string name = std::string(length - 4, 'x') + ".dta";
        r.stream->outputFile.userDataName = r.dir / name;
        OutputNamingContext context{r.state.messenger, nullptr, {}};
        const int result = r.stream->AssignOutputFiles(r.dir / "source.mdf", r.records, context);
        if (length == 128) {
            EXPECT_EQ(result, NAMING_OK);
            EXPECT_EQ(r.records.front()->dataFileName, r.dir / name);
            EXPECT_EQ(r.records.front()->descriptionFileName,
                      r.dir / (std::string(length - 4, 'x') + ".MDF"));
        } else {
            EXPECT_EQ(result, NAMING_NAME_TOO_LONG);
            EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANNOT_CREATE});
        }
    }
}

TEST(MdfRun, ARunRefusesADataFileNameThatItsFieldCannotHoldWhoeverNamedIt) {
    for (std::size_t length : {128u, 129u}) {
        MdfExport r(RegisterMdfClasses);
        r.dataPath = r.dir / (std::string(length - 4, 'd') + ".dta");
        r.SetRecords({{"a"}});
        const int result = r.Run({{1.0}, {2.0}});
        if (length == 128) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(Text(r.Description(), 72 + 208 + 20, 128), std::string(124, 'd') + ".dta");
        } else {
            EXPECT_EQ(result, RUN_OUTPUT_FAILED);
            EXPECT_EQ(r.sink.Ids(), std::vector<int>{QUENAR_MSG_CANNOT_CREATE});
            EXPECT_FALSE(std::filesystem::exists(r.dataPath));
            EXPECT_FALSE(std::filesystem::exists(r.descriptionPath));
        }
    }
}

TEST(MdfRun, TheFilterKeepsItsDefinitionsThroughItsFile) {
    MdfExport r(RegisterMdfClasses);
    ASSERT_EQ(r.stream->CreateDefaultChannelDefinitions(1), 0);
    EXPECT_EQ(r.stream->CreateDefaultChannelDefinitions(2), -10);
    ASSERT_EQ(r.stream->channels.size(), 1u);
    EXPECT_EQ(r.stream->channels.front()->identifier, QuenarString(QUENAR_STR_DATASET));
    auto& first = r.Channel(0);
    first.descriptors = {2, 3, "Name", "Kommentar"};
    first.adjustment = 1;
    first.unit = "mm";
    ASSERT_EQ(r.stream->InsertChannelDefinitions(0, 2), 0);
    r.stream->SetTypeCode(QUENAR_TYPE_MDF);
    const std::string path = r.dir / "m.yef";
    ASSERT_EQ(WriteFilterFile(path, *r.stream), 0);
    const std::unique_ptr<CQuenarClass> read = ReadFilterFile(path, r.state.registry);
    auto* mdf = dynamic_cast<CQuenarStreamMdf*>(read.get());
    ASSERT_NE(mdf, nullptr);
    ASSERT_EQ(mdf->channels.size(), 3u);
    for (const auto& definition : mdf->channels) {
        const auto* channel = dynamic_cast<const CQuenarChannelDefMdf*>(definition.get());
        ASSERT_NE(channel, nullptr);
        EXPECT_EQ(channel->descriptors, first.descriptors);
        EXPECT_EQ(channel->unit, "mm");
    }
    EXPECT_EQ(mdf->outputFile.descriptionExtension, "MDF");
    EXPECT_EQ(mdf->GetTypeCode(), QUENAR_TYPE_MDF);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
