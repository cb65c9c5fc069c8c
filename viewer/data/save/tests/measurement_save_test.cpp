// Saved measurements reopen with the same values: every type, several segments and data
// files, TARKO sources, both forms, compaction, store modes with their ranges, comments.
#include <fcntl.h>
#include <unistd.h>

#include "common/byte_layout.h"
#include "common/byte_order.h"
#include "save_test_support.h"
#include "viewer/data/data_type.h"
#include "viewer/data/mdf_layout.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using test::AllValuesOf;
using test::OpenForTest;
using test::PlainRange;
using test::SaveTest;
using test::ValuesOf;

// Every dataset of the copy holds the values of the source's dataset at the same place.
void ExpectSameValues(test::OpenedMeasurement& source, test::OpenedMeasurement& copy) {
    const std::vector<Dataset*> from = source.Datasets();
    const std::vector<Dataset*> to = copy.Datasets();
    ASSERT_EQ(from.size(), to.size());
    ASSERT_EQ(source.description.FrameCount(), copy.description.FrameCount());
    for (std::size_t i = 0; i < from.size(); ++i) {
        EXPECT_EQ(to[i]->name, from[i]->name);
        EXPECT_EQ(to[i]->dataType, from[i]->dataType);
        EXPECT_EQ(to[i]->number, i + 1);
        EXPECT_EQ(AllValuesOf(copy, *to[i]), AllValuesOf(source, *from[i])) << from[i]->name;
    }
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    const std::string text = test::FileText(path);
    return {text.begin(), text.end()};
}

TEST_F(SaveTest, EveryTypeAcrossSegmentsAndDataFilesReopensWithItsValuesInBothForms) {
    RecordingOptions o = Options("source.mdf", 1000, 14);
    o.segments = 3;
    o.dataFiles = 2;
    o.dataOffset = 7;
    test::OpenedMeasurement& source = Source(o);
    ASSERT_EQ(source.result.status, MeasurementStatus::Ok);

    ASSERT_EQ(Save(Request("copy.mcf", SaveFileForm::Mcf)), SAVE_OK);
    auto mcf = OpenForTest(m_dir / "copy.mcf");
    ASSERT_TRUE(mcf->result.attached);
    // The embedded frames are read from the file itself.
    ASSERT_EQ(mcf->description.DataFiles().size(), 1u);
    EXPECT_EQ(mcf->description.DataFiles().front()->fullPath, m_dir / "copy.mcf");
    EXPECT_EQ(mcf->description.TimeSegments().size(), 1u);
    EXPECT_EQ(mcf->description.FrameSize(), source.description.FrameSize());
    ExpectSameValues(source, *mcf);

    ASSERT_EQ(Save(Request("copy.mdf", SaveFileForm::Mdf)), SAVE_OK);
    auto mdf = OpenForTest(m_dir / "copy.mdf");
    ASSERT_TRUE(mdf->result.attached);
    ASSERT_EQ(mdf->description.DataFiles().size(), 1u);
    EXPECT_EQ(mdf->description.DataFiles().front()->fullPath, m_dir / "copy.dta");
    EXPECT_EQ(std::filesystem::file_size(m_dir / "copy.dta"),
              1000 * source.description.FrameSize());
    ExpectSameValues(source, *mdf);

    // The header: format version, the save's own mark 2, frame size, dataset count.
    const std::vector<std::uint8_t> bytes = FileBytes(m_dir / "copy.mdf");
    ASSERT_GE(bytes.size(), mdf::HEADER_SIZE);
    EXPECT_EQ(GetU32LE(bytes, mdf::HEADER_FORMAT_VERSION), 0x00020001u);
    EXPECT_EQ(GetU32LE(bytes, mdf::HEADER_RESERVED_24), 2u);
    EXPECT_EQ(GetU32LE(bytes, mdf::HEADER_FRAME_SIZE), source.description.FrameSize());
    EXPECT_EQ(GetU32LE(bytes, mdf::HEADER_DATASET_COUNT), 14u);
    // Only the two written files are left in the folder.
    EXPECT_EQ(test::FilesIn(m_dir.Path()),
              (std::vector<std::string>{"copy.dta", "copy.mcf", "copy.mdf", "source.dta",
                                        "source.mdf", "source_2.dta"}));
}

TEST_F(SaveTest, CompactionKeepsTheActiveDatasetsWithAllTheirValuesPerFrame) {
    RecordingOptions o = Options("source.mdf", 500, 0);
    o.channels = {DefaultChannelOfType(DATA_TYPE_LONG, 0), DefaultChannelOfType(DATA_TYPE_SHORT, 1),
                  DefaultChannelOfType(DATA_TYPE_DOUBLE, 2),
                  DefaultChannelOfType(DATA_TYPE_FLOAT, 3)};
    test::OpenedMeasurement& source = Source(o);
    std::vector<Dataset*> datasets = source.Datasets();
    datasets[0]->active = false;
    datasets[2]->active = false;

    ASSERT_EQ(Save(Request("two.mcf", SaveFileForm::Mcf)), SAVE_OK);
    auto copy = OpenForTest(m_dir / "two.mcf");
    ASSERT_TRUE(copy->result.attached);
    const std::vector<Dataset*> saved = copy->Datasets();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(copy->description.FrameSize(), 6u);
    EXPECT_EQ(saved[0]->frameOffset, 0u);
    EXPECT_EQ(saved[1]->frameOffset, 2u);
    EXPECT_EQ(AllValuesOf(*copy, *saved[0]), AllValuesOf(source, *datasets[1]));
    EXPECT_EQ(AllValuesOf(*copy, *saved[1]), AllValuesOf(source, *datasets[3]));

    // A dataset with three values per frame keeps all three.
    datasets[0]->active = true;
    // Three SHORT values from the frame's start (the LONG's bytes and the SHORT's).
    datasets[1]->valuesPerFrame = 3;
    datasets[1]->effectiveFrameOffset = 0;
    datasets[3]->active = false;
    ASSERT_EQ(Save(Request("three.mdf", SaveFileForm::Mdf)), SAVE_OK);
    auto three = OpenForTest(m_dir / "three.mdf");
    ASSERT_TRUE(three->result.attached);
    ASSERT_EQ(three->Datasets().size(), 2u);
    EXPECT_EQ(three->description.FrameSize(), 4u + 6u);
    EXPECT_EQ(three->Datasets()[1]->valuesPerFrame, 3u);
    EXPECT_EQ(AllValuesOf(*three, *three->Datasets()[1]), AllValuesOf(source, *datasets[1]));
    EXPECT_EQ(AllValuesOf(*three, *three->Datasets()[1]).size(), 1500u);
}

TEST_F(SaveTest, TarkoSourceIsWrittenWithItsEffectiveFrameSize) {
    RecordingOptions o = Options("source.tks", 400, 4);
    o.form = RecordingForm::TKS;
    o.textLines = {"Run 7", "", "Car 7"};
    std::string error;
    ASSERT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
    // A header that claims a smaller frame than its channels fill: the reader uses theirs.
    const int fd = ::open(o.path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    std::uint8_t small[4];
    StoreU32LE(small, 4);
    ASSERT_EQ(::pwrite(fd, small, 4, 76), 4);
    ::close(fd);
    m_source = OpenForTest(o.path);
    ASSERT_TRUE(m_source->result.attached);
    ASSERT_EQ(m_source->description.FrameSize(), 16u);
    // The save writes the frame size the frames are read with, whatever the header kept.
    m_source->description.Header()->frameSize = 4;

    SaveRequest request = Request("tarko.mcf", SaveFileForm::Mcf);
    request.withComments = true;
    ASSERT_EQ(Save(request), SAVE_OK);
    auto copy = OpenForTest(m_dir / "tarko.mcf");
    ASSERT_TRUE(copy->result.attached);
    EXPECT_EQ(copy->description.Header()->frameSize, 16u);
    ExpectSameValues(*m_source, *copy);
    std::size_t pos = 0;
    const auto* comment =
        static_cast<CommentElement*>(copy->description.FindFirst(ELEMENT_COMMENT, pos));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, "Run 7\nCar 7");
}

TEST_F(SaveTest, InsideRangesStoresTheMergedRangesWithTheirNewFrameNumbers) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 100, 3));
    SaveRequest request = Request("inside.mcf", SaveFileForm::Mcf, StoreMode::InsideRanges);
    request.withRanges = true;
    // Nested after an overlapping pair; a spot inside; an inactive range outside.
    request.ranges = {PlainRange(10, 19), PlainRange(15, 30), PlainRange(40, 80),
                      PlainRange(50, 60), PlainRange(55, 55), PlainRange(90, 95)};
    request.ranges[0].name = "first";
    request.ranges[4].comment = "spot";
    request.ranges[5].active = false;
    ASSERT_EQ(Save(request), SAVE_OK);
    auto copy = OpenForTest(m_dir / "inside.mcf");
    ASSERT_EQ(copy->result.status, MeasurementStatus::Ok);
    ASSERT_EQ(copy->description.FrameCount(), 21u + 41u);
    const Dataset& from = *source.Datasets()[1];
    const Dataset& to = *copy->Datasets()[1];
    EXPECT_EQ(ValuesOf(*copy, to, 0, 21), ValuesOf(source, from, 10, 21));
    EXPECT_EQ(ValuesOf(*copy, to, 21, 41), ValuesOf(source, from, 40, 41));

    const std::vector<MeasurementRange> ranges = RangesOf(copy->description);
    ASSERT_EQ(ranges.size(), 5u);
    using Frames = std::pair<std::uint64_t, std::uint64_t>;
    const auto frames = [&](std::size_t i) {
        return Frames(ranges[i].startFrame, ranges[i].stopFrame);
    };
    EXPECT_EQ(frames(0), Frames(0, 9));
    EXPECT_EQ(ranges[0].name, "first");
    EXPECT_EQ(frames(1), Frames(5, 20));
    EXPECT_EQ(ranges[1].name, "");
    EXPECT_EQ(frames(2), Frames(21, 61));
    EXPECT_EQ(frames(3), Frames(31, 41));
    EXPECT_EQ(frames(4), Frames(36, 36));  // the spot
    EXPECT_EQ(ranges[4].comment, "spot");
}

TEST_F(SaveTest, RangesAtTheFirstAndLastFrameGiveNoEmptyPart) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 100, 2));
    const Dataset& from = *source.Datasets()[0];
    for (const StoreMode mode : {StoreMode::InsideRanges, StoreMode::OutsideRanges}) {
        SaveRequest request = Request("edges.mdf", SaveFileForm::Mdf, mode);
        request.withRanges = true;
        request.ranges = {PlainRange(0, 4), PlainRange(99, 99)};
        ASSERT_EQ(Save(request), SAVE_OK);
        auto copy = OpenForTest(m_dir / "edges.mdf");
        ASSERT_EQ(copy->result.status, MeasurementStatus::Ok);
        const Dataset& to = *copy->Datasets()[0];
        if (mode == StoreMode::InsideRanges) {
            ASSERT_EQ(copy->description.FrameCount(), 6u);
            EXPECT_EQ(ValuesOf(*copy, to, 0, 5), ValuesOf(source, from, 0, 5));
            EXPECT_EQ(ValuesOf(*copy, to, 5, 1), ValuesOf(source, from, 99, 1));
            const std::vector<MeasurementRange> ranges = RangesOf(copy->description);
            ASSERT_EQ(ranges.size(), 2u);
            EXPECT_EQ(ranges[0].stopFrame, 4u);
            EXPECT_EQ(ranges[1].startFrame, 5u);  // the spot at the last frame
        } else {
            // Frames 5 to 98; ranges are not written with this mode.
            ASSERT_EQ(copy->description.FrameCount(), 94u);
            EXPECT_EQ(AllValuesOf(*copy, to), ValuesOf(source, from, 5, 94));
            EXPECT_TRUE(RangesOf(copy->description).empty());
        }
    }
}

TEST_F(SaveTest, RangesKeepTheirRecordedTimesOnlyWhereTheirFramesStay) {
    RecordingOptions o = Options("source.mdf", 400, 2);
    o.ranges = 2;  // frames 100-166 and 233-299
    o.spots = 1;
    test::OpenedMeasurement& source = Source(o);
    const std::vector<MeasurementRange>& sourceRanges = source.result.ranges;
    ASSERT_EQ(sourceRanges.size(), 3u);
    const std::uint32_t recorded =
        static_cast<const RangeElement*>(sourceRanges[0].source)->startDateTime;

    SaveRequest request = Request("all.mcf", SaveFileForm::Mcf);
    request.withRanges = true;
    request.ranges = test::SaveRangesOf(sourceRanges);
    ASSERT_EQ(Save(request), SAVE_OK);
    auto all = OpenForTest(m_dir / "all.mcf");
    const std::vector<MeasurementRange> kept = all->result.ranges;
    ASSERT_EQ(kept.size(), 3u);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i].startFrame, sourceRanges[i].startFrame);
        EXPECT_EQ(kept[i].stopFrame, sourceRanges[i].stopFrame);
        EXPECT_EQ(kept[i].name, sourceRanges[i].name);
        EXPECT_EQ(kept[i].comment, sourceRanges[i].comment);
    }
    EXPECT_EQ(static_cast<const RangeElement*>(kept[0].source)->startDateTime, recorded);
    EXPECT_EQ(static_cast<const SpotElement*>(kept[2].source)->dateTime, recorded);

    // Inside the ranges every range moves to the front: it gets the time of the save.
    request = Request("inside.mcf", SaveFileForm::Mcf, StoreMode::InsideRanges);
    request.withRanges = true;
    request.ranges = test::SaveRangesOf(sourceRanges);
    ASSERT_EQ(Save(request), SAVE_OK);
    auto inside = OpenForTest(m_dir / "inside.mcf");
    ASSERT_EQ(inside->result.ranges.size(), 3u);
    EXPECT_EQ(inside->result.ranges[0].startFrame, 0u);
    EXPECT_NE(static_cast<const RangeElement*>(inside->result.ranges[0].source)->startDateTime,
              recorded);
}

TEST_F(SaveTest, CommentsAreCopiedAndTheUserCommentGetsTheNextNumber) {
    RecordingOptions o = Options("source.mdf", 50, 2);
    o.comments = 2;
    Source(o);
    SaveRequest request = Request("commented.mdf", SaveFileForm::Mdf);
    request.withComments = true;
    request.userComment = "Hallo";
    ASSERT_EQ(Save(request), SAVE_OK);
    auto copy = OpenForTest(m_dir / "commented.mdf");
    std::vector<const CommentElement*> comments;
    std::size_t pos = 0;
    for (Element* e = copy->description.FindFirst(ELEMENT_COMMENT, pos); e;
         e = copy->description.FindNext(ELEMENT_COMMENT, pos))
        comments.push_back(static_cast<const CommentElement*>(e));
    ASSERT_EQ(comments.size(), 3u);
    EXPECT_EQ(comments[0]->text, "Kommentar 1: Prüfung bei 23 °C");
    EXPECT_EQ(comments[2]->text, "Hallo");
    EXPECT_EQ(comments[2]->FileSize(), 54u);  // five characters
    EXPECT_EQ(GetU32LE(comments[2]->RawPayload(), mdf::COMMENT_NUMBER), 3u);
    EXPECT_EQ(GetU32LE(comments[2]->RawPayload(), mdf::COMMENT_ONE), 1u);

    // Without the comments only the user's comment is written, still numbered after them.
    request.withComments = false;
    ASSERT_EQ(Save(request), SAVE_OK);
    copy = OpenForTest(m_dir / "commented.mdf");
    const auto* only =
        static_cast<const CommentElement*>(copy->description.FindFirst(ELEMENT_COMMENT, pos));
    ASSERT_NE(only, nullptr);
    EXPECT_EQ(only->text, "Hallo");
    EXPECT_EQ(copy->description.FindNext(ELEMENT_COMMENT, pos), nullptr);
}

TEST_F(SaveTest, AVariableStepIsWrittenAsTheFirstSegmentsStep) {
    RecordingOptions o = Options("source.mdf", 300, 2);
    o.segments = 2;
    o.segmentSteps = {0.001, 0.002};
    test::OpenedMeasurement& source = Source(o);
    ASSERT_EQ(source.description.SampleStep(), SAMPLE_STEP_VARIABLE);
    ASSERT_EQ(Save(Request("step.mdf", SaveFileForm::Mdf)), SAVE_OK);
    auto copy = OpenForTest(m_dir / "step.mdf");
    EXPECT_EQ(copy->description.SampleStep(), 0.001);
    ExpectSameValues(source, *copy);
}

TEST_F(SaveTest, FramesHeldInMemoryAreSavedLikeFramesInFiles) {
    // Segment 1 in memory, segment 2 in a data file after 3 bytes of filler.
    test::FrameBytes memory(6, 40);
    test::FrameBytes file(6, 60);
    for (std::uint64_t f = 0; f < 40; ++f) {
        memory.U16(f, 0, static_cast<std::uint16_t>(f));
        memory.F32(f, 2, 0.5f * float(f));
    }
    for (std::uint64_t f = 0; f < 60; ++f) {
        file.U16(f, 0, static_cast<std::uint16_t>(1000 + f));
        file.F32(f, 2, -0.25f * float(f));
    }
    ASSERT_TRUE(test::WriteDataFile(m_dir / "part.dta", file.Bytes(), 3));
    m_source = std::make_unique<test::OpenedMeasurement>();
    MeasurementDescription& d = m_source->description;
    d.Append(test::NewDescription(6)->Elements().front()->Clone());
    d.Header()->filePath = m_dir / "memory.mdf";
    test::AddDataset(d, "count", DATA_TYPE_USHORT, 0);
    test::AddDataset(d, "half", DATA_TYPE_FLOAT, 2);
    test::AddDataFile(d, 1, m_dir / "part.dta", 3);
    const TimeSegmentElement* inMemory = test::AddSegment(d, 1, 40);
    test::AddSegment(d, 1, 60);
    m_source->access.SetSegmentFrames(*inMemory, memory.Bytes());
    ASSERT_EQ(m_source->access.Attach(d, false), ATTACH_OK);

    SaveRequest request = Request("joined.mcf", SaveFileForm::Mcf, StoreMode::InsideRanges);
    request.ranges = {PlainRange(30, 49)};  // across the two segments
    ASSERT_EQ(Save(request), SAVE_OK);
    auto copy = OpenForTest(m_dir / "joined.mcf");
    ASSERT_TRUE(copy->result.attached);
    ASSERT_EQ(copy->description.FrameCount(), 20u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(AllValuesOf(*copy, *copy->Datasets()[i]),
                  ValuesOf(*m_source, *m_source->Datasets()[i], 30, 20));
    }
    EXPECT_EQ(ValuesOf(*copy, *copy->Datasets()[0], 9, 2), (std::vector<double>{39, 1000}));
}

TEST_F(SaveTest, ALinkAsTargetReplacesTheFileItNamesAndReopensThroughTheLink) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 200, 2));
    std::filesystem::create_directory(m_dir / "real");
    test::WriteText(m_dir / "real/run.mdf", "old");
    std::filesystem::create_symlink(m_dir / "real/run.mdf", m_dir / "link.mdf");
    ASSERT_EQ(Save(Request("link.mdf", SaveFileForm::Mdf)), SAVE_OK);
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link.mdf"));
    EXPECT_NE(test::FileText(m_dir / "real/run.mdf"), "old");
    EXPECT_TRUE(std::filesystem::exists(m_dir / "link.dta"));
    auto copy = OpenForTest(m_dir / "link.mdf");
    ASSERT_TRUE(copy->result.attached);
    ExpectSameValues(source, *copy);
}

}  // namespace
}  // namespace grafyon
