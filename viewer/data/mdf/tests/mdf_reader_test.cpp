// The MDF reader: recognition, every status, element rules and malformed files.
#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/test_support/mdf_test_builder.h"

namespace grafyon {
namespace {

using test::MdfBuilder;

class MdfReaderTest : public ::testing::Test {
protected:
    MeasurementStatus Read(const std::vector<std::uint8_t>& bytes,
                           const std::string& name = "run.mdf") {
        m_path = m_dir / name;
        test::WriteFile(m_path, bytes);
        return ReadMdfDescription(m_path, m_description);
    }

    template <class T>
    std::vector<T*> All(std::uint32_t kind) const {
        std::vector<T*> result;
        for (const auto& e : m_description.Elements()) {
            if (e->Kind() == kind)
                result.push_back(static_cast<T*>(e.get()));
        }
        return result;
    }

    // A complete little measurement: one data file, one segment of 100 frames and one
    // SHORT dataset.
    static MdfBuilder Complete(MdfBuilder::HeaderFields h = {}) {
        MdfBuilder b(h);
        b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
        b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
        b.Element(100, MdfBuilder::Dataset({}), std::nullopt, 0x00020001);
        return b;
    }

    test::TempDir m_dir;
    std::string m_path;
    MeasurementDescription m_description;
};

TEST_F(MdfReaderTest, RecognisesTheMagicOnly) {
    Read(Complete().Bytes());
    EXPECT_TRUE(IsMdfFile(m_path));
    test::WriteFile(m_dir / "short.mdf", {'M', 'D', 'F', '_', 'B', 'I', 'N'});
    EXPECT_FALSE(IsMdfFile(m_dir / "short.mdf"));
    test::WriteTextFile(m_dir / "text.mdf", "MDF_BINARY\n\r and more text");
    EXPECT_FALSE(IsMdfFile(m_dir / "text.mdf"));
    EXPECT_FALSE(IsMdfFile(m_dir / "missing.mdf"));
    EXPECT_FALSE(IsMdfFile(m_dir.Path().string()));  // a folder

    // Byte 12 is not part of the probe: recognised, then rejected by the reader.
    MdfBuilder::HeaderFields h;
    h.byte12 = 'X';
    const std::vector<std::uint8_t> bytes = Complete(h).Bytes();
    test::WriteFile(m_dir / "x.mdf", bytes);
    EXPECT_TRUE(IsMdfFile(m_dir / "x.mdf"));
    EXPECT_EQ(Read(bytes), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_description.Empty());
}

TEST_F(MdfReaderTest, ReportsEveryStatus) {
    EXPECT_EQ(ReadMdfDescription("", m_description), MeasurementStatus::NoInput);
    EXPECT_EQ(ReadMdfDescription(m_dir / "missing.mdf", m_description), MeasurementStatus::NoInput);
    EXPECT_EQ(Read({'T', 'A', 'R', 'K', 'O'}), MeasurementStatus::NotMdf);
    EXPECT_EQ(Read({}), MeasurementStatus::NotMdf);

    EXPECT_EQ(Read(Complete().Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(m_description.DatasetCount(), 1u);
    EXPECT_EQ(m_description.FrameCount(), 100u);

    MdfBuilder noDataset;
    noDataset.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    noDataset.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
    EXPECT_EQ(Read(noDataset.Bytes()), MeasurementStatus::NoDataset);
    EXPECT_FALSE(m_description.Empty());  // the information stays available

    MdfBuilder noSegment;
    noSegment.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    noSegment.Element(100, MdfBuilder::Dataset({}));
    EXPECT_EQ(Read(noSegment.Bytes()), MeasurementStatus::NoTimeBase);

    // A header and nothing else: no dataset is reported before no time base.
    EXPECT_EQ(Read(MdfBuilder().Bytes()), MeasurementStatus::NoDataset);
    EXPECT_EQ(m_description.ElementCount(), 1u);
}

TEST_F(MdfReaderTest, TruncatedAndBrokenHeadersAreCorrupt) {
    std::vector<std::uint8_t> bytes = Complete().Bytes();
    bytes.resize(71);
    EXPECT_EQ(Read(bytes), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_description.Empty());
    bytes.resize(13);
    EXPECT_EQ(Read(bytes), MeasurementStatus::Corrupt);

    MdfBuilder::HeaderFields small;
    small.headerSize = 64;
    EXPECT_EQ(Read(Complete(small).Bytes()), MeasurementStatus::Corrupt);

    // A header that claims more bytes than the file holds.
    MdfBuilder b;
    std::vector<std::uint8_t> header = b.Bytes();
    header[28] = 0xF0;
    header[29] = header[30] = header[31] = 0xFF;
    EXPECT_EQ(Read(header), MeasurementStatus::Corrupt);
}

TEST_F(MdfReaderTest, LargerHeaderSizeSkipsTheExtraBytes) {
    MdfBuilder::HeaderFields h;
    h.headerSize = 80;
    h.extraHeaderByte = 0x03;  // would be read as an element head if not skipped
    ASSERT_EQ(Read(Complete(h).Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(m_description.Header()->headerSize, 80u);
    EXPECT_EQ(m_description.DataFiles().size(), 1u);
    EXPECT_EQ(m_description.TimeSegments().size(), 1u);
    EXPECT_EQ(m_description.DatasetCount(), 1u);
}

TEST_F(MdfReaderTest, ReadsHeaderFieldsAndCounters) {
    MdfBuilder::HeaderFields h;
    h.frameSize = 12;
    h.datasetCount = 2;
    MdfBuilder b(h);
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.01));
    b.Element(10, MdfBuilder::Pattern(52, 1));
    b.Element(20, MdfBuilder::RangeName(1, "Anfahrt", "Bereich mit Öl"));
    b.Element(21, MdfBuilder::Range(1, 2, 5));
    b.Element(22, MdfBuilder::Spot(1, 7));
    b.Element(70, MdfBuilder::Pattern(148, 2));
    b.Element(80, MdfBuilder::Parameter(4, 8, MdfBuilder::Pattern(8, 3)));
    b.Element(81, MdfBuilder::RangeParameter(5, 1, 4, MdfBuilder::Pattern(4, 4)));
    b.Element(90, MdfBuilder::Comment("Prüfstand 3"));
    b.Element(100, MdfBuilder::Dataset({}));
    b.Element(100, MdfBuilder::Dataset(
                       {.number = 1, .name = "Temp", .unit = "°C", .type = 9, .frameOffset = 4}));
    b.Element(101,
              MdfBuilder::Concat(MdfBuilder::Dataset({.number = 2}), MdfBuilder::Pattern(232, 5)));
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);

    const HeaderElement& header = *m_description.Header();
    EXPECT_EQ(header.fileName, "run.mdf");
    EXPECT_EQ(header.filePath, m_path);
    EXPECT_EQ(header.frameSize, 12u);
    EXPECT_EQ(header.effectiveFrameSize, 12u);
    EXPECT_EQ(header.datasetCount, 2u);
    EXPECT_EQ(header.year, 2024u);
    EXPECT_EQ(header.second, 5u);
    const HeaderCounters& c = header.counters;
    EXPECT_EQ(c.datasets100, 2u);
    EXPECT_EQ(c.datasets101, 1u);
    EXPECT_EQ(c.dataFiles, 1u);
    EXPECT_EQ(c.timeSegments, 1u);
    EXPECT_EQ(c.reserved10, 1u);
    EXPECT_EQ(c.rangeNames, 1u);
    EXPECT_EQ(c.ranges, 1u);
    EXPECT_EQ(c.spots, 1u);
    EXPECT_EQ(c.comments, 1u);
    EXPECT_EQ(c.reserved70, 1u);
    EXPECT_EQ(c.parameters, 1u);
    EXPECT_EQ(c.rangeParameters, 1u);

    const DataFileElement& file = *m_description.DataFiles().front();
    EXPECT_EQ(file.fullPath, m_dir / "run.dta");
    const TimeSegmentElement& segment = *m_description.TimeSegments().front();
    EXPECT_EQ(segment.frameCount, 10u);
    EXPECT_EQ(segment.sampleStep, 0.01);
    EXPECT_EQ(segment.carrierName, "Time");
    EXPECT_EQ(segment.carrierUnit, "sec");
    EXPECT_EQ(segment.startDateTime, 0x12345678u);
    EXPECT_EQ(segment.endDateTime, 0x9ABCDEF0u);

    const RangeNameElement& name = *All<RangeNameElement>(20).front();
    EXPECT_EQ(name.name, "Anfahrt");
    EXPECT_EQ(name.comment, "Bereich mit Öl");
    const RangeElement& range = *All<RangeElement>(21).front();
    EXPECT_EQ(range.startFrame, 2u);
    EXPECT_EQ(range.stopFrame, 5u);
    EXPECT_EQ(range.startDateTime, 0x0A0B0C0Du);
    EXPECT_EQ(All<SpotElement>(22).front()->frame, 7u);
    EXPECT_EQ(All<SpotElement>(22).front()->dateTime, 0x0F0F0F0Fu);
    const ParameterElement& parameter = *All<ParameterElement>(80).front();
    EXPECT_EQ(parameter.parameterNumber, 4u);
    EXPECT_EQ(parameter.frame, 42u);
    EXPECT_EQ(parameter.valueType, 10u);
    EXPECT_EQ(parameter.data, MdfBuilder::Pattern(8, 3));
    const ParameterElement& rangeParameter = *All<ParameterElement>(81).front();
    EXPECT_EQ(rangeParameter.parameterNumber, 5u);
    EXPECT_EQ(rangeParameter.rangeNumber, 1u);
    EXPECT_EQ(rangeParameter.valueType, 9u);
    EXPECT_EQ(rangeParameter.data, MdfBuilder::Pattern(4, 4));
    EXPECT_EQ(All<CommentElement>(90).front()->text, "Prüfstand 3");

    const std::vector<Dataset*> datasets = m_description.Datasets();
    ASSERT_EQ(datasets.size(), 3u);
    EXPECT_EQ(datasets[0]->name, "Speed");
    EXPECT_EQ(datasets[0]->label, "Vehicle speed");
    EXPECT_EQ(datasets[0]->factor, 0.5);
    EXPECT_EQ(datasets[0]->TypeName(), "SHORT LittleEndian Calibrated");
    EXPECT_EQ(datasets[1]->unit, "°C");
    EXPECT_EQ(datasets[1]->effectiveFrameOffset, 4u);
    EXPECT_EQ(datasets[2]->extension, MdfBuilder::Pattern(232, 5));
}

TEST_F(MdfReaderTest, DatasetsAreNormalisedAndUnreadableOnesDropped) {
    MdfBuilder::HeaderFields h;
    h.frameSize = 8;
    MdfBuilder b(h);
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.01));
    b.Element(100, MdfBuilder::Dataset(
                       {.name = "  ", .label = "", .unit = " V ", .factor = 1.0, .offset = 0.0}));
    b.Element(100, MdfBuilder::Dataset({.name = "big", .type = 0x0203}));        // big-endian
    b.Element(100, MdfBuilder::Dataset({.name = "text", .type = 241}));          // unreadable
    b.Element(100, MdfBuilder::Dataset({.name = "none", .valuesPerFrame = 0}));  // no value
    b.Element(100, MdfBuilder::Dataset({.name = "outside", .type = 10, .frameOffset = 4}));
    b.Element(100, MdfBuilder::Dataset({.name = "two", .frameOffset = 4, .valuesPerFrame = 2}));
    b.Element(
        100,
        MdfBuilder::Dataset(
            {.name = "wrap", .type = 10, .frameOffset = 0xFFFFFFFC, .valuesPerFrame = 0x20000000}));
    // Extended datasets are kept whatever their type.
    b.Element(101, MdfBuilder::Concat(MdfBuilder::Dataset({.name = "ext", .type = 0x0209}),
                                      MdfBuilder::Pattern(232, 1)));
    b.Element(110, MdfBuilder::DatasetList({.name = "list", .type = 241}, 1, 1));
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);

    const std::vector<Dataset*> datasets = m_description.Datasets();
    ASSERT_EQ(datasets.size(), 4u);
    EXPECT_EQ(datasets[0]->name, "Untitled");
    EXPECT_EQ(datasets[0]->label, "");
    EXPECT_EQ(datasets[0]->unit, "V");
    EXPECT_EQ(datasets[0]->TypeName(), "SHORT LittleEndian Not calib.");
    EXPECT_EQ(datasets[1]->name, "two");
    EXPECT_EQ(datasets[2]->name, "ext");
    EXPECT_EQ(datasets[3]->name, "list");
    EXPECT_EQ(datasets[3]->listRecords, MdfBuilder::Pattern(232, 11));
    EXPECT_EQ(m_description.Header()->counters.datasets100, 2u);
}

TEST_F(MdfReaderTest, OnlyUnreadableKind100DatasetsGiveNoDataset) {
    MdfBuilder b;
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.01));
    b.Element(100, MdfBuilder::Dataset({.type = 0x0209}));
    EXPECT_EQ(Read(b.Bytes()), MeasurementStatus::NoDataset);

    // A dataset element below its minimum size is skipped, and reading goes on.
    MdfBuilder small;
    std::vector<std::uint8_t> shortDataset = MdfBuilder::Dataset({});
    shortDataset.resize(188);
    small.Element(100, shortDataset);  // 200 bytes in all
    small.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    small.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.01));
    EXPECT_EQ(Read(small.Bytes()), MeasurementStatus::NoDataset);
    EXPECT_EQ(m_description.DataFiles().size(), 1u);
    EXPECT_EQ(m_description.TimeSegments().size(), 1u);
}

TEST_F(MdfReaderTest, UnknownKindsAreSkipped) {
    MdfBuilder b;
    b.Element(55, {});
    b.Element(55, MdfBuilder::Pattern(300, 0));
    b.Element(0, MdfBuilder::Pattern(60, 0));  // a header kind inside the element list
    b.Element(2000, MdfBuilder::Pattern(5, 0));
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
    b.Element(100, MdfBuilder::Dataset({}));
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(m_description.ElementCount(), 4u);
}

TEST_F(MdfReaderTest, VersionZeroOrSizeBelowTwelveEndsTheLoop) {
    for (const auto& [size, version] :
         {std::pair<std::uint32_t, std::uint32_t>{12, 0}, {12, 0x80000000u}, {11, 0x00010001}}) {
        MdfBuilder b;
        b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
        b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
        b.Element(55, {}, size, version);
        b.Element(100, MdfBuilder::Dataset({}));
        EXPECT_EQ(Read(b.Bytes()), MeasurementStatus::NoDataset) << size << " " << version;
        EXPECT_EQ(m_description.ElementCount(), 3u);
    }
}

TEST_F(MdfReaderTest, OldFormatReadsTheFirstKind1ElementsAsDatasets) {
    MdfBuilder::HeaderFields h;
    h.formatVersion = 0x00010001;
    h.datasetCount = 2;
    h.frameSize = 4;
    MdfBuilder b(h);
    b.Element(1, MdfBuilder::Dataset({.number = 0, .name = "first"}));
    b.Element(1, MdfBuilder::Dataset({.number = 1, .name = "second", .frameOffset = 2}));
    b.Element(1, MdfBuilder::DataFile(1, "old.dta"));
    b.Element(2, MdfBuilder::TimeBase(250, 500.0));
    b.Element(1, MdfBuilder::DataFile(2, "later.dta"));
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);

    const std::vector<Dataset*> datasets = m_description.Datasets();
    ASSERT_EQ(datasets.size(), 2u);
    EXPECT_EQ(datasets[0]->Kind(), ELEMENT_DATASET);
    EXPECT_EQ(datasets[0]->name, "first");
    EXPECT_EQ(datasets[1]->name, "second");
    ASSERT_EQ(m_description.DataFiles().size(), 2u);
    EXPECT_EQ(m_description.DataFileName(1), "old.dta");
    EXPECT_EQ(m_description.DataFileName(2), "later.dta");

    // The old time base became a time segment.
    ASSERT_EQ(m_description.TimeSegments().size(), 1u);
    const TimeSegmentElement& segment = *m_description.TimeSegments().front();
    EXPECT_EQ(segment.Kind(), ELEMENT_TIME_SEGMENT);
    EXPECT_EQ(segment.frameCount, 250u);
    EXPECT_EQ(segment.dataFileNumber, 1u);
    EXPECT_EQ(segment.segmentNumber, 1u);
    EXPECT_DOUBLE_EQ(segment.sampleStep, 0.002);
    EXPECT_EQ(segment.carrierName, "Time");
    EXPECT_EQ(segment.carrierUnit, "sec");
    EXPECT_EQ(segment.carrierFactor, 1.0);
    EXPECT_EQ(segment.startDateTime, 0x11111111u);
    EXPECT_EQ(segment.endDateTime, 0x22222222u);
    EXPECT_EQ(m_description.Header()->counters.timeSegments, 1u);

    // The new format reads kind 1 as data files throughout.
    h.formatVersion = 0x00020001;
    MdfBuilder current(h);
    current.Element(1, MdfBuilder::Dataset({}));  // read as a (strange) data file
    current.Element(1, MdfBuilder::DataFile(1, "new.dta"));
    EXPECT_EQ(Read(current.Bytes()), MeasurementStatus::NoDataset);
    EXPECT_EQ(m_description.DataFiles().size(), 2u);
}

TEST_F(MdfReaderTest, EmbeddedDataMakesTheFileReferToItself) {
    // header, dataset, embedded block, data file naming another file, one segment.
    auto build = [](std::uint32_t frames, std::int64_t offsetShift, int segments) {
        MdfBuilder::HeaderFields h;
        h.frameSize = 2;
        MdfBuilder b(h);
        b.Element(100, MdfBuilder::Dataset({}));
        const auto dataPosition = static_cast<std::uint32_t>(b.Size() + 12);
        b.Element(1000, MdfBuilder::Pattern(20, 0));  // 10 frames of 2 bytes
        b.Element(1, MdfBuilder::DataFile(1, "renamed-from.mcf",
                                          static_cast<std::uint32_t>(dataPosition + offsetShift)));
        for (int s = 0; s < segments; ++s)
            b.Element(3, MdfBuilder::Segment(1, s + 1, frames, 0, 0.1));
        return b;
    };
    ASSERT_EQ(Read(build(10, 0, 1).Bytes(), "measure.mcf"), MeasurementStatus::Ok);
    const DataFileElement& file = *m_description.DataFiles().front();
    EXPECT_EQ(file.fileName, "measure.mcf");
    EXPECT_EQ(file.fullPath, m_path);

    // Any rule not met keeps the stored name.
    for (const auto& [frames, shift, segments] :
         {std::tuple{11u, 0, 1}, std::tuple{10u, 4, 1}, std::tuple{5u, 0, 2}}) {
        ASSERT_EQ(Read(build(frames, shift, segments).Bytes(), "measure.mcf"),
                  MeasurementStatus::Ok);
        EXPECT_EQ(m_description.DataFiles().front()->fileName, "renamed-from.mcf")
            << frames << " " << shift << " " << segments;
    }
}

TEST_F(MdfReaderTest, EmbeddedDataReferToItselfEvenWithALongName) {
    MdfBuilder::HeaderFields h;
    h.frameSize = 2;
    MdfBuilder b(h);
    b.Element(100, MdfBuilder::Dataset({}));
    const auto dataPosition = static_cast<std::uint32_t>(b.Size() + 12);
    b.Element(1000, MdfBuilder::Pattern(20, 0));
    b.Element(1, MdfBuilder::DataFile(1, "x.mcf", dataPosition));
    b.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.1));
    const std::string name = std::string(150, 'n') + ".mcf";
    ASSERT_EQ(Read(b.Bytes(), name), MeasurementStatus::Ok);
    const DataFileElement& file = *m_description.DataFiles().front();
    EXPECT_EQ(file.fileName, name.substr(0, 127));
    EXPECT_EQ(file.fullPath, m_path);  // not the cut name
}

TEST_F(MdfReaderTest, ElementsReachingPastTheEndOfTheFile) {
    // The last element claims far more than the file holds: its fixed part is read,
    // then the loop ends.
    MdfBuilder b = Complete();
    b.Element(90, MdfBuilder::Comment("last"), 0x7FFFFFFF);
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(m_description.Header()->counters.comments, 1u);

    // An element in the middle that claims past the end hides what follows.
    MdfBuilder middle;
    middle.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    middle.Element(10, MdfBuilder::Pattern(52, 0), 0xFFFFFFF0);
    middle.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
    EXPECT_EQ(Read(middle.Bytes()), MeasurementStatus::NoDataset);
    EXPECT_EQ(m_description.ElementCount(), 3u);  // header, data file, kind 10

    // The file ends inside a fixed part: the element is dropped.
    std::vector<std::uint8_t> cut = Complete().Bytes();
    cut.resize(cut.size() - 20);
    EXPECT_EQ(Read(cut), MeasurementStatus::NoDataset);
    EXPECT_EQ(m_description.TimeSegments().size(), 1u);

    // A head cut short ends the loop normally.
    std::vector<std::uint8_t> head = Complete().Bytes();
    head.insert(head.end(), {3, 0, 0, 0, 236, 0});
    EXPECT_EQ(Read(head), MeasurementStatus::Ok);
}

TEST_F(MdfReaderTest, HugeLengthsAndCountsAreCheckedBeforeUse) {
    // A comment longer than its element is a broken structure.
    MdfBuilder comment = Complete();
    comment.Element(90, MdfBuilder::Comment("abc", 0xFFFFFFFF));
    EXPECT_EQ(Read(comment.Bytes()), MeasurementStatus::Corrupt);
    EXPECT_TRUE(m_description.Empty());
    MdfBuilder overlong = Complete();
    overlong.Element(90, MdfBuilder::Comment("abc", 5));  // 3 bytes of text and a zero
    EXPECT_EQ(Read(overlong.Bytes()), MeasurementStatus::Corrupt);
    MdfBuilder withZero = Complete();
    withZero.Element(90, MdfBuilder::Comment("abc", 4));  // the zero counted in
    ASSERT_EQ(Read(withZero.Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(All<CommentElement>(90).front()->text, "abc");

    // A kind-110 count beyond the element.
    MdfBuilder list = Complete();
    list.Element(110, MdfBuilder::DatasetList({}, 0xFFFFFFFF, 1));
    EXPECT_EQ(Read(list.Bytes()), MeasurementStatus::Corrupt);
    MdfBuilder two = Complete();
    two.Element(110, MdfBuilder::DatasetList({}, 2, 1));
    EXPECT_EQ(Read(two.Bytes()), MeasurementStatus::Corrupt);

    // A parameter too long for its element is discarded and reading goes on.
    for (std::uint32_t kind : {80u, 81u}) {
        MdfBuilder b = Complete();
        const std::vector<std::uint8_t> data = MdfBuilder::Pattern(8, 1);
        b.Element(kind, kind == 80 ? MdfBuilder::Parameter(1, 0xFFFFFFF0, data)
                                   : MdfBuilder::RangeParameter(1, 1, 0xFFFFFFF0, data));
        b.Element(kind, kind == 80 ? MdfBuilder::Parameter(2, 9, data)
                                   : MdfBuilder::RangeParameter(2, 1, 9, data));
        b.Element(kind, kind == 80 ? MdfBuilder::Parameter(3, 8, data)
                                   : MdfBuilder::RangeParameter(3, 1, 8, data));
        b.Element(22, MdfBuilder::Spot(0, 1));
        ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok) << kind;
        const auto parameters = All<ParameterElement>(kind);
        ASSERT_EQ(parameters.size(), 1u);
        EXPECT_EQ(parameters.front()->parameterNumber, 3u);
        EXPECT_EQ(m_description.Header()->counters.spots, 1u);
    }
}

TEST_F(MdfReaderTest, TextsAreWindows1252InTheFile) {
    MdfBuilder::HeaderFields h;
    MdfBuilder b(h);
    std::vector<std::uint8_t> dataset = MdfBuilder::Dataset({.name = "x", .unit = "x"});
    dataset[4] = 0xD6;  // Ö
    dataset[5] = 'l';
    dataset[6] = 0x80;    // €
    dataset[132] = 0xB0;  // °
    dataset[133] = 'C';
    b.Element(1, MdfBuilder::DataFile(1, "Messäe.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
    b.Element(100, dataset);
    ASSERT_EQ(Read(b.Bytes()), MeasurementStatus::Ok);
    EXPECT_EQ(m_description.Datasets().front()->name, "Öl€");
    EXPECT_EQ(m_description.Datasets().front()->label, "Vehicle speed");
    EXPECT_EQ(m_description.Datasets().front()->unit, "°C");
    EXPECT_EQ(m_description.DataFileName(1), "Messäe.dta");
}

// Every prefix of a file and every byte set to 0xFF or 0: a status of the reader, never
// a crash, and a description that keeps its invariants.
TEST_F(MdfReaderTest, SurvivesEveryTruncationAndCorruptedByte) {
    MdfBuilder::HeaderFields h;
    h.frameSize = 8;
    MdfBuilder b(h);
    b.Element(1, MdfBuilder::DataFile(1, "run.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.001));
    b.Element(90, MdfBuilder::Comment("Kommentar"));
    b.Element(80, MdfBuilder::Parameter(1, 8, MdfBuilder::Pattern(8, 0)));
    b.Element(100, MdfBuilder::Dataset({.frameOffset = 6}));
    b.Element(110, MdfBuilder::DatasetList({}, 1, 1));
    b.Element(1000, MdfBuilder::Pattern(16, 0));
    const std::vector<std::uint8_t> good = b.Bytes();

    const auto check = [&](const std::vector<std::uint8_t>& bytes, const std::string& what) {
        const MeasurementStatus status = Read(bytes);
        const bool known =
            status == MeasurementStatus::Ok || status == MeasurementStatus::NoDataset ||
            status == MeasurementStatus::NoTimeBase || status == MeasurementStatus::Corrupt ||
            status == MeasurementStatus::NotMdf;
        ASSERT_TRUE(known) << what << ": status " << StatusCode(status);
        if (status == MeasurementStatus::NotMdf)
            return;  // not read at all
        if (IsError(status)) {
            ASSERT_TRUE(m_description.Empty()) << what;
            return;
        }
        ASSERT_NE(m_description.Header(), nullptr) << what;
        for (const Dataset* d : m_description.Datasets()) {
            if (d->Kind() == ELEMENT_DATASET) {
                ASSERT_TRUE(d->FitsFrame(m_description.Header()->frameSize)) << what;
            }
            ASSERT_EQ(d->listRecords.size() % 232, 0u) << what;
        }
    };
    for (std::size_t size = 0; size < good.size(); ++size) {
        check(std::vector<std::uint8_t>(good.begin(), good.begin() + size),
              "prefix " + std::to_string(size));
    }
    for (std::size_t pos = 0; pos < good.size(); ++pos) {
        for (const std::uint8_t value : {std::uint8_t{0xFF}, std::uint8_t{0x00}}) {
            std::vector<std::uint8_t> bytes = good;
            bytes[pos] = value;
            check(bytes, "byte " + std::to_string(pos) + " = " + std::to_string(value));
        }
    }
}

}  // namespace
}  // namespace grafyon
