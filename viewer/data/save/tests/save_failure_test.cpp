// Saves that fail or are refused leave every existing file as it was and no temporary file:
// a full disk in the middle, a cancel, a target that is the source, limits of the format.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "save_test_support.h"
#include "viewer/data/data_type.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using test::FilesIn;
using test::FileText;
using test::SaveTest;
using test::WriteText;

// Runs the save in a child process whose files may not grow beyond limit bytes; the
// child's status, or 1000 when it did not end normally.
int SaveWithFileSizeLimit(test::OpenedMeasurement& source, const SaveRequest& request,
                          rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        // Without a handler the signal would end the process before the write fails.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const int status = SaveMeasurement(source.description, source.access, request);
        ::_exit(-status);
    }
    int wait = 0;
    if (child < 0 || ::waitpid(child, &wait, 0) != child || !WIFEXITED(wait))
        return 1000;
    return -WEXITSTATUS(wait);
}

TEST_F(SaveTest, AWriteFailingInTheMiddleKeepsThePreviousFilesAndReportsIt) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 20000, 8));
    ASSERT_GT(source.description.FrameSize() * 20000, 300000u);
    WriteText(m_dir / "old.mcf", "previous mcf");
    WriteText(m_dir / "old.mdf", "previous mdf");
    WriteText(m_dir / "old.dta", "previous dta");
    const std::vector<std::string> before = FilesIn(m_dir.Path());

    EXPECT_EQ(SaveWithFileSizeLimit(source, Request("old.mcf", SaveFileForm::Mcf), 100000),
              SAVE_WRITE_FAILED);
    EXPECT_EQ(SaveWithFileSizeLimit(source, Request("old.mdf", SaveFileForm::Mdf), 100000),
              SAVE_WRITE_FAILED);
    // Frames compacted and written through a buffer fail alike.
    source.Datasets()[2]->active = false;
    EXPECT_EQ(SaveWithFileSizeLimit(source, Request("old.mdf", SaveFileForm::Mdf), 100000),
              SAVE_WRITE_FAILED);
    // A limit that only the description's tail meets.
    SaveRequest request = Request("old.mcf", SaveFileForm::Mcf);
    request.userComment = std::string(5000, 'x');
    const rlim_t frames = 72 + 7 * 208 + 12 + 20000 * PlanFrames(source.description).frameSize;
    EXPECT_EQ(SaveWithFileSizeLimit(source, request, frames + 100), SAVE_WRITE_FAILED);

    EXPECT_EQ(FileText(m_dir / "old.mcf"), "previous mcf");
    EXPECT_EQ(FileText(m_dir / "old.mdf"), "previous mdf");
    EXPECT_EQ(FileText(m_dir / "old.dta"), "previous dta");
    EXPECT_EQ(FilesIn(m_dir.Path()), before);

    // Without a limit the same saves go through.
    EXPECT_EQ(Save(request), SAVE_OK);
    EXPECT_EQ(Save(Request("old.mdf", SaveFileForm::Mdf)), SAVE_OK);
    EXPECT_EQ(FilesIn(m_dir.Path()), before);
    EXPECT_NE(FileText(m_dir / "old.dta"), "previous dta");
}

TEST_F(SaveTest, ACancelLeavesEverythingAsItWas) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 30000, 4));
    WriteText(m_dir / "kept.mdf", "previous");
    const std::vector<std::string> before = FilesIn(m_dir.Path());
    std::uint64_t lastTotal = 0;
    int calls = 0;
    const SaveProgress cancelSecond = [&](std::uint64_t, std::uint64_t total) {
        lastTotal = total;
        return ++calls < 2;
    };
    EXPECT_EQ(Save(Request("kept.mdf", SaveFileForm::Mdf), cancelSecond), SAVE_CANCELLED);
    EXPECT_EQ(lastTotal, 30000 * source.description.FrameSize());
    EXPECT_EQ(FileText(m_dir / "kept.mdf"), "previous");
    EXPECT_EQ(FilesIn(m_dir.Path()), before);

    // Progress ends at the total.
    std::uint64_t lastDone = 0;
    EXPECT_EQ(Save(Request("kept.mdf", SaveFileForm::Mdf),
                   [&](std::uint64_t done, std::uint64_t) {
                       lastDone = done;
                       return true;
                   }),
              SAVE_OK);
    EXPECT_EQ(lastDone, lastTotal);
}

TEST_F(SaveTest, NoFileOfTheMeasurementIsEverATarget) {
    RecordingOptions o = Options("source.mdf", 100, 2);
    o.dataFiles = 2;
    o.segments = 2;
    Source(o);
    const std::string sourceDescription = FileText(m_dir / "source.mdf");
    // The description itself, by another name (a hard link) and by a symbolic link.
    std::filesystem::create_hard_link(m_dir / "source.mdf", m_dir / "hard.mcf");
    std::filesystem::create_symlink(m_dir / "source_2.dta", m_dir / "link.dta");
    std::filesystem::create_directory(m_dir / "sub");
    const std::vector<std::string> before = FilesIn(m_dir.Path());
    EXPECT_EQ(Save(Request("sub/../source.mdf", SaveFileForm::Mcf)), SAVE_TARGET_IS_SOURCE);
    EXPECT_EQ(Save(Request("hard.mcf", SaveFileForm::Mcf)), SAVE_TARGET_IS_SOURCE);
    // A data file as target, and as the new data file of an .mdf (also through a link).
    EXPECT_EQ(Save(Request("source_2.dta", SaveFileForm::Mcf)), SAVE_TARGET_IS_SOURCE);
    EXPECT_EQ(Save(Request("source.mdf", SaveFileForm::Mdf)), SAVE_TARGET_IS_SOURCE);
    EXPECT_EQ(Save(Request("link.mdf", SaveFileForm::Mdf)), SAVE_TARGET_IS_SOURCE);
    EXPECT_TRUE(TargetHitsSource(m_source->description, m_dir / "link.mdf", SaveFileForm::Mdf));
    EXPECT_FALSE(TargetHitsSource(m_source->description, m_dir / "link.mcf", SaveFileForm::Mcf));
    // The new data file would be the target itself.
    EXPECT_EQ(Save(Request("data.dta", SaveFileForm::Mdf)), SAVE_BAD_TARGET);
    EXPECT_EQ(FilesIn(m_dir.Path()), before);
    EXPECT_EQ(FileText(m_dir / "source.mdf"), sourceDescription);
    // A folder that does not exist.
    EXPECT_EQ(Save(Request("missing/x.mcf", SaveFileForm::Mcf)), SAVE_DESCRIPTION_CANNOT_CREATE);
}

TEST_F(SaveTest, RequestsWithoutDataOrWithAnUnknownFormAreRefused) {
    test::OpenedMeasurement& source = Source(Options("source.mdf", 100, 2));
    const std::vector<std::string> before = FilesIn(m_dir.Path());
    EXPECT_EQ(Save(Request("x.mcf", static_cast<SaveFileForm>(3))), SAVE_UNKNOWN_FORM);
    EXPECT_EQ(Save(Request("x.mcf", SaveFileForm::Mcf, StoreMode::InsideRanges)), SAVE_NO_FRAMES);
    SaveRequest everything = Request("x.mcf", SaveFileForm::Mcf, StoreMode::OutsideRanges);
    everything.ranges = {test::PlainRange(0, 99)};
    EXPECT_EQ(Save(everything), SAVE_NO_FRAMES);
    for (Dataset* d : source.Datasets())
        d->active = false;
    EXPECT_EQ(Save(Request("x.mcf", SaveFileForm::Mcf)), SAVE_NO_DATASET);
    source.access.Detach(source.description);
    EXPECT_EQ(Save(Request("x.mcf", SaveFileForm::Mcf)), SAVE_NOT_ATTACHED);
    EXPECT_EQ(FilesIn(m_dir.Path()), before);
}

TEST_F(SaveTest, LimitsOfThe32BitFieldsAreRefusedBeforeAnythingIsWritten) {
    // A sparse data file of a little more than 2^32 frames of one byte.
    const std::uint64_t frames = (std::uint64_t(1) << 32) + 5;
    const std::string data = m_dir / "huge.dta";
    const int fd = ::open(data.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(frames)), 0);
    ::close(fd);
    m_source = std::make_unique<test::OpenedMeasurement>();
    MeasurementDescription& d = m_source->description;
    d.Append(test::NewDescription(1)->Elements().front()->Clone());
    d.Header()->filePath = m_dir / "huge.mdf";
    d.Header()->effectiveFrameSize = 1;
    test::AddDataset(d, "byte", DATA_TYPE_UCHAR, 0);
    test::AddDataFile(d, 1, data);
    test::AddSegment(d, 1, frames);
    ASSERT_EQ(m_source->access.Attach(d, false), ATTACH_OK);
    const std::vector<std::string> before = FilesIn(m_dir.Path());

    // One file: its embedded size would not fit.
    EXPECT_EQ(Save(Request("big.mcf", SaveFileForm::Mcf)), SAVE_TOO_LARGE);
    // A range whose new frame number does not fit.
    SaveRequest request = Request("big.mdf", SaveFileForm::Mdf);
    request.withRanges = true;
    request.ranges = {test::PlainRange(frames - 2, frames - 1)};
    EXPECT_EQ(Save(request), SAVE_TOO_LARGE);
    EXPECT_EQ(FilesIn(m_dir.Path()), before);
    // With a data file the frames are split into two segments: the save gets as far as
    // copying (where this test cancels it).
    EXPECT_EQ(Save(Request("big.mdf", SaveFileForm::Mdf),
                   [](std::uint64_t, std::uint64_t) { return false; }),
              SAVE_CANCELLED);
    // Both below the limit: frames inside a range at the front are saved.
    request.ranges = {test::PlainRange(0, 9)};
    request.mode = StoreMode::InsideRanges;
    EXPECT_EQ(Save(request), SAVE_OK);
    auto copy = test::OpenForTest(m_dir / "big.mdf");
    EXPECT_EQ(copy->description.FrameCount(), 10u);
}

TEST(SaveTargetTest, TheDataFileAndTheFormFollowTheTargetsName) {
    EXPECT_EQ(DataFilePathFor("/m/run.mdf"), "/m/run.dta");
    EXPECT_EQ(DataFilePathFor("/m.d/run"), "/m.d/run.dta");
    EXPECT_EQ(DataFilePathFor("/m/.hidden"), "/m/.hidden.dta");
    EXPECT_EQ(FormForPath("/m/run.MCF"), SaveFileForm::Mcf);
    EXPECT_EQ(FormForPath("run.mdf"), SaveFileForm::Mdf);
    EXPECT_EQ(FormForPath("/m/.mdf"), std::nullopt);
    EXPECT_EQ(FormForPath("/m/run.tks"), std::nullopt);
}

}  // namespace
}  // namespace grafyon
