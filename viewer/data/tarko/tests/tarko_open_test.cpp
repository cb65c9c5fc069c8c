// Opening generated TARKO recordings as the document does: statuses, attach and values.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/mdf/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon {
namespace {

class TarkoOpenTest : public ::testing::Test {
protected:
    RecordingOptions Options(const std::string& name) {
        RecordingOptions o;
        o.path = m_dir / name;
        o.form = RecordingForm::TKS;
        o.frames = 700;
        o.channelCount = 5;
        return o;
    }

    MeasurementOpenResult Generate(const RecordingOptions& o) {
        std::string error;
        EXPECT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
        return OpenMeasurement(o.path, m_description, m_access);
    }

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

    test::TempDir m_dir;
    MeasurementDescription m_description;
    DataAccess m_access;
};

TEST_F(TarkoOpenTest, FloatStorageOpensWithItsValues) {
    RecordingOptions o = Options("floats.tks");
    o.dataOffset = 13;
    o.sampleStep = 0.0005;
    const MeasurementOpenResult r = Generate(o);
    EXPECT_EQ(r.status, MEASUREMENT_OK);
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
    ASSERT_EQ(r.status, MEASUREMENT_OK);
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
    EXPECT_EQ(r.status, MEASUREMENT_SINGLE_FRAME);
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
    EXPECT_EQ(r.status, MEASUREMENT_DATA_FILE_MISSING);
    EXPECT_EQ(r.message, MESSAGE_NONE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);
    EXPECT_EQ(m_description.Datasets().size(), 5u);
    EXPECT_EQ(m_description.FrameCount(), 700u);

    // An empty data file holds no frame.
    test::WriteFile(m_dir / "gone.dta", {});
    r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MEASUREMENT_NO_TIME_BASE);
    EXPECT_TRUE(r.keepDocument);
    EXPECT_FALSE(r.attached);

    // A broken header clears the document with its message.
    std::filesystem::resize_file(o.path, 300);
    r = OpenMeasurement(o.path, m_description, m_access);
    EXPECT_EQ(r.status, MEASUREMENT_CORRUPT);
    EXPECT_EQ(r.message, MESSAGE_CORRUPT);
    EXPECT_FALSE(r.keepDocument);
    EXPECT_TRUE(m_description.Empty());
}

}  // namespace
}  // namespace grafyon
