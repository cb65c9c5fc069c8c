// A generated recording opened as a document would open it, and the export library's
// state with the tests' stream class and a filter folder, for the export tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/engine/tests/test_stream.h"
#include "exportfilter/quenvartexila.h"
#include "exportfilter/quenvartexila_state.h"
#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/export/export_routine.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::test {

using exportfilter::test::CQuenarStreamTest;
using exportfilter::test::FakeSink;
using exportfilter::test::TEST_STREAM_TYPE;

class ExportFixture : public testing::Test {
protected:
    static constexpr std::uint64_t FRAMES = 1000;
    static constexpr double STEP = 0.01;

    void SetUp() override {
        exportfilter::QuenarLibraryState& state = exportfilter::QuenvartexilaState();
        state.registry.Add(CQuenarStreamTest::CLASS_INFO);
        state.messenger.SetSink(&sink);
        QuenvartexilaSetFlags(0);
        std::filesystem::create_directories(dir / "filters");
        QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH, (dir / "filters/").c_str());
        QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH, "");

        options.path = dir / "run1.mdf";
        options.frames = FRAMES;
        options.sampleStep = STEP;
        options.segments = 2;
        options.dataFiles = 2;
        options.comments = 1;
        for (const char* name : {"a", "b", "c"}) {
            GeneratedChannel channel;
            channel.name = name;
            channel.label = name;
            channel.dataType = DATA_TYPE_FLOAT;
            channel.signal = SignalShape::RAMP;
            channel.amplitude = 100.0;
            channel.period = 250;
            options.channels.push_back(channel);
        }
    }
    void TearDown() override {
        exportfilter::QuenvartexilaState().InstallDialogs(nullptr);
        exportfilter::QuenvartexilaState().messenger.SetSink(nullptr);
    }

    // Writes the recording and opens it; the datasets of the first view are exported.
    void Open() {
        std::string error;
        ASSERT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
        const MeasurementOpenResult opened = OpenMeasurement(options.path, description, access);
        ASSERT_TRUE(opened.attached);
        source.description = &description;
        source.access = &access;
        source.documentPath = options.path;
        source.datasets.clear();
        for (const Dataset* d : description.Datasets())
            source.datasets.push_back(d);
    }

    // A filter file NAME.yef: every selected dataset into one channel definition, no
    // dialog, overwriting; the data file <recording>.TXT beside the recording.
    void WriteFilter(const std::string& name,
                     const std::function<void(CQuenarStreamTest&)>& change = {}) {
        CQuenarStreamTest filter;
        filter.typeCode = TEST_STREAM_TYPE;
        filter.onlySelected = 1;
        filter.allocationMode = 0;
        auto definition = std::make_unique<exportfilter::CQuenarChannelDef>();
        definition->identifier = "Chan";
        filter.channelDefs.push_back(std::move(definition));
        filter.singleFile.dataExtension = "TXT";
        filter.singleFile.fileDialog = 0;
        filter.singleFile.overwrite = 2;
        if (change)
            change(filter);
        ASSERT_EQ(exportfilter::WriteFilterFile(dir / ("filters/" + name + ".yef"), filter), 0);
    }

    ExportOutcome Export(const std::string& filter, std::int64_t first = 0, std::int64_t count = -1,
                         const std::string& output = {}) {
        ExportRequest request;
        request.filterName = filter;
        request.firstFrame = first;
        request.frameCount = count;
        request.outputPath = output;
        return RunExport(source, request);
    }

    std::string Target() const { return dir / "run1.TXT"; }

    // The lines of a written file without their CR LF.
    static std::vector<std::string> Lines(const std::string& path) {
        std::vector<std::string> lines;
        std::istringstream in(ReadTextFile(path));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

    // The row the tests' writer puts out for a frame: x and the three values as "%.17g".
    std::string ExpectedRow(std::uint64_t frame, double x) const {
        std::string row = FormatG17(x);
        const std::vector<GeneratedChannel> channels = ChannelsOf(options);
        for (std::size_t c = 0; c < channels.size(); ++c)
            row += ";" + FormatG17(ExpectedValue(channels[c], c, frame, options.seed));
        return row;
    }
    static std::string FormatG17(double value) {
        char text[64];
        std::snprintf(text, sizeof text, "%.17g", value);
        return text;
    }

    TempDir dir;
    FakeSink sink;
    RecordingOptions options;
    MeasurementDescription description;
    DataAccess access;
    ExportSource source;
};

}  // namespace grafyon::test
