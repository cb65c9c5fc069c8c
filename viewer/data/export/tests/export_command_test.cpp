// grafyon-export's arguments, filter folders and exit statuses, run in the process with the
// tests' stream.
#include <cstdio>

#include "export_test_fixture.h"
#include "viewer/data/export/export_command.h"
#include "viewer/data/test_support/mdf_test_builder.h"

namespace grafyon::test {
namespace {

namespace fs = std::filesystem;

bool Parse(std::vector<std::string> arguments, ExportCommandLine& line,
           std::string* error = nullptr) {
    std::string reason;
    const bool ok = ParseExportCommandLine(arguments, line, reason);
    if (error != nullptr)
        *error = reason;
    return ok;
}

TEST(ExportCommandLine, ArgumentsAndBadUsage) {
    ExportCommandLine line;
    ASSERT_TRUE(Parse({"data.mdf", "--filter", "Standard", "--first", "0", "--count", "1",
                       "--output", "out.txt", "--filters", "dir"},
                      line));
    EXPECT_EQ(line.file, "data.mdf");
    EXPECT_EQ(line.filterName, "Standard");
    EXPECT_EQ(line.firstFrame, 0);
    EXPECT_EQ(line.frameCount, 1);
    EXPECT_EQ(line.outputPath, "out.txt");
    EXPECT_EQ(line.filtersFolder, "dir");
    ASSERT_TRUE(Parse({"--list-filters"}, line));
    EXPECT_TRUE(line.listFilters);
    ASSERT_TRUE(Parse({"--filter", "F", "data.mdf"}, line));
    EXPECT_EQ(line.frameCount, -1);

    std::string error;
    EXPECT_FALSE(Parse({"--filter", "F"}, line, &error));  // no file
    EXPECT_FALSE(Parse({"data.mdf"}, line, &error));       // no filter
    EXPECT_FALSE(Parse({"data.mdf", "--filter"}, line, &error));
    EXPECT_EQ(error, "--filter needs a value");
    EXPECT_FALSE(Parse({"data.mdf", "--filter", "F", "--count", "0"}, line, &error));
    EXPECT_FALSE(Parse({"data.mdf", "--filter", "F", "--first", "-1"}, line, &error));
    EXPECT_FALSE(Parse({"data.mdf", "--filter", "F", "--first", "1x"}, line, &error));
    EXPECT_FALSE(Parse({"data.mdf", "--filter", "F", "--speed"}, line, &error));
    EXPECT_EQ(error, "unknown option --speed");
    EXPECT_FALSE(Parse({"a.mdf", "b.mdf", "--filter", "F"}, line, &error));
}

TEST(ExportCommandLine, ExitStatusOfEachResult) {
    EXPECT_EQ(ExportExitStatus(EXPORT_OK), 0);
    EXPECT_EQ(ExportExitStatus(4), 4);
    EXPECT_EQ(ExportExitStatus(20), 20);
    EXPECT_EQ(ExportExitStatus(EXPORT_NO_DATA), 255);
    EXPECT_EQ(ExportExitStatus(EXPORT_NO_FILTER), 156);
    EXPECT_EQ(ExportExitStatus(EXPORT_NO_ACTIVE_DATASET), 56);
    EXPECT_EQ(ExportExitStatus(EXPORT_NO_SELECTED_DATASET), 212);
    EXPECT_EQ(ExportExitStatus(EXPORT_READER_FAILED), 112);
    EXPECT_EQ(ExportExitStatus(EXPORT_TARGET_IS_SOURCE), 12);
    EXPECT_EQ(ExportExitStatus(EXPORT_OUTPUT_REFUSED), 68);
    EXPECT_EQ(ExportExitStatus(-256), 1);  // never 0 for a failure
}

// Runs the command with its output and standard error captured.
struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ExportCommand : public ExportFixture {
protected:
    CommandRun Run(std::vector<std::string> arguments) {
        CommandRun run;
        ExportCommandLine line;
        std::string error;
        if (!ParseExportCommandLine(arguments, line, error)) {
            ADD_FAILURE() << error;
            return run;
        }
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        run.status = RunExportCommand(line, folders, out, err);
        run.out = Contents(out);
        run.err = Contents(err);
        return run;
    }
    static std::string Contents(std::FILE* file) {
        std::fflush(file);
        std::rewind(file);
        std::string text;
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }

    FilterSearchFolders folders{dir / "filters/", dir / "shared/"};
};

TEST_F(ExportCommand, ExportsAZoomedRange) {
    Open();
    WriteFilter("Speeds");
    const CommandRun run = Run({options.path, "--filter", "Speeds", "--first", "998", "--count",
                                "5", "--output", dir / "tail.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(dir / "tail.txt");
    ASSERT_EQ(lines.size(), 3u);  // frames 998 and 999: the count is cut at the end
    EXPECT_EQ(lines[1], ExpectedRow(998, STEP * 998.0));
    EXPECT_EQ(lines[2], ExpectedRow(999, STEP * 998.0 + STEP));
}

TEST_F(ExportCommand, AMissingFilterNamesTheFoldersSearched) {
    Open();
    const CommandRun run = Run({options.path, "--filter", "Missing", "--filters", dir / "more"});
    EXPECT_EQ(run.status, 156);
    EXPECT_NE(run.err.find("\u00abMissing\u00bb"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(dir / "more/, " + dir / "filters/, " + dir / "shared/"),
              std::string::npos)
        << run.err;
}

TEST_F(ExportCommand, NoDatasets) {
    // A recording that opens but holds no dataset.
    const std::string path = dir / "empty.mdf";
    MdfBuilder builder;
    builder.Element(ELEMENT_DATA_FILE, MdfBuilder::DataFile(1, "empty.dta"));
    builder.Element(ELEMENT_TIME_SEGMENT, MdfBuilder::Segment(1, 1, 10, 0, 0.01));
    WriteFile(path, builder.Bytes());
    WriteTextFile(dir / "empty.dta", std::string(40, '\0'));
    WriteFilter("Speeds");
    CommandRun run = Run({path, "--filter", "Speeds"});
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.err.find("holds no data"), std::string::npos) << run.err;

    // A file that does not open at all.
    run = Run({dir / "nothing.mdf", "--filter", "Speeds"});
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.err.find("cannot be opened"), std::string::npos) << run.err;
}

TEST_F(ExportCommand, AnUnwritableTarget) {
    Open();
    WriteFilter("Speeds");
    WriteTextFile(dir / "plain", "x");
    CommandRun run = Run({options.path, "--filter", "Speeds", "--output", dir / "plain/out.txt"});
    EXPECT_EQ(run.status, 68);
    EXPECT_NE(run.err.find("cannot be written"), std::string::npos) << run.err;
    // The data file itself.
    run = Run({options.path, "--filter", "Speeds", "--output", DataFilePaths(options)[0]});
    EXPECT_EQ(run.status, 12);
    EXPECT_NE(run.err.find("a file of the measurement"), std::string::npos) << run.err;
}

TEST_F(ExportCommand, FiltersOfTheGivenFolderComeFirst) {
    Open();
    WriteFilter("Speeds", [](CQuenarStreamTest& f) { f.singleFile.dataExtension = "LOC"; });
    fs::create_directories(dir / "more");
    exportfilter::test::CQuenarStreamTest other;
    other.typeCode = TEST_STREAM_TYPE;
    other.onlySelected = 1;
    other.allocationMode = 0;
    other.channelDefs.push_back(std::make_unique<exportfilter::CQuenarChannelDef>());
    other.singleFile.dataExtension = "MOR";
    other.singleFile.fileDialog = 0;
    other.singleFile.overwrite = 2;
    ASSERT_EQ(exportfilter::WriteFilterFile(dir / "more/speeds.YEF", other), 0);
    WriteTextFile(dir / "more/.hidden.yef", "");
    WriteTextFile(dir / "more/notes.txt", "");
    fs::create_directories(dir / "more/dir.yef");

    CommandRun run = Run({"--list-filters", "--filters", dir / "more"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "speeds\t" + dir / "more/speeds.YEF\n" + "Speeds\t" + dir / "filters/Speeds.yef\n");

    run = Run({options.path, "--filter", "Speeds", "--filters", dir / "more"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir / "run1.MOR"));
    run = Run({options.path, "--filter", "Speeds"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir / "run1.LOC"));
}

}  // namespace
}  // namespace grafyon::test
