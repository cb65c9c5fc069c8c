// Property lookup and folder set-up of the environment library.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "environment/environment_core.h"
#include "test_support.h"

namespace grafyon::environment {
namespace {

class EnvironmentTest : public ::testing::Test {
protected:
    void Machine(std::string_view subkey, std::string_view name, std::string_view value) {
        ASSERT_TRUE(WriteFamilyString(SettingsScope::Machine, subkey, name, value));
    }
    void User(std::string_view subkey, std::string_view name, std::string_view value) {
        ASSERT_TRUE(WriteFamilyString(SettingsScope::User, subkey, name, value));
    }
    std::optional<std::string> Read(SettingsScope scope, std::string_view subkey,
                                    std::string_view name) {
        std::string value;
        if (!ReadFamilyString(scope, subkey, name, value))
            return std::nullopt;
        return value;
    }

    test::ScopedConfigDirs m_dirs;
};

TEST_F(EnvironmentTest, UnknownNumbersReturnOneAndLeaveTheString) {
    for (int number : {0, 16, -1, 1000}) {
        std::string value = "keep";
        EXPECT_EQ(GetProperty(number, value), 1) << number;
        EXPECT_EQ(value, "keep");
    }
    // The table ends with number 0 and holds 1..15 in order.
    int expected = 1;
    for (const PropertyEntry* e = PropertyTable(); e->number != 0; ++e)
        EXPECT_EQ(e->number, expected++);
    EXPECT_EQ(expected, 16);
}

TEST_F(EnvironmentTest, PropertiesReadTheirScopeAndJoinPaths) {
    Machine("", "Path", "/opt/vantorelline");
    User("", "Path", "/home/user/family");
    User("ExportFilter", "LocalPath", "/home/user/filters");
    Machine("ExportFilter", "GroupPath", "/srv/group");  // user scope only for property 2
    Machine("Analyzer", "Path", "/opt/analyzer");

    std::string value;
    EXPECT_EQ(GetProperty(1, value), 0);
    EXPECT_EQ(value, "/home/user/filters");
    value = "unchanged";
    EXPECT_EQ(GetProperty(2, value), 0);
    EXPECT_EQ(value, "unchanged");
    EXPECT_EQ(GetProperty(3, value), 0);
    EXPECT_EQ(value, "/opt/vantorelline/OEM/OemAdr.ini");
    EXPECT_EQ(GetProperty(4, value), 0);
    EXPECT_EQ(value, "/opt/vantorelline/OEM/OemSmall.bmp");
    EXPECT_EQ(GetProperty(5, value), 0);
    EXPECT_EQ(value, "/opt/vantorelline/OEM/OemLarge.bmp");
    EXPECT_EQ(GetProperty(7, value), 0);
    EXPECT_EQ(value, "/opt/vantorelline");
    EXPECT_EQ(GetProperty(9, value), 0);
    EXPECT_EQ(value, "/opt/analyzer");
}

// Every folder below root, to see that a call created none.
std::vector<std::string> FoldersBelow(const std::string& root) {
    std::vector<std::string> folders;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ec)) {
        if (entry.is_directory())
            folders.push_back(entry.path().string());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

TEST_F(EnvironmentTest, WithoutAnInstallationNothingIsCreatedOrSet) {
    const std::vector<std::string> before = FoldersBelow(m_dirs.Dir().Path().string());
    Initial();
    EXPECT_EQ(FoldersBelow(m_dirs.Dir().Path().string()), before);
    EXPECT_FALSE(Read(SettingsScope::User, "ExportFilter", "LocalPath"));
    EXPECT_FALSE(Read(SettingsScope::User, "ExportFilter", "GroupPath"));
    EXPECT_FALSE(Read(SettingsScope::Machine, "ExportFilter", "LocalPath"));
    EXPECT_FALSE(std::filesystem::exists(m_dirs.UserDir() + "/Vantorelline/Vantorelline.ini"));
    // A missing installation path leaves the caller's string as it was.
    std::string value = "kept";
    EXPECT_EQ(GetProperty(7, value), 0);
    EXPECT_EQ(value, "kept");
    value.clear();
    // The OEM paths still join the empty installation folder.
    EXPECT_EQ(GetProperty(3, value), 0);
    EXPECT_EQ(value, "/OEM/OemAdr.ini");
}

TEST_F(EnvironmentTest, InitialCreatesTheLocalFolderFromTheInstallation) {
    const std::string install = m_dirs.Dir() / "install";
    std::filesystem::create_directories(install);
    Machine("", "Path", install);
    Initial();
    const std::string local = install + "/ExportFilter";
    EXPECT_TRUE(std::filesystem::is_directory(local));
    EXPECT_EQ(Read(SettingsScope::User, "ExportFilter", "LocalPath").value_or(""), local);
    EXPECT_EQ(Read(SettingsScope::Machine, "ExportFilter", "LocalPath").value_or(""), local);
    // The group folder is only ever taken over, never invented.
    EXPECT_FALSE(Read(SettingsScope::User, "ExportFilter", "GroupPath"));

    // A second start finds everything in place and changes nothing.
    Initial();
    EXPECT_EQ(Read(SettingsScope::User, "ExportFilter", "LocalPath").value_or(""), local);
}

TEST_F(EnvironmentTest, MachineValuesAreTakenOverButUserValuesWin) {
    Machine("", "Path", "/nonexistent/install");
    Machine("ExportFilter", "LocalPath", "/machine/local");
    Machine("ExportFilter", "GroupPath", "/machine/group");
    User("ExportFilter", "LocalPath", "/mine");
    Initial();
    EXPECT_EQ(Read(SettingsScope::User, "ExportFilter", "LocalPath").value_or(""), "/mine");
    EXPECT_EQ(Read(SettingsScope::User, "ExportFilter", "GroupPath").value_or(""),
              "/machine/group");
    EXPECT_FALSE(std::filesystem::exists("/nonexistent/install/ExportFilter"));
}

TEST_F(EnvironmentTest, NamesMatchRegardlessOfCase) {
    User("exportfilter", "localpath", "/lower");
    std::string value;
    EXPECT_EQ(GetProperty(1, value), 0);
    EXPECT_EQ(value, "/lower");
    Initial();  // the existing value is recognised, not duplicated
    EXPECT_EQ(SettingsFile(SettingsScope::User, "Vantorelline").ValueNames("ExportFilter").size(),
              1u);
}

TEST_F(EnvironmentTest, CheckAndCreateDirectoryWithADefaultBase) {
    const std::string base = m_dirs.Dir() / "base";
    std::filesystem::create_directories(base);
    CheckAndCreateDirectory("Reports", "Folder", base.c_str());
    EXPECT_TRUE(std::filesystem::is_directory(base + "/Reports"));
    EXPECT_EQ(Read(SettingsScope::User, "Reports", "Folder").value_or(""), base + "/Reports");
    // Null and empty bases leave everything unset.
    CheckAndCreateDirectory("Other", "Folder", nullptr);
    CheckAndCreateDirectory("Other", "Folder", "");
    EXPECT_FALSE(Read(SettingsScope::User, "Other", "Folder"));
}

}  // namespace
}  // namespace grafyon::environment
