// The command-line parser: switch names, short forms, filter name orderings, "/" paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/app/grafyon_command_line_info.h"

namespace grafyon {
namespace {

CGrafyonCommandLineInfo Parse(const std::vector<std::string>& parameters) {
    CGrafyonCommandLineInfo info;
    info.ParseCommandLine(parameters);
    return info;
}

TEST(CommandLine, NoParametersKeepTheInitialRecord) {
    const CGrafyonCommandLineInfo info = Parse({});
    EXPECT_EQ(info.m_shellCommand, ShellCommand::FileNew);
    EXPECT_TRUE(info.m_showSplash);
    EXPECT_FALSE(info.m_expectFilterName);
    EXPECT_TRUE(info.m_fileName.empty());
}

TEST(CommandLine, EverySpellingOfNoSplashSuppressesTheSplash) {
    for (const char* spelling : {"/ns", "-NS", "/NOSPLASH", "-nosplash", "/NoSplash"}) {
        const CGrafyonCommandLineInfo info = Parse({"file.mdf", spelling});
        EXPECT_TRUE(info.m_noSplash) << spelling;
        EXPECT_FALSE(info.m_showSplash) << spelling;
        EXPECT_EQ(info.m_fileName, "file.mdf") << spelling;
        EXPECT_EQ(info.m_shellCommand, ShellCommand::FileOpen) << spelling;
    }
}

TEST(CommandLine, OwnSwitchesAndShortFormsAnyCase) {
    const CGrafyonCommandLineInfo info =
        Parse({"-hide", "/ax", "-debugmonitor", "/DEBUGFILE", "data.mdf"});
    EXPECT_TRUE(info.m_hide);
    EXPECT_TRUE(info.m_autoExit);
    EXPECT_TRUE(info.m_debugMonitor);
    EXPECT_TRUE(info.m_debugFile);
    EXPECT_FALSE(info.m_noSplash);
    EXPECT_TRUE(info.m_showSplash);
    EXPECT_EQ(info.m_fileName, "data.mdf");

    const CGrafyonCommandLineInfo longForm = Parse({"/AutoExit", "x.mdf"});
    EXPECT_TRUE(longForm.m_autoExit);
}

TEST(CommandLine, FileBeforeTheFilterAsUsual) {
    const CGrafyonCommandLineInfo info = Parse({"data.mdf", "/EF", "Standard", "/AX", "/Hide"});
    EXPECT_EQ(info.m_fileName, "data.mdf");
    EXPECT_EQ(info.m_shellCommand, ShellCommand::FileOpen);
    EXPECT_EQ(info.m_filterName, "Standard");
    EXPECT_TRUE(info.m_expectFilterName);  // now: an export was requested
    EXPECT_TRUE(info.m_autoExit);
    EXPECT_TRUE(info.m_hide);
    EXPECT_FALSE(info.m_showSplash);  // a filter name suppresses the splash
}

TEST(CommandLine, FilterNameAsLastParameterIsAlsoTheFileToOpen) {
    const CGrafyonCommandLineInfo info = Parse({"/EF", "MyFilter"});
    EXPECT_EQ(info.m_filterName, "MyFilter");
    EXPECT_EQ(info.m_fileName, "MyFilter");
    EXPECT_EQ(info.m_shellCommand, ShellCommand::FileOpen);
    EXPECT_TRUE(info.m_expectFilterName);
}

TEST(CommandLine, FilterNameAfterAnotherSwitchIsTheFilter) {
    // The plain parameter after /EF is the filter, /Hide in between notwithstanding; being
    // last, it reaches the framework's parser as well, like any last parameter.
    const CGrafyonCommandLineInfo info = Parse({"/EF", "/Hide", "file.mdf"});
    EXPECT_EQ(info.m_filterName, "file.mdf");
    EXPECT_TRUE(info.m_hide);
    EXPECT_TRUE(info.m_expectFilterName);
    // The framework takes the first plain parameter it sees as the file to open.
    EXPECT_EQ(info.m_fileName, "file.mdf");

    // Not last: only the filter, no file.
    const CGrafyonCommandLineInfo notLast = Parse({"/EF", "/Hide", "Standard", "/AX"});
    EXPECT_EQ(notLast.m_filterName, "Standard");
    EXPECT_TRUE(notLast.m_fileName.empty());
    EXPECT_EQ(notLast.m_shellCommand, ShellCommand::FileNew);
    EXPECT_TRUE(notLast.m_expectFilterName);
}

TEST(CommandLine, ExportFilterWithoutANameRequestsNoExport) {
    for (const auto& parameters : std::vector<std::vector<std::string>>{
             {"data.mdf", "/EF"}, {"data.mdf", "-ExportFilter", "/AX"}}) {
        const CGrafyonCommandLineInfo info = Parse(parameters);
        EXPECT_FALSE(info.m_expectFilterName);
        EXPECT_TRUE(info.m_filterName.empty());
        EXPECT_EQ(info.m_fileName, "data.mdf");
        EXPECT_TRUE(info.m_showSplash);
    }
}

TEST(CommandLine, FurtherFilesAreKeptInOrder) {
    const CGrafyonCommandLineInfo several = Parse({"a.mdf", "b.mcf", "/NS", "c.tks"});
    EXPECT_EQ(several.m_fileName, "a.mdf");
    EXPECT_EQ(several.m_moreFileNames, (std::vector<std::string>{"b.mcf", "c.tks"}));
    EXPECT_EQ(several.m_shellCommand, ShellCommand::FileOpen);

    // The filter name is no file, also as the last parameter, which the framework sees too.
    const CGrafyonCommandLineInfo filterLast = Parse({"a.mdf", "b.mdf", "/EF", "Standard"});
    EXPECT_EQ(filterLast.m_moreFileNames, std::vector<std::string>{"b.mdf"});
    EXPECT_EQ(filterLast.m_filterName, "Standard");
    const CGrafyonCommandLineInfo one = Parse({"a.mdf"});
    EXPECT_TRUE(one.m_moreFileNames.empty());

    // Print-to takes its printer, driver and port, not files.
    const CGrafyonCommandLineInfo printTo = Parse({"/pt", "a.mdf", "printer", "driver", "port"});
    EXPECT_TRUE(printTo.m_moreFileNames.empty());
}

TEST(CommandLine, LastFilterNameWins) {
    const CGrafyonCommandLineInfo info = Parse({"d.mdf", "/EF", "a", "/EF", "b", "/NS"});
    EXPECT_EQ(info.m_filterName, "b");
    EXPECT_EQ(info.m_fileName, "d.mdf");
}

TEST(CommandLine, SlashBeginsASwitchOnlyForKnownNames) {
    const CGrafyonCommandLineInfo info = Parse({"/data/run.mdf", "/NS"});
    EXPECT_EQ(info.m_fileName, "/data/run.mdf");
    EXPECT_EQ(info.m_shellCommand, ShellCommand::FileOpen);

    // A folder that happens to be called like a switch is still a switch: "/hide" alone.
    EXPECT_TRUE(CGrafyonCommandLineInfo::IsSwitch("/hide"));
    EXPECT_FALSE(CGrafyonCommandLineInfo::IsSwitch("/hide/file.mdf"));
    EXPECT_FALSE(CGrafyonCommandLineInfo::IsSwitch("/tmp"));
    EXPECT_TRUE(CGrafyonCommandLineInfo::IsSwitch("-anything"));
    EXPECT_FALSE(CGrafyonCommandLineInfo::IsSwitch("relative.mdf"));
    EXPECT_FALSE(CGrafyonCommandLineInfo::IsSwitch(""));
}

TEST(CommandLine, UnknownSwitchesAreIgnored) {
    const CGrafyonCommandLineInfo info = Parse({"-verbose", "data.mdf", "-x"});
    EXPECT_EQ(info.m_fileName, "data.mdf");
    EXPECT_FALSE(info.m_hide);
    EXPECT_FALSE(info.m_autoExit);
    EXPECT_TRUE(info.m_showSplash);
}

TEST(CommandLine, FrameworkSwitchesKeepTheirMeaning) {
    EXPECT_EQ(Parse({"/p", "data.mdf"}).m_shellCommand, ShellCommand::FilePrint);
    EXPECT_EQ(Parse({"/dde"}).m_shellCommand, ShellCommand::FileDDE);
    EXPECT_EQ(Parse({"/Unregister"}).m_shellCommand, ShellCommand::AppUnregister);
    EXPECT_EQ(Parse({"-unregserver"}).m_shellCommand, ShellCommand::AppUnregister);

    const CGrafyonCommandLineInfo printTo = Parse({"/pt", "data.mdf", "printer", "driver", "port"});
    EXPECT_EQ(printTo.m_shellCommand, ShellCommand::FilePrintTo);
    EXPECT_EQ(printTo.m_fileName, "data.mdf");
    EXPECT_EQ(printTo.m_printerName, "printer");
    EXPECT_EQ(printTo.m_driverName, "driver");
    EXPECT_EQ(printTo.m_portName, "port");

    // Accepted and recorded; an embedded or automated start shows no splash.
    const CGrafyonCommandLineInfo embedded = Parse({"/Embedding"});
    EXPECT_TRUE(embedded.m_runEmbedded);
    EXPECT_FALSE(embedded.m_showSplash);
    EXPECT_TRUE(embedded.m_fileName.empty());
    const CGrafyonCommandLineInfo automated = Parse({"-Automation", "x.mdf"});
    EXPECT_TRUE(automated.m_runAutomated);
    EXPECT_FALSE(automated.m_showSplash);
    EXPECT_EQ(automated.m_fileName, "x.mdf");
    EXPECT_TRUE(Parse({"x.mdf"}).m_showSplash);
}

TEST(CommandLine, OwnSwitchAsLastParameterAlsoReachesTheFramework) {
    // The framework ignores it; the record must not take it for a file.
    const CGrafyonCommandLineInfo info = Parse({"/Hide"});
    EXPECT_TRUE(info.m_hide);
    EXPECT_TRUE(info.m_fileName.empty());
    EXPECT_EQ(info.m_shellCommand, ShellCommand::FileNew);
}

TEST(CommandLine, SecondPlainParameterIsNotASecondFile) {
    const CGrafyonCommandLineInfo info = Parse({"first.mdf", "second.mdf"});
    EXPECT_EQ(info.m_fileName, "first.mdf");
    EXPECT_TRUE(info.m_printerName.empty());
}

}  // namespace
}  // namespace grafyon
