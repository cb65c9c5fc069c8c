// Output file names: building them in every mode, and the checks before a run.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/output_naming.h"
#include "exportfilter/engine/path_text.h"
#include "fakes.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

namespace fs = std::filesystem;

TEST(OutputNaming, SingleDataAndDescriptionNames) {
    CQuenarFileSingle file;
    file.dataExtension = "TXT";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/run1.TXT");
    EXPECT_EQ(BuildSingleDataName(file, ""), "test.TXT");
    file.dataExtension = ".txt";
    EXPECT_EQ(BuildSingleDataName(file, "/d/run1"), "/d/run1.txt");

    file.pathMode = 1;
    file.userPath = "/exp";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "/exp/run1.txt");
    file.userPath = "/exp/";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "/exp/run1.txt");
    file.userPath = "";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/run1.txt");
    file.pathMode = 2;  // shown disabled: keeps the path
    file.userPath = "/exp";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/run1.txt");

    file.pathMode = 0;
    file.dataNameMode = 0;
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/run1.dta");
    file.dataNameMode = 1;
    file.userDataName = "out/x.asc";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "out/x.asc");
    file.userDataName = "y";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/y");
    file.userDataName = "";
    EXPECT_EQ(BuildSingleDataName(file, "data/run1.dta"), "data/run1.dta");

    file.descriptionExtension = "HDR";
    EXPECT_EQ(BuildDescriptionName(file, "/d/run1.TXT"), "/d/run1.HDR");
    file.descriptionNameMode = 1;
    file.userDescriptionName = "head.dsc";
    EXPECT_EQ(BuildDescriptionName(file, "/d/run1.TXT"), "/d/head.dsc");
    file.userDescriptionName = "/x/head.dsc";
    EXPECT_EQ(BuildDescriptionName(file, "/d/run1.TXT"), "/x/head.dsc");
}

TEST(OutputNaming, CleanDatasetNamesStayInTheirFolder) {
    EXPECT_EQ(CleanDatasetName("Speed - front.left"), "Speed_front_left");
    EXPECT_EQ(CleanDatasetName(".hidden"), "hidden");
    EXPECT_EQ(CleanDatasetName("../../etc/passwd"), "etc_passwd");
    EXPECT_EQ(CleanDatasetName("a\\b\tc\n"), "a_b_c");
    EXPECT_EQ(CleanDatasetName("- -"), "");
    EXPECT_EQ(CleanDatasetName("Öl_Temp__"), "Öl_Temp");
}

TEST(OutputNaming, MultiFileNamesInEveryBuildMode) {
    CQuenarFileMulti file;
    file.defaultExtension = "dac";
    CQuenarSelectItem record;
    record.file = "data/run1.mdf";
    record.name = "Speed - front.left";
    const auto name = [&](int buildMode, int number = 1) {
        file.buildMode = buildMode;
        return BuildMultiDataName(file, record, number, "src/other.dta");
    };
    EXPECT_EQ(name(0), "data/run1_Speed_front_left.mdf");
    EXPECT_EQ(name(1, 3), "data/run103.mdf");
    EXPECT_EQ(name(1, 123), "data/run1123.mdf");
    EXPECT_EQ(name(3), "data/Speed_front_left.mdf");
    EXPECT_EQ(name(2), "data/run1_Speed_front_left.mdf");  // no own name yet
    record.dataFileName = "speed.bin";
    EXPECT_EQ(name(2), "data/speed.bin");
    record.dataFileName = "speed";
    EXPECT_EQ(name(2), "data/speed.mdf");
    EXPECT_EQ(name(7), "data/Speed_front_left.mdf");  // clamped to 3

    record.file = "";
    record.name = "...";
    EXPECT_EQ(name(0), "src/other.dta");
    EXPECT_EQ(name(3), "src/other.dta");
    file.nameMode = 1;
    file.userName = "base";
    file.pathMode = 1;
    file.userPath = "/out";
    EXPECT_EQ(name(1, 2), "/out/base02.dac");
}

TEST(PathText, SplittingJoiningAndLineEnds) {
    EXPECT_EQ(SplitPath("/a.b/c.tar.gz").folder, "/a.b/");
    EXPECT_EQ(SplitPath("/a.b/c.tar.gz").name, "c.tar");
    EXPECT_EQ(SplitPath("/a.b/c.tar.gz").extension, ".gz");
    EXPECT_EQ(SplitPath(".profile").name, ".profile");
    EXPECT_EQ(JoinPath("/x", "y"), "/x/y");
    EXPECT_EQ(JoinPath("/x/", "y"), "/x/y");
    EXPECT_EQ(JoinPath("", "y"), "y");
    EXPECT_EQ(PathFromFile("\\a\\b"), "/a/b");
    EXPECT_EQ(PathFromFile("d:\\a"), "d:\\a");
    EXPECT_EQ(LineFeedsToCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(CrLfToLineFeeds("a\r\nb\rc"), "a\nb\rc");
    EXPECT_TRUE(NameLess("a", "B"));
    EXPECT_TRUE(NameLess("B", "b"));
    EXPECT_FALSE(NameLess("b", "B"));
}

TEST(OutputNaming, SaveAsFilterNamesTheChosenExtension) {
    const std::string filter = "Text (*.txt)|*.txt|All files (*.*)|*.*||";
    EXPECT_EQ(FileTypeFilterFor(filter, ".TXT"), filter);
    EXPECT_EQ(FileTypeFilterFor(filter, ".t"), "*.t File (*.t)|*.t|" + filter);
    EXPECT_EQ(FileTypeFilterFor(filter, ""), filter);
}

class OutputChecksTest : public ::testing::Test {
protected:
    OutputChecksTest() : messenger(&sink), context{messenger, nullptr, {}} {
        folder = dir.Path().string() + "/";
        source = folder + "run1.mdf";
        grafyon::test::WriteTextFile(source, "source");
        records.push_back(std::make_unique<CQuenarSelectItem>());
        records.push_back(std::make_unique<CQuenarSelectItem>());
        records.front()->selected = 1;
        records.front()->name = "Speed";
        single.fileDialog = 0;
        single.dataExtension = "TXT";
        single.descriptionUsed = 0;
    }

    int Assign() { return single.AssignNames(source, records, 0, 0, context); }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()));
    }

    grafyon::test::TempDir dir;
    std::string folder;
    std::string source;
    FakeSink sink;
    QuenarMessenger messenger;
    OutputNamingContext context;
    QuenarSelectList records;
    CQuenarFileSingle single;
};

TEST_F(OutputChecksTest, ANewTargetIsProbedAndStoredInTheSelectedRecords) {
    single.descriptionUsed = 1;
    single.descriptionExtension = "HDR";
    EXPECT_EQ(Assign(), NAMING_OK);
    EXPECT_EQ(records.front()->dataFileName, folder + "run1.TXT");
    EXPECT_EQ(records.front()->descriptionFileName, folder + "run1.HDR");
    EXPECT_EQ(records.back()->dataFileName, "");
    EXPECT_EQ(FilesInFolder(), 1u);  // the probes are gone
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(OutputChecksTest, TheSourceMeasurementIsNeverATarget) {
    single.dataExtension = "MDF";  // the same name in other case
    EXPECT_EQ(Assign(), NAMING_SAME_AS_SOURCE);
    EXPECT_EQ(sink.shown.at(0).text,
              "It's not possible to name the source and target file in the same way !\n'" + folder +
                  "run1.MDF'\nPlease choose another file name or path.");
    single.dataExtension = "dta";  // the frames beside the description
    EXPECT_EQ(Assign(), NAMING_SAME_AS_SOURCE);

    ASSERT_EQ(::link(source.c_str(), (folder + "alias.txt").c_str()), 0);
    single.dataNameMode = 1;
    single.userDataName = "alias.txt";
    EXPECT_EQ(Assign(), NAMING_SAME_AS_SOURCE);
    single.userDataName = "frames.bin";
    context.sourceDataFiles = {folder + "frames.bin"};
    EXPECT_EQ(Assign(), NAMING_SAME_AS_SOURCE);
    EXPECT_EQ(records.front()->dataFileName, "");

    single.dataNameMode = 2;
    single.dataExtension = "TXT";
    single.descriptionUsed = 1;
    single.descriptionExtension = "txt";
    sink.shown.clear();
    EXPECT_EQ(Assign(), NAMING_DESCRIPTION_IS_DATA);
    EXPECT_EQ(sink.Ids(), std::vector<int>{QUENAR_MSG_DESCRIPTION_EQUALS_DATA});
}

TEST_F(OutputChecksTest, ExistingTargetsFollowTheOverwriteSetting) {
    const std::string target = folder + "run1.TXT";
    grafyon::test::WriteTextFile(target, "old");
    single.overwrite = 0;
    EXPECT_EQ(Assign(), NAMING_NO_OVERWRITE);
    single.overwrite = 1;
    sink.answers = {MessageAnswer::No};
    EXPECT_EQ(Assign(), NAMING_OVERWRITE_DECLINED);
    EXPECT_EQ(Assign(), NAMING_OK);  // Yes
    single.overwrite = 2;
    sink.shown.clear();
    EXPECT_EQ(Assign(), NAMING_OK);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(grafyon::test::ReadTextFile(target), "old");

    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    EXPECT_EQ(Assign(), NAMING_NOT_ACCESSIBLE);
    EXPECT_EQ(sink.shown.at(0).text,
              "The file with the name\n" + target + "\ncannot be created or accessed!");
    fs::remove(target);
    fs::create_directory(target);
    EXPECT_EQ(Assign(), NAMING_NOT_ACCESSIBLE);

    single.pathMode = 1;
    single.userPath = folder + "missing/";
    sink.shown.clear();
    EXPECT_EQ(Assign(), NAMING_FOLDER_NOT_WRITABLE);
    EXPECT_EQ(
        sink.shown.at(0).text,
        "It is not possible to create a file in the following folder !\n" + folder + "missing/");
}

TEST_F(OutputChecksTest, TheDialogIsOfferedAgainAfterEachRefusal) {
    FakeSaveAs dialog;
    context.dialog = &dialog;
    single.fileDialog = 2;
    single.overwrite = 0;
    single.descriptionUsed = 1;
    single.descriptionExtension = "HDR";
    grafyon::test::WriteTextFile(folder + "taken.txt", "");
    dialog.choices = {folder + "taken.txt", folder + "new.prn", std::nullopt};
    EXPECT_EQ(Assign(), NAMING_OK);
    ASSERT_EQ(dialog.calls.size(), 3u);
    EXPECT_EQ(dialog.calls[0].title, "Data file - Save as");
    EXPECT_EQ(dialog.calls[0].proposed, folder + "run1.TXT");
    EXPECT_EQ(dialog.calls[0].filter, "*.TXT File (*.TXT)|*.TXT|");
    EXPECT_EQ(dialog.calls[1].proposed, folder + "taken.txt");  // after 4001
    EXPECT_EQ(dialog.calls[2].title, "Description file - Save as");
    EXPECT_EQ(dialog.calls[2].proposed, folder + "new.HDR");
    EXPECT_EQ(records.front()->dataFileName, folder + "new.prn");
    EXPECT_EQ(records.front()->descriptionFileName, folder + "new.HDR");

    dialog.calls.clear();
    EXPECT_EQ(Assign(), NAMING_CANCELLED);  // the script is empty: Cancel
    single.fileDialog = 1;                  // the description file is not offered
    dialog.choices = {std::nullopt};
    EXPECT_EQ(Assign(), NAMING_OK);
    EXPECT_EQ(dialog.calls.size(), 2u);
}

TEST_F(OutputChecksTest, MultiFileNamesNeverClash) {
    records.back()->selected = 1;
    records.back()->name = "Speed.";  // cleans to the same name
    CQuenarFileMulti multi;
    multi.fileDialog = 0;
    multi.buildMode = 3;
    EXPECT_EQ(multi.AssignNames(source, records, 0, 0, context), NAMING_TARGET_TWICE);
    EXPECT_EQ(records.front()->dataFileName, "");
    records.back()->name = "Torque";
    EXPECT_EQ(multi.AssignNames(source, records, 0, 0, context), NAMING_OK);
    EXPECT_EQ(records.front()->dataFileName, folder + "Speed.mdf");
    EXPECT_EQ(records.back()->dataFileName, folder + "Torque.mdf");

    auto definition = std::make_unique<CQuenarChannelDef1File>();
    definition->fileName = "own.dac";
    records.back()->channelDef = definition.get();
    records.back()->dataFileName.clear();
    CopyChannelFileNames(records);
    EXPECT_EQ(records.back()->dataFileName, "own.dac");
}

TEST(OutputNaming, KeepingBothNameAndPathIsRefusedOnThePage) {
    FakeSink sink;
    QuenarMessenger messenger(&sink);
    CQuenarFileSingle values;
    EXPECT_TRUE(CheckSingleFilePage(values, messenger));
    values.dataNameMode = 0;
    EXPECT_FALSE(CheckSingleFilePage(values, messenger));
    values.pathMode = 1;
    EXPECT_TRUE(CheckSingleFilePage(values, messenger));
    EXPECT_EQ(sink.Ids(), std::vector<int>{QUENAR_MSG_SOURCE_EQUALS_TARGET_FOLDER});
}

}  // namespace
}  // namespace grafyon::exportfilter::test
