// The export routine through the library's functions with the tests' stream: ranges,
// refusals, failures and their results.
#include <sys/stat.h>
#include <unistd.h>

#include "export_test_fixture.h"
#include "exportfilter/engine/headless_dialogs.h"

namespace grafyon::test {
namespace {

namespace fs = std::filesystem;

using ExportRoutine = ExportFixture;

TEST_F(ExportRoutine, ClampsTheRangeToTheRecording) {
    // first < 0, first > last frame, count < 0, count beyond the end: each boundary.
    EXPECT_EQ(ClampFrameRange(-1, 5, 100).first, 0);
    EXPECT_EQ(ClampFrameRange(99, 5, 100).first, 99);
    EXPECT_EQ(ClampFrameRange(100, 5, 100).first, 99);
    EXPECT_EQ(ClampFrameRange(99, 5, 100).count, 1);
    EXPECT_EQ(ClampFrameRange(10, 90, 100).count, 90);
    EXPECT_EQ(ClampFrameRange(10, 91, 100).count, 90);
    EXPECT_EQ(ClampFrameRange(10, 89, 100).count, 89);
    EXPECT_EQ(ClampFrameRange(10, -1, 100).count, 90);
    EXPECT_EQ(ClampFrameRange(10, 0, 100).count, 0);
    EXPECT_EQ(ClampFrameRange(5, 5, 0).count, 0);
}

TEST_F(ExportRoutine, AZoomedRangeExportsItsFramesOnly) {
    Open();
    WriteFilter("Speeds");
    // Across the border of the two segments (and data files) at frame 500.
    const ExportOutcome outcome = Export("speeds", 480, 50);
    ASSERT_EQ(outcome.result, EXPORT_OK) << outcome.reason;
    const std::vector<std::string> lines = Lines(Target());
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0], "x;a;b;c");
    for (std::uint64_t k = 0; k < 50; ++k) {
        // The records start at the step times the first frame of the range.
        const double x = STEP * 480.0 + static_cast<double>(k) * STEP;
        ASSERT_EQ(lines[k + 1], ExpectedRow(480 + k, x)) << k;
    }
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExportRoutine, TheLastFrameAndWholeRecording) {
    Open();
    WriteFilter("Speeds");
    // A first frame beyond the end exports the last frame.
    ASSERT_EQ(Export("Speeds", FRAMES, 10).result, EXPORT_OK);
    std::vector<std::string> lines = Lines(Target());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], ExpectedRow(FRAMES - 1, STEP * double(FRAMES - 1)));
    ASSERT_EQ(Export("Speeds").result, EXPORT_OK);
    lines = Lines(Target());
    ASSERT_EQ(lines.size(), FRAMES + 1);
    EXPECT_EQ(lines.back(), ExpectedRow(FRAMES - 1, double(FRAMES - 1) * STEP));
}

TEST_F(ExportRoutine, NothingToExport) {
    // No measurement.
    ExportOutcome outcome = Export("Speeds");
    EXPECT_EQ(outcome.result, EXPORT_NO_DATA);
    EXPECT_FALSE(outcome.reason.empty());

    Open();
    // A filter that does not exist: the headless filter choice is cancelled.
    outcome = Export("Missing");
    EXPECT_EQ(outcome.result, EXPORT_NO_FILTER);
    EXPECT_NE(outcome.reason.find("Missing"), std::string::npos);
    EXPECT_FALSE(outcome.unreported);

    // No active dataset: nothing is asked after the filter choice.
    WriteFilter("Speeds", [](CQuenarStreamTest& f) { f.singleFile.overwrite = 1; });
    source.datasets.clear();
    outcome = Export("Speeds");
    EXPECT_EQ(outcome.result, EXPORT_NO_ACTIVE_DATASET);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_FALSE(fs::exists(Target()));

    // Allocation by default names that match no dataset: the library's "no record left".
    WriteFilter("Named", [](CQuenarStreamTest& f) {
        f.onlySelected = 0;
        f.channelDefs.front()->defaultDataset = "not there";
    });
    for (const Dataset* d : description.Datasets())
        source.datasets.push_back(d);
    outcome = Export("Named");
    EXPECT_EQ(outcome.result, 4);
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(ExportRoutine, NeverWritesOverAFileOfTheMeasurement) {
    Open();
    const std::vector<std::string> dataFiles = DataFilePaths(options);
    ASSERT_EQ(dataFiles.size(), 2u);
    const std::string second = dataFiles[1];  // "run1_2.dta": not named after the description
    const auto before = fs::file_size(second);
    // The filter's own name for its output is the second data file.
    WriteFilter("Onto", [&](CQuenarStreamTest& f) {
        f.singleFile.dataNameMode = 1;
        f.singleFile.userDataName = fs::path(second).filename().string();
    });
    ExportOutcome outcome = Export("Onto");
    EXPECT_EQ(outcome.result, EXPORT_TARGET_IS_SOURCE);
    EXPECT_TRUE(outcome.unreported);
    EXPECT_NE(outcome.reason.find(second), std::string::npos);
    EXPECT_EQ(fs::file_size(second), before);

    // The output named by the caller: a hard link to a data file, the description by
    // another spelling of its path.
    WriteFilter("Speeds");
    ASSERT_EQ(::link(dataFiles[0].c_str(), (dir / "alias.txt").c_str()), 0);
    EXPECT_EQ(Export("Speeds", 0, -1, dir / "alias.txt").result, EXPORT_TARGET_IS_SOURCE);
    EXPECT_EQ(Export("Speeds", 0, -1, dir / "filters/../run1.mdf").result, EXPORT_TARGET_IS_SOURCE);
    EXPECT_EQ(fs::file_size(dataFiles[0]), before);
}

TEST_F(ExportRoutine, TheOutputThatTheCallerNames) {
    Open();
    WriteFilter("Speeds");
    // A file: written there, nothing beside the recording.
    ASSERT_EQ(Export("Speeds", 0, 3, dir / "out.csv").result, EXPORT_OK);
    EXPECT_EQ(Lines(dir / "out.csv").size(), 4u);
    EXPECT_FALSE(fs::exists(Target()));
    // An existing file is replaced.
    ASSERT_EQ(Export("Speeds", 0, 5, dir / "out.csv").result, EXPORT_OK);
    EXPECT_EQ(Lines(dir / "out.csv").size(), 6u);
    // A folder keeps the filter's name.
    fs::create_directories(dir / "exports");
    ASSERT_EQ(Export("Speeds", 0, 2, dir / "exports").result, EXPORT_OK);
    EXPECT_EQ(Lines(dir / "exports/run1.TXT").size(), 3u);
    // Somewhere nothing can be written, whoever runs the test: below a plain file.
    const ExportOutcome outcome = Export("Speeds", 0, 2, dir / "out.csv/x.txt");
    EXPECT_EQ(outcome.result, EXPORT_OUTPUT_REFUSED);
    EXPECT_TRUE(outcome.unreported);
}

TEST_F(ExportRoutine, AFilterTargetThatCannotBeWritten) {
    Open();
    WriteTextFile(dir / "plain", "x");
    WriteFilter("Blocked", [&](CQuenarStreamTest& f) {
        f.singleFile.pathMode = 1;
        f.singleFile.userPath = dir / "plain/sub";
    });
    const ExportOutcome outcome = Export("Blocked");
    EXPECT_EQ(outcome.result, 7);  // the library's "cannot create a file in the folder"
    EXPECT_FALSE(outcome.unreported);
    EXPECT_NE(outcome.reason.find("Naming"), std::string::npos);
}

TEST_F(ExportRoutine, DataThatBecomeUnreadableFailTheExport) {
    Open();
    WriteFilter("Speeds");
    const std::vector<std::string> dataFiles = DataFilePaths(options);
    // The second data file (frames 500 on) loses its end after the measurement was opened.
    ASSERT_EQ(::truncate(dataFiles[1].c_str(), 12 * 100), 0);
    const ExportOutcome outcome = Export("Speeds");
    EXPECT_EQ(outcome.result, 20);  // the library's "host rows failed"
    EXPECT_TRUE(outcome.unreported);
    EXPECT_NE(outcome.reason.find("could not be read"), std::string::npos);
    EXPECT_FALSE(fs::exists(Target()));  // no partial file is left as if it were complete
}

TEST_F(ExportRoutine, AReaderThatCannotOpenIsAnError) {
    Open();
    WriteFilter("Speeds");
    // The measurement is no longer attached to the access.
    access.Detach(description);
    const ExportOutcome outcome = Export("Speeds");
    EXPECT_EQ(outcome.result, EXPORT_READER_FAILED);
    EXPECT_TRUE(outcome.unreported);
    EXPECT_FALSE(fs::exists(Target()));
}

// A progress display that tries a second export while the first one runs.
class ReenteringDialogs : public exportfilter::HeadlessDialogs {
public:
    class Progress : public exportfilter::ProgressDisplay {
    public:
        explicit Progress(ReenteringDialogs& owner) : m_owner(owner) {}
        bool Update(double, std::int64_t, std::int64_t) override {
            m_owner.running = ExportIsRunning();
            m_owner.second = RunExport(*m_owner.source, {});
            return true;
        }
        void ShowInformation(int) override {}

    private:
        ReenteringDialogs& m_owner;
    };

    std::unique_ptr<exportfilter::ProgressDisplay> OpenProgress(
        exportfilter::ProgressMode) override {
        return std::make_unique<Progress>(*this);
    }

    const ExportSource* source = nullptr;
    bool running = false;
    ExportOutcome second;
};

TEST_F(ExportRoutine, ASecondExportWhileOneRunsIsRefused) {
    Open();
    WriteFilter("Speeds");
    auto dialogs = std::make_unique<ReenteringDialogs>();
    ReenteringDialogs& reentering = *dialogs;
    reentering.source = &source;
    exportfilter::QuenvartexilaInstallDialogs(std::move(dialogs));
    EXPECT_FALSE(ExportIsRunning());
    ASSERT_EQ(Export("Speeds").result, EXPORT_OK);
    EXPECT_TRUE(reentering.running);
    EXPECT_EQ(reentering.second.result, EXPORT_BUSY);
    EXPECT_FALSE(ExportIsRunning());
    EXPECT_EQ(Lines(Target()).size(), FRAMES + 1);
}

}  // namespace
}  // namespace grafyon::test
