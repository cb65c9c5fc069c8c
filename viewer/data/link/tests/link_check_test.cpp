// Which recordings may be linked, the reasons shown when they may not, and the checks of the
// file that a link creates.
#include <gtest/gtest.h>

#include <unistd.h>

#include "link_test_support.h"
#include "viewer/data/link/link_check.h"
#include "viewer/data/link/link_target.h"

namespace grafyon {
namespace {

class LinkCheckTest : public ::testing::Test {
protected:
    // A recording of the four SHORT channels in the temporary folder.
    std::string Make(const std::string& name, std::vector<GeneratedChannel> channels = {},
                     double step = 0.001, std::uint64_t frames = 200) {
        RecordingOptions o;
        o.path = m_dir / name;
        o.frames = frames;
        o.channels = channels.empty() ? test::ShortChannels() : std::move(channels);
        o.sampleStep = step;
        test::Generate(o);
        return o.path;
    }

    int Check(const std::vector<std::string>& paths, bool skipFolder = false) {
        return CheckLinkable(paths, m_reason, skipFolder);
    }

    test::TempDir m_dir;
    LinkReason m_reason;
};

TEST_F(LinkCheckTest, EqualLayoutsFitAndTheFirstDifferenceNamesItsFileAndReason) {
    const std::string a = Make("a.mdf");
    const std::string b = Make("b.mdf");
    EXPECT_EQ(Check({a, b, a}), -1);
    EXPECT_EQ(m_reason.mismatch, LinkMismatch::None);

    // Only the factor of dataset 3 differs: "Dataset", its number and its name in the later file.
    std::vector<GeneratedChannel> channels = test::ShortChannels();
    channels[2].factor *= 2;
    channels[2].name = "Anders";
    const std::string c = Make("c.mdf", channels);
    EXPECT_EQ(Check({a, b, c}), 2);
    EXPECT_EQ(LinkReasonText(m_reason), "Dataset 3 / Anders");

    // Each field of a dataset counts.
    channels = test::ShortChannels();
    channels[3].offset += 1;
    EXPECT_EQ(Check({a, Make("offset.mdf", channels)}), 1);
    EXPECT_EQ(m_reason.datasetNumber, 4u);
    channels = test::ShortChannels();
    channels[0].name += "x";
    EXPECT_EQ(Check({a, Make("name.mdf", channels)}), 1);
    EXPECT_EQ(m_reason.datasetNumber, 1u);

    channels = test::ShortChannels();
    channels.pop_back();
    EXPECT_EQ(Check({a, Make("three.mdf", channels)}), 1);
    EXPECT_EQ(LinkReasonText(m_reason), "Different number of datasets");

    // A wider type in the same place: the frame size is compared before the datasets.
    channels = test::ShortChannels();
    channels[3] = DefaultChannelOfType(DATA_TYPE_LONG, 3);
    EXPECT_EQ(Check({a, Make("long.mdf", channels)}), 1);
    EXPECT_EQ(LinkReasonText(m_reason), "Different frame size");
}

TEST_F(LinkCheckTest, StepsAreComparedExactly) {
    const std::string a = Make("a.mdf", {}, 0.001);
    EXPECT_EQ(Check({a, Make("same.mdf", {}, 0.001)}), -1);
    EXPECT_EQ(Check({a, Make("near.mdf", {}, 0.0010000001)}), 1);
    EXPECT_EQ(LinkReasonText(m_reason), "Different resolution");
}

TEST_F(LinkCheckTest, FoldersMatterOnlyWhenLinkingInPlace) {
    const std::string a = Make("a.mdf");
    std::filesystem::create_directory(m_dir / "other");
    const std::string b = Make("other/b.mdf");
    EXPECT_EQ(Check({a, b}), 1);
    EXPECT_EQ(LinkReasonText(m_reason), "Different folders");
    EXPECT_EQ(Check({a, b}, true), -1);
    // The same folder named another way is the same folder.
    EXPECT_EQ(Check({a, (m_dir / "other") + "/../a.mdf"}), -1);
}

TEST_F(LinkCheckTest, AFileThatCannotBeReadGivesZeroAndItsMessage) {
    const std::string a = Make("a.mdf");
    EXPECT_EQ(Check({a, m_dir / "missing.mdf"}), 0);
    test::WriteFile(m_dir / "junk.mdf", {'n', 'o', 't', ' ', 'a', ' ', 'f', 'i', 'l', 'e'});
    EXPECT_EQ(Check({a, m_dir / "junk.mdf"}), 0);

    EXPECT_FALSE(ReadLinkSource(m_dir / "missing.mdf").opened);
    EXPECT_EQ(FileCheckMessage(ReadLinkSource(m_dir / "junk.mdf").status), 4096);
    const std::string b = Make("b.mdf");
    ASSERT_EQ(::truncate((m_dir / "b.dta").c_str(), 0), 0);
    EXPECT_EQ(FileCheckMessage(ReadLinkSource(b).status), 4118);
    std::filesystem::remove(m_dir / "b.dta");
    EXPECT_EQ(FileCheckMessage(ReadLinkSource(b).status), 4100);
    EXPECT_STREQ(FileCheckMessageText(4100), "Error!\nThe data file couldn't be opened !");
    // One frame is enough to be linked.
    EXPECT_EQ(FileCheckMessage(ReadLinkSource(Make("one.mdf", {}, 0.001, 1)).status), 0);
}

TEST_F(LinkCheckTest, TheProposedNameGrowsUntilItIsFree) {
    const std::string first = m_dir / "run1.mdf";
    EXPECT_EQ(ProposeLinkName(first), m_dir / "run1_x.mdf");
    test::WriteFile(m_dir / "run1_x.mdf", {1});
    EXPECT_EQ(ProposeLinkName(first), m_dir / "run1_xx.mdf");
    EXPECT_EQ(ProposeLinkName(m_dir / "run2.tks"), m_dir / "run2_x.mdf");

    EXPECT_EQ(LinkTargetPath("/d/out"), "/d/out.mdf");
    EXPECT_EQ(LinkTargetPath("/d/out.MDF"), "/d/out.MDF");
    EXPECT_EQ(LinkTargetPath("/d/out.mdf.txt"), "/d/out.mdf.txt.mdf");
    EXPECT_EQ(LinkTargetPath("/d/.mdf"), "/d/.mdf.mdf");
    EXPECT_EQ(LinkDataFilePath("/d/out.MdF"), "/d/out.dta");
    EXPECT_EQ(LinkDataFilePath("/d/out"), "/d/out.dta");
}

TEST_F(LinkCheckTest, TheTargetMayNotBeAListedFileOrOneOfTheirDataFiles) {
    const std::string a = Make("a.mdf");
    const std::string b = Make("b.mdf");
    std::vector<LinkSource> sources;
    sources.push_back(ReadLinkSource(a));
    sources.push_back(ReadLinkSource(b));
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "joined", LinkMode::Link), LinkTargetProblem::None);
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "B.MDF", LinkMode::Link),
              LinkTargetProblem::NamedAsSource);
    // The same file under another name.
    ASSERT_EQ(::link(b.c_str(), (m_dir / "hard.mdf").c_str()), 0);
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "hard.mdf", LinkMode::Merge),
              LinkTargetProblem::NamedAsSource);
    // Merging, the new data file a.dta would be the first file's data file.
    std::filesystem::create_directory(m_dir / "sub");
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "A.mdf", LinkMode::Merge),
              LinkTargetProblem::NamedAsSource);
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "sub/a.mdf", LinkMode::Merge),
              LinkTargetProblem::None);
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / "sub/a.mdf", LinkMode::Link),
              LinkTargetProblem::WrongFolder);
    // 127 characters fit the data file's field, 128 do not.
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / (std::string(123, 'n') + ".mdf"), LinkMode::Merge),
              LinkTargetProblem::None);
    EXPECT_EQ(CheckLinkTarget(sources, m_dir / (std::string(124, 'n') + ".mdf"), LinkMode::Merge),
              LinkTargetProblem::BadName);
}

}  // namespace
}  // namespace grafyon
