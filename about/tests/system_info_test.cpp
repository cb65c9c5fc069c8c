// Memory and disk texts of the System page.
#include <gtest/gtest.h>

#include <regex>

#include "about/system_info.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

TEST(SystemInfo, RamAndDiskTexts) {
    test::ScopedEnv english("LC_ALL", "C");
    EXPECT_TRUE(std::regex_match(RamText(), std::regex("[1-9][0-9]* kByte")));
    test::TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::string disk = DiskText();
    std::filesystem::current_path(old);
    EXPECT_TRUE(std::regex_match(disk, std::regex("[0-9]+ kByte free on /.*"))) << disk;
    EXPECT_EQ(disk.substr(disk.find(" on ") + 4), MountPointOf(dir.Path().string()));
    test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    EXPECT_NE(DiskText().find(" kByte frei auf /"), std::string::npos);
}

TEST(SystemInfo, MountPointAndUnreadableVolume) {
    EXPECT_EQ(MountPointOf("/"), "/");
    EXPECT_FALSE(VolumeFreeSpace("/nonexistent/folder"));
}

}  // namespace
}  // namespace grafyon::about
