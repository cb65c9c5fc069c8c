// Opening a measurement: every status with its message, attach, ranges and the format hook.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "generated_recording_test.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/test_support/fifo.h"
#include "viewer/data/test_support/mdf_test_builder.h"

namespace grafyon {
namespace {

using test::MdfBuilder;

class MeasurementOpenTest : public test::GeneratedRecordingTest {
protected:
    MeasurementOpenTest() : GeneratedRecordingTest(RecordingForm::MDF_DTA, 600, 3) {}

    MeasurementOpenResult OpenBytes(const std::vector<std::uint8_t>& bytes) {
        test::WriteFile(m_dir / "built.mdf", bytes);
        return OpenMeasurement(m_dir / "built.mdf", m_description, m_access);
    }
};

TEST_F(MeasurementOpenTest, AReadableMeasurementIsAttachedWithItsRanges) {
    RecordingOptions o = Options("ok.mdf");
    o.ranges = 2;
    o.spots = 1;
    const MeasurementOpenResult r = Generate(o);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.fileOpened);
    EXPECT_TRUE(r.attached);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_TRUE(m_access.IsAttached(m_description));
    const Dataset& first = *m_description.Datasets().front();
    EXPECT_TRUE(first.extremesKnown);
    EXPECT_LT(first.minimum, first.maximum);

    ASSERT_EQ(r.ranges.size(), 3u);
    EXPECT_EQ(r.ranges[0].name, "Bereich 1");
    EXPECT_EQ(r.ranges[0].comment, "Prüfabschnitt 1");
    EXPECT_EQ(r.ranges[0].startFrame, 150u);
    EXPECT_EQ(r.ranges[0].stopFrame, 250u);
    EXPECT_EQ(r.ranges[0].source->Kind(), ELEMENT_RANGE);
    EXPECT_EQ(r.ranges[1].name, "Bereich 2");
    EXPECT_EQ(r.ranges[2].startFrame, 300u);  // the spot
    EXPECT_EQ(r.ranges[2].stopFrame, 300u);
    EXPECT_EQ(r.ranges[2].name, "");  // spot number 0, no name element 0
    EXPECT_EQ(r.ranges[2].source->Kind(), ELEMENT_SPOT);

    // Opening again into the same description starts afresh.
    const MeasurementOpenResult again = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(again.status, MeasurementStatus::Ok);
    EXPECT_EQ(m_description.Datasets().size(), 3u);
}

TEST_F(MeasurementOpenTest, RangesAndSpotsTakeTheNameWithTheirNumber) {
    MdfBuilder b;
    b.Element(20, MdfBuilder::RangeName(0, "Null", ""));
    b.Element(20, MdfBuilder::RangeName(2, "Zwei", "zweiter"));
    b.Element(21, MdfBuilder::Range(2, 5, 9));
    b.Element(21, MdfBuilder::Range(7, 1, 2));  // no name element 7: no name
    b.Element(22, MdfBuilder::Spot(2, 4));
    test::WriteFile(m_dir / "names.mdf", b.Bytes());
    MeasurementDescription d;
    ASSERT_EQ(ReadMdfDescription(m_dir / "names.mdf", d), MeasurementStatus::NoDataset);
    const std::vector<MeasurementRange> ranges = RangesOf(d);
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(ranges[0].name, "Zwei");
    EXPECT_EQ(ranges[0].comment, "zweiter");
    EXPECT_EQ(ranges[1].name, "");
    EXPECT_EQ(ranges[2].name, "Zwei");
    EXPECT_EQ(ranges[2].startFrame, 4u);
    EXPECT_TRUE(ranges[2].active);
}

TEST_F(MeasurementOpenTest, ReaderFailuresClearTheDocumentWithTheirMessage) {
    MeasurementOpenResult r = OpenMeasurement(m_dir / "missing.mdf", m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::NoInput);
    EXPECT_EQ(r.message, MESSAGE_CANNOT_OPEN);
    EXPECT_FALSE(r.fileOpened);
    EXPECT_FALSE(r.keepDocument);

    r = OpenBytes(
        {'n', 'o', 't', ' ', 'a', ' ', 'm', 'e', 'a', 's', 'u', 'r', 'e', 'm', 'e', 'n', 't'});
    EXPECT_EQ(r.status, MeasurementStatus::UnknownFormat);
    EXPECT_EQ(r.message, MESSAGE_UNKNOWN_FORMAT);
    EXPECT_TRUE(r.fileOpened);
    EXPECT_TRUE(m_description.Empty());

    MdfBuilder::HeaderFields h;
    h.byte12 = 1;
    r = OpenBytes(MdfBuilder(h).Bytes());
    EXPECT_EQ(r.status, MeasurementStatus::Corrupt);
    EXPECT_EQ(r.message, MESSAGE_CORRUPT);
    EXPECT_FALSE(r.keepDocument);
    EXPECT_TRUE(m_description.Empty());
}

TEST_F(MeasurementOpenTest, DescriptionsWithoutDataStayLoadedButUnattached) {
    RecordingOptions none = Options("none.mdf");
    none.channelCount = 0;
    MeasurementOpenResult r = Generate(none);
    EXPECT_EQ(r.status, MeasurementStatus::NoDataset);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
    EXPECT_FALSE(m_description.Empty());

    MdfBuilder noSegment;
    noSegment.Element(100, MdfBuilder::Dataset({}));
    r = OpenBytes(noSegment.Bytes());
    EXPECT_EQ(r.status, MeasurementStatus::NoTimeBase);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);

    RecordingOptions missing = Options("missing.mdf");
    missing.ranges = 1;
    ASSERT_EQ(GenerateRecording(missing), GENERATE_OK);
    std::filesystem::remove(m_dir / "missing.dta");
    r = OpenMeasurement(missing.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::DataFileMissing);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
    EXPECT_TRUE(r.ranges.empty());
    EXPECT_EQ(m_description.Datasets().size(), 3u);

    test::WriteFile(m_dir / "missing.dta", {});
    r = OpenMeasurement(missing.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::DataFileEmpty);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
}

TEST_F(MeasurementOpenTest, BrokenDataFileElementsClearTheDocument) {
    MdfBuilder b;
    b.Element(1, MdfBuilder::DataFile(1, "../elsewhere.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 10, 0, 0.1));
    b.Element(100, MdfBuilder::Dataset({}));
    const MeasurementOpenResult r = OpenBytes(b.Bytes());
    EXPECT_EQ(r.status, MeasurementStatus::DataFileBroken);
    EXPECT_EQ(r.message, MESSAGE_CORRUPT);
    EXPECT_FALSE(r.keepDocument);
    EXPECT_TRUE(m_description.Empty());
}

TEST_F(MeasurementOpenTest, ASingleFrameIsAttachedWithoutRanges) {
    RecordingOptions o = Options("one.mcf");
    o.form = RecordingForm::MCF;
    o.frames = 1;
    o.ranges = 1;
    const MeasurementOpenResult r = Generate(o);
    EXPECT_EQ(r.status, MeasurementStatus::SingleFrame);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.attached);
    EXPECT_TRUE(r.ranges.empty());
}

TEST_F(MeasurementOpenTest, ADataFileThatEndsEarlyOpensWithTheFramesItHolds) {
    RecordingOptions o = Options("short.mdf");  // 600 frames
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    MeasurementDescription full;
    ASSERT_EQ(ReadMdfDescription(o.path, full), MeasurementStatus::Ok);
    const std::uint64_t fs = full.FrameSize();
    ASSERT_GE(fs, 2u);
    const std::string data = m_dir / "short.dta";
    const auto openCutAt = [&](std::uint64_t bytes) {
        std::filesystem::resize_file(data, bytes);
        return OpenMeasurement(o.path, m_description, m_access);
    };

    // Cut inside frame 400: the 400 whole frames are there to read, export and save.
    MeasurementOpenResult r = openCutAt(400 * fs + fs / 2);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.attached);
    EXPECT_TRUE(r.keepDocument);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].fileName, "short.dta");
    EXPECT_EQ(r.shortDataFiles[0].path, data);
    EXPECT_EQ(r.shortDataFiles[0].declaredFrames, 600u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 200u);
    EXPECT_EQ(m_description.FrameCount(), 400u);
    EXPECT_EQ(m_description.TimeSegments().front()->frameCount, 400u);
    EXPECT_TRUE(m_description.Datasets().front()->extremesKnown);
    std::vector<std::uint8_t> buffer(fs * 8);
    int status = 0;
    FrameReader* reader = m_access.OpenReader(&m_description, 396, -1, buffer, &status);
    ASSERT_NE(reader, nullptr) << status;
    EXPECT_EQ(m_access.ReadChunk(reader), 4);
    EXPECT_EQ(m_access.ReadChunk(reader), 0);
    m_access.CloseReader(reader);
    // A save writes the frames that exist.
    ASSERT_EQ(WriteMdfDescription(m_description, m_dir / "saved.mdf"), MDF_WRITE_OK);
    MeasurementDescription saved;
    ASSERT_EQ(ReadMdfDescription(m_dir / "saved.mdf", saved), MeasurementStatus::Ok);
    EXPECT_EQ(saved.FrameCount(), 400u);

    // One byte short of the last frame, and complete.
    r = openCutAt(600 * fs - 1);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 1u);
    EXPECT_EQ(m_description.FrameCount(), 599u);
    r = openCutAt(600 * fs);
    EXPECT_TRUE(r.shortDataFiles.empty());
    EXPECT_EQ(m_description.FrameCount(), 600u);
    EXPECT_TRUE(r.attached);

    // One whole frame left is a single frame; less is no data, kept without values.
    r = openCutAt(fs);
    EXPECT_EQ(r.status, MeasurementStatus::SingleFrame);
    EXPECT_TRUE(r.attached);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 599u);
    r = openCutAt(fs - 1);
    EXPECT_EQ(r.status, MeasurementStatus::NoTimeBase);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 600u);
}

TEST_F(MeasurementOpenTest, EarlyEndsCountPerDataFileOverItsSegments) {
    // Two segments of 300 frames in one file, cut inside the first: the second is empty.
    RecordingOptions one = Options("one.mdf");
    one.segments = 2;
    ASSERT_EQ(GenerateRecording(one), GENERATE_OK);
    MeasurementDescription full;
    ASSERT_EQ(ReadMdfDescription(one.path, full), MeasurementStatus::Ok);
    const std::uint64_t fs = full.FrameSize();
    std::filesystem::resize_file(m_dir / "one.dta", 200 * fs);
    MeasurementOpenResult r = OpenMeasurement(one.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_TRUE(r.attached);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].declaredFrames, 600u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 400u);
    ASSERT_EQ(m_description.TimeSegments().size(), 2u);
    EXPECT_EQ(m_description.TimeSegments()[0]->frameCount, 200u);
    EXPECT_EQ(m_description.TimeSegments()[1]->frameCount, 0u);

    // One segment per file: only the cut file is named.
    RecordingOptions two = Options("two.mdf");
    two.segments = 2;
    two.dataFiles = 2;
    ASSERT_EQ(GenerateRecording(two), GENERATE_OK);
    std::filesystem::resize_file(m_dir / "two_2.dta", 100 * fs);
    r = OpenMeasurement(two.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_TRUE(r.attached);
    ASSERT_EQ(r.shortDataFiles.size(), 1u);
    EXPECT_EQ(r.shortDataFiles[0].fileName, "two_2.dta");
    EXPECT_EQ(r.shortDataFiles[0].declaredFrames, 300u);
    EXPECT_EQ(r.shortDataFiles[0].missingFrames, 200u);
    EXPECT_EQ(m_description.FrameCount(), 400u);
    double lo = 0, hi = 0;
    EXPECT_EQ(m_access.Extremes(*m_description.Datasets().front(), 0, 400, lo, hi), 0);
}

TEST_F(MeasurementOpenTest, DataFilesAreFoundInAnotherCase) {
    RecordingOptions o = Options("case.mdf");
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    std::filesystem::rename(m_dir / "case.dta", m_dir / "CASE.DTA");
    const MeasurementOpenResult r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_TRUE(r.attached);
    const DataFileElement& file = *m_description.DataFiles().front();
    EXPECT_EQ(file.fileName, "case.dta");  // saved as the description names it
    EXPECT_EQ(file.fullPath, m_dir / "CASE.DTA");
}

TEST_F(MeasurementOpenTest, NamesWithDotsInsideOpen) {
    const MeasurementOpenResult r = Generate(Options("run..1.mdf"));
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_EQ(m_description.DataFiles().front()->fileName, "run..1.dta");
    EXPECT_TRUE(r.attached);
}

TEST_F(MeasurementOpenTest, FifosAreRefusedWithoutWaiting) {
    // As the recording: it cannot be opened.
    const std::string pipe = m_dir / "pipe.mdf";
    ASSERT_TRUE(test::MakeFifo(pipe));
    MeasurementOpenResult r = test::WithoutWaitingFor(
        pipe, [&] { return OpenMeasurement(pipe, m_description, m_access); });
    EXPECT_EQ(r.status, MeasurementStatus::NoInput);
    EXPECT_FALSE(r.fileOpened);
    EXPECT_EQ(r.message, MESSAGE_CANNOT_OPEN);

    // As a data file: missing, as a file that cannot be read.
    RecordingOptions o = Options("fifo.mdf");
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    const std::string data = m_dir / "fifo.dta";
    std::filesystem::remove(data);
    ASSERT_TRUE(test::MakeFifo(data));
    r = test::WithoutWaitingFor(data,
                                [&] { return OpenMeasurement(o.path, m_description, m_access); });
    EXPECT_EQ(r.status, MeasurementStatus::DataFileMissing);
    EXPECT_FALSE(r.attached);

    // A single frame is attached without validating the file: mapping refuses it.
    RecordingOptions single = Options("single.mdf");
    single.frames = 1;
    ASSERT_EQ(GenerateRecording(single), GENERATE_OK);
    const std::string singleData = m_dir / "single.dta";
    std::filesystem::remove(singleData);
    ASSERT_TRUE(test::MakeFifo(singleData));
    r = test::WithoutWaitingFor(
        singleData, [&] { return OpenMeasurement(single.path, m_description, m_access); });
    EXPECT_EQ(r.status, MeasurementStatus::SingleFrame);
    EXPECT_EQ(r.message, MESSAGE_FILE_MAPPING);
    EXPECT_FALSE(r.attached);
}

// Stands in for the reader of a further format.
bool ProbeOther(const BinaryFileReader& file) {
    char head[5] = {};
    return file.ReadAt(0, std::span(reinterpret_cast<std::uint8_t*>(head), sizeof head)) &&
           std::memcmp(head, "OTHER", 5) == 0;
}
MeasurementStatus ReadOther(const std::string&, MeasurementDescription&) {
    return MeasurementStatus::NotSupported;
}
MeasurementStatus ReadNothing(const std::string&, MeasurementDescription&) {
    return MeasurementStatus::NoInput;
}

TEST_F(MeasurementOpenTest, FormatsAreProbedInTheirOrder) {
    std::vector<MeasurementFormatReader> readers = MeasurementFormatReaders();
    ASSERT_EQ(readers.size(), 2u);
    EXPECT_STREQ(readers[0].name, "MDF");
    EXPECT_STREQ(readers[1].name, "TARKO");

    // The TARKO signature reaches the TARKO reader, which finds this header broken.
    test::WriteTextFile(m_dir / "x.tks", std::string("TARKO TKS 01.00") + std::string(300, ' '));
    MeasurementOpenResult r = OpenMeasurement(m_dir / "x.tks", m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Corrupt);
    EXPECT_EQ(r.message, MESSAGE_CORRUPT);
    EXPECT_FALSE(r.keepDocument);

    // Without that reader the same file is of unknown format.
    r = OpenMeasurement(m_dir / "x.tks", m_description, m_access, {readers[0]});
    EXPECT_EQ(r.status, MeasurementStatus::UnknownFormat);

    // A further reader is asked after the others.
    readers.push_back({"OTHER", &ProbeOther, &ReadOther});
    test::WriteTextFile(m_dir / "x.oth", "OTHER format");
    r = OpenMeasurement(m_dir / "x.oth", m_description, m_access, readers);
    EXPECT_EQ(r.status, MeasurementStatus::NotSupported);
    EXPECT_EQ(r.message, MESSAGE_NOT_SUPPORTED);

    // A reader that cannot open what the probe could: the file cannot be opened.
    r = OpenMeasurement(m_dir / "x.oth", m_description, m_access,
                        {{"OTHER", &ProbeOther, &ReadNothing}});
    EXPECT_EQ(r.status, MeasurementStatus::NoInput);
    EXPECT_FALSE(r.fileOpened);
    EXPECT_EQ(r.message, MESSAGE_CANNOT_OPEN);

    // MDF still comes first.
    RecordingOptions o = Options("mdf.mdf");
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    r = OpenMeasurement(o.path, m_description, m_access, readers);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
}

TEST(MeasurementMessages, FollowTheStatusTable) {
    // By the numbers the document reports, so that these stay as they are.
    const auto messageFor = [](int code) {
        return MessageForOpenStatus(static_cast<MeasurementStatus>(code));
    };
    EXPECT_EQ(messageFor(0), MESSAGE_NONE);
    EXPECT_EQ(messageFor(10), MESSAGE_NONE);
    EXPECT_EQ(messageFor(20), MESSAGE_NONE);
    EXPECT_EQ(messageFor(30), MESSAGE_NONE);
    EXPECT_EQ(messageFor(-10), MESSAGE_CORRUPT);
    EXPECT_EQ(messageFor(-70), MESSAGE_CORRUPT);
    EXPECT_EQ(messageFor(-11), MESSAGE_NOT_SUPPORTED);
    EXPECT_EQ(messageFor(-12), MESSAGE_UNKNOWN_FORMAT);
    EXPECT_EQ(messageFor(-20), MESSAGE_UNKNOWN_FORMAT);
    EXPECT_EQ(messageFor(-21), MESSAGE_UNKNOWN_FORMAT);
    EXPECT_EQ(messageFor(-50), MESSAGE_NONE);
    EXPECT_EQ(messageFor(-60), MESSAGE_NONE);
    EXPECT_EQ(messageFor(-100), MESSAGE_CANNOT_OPEN);
    EXPECT_EQ(messageFor(-3), MESSAGE_UNKNOWN_ERROR);
}

}  // namespace
}  // namespace grafyon
