// Choosing the language code and the module file, and refusing unreadable modules.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"
#include "viewer/app/doc_template_string.h"
#include "viewer/app/language_module.h"
#include "viewer/app/language_selection.h"

namespace grafyon {
namespace {

TEST(LanguageSelection, StoredCodeWins) {
    EXPECT_EQ(SelectLanguageCode("DEU", false), "DEU");
    EXPECT_EQ(SelectLanguageCode("FRA", true), "FRA");
    EXPECT_EQ(SelectLanguageCode("deu", false), "DEU");  // file names on Linux are exact
}

TEST(LanguageSelection, MissingOrEmptyFallsBackToTheUserLocale) {
    EXPECT_EQ(SelectLanguageCode(std::nullopt, true), "DEU");
    EXPECT_EQ(SelectLanguageCode(std::string(), true), "DEU");
    EXPECT_EQ(SelectLanguageCode(std::nullopt, false), std::nullopt);
    EXPECT_EQ(SelectLanguageCode(std::string(), false), std::nullopt);
}

TEST(LanguageSelection, EnglishIsTheBuiltInLanguage) {
    EXPECT_EQ(SelectLanguageCode("ENU", false), std::nullopt);
    EXPECT_EQ(SelectLanguageCode("enu", true), std::nullopt);
}

TEST(LanguageSelection, OnlyThreeLettersCount) {
    // Anything else is taken as missing, so no path can reach the file name.
    for (const char* bad : {"../x", "DE", "DEUT", "D/U", "1EU", "DE ", "/..", "D\xc3\xa4U"}) {
        EXPECT_EQ(SelectLanguageCode(std::string(bad), false), std::nullopt) << bad;
        EXPECT_EQ(SelectLanguageCode(std::string(bad), true), "DEU") << bad;
    }
}

TEST(LanguageSelection, ModuleFileBesideTheExecutable) {
    EXPECT_EQ(LanguageModulePath("/opt/grafyon/bin/Grafyon", "DEU"),
              "/opt/grafyon/bin/Grafyon.DEU");
    EXPECT_EQ(LanguageModulePath("/usr/bin/Grafyon", "FRA"), "/usr/bin/Grafyon.FRA");
}

TEST(LanguageSelection, UnreadableModulesAreMissing) {
    test::TempDir dir;
    EXPECT_EQ(CheckLanguageModule("/proc/self/exe", dir / "Grafyon.FRA"), LanguageCheck::Missing);
    // A folder of that name is no module either.
    ASSERT_EQ(::mkdir((dir / "Grafyon.DEU").c_str(), 0755), 0);
    EXPECT_EQ(CheckLanguageModule("/proc/self/exe", dir / "Grafyon.DEU"), LanguageCheck::Missing);
    if (::geteuid() != 0) {
        test::WriteTextFile(dir / "Grafyon.ITA", "x");
        ASSERT_EQ(::chmod((dir / "Grafyon.ITA").c_str(), 0), 0);
        EXPECT_EQ(CheckLanguageModule("/proc/self/exe", dir / "Grafyon.ITA"),
                  LanguageCheck::Missing);
    }
}

TEST(LanguageSelection, ModulesWithoutAVersionAreOutOfDate) {
    test::TempDir dir;
    test::WriteTextFile(dir / "Grafyon.DEU", "not an ELF file");
    EXPECT_EQ(ModuleVersionText(dir / "Grafyon.DEU"), std::nullopt);
    EXPECT_EQ(CheckLanguageModule("/proc/self/exe", dir / "Grafyon.DEU"), LanguageCheck::OutOfDate);
}

TEST(LanguageModule, RefusesFilesThatAreNoLanguageModule) {
    test::TempDir dir;
    test::WriteTextFile(dir / "Grafyon.DEU", "not an ELF file");
    LanguageModule module;
    EXPECT_FALSE(module.Load(dir / "Grafyon.DEU"));
    EXPECT_FALSE(module.IsLoaded());
    EXPECT_TRUE(module.TranslationData().empty());
    // A shared object without the two symbols.
    EXPECT_FALSE(module.Load("libc.so.6"));
    EXPECT_FALSE(module.IsLoaded());
}

TEST(DocTemplateString, PartsOfTheViewersTemplate) {
    const char* text = "Grafy\n\nNew\nData files (*.mcf)\n.mcf\nGrafyon.Document\nData file";
    EXPECT_EQ(DocTemplateSubString(text, DOC_WINDOW_TITLE), "Grafy");
    EXPECT_EQ(DocTemplateSubString(text, DOC_NAME), "");
    EXPECT_EQ(DocTemplateSubString(text, DOC_FILE_NEW_NAME), "New");
    EXPECT_EQ(DocTemplateSubString(text, DOC_FILTER_NAME), "Data files (*.mcf)");
    EXPECT_EQ(DocTemplateSubString(text, DOC_FILTER_EXTENSION), ".mcf");
    EXPECT_EQ(DocTemplateSubString(text, DOC_REG_FILE_TYPE_ID), "Grafyon.Document");
    EXPECT_EQ(DocTemplateSubString(text, DOC_REG_FILE_TYPE_NAME), "Data file");
    EXPECT_EQ(DocTemplateSubString(text, 7), "");
    EXPECT_EQ(DocTemplateSubString(text, -1), "");
    EXPECT_EQ(DocTemplateSubString("Only", DOC_WINDOW_TITLE), "Only");
}

}  // namespace
}  // namespace grafyon
