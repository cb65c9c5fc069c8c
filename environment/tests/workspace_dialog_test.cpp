// The workspace dialogs on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "environment/environment_core.h"
#include "environment/ui/workspace_dialog.h"
#include "test_support.h"

namespace grafyon::environment {
namespace {

TEST(WorkspaceDialog, ShowsAndSetsTheLocalFilterPath) {
    test::ScopedConfigDirs dirs;
    ASSERT_TRUE(WriteFamilyString(SettingsScope::User, "ExportFilter", "LocalPath", "/old/path"));
    EnvironmentVariablesDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Umgebungsvariablen");
    EXPECT_EQ(dialog.PathEdit()->text(), "/old/path");
    dialog.PathEdit()->setText("/new/path");
    // Nothing is stored before "&Set".
    std::string stored;
    ReadFamilyString(SettingsScope::User, "ExportFilter", "LocalPath", stored);
    EXPECT_EQ(stored, "/old/path");
    dialog.findChild<QPushButton*>("set")->click();
    ReadFamilyString(SettingsScope::User, "ExportFilter", "LocalPath", stored);
    EXPECT_EQ(stored, "/new/path");
}

TEST(WorkspaceDialog, EmptyFieldWithoutAValueAndBrowseStart) {
    test::ScopedConfigDirs dirs;
    EnvironmentVariablesDialog dialog;
    EXPECT_EQ(dialog.PathEdit()->text(), "");
    EXPECT_EQ(EnvironmentVariablesDialog::BrowseStart("/data/filters/  "), "/data/filters");
    EXPECT_EQ(EnvironmentVariablesDialog::BrowseStart("/data/filters//"), "/data/filters/");
    EXPECT_EQ(EnvironmentVariablesDialog::BrowseStart("/"), "/");
}

TEST(WorkspaceDialog, EnglishTitleWithAnEnglishLocale) {
    test::ScopedEnv lang("LC_ALL", "C");
    WorkspaceDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Workspace configuration");
}

TEST(WorkspaceDialog, GermanTitleWithAGermanLocale) {
    test::ScopedEnv lang("LC_ALL", "de_DE.UTF-8");
    WorkspaceDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Arbeitsumgebung konfigurieren");
}

}  // namespace
}  // namespace grafyon::environment

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
