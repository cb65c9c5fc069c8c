// grafyon-generate and grafyon-info run from the shell: output, statuses and exit codes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <sys/wait.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "test_support.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

class ToolsCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("GRAFYON_BIN_DIR");
        if (bin == nullptr)
            GTEST_SKIP() << "GRAFYON_BIN_DIR is not set";
        m_bin = bin;
    }

    // Runs a tool with arguments (quoted for the shell); standard output only.
    ToolRun Tool(const std::string& tool, const std::vector<std::string>& args,
                 const std::string& environment = "") {
        std::string command = environment + " '" + m_bin + "/" + tool + "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        command += " 2>/dev/null";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return run;
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    static std::string FirstLine(const ToolRun& run) {
        const std::vector<std::string> lines = Lines(run.out);
        return lines.empty() ? std::string() : lines.front();
    }

    std::string m_bin;
    test::TempDir m_dir;
};

TEST_F(ToolsCliTest, GeneratedRecordingsAreDescribedAndTheirValuesPrinted) {
    const std::string path = m_dir / "cli.mdf";
    ASSERT_EQ(Tool("grafyon-generate",
                   {"--frames", "300", "--channels", "4", "--segments", "3", "--data-files", "2",
                    "--ranges", "1", "--spots", "1", "--comments", "1", "--parameters", "1", path})
                  .exitCode,
              0);
    const ToolRun info = Tool("grafyon-info", {path, "--values", "98", "4"});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_EQ(FirstLine(info), "status: 0");
    for (const char* expected :
         {"frames: 300", "data file 2: \"cli_2.dta\"", "time segment 3: data file 2, frames 100",
          "name \"Öltemperatur 1\"", "unit \"°C\"", "  type: SHORT LittleEndian Calibrated",
          "  minimum: ", "range name 1: \"Bereich 1\"", "spot 0: frame 150",
          "comment: \"Kommentar 1: Prüfung bei 23 °C\"", "parameter 1: frame 0, type DOUBLE",
          "values: 4 frames from frame 98"}) {
        EXPECT_NE(info.out.find(expected), std::string::npos) << expected;
    }

    // One line per frame, crossing from the first segment into the second.
    RecordingOptions o;
    o.channelCount = 4;
    const std::vector<GeneratedChannel> channels = ChannelsOf(o);
    const std::vector<std::string> lines = Lines(info.out);
    ASSERT_GE(lines.size(), 4u);
    for (std::uint64_t k = 0; k < 4; ++k) {
        const std::string& line = lines[lines.size() - 4 + k];
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            cells.push_back(line.substr(start, tab - start));
        }
        cells.push_back(line.substr(start));
        ASSERT_EQ(cells.size(), 5u) << line;
        EXPECT_EQ(cells[0], std::to_string(98 + k));
        for (std::size_t c = 0; c < 4; ++c) {
            char* end = nullptr;
            const double value = std::strtod(cells[c + 1].c_str(), &end);
            EXPECT_EQ(value, ExpectedValue(channels[c], c, 98 + k, o.seed)) << line;
        }
    }
}

TEST_F(ToolsCliTest, StatusesAndExitCodes) {
    const std::string mcf = m_dir / "one.mcf";
    ASSERT_EQ(Tool("grafyon-generate", {"--frames", "1", mcf}).exitCode, 0);
    ToolRun run = Tool("grafyon-info", {mcf});
    EXPECT_EQ(FirstLine(run), "status: 30");
    EXPECT_EQ(run.exitCode, 0);

    const std::string mdf = m_dir / "gone.mdf";
    ASSERT_EQ(Tool("grafyon-generate", {mdf}).exitCode, 0);
    std::filesystem::remove(m_dir / "gone.dta");
    run = Tool("grafyon-info", {mdf, "--values", "0", "1"});
    EXPECT_EQ(FirstLine(run), "status: -50");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("dataset (kind 100) 0"), std::string::npos);  // still described

    test::WriteTextFile(m_dir / "text.mdf", "MDF_BINARY\r\nX and then nothing of use");
    run = Tool("grafyon-info", {m_dir / "text.mdf"});
    EXPECT_EQ(FirstLine(run), "status: -10");
    EXPECT_NE(run.out.find("message: 4097"), std::string::npos);
    EXPECT_EQ(run.exitCode, 1);

    run = Tool("grafyon-info", {m_dir / "nothing.mdf"});
    EXPECT_EQ(FirstLine(run), "status: -100");
    EXPECT_EQ(run.exitCode, 1);

    const std::string ok = m_dir / "ok.mdf";
    ASSERT_EQ(Tool("grafyon-generate", {"--frames", "10", ok}).exitCode, 0);
    EXPECT_EQ(Tool("grafyon-info", {ok, "--values", "10", "1"}).exitCode, 1);  // beyond the end
    EXPECT_EQ(Tool("grafyon-info", {ok, "--values", "x", "1"}).exitCode, 2);
    EXPECT_EQ(Tool("grafyon-info", {}).exitCode, 2);
    EXPECT_EQ(Tool("grafyon-generate", {"--types", "text", ok}).exitCode, 2);
    EXPECT_EQ(Tool("grafyon-generate", {"--segments", "0", ok}).exitCode, 1);

    // The data file was cut short: the whole frames that are left can be read.
    const std::string data = m_dir / "ok.dta";
    std::filesystem::resize_file(data, std::filesystem::file_size(data) / 2);
    run = Tool("grafyon-info", {ok, "--values", "4", "1"});
    EXPECT_EQ(FirstLine(run), "status: 0");
    EXPECT_NE(
        run.out.find("warning: the data file " + data + " is short: 5 of 10 frames are missing\n"),
        std::string::npos)
        << run.out;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Tool("grafyon-info", {ok, "--values", "5", "1"}).exitCode, 1);
    // Not one whole frame left: no data.
    std::filesystem::resize_file(data, 5);
    run = Tool("grafyon-info", {ok});
    EXPECT_EQ(FirstLine(run), "status: 20");
    EXPECT_NE(run.out.find("is short: 10 of 10 frames are missing"), std::string::npos);
    EXPECT_EQ(run.exitCode, 1);
}

// The description and values that grafyon-info prints, without what names the files or
// numbers the datasets: the description as sorted blocks (a line with the indented lines
// after it), since formats order their elements differently, then the value lines.
std::vector<std::string> Comparable(const std::string& out) {
    std::vector<std::string> blocks;
    std::vector<std::string> values;
    std::istringstream in(out);
    bool inValues = false;
    for (std::string line; std::getline(in, line);) {
        inValues = inValues || line.starts_with("values:");
        if (inValues) {
            values.push_back(line);
            continue;
        }
        if (line.starts_with("file: "))
            continue;
        if (const std::size_t path = line.find(", path "); path != std::string::npos)
            line.resize(path);
        if (line.starts_with("dataset (kind 100) "))
            line = "dataset" + line.substr(line.find(':'));
        if (line.starts_with("  ") && !blocks.empty()) {
            blocks.back() += "\n" + line;
        } else {
            blocks.push_back(line);
        }
    }
    std::sort(blocks.begin(), blocks.end());
    blocks.insert(blocks.end(), values.begin(), values.end());
    return blocks;
}

TEST_F(ToolsCliTest, TarkoRecordingsShowTheValuesOfTheSameDataAsMdf) {
    std::filesystem::create_directories(m_dir / "tks");
    std::filesystem::create_directories(m_dir / "mdf");
    struct Case {
        std::vector<std::string> args;
        bool floatStorage;
        std::vector<std::uint32_t> types;
    };
    for (const Case& c :
         {Case{{"--channels", "6"}, true, {}},
          Case{{"--tks-types", "--channels", "5", "--types", "float,long,short,ushort,bool16"},
               false,
               {DATA_TYPE_FLOAT, DATA_TYPE_LONG, DATA_TYPE_SHORT, DATA_TYPE_USHORT,
                DATA_TYPE_BOOL16}}}) {
        RecordingOptions tks;
        tks.path = m_dir / "tks/rec.tks";
        tks.form = RecordingForm::TKS;
        tks.frames = 300;
        tks.tarkoFloatStorage = c.floatStorage;
        tks.channelCount = static_cast<std::uint32_t>(c.floatStorage ? 6 : c.types.size());
        for (std::size_t k = 0; k < c.types.size(); ++k)
            tks.channels.push_back(DefaultChannelOfType(c.types[k], k));
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--frames", "300", tks.path});
        ASSERT_EQ(Tool("grafyon-generate", args).exitCode, 0);

        // The same data as an MDF recording: the channels as the TARKO file holds them.
        RecordingOptions mdf;
        mdf.path = m_dir / "mdf/rec.mdf";
        mdf.frames = 300;
        mdf.channels = ChannelsOf(tks);
        ASSERT_EQ(GenerateRecording(mdf), GENERATE_OK);

        const ToolRun fromTks = Tool("grafyon-info", {tks.path, "--values", "0", "300"});
        const ToolRun fromMdf = Tool("grafyon-info", {mdf.path, "--values", "0", "300"});
        EXPECT_EQ(fromTks.exitCode, 0);
        EXPECT_EQ(FirstLine(fromTks), "status: 0");
        EXPECT_NE(fromTks.out.find("path " + m_dir / "tks/rec.dta"), std::string::npos);
        const std::vector<std::string> a = Comparable(fromTks.out);
        const std::vector<std::string> b = Comparable(fromMdf.out);
        EXPECT_EQ(a.size(), 316u + tks.channelCount);  // 14 + N description blocks, 302 lines
        EXPECT_EQ(a, b);
    }

    // The form by option, header text lines, and what TARKO cannot hold.
    const std::string other = m_dir / "other.bin";
    ASSERT_EQ(
        Tool("grafyon-generate", {"--tks", "--text", "Hallo", "--text", "Welt", other}).exitCode,
        0);
    const ToolRun run = Tool("grafyon-info", {other});
    EXPECT_EQ(FirstLine(run), "status: 0");
    EXPECT_NE(run.out.find("comment: \"Hallo\\nWelt\""), std::string::npos) << run.out;
    EXPECT_EQ(Tool("grafyon-generate", {"--segments", "2", m_dir / "two.tks"}).exitCode, 1);
    EXPECT_EQ(
        Tool("grafyon-generate", {"--tks-types", "--types", "double", m_dir / "d.tks"}).exitCode,
        1);
}

TEST_F(ToolsCliTest, NumbersIgnoreTheLocale) {
    const std::string path = m_dir / "de.mdf";
    ASSERT_EQ(
        Tool("grafyon-generate", {"--step", "0.5", "--frames", "4", path}, "LC_ALL=de_DE.UTF-8")
            .exitCode,
        0);
    const ToolRun run = Tool("grafyon-info", {path, "--values", "1", "1"}, "LC_ALL=de_DE.UTF-8");
    EXPECT_NE(run.out.find("sample step: 0.5 sec"), std::string::npos);
    EXPECT_NE(run.out.find("duration: 1.5 sec"), std::string::npos);
}

}  // namespace
TEST_F(ToolsCliTest, TheSummaryCacheGivesTheSameExtremesAndCanBeBypassedAndCleared) {
    const std::string mdf = m_dir / "cached.mdf";
    ASSERT_EQ(Tool("grafyon-generate", {mdf, "--frames", "50000", "--channels", "4"}).exitCode, 0);
    // An old data file: the cache is kept for it.
    timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (m_dir / "cached.dta").c_str(), times, 0), 0);
    const std::string cache = "XDG_CACHE_HOME='" + std::string(m_dir / "cache") + "'";
    const std::string folder = m_dir / "cache/Vantorelline/Grafyon";
    const auto cacheFiles = [&] {
        std::size_t n = 0;
        std::error_code error;
        for (const auto& e : std::filesystem::directory_iterator(folder, error))
            n += e.path().extension() == ".summary" ? 1 : 0;
        return n;
    };
    const ToolRun scanned = Tool("grafyon-info", {mdf, "--no-cache"}, cache);
    ASSERT_EQ(scanned.exitCode, 0);
    EXPECT_EQ(cacheFiles(), 0u) << "--no-cache keeps none";
    const ToolRun first = Tool("grafyon-info", {mdf}, cache);
    EXPECT_EQ(cacheFiles(), 1u);
    const ToolRun second = Tool("grafyon-info", {mdf}, cache);
    EXPECT_EQ(first.out, scanned.out);
    EXPECT_EQ(second.out, scanned.out);
    EXPECT_NE(scanned.out.find("minimum: "), std::string::npos);
    EXPECT_EQ(Tool("grafyon-info", {"--clear-cache"}, cache).exitCode, 0);
    EXPECT_EQ(cacheFiles(), 0u);
}

}  // namespace grafyon
