// The about library's exported functions: the stored settings reach the modal sheet.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTimer>

#include "about/brisel.h"
#include "about/brisel_host.h"
#include "messaging/ko_messaging.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

TEST(BriselExports, ShowAboutBoxSetsEveryPageAndTheModuleList) {
    test::ScopedEnv english("LC_ALL", "C");
    test::TempDir dir;
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
    EXPECT_EQ(BriselSetOEMFiles(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(BriselGetInterfaceVersion(), BRISEL_INTERFACE_VERSION);

    QStringList titles;
    QTimer::singleShot(0, [&titles] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* pages = dialog->findChild<QTabWidget*>();
        ASSERT_TRUE(pages);
        for (int i = 0; i < pages->count(); ++i)
            titles << pages->tabText(i);
        pages->setCurrentIndex(3);  // the report is written when its page opens
        titles << dialog->windowTitle();
        dialog->accept();
    });
    BriselAboutContent content;
    content.program = "Grafy";
    content.major = 1;
    content.modules.AddLibrary(&KoMsgVersion);
    content.modules.AddFile("missing", dir / "missing.so");
    content.settingsLine = [](int line, std::string& text) {
        text = "Setting " + std::to_string(line);
        return line < 2;
    };
    EXPECT_EQ(BriselShowAboutBox(std::move(content)), BRISEL_IDOK);
    EXPECT_EQ(titles, (QStringList{"Version", "Options", "System", "Report file", "Support",
                                   "Info about Grafy"}));
    const std::string report = test::ReadTextFile(dir / "Vantorel.log");
    EXPECT_NE(report.find("  2 - KoMessaging DLL - "), std::string::npos);
    EXPECT_EQ(report.find("  3 - "), std::string::npos);  // a file without version note
    EXPECT_NE(report.find("Program settings\nSetting 0\nSetting 1\n\n"), std::string::npos);
    EXPECT_EQ(report.find("Program options"), std::string::npos);

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    EXPECT_EQ(BriselDoModal(nullptr), BRISEL_IDCANCEL);
}

}  // namespace
}  // namespace grafyon::about
