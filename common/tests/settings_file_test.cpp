// The settings layer: scopes, case-insensitive names, integers, enumeration, failures.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "common/settings_file.h"
#include "test_support.h"

namespace grafyon {
namespace {

TEST(SettingsFile, ScopesLiveInTheirXdgFolders) {
    test::ScopedConfigDirs dirs;
    EXPECT_EQ(SettingsFile::PathFor(SettingsScope::User, "Grafyon"),
              dirs.UserDir() + "/Vantorelline/Grafyon.ini");
    EXPECT_EQ(SettingsFile::PathFor(SettingsScope::Machine, "Vantorelline"),
              dirs.MachineDir() + "/Vantorelline/Vantorelline.ini");
    {
        test::ScopedEnv dirsList("XDG_CONFIG_DIRS", dirs.MachineDir() + ":/etc/xdg");
        EXPECT_EQ(SettingsFile::PathFor(SettingsScope::Machine, "X"),
                  dirs.MachineDir() + "/Vantorelline/X.ini");
    }
    {
        test::ScopedEnv noUser("XDG_CONFIG_HOME", std::nullopt);
        test::ScopedEnv home("HOME", "/home/someone");
        test::ScopedEnv noDirs("XDG_CONFIG_DIRS", std::nullopt);
        EXPECT_EQ(SettingsFile::PathFor(SettingsScope::User, "G"),
                  "/home/someone/.config/Vantorelline/G.ini");
        EXPECT_EQ(SettingsFile::PathFor(SettingsScope::Machine, "G"),
                  "/etc/xdg/Vantorelline/G.ini");
    }

    // The scopes do not fall back on one another.
    SettingsFile machine(SettingsScope::Machine, "Vantorelline");
    ASSERT_TRUE(machine.WriteString("", "Path", "/opt/vantorelline"));
    SettingsFile user(SettingsScope::User, "Vantorelline");
    EXPECT_FALSE(user.ReadString("", "Path").has_value());
    EXPECT_EQ(machine.ReadString("", "Path").value_or(""), "/opt/vantorelline");
    EXPECT_TRUE(std::filesystem::exists(dirs.MachineDir() + "/Vantorelline/Vantorelline.ini"));
}

TEST(SettingsFile, NamesMatchWithoutRegardToCase) {
    test::ScopedConfigDirs dirs;
    SettingsFile file(SettingsScope::User, "Vantorelline");
    ASSERT_TRUE(file.WriteString("ExportFilter", "LocalPath", "/data/filters"));
    EXPECT_EQ(file.ReadString("exportfilter", "localpath").value_or(""), "/data/filters");
    EXPECT_EQ(file.ReadString("EXPORTFILTER", "LOCALPATH").value_or(""), "/data/filters");

    // A write under another case replaces the stored value instead of adding a twin.
    ASSERT_TRUE(file.WriteString("exportFILTER", "LOCALPATH", "/data/other"));
    EXPECT_EQ(file.ValueNames("ExportFilter"), std::vector<std::string>{"LocalPath"});
    EXPECT_EQ(file.ReadString("ExportFilter", "LocalPath").value_or(""), "/data/other");

    // A second object on the same file sees the change: every read goes to the file.
    SettingsFile again(SettingsScope::User, "Vantorelline");
    EXPECT_EQ(again.ReadString("ExportFilter", "localPath").value_or(""), "/data/other");
    EXPECT_FALSE(again.ReadString("ExportFilter", "GroupPath").has_value());
    EXPECT_FALSE(again.ReadString("Missing", "LocalPath").has_value());
}

TEST(SettingsFile, IntegersTextsAndEnumeration) {
    test::ScopedConfigDirs dirs;
    SettingsFile file(SettingsScope::User, "Grafyon");
    ASSERT_TRUE(file.WriteInt("Settings", "Num Of Diagrams", 4));
    ASSERT_TRUE(file.WriteInt("Settings", "Negative", -2147483648LL));
    ASSERT_TRUE(file.WriteString("Settings", "Font Name", "Sans, Bold \"x\" = 1; \xC3\xA4"));
    ASSERT_TRUE(file.WriteString("Settings", "Not A Number", "12abc"));
    ASSERT_TRUE(file.WriteString("", "TopLevel", "yes"));

    EXPECT_EQ(file.ReadInt("Settings", "num of diagrams").value_or(0), 4);
    EXPECT_EQ(file.ReadInt("Settings", "Negative").value_or(0), -2147483648LL);
    EXPECT_EQ(file.ReadString("Settings", "Font Name").value_or(""),
              "Sans, Bold \"x\" = 1; \xC3\xA4");
    EXPECT_FALSE(file.ReadInt("Settings", "Not A Number").has_value());
    EXPECT_FALSE(file.ReadInt("Settings", "Missing").has_value());
    EXPECT_EQ(file.ReadString("", "toplevel").value_or(""), "yes");

    std::vector<std::string> names = file.ValueNames("settings");
    EXPECT_EQ(names.size(), 4u);
    EXPECT_TRUE(file.ValueNames("Nothing").empty());

    EXPECT_TRUE(file.Remove("SETTINGS", "negative"));
    EXPECT_FALSE(file.ReadInt("Settings", "Negative").has_value());
    EXPECT_EQ(file.ValueNames("Settings").size(), 3u);
}

TEST(SettingsFile, FailedWritesAreReportedAndChangeNothing) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::ScopedConfigDirs dirs;
    std::filesystem::create_directories(dirs.MachineDir() + "/Vantorelline");
    ::chmod((dirs.MachineDir() + "/Vantorelline").c_str(), 0555);
    SettingsFile machine(SettingsScope::Machine, "Vantorelline");
    EXPECT_FALSE(machine.WriteString("", "Path", "/opt/x"));
    EXPECT_FALSE(std::filesystem::exists(machine.Path()));
    ::chmod((dirs.MachineDir() + "/Vantorelline").c_str(), 0755);
}

TEST(SettingsFile, FailedWriteAsRootThroughAFileInTheWay) {
    test::ScopedConfigDirs dirs;
    // A plain file where the folder should be cannot be written through, even by root.
    std::filesystem::create_directories(dirs.MachineDir());
    test::WriteTextFile(dirs.MachineDir() + "/Vantorelline", "in the way");
    SettingsFile machine(SettingsScope::Machine, "Vantorelline");
    EXPECT_FALSE(machine.WriteString("", "Path", "/opt/x"));
    EXPECT_FALSE(machine.ReadString("", "Path").has_value());
}

}  // namespace
}  // namespace grafyon

namespace grafyon {
namespace {

TEST(SettingsFile, BatchesReachTheFileOnceAtTheEnd) {
    test::ScopedConfigDirs dirs;
    SettingsFile file(SettingsScope::User, "Grafyon");
    file.BeginBatch();
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(file.WriteInt("Colors", "Color" + std::to_string(i), i));
    EXPECT_FALSE(std::filesystem::exists(file.Path()));           // nothing written yet
    EXPECT_EQ(file.ReadInt("Colors", "color7").value_or(-1), 7);  // but readable at once
    EXPECT_TRUE(file.EndBatch());
    SettingsFile other(SettingsScope::User, "Grafyon");
    EXPECT_EQ(other.ValueNames("Colors").size(), 50u);

    // A batch whose file cannot be written reports it at the end.
    std::filesystem::create_directories(dirs.MachineDir());
    test::WriteTextFile(dirs.MachineDir() + "/Vantorelline", "in the way");
    SettingsFile blocked(SettingsScope::Machine, "Vantorelline");
    blocked.BeginBatch();
    blocked.WriteString("", "Path", "/x");
    EXPECT_FALSE(blocked.EndBatch());
}

}  // namespace
}  // namespace grafyon
