// Opening a measurement: every status with its message, attach, ranges and the format hook.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "generated_recording_test.h"
#include "viewer/data/mdf/mdf_reader.h"
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
    EXPECT_EQ(r.message, MESSAGE_UNKNOWN_ERROR);
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

TEST_F(MeasurementOpenTest, ADataFileShorterThanItsSegmentFailsToAttach) {
    RecordingOptions o = Options("short.mdf");
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    std::filesystem::resize_file(m_dir / "short.dta", 100);
    const MeasurementOpenResult r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);  // the validation does not look at sizes
    EXPECT_NE(r.attachStatus, 0);
    EXPECT_EQ(r.message, MESSAGE_FILE_MAPPING);
    EXPECT_FALSE(r.attached);
    EXPECT_FALSE(r.keepDocument);
    EXPECT_TRUE(m_description.Empty());
    EXPECT_FALSE(m_access.IsAttached(m_description));
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
    EXPECT_EQ(messageFor(-100), MESSAGE_UNKNOWN_ERROR);
    EXPECT_EQ(messageFor(-3), MESSAGE_UNKNOWN_ERROR);
}

}  // namespace
}  // namespace grafyon
