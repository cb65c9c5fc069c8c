// The recent-file list: order, duplicates by file identity, capacity, storage.
#include <gtest/gtest.h>

#include <unistd.h>

#include "common/settings_file.h"
#include "test_support.h"
#include "viewer/app/recent_file_list.h"

namespace grafyon {
namespace {

TEST(RecentFileList, NewestFirstWithoutDuplicates) {
    test::TempDir dir;
    for (const char* name : {"a.mdf", "b.mdf"})
        test::WriteTextFile(dir / name, "x");
    RecentFileList list(3);
    list.Add(dir / "a.mdf");
    list.Add(dir / "b.mdf");
    // The same file under another spelling moves up instead of appearing twice.
    list.Add((dir.Path() / "." / "a.mdf").string());
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_EQ(list.Entries()[0], dir / "a.mdf");
    EXPECT_EQ(list.Entries()[1], dir / "b.mdf");
    // A link to a listed file is that file.
    ASSERT_EQ(::symlink((dir / "b.mdf").c_str(), (dir / "link.mdf").c_str()), 0);
    list.Add(dir / "link.mdf");
    EXPECT_EQ(list.Entries().size(), 2u);
    EXPECT_EQ(list.Entries()[0], dir / "link.mdf");
}

TEST(RecentFileList, OldestFallsOffAndRelativePathsBecomeAbsolute) {
    RecentFileList list(2);
    list.Add("/x/1.mdf");
    list.Add("/x/2.mdf");
    list.Add("/x/3.mdf");
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_EQ(list.Entries()[0], "/x/3.mdf");
    EXPECT_EQ(list.Entries()[1], "/x/2.mdf");
    list.Add("");
    EXPECT_EQ(list.Entries().size(), 2u);

    RecentFileList relative;
    relative.Add("rel.mdf");
    ASSERT_EQ(relative.Entries().size(), 1u);
    EXPECT_EQ(relative.Entries()[0].front(), '/');
    EXPECT_TRUE(relative.Entries()[0].ends_with("/rel.mdf"));
}

TEST(RecentFileList, StoredAsFileOneToNine) {
    test::ScopedConfigDirs dirs;
    SettingsFile file(SettingsScope::User, "Grafyon");
    RecentFileList list;
    EXPECT_EQ(list.Capacity(), 9u);
    for (int i = 0; i < 11; ++i)
        list.Add("/m/" + std::to_string(i) + ".mdf");
    list.Write(file);
    EXPECT_EQ(file.ReadString(RECENT_FILE_SECTION, "File1"), "/m/10.mdf");
    EXPECT_EQ(file.ReadString(RECENT_FILE_SECTION, "File9"), "/m/2.mdf");
    EXPECT_EQ(file.ReadString(RECENT_FILE_SECTION, "File10"), std::nullopt);

    // Fewer entries remove the numbers beyond them; gaps are closed on reading.
    RecentFileList shorter;
    shorter.Add("/m/only.mdf");
    shorter.Write(file);
    EXPECT_EQ(file.ReadString(RECENT_FILE_SECTION, "File2"), std::nullopt);
    file.WriteString(RECENT_FILE_SECTION, "File4", "/m/gap.mdf");
    file.WriteString(RECENT_FILE_SECTION, "file5", "");
    RecentFileList read;
    read.Read(file);
    ASSERT_EQ(read.Entries().size(), 2u);
    EXPECT_EQ(read.Entries()[0], "/m/only.mdf");
    EXPECT_EQ(read.Entries()[1], "/m/gap.mdf");
    read.Remove(0);
    read.Remove(5);
    ASSERT_EQ(read.Entries().size(), 1u);
    EXPECT_EQ(read.Entries()[0], "/m/gap.mdf");
}

}  // namespace
}  // namespace grafyon
