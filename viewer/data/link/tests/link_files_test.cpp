// Linked and merged measurements reopen with the frames of their sources in order; failures
// and a cancel leave nothing behind and change no existing file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "link_test_support.h"
#include "viewer/data/link/link_files.h"
#include "viewer/data/mdf/mdf_reader.h"

namespace grafyon {
namespace {

class LinkFilesTest : public ::testing::Test {
protected:
    std::string Make(const std::string& name, std::uint64_t frames, std::uint64_t seed,
                     std::uint32_t segments = 1, std::uint32_t dataFiles = 1) {
        RecordingOptions o;
        o.path = m_dir / name;
        o.frames = frames;
        o.channelCount = 6;
        o.seed = seed;
        o.segments = segments;
        o.dataFiles = dataFiles;
        o.ranges = 1;
        o.comments = 1;
        test::Generate(o);
        return o.path;
    }

    LinkOutcome Link(const std::vector<std::string>& sources, const std::string& target,
                     LinkMode mode, const LinkProgress& progress = {}) {
        return LinkFiles({sources, target, mode}, progress);
    }

    test::TempDir m_dir;
};

TEST_F(LinkFilesTest, ALinkRefersToTheOriginalDataFilesSegmentBySegment) {
    const std::string a = Make("a.mdf", 900, 1, 2, 2);
    RecordingOptions mcf;
    mcf.path = m_dir / "b.mcf";
    mcf.form = RecordingForm::MCF;
    mcf.frames = 300;
    mcf.channelCount = 6;
    mcf.seed = 2;
    test::Generate(mcf);
    const std::vector<std::string> sources{a, mcf.path, a};  // a twice, as "Duplicate" lists it

    const LinkOutcome outcome = Link(sources, m_dir / "joined", LinkMode::Link);
    ASSERT_EQ(outcome.status, LINK_OK) << LinkOutcomeText(outcome);
    EXPECT_EQ(test::FrameValues(m_dir / "joined.mdf"), test::JoinedValues(sources));

    MeasurementDescription d;
    ASSERT_EQ(ReadMdfDescription(m_dir / "joined.mdf", d), MeasurementStatus::Ok);
    // a.dta, a_2.dta and b.mcf once each; five segments numbered on; no embedded data.
    const std::vector<DataFileElement*> files = d.DataFiles();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[2]->fileName, "b.mcf");
    EXPECT_NE(files[2]->dataOffset, 0u);
    const std::vector<TimeSegmentElement*> segments = d.TimeSegments();
    ASSERT_EQ(segments.size(), 5u);
    std::vector<std::uint32_t> fileNumbers, segmentNumbers;
    for (const TimeSegmentElement* s : segments) {
        fileNumbers.push_back(s->dataFileNumber);
        segmentNumbers.push_back(s->segmentNumber);
    }
    EXPECT_EQ(fileNumbers, (std::vector<std::uint32_t>{1, 2, 3, 1, 2}));
    EXPECT_EQ(segmentNumbers, (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    std::size_t pos = 0;
    EXPECT_EQ(d.FindFirst(ELEMENT_EMBEDDED_DATA, pos), nullptr);
    // The first file's ranges and comments stay; the recording date is the link's.
    EXPECT_EQ(d.Header()->counters.ranges, 1u);
    EXPECT_EQ(d.Header()->counters.comments, 1u);
    EXPECT_GE(d.Header()->year, 2025u);
    EXPECT_EQ(test::FolderListing(m_dir.Path()),
              (std::vector<std::string>{"a.dta", "a.mdf", "a_2.dta", "b.mcf", "joined.mdf"}));
}

TEST_F(LinkFilesTest, AMergeCopiesEveryFrameIntoOneDataFile) {
    const std::string a = Make("a.mdf", 1000, 1, 3, 2);
    std::filesystem::create_directory(m_dir / "other");
    const std::string b = Make("other/b.mdf", 777, 5);
    // A one-file recording first: its embedded frames are copied, its own file is not named.
    RecordingOptions mcf;
    mcf.path = m_dir / "c.mcf";
    mcf.form = RecordingForm::MCF;
    mcf.frames = 223;
    mcf.channelCount = 6;
    mcf.seed = 7;
    test::Generate(mcf);
    const std::vector<std::string> sources{mcf.path, a, b, a};
    std::uint64_t lastDone = 0, lastTotal = 0;
    const LinkOutcome outcome =
        Link(sources, m_dir / "merged.MDF", LinkMode::Merge, [&](std::uint64_t d, std::uint64_t t) {
            EXPECT_GE(d, lastDone);
            lastDone = d;
            lastTotal = t;
            return true;
        });
    ASSERT_EQ(outcome.status, LINK_OK) << LinkOutcomeText(outcome);
    EXPECT_EQ(test::FrameValues(m_dir / "merged.MDF"), test::JoinedValues(sources));

    MeasurementDescription d;
    ASSERT_EQ(ReadMdfDescription(m_dir / "merged.MDF", d), MeasurementStatus::Ok);
    ASSERT_EQ(d.DataFiles().size(), 1u);
    EXPECT_EQ(d.DataFiles()[0]->fileName, "merged.dta");
    EXPECT_EQ(d.DataFiles()[0]->dataOffset, 0u);
    ASSERT_EQ(d.TimeSegments().size(), 1u);
    EXPECT_EQ(d.TimeSegments()[0]->frameCount, 3000u);
    std::size_t pos = 0;
    EXPECT_EQ(d.FindFirst(ELEMENT_EMBEDDED_DATA, pos), nullptr);
    const std::uint64_t bytes = 3000 * d.FrameSize();
    EXPECT_EQ(std::filesystem::file_size(m_dir / "merged.dta"), bytes);
    EXPECT_EQ(lastDone, bytes);
    EXPECT_EQ(lastTotal, bytes);
}

TEST_F(LinkFilesTest, FramesLargerThanTheOldCopyBufferAndTarkoSourcesAreMerged) {
    // 3000 doubles: 24 000 bytes a frame, more than the 20 480 bytes the copy once used.
    std::vector<GeneratedChannel> wide;
    for (std::size_t i = 0; i < 3000; ++i)
        wide.push_back(DefaultChannelOfType(DATA_TYPE_DOUBLE, i));
    RecordingOptions o;
    o.channels = wide;
    o.frames = 7;
    o.path = m_dir / "w1.mdf";
    test::Generate(o);
    o.path = m_dir / "w2.mdf";
    o.seed = 9;
    test::Generate(o);
    LinkOutcome outcome = Link({m_dir / "w1.mdf", m_dir / "w2.mdf"}, m_dir / "w", LinkMode::Merge);
    ASSERT_EQ(outcome.status, LINK_OK) << LinkOutcomeText(outcome);
    EXPECT_EQ(test::FrameValues(m_dir / "w.mdf"),
              test::JoinedValues({m_dir / "w1.mdf", m_dir / "w2.mdf"}));

    RecordingOptions t;
    t.form = RecordingForm::TKS;
    t.channelCount = 5;
    t.frames = 400;
    t.textLines = {"Test"};
    t.path = m_dir / "t1.tks";
    test::Generate(t);
    t.path = m_dir / "t2.tks";
    t.seed = 3;
    t.frames = 250;
    test::Generate(t);
    const std::vector<std::string> tks{m_dir / "t1.tks", m_dir / "t2.tks"};
    for (const LinkMode mode : {LinkMode::Link, LinkMode::Merge}) {
        const std::string target = m_dir / (mode == LinkMode::Link ? "tl.mdf" : "tm.mdf");
        outcome = Link(tks, target, mode);
        ASSERT_EQ(outcome.status, LINK_OK) << LinkOutcomeText(outcome);
        const auto values = test::FrameValues(target);
        EXPECT_EQ(values.size(), 650u);
        EXPECT_EQ(values, test::JoinedValues(tks));
    }
}

TEST_F(LinkFilesTest, FilesThatDoNotFitOrAreGoneStopTheLinkBeforeAnythingIsWritten) {
    const std::string a = Make("a.mdf", 500, 1);
    const std::string b = Make("b.mdf", 500, 2);
    test::WriteTextFile(m_dir / "t.mdf", "old description");
    test::WriteTextFile(m_dir / "t.dta", "old data");
    const std::vector<std::string> before = test::FolderListing(m_dir.Path());
    const auto unchanged = [&] {
        EXPECT_EQ(test::FolderListing(m_dir.Path()), before);
        EXPECT_EQ(test::ReadText(m_dir / "t.mdf"), "old description");
        EXPECT_EQ(test::ReadText(m_dir / "t.dta"), "old data");
    };

    EXPECT_EQ(Link({a}, m_dir / "t.mdf", LinkMode::Merge).status, LINK_TOO_FEW_FILES);
    EXPECT_EQ(Link({a, a}, a, LinkMode::Link).status, LINK_TARGET_IS_SOURCE);
    EXPECT_EQ(Link({a, b}, m_dir / "B.mdf", LinkMode::Merge).status, LINK_TARGET_IS_SOURCE);

    // A source whose data file ends early: nothing is skipped, nothing written.
    const std::uint64_t size = std::filesystem::file_size(m_dir / "b.dta");
    ASSERT_EQ(::truncate((m_dir / "b.dta").c_str(), static_cast<off_t>(size - 1)), 0);
    for (const LinkMode mode : {LinkMode::Link, LinkMode::Merge}) {
        const LinkOutcome outcome = Link({a, b}, m_dir / "t.mdf", mode);
        EXPECT_EQ(outcome.status, LINK_DATA_FILE_SHORT);
        EXPECT_EQ(outcome.subject, m_dir / "b.dta");
        unchanged();
    }

    // A data file that has gone since the files were checked.
    std::filesystem::remove(m_dir / "b.dta");
    LinkOutcome outcome = Link({a, b}, m_dir / "t.mdf", LinkMode::Merge);
    EXPECT_EQ(outcome.status, LINK_SOURCE_UNREADABLE);
    EXPECT_EQ(outcome.sourceIndex, 1);
    EXPECT_EQ(LinkOutcomeText(outcome), b + "\n\nError!\nThe data file couldn't be opened !");
    // A listed file that has gone.
    std::filesystem::remove(b);
    outcome = Link({a, b}, m_dir / "t.mdf", LinkMode::Link);
    EXPECT_EQ(LinkOutcomeText(outcome), "Following file cannot be opened !\n«" + b + "»");
    EXPECT_EQ(test::ReadText(m_dir / "t.mdf"), "old description");

    // Frames of no size hold no dataset: such files are refused as unreadable.
    const std::string c = Make("c.mdf", 500, 3);
    for (const std::string& path : {a, c}) {
        const int fd = ::open(path.c_str(), O_WRONLY);
        const std::uint8_t zero[4] = {};
        ASSERT_EQ(::pwrite(fd, zero, 4, 40), 4);  // the header's frame size
        ::close(fd);
    }
    outcome = Link({a, c}, m_dir / "t.mdf", LinkMode::Merge);
    EXPECT_EQ(outcome.status, LINK_SOURCE_UNREADABLE);
    EXPECT_EQ(outcome.sourceStatus, MeasurementStatus::NoDataset);
    EXPECT_EQ(test::ReadText(m_dir / "t.mdf"), "old description");
    EXPECT_EQ(test::ReadText(m_dir / "t.dta"), "old data");
}

TEST_F(LinkFilesTest, ACancelInTheMiddleLeavesNothingBehind) {
    // Two segments to copy; the cancel comes after the first.
    const std::string a = Make("a.mdf", 3000, 1);
    const std::string b = Make("b.mdf", 3000, 2);
    test::WriteTextFile(m_dir / "t.dta", "old data");
    const std::vector<std::string> before = test::FolderListing(m_dir.Path());
    int calls = 0;
    LinkOutcome outcome = Link({a, b}, m_dir / "t.mdf", LinkMode::Merge,
                               [&](std::uint64_t done, std::uint64_t total) {
                                   ++calls;
                                   return done == 0 || done == total;
                               });
    EXPECT_EQ(outcome.status, LINK_CANCELLED);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(test::FolderListing(m_dir.Path()), before);
    EXPECT_EQ(test::ReadText(m_dir / "t.dta"), "old data");

    outcome = Link({a, b, a}, m_dir / "t.mdf", LinkMode::Link,
                   [](std::uint64_t done, std::uint64_t) { return done < 2; });
    EXPECT_EQ(outcome.status, LINK_CANCELLED);
    EXPECT_EQ(test::FolderListing(m_dir.Path()), before);
}

TEST_F(LinkFilesTest, ASegmentOfMoreFramesThanItsFieldHoldsIsRefusedWhenLinking) {
    // A TARKO file counts the frames its data file holds: a sparse data file of 2^32 frames
    // of 2 bytes (nothing of it is read).
    RecordingOptions t;
    t.form = RecordingForm::TKS;
    t.channels = {DefaultChannelOfType(DATA_TYPE_SHORT, 0)};
    t.tarkoFloatStorage = false;
    t.frames = 10;
    t.path = m_dir / "t1.tks";
    test::Generate(t);
    t.path = m_dir / "t2.tks";
    test::Generate(t);
    const std::uint64_t frames = (std::uint64_t(1) << 32);
    ASSERT_EQ(::truncate((m_dir / "t2.dta").c_str(), static_cast<off_t>(frames * 2)), 0);
    const int fd = ::open((m_dir / "t2.tks").c_str(), O_WRONLY);
    const std::uint8_t zero[4] = {};
    ASSERT_EQ(::pwrite(fd, zero, 4, 80), 4);  // no declared frame count: the file's frames
    ::close(fd);
    const LinkOutcome outcome =
        Link({m_dir / "t1.tks", m_dir / "t2.tks"}, m_dir / "l", LinkMode::Link);
    EXPECT_EQ(outcome.status, LINK_TOO_LARGE);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "l.mdf"));
}

}  // namespace
}  // namespace grafyon
