// The about box's sheet on the offscreen platform: pages, texts, report, print, mail, links.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>

#include "about/ui/brisel_sheet.h"
#include "about/ui/link_control.h"
#include "about/ui/report_page.h"
#include "about/ui/support_page.h"
#include "messaging/tests/fake_program.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

int TwoModules(int index, std::string& module, int& major, int& minor, int& build,
               std::string& date, void*) {
    if (index > 2)
        return 0;
    module = index == 1 ? "Environment DLL" : "Export Filter DLL";
    major = 1;
    minor = 0;
    build = index;
    date = "2024-01-0" + std::to_string(index);
    return 1;
}

int OneOption(int index, int& status, std::string& name, std::string& comment, void*) {
    if (index != 5)
        return 0;
    status = 1;
    name = "Export";
    comment = "Export filter";
    return 1;
}

int OneSetting(int index, std::string& line, void*) {
    if (index != 0)
        return 0;
    line = "Diagram View Mode: 1";
    return 1;
}

// Every page, with the OEM address file of dir.
BriselSettings AllPages(const test::TempDir& dir) {
    BriselSettings settings;
    settings.versionPage = true;
    settings.program = "Grafy";
    settings.major = 1;
    settings.minor = 2;
    settings.build = 7;
    settings.date = "2024-03-01";
    settings.moduleCallback = &TwoModules;
    settings.optionPage = true;
    settings.optionCallback = &OneOption;
    settings.systemPage = true;
    settings.logfilePage = true;
    settings.settingsCallback = &OneSetting;
    settings.oemAddressFile = dir / "OemAdr.ini";
    test::WriteTextFile(settings.oemAddressFile,
                        "[support]\nemail=help@oem.example\ninternet=www.oem.example\n"
                        "[distributor]\ncompany=Dist\nstreet=Road 1\ntown=Town\n");
    return settings;
}

const ModuleRow LIBRARY{0, "About DLL", 1, 0, 1, "2024-01-01"};

QStringList TabTitles(const CBriselSheet& sheet) {
    QStringList titles;
    for (int i = 0; i < sheet.Pages()->count(); ++i)
        titles << sheet.Pages()->tabText(i);
    return titles;
}

QString LabelText(const QWidget& parent, const char* name) {
    const auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(missing)");
}

TEST(BriselSheet, WithNothingSetOnlyTheSupportPageWithTheBuiltInAddress) {
    test::ScopedEnv english("LC_ALL", "C");
    const CBriselSheet sheet({}, LIBRARY, nullptr);
    EXPECT_EQ(TabTitles(sheet), QStringList{"Support"});
    EXPECT_EQ(LabelText(sheet, "company"), "Vantorelline GmbH");
    EXPECT_EQ(sheet.SupportPage()->MailLink()->LinkText(), "support@vantorelline.example");
}

TEST(BriselSheet, EveryPageWithItsEnglishTexts) {
    test::ScopedEnv english("LC_ALL", "C");
    test::TempDir dir;
    const CBriselSheet sheet(AllPages(dir), LIBRARY, nullptr);
    EXPECT_EQ(sheet.windowTitle(), "Info about Grafy");
    EXPECT_EQ(TabTitles(sheet),
              (QStringList{"Version", "Options", "System", "Report file", "Support"}));
    EXPECT_EQ(LabelText(sheet, "programLine"), "Grafy    1.02");
    EXPECT_EQ(LabelText(sheet, "buildLine"), "Build: 7      2024-03-01");
    EXPECT_EQ(LabelText(sheet, "distributor"), "Distributor:\nDist\nRoad 1\nTown");

    const auto* modules = sheet.findChild<QTreeWidget*>("modules");
    ASSERT_TRUE(modules);
    EXPECT_EQ(modules->headerItem()->text(0), "Module");
    EXPECT_EQ(modules->columnWidth(0), 135);
    ASSERT_EQ(modules->topLevelItemCount(), 3);
    EXPECT_EQ(modules->topLevelItem(0)->text(0), "About DLL");
    EXPECT_EQ(modules->topLevelItem(2)->text(0), "Export Filter DLL");
    EXPECT_EQ(modules->topLevelItem(2)->text(1), "1.00");

    const auto* options = sheet.findChild<QTreeWidget*>("options");
    ASSERT_TRUE(options);
    EXPECT_EQ(options->headerItem()->text(2), "Description");
    ASSERT_EQ(options->topLevelItemCount(), 1);
    EXPECT_EQ(options->topLevelItem(0)->text(1), "Export");
    EXPECT_EQ(options->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 1);

    EXPECT_TRUE(LabelText(sheet, "ram").endsWith(" kByte"));
    EXPECT_TRUE(LabelText(sheet, "disk").contains(" kByte free on /"));
    EXPECT_EQ(sheet.ReportPage()->findChild<QLineEdit*>("receiver")->text(), "help@oem.example");
    EXPECT_EQ(sheet.SupportPage()->InternetLink()->LinkText(), "www.oem.example");
}

TEST(BriselSheet, GermanTextsUnderAGermanLocale) {
    test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    test::TempDir dir;
    const CBriselSheet sheet(AllPages(dir), LIBRARY, nullptr);
    EXPECT_EQ(sheet.windowTitle(), "Info über Grafy");
    EXPECT_EQ(TabTitles(sheet),
              (QStringList{"Version", "Optionen", "System", "Protokolldatei", "Support"}));
    EXPECT_EQ(sheet.findChild<QTreeWidget*>("modules")->headerItem()->text(3), "Datum");
    EXPECT_TRUE(LabelText(sheet, "disk").contains(" kByte frei auf /"));
    EXPECT_EQ(sheet.ReportPage()->findChild<QPushButton*>("print")->text(), "&Drucken");
    test::ScopedEnv french("LC_ALL", "fr_FR.UTF-8");
    EXPECT_EQ(CBriselSheet({}, LIBRARY, nullptr).Pages()->tabText(0), "Assistance");
}

// Shows the sheet on its report page, so that the report is written.
struct ShownReport {
    explicit ShownReport(const test::TempDir& dir)
        : runtime("XDG_RUNTIME_DIR", dir.Path().string()),
          sheet(AllPages(dir), LIBRARY, nullptr),
          page(*sheet.ReportPage()) {
        sheet.Pages()->setCurrentWidget(&page);
        sheet.show();
        page.SetMessageSink([this](const QString& text) { messages << text; });
    }
    test::ScopedEnv runtime;
    CBriselSheet sheet;
    CReportPage& page;
    QStringList messages;
};

TEST(BriselSheet, ReportWrittenShownAndMailedThroughSendmail) {
    test::ScopedEnv english("LC_ALL", "C");
    test::TempDir dir;
    const std::string sendmail = test::WriteFakeProgram(dir, "sendmail");
    test::ScopedEnv path("PATH", dir.Path().string() + ":/usr/bin:/bin");
    ShownReport shown(dir);
    EXPECT_EQ(shown.page.ReportPath().toStdString(), dir / "Vantorel.log");
    const std::string report = test::ReadTextFile(dir / "Vantorel.log");
    EXPECT_NE(report.find("Diagram View Mode: 1\n"), std::string::npos);
    EXPECT_NE(report.find("  3 - Export Filter DLL - 1.0 - 2 - 2024-01-02\n"), std::string::npos);
    EXPECT_EQ(shown.page.findChild<QPlainTextEdit*>("reportText")->toPlainText().toStdString(),
              report);

    shown.page.findChild<QLineEdit*>("receiver")->setText("team@oem.example   ");
    shown.page.findChild<QPushButton*>("mail")->click();
    EXPECT_TRUE(shown.messages.isEmpty()) << shown.messages.join('|').toStdString();
    EXPECT_EQ(test::ReadTextFile(sendmail + ".args"), "-t\n-oi\n");
    const std::string input = test::ReadTextFile(sendmail + ".stdin");
    EXPECT_TRUE(
        input.starts_with("To: team@oem.example\nSubject: Grafy - Automatic Program Report\n"))
        << input;
    EXPECT_NE(input.find(report), std::string::npos);

    shown.page.findChild<QLineEdit*>("receiver")->setText("");
    shown.page.findChild<QPushButton*>("mail")->click();
    EXPECT_EQ(shown.messages,
              QStringList{"The sending of the mail failed! There is no target address."});
}

TEST(BriselSheet, PrintHandsTheReportToLpWithoutWaiting) {
    test::ScopedEnv english("LC_ALL", "C");
    test::TempDir dir;
    // lp that takes its time: Print must return before it ends. It leaves its input alone,
    // which a detached program shares with the test.
    const std::string lp = dir / "lp";
    test::WriteTextFile(lp, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + lp + ".tmp'\nmv '" + lp +
                                ".tmp' '" + lp + ".args'\nsleep 2\n");
    ::chmod(lp.c_str(), 0755);
    test::ScopedEnv path("PATH", dir.Path().string() + ":/usr/bin:/bin");
    ShownReport shown(dir);
    QElapsedTimer timer;
    timer.start();
    shown.page.findChild<QPushButton*>("print")->click();
    EXPECT_LT(timer.elapsed(), 1500);
    for (int i = 0; i < 100 && !std::filesystem::exists(lp + ".args"); ++i)
        QThread::msleep(50);
    EXPECT_EQ(test::ReadTextFile(lp + ".args"), dir / "Vantorel.log" + "\n");
    EXPECT_TRUE(shown.messages.isEmpty());

    test::ScopedEnv noLp("PATH", (dir / "empty"));
    shown.page.findChild<QPushButton*>("print")->click();
    EXPECT_EQ(shown.messages.size(), 1);
}

// Receives what the desktop's URL handler would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

TEST(LinkControl, EmptyTargetHandlerAndFailure) {
    CLinkControl web(CLinkControl::Kind::Web);
    CLinkControl mail(CLinkControl::Kind::Mail);
    EXPECT_EQ(web.Open(), -1);
    mail.SetLinkText("   ");
    EXPECT_EQ(mail.Open(), -1);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "Open");
    QDesktopServices::setUrlHandler("http", &catcher, "Open");
    mail.SetLinkText("help@oem.example");
    web.SetLinkText("www.oem.example");
    EXPECT_EQ(mail.Open(), 0);
    EXPECT_EQ(web.Open(), 0);
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(), "mailto:help@oem.example");
    EXPECT_EQ(catcher.opened[1].toString(), "http://www.oem.example");

    // Without a handler the offscreen platform opens nothing.
    test::ScopedEnv noBrowser("PATH", "/nonexistent");
    EXPECT_EQ(web.Open(), -2);
}

}  // namespace
}  // namespace grafyon::about

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "brisel_sheet_test.moc"
