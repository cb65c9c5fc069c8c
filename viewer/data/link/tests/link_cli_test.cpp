// grafyon-link from the shell: it links and merges, and refuses files that do not fit, an
// existing data file and bad usage with a reason and a non-zero exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>

#include "link_test_support.h"

namespace grafyon {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and error
};

class LinkCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("GRAFYON_BIN_DIR");
        if (bin == nullptr)
            GTEST_SKIP() << "GRAFYON_BIN_DIR is not set";
        m_bin = bin;
        for (const auto& [name, seed] : {std::pair{"a.mdf", 1}, std::pair{"b.mdf", 2}}) {
            RecordingOptions o;
            o.path = m_dir / name;
            o.frames = 1500;
            o.channelCount = 5;
            o.seed = static_cast<std::uint64_t>(seed);
            test::Generate(o);
        }
    }

    ToolRun Run(const std::vector<std::string>& args) {
        std::string command = "'" + m_bin + "/grafyon-link'";
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

    std::string m_bin;
    test::TempDir m_dir;
};

TEST_F(LinkCliTest, LinksAndMergesWithTheValuesOfTheSources) {
    const std::vector<std::string> sources{m_dir / "a.mdf", m_dir / "b.mdf"};
    ToolRun run = Run({m_dir / "linked", sources[0], sources[1]});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");  // no progress when standard error is no terminal
    EXPECT_EQ(test::FrameValues(m_dir / "linked.mdf"), test::JoinedValues(sources));

    run = Run({m_dir / "merged.mdf", sources[0], sources[1], "--mode", "merge"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(test::FrameValues(m_dir / "merged.mdf"), test::JoinedValues(sources));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "merged.dta"));

    // The data file exists now: only --overwrite replaces it.
    run = Run({m_dir / "merged.mdf", sources[1], sources[0], "--mode", "merge"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("allready exists"), std::string::npos) << run.output;
    run = Run({m_dir / "merged.mdf", sources[1], sources[0], "--mode", "merge", "--overwrite"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(test::FrameValues(m_dir / "merged.mdf"),
              test::JoinedValues({sources[1], sources[0]}));
}

TEST_F(LinkCliTest, RefusalsTellTheirReason) {
    RecordingOptions o;
    o.path = m_dir / "c.mdf";
    o.channelCount = 5;
    o.sampleStep = 0.002;
    test::Generate(o);
    ToolRun run = Run({m_dir / "x.mdf", m_dir / "a.mdf", m_dir / "c.mdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "grafyon-link: The file «" + (m_dir / "c.mdf") +
                              "»\ncannot be linked to the preceding files.\nReason: Different "
                              "resolution\n");
    run = Run({m_dir / "x.mdf", m_dir / "a.mdf", m_dir / "gone.mdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Following file cannot be opened !"), std::string::npos);
    run = Run({m_dir / "a.mdf", m_dir / "a.mdf", m_dir / "b.mdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("named different as the source files"), std::string::npos);
    EXPECT_EQ(Run({m_dir / "x.mdf", m_dir / "a.mdf"}).exitCode, 2);
    EXPECT_EQ(Run({m_dir / "x.mdf", m_dir / "a.mdf", m_dir / "b.mdf", "--mode", "copy"}).exitCode,
              2);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "x.mdf"));
}

}  // namespace
}  // namespace grafyon
