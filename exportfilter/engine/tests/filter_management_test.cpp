// Filter folders, listings and the management actions on real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_file.h"
#include "exportfilter/engine/filter_management.h"
#include "exportfilter/engine/format_table.h"
#include "fakes.h"
#include "test_stream.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

namespace fs = std::filesystem;

void WriteSample(const std::string& path, const std::string& designation) {
    CQuenarStreamTest filter;
    filter.designation = designation;
    ASSERT_EQ(WriteFilterFile(path, filter), 0);
}

std::vector<std::string> Names(const std::vector<FilterListEntry>& entries) {
    std::vector<std::string> names;
    for (const FilterListEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

// Replaces a file by a folder that holds a file, so that neither a rename nor an unlink
// can remove it, whoever runs the test.
void Block(const std::string& path) {
    fs::remove(path);
    fs::create_directories(path + "/inside");
}

TEST(FilterFolder, AccessLevels) {
    grafyon::test::TempDir dir;
    const std::string folder = dir.Path().string() + "/";
    EXPECT_EQ(FolderAccessLevel(folder, FilterLocation::Local), FolderAccess::ReadWrite);
    EXPECT_EQ(FolderAccessLevel(folder, FilterLocation::Global), FolderAccess::Read);
    EXPECT_EQ(FolderAccessLevel("", FilterLocation::Local), FolderAccess::None);
    EXPECT_EQ(FolderAccessLevel(dir / "missing", FilterLocation::Local), FolderAccess::None);
    grafyon::test::WriteTextFile(dir / "file", "x");
    EXPECT_EQ(FolderAccessLevel(dir / "file", FilterLocation::Local), FolderAccess::None);
    EXPECT_EQ(FolderAccessText(FolderAccess::None), "no access");
    EXPECT_EQ(FolderAccessText(FolderAccess::ReadWrite), "Read/Write");
    EXPECT_EQ(LocationText(FilterLocation::Global), "global");

    EXPECT_TRUE(LocalFolderUsable(folder));
    EXPECT_FALSE(LocalFolderUsable(""));
    EXPECT_FALSE(LocalFolderUsable("relative/"));
    EXPECT_FALSE(LocalFolderUsable(dir / "missing"));
}

TEST(FilterFolder, AFolderWithoutReadAccessIsNotListed) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    grafyon::test::TempDir dir;
    const std::string locked = dir / "locked";
    fs::create_directory(locked);
    WriteSample(locked + "/x.yef", "x");
    ::chmod(locked.c_str(), 0300);
    EXPECT_EQ(FolderAccessLevel(locked, FilterLocation::Local), FolderAccess::None);
    EXPECT_TRUE(ListFilterFolder(locked, FilterLocation::Local).empty());
    ::chmod(locked.c_str(), 0500);
    EXPECT_EQ(FolderAccessLevel(locked, FilterLocation::Local), FolderAccess::Read);
    ::chmod(locked.c_str(), 0700);
}

TEST(FilterFolder, ListingIsSortedAndMatchesWholeStems) {
    grafyon::test::TempDir dir;
    const std::string folder = dir.Path().string();  // without a trailing "/"
    for (const char* name : {"b.yef", "A.YEF", "a.b.yef", "Run.yef", "run.yef", ".hidden.yef"})
        WriteSample(dir / name, std::string("designation of ") + name);
    grafyon::test::WriteTextFile(dir / "bad.yef", "not a filter");
    grafyon::test::WriteTextFile(dir / "c.txt", "");
    fs::create_directory(dir / "dir.yef");

    const std::vector<FilterListEntry> entries = ListFilterFolder(folder, FilterLocation::Local);
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"A", "a", "b", "bad", "Run", "run"}));
    EXPECT_EQ(entries[1].path, folder + "/a.b.yef");
    EXPECT_EQ(entries[1].designation, "designation of a.b.yef");
    EXPECT_EQ(entries[1].typeCode, TEST_STREAM_TYPE);
    EXPECT_FALSE(entries[3].valid);
    EXPECT_EQ(entries[3].typeCode, -1);
    EXPECT_EQ(FilterFormatName(entries[3].typeCode), "No filer file");

    const auto find = [&](const char* name) {
        const FilterListEntry* entry = FindFilterByName(entries, name);
        return entry ? fs::path(entry->path).filename().string() : std::string("-");
    };
    EXPECT_EQ(find("a.b"), "a.b.yef");
    EXPECT_EQ(find("a"), "A.YEF");  // no stem is exactly "a"
    EXPECT_EQ(find("run"), "run.yef");
    EXPECT_EQ(find("RUN"), "Run.yef");
    EXPECT_EQ(find("b.yef"), "-");
}

class FilterManagementTest : public ::testing::Test {
protected:
    FilterManagementTest() : messenger(&sink) {
        folders.local = dir.Path().string() + "/local/";
        folders.global = dir.Path().string() + "/global/";
        fs::create_directories(folders.local);
        fs::create_directories(folders.global);
        WriteSample(folders.global + "shared.yef", "shared");
    }

    FilterManagement Manage(bool selectMode = false) {
        return FilterManagement(folders, selectMode, registry, messenger, &editor);
    }

    void SelectName(FilterManagement& m, const std::string& name) {
        m.Select(std::nullopt);
        for (std::size_t i = 0; i < m.Entries().size(); ++i) {
            if (m.Entries()[i].name == name)
                m.Select(i);
        }
        ASSERT_TRUE(m.Selection()) << name;
    }

    std::unique_ptr<CQuenarStreamTest> Load(const std::string& name) {
        std::unique_ptr<CQuenarClass> filter =
            ReadFilterFile(FilterFilePath(folders.local, name), registry);
        return std::unique_ptr<CQuenarStreamTest>(
            dynamic_cast<CQuenarStreamTest*>(filter.release()));
    }

    grafyon::test::TempDir dir;
    FilterFolders folders;
    ClassRegistry registry = TestRegistry();
    FakeSink sink;
    QuenarMessenger messenger;
    FakeEditor editor;
};

TEST_F(FilterManagementTest, NewNamesAreCheckedBeforeAnythingIsWritten) {
    FilterManagement m = Manage();
    EXPECT_TRUE(m.CheckLocalFolder());
    for (const std::string& name :
         {std::string(), std::string(".x"), std::string("a/b"), std::string("a\\b"),
          std::string("a:b"), std::string("a\tb"), std::string(33, 'n')}) {
        sink.shown.clear();
        EXPECT_EQ(m.Insert(name, TEST_STREAM_TYPE, 0), FilterAction::NameRefused) << name;
        EXPECT_EQ(sink.Ids(), std::vector<int>{QUENAR_MSG_INVALID_FILTER_NAME}) << name;
    }
    EXPECT_EQ(m.Insert(std::string(32, 'n'), TEST_STREAM_TYPE, 0), FilterAction::Done);
    EXPECT_EQ(m.Insert("a.b", TEST_STREAM_TYPE, 0), FilterAction::Done);
    sink.shown.clear();
    EXPECT_EQ(m.Insert("A", TEST_STREAM_TYPE, 0), FilterAction::NameRefused);  // listed as "a"
    fs::create_directory(folders.local + "taken.yef");  // not listed, but there
    EXPECT_EQ(m.Insert("taken", TEST_STREAM_TYPE, 0), FilterAction::NameRefused);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[0].text,
              "A filter with the following name 'A' already exists. Please choose an other "
              "name.");
    EXPECT_EQ(m.Insert("Delta", 99, 0), FilterAction::Failed);
    EXPECT_EQ(sink.shown.back().text, "Internal error at QuenarInterface 00201 !");
    EXPECT_FALSE(fs::exists(folders.local + "Delta.yef"));

    folders.local = "";
    FilterManagement unset = Manage();
    EXPECT_FALSE(unset.CheckLocalFolder());
    EXPECT_EQ(sink.shown.back().id, QUENAR_MSG_LOCAL_PATH_INVALID);
    EXPECT_EQ(unset.LocalAccess(), FolderAccess::None);
    EXPECT_EQ(unset.Insert("Nowhere", TEST_STREAM_TYPE, 0), FilterAction::Refused);
    EXPECT_FALSE(fs::exists("Nowhere.yef"));
}

TEST_F(FilterManagementTest, InsertWritesTheDefaultsOfEachDefinitionMode) {
    FilterManagement m = Manage();
    ASSERT_EQ(m.Insert("Alpha", TEST_STREAM_TYPE, DEFINITION_AUTOMATIC_INTERACTIVE),
              FilterAction::Done);
    ASSERT_EQ(m.Insert("Beta", TEST_STREAM_TYPE, DEFINITION_AUTOMATIC_SILENT), FilterAction::Done);
    ASSERT_TRUE(m.Selection());
    EXPECT_EQ(m.Entries()[*m.Selection()].name, "Beta");
    EXPECT_EQ(m.Entries()[*m.Selection()].designation, "Beta");

    std::unique_ptr<CQuenarStreamTest> alpha = Load("Alpha");
    std::unique_ptr<CQuenarStreamTest> beta = Load("Beta");
    ASSERT_TRUE(alpha && beta);
    EXPECT_EQ(alpha->designation, "Alpha");
    EXPECT_EQ(alpha->onlySelected, 1);
    ASSERT_EQ(alpha->channelDefs.size(), 1u);
    EXPECT_EQ(alpha->channelDefs[0]->identifier, "Dataset");
    EXPECT_EQ(alpha->allocationMode, 1);
    EXPECT_EQ(alpha->singleFile.fileDialog, 1);
    EXPECT_EQ(beta->allocationMode, 0);
    EXPECT_EQ(beta->singleFile.fileDialog, 0);
    EXPECT_EQ(beta->singleFile.overwrite, 2);
    EXPECT_EQ(editor.calls, 0);

    // "User defined" opens the editor at once; Cancel takes the new file away again.
    editor.confirm = false;
    EXPECT_EQ(m.Insert("Gamma", TEST_STREAM_TYPE, DEFINITION_USER_DEFINED),
              FilterAction::Cancelled);
    EXPECT_FALSE(fs::exists(folders.local + "Gamma.yef"));
    editor.confirm = true;
    editor.change = [](CQuenarClass& filter) { filter.description = "edited"; };
    EXPECT_EQ(m.Insert("Gamma", TEST_STREAM_TYPE, DEFINITION_USER_DEFINED), FilterAction::Done);
    EXPECT_EQ(Load("Gamma")->description, "edited");
    EXPECT_TRUE(Load("Gamma")->channelDefs.empty());
    EXPECT_EQ(editor.calls, 2);
}

TEST_F(FilterManagementTest, CopyAndEditWorkOnTheSelectedLocalFilter) {
    FilterManagement m = Manage(true);
    ASSERT_EQ(m.Insert("Alpha", TEST_STREAM_TYPE, 0), FilterAction::Done);
    sink.shown.clear();
    m.Select(std::nullopt);
    EXPECT_EQ(m.Copy("X"), FilterAction::Refused);
    EXPECT_EQ(m.Choose(), nullptr);
    SelectName(m, "shared");
    EXPECT_EQ(m.Edit(), FilterAction::Refused);
    EXPECT_EQ(sink.Ids(),
              (std::vector<int>{QUENAR_MSG_NO_FILTER_SELECTED, QUENAR_MSG_NO_FILTER_SELECTED,
                                QUENAR_MSG_LOCAL_FILTERS_ONLY}));
    EXPECT_EQ(m.Choose()->path, folders.global + "shared.yef");

    SelectName(m, "Alpha");
    EXPECT_EQ(m.Copy("shared"), FilterAction::NameRefused);  // a listed global name
    ASSERT_EQ(m.Copy("Alpha2"), FilterAction::Done);
    EXPECT_EQ(m.Entries()[*m.Selection()].name, "Alpha2");
    EXPECT_EQ(m.Entries()[*m.Selection()].designation, "Alpha");
    EXPECT_EQ(Load("Alpha2")->channelDefs.size(), 1u);

    fs::remove(folders.local + "Alpha2.yef");
    sink.shown.clear();
    EXPECT_EQ(m.Copy("Alpha3"), FilterAction::Refused);
    EXPECT_EQ(sink.shown.at(0).text, "The file of the filter definition «Alpha2» does not exist !");

    SelectName(m, "Alpha");
    const std::string path = folders.local + "Alpha.yef";
    const std::string before = grafyon::test::ReadTextFile(path);
    editor.confirm = false;
    EXPECT_EQ(m.Edit(), FilterAction::Cancelled);
    EXPECT_EQ(grafyon::test::ReadTextFile(path), before);
    editor.confirm = true;
    editor.change = [](CQuenarClass& filter) { filter.designation = "Neu"; };
    EXPECT_EQ(m.Edit(), FilterAction::Done);
    EXPECT_EQ(m.Entries()[*m.Selection()].designation, "Neu");
    EXPECT_EQ(Load("Alpha")->designation, "Neu");

    // A write that fails keeps the row as it was.
    editor.change = [&](CQuenarClass& filter) {
        filter.designation = "Lost";
        Block(path);
    };
    sink.shown.clear();
    EXPECT_EQ(m.Edit(), FilterAction::Failed);
    EXPECT_EQ(sink.shown.at(0).text, "The file with the name\n" + path + "\ncannot be created!");
    EXPECT_EQ(m.Entries()[*m.Selection()].designation, "Neu");
}

TEST_F(FilterManagementTest, DeleteActsOnTheListedFileAndMovesTheSelection) {
    WriteSample(folders.local + "a.yef", "plain");
    WriteSample(folders.local + "a.b.yef", "dotted");
    WriteSample(folders.local + "c.yef", "c");
    FilterManagement m = Manage();
    ASSERT_EQ(Names(m.Entries()), (std::vector<std::string>{"a", "a", "c"}));
    const std::size_t dotted = m.Entries()[0].path.ends_with("a.b.yef") ? 0 : 1;

    m.Select(dotted);
    sink.answers = {MessageAnswer::No};
    EXPECT_EQ(m.Delete(), FilterAction::Cancelled);
    EXPECT_EQ(sink.shown.at(0).text, "Do you really wish to delete the filter definition «a»?");
    EXPECT_EQ(m.Delete(), FilterAction::Done);
    EXPECT_FALSE(fs::exists(folders.local + "a.b.yef"));
    EXPECT_TRUE(fs::exists(folders.local + "a.yef"));
    EXPECT_EQ(m.Selection(), std::optional<std::size_t>(dotted));

    m.Select(1);  // the last row
    ASSERT_EQ(m.Entries()[1].name, "c");
    Block(folders.local + "c.yef");
    sink.shown.clear();
    EXPECT_EQ(m.Delete(), FilterAction::Failed);
    EXPECT_EQ(sink.Ids(), (std::vector<int>{QUENAR_MSG_DELETE_FILTER, QUENAR_MSG_CANNOT_ACCESS}));
    EXPECT_EQ(m.Entries().size(), 2u);
    fs::remove_all(folders.local + "c.yef");
    EXPECT_EQ(m.Delete(), FilterAction::Done);  // gone already: the row goes too
    EXPECT_EQ(m.Selection(), std::optional<std::size_t>(0));
    EXPECT_EQ(m.Delete(), FilterAction::Done);
    EXPECT_EQ(m.Selection(), std::nullopt);
}

}  // namespace
}  // namespace grafyon::exportfilter::test
