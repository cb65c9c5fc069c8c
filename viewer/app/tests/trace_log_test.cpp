// The trace log: line layout, timestamp, flags, the append across runs and refused files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>

#include "test_support.h"
#include "viewer/app/trace_log.h"

namespace grafyon {
namespace {

const std::regex TIMESTAMP(R"(\d{2}\.\d{2}\.\d{4} - \d{2}:\d{2}:\d{2})");

// Resets the process-wide flags around each test.
class TraceLogTest : public ::testing::Test {
protected:
    void TearDown() override { SetTraceFlags(false, false); }
    test::TempDir m_dir;
};

TEST_F(TraceLogTest, LineLayouts) {
    EXPECT_EQ(BuildTraceLine("07.12.2026 - 00:44:12", -1, "ignored.cpp", "header"),
              "\r\n07.12.2026 - 00:44:12: header\r\n");
    EXPECT_EQ(BuildTraceLine("07.12.2026 - 00:44:12", 0, "x.cpp", "zero counts as header"),
              "\r\n07.12.2026 - 00:44:12: zero counts as header\r\n");
    EXPECT_EQ(
        BuildTraceLine("07.12.2026 - 00:44:12", 1, "grafyon_app.cpp", "AfxOleInit() ausgefuehrt"),
        "07.12.2026 - 00:44:12: grafyon_app.cpp(1): AfxOleInit() ausgefuehrt\r\n");
    // A message longer than any fixed buffer stays whole.
    const std::string longMessage(100000, 'x');
    const std::string line = BuildTraceLine("t", 12, "f.cpp", longMessage);
    EXPECT_EQ(line.size(), std::string("t: f.cpp(12): ").size() + longMessage.size() + 2);
}

TEST_F(TraceLogTest, TimestampForm) {
    const std::string stamp = TraceTimestamp();
    EXPECT_TRUE(std::regex_match(stamp, TIMESTAMP)) << stamp;
}

TEST_F(TraceLogTest, NothingHappensWithoutFlags) {
    const std::string path = m_dir / "Grafy.log";
    testing::internal::CaptureStderr();
    LogHeader("Grafy", path.c_str());
    Trace(5, "a.cpp", "step %d", 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(TraceLogTest, FileFlagAppendsAcrossTwoRuns) {
    const std::string path = m_dir / "Grafy.log";
    for (int run = 0; run < 2; ++run) {
        SetTraceFlags(false, true);
        LogHeader("Grafy", path.c_str());
        Trace(42, "/build/src/viewer/app/grafyon_app.cpp", "AfxOleInit() ausgefuehrt");
        Trace(43, "grafyon_app.cpp", "run %d of %s", run + 1, "two");
    }
    const std::string text = test::ReadTextFile(path);
    const std::string stamp = R"(\d{2}\.\d{2}\.\d{4} - \d{2}:\d{2}:\d{2})";
    const std::string block = "\r\n" + stamp + ": #{24} Grafy #{24}\r\n" + stamp +
                              R"(: grafyon_app\.cpp\(42\): AfxOleInit\(\) ausgefuehrt)" + "\r\n" +
                              stamp + R"(: grafyon_app\.cpp\(43\): run )";
    const std::regex twoRuns(block + "1 of two\r\n" + block + "2 of two\r\n");
    EXPECT_TRUE(std::regex_match(text, twoRuns)) << text;
    EXPECT_EQ(TraceLogPath(), path);
}

TEST_F(TraceLogTest, MonitorFlagWritesToStandardErrorOnly) {
    const std::string path = m_dir / "Grafy.log";
    SetTraceFlags(true, false);
    testing::internal::CaptureStderr();
    LogHeader("Grafy", path.c_str());
    Trace(9, "x.cpp", "hello %s", "monitor");
    const std::string captured = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::regex_match(
        captured, std::regex("\r\n" + std::string(R"(\d{2}\.\d{2}\.\d{4} - \d{2}:\d{2}:\d{2})") +
                             ": #{24} Grafy #{24}\r\n.*: x\\.cpp\\(9\\): hello monitor\r\n")))
        << captured;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(TraceLogTest, DefaultPathIsInTheHomeFolder) {
    test::ScopedEnv home("HOME", m_dir.Path().string());
    EXPECT_EQ(DefaultTraceLogPath(), m_dir / "Grafy.log");
    SetTraceFlags(false, true);
    LogHeader("Grafy");
    EXPECT_EQ(TraceLogPath(), m_dir / "Grafy.log");
    EXPECT_TRUE(std::filesystem::exists(m_dir / "Grafy.log"));
}

TEST_F(TraceLogTest, SymbolicLinkAndUnwritableLogAreSkippedSilently) {
    const std::string target = m_dir / "elsewhere.txt";
    test::WriteTextFile(target, "keep");
    const std::string link = m_dir / "Grafy.log";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    SetTraceFlags(true, true);
    testing::internal::CaptureStderr();
    LogHeader("Grafy", link.c_str());
    Trace(3, "a.cpp", "still on the monitor");
    const std::string captured = testing::internal::GetCapturedStderr();
    EXPECT_EQ(test::ReadTextFile(target), "keep");
    EXPECT_NE(captured.find("still on the monitor"), std::string::npos);

    // A FIFO in the log's place must neither block nor receive anything.
    const std::string fifo = m_dir / "fifo.log";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    SetTraceFlags(false, true);
    LogHeader("Grafy", fifo.c_str());
    Trace(4, "a.cpp", "no reader");

    // A folder that does not exist.
    const std::string missing = m_dir / "no/such/folder/Grafy.log";
    LogHeader("Grafy", missing.c_str());
    Trace(5, "a.cpp", "dropped");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(TraceLogTest, MacroPassesTheCallersFileAndLine) {
    const std::string path = m_dir / "Grafy.log";
    SetTraceFlags(false, true);
    LogHeader("Grafy", path.c_str());
    const int line = __LINE__ + 1;
    GRAFYON_TRACE("value %g", 0.25);
    const std::string text = test::ReadTextFile(path);
    EXPECT_NE(text.find("trace_log_test.cpp(" + std::to_string(line) + "): value 0.25\r\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace grafyon
