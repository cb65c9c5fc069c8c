// The measurement data model: type table, decoding, normalisation, time base, elements.
#include <gtest/gtest.h>

#include <clocale>

#include <cmath>
#include <filesystem>

#include "scoped_german_locale.h"
#include "test_support.h"

#include "common/packed_date_time.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/data_type.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {
namespace {

TEST(DataType, NamesAndBothSizeRules) {
    EXPECT_EQ(DataTypeName(0x0003), "SHORT LittleEndian Calibrated");
    EXPECT_EQ(DataTypeName(0x0309), "FLOAT BigEndian Not calib.");
    EXPECT_EQ(DataTypeName(16), "Unknown ! LittleEndian Calibrated");
    EXPECT_EQ(DataTypeName(0x01F1), "TEXT LittleEndian Not calib.");

    const struct {
        std::uint32_t code, display, readable;
    } cases[] = {{1, 1, 1},  {0x103, 2, 2}, {0x203, 2, 0}, {7, 8, 8},      {8, 8, 8},
                 {9, 4, 4},  {10, 8, 8},    {14, 8, 8},    {15, 0, 0},     {16, 0, 0},
                 {17, 6, 0}, {18, 10, 0},   {241, 0, 0},   {0x212, 10, 0}, {99, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(DataTypeDisplaySize(c.code), c.display) << std::hex << c.code;
        EXPECT_EQ(ReadableValueSize(c.code), c.readable) << std::hex << c.code;
    }
}

TEST(DataType, DecodesWithMaskFactorAndOffset) {
    const std::uint8_t ffff[] = {0xFF, 0xFF};
    EXPECT_EQ(DecodeValue(ffff, 0x0103, 0x0FFF, 123.0, 7.0), 4095.0);  // not calibrated
    const std::uint8_t ff7f[] = {0xFF, 0x7F};
    EXPECT_EQ(DecodeValue(ff7f, 3, 0xFFFF, 0.5, 10.0), 16393.5);
    EXPECT_EQ(DecodeValue(ffff, 3, 0xFFFF, 1.0, 0.0), -1.0);  // signed
    EXPECT_EQ(DecodeValue(ffff, 4, 0xFFFF, 1.0, 0.0), 65535.0);
    const std::uint8_t c[] = {0x80};
    EXPECT_EQ(DecodeValue(c, 1, 0xFF, 2.0, 1.0), -255.0);
    EXPECT_EQ(DecodeValue(c, 2, 0x0F, 1.0, 0.0), 0.0);  // mask leaves nothing

    // Floats ignore the mask.
    const std::uint8_t f[] = {0x00, 0x00, 0xC0, 0x3F};  // 1.5f
    EXPECT_EQ(DecodeValue(f, 9, 0, 2.0, 1.0), 4.0);
    EXPECT_EQ(DecodeValue(f, 0x109, 0, 2.0, 1.0), 1.5);

    // 64-bit integers: all-ones keeps every bit, another mask applies to the low word.
    const std::uint8_t big[] = {0x01, 0, 0, 0, 0, 0, 0, 0x80};  // INT64_MIN + 1
    EXPECT_EQ(DecodeValue(big, 7, 0xFFFFFFFF, 1.0, 0.0), -9223372036854775807.0);
    EXPECT_EQ(DecodeValue(big, 8, 0xFFFFFFFF, 1.0, 0.0), 9223372036854775809.0);
    EXPECT_EQ(DecodeValue(big, 7, 0x0000FFFF, 1.0, 0.0), 1.0);

    // Booleans test the masked bits.
    const std::uint8_t b[] = {0x10, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeValue(b, 11, 0x10, 1.0, 0.0), 1.0);
    EXPECT_EQ(DecodeValue(b, 11, 0x01, 1.0, 0.0), 0.0);
    EXPECT_EQ(DecodeValue(b, 14 | 0x100, 0xFFFFFFFF, 5.0, 0.0), 1.0);

    // Unreadable codes give 0.
    EXPECT_EQ(DecodeValue(ffff, 0x203, 0xFFFF, 1.0, 0.0), 0.0);
    EXPECT_EQ(DecodeValue(ffff, 241, 0xFFFF, 1.0, 0.0), 0.0);
}

TEST(DataType, FormatsValuesForTheCursorAndTheInformation) {
    std::string text;
    EXPECT_EQ(FormatValue(3, -2.5, {}, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "-3");  // halves away from zero
    EXPECT_EQ(FormatValue(3, 2.5, {}, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "3");
    EXPECT_EQ(FormatValue(3, -0.4, {}, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "0");
    EXPECT_EQ(FormatValue(12, 1.0, {}, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "True");
    EXPECT_EQ(FormatValue(12, 0.4, {}, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "False");
    EXPECT_EQ(FormatValue(9, 1.25, {}, "%10.3f", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "     1.250");
    EXPECT_EQ(FormatValue(9, 1.25, {}, "%s", 64, text), FORMAT_VALUE_ERROR);  // unsafe format
    EXPECT_EQ(FormatValue(15, 1.0, {}, "%g", 64, text), FORMAT_VALUE_ERROR);
    const std::uint8_t bytes[] = {'T', 'e', 'm', 'p', ' ', 0xB0, 'C', 0, 'x'};
    EXPECT_EQ(FormatValue(241, 0.0, bytes, "", 64, text), FORMAT_VALUE_OK);
    EXPECT_EQ(text, "Temp °C");
    EXPECT_EQ(FormatValue(10, 123456.0, {}, "%g", 4, text), FORMAT_VALUE_CUT);
    EXPECT_EQ(text, "123");
}

TEST(DataType, FloatFormattingIgnoresTheProcessLocale) {
    std::string text;
    {
        test::ScopedGermanLocale german;
        ASSERT_TRUE(german.Active());
        FormatValue(10, 10.5, {}, "%g", 64, text);
    }
    EXPECT_EQ(text, "10.5");
}

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

Dataset MakeDataset(std::string name, std::string label, std::string unit, std::uint32_t type,
                    double factor, double offset) {
    Dataset d;
    d.name = std::move(name);
    d.label = std::move(label);
    d.unit = std::move(unit);
    d.dataType = type;
    d.factor = factor;
    d.offset = offset;
    return d;
}

TEST(Dataset, NormalisationRunsInItsOrder) {
    Dataset empty = MakeDataset("   ", "", "  V ", 3, 2.0, 0.0);
    empty.Normalise();
    EXPECT_EQ(empty.name, "Untitled");
    EXPECT_EQ(empty.label, "");  // the label took the name before it was replaced
    EXPECT_EQ(empty.unit, "V");

    Dataset named = MakeDataset("  Speed ", "  ", "", 3, 2.0, 0.0);
    named.Normalise();
    EXPECT_EQ(named.label, "Speed");

    Dataset identity = MakeDataset("a", "b", "c", 3, 1.0, 0.0);
    identity.Normalise();
    EXPECT_EQ(identity.TypeName(), "SHORT LittleEndian Not calib.");
    Dataset nearly = MakeDataset("a", "b", "c", 3, 1.0, 0.000001);
    nearly.Normalise();
    EXPECT_EQ(nearly.TypeName(), "SHORT LittleEndian Calibrated");

    Dataset longTexts = MakeDataset(std::string(70, 'n'), Repeat("ä", 40) + std::string(40, 'l'),
                                    std::string(40, 'u'), 9, 1.0, 0.0);
    longTexts.Normalise();
    EXPECT_EQ(longTexts.name.size(), 63u);
    EXPECT_EQ(TruncateCharacters(longTexts.label, 100), longTexts.label);
    EXPECT_EQ(longTexts.label, Repeat("ä", 40) + std::string(23, 'l'));  // characters, not bytes
    EXPECT_EQ(longTexts.unit.size(), 31u);
}

TEST(Dataset, FrameFitRejectsValuesOutsideTheFrame) {
    Dataset d = MakeDataset("a", "", "", 10, 1.0, 0.0);
    d.valuesPerFrame = 2;
    d.effectiveFrameOffset = 8;
    EXPECT_TRUE(d.FitsFrame(24));
    EXPECT_FALSE(d.FitsFrame(23));
    d.effectiveFrameOffset = 0xFFFFFFFFull;
    d.valuesPerFrame = 0xFFFFFFFFu;
    EXPECT_TRUE(d.FitsFrame(~0ull >> 8));  // 64-bit sums do not wrap
    EXPECT_FALSE(d.FitsFrame(1ull << 34));
    d.dataType = 0x20A;
    EXPECT_FALSE(d.FitsFrame(1 << 20));
}

std::unique_ptr<TimeSegmentElement> Segment(std::uint64_t frames, double step) {
    auto s = std::make_unique<TimeSegmentElement>();
    s->frameCount = frames;
    s->sampleStep = step;
    s->carrierName = "Time";
    s->carrierUnit = "sec";
    return s;
}

TEST(MeasurementDescription, TimeBaseOverSegments) {
    MeasurementDescription d;
    d.Append(std::make_unique<HeaderElement>());
    EXPECT_EQ(d.SampleStep(), SAMPLE_STEP_VARIABLE);
    EXPECT_EQ(d.Duration(), 0.0);
    d.Append(Segment(1000, 0.001));
    d.Append(Segment(500, 0.001));
    EXPECT_EQ(d.FrameCount(), 1500u);
    EXPECT_EQ(d.SampleStep(), 0.001);
    EXPECT_DOUBLE_EQ(d.TimeOfFrame(250), 0.25);
    EXPECT_DOUBLE_EQ(d.Duration(), 1.499);
    EXPECT_EQ(d.CarrierName(), "Time");
    EXPECT_EQ(d.CarrierUnit(), "sec");

    d.Append(Segment(100, 0.002));
    EXPECT_EQ(d.SampleStep(), SAMPLE_STEP_VARIABLE);
    EXPECT_DOUBLE_EQ(d.Duration(), 1.5 + 0.2 - 0.002);

    MeasurementDescription bad;
    bad.Append(std::make_unique<HeaderElement>());
    bad.Append(Segment(10, 0.0));
    EXPECT_EQ(bad.SampleStep(), SAMPLE_STEP_VARIABLE);
    MeasurementDescription nan;
    nan.Append(std::make_unique<HeaderElement>());
    nan.Append(Segment(10, std::nan("")));
    EXPECT_EQ(nan.SampleStep(), SAMPLE_STEP_VARIABLE);
}

TEST(MeasurementDescription, CountersQueriesAndRemoval) {
    MeasurementDescription d;
    EXPECT_EQ(d.Append(std::make_unique<Dataset>()), nullptr);  // the header comes first
    d.Append(std::make_unique<HeaderElement>());
    EXPECT_EQ(d.Append(std::make_unique<HeaderElement>()), nullptr);
    auto file = std::make_unique<DataFileElement>();
    file->fileNumber = 2;
    file->fileName = "run.dta";
    d.Append(std::move(file));
    Element* first = d.Append(std::make_unique<Dataset>());
    d.Append(std::make_unique<Dataset>(ELEMENT_DATASET_EXTENDED));
    d.Append(std::make_unique<Dataset>(ELEMENT_DATASET_LIST));
    Element* last = d.Append(std::make_unique<Dataset>());
    for (std::uint32_t n : {0u, 3u}) {
        auto name = std::make_unique<RangeNameElement>();
        name->rangeNumber = n;
        name->name = "range " + std::to_string(n);
        d.Append(std::move(name));
    }
    auto parameter = std::make_unique<ParameterElement>(ELEMENT_RANGE_PARAMETER);
    parameter->rangeNumber = 3;
    parameter->parameterNumber = 7;
    d.Append(std::move(parameter));

    const HeaderCounters& c = d.Header()->counters;
    EXPECT_EQ(c.datasets100, 2u);
    EXPECT_EQ(c.datasets101, 1u);
    EXPECT_EQ(c.datasets110, 1u);
    EXPECT_EQ(d.Header()->DatasetTotal(), 4u);
    EXPECT_EQ(c.dataFiles, 1u);
    EXPECT_EQ(c.rangeNames, 2u);
    EXPECT_EQ(c.rangeParameters, 1u);
    EXPECT_EQ(d.DatasetCount(), 2u);
    EXPECT_EQ(d.Datasets().size(), 4u);
    EXPECT_EQ(d.Datasets().front()->owner, &d);

    EXPECT_EQ(d.DataFileName(2), "run.dta");
    EXPECT_EQ(d.DataFileName(1), "");
    EXPECT_EQ(d.RangeName(3)->name, "range 3");
    EXPECT_EQ(d.RangeName(9)->name, "range 0");
    EXPECT_NE(d.RangeParameter(3, std::nullopt), nullptr);
    EXPECT_NE(d.RangeParameter(3, 7u), nullptr);
    EXPECT_EQ(d.RangeParameter(3, 8u), nullptr);
    EXPECT_EQ(d.RangeParameter(4, std::nullopt), nullptr);

    std::size_t pos = 0;
    int seen = 0;
    for (Dataset* ds = d.FirstDataset(pos); ds; ds = d.NextDataset(pos))
        ++seen;
    EXPECT_EQ(seen, 4);
    EXPECT_EQ(d.FindFirst(ELEMENT_DATASET, pos), first);
    EXPECT_EQ(d.FindNext(ELEMENT_DATASET, pos), last);
    EXPECT_EQ(d.FindNext(ELEMENT_DATASET, pos), nullptr);

    EXPECT_TRUE(d.Remove(first));
    EXPECT_FALSE(d.Remove(first));
    EXPECT_EQ(d.Header()->counters.datasets100, 1u);
    EXPECT_EQ(d.DatasetCount(), 1u);
    d.Clear();
    EXPECT_TRUE(d.Empty());
    EXPECT_EQ(d.Header(), nullptr);
}

TEST(DataFilePath, JoinsWithASingleSlash) {
    EXPECT_EQ(JoinPath("/data", "a.dta"), "/data/a.dta");
    EXPECT_EQ(JoinPath("/", "a.dta"), "/a.dta");
    EXPECT_EQ(JoinPath("", "a.dta"), "a.dta");
}

TEST(DataFilePath, OnlyFolderPartsAndDotNamesAreNotPlain) {
    for (const char* name : {"", ".", "..", "../x.dta", "sub/x.dta", "sub\\x.dta", "/x", "x\\"})
        EXPECT_FALSE(IsPlainDataFileName(name)) << name;
    for (const char* name : {"run..1.dta", "...", ".x", "x.", "..dta", "run 1.dta"})
        EXPECT_TRUE(IsPlainDataFileName(name)) << name;
}

TEST(DataFilePath, CaseIsIgnoredForWindows1252Letters) {
    EXPECT_TRUE(EqualsIgnoringCase("TEST.DTA", "test.dta"));
    EXPECT_TRUE(
        EqualsIgnoringCase("Messung_\u00c4\u00d6\u00dc.dta", "MESSUNG_\u00e4\u00f6\u00fc.DTA"));
    EXPECT_TRUE(EqualsIgnoringCase("\u0161\u0153\u017e\u00ff", "\u0160\u0152\u017d\u0178"));
    EXPECT_FALSE(EqualsIgnoringCase("test.dta", "test.dt"));
    EXPECT_FALSE(EqualsIgnoringCase("\u00f7", "\u00d7"));  // division and multiplication signs
    EXPECT_FALSE(EqualsIgnoringCase("\u00df", "SS"));
    // Characters that Windows-1252 lacks must match exactly.
    EXPECT_TRUE(EqualsIgnoringCase("\u0416.dta", "\u0416.dta"));
    EXPECT_FALSE(EqualsIgnoringCase("\u0416.dta", "\u0436.dta"));
    EXPECT_FALSE(EqualsIgnoringCase("\u0416.dta", "?.dta"));
}

TEST(DataFilePath, ExactNameFirstThenAnyCaseInTheSameFolder) {
    test::TempDir dir;
    const std::string folder = dir.Path().string();
    std::filesystem::create_directory(dir.Path() / "sub");
    test::WriteTextFile(dir / "Run.DTA", "x");
    test::WriteTextFile(dir / "run.dta", "x");
    EXPECT_EQ(FindDataFile(folder, "run.dta"), dir / "run.dta");
    EXPECT_EQ(FindDataFile(folder, "Run.DTA"), dir / "Run.DTA");
    // Several other spellings: the byte-wise smallest, whatever the folder's order.
    test::WriteTextFile(dir / "rUN.dta", "x");
    EXPECT_EQ(FindDataFile(folder + "/", "RUN.DTA"), dir / "Run.DTA");
    // Only regular files are candidates; a folder of the exact name is still taken.
    std::filesystem::create_directory(dir.Path() / "DATA.DTA");
    EXPECT_EQ(FindDataFile(folder, "data.dta"), dir / "data.dta");
    EXPECT_EQ(FindDataFile(folder, "DATA.DTA"), dir / "DATA.DTA");
    // Neither a file of another folder nor a name with a folder part is looked up.
    test::WriteTextFile(dir / "sub/inner.dta", "x");
    EXPECT_EQ(FindDataFile(folder, "INNER.DTA"), dir / "INNER.DTA");
    EXPECT_EQ(FindDataFile(folder, "SUB/INNER.DTA"), dir / "SUB/INNER.DTA");
    EXPECT_EQ(FindDataFile(dir / "missing", "run.dta"), dir / "missing/run.dta");
}

TEST(PackedDateTime, RoundTripAndBitPositions) {
    const DateTimeParts parts{2026, 12, 8, 13, 45, 59};
    const std::uint32_t packed = PackDateTime(parts);
    EXPECT_EQ(packed & 0x3F, 59u);
    EXPECT_EQ((packed >> 26) & 0x3F, 46u);
    const DateTimeParts back = UnpackDateTime(packed);
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 8);
    EXPECT_EQ(back.hour, 13);
    EXPECT_EQ(back.minute, 45);
    EXPECT_EQ(back.second, 59);
    EXPECT_EQ(UnpackDateTime(PackDateTime({2100, 1, 1, 0, 0, 0})).year, 2043);
    EXPECT_EQ(UnpackDateTime(0).year, 1980);
}

}  // namespace
}  // namespace grafyon

namespace grafyon {
namespace {

TEST(MeasurementDescription, ReorderDatasetsKeepsOtherElementsInPlace) {
    MeasurementDescription d;
    d.Append(std::make_unique<HeaderElement>());
    Dataset* a = static_cast<Dataset*>(d.Append(std::make_unique<Dataset>()));
    d.Append(std::make_unique<TimeSegmentElement>());
    Dataset* b = static_cast<Dataset*>(d.Append(std::make_unique<Dataset>()));
    Dataset* c = static_cast<Dataset*>(d.Append(std::make_unique<Dataset>()));
    ASSERT_TRUE(d.ReorderDatasets({c, a, b}));
    EXPECT_EQ(d.Datasets(), (std::vector<Dataset*>{c, a, b}));
    EXPECT_EQ(d.Elements()[2]->Kind(), ELEMENT_TIME_SEGMENT);
    // A missing, repeated or foreign dataset changes nothing.
    Dataset stranger;
    EXPECT_FALSE(d.ReorderDatasets({a, b}));
    EXPECT_FALSE(d.ReorderDatasets({a, a, b}));
    EXPECT_FALSE(d.ReorderDatasets({a, b, &stranger}));
    EXPECT_EQ(d.Datasets(), (std::vector<Dataset*>{c, a, b}));
}

}  // namespace
}  // namespace grafyon
