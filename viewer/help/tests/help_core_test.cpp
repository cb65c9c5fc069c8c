// Where the user manual is found: build tree, installation, language fallback, bad names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"
#include "viewer/help/user_manual_path.h"

namespace grafyon {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>";
}

const std::vector<std::string> GERMAN_FIRST{"GrafyonDeu.html", "GrafyonEnu.html"};

TEST(UserManualPath, BesideTheExecutableTheTranslatedNameComesFirst) {
    test::TempDir dir;
    const fs::path bin = dir.Path() / "bin";
    fs::create_directories(bin);
    EXPECT_FALSE(ResolveUserManualPath(bin, GERMAN_FIRST).has_value());

    Touch(bin / "help" / "GrafyonEnu.html");
    // Without the German manual the English one is taken.
    EXPECT_EQ(ResolveUserManualPath(bin, GERMAN_FIRST), bin / "help" / "GrafyonEnu.html");
    Touch(bin / "help" / "GrafyonDeu.html");
    EXPECT_EQ(ResolveUserManualPath(bin, GERMAN_FIRST), bin / "help" / "GrafyonDeu.html");
    EXPECT_EQ(ResolveUserManualPath(bin, {"GrafyonEnu.html"}), bin / "help" / "GrafyonEnu.html");
    EXPECT_FALSE(ResolveUserManualPath(bin, {}).has_value());
}

TEST(UserManualPath, AnInstallationKeepsItUnderShare) {
    test::TempDir dir;
    const fs::path bin = dir.Path() / "bin";
    fs::create_directories(bin);
    Touch(dir.Path() / "share" / "grafyon" / "help" / "GrafyonEnu.html");
    EXPECT_EQ(ResolveUserManualPath(bin, GERMAN_FIRST),
              dir.Path() / "share" / "grafyon" / "help" / "GrafyonEnu.html");
    // A manual beside the executable wins over the installed one, whatever the language.
    Touch(bin / "help" / "GrafyonEnu.html");
    EXPECT_EQ(ResolveUserManualPath(bin, GERMAN_FIRST), bin / "help" / "GrafyonEnu.html");

    const std::vector<fs::path> folders = UserManualFolders(bin);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], bin / "help");
    EXPECT_EQ(folders[1], dir.Path() / "share" / "grafyon" / "help");
}

TEST(UserManualPath, FoldersAndNamesWithAPathAreNotTaken) {
    test::TempDir dir;
    const fs::path bin = dir.Path() / "bin";
    fs::create_directories(bin / "help" / "GrafyonEnu.html");  // a folder, not a file
    Touch(bin / "secret.html");
    Touch(bin / "help" / "sub" / "page.html");
    EXPECT_FALSE(ResolveUserManualPath(bin, {"GrafyonEnu.html"}).has_value());
    EXPECT_FALSE(ResolveUserManualPath(bin, {"../secret.html"}).has_value());
    EXPECT_FALSE(ResolveUserManualPath(bin, {"sub/page.html"}).has_value());
    EXPECT_FALSE(ResolveUserManualPath(bin, {(bin / "secret.html").string()}).has_value());
    EXPECT_FALSE(ResolveUserManualPath(bin, {"", ".", ".."}).has_value());
    EXPECT_FALSE(ResolveUserManualPath("", {"GrafyonEnu.html"}).has_value());
}

}  // namespace
}  // namespace grafyon
