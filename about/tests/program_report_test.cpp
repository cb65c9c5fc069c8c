// The program report's lines with fake callbacks, and the report file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "about/program_report.h"
#include "about/report_file.h"
#include "about/support_address.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

int ModulesOneAndThree(int index, std::string& module, int& major, int& minor, int& build,
                       std::string& date, void* user) {
    ++*static_cast<int*>(user);
    if (index != 1 && index != 3)
        return 0;
    module = index == 1 ? "Environment DLL" : "Export Filter DLL";
    major = 1;
    minor = index;
    build = 10 + index;
    date = "2024-02-0" + std::to_string(index);
    return 1;
}

int TwoOptions(int index, int& status, std::string& name, std::string& comment, void*) {
    if (index != 0 && index != 127)
        return 0;
    status = index == 0 ? 1 : 0;
    name = "Opt" + std::to_string(index);
    comment = "100% sure";
    return 1;
}

int SettingsLines(int index, std::string& line, void*) {
    if (index == 0 || index == 1023) {
        line = "Line " + std::to_string(index);
        return 1;
    }
    return 0;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(ProgramReport, EveryBlockWithFakeCallbacks) {
    int moduleCalls = 0;
    BriselSettings settings;
    settings.versionPage = true;
    settings.program = "Grafy";
    settings.major = 1;
    settings.minor = 2;
    settings.build = 34;
    settings.date = "2024-03-01";
    settings.moduleCallback = &ModulesOneAndThree;
    settings.moduleUser = &moduleCalls;
    settings.optionCallback = &TwoOptions;
    settings.settingsCallback = &SettingsLines;
    const OemProfile oem = OemProfile::FromBytes("[Support]\nCompany=OEM AG\n");
    const ModuleRow library{0, "About DLL", 1, 0, 1, "2024-01-01"};
    const AddressBlock family = BuiltInAddress();
    const std::string rule(60, '=');
    const std::string expected =
        rule + "\nVantorelline Program Report\n" + rule +
        "\n\nProgram: Grafy\nVersion: 1.2\nBuildNo: 34\nDate: 2024-03-01\n\n"
        "Support address\n===============\n"
        "Please send this report to the following address:\n\n"
        "OEM AG\n" +
        family.street + "\n" + family.town + "\n" + family.land + "\n" + family.telefon + "\n" +
        family.telefax + "\n" + family.internet + "\n" + family.email + "\n" + family.bbs +
        "\n\nModul versions\n==============\n"
        "No. - Modul - Version - Build - Date\n"
        "  1 - About DLL - 1.0 - 1 - 2024-01-01\n"
        "  2 - Environment DLL - 1.1 - 11 - 2024-02-01\n"
        "  4 - Export Filter DLL - 1.3 - 13 - 2024-02-03\n"
        "\nEnvironment settings\nTARKO: C:\\tarko %s\n"
        "\nProgram options\nNo. - Status - Name - Comment\n"
        "  1 -  1 - Opt0 - 100% sure\n"
        "128 -  0 - Opt127 - 100% sure\n"
        "\nProgram settings\nLine 0\nLine 1023\n\n" +
        rule + "\n" + family.company + "\n" + family.street + "\n" + family.town + "\n" +
        family.land + "\nEnd Of Report\n" + rule + "\n";
    EXPECT_EQ(Joined(ProgramReportLines(settings, oem, library, "C:\\tarko %s")), expected);
    // Indexes 1 to 31; index 0 is the library itself and never asked.
    EXPECT_EQ(moduleCalls, 31);
}

TEST(ProgramReport, WithoutPagesOrCallbacksAndWithTarkoUnset) {
    const std::vector<std::string> lines = ProgramReportLines({}, {}, {}, nullptr);
    const std::string text = Joined(lines);
    EXPECT_EQ(text.find("Program:"), std::string::npos);
    EXPECT_EQ(text.find("Modul versions"), std::string::npos);
    EXPECT_EQ(text.find("Program options"), std::string::npos);
    EXPECT_EQ(text.find("Program settings"), std::string::npos);
    EXPECT_NE(text.find("\nTARKO: \n"), std::string::npos);
    EXPECT_EQ(lines[3], "Support address");
}

TEST(ReportFile, PerUserFolderTruncatedNeverThroughALink) {
    test::TempDir dir;
    {
        test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
        EXPECT_EQ(ReportFilePath(), dir / "Vantorel.log");
    }
    {
        test::ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
        test::ScopedEnv cache("XDG_CACHE_HOME", dir / "cache");
        EXPECT_EQ(ReportFilePath(), dir / "cache/Vantorel.log");
        struct stat info {};
        ASSERT_EQ(::stat((dir / "cache").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    const std::string path = dir / "Vantorel.log";
    test::WriteTextFile(path, std::string(1000, 'o'));
    ASSERT_TRUE(WriteReportFile(path, {"a", "", "b"}));
    EXPECT_EQ(ReadReportFile(path), "a\n\nb\n");

    // A link planted under the name is neither followed nor replaced.
    const std::string victim = dir / "victim";
    test::WriteTextFile(victim, "keep");
    const std::string planted = dir / "planted.log";
    std::filesystem::create_symlink(victim, planted);
    EXPECT_FALSE(WriteReportFile(planted, {"x"}));
    EXPECT_FALSE(ReadReportFile(planted));
    EXPECT_EQ(test::ReadTextFile(victim), "keep");
    std::filesystem::create_directory(dir / "folder.log");
    EXPECT_FALSE(WriteReportFile(dir / "folder.log", {"x"}));
    EXPECT_FALSE(WriteReportFile("", {"x"}));
}

}  // namespace
}  // namespace grafyon::about
