// The built Grafyon executable, run as a user or a script would run it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr int RUN_TIMEOUT_MS = 60000;

std::string BinDir() {
    const char* dir = std::getenv("GRAFYON_BIN_DIR");
    return dir ? dir : GRAFYON_BIN_DIR_DEFAULT;
}

struct RunResult {
    bool finished = false;
    int exitCode = -1;
    std::string standardError;
};

// Every run gets its own home, settings, data and runtime folders and no display.
class GrafyonRun : public ::testing::Test {
protected:
    GrafyonRun() {
        for (const char* folder : {"config", "machine", "data", "runtime"}) {
            std::filesystem::create_directories(m_dir / folder);
        }
        ::chmod((m_dir / "runtime").c_str(), 0700);
        m_env.insert("PATH", qEnvironmentVariable("PATH", "/usr/bin:/bin"));
        m_env.insert("HOME", QString::fromStdString(m_dir.Path().string()));
        m_env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_dir / "config"));
        m_env.insert("XDG_CONFIG_DIRS", QString::fromStdString(m_dir / "machine"));
        m_env.insert("XDG_DATA_HOME", QString::fromStdString(m_dir / "data"));
        m_env.insert("XDG_RUNTIME_DIR", QString::fromStdString(m_dir / "runtime"));
        m_env.insert("LC_ALL", "C");
        m_env.insert("QT_QPA_PLATFORM", "offscreen");
    }

    void WriteLanguageId(const std::string& code) {
        std::filesystem::create_directories(m_dir / "config/Vantorelline");
        grafyon::test::WriteTextFile(m_dir / "config/Vantorelline/Grafyon.ini",
                                     "[Settings]\nLanguageID=" + code + "\n");
    }

    // A copy of the program and its libraries, with moduleFile (if any) as Grafyon.DEU.
    std::string ProgramCopy(const std::string& moduleFile) {
        const std::filesystem::path folder = m_dir.Path() / "program";
        std::filesystem::create_directories(folder);
        for (const auto& entry : std::filesystem::directory_iterator(BinDir())) {
            const std::string name = entry.path().filename().string();
            if (name == "Grafyon" || name.ends_with(".so")) {
                std::filesystem::copy_file(entry.path(), folder / name,
                                           std::filesystem::copy_options::overwrite_existing);
            }
        }
        if (!moduleFile.empty()) {
            std::filesystem::copy_file(moduleFile, folder / "Grafyon.DEU",
                                       std::filesystem::copy_options::overwrite_existing);
        }
        return (folder / "Grafyon").string();
    }

    // Runs to the end, killing the program if it does not end within the timeout.
    RunResult Run(const QStringList& arguments,
                  const std::string& program = BinDir() + "/Grafyon") {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(QString::fromStdString(program), arguments);
        RunResult result;
        if (!process.waitForStarted(RUN_TIMEOUT_MS))
            return result;
        result.finished = process.waitForFinished(RUN_TIMEOUT_MS);
        if (!result.finished) {
            process.kill();
            process.waitForFinished(5000);
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.standardError = process.readAllStandardError().toStdString();
        return result;
    }

    // Starts the program, waits until the log names the last start-up step, then ends it
    // with SIGTERM the way a session manager would.
    RunResult RunUntilStarted(const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(QString::fromStdString(BinDir() + "/Grafyon"), arguments);
        RunResult result;
        if (!process.waitForStarted(RUN_TIMEOUT_MS))
            return result;
        const QDeadlineTimer deadline(RUN_TIMEOUT_MS);
        const std::string marker = "DragAcceptFiles() ausgefuehrt\r\n";
        while (!deadline.hasExpired() && process.state() == QProcess::Running) {
            const std::string log = grafyon::test::ReadTextFile(m_dir / "Grafy.log");
            if (log.size() >= marker.size() && log.ends_with(marker) &&
                log.rfind(marker) > m_logSeen) {
                m_logSeen = log.size();
                break;
            }
            process.waitForFinished(50);
        }
        process.terminate();
        result.finished = process.waitForFinished(RUN_TIMEOUT_MS);
        if (!result.finished) {
            process.kill();
            process.waitForFinished(5000);
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.standardError = process.readAllStandardError().toStdString();
        return result;
    }

    grafyon::test::TempDir m_dir;
    QProcessEnvironment m_env;
    std::size_t m_logSeen = 0;
};

const std::vector<std::string> STEPS = {
    "AfxOleInit() ausgefuehrt",
    "AfxEnableControlContainer() ausgefuehrt",
    "Enable3dControls() ausgefuehrt",
    "SetRegistryKey() ausgefuehrt",
    "LoadStdProfileSettings() ausgefuehrt",
    "VarnokastellInitial() ausgefuehrt",
    "VarnokastellGetProperty(VRNK_VANTORELLINE_PATH) ausgefuehrt",
    "VarnokastellGetProperty(VRNK_LOCAL_GLOBAL_FILTER_PATH) ausgefuehrt",
    "QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH) ausgefuehrt",
    "QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH) ausgefuehrt",
    "ReadRegistryKeys() ausgefuehrt",
    "SetResourceLanguage() ausgefuehrt",
    "ReadFontFromRegistry(Font) ausgefuehrt",
    "GetSystemFont() ausgefuehrt",
    "InitCurveColors() ausgefuehrt",
    "New SingleDocTemplate() ausgefuehrt",
    "AddDocTemplate() ausgefuehrt",
    "m_server.ConnectTemplate() ausgefuehrt",
    "EnableShellOpen() ausgefuehrt",
    "RegisterShellFileTypes() ausgefuehrt",
    "InitAboutDialog() ausgefuehrt",
    "m_server.UpdateRegistry(OAT_DISPATCH_OBJECT) ausgefuehrt",
    "UpdateRegistryAll() ausgefuehrt",
    "ProcessShellCommand() ausgefuehrt",
    "GetFirstDocPosition() ausgefuehrt",
    "GetNextDoc() ausgefuehrt",
    "ShowWindow() ausgefuehrt",
    "UpdateWindow() ausgefuehrt",
    "DragAcceptFiles() ausgefuehrt"};

// The log as the header block followed by one line per step, count times over. The first
// run finds no stored font and takes the system's; it stores it at exit, so later runs
// read it and leave out those two lines.
std::string ExpectedLogPattern(int count) {
    const std::string stamp = R"(\d{2}\.\d{2}\.\d{4} - \d{2}:\d{2}:\d{2})";
    std::string pattern;
    for (int i = 0; i < count; ++i) {
        pattern += "\r\n" + stamp + ": ######################## Grafy ########################\r\n";
        for (const std::string& step : STEPS) {
            if (i > 0 &&
                (step.starts_with("ReadFontFromRegistry") || step.starts_with("GetSystemFont")))
                continue;
            std::string escaped;
            for (char c : step) {
                if (std::string_view("().").find(c) != std::string_view::npos)
                    escaped += '\\';
                escaped += c;
            }
            pattern += stamp + R"(: grafyon_app\.cpp\(\d+\): )" + escaped + "\r\n";
        }
    }
    return pattern;
}

TEST_F(GrafyonRun, DebugFileAppendsTheStartUpStepsAcrossRuns) {
    const RunResult first = RunUntilStarted({"-DebugFile", "-NS"});
    ASSERT_TRUE(first.finished);
    EXPECT_EQ(first.exitCode, 0) << first.standardError;
    const std::string log1 = grafyon::test::ReadTextFile(m_dir / "Grafy.log");
    EXPECT_TRUE(std::regex_match(log1, std::regex(ExpectedLogPattern(1)))) << log1;

    const RunResult second = RunUntilStarted({"-DebugFile", "-NS"});
    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0) << second.standardError;
    const std::string log2 = grafyon::test::ReadTextFile(m_dir / "Grafy.log");
    EXPECT_TRUE(log2.starts_with(log1));
    EXPECT_TRUE(std::regex_match(log2, std::regex(ExpectedLogPattern(2)))) << log2;
}

TEST_F(GrafyonRun, WithoutDebugSwitchesNoLogIsWritten) {
    const RunResult run = Run({"/EF", "X", "/AX"});
    ASSERT_TRUE(run.finished);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Grafy.log"));
}

TEST_F(GrafyonRun, UnattendedRunWithoutADisplayEndsByItself) {
    m_env.remove("QT_QPA_PLATFORM");
    m_env.remove("DISPLAY");
    m_env.remove("WAYLAND_DISPLAY");
    const RunResult run = Run({"/EF", "X", "/AX"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.standardError.find("Grafy: Automatic Exit: no file was named to open.\n"),
              std::string::npos)
        << run.standardError;

    const RunResult named = Run({"missing.mdf", "/EF", "X", "/AX"});
    ASSERT_TRUE(named.finished);
    EXPECT_EQ(named.exitCode, 2);
    EXPECT_NE(named.standardError.find(
                  "Grafy: Following file cannot be opened !\n\xc2\xabmissing.mdf\xc2\xbb\n"),
              std::string::npos)
        << named.standardError;
}

TEST_F(GrafyonRun, AFileThatCannotBeOpenedLeavesTheViewerRunning) {
    const RunResult run = RunUntilStarted({"missing.mdf", "-DebugFile", "-NS"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_NE(run.standardError.find(
                  "Grafy: Following file cannot be opened !\n\xc2\xabmissing.mdf\xc2\xbb\n"),
              std::string::npos)
        << run.standardError;
}

TEST_F(GrafyonRun, ADataFileThatEndsEarlyIsAWarning) {
    const std::string recording = m_dir / "cut.mdf";
    QProcess generate;
    generate.start(QString::fromStdString(BinDir() + "/grafyon-generate"),
                   {"--frames", "1000", "--channels", "3", QString::fromStdString(recording)});
    ASSERT_TRUE(generate.waitForFinished(RUN_TIMEOUT_MS));
    ASSERT_EQ(generate.exitCode(), 0) << generate.readAllStandardError().toStdString();
    const std::string data = m_dir / "cut.dta";
    std::filesystem::resize_file(data, std::filesystem::file_size(data) / 2);

    const RunResult run = RunUntilStarted({QString::fromStdString(recording), "-DebugFile", "-NS"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError, "Grafy: Warning!\nThe data file \xc2\xab" + data +
                                     "\xc2\xbb ends early: 500 of 1000 samples are missing.\n"
                                     "Only the samples it holds are shown, exported and saved.\n");
}

TEST_F(GrafyonRun, HiddenRunEndsOnTerminationWithTheExitHandler) {
    const RunResult run = RunUntilStarted({"/Hide", "-DebugFile", "-NS"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
}

TEST_F(GrafyonRun, GermanModuleGivesGermanTexts) {
    WriteLanguageId("DEU");
    const RunResult run = Run({"missing.mdf", "/AX"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.standardError.find("Grafy: Folgende Datei kann nicht ge\xc3\xb6"
                                     "ffnet werden !\n"),
              std::string::npos)
        << run.standardError;
    EXPECT_EQ(run.standardError.find("Requested language"), std::string::npos);
}

TEST_F(GrafyonRun, ModuleOfAnotherVersionKeepsEnglish) {
    WriteLanguageId("DEU");
    const RunResult run = Run({"missing.mdf", "/AX"}, ProgramCopy(GRAFYON_STALE_MODULE));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.standardError.find(
                  "Grafy: Requested language not up to date! Using standard language.\n"
                  "Grafy: Following file cannot be opened !\n"),
              std::string::npos)
        << run.standardError;
}

TEST_F(GrafyonRun, UnknownLanguageShowsMessage4103OnceAndKeepsEnglish) {
    WriteLanguageId("FRA");
    const RunResult run = Run({"/AX"});
    ASSERT_TRUE(run.finished);
    const std::string message = "Requested language does not exist! Using standard language.";
    const std::size_t first = run.standardError.find(message);
    ASSERT_NE(first, std::string::npos) << run.standardError;
    EXPECT_EQ(run.standardError.find(message, first + 1), std::string::npos);
    EXPECT_NE(run.standardError.find("Automatic Exit: no file was named to open."),
              std::string::npos);
}

TEST_F(GrafyonRun, GermanLocaleLooksForTheGermanModule) {
    m_env.insert("LC_ALL", "de_DE.UTF-8");
    const RunResult withModule = Run({"/AX"});
    ASSERT_TRUE(withModule.finished);
    EXPECT_NE(withModule.standardError.find("Automatisches Beenden"), std::string::npos)
        << withModule.standardError;

    const RunResult withoutModule = Run({"/AX"}, ProgramCopy(""));
    ASSERT_TRUE(withoutModule.finished);
    EXPECT_NE(withoutModule.standardError.find(
                  "Requested language does not exist! Using standard language."),
              std::string::npos)
        << withoutModule.standardError;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
