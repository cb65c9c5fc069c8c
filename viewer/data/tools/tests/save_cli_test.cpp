// grafyon-save from the shell: datasets, store modes, ranges and comments; refusals and a
// failing write report their reason and end non-zero without touching existing files.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and error
};

class SaveCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("GRAFYON_BIN_DIR");
        if (bin == nullptr)
            GTEST_SKIP() << "GRAFYON_BIN_DIR is not set";
        m_bin = bin;
        RecordingOptions o;
        o.path = m_dir / "source.mdf";
        o.frames = 3000;
        o.channelCount = 6;
        o.ranges = 2;
        o.spots = 1;
        o.comments = 1;
        std::string error;
        ASSERT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
    }

    // Runs grafyon-save with the arguments (quoted for the shell) after a shell prefix.
    ToolRun Save(const std::vector<std::string>& args, const std::string& prefix = "") {
        std::string command = prefix + " '" + m_bin + "/grafyon-save'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        command += " 2>&1";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return run;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.output.append(buffer, n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    static std::string Text(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string m_bin;
    test::TempDir m_dir;
};

TEST_F(SaveCliTest, CutsARecordingDownToDatasetsAndRanges) {
    const std::string target = m_dir / "cut.mcf";
    const ToolRun run = Save({m_dir / "source.mdf", target, "--datasets", "2,5", "--mode", "inside",
                              "--ranges", "--comments", "--comment", "Schnitt"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");  // no progress when standard error is no terminal

    MeasurementDescription source, cut;
    DataAccess sourceAccess, cutAccess;
    const MeasurementOpenResult from = OpenMeasurement(m_dir / "source.mdf", source, sourceAccess);
    const MeasurementOpenResult to = OpenMeasurement(target, cut, cutAccess);
    ASSERT_TRUE(to.attached);
    ASSERT_EQ(cut.Datasets().size(), 2u);
    EXPECT_EQ(cut.Datasets()[0]->name, source.Datasets()[1]->name);
    EXPECT_EQ(cut.Datasets()[1]->name, source.Datasets()[4]->name);
    // Ranges 750-1250 and 1750-2250 (a spot at 1500 between them), merged in order.
    ASSERT_EQ(from.ranges.size(), 3u);
    EXPECT_EQ(cut.FrameCount(), 501u + 1u + 501u);
    ASSERT_EQ(to.ranges.size(), 3u);
    EXPECT_EQ(to.ranges[1].startFrame, 502u);
    EXPECT_EQ(to.ranges[1].name, from.ranges[1].name);
    EXPECT_EQ(to.ranges[2].startFrame, 501u);  // the spot
    const auto value = [](DataAccess& access, const Dataset& d, std::uint64_t frame) {
        return access.ValueAt(d, frame).value_or(-12345.0);
    };
    EXPECT_EQ(value(cutAccess, *cut.Datasets()[1], 0),
              value(sourceAccess, *source.Datasets()[4], from.ranges[0].startFrame));
    EXPECT_EQ(value(cutAccess, *cut.Datasets()[0], 1002),
              value(sourceAccess, *source.Datasets()[1], from.ranges[1].stopFrame));
    std::size_t pos = 0;
    ASSERT_NE(cut.FindFirst(ELEMENT_COMMENT, pos), nullptr);
    ASSERT_NE(cut.FindNext(ELEMENT_COMMENT, pos), nullptr);
    EXPECT_EQ(static_cast<const CommentElement*>(cut.Elements()[pos].get())->text, "Schnitt");
}

TEST_F(SaveCliTest, RefusalsNameTheirReasonAndKeepExistingFiles) {
    const std::string source = m_dir / "source.mdf";
    EXPECT_EQ(Save({source, m_dir / "out.txt"}).exitCode, 2);
    EXPECT_EQ(Save({source}).exitCode, 2);
    EXPECT_EQ(Save({source, m_dir / "out.mcf", "--datasets", "1,x"}).exitCode, 2);
    EXPECT_EQ(Save({source, m_dir / "out.mcf", "--mode", "between"}).exitCode, 2);
    ToolRun run = Save({source, m_dir / "out.mcf", "--datasets", "7"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("there is no dataset 7"), std::string::npos) << run.output;
    run = Save({source, m_dir / "source.mdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Please store the data in another file as the source file!"),
              std::string::npos);
    run = Save({m_dir / "missing.mdf", m_dir / "out.mcf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "out.mcf"));

    // An existing data file is replaced only when asked to.
    std::ofstream(m_dir / "out.dta") << "keep";
    run = Save({source, m_dir / "out.mdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("allready exists"), std::string::npos) << run.output;
    EXPECT_EQ(Text(m_dir / "out.dta"), "keep");
    EXPECT_EQ(Save({source, m_dir / "out.mdf", "--overwrite"}).exitCode, 0);
    EXPECT_NE(Text(m_dir / "out.dta"), "keep");
}

TEST_F(SaveCliTest, AFailingWriteReportsTheFileAndLeavesThePreviousOne) {
    const std::string target = m_dir / "limited.mcf";
    std::ofstream(target) << "previous";
    // Files of the tool may not grow beyond 8 blocks (4 or 8 KiB): the frames do not fit.
    const ToolRun run = Save({m_dir / "source.mdf", target}, "ulimit -f 8;");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Error while wrinting in the file «" + target + "» !"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(Text(target), "previous");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.Path()))
        ++files;
    EXPECT_EQ(files, 3u);  // source.mdf, source.dta, limited.mcf
}

}  // namespace
}  // namespace grafyon
