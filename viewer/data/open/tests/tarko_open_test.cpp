// Opening generated TARKO recordings as the document does: statuses, attach and values.
#include <gtest/gtest.h>

#include <filesystem>

#include "generated_recording_test.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/tarko/tarko_reader.h"

namespace grafyon {
namespace {

class TarkoOpenTest : public test::GeneratedRecordingTest {
protected:
    TarkoOpenTest() : GeneratedRecordingTest(RecordingForm::TKS, 700, 5) {}

    // Every value of every channel, read through the data access, is the generated one.
    void ExpectGeneratedValues(const RecordingOptions& o) {
        const std::vector<GeneratedChannel> channels = ChannelsOf(o);
        const std::vector<Dataset*> datasets = m_description.Datasets();
        ASSERT_EQ(datasets.size(), channels.size());
        ASSERT_EQ(m_description.FrameCount(), o.frames);
        for (std::size_t c = 0; c < channels.size(); ++c) {
            EXPECT_EQ(datasets[c]->name, channels[c].name);
            for (std::uint64_t f = 0; f < o.frames; ++f) {
                const std::optional<double> value = m_access.ValueAt(*datasets[c], f);
                ASSERT_TRUE(value) << c << " " << f;
                ASSERT_EQ(*value, ExpectedValue(channels[c], c, f, o.seed)) << c << " " << f;
            }
        }
    }
};

TEST_F(TarkoOpenTest, SavedAsMdfTheDescriptionReadsBackAlike) {
    RecordingOptions o = Options("rec.tks");
    o.frames = 10;
    o.tarkoFloatStorage = false;
    o.channels = {DefaultChannelOfType(DATA_TYPE_FLOAT, 0),
                  DefaultChannelOfType(DATA_TYPE_SHORT, 1)};
    o.textLines = {"Prüfung", "", "Car 7", ""};
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    ASSERT_EQ(ReadTarkoDescription(o.path, m_description), MeasurementStatus::Ok);
    const std::string mdf = m_dir / "saved.mdf";
    ASSERT_EQ(WriteMdfDescription(m_description, mdf), MDF_WRITE_OK);
    MeasurementDescription back;
    ASSERT_EQ(ReadMdfDescription(mdf, back), MeasurementStatus::Ok);
    ASSERT_EQ(back.ElementCount(), m_description.ElementCount());
    for (std::size_t k = 0; k < 2; ++k) {
        const Dataset& a = *m_description.Datasets()[k];
        const Dataset& b = *back.Datasets()[k];
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.label, a.label);
        EXPECT_EQ(b.dataType, a.dataType);
        EXPECT_EQ(b.dataMask, a.dataMask);
        EXPECT_EQ(b.factor, a.factor);
        EXPECT_EQ(b.frameOffset, a.frameOffset);
    }
    EXPECT_EQ(back.FrameCount(), 10u);
    EXPECT_EQ(back.SampleStep(), 0.001);
    EXPECT_EQ(back.DataFiles().at(0)->fullPath, m_dir / "rec.dta");
    EXPECT_EQ(back.Header()->counters.comments, 1u);
}

TEST_F(TarkoOpenTest, FloatStorageOpensWithItsValues) {
    RecordingOptions o = Options("floats.tks");
    o.dataOffset = 13;
    o.sampleStep = 0.0005;
    const MeasurementOpenResult r = Generate(o);
    EXPECT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.attached);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_EQ(m_description.SampleStep(), 0.0005);
    EXPECT_EQ(m_description.DataFiles().at(0)->dataOffset, 13u);
    for (const Dataset* d : m_description.Datasets())
        EXPECT_EQ(BaseDataType(d->dataType), DATA_TYPE_FLOAT);
    ExpectGeneratedValues(o);
}

TEST_F(TarkoOpenTest, ChannelTypesOpenWithTheirValues) {
    RecordingOptions o = Options("types.tks");
    o.tarkoFloatStorage = false;
    // A SHORT first moves the float after it to byte 4.
    for (const std::uint32_t type : std::initializer_list<std::uint32_t>{
             DATA_TYPE_SHORT, DATA_TYPE_FLOAT, DATA_TYPE_USHORT, DATA_TYPE_LONG, DATA_TYPE_BOOL16,
             DATA_TYPE_FLOAT | DATA_TYPE_NOT_CALIBRATED}) {
        o.channels.push_back(DefaultChannelOfType(type, o.channels.size()));
    }
    const MeasurementOpenResult r = Generate(o);
    ASSERT_EQ(r.status, MeasurementStatus::Ok);
    EXPECT_TRUE(r.attached);
    const std::vector<Dataset*> datasets = m_description.Datasets();
    const std::vector<std::uint32_t> offsets = FrameLayoutOf(o).offsets;
    EXPECT_EQ(offsets, (std::vector<std::uint32_t>{0, 4, 8, 10, 14, 16}));
    for (std::size_t c = 0; c < datasets.size(); ++c) {
        EXPECT_EQ(datasets[c]->frameOffset, offsets[c]);
        EXPECT_EQ(BaseDataType(datasets[c]->dataType), BaseDataType(o.channels[c].dataType));
    }
    ExpectGeneratedValues(o);
}

TEST_F(TarkoOpenTest, StatusesOfGeneratedRecordings) {
    RecordingOptions o = Options("one.tks");
    o.frames = 1;
    o.textLines = {"Test", "", "Car 7"};
    MeasurementOpenResult r = Generate(o);
    EXPECT_EQ(r.status, MeasurementStatus::SingleFrame);
    EXPECT_TRUE(r.attached);
    std::size_t pos = 0;
    const Element* comment = m_description.FindFirst(ELEMENT_COMMENT, pos);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(static_cast<const CommentElement*>(comment)->text, "Test\nCar 7");

    // The user learns that the data file is missing; the channels can still be looked at.
    o = Options("gone.tks");
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    std::filesystem::remove(m_dir / "gone.dta");
    r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::DataFileMissing);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
    EXPECT_EQ(m_description.Datasets().size(), 5u);
    EXPECT_EQ(m_description.FrameCount(), 700u);

    // An empty data file holds no frame.
    test::WriteFile(m_dir / "gone.dta", {});
    r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::NoTimeBase);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);

    // A broken header clears the document with its message.
    std::filesystem::resize_file(o.path, 300);
    r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MeasurementStatus::Corrupt);
    EXPECT_EQ(r.message, MESSAGE_CORRUPT);
    EXPECT_FALSE(r.keepDocument);
    EXPECT_TRUE(m_description.Empty());
}

}  // namespace
}  // namespace grafyon
