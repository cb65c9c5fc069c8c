// grafyon-export and the viewer's unattended export as a script runs them: exit statuses
// and the reasons on standard error.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "exportfilter/engine/filter_file.h"
#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"
#include "exportfilter/formats/tarko/tarko_channel_def.h"
#include "exportfilter/formats/tarko/tarko_stream.h"
#include "test_support.h"
#include "viewer/data/test_support/opened_measurement.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::test {
namespace {

struct ProgramRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

class ExportProgram : public testing::Test {
protected:
    ExportProgram() {
        for (const char* folder : {"config", "machine", "data", "runtime", "filters"})
            std::filesystem::create_directories(dir.Path() / folder);
        std::filesystem::permissions(dir / "runtime", std::filesystem::perms::owner_all);
        RecordingOptions options;
        options.path = dir / "run.mdf";
        options.frames = 100;
        std::string error;
        EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    }

    // Runs a program of the build with its own home and settings and without a display.
    ProgramRun Run(const std::string& program, const std::string& arguments) {
        const char* bin = std::getenv("GRAFYON_BIN_DIR");
        EXPECT_NE(bin, nullptr);
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY HOME=" + dir.Path().string() +
            " XDG_CONFIG_HOME=" + dir / "config" + " XDG_CONFIG_DIRS=" + dir / "machine" +
            " XDG_DATA_HOME=" + dir / "data" + " XDG_RUNTIME_DIR=" + dir / "runtime" +
            " LC_ALL=C " + std::string(bin ? bin : ".") + "/" + program + " " + arguments +
            " 2>&1 </dev/null";
        ProgramRun run;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return run;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.output.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    TempDir dir;
};

TEST_F(ExportProgram, GrafyonExportStatuses) {
    ProgramRun run = Run("grafyon-export", "");
    EXPECT_EQ(run.status, 64);
    EXPECT_NE(run.output.find("Usage: grafyon-export"), std::string::npos) << run.output;

    run = Run("grafyon-export", dir / "run.mdf" + " --filter Missing");
    EXPECT_EQ(run.status, 156);
    EXPECT_NE(run.output.find("\u00abMissing\u00bb"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(dir / "data/Vantorelline/Grafyon/ExportFilter/"), std::string::npos)
        << run.output;

    run = Run("grafyon-export", dir / "nothing.mdf" + " --filter Missing");
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.output.find("cannot be opened"), std::string::npos) << run.output;

    WriteTextFile(dir / "filters/Mine.yef", "not read for the list");
    run = Run("grafyon-export", "--list-filters --filters " + dir / "filters");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Mine\t" + dir / "filters/Mine.yef\n"), std::string::npos)
        << run.output;
}

TEST_F(ExportProgram, UnattendedViewerExportStatuses) {
    // A filter that does not exist: the export fails, and says why.
    ProgramRun run = Run("Grafyon", dir / "run.mdf" + " /EF Missing /AX");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.output.find("The export filter \u00abMissing\u00bb was not found"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Automatic Exit"), std::string::npos) << run.output;

    // Nothing to export.
    run = Run("Grafyon", dir / "nothing.mdf" + " /EF Missing /AX");
    EXPECT_EQ(run.status, 2);
}

// A filter of the stream class that writes every dataset into out.dta beside the recording.
template <class Stream, class Definition>
void WriteMeasurementFilter(const std::string& path, const std::string& dataFile) {
    Stream filter;
    filter.typeCode = filter.GetRuntimeClass().typeCode;
    filter.onlySelected = 1;
    filter.allocationMode = 0;
    auto definition = std::make_unique<Definition>();
    definition->identifier = "Chan";
    filter.channels.push_back(std::move(definition));
    filter.outputFile.dataNameMode = 1;
    filter.outputFile.userDataName = dataFile;
    filter.outputFile.fileDialog = 0;
    filter.outputFile.overwrite = 2;
    ASSERT_EQ(exportfilter::WriteFilterFile(path, filter), 0);
}

TEST_F(ExportProgram, MdfAndTarkoFromTheShellAndFromTheUnattendedViewer) {
    const std::string folder = dir / "data/Vantorelline/Grafyon/ExportFilter/";
    std::filesystem::create_directories(folder);
    WriteMeasurementFilter<exportfilter::CQuenarStreamMdf, exportfilter::CQuenarChannelDefMdf>(
        folder + "ToMdf.yef", dir / "m.dta");
    WriteMeasurementFilter<exportfilter::CQuenarStreamTarko, exportfilter::CQuenarChannelDefTarko>(
        folder + "ToTarko.yef", dir / "t.dta");
    const std::unique_ptr<OpenedMeasurement> source = OpenForTest(dir / "run.mdf");
    ASSERT_TRUE(source->result.attached);
    const std::vector<Dataset*> datasets = source->Datasets();

    ProgramRun run = Run("grafyon-export", dir / "run.mdf" + " --filter ToMdf");
    EXPECT_EQ(run.status, 0) << run.output;
    run = Run("Grafyon", dir / "run.mdf" + " /EF ToTarko /AX");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const std::string& result : {dir / "m.MDF", dir / "t.TKS"}) {
        const std::unique_ptr<OpenedMeasurement> copy = OpenForTest(result);
        ASSERT_TRUE(copy->result.attached) << result;
        EXPECT_EQ(copy->description.FrameCount(), 100u);
        ASSERT_EQ(copy->Datasets().size(), datasets.size());
        for (std::size_t c = 0; c < datasets.size(); ++c) {
            std::vector<double> expected = AllValuesOf(*source, *datasets[c]);
            for (double& v : expected)
                v = static_cast<float>(v);
            EXPECT_EQ(AllValuesOf(*copy, *copy->Datasets()[c]), expected)
                << result << " " << datasets[c]->name;
        }
    }
}

}  // namespace
}  // namespace grafyon::test
