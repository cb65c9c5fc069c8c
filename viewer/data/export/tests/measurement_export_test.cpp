// Recordings of mixed types exported through the viewer's export routine into the MDF and
// Tarko formats, reopened by the viewer's own readers and compared value by value.
#include <cmath>

#include "export_test_fixture.h"
#include "exportfilter/engine/export_method.h"
#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"
#include "exportfilter/formats/tarko/tarko_channel_def.h"
#include "exportfilter/formats/tarko/tarko_stream.h"
#include "viewer/data/data_type.h"
#include "viewer/data/test_support/opened_measurement.h"

namespace grafyon::test {
namespace {

using exportfilter::CQuenarChannelDefMdf;
using exportfilter::CQuenarChannelDefTarko;
using exportfilter::CQuenarStreamMdf;
using exportfilter::CQuenarStreamTarko;

class MeasurementExport : public ExportFixture {
protected:
    void SetUp() override {
        ExportFixture::SetUp();
        options.channels.clear();
        const std::pair<const char*, std::uint32_t> kinds[] = {{"short", DATA_TYPE_SHORT},
                                                               {"ushort", DATA_TYPE_USHORT},
                                                               {"long", DATA_TYPE_LONG},
                                                               {"float", DATA_TYPE_FLOAT},
                                                               {"double", DATA_TYPE_DOUBLE}};
        for (const auto& [name, type] : kinds) {
            GeneratedChannel channel;
            channel.name = name;
            channel.label = std::string(name) + " lbl";
            channel.unit = "bar";
            channel.dataType = type;
            channel.signal = SignalShape::SINE;
            channel.amplitude = 100.0;
            channel.mean = type == DATA_TYPE_USHORT ? 200.0 : 0.0;
            channel.period = 97;
            channel.factor = type == DATA_TYPE_SHORT ? 0.01 : 1.0;
            channel.offset = type == DATA_TYPE_SHORT ? 5.0 : 0.0;
            options.channels.push_back(channel);
        }
    }

    // A filter NAME.yef of the stream class: every selected dataset into a copy of one
    // channel definition, without dialogs, into exp.dta beside the recording.
    template <class Stream, class Definition>
    void WriteMeasurementFilter(const std::string& name,
                                const std::function<void(Stream&, Definition&)>& change = {}) {
        Stream filter;
        filter.typeCode = filter.GetRuntimeClass().typeCode;
        filter.onlySelected = 1;
        filter.allocationMode = 0;
        auto definition = std::make_unique<Definition>();
        definition->identifier = "Chan";
        Definition& defined = *definition;
        filter.channels.push_back(std::move(definition));
        filter.outputFile.dataNameMode = 1;
        filter.outputFile.userDataName = dir / "exp.dta";
        filter.outputFile.fileDialog = 0;
        filter.outputFile.overwrite = 2;
        if (change)
            change(filter, defined);
        ASSERT_EQ(exportfilter::WriteFilterFile(dir / ("filters/" + name + ".yef"), filter), 0);
    }

    // The reopened export against the recording: names, labels, units, factor and offset,
    // step and frames, each value the recording's physical value as a 32-bit float, taken
    // every `every` frames and run through the description's factor and offset.
    void ExpectReopened(const std::string& path, std::uint64_t every, double factor, double offset,
                        const std::string& unit) {
        std::unique_ptr<OpenedMeasurement> copy = OpenForTest(path);
        ASSERT_TRUE(copy->result.attached) << path;
        const std::uint64_t frames = (FRAMES + every - 1) / every;
        EXPECT_EQ(copy->description.FrameCount(), frames);
        EXPECT_NEAR(copy->description.SampleStep(), STEP * double(every), 1e-9);
        const std::vector<Dataset*> datasets = copy->Datasets();
        ASSERT_EQ(datasets.size(), options.channels.size());
        for (std::size_t c = 0; c < datasets.size(); ++c) {
            const GeneratedChannel& channel = options.channels[c];
            const Dataset& d = *datasets[c];
            EXPECT_EQ(d.name, channel.name);
            EXPECT_EQ(d.label, channel.label);
            EXPECT_EQ(d.unit, unit.empty() ? channel.unit : unit);
            EXPECT_DOUBLE_EQ(d.factor, factor);
            EXPECT_DOUBLE_EQ(d.offset, offset);
            const std::vector<double> values = AllValuesOf(*copy, d);
            ASSERT_EQ(values.size(), frames) << channel.name;
            for (std::uint64_t k = 0; k < frames; ++k) {
                const double source = ExpectedValue(channel, c, k * every, options.seed);
                const double expected =
                    static_cast<double>(static_cast<float>(source)) * factor + offset;
                ASSERT_DOUBLE_EQ(values[k], expected) << channel.name << " frame " << k;
            }
        }
    }
};

TEST_F(MeasurementExport, MixedTypesToMdfReopenWithTheirValuesAsFloats) {
    Open();
    WriteMeasurementFilter<CQuenarStreamMdf, CQuenarChannelDefMdf>("ToMdf");
    const ExportOutcome outcome = Export("ToMdf");
    ASSERT_EQ(outcome.result, 0) << sink.Ids().size();
    ExpectReopened(dir / "exp.MDF", 1, 1.0, 0.0, {});
}

TEST_F(MeasurementExport, MixedTypesToTarkoCarryTheAdjustmentInTheirRecords) {
    Open();
    WriteMeasurementFilter<CQuenarStreamTarko, CQuenarChannelDefTarko>(
        "ToTarko", [](CQuenarStreamTarko&, CQuenarChannelDefTarko& d) {
            d.adjustment = 1;
            d.factor = 2.0;
            d.offset = 1.0;
            d.unit = "kN";
        });
    const ExportOutcome outcome = Export("ToTarko");
    ASSERT_EQ(outcome.result, 0);
    ExpectReopened(dir / "exp.TKS", 1, 2.0, 1.0, "kN");
}

TEST_F(MeasurementExport, ResampledToMdfAndTarkoKeepTheRequestedStep) {
    Open();
    const auto resampled = [](auto& filter, auto&) {
        filter.method = exportfilter::FILTER_METHOD_CONSTANT_RESOLUTION;
        filter.missingConstant = exportfilter::FILTER_MISSING_INTERPOLATE;
        filter.resolution = 2 * STEP;
    };
    WriteMeasurementFilter<CQuenarStreamMdf, CQuenarChannelDefMdf>(
        "HalfMdf", std::function<void(CQuenarStreamMdf&, CQuenarChannelDefMdf&)>(resampled));
    ASSERT_EQ(Export("HalfMdf").result, 0);
    ExpectReopened(dir / "exp.MDF", 2, 1.0, 0.0, {});
    WriteMeasurementFilter<CQuenarStreamTarko, CQuenarChannelDefTarko>(
        "HalfTarko", std::function<void(CQuenarStreamTarko&, CQuenarChannelDefTarko&)>(resampled));
    ASSERT_EQ(Export("HalfTarko").result, 0);
    ExpectReopened(dir / "exp.TKS", 2, 1.0, 0.0, {});
}

}  // namespace
}  // namespace grafyon::test
