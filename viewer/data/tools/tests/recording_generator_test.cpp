// The recording generator: files that read back with the generated values.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "test_support.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/open/data_file_validation.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon {
namespace {

// Reads one value the way the format defines it: segment, data file, data offset,
// first frame in file, frame size and frame offset; independent of the generator.
class ValueReader {
public:
    explicit ValueReader(const MeasurementDescription& d) : m_d(d) {}

    std::optional<double> Value(const Dataset& dataset, std::uint64_t frame) {
        for (const TimeSegmentElement* s : m_d.TimeSegments()) {
            if (frame >= s->frameCount) {
                frame -= s->frameCount;
                continue;
            }
            const DataFileElement* file = m_d.DataFileByNumber(s->dataFileNumber);
            if (file == nullptr)
                return std::nullopt;
            BinaryFileReader& reader = m_files[file->fullPath];
            if (!reader.IsOpen() && !reader.Open(file->fullPath))
                return std::nullopt;
            const std::uint64_t pos = file->dataOffset +
                                      (s->firstFrameInFile + frame) * m_d.FrameSize() +
                                      dataset.effectiveFrameOffset;
            std::uint8_t raw[8] = {};
            if (!reader.ReadAt(pos, std::span(raw, dataset.ValueSize())))
                return std::nullopt;
            return dataset.Decode(raw);
        }
        return std::nullopt;
    }

private:
    const MeasurementDescription& m_d;
    std::map<std::string, BinaryFileReader> m_files;
};

class RecordingGeneratorTest : public ::testing::Test {
protected:
    // Generates, reads and validates; every value of every channel must come back.
    void GenerateAndCheckValues(const RecordingOptions& options) {
        std::string error;
        ASSERT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
        ASSERT_EQ(ReadMdfDescription(options.path, m_description), MeasurementStatus::Ok);
        ASSERT_EQ(ValidateDataFiles(m_description), MeasurementStatus::Ok);
        const std::vector<GeneratedChannel> channels = ChannelsOf(options);
        const std::vector<Dataset*> datasets = m_description.Datasets();
        ASSERT_EQ(datasets.size(), channels.size());
        ASSERT_EQ(m_description.FrameCount(), options.frames);
        ValueReader reader(m_description);
        for (std::size_t c = 0; c < channels.size(); ++c) {
            for (std::uint64_t f = 0; f < options.frames; ++f) {
                const std::optional<double> value = reader.Value(*datasets[c], f);
                ASSERT_TRUE(value.has_value()) << c << " " << f;
                ASSERT_EQ(*value, ExpectedValue(channels[c], c, f, options.seed)) << c << " " << f;
                ASSERT_LE(std::fabs(*value - Ideal(channels[c], c, f, options.seed)),
                          Tolerance(channels[c]))
                    << channels[c].name << " frame " << f;
            }
        }
    }

    // What a reader should see, from the signal alone.
    static double Ideal(const GeneratedChannel& c, std::size_t index, std::uint64_t frame,
                        std::uint64_t seed) {
        const double signal = SignalValue(c, index, frame, seed);
        if (IsBooleanType(c.dataType))
            return signal > c.mean ? 1.0 : 0.0;
        return signal;
    }

    static double Tolerance(const GeneratedChannel& c) {
        if (IsBooleanType(c.dataType))
            return 0.0;
        if (IsFloatType(c.dataType))
            return 1e-5 * (std::fabs(c.mean) + std::fabs(c.amplitude));
        const bool calibrated = (c.dataType & DATA_TYPE_NOT_CALIBRATED) == 0;
        return (calibrated ? std::fabs(c.factor) : 1.0) * 0.5000001;
    }

    test::TempDir m_dir;
    MeasurementDescription m_description;
};

TEST_F(RecordingGeneratorTest, EveryTypeOverSegmentsAndDataFiles) {
    RecordingOptions o;
    o.path = m_dir / "mixed.mdf";
    o.frames = 1201;
    o.channelCount = 16;  // every template once, and the first again
    o.segments = 3;
    o.dataFiles = 2;
    o.dataOffset = 24;
    o.seed = 7;
    GenerateAndCheckValues(o);

    const std::vector<TimeSegmentElement*> segments = m_description.TimeSegments();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0]->frameCount, 401u);
    EXPECT_EQ(segments[1]->frameCount, 400u);
    EXPECT_EQ(segments[0]->dataFileNumber, 1u);
    EXPECT_EQ(segments[1]->dataFileNumber, 1u);
    EXPECT_EQ(segments[1]->firstFrameInFile, 401u);
    EXPECT_EQ(segments[2]->dataFileNumber, 2u);
    EXPECT_EQ(segments[2]->firstFrameInFile, 0u);
    EXPECT_EQ(m_description.DataFileName(1), "mixed.dta");
    EXPECT_EQ(m_description.DataFileName(2), "mixed_2.dta");
    EXPECT_EQ(DataFilePaths(o),
              (std::vector<std::string>{m_dir / "mixed.dta", m_dir / "mixed_2.dta"}));
    EXPECT_EQ(std::filesystem::file_size(m_dir / "mixed.dta"),
              24u + 801u * m_description.FrameSize());
    EXPECT_EQ(m_description.SampleStep(), 0.001);
    EXPECT_EQ(m_description.CarrierName(), "Time");

    const std::vector<Dataset*> datasets = m_description.Datasets();
    EXPECT_EQ(datasets[0]->name, "Öltemperatur 1");
    EXPECT_EQ(datasets[0]->unit, "°C");
    EXPECT_EQ(datasets[0]->label, "Kanal 1 – Öltemperatur");
    EXPECT_EQ(datasets[5]->unit, "m/s²");
    EXPECT_EQ(datasets[7]->unit, "µm/m");
    for (std::uint32_t base = DATA_TYPE_CHAR; base <= DATA_TYPE_BOOL64; ++base) {
        const bool present = std::any_of(datasets.begin(), datasets.end(), [&](const Dataset* d) {
            return BaseDataType(d->dataType) == base;
        });
        EXPECT_TRUE(present) << "type " << base;
    }
}

TEST_F(RecordingGeneratorTest, McfFilesCarryTheirFramesAndSurviveRenaming) {
    RecordingOptions o;
    o.path = m_dir / "single.mcf";
    o.form = RecordingForm::MCF;
    o.frames = 300;
    o.channelCount = 5;
    GenerateAndCheckValues(o);
    ASSERT_EQ(m_description.DataFiles().size(), 1u);
    EXPECT_EQ(m_description.DataFiles().front()->fullPath, o.path);

    // Renamed, the file still refers to itself.
    std::filesystem::rename(o.path, m_dir / "renamed.mcf");
    o.path = m_dir / "renamed.mcf";
    MeasurementDescription renamed;
    ASSERT_EQ(ReadMdfDescription(o.path, renamed), MeasurementStatus::Ok);
    EXPECT_EQ(renamed.DataFiles().front()->fileName, "renamed.mcf");
    EXPECT_EQ(ValidateDataFiles(renamed), MeasurementStatus::Ok);
    ValueReader reader(renamed);
    EXPECT_EQ(reader.Value(*renamed.Datasets()[3], 299),
              ExpectedValue(ChannelsOf(o)[3], 3, 299, o.seed));

    // Several segments in one MCF file.
    RecordingOptions multi = o;
    multi.path = m_dir / "multi.mcf";
    multi.segments = 4;
    multi.segmentSteps = {0.001, 0.001, 0.002, 0.001};
    GenerateAndCheckValues(multi);
    EXPECT_EQ(m_description.SampleStep(), SAMPLE_STEP_VARIABLE);
}

TEST_F(RecordingGeneratorTest, RangesSpotsCommentsAndParameters) {
    RecordingOptions o;
    o.path = m_dir / "marks.mdf";
    o.frames = 1000;
    o.channelCount = 2;
    o.ranges = 3;
    o.spots = 2;
    o.comments = 2;
    o.parameters = 1;
    GenerateAndCheckValues(o);
    const HeaderCounters& c = m_description.Header()->counters;
    EXPECT_EQ(c.rangeNames, 3u);
    EXPECT_EQ(c.ranges, 3u);
    EXPECT_EQ(c.spots, 2u);
    EXPECT_EQ(c.comments, 2u);
    EXPECT_EQ(c.parameters, 1u);
    EXPECT_EQ(c.rangeParameters, 3u);
    EXPECT_EQ(m_description.RangeName(2)->name, "Bereich 2");
    EXPECT_EQ(m_description.RangeName(2)->comment, "Prüfabschnitt 2");
    std::size_t pos = 0;
    const auto* range =
        static_cast<const RangeElement*>(m_description.FindFirst(ELEMENT_RANGE, pos));
    ASSERT_NE(range, nullptr);
    EXPECT_LT(range->startFrame, range->stopFrame);
    EXPECT_LT(range->stopFrame, 1000u);
    const auto* spot = static_cast<const SpotElement*>(m_description.FindFirst(ELEMENT_SPOT, pos));
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->frame, 333u);
    const auto* comment =
        static_cast<const CommentElement*>(m_description.FindFirst(ELEMENT_COMMENT, pos));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, "Kommentar 1: Prüfung bei 23 °C");
    const ParameterElement* parameter = m_description.RangeParameter(3, 1u);
    ASSERT_NE(parameter, nullptr);
    EXPECT_EQ(parameter->data.size(), 4u);
}

TEST_F(RecordingGeneratorTest, OutputIsDeterministicAndTheSeedMovesOnlyTheNoise) {
    RecordingOptions o;
    o.path = m_dir / "a.mdf";
    o.frames = 200;
    o.channelCount = 3;  // the third is noise
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    std::vector<std::uint8_t> first, second, mdfFirst, mdfSecond;
    ASSERT_TRUE(ReadWholeFile(m_dir / "a.dta", first));
    ASSERT_TRUE(ReadWholeFile(m_dir / "a.mdf", mdfFirst));
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    ASSERT_TRUE(ReadWholeFile(m_dir / "a.dta", second));
    ASSERT_TRUE(ReadWholeFile(m_dir / "a.mdf", mdfSecond));
    EXPECT_EQ(first, second);
    EXPECT_EQ(mdfFirst, mdfSecond);

    const std::vector<GeneratedChannel> channels = ChannelsOf(o);
    ASSERT_EQ(channels[2].signal, SignalShape::NOISE);
    EXPECT_NE(SignalValue(channels[2], 2, 10, 1), SignalValue(channels[2], 2, 10, 2));
    EXPECT_EQ(SignalValue(channels[0], 0, 10, 1), SignalValue(channels[0], 0, 10, 2));
}

TEST(RecordingSignals, ShapesHaveTheirLevels) {
    GeneratedChannel c;
    c.mean = 10.0;
    c.amplitude = 4.0;
    c.period = 8;
    c.signal = SignalShape::RAMP;
    EXPECT_EQ(SignalValue(c, 0, 0, 1), 6.0);
    EXPECT_EQ(SignalValue(c, 0, 4, 1), 10.0);
    EXPECT_EQ(SignalValue(c, 0, 8, 1), 6.0);
    c.signal = SignalShape::STEPS;
    EXPECT_EQ(SignalValue(c, 0, 0, 1), 6.0);
    EXPECT_EQ(SignalValue(c, 0, 8, 1), 8.0);
    EXPECT_EQ(SignalValue(c, 0, 16, 1), 10.0);
    EXPECT_EQ(SignalValue(c, 0, 39, 1), 14.0);
    EXPECT_EQ(SignalValue(c, 0, 40, 1), 6.0);
    c.signal = SignalShape::SINE;
    EXPECT_NEAR(SignalValue(c, 0, 2, 1), 14.0, 1e-12);
    c.signal = SignalShape::NOISE;
    double low = 1e9, high = -1e9;
    for (std::uint64_t f = 0; f < 5000; ++f) {
        const double v = SignalValue(c, 1, f, 99);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_GE(low, 6.0);
    EXPECT_LT(high, 14.0);
    EXPECT_LT(low, 6.1);  // spread over the whole range
    EXPECT_GT(high, 13.9);
}

TEST(RecordingSignals, IntegerTypesSaturateInsteadOfWrapping) {
    GeneratedChannel c;
    c.dataType = DATA_TYPE_CHAR;
    c.signal = SignalShape::STEPS;
    c.mean = 0.0;
    c.amplitude = 1000.0;
    c.period = 1;
    EXPECT_EQ(ExpectedValue(c, 0, 0, 1), -128.0);
    EXPECT_EQ(ExpectedValue(c, 0, 4, 1), 127.0);
    c.dataType = DATA_TYPE_UDLONG;
    c.amplitude = 1e30;
    EXPECT_EQ(ExpectedValue(c, 0, 0, 1), 0.0);
    EXPECT_EQ(ExpectedValue(c, 0, 4, 1), 18446744073709549568.0);
    c.dataType = DATA_TYPE_FLOAT;
    c.amplitude = 1e300;
    EXPECT_TRUE(std::isfinite(ExpectedValue(c, 0, 4, 1)));
}

TEST_F(RecordingGeneratorTest, RefusesOptionsItCannotWrite) {
    const auto refused = [&](RecordingOptions o) {
        if (o.path.empty())
            o.path = m_dir / "bad.mdf";
        std::string error;
        const int status = GenerateRecording(o, &error);
        EXPECT_FALSE(error.empty());
        return status;
    };
    RecordingOptions o;
    o.segments = 0;
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    o.segments = 2;
    o.dataFiles = 3;
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    o.path = m_dir / "x.mcf";
    o.form = RecordingForm::MCF;
    o.segments = 2;
    o.dataFiles = 2;
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    o.segmentSteps = {0.1, 0.2};
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    GeneratedChannel channel;
    channel.dataType = 0x203;  // big-endian
    o.channels = {channel};
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    channel.dataType = DATA_TYPE_SHORT;
    channel.factor = 0.0;
    o.channels = {channel};
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    channel.factor = 1.0;
    channel.period = 0;
    o.channels = {channel};
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    o.frames = 1ull << 33;
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);  // beyond one 32-bit segment
    o = {};
    o.path = m_dir / "x.mcf";
    o.form = RecordingForm::MCF;
    o.frames = 0xFFFFFFF0;
    o.channelCount = 2;  // 6 bytes a frame: more than an MCF can embed
    EXPECT_EQ(refused(o), GENERATE_BAD_OPTIONS);
    o = {};
    o.path = m_dir / "no/such/folder/x.mdf";
    EXPECT_EQ(refused(o), GENERATE_WRITE_FAILED);
}

TEST_F(RecordingGeneratorTest, TarkoRecordingsAreAHeaderFileAndOneDataFile) {
    RecordingOptions o;
    o.path = m_dir / "run.tks";
    o.form = RecordingForm::TKS;
    o.frames = 250;
    o.dataOffset = 9;
    o.channels = {DefaultChannelOfType(DATA_TYPE_LONG, 0),
                  DefaultChannelOfType(DATA_TYPE_DOUBLE | DATA_TYPE_NOT_CALIBRATED, 1),
                  DefaultChannelOfType(DATA_TYPE_SHORT, 2)};
    o.channels[0].label = "A label longer than sixteen";
    o.channels[2].unit = "Newtonmeter";
    o.textLines = {"one", "two"};
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    EXPECT_EQ(DataFilePaths(o), std::vector<std::string>{m_dir / "run.dta"});
    EXPECT_EQ(std::filesystem::file_size(o.path), 256u + 3 * 168u);
    EXPECT_EQ(std::filesystem::file_size(m_dir / "run.dta"), 9u + 250u * 12u);

    // The channels as the file holds them: floats, texts cut, 32-bit calibrations.
    const std::vector<GeneratedChannel> held = ChannelsOf(o);
    EXPECT_EQ(held[0].dataType, DATA_TYPE_FLOAT);
    EXPECT_EQ(held[0].label, "A label longer t");
    EXPECT_EQ(held[0].factor, static_cast<double>(0.001f));
    EXPECT_EQ(held[1].dataType, DATA_TYPE_FLOAT);  // the raw flag became an identity
    EXPECT_EQ(held[1].factor, 1.0);
    EXPECT_EQ(held[2].unit, "Newtonme");

    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(o.path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 15), "TARKO TKS 01.00");
    EXPECT_EQ(LoadU32LE(&bytes[60]), 9u);   // data offset
    EXPECT_EQ(LoadU32LE(&bytes[64]), 2u);   // storage form: floats
    EXPECT_EQ(LoadU32LE(&bytes[76]), 12u);  // frame size
    EXPECT_EQ(LoadU32LE(&bytes[80]), 250u);
    EXPECT_EQ(LoadU32LE(&bytes[256 + 168 + 16]), 1u);  // position of the second channel
    EXPECT_EQ(LoadF32LE(&bytes[256 + 80]), 0.001f);    // sample interval

    // In channel types a float follows a SHORT at the next multiple of 4 bytes.
    o.tarkoFloatStorage = false;
    o.channels = {DefaultChannelOfType(DATA_TYPE_SHORT, 0),
                  DefaultChannelOfType(DATA_TYPE_FLOAT, 1),
                  DefaultChannelOfType(DATA_TYPE_USHORT, 2)};
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    EXPECT_EQ(FrameLayoutOf(o).offsets, (std::vector<std::uint32_t>{0, 4, 8}));
    EXPECT_EQ(FrameLayoutOf(o).frameSize, 10u);
    ASSERT_TRUE(ReadWholeFile(o.path, bytes));
    EXPECT_EQ(LoadU32LE(&bytes[64]), 1u);
    EXPECT_EQ(LoadU32LE(&bytes[256 + 168 + 16]), 1u);           // 4-byte steps
    EXPECT_EQ(LoadU32LE(&bytes[256 + 168 + 24]), 0xFFFFFFE0u);  // -32
    EXPECT_EQ(LoadU32LE(&bytes[256 + 2 * 168 + 16]), 4u);       // 16-bit words
}

TEST_F(RecordingGeneratorTest, BooleanChannelsStoredAsFloatsKeepTheirLevels) {
    RecordingOptions tks;
    tks.path = m_dir / "levels.tks";
    tks.form = RecordingForm::TKS;
    tks.frames = 400;
    tks.channels = {DefaultChannelOfType(DATA_TYPE_BOOL16, 0),
                    DefaultChannelOfType(DATA_TYPE_BOOL8, 1)};
    tks.channels[1].signal = SignalShape::STEPS;
    for (GeneratedChannel& c : tks.channels)
        c.period = 50;
    const std::vector<GeneratedChannel> held = ChannelsOf(tks);
    ASSERT_EQ(held[0].dataType, DATA_TYPE_FLOAT);
    EXPECT_TRUE(held[0].booleanLevels);

    // The same channels as Boolean types in an MDF file give the same values.
    RecordingOptions mdf;
    mdf.path = m_dir / "levels.mdf";
    mdf.frames = tks.frames;
    mdf.channels = tks.channels;
    for (std::size_t c = 0; c < held.size(); ++c) {
        bool sawZero = false;
        bool sawOne = false;
        for (std::uint64_t f = 0; f < tks.frames; ++f) {
            const double asFloat = ExpectedValue(held[c], c, f, tks.seed);
            EXPECT_EQ(asFloat, ExpectedValue(mdf.channels[c], c, f, mdf.seed)) << c << " " << f;
            EXPECT_TRUE(asFloat == 0.0 || asFloat == 1.0) << asFloat;
            sawZero = sawZero || asFloat == 0.0;
            sawOne = sawOne || asFloat == 1.0;
        }
        EXPECT_TRUE(sawZero && sawOne) << c;
    }
}

TEST_F(RecordingGeneratorTest, RefusesWhatTarkoCannotHold) {
    const auto refused = [&](RecordingOptions o) {
        o.path = m_dir / "bad.tks";
        o.form = RecordingForm::TKS;
        std::string error;
        EXPECT_EQ(GenerateRecording(o, &error), GENERATE_BAD_OPTIONS);
        EXPECT_FALSE(std::filesystem::exists(o.path));
        return error;
    };
    RecordingOptions o;
    o.segments = 2;
    EXPECT_NE(refused(o).find("one segment"), std::string::npos);
    o = {};
    o.ranges = 1;
    EXPECT_NE(refused(o).find("no ranges"), std::string::npos);
    o = {};
    o.textLines = {"1", "2", "3", "4", "5"};
    EXPECT_NE(refused(o).find("four text lines"), std::string::npos);
    o = {};
    o.frames = 1ull << 32;
    EXPECT_NE(refused(o).find("too many frames"), std::string::npos);
    o = {};
    o.sampleStep = 1e-50;  // 0 as a float
    EXPECT_NE(refused(o).find("32-bit float"), std::string::npos);
    o = {};
    o.tarkoFloatStorage = false;
    o.channels = {DefaultChannelOfType(DATA_TYPE_CHAR, 0)};
    EXPECT_NE(refused(o).find("CHAR"), std::string::npos);
    o = {};
    o.channels = {DefaultChannelOfType(DATA_TYPE_SHORT, 0)};
    o.channels[0].factor = 1e-50;  // 0 as a float
    EXPECT_NE(refused(o).find("calibration"), std::string::npos);

    o = {};
    o.path = m_dir / (std::string(30, 'n') + ".tks");
    o.form = RecordingForm::TKS;
    std::string error;
    EXPECT_EQ(GenerateRecording(o, &error), GENERATE_BAD_OPTIONS);
    EXPECT_NE(error.find("32 bytes"), std::string::npos);
    o = {};
    o.path = m_dir / "lines.mdf";
    o.textLines = {"only TARKO"};
    EXPECT_EQ(GenerateRecording(o), GENERATE_BAD_OPTIONS);
}

TEST_F(RecordingGeneratorTest, EmptyAndSingleFrameRecordingsGiveTheirStatuses) {
    RecordingOptions o;
    o.path = m_dir / "none.mdf";
    o.channelCount = 0;
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    EXPECT_EQ(ReadMdfDescription(o.path, m_description), MeasurementStatus::NoDataset);

    o.path = m_dir / "one.mdf";
    o.channelCount = 2;
    o.frames = 1;
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    ASSERT_EQ(ReadMdfDescription(o.path, m_description), MeasurementStatus::Ok);
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::SingleFrame);

    o.path = m_dir / "zero.mdf";
    o.frames = 0;
    ASSERT_EQ(GenerateRecording(o), GENERATE_OK);
    ASSERT_EQ(ReadMdfDescription(o.path, m_description), MeasurementStatus::Ok);
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::NoTimeBase);
}

}  // namespace
}  // namespace grafyon
