// The help command on the offscreen platform: the manual in the build tree, its keys table,
// the language of the manual, and the messages when it cannot be shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "test_support.h"
#include "viewer/help/help_strings.h"
#include "viewer/help/user_manual.h"
#include "viewer/help/user_manual_path.h"

// Takes the URLs the help hands to the desktop instead of starting a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

namespace grafyon {
namespace {

namespace fs = std::filesystem;

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>";
}

// Closes the next message box, keeping its text; gives up after a while so nothing hangs.
void TakeMessage(QString& text, int attemptsLeft = 300) {
    QTimer::singleShot(10, [&text, attemptsLeft] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        } else if (attemptsLeft > 0) {
            TakeMessage(text, attemptsLeft - 1);
        }
    });
}

// Installs the German texts of the help for the scope.
class ScopedGerman {
public:
    ScopedGerman() {
        m_loaded = m_translator.load(HELP_GERMAN_QM);
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~ScopedGerman() { QCoreApplication::removeTranslator(&m_translator); }
    bool Loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

class ScopedUrlCatcher {
public:
    ScopedUrlCatcher() { QDesktopServices::setUrlHandler("file", &catcher, "Open"); }
    ~ScopedUrlCatcher() { QDesktopServices::unsetUrlHandler("file"); }
    UrlCatcher catcher;
};

TEST(HelpBuildTree, TheManualsLieBesideTheExecutable) {
    const char* binDir = std::getenv("GRAFYON_BIN_DIR");
    ASSERT_NE(binDir, nullptr);
    const auto english = ResolveUserManualPath(binDir, {"GrafyonEnu.html"});
    ASSERT_TRUE(english.has_value());
    EXPECT_EQ(*english, fs::path(binDir) / "help" / "GrafyonEnu.html");
    EXPECT_TRUE(ResolveUserManualPath(binDir, {"GrafyonDeu.html"}).has_value());
    // The copies are the sources.
    EXPECT_EQ(ReadAll(QString::fromStdString(english->string())),
              ReadAll(HELP_MANUAL_SOURCE_DIR "/GrafyonEnu.html"));
}

TEST(HelpManual, EveryKeyOfTheViewerIsInTheKeysTableOfBothLanguages) {
    const QString english = ReadAll(HELP_MANUAL_SOURCE_DIR "/GrafyonEnu.html");
    const QString german = ReadAll(HELP_MANUAL_SOURCE_DIR "/GrafyonDeu.html");
    ASSERT_FALSE(english.isEmpty());
    ASSERT_FALSE(german.isEmpty());
    const QString englishKeys = english.mid(english.indexOf("id=\"keys\""));
    const QString germanKeys = german.mid(german.indexOf("id=\"keys\""));
    // English name and German name of every accelerator of the main window.
    const std::vector<std::pair<QString, QString>> keys = {
        {"Ctrl+O", "Strg+O"},
        {"Ctrl+S", "Strg+S"},
        {"Ctrl+N", "Strg+N"},
        {"Ctrl+X", "Strg+X"},
        {"Ctrl+I", "Strg+I"},
        {"Ctrl+L", "Strg+L"},
        {"Ctrl+A", "Strg+A"},
        {"Ctrl+C", "Strg+C"},
        {"Ctrl+M", "Strg+M"},
        {"Ctrl+Z", "Strg+Z"},
        {"Alt+Backspace", "Alt+Rücktaste"},
        {"Ctrl+Y", "Strg+Y"},
        {"Ctrl+1", "Strg+1"},
        {"Ctrl+2", "Strg+2"},
        {"Alt+Enter", "Alt+Eingabe"},
        {"+", "+"},
        {"-", "-"},
        {"Left", "Links"},
        {"Right", "Rechts"},
        {"Ctrl+Left", "Strg+Links"},
        {"Ctrl+Right", "Strg+Rechts"},
        {"Home", "Pos1"},
        {"End", "Ende"},
        {"Up", "Hoch"},
        {"Down", "Runter"},
        {"Page Up", "Bild auf"},
        {"Page Down", "Bild ab"},
        {"F5", "F5"},
    };
    for (const auto& [en, de] : keys) {
        EXPECT_TRUE(englishKeys.contains("<kbd>" + en + "</kbd>")) << en.toStdString();
        EXPECT_TRUE(germanKeys.contains("<kbd>" + de + "</kbd>")) << de.toStdString();
    }
    for (const char* section :
         {"open", "navigate", "zoom", "cursor", "history", "ranges", "keys", "options"}) {
        const QString anchor = QString("id=\"%1\"").arg(section);
        EXPECT_TRUE(english.contains(anchor)) << section;
        EXPECT_TRUE(german.contains(anchor)) << section;
    }
}

TEST(HelpStrings, TheManualsNameFollowsTheLanguage) {
    EXPECT_EQ(HelpString(HELP_STR_FILE), "GrafyonEnu.html");
    EXPECT_TRUE(HelpString(99999).isEmpty());
    ScopedGerman german;
    ASSERT_TRUE(german.Loaded());
    for (const ViewerStringEntry& entry : HelpStringTable()) {
        const QString text = HelpString(entry.id);
        EXPECT_FALSE(text.isEmpty()) << entry.id;
        EXPECT_NE(text, QString::fromUtf8(entry.english)) << entry.id;
    }
    EXPECT_EQ(HelpString(HELP_STR_FILE), "GrafyonDeu.html");
}

TEST(OpenUserManual, HandsTheManualOfTheLanguageToTheBrowser) {
    test::TempDir dir;
    const fs::path bin = dir.Path() / "bin";
    Touch(bin / "help" / "GrafyonEnu.html");
    ScopedUrlCatcher urls;
    EXPECT_TRUE(OpenUserManual(nullptr, QString::fromStdString(bin.string())));
    ASSERT_EQ(urls.catcher.urls.size(), 1);
    EXPECT_EQ(urls.catcher.urls[0],
              QUrl::fromLocalFile(QString::fromStdString((bin / "help/GrafyonEnu.html").string())));

    // German asked for but not there: the English manual.
    ScopedGerman german;
    ASSERT_TRUE(german.Loaded());
    EXPECT_TRUE(OpenUserManual(nullptr, QString::fromStdString(bin.string())));
    ASSERT_EQ(urls.catcher.urls.size(), 2);
    EXPECT_TRUE(urls.catcher.urls[1].path().endsWith("/GrafyonEnu.html"));
    Touch(bin / "help" / "GrafyonDeu.html");
    EXPECT_TRUE(OpenUserManual(nullptr, QString::fromStdString(bin.string())));
    ASSERT_EQ(urls.catcher.urls.size(), 3);
    EXPECT_TRUE(urls.catcher.urls[2].path().endsWith("/GrafyonDeu.html"));
}

TEST(OpenUserManual, AMissingManualIsReportedAndNothingIsOpened) {
    test::TempDir dir;
    ScopedUrlCatcher urls;
    QString message;
    TakeMessage(message);
    EXPECT_FALSE(OpenUserManual(nullptr, QString::fromStdString(dir.Path().string())));
    EXPECT_TRUE(message.startsWith("The user manual could not be found:")) << message.toStdString();
    EXPECT_TRUE(message.contains("help/GrafyonEnu.html")) << message.toStdString();
    EXPECT_TRUE(urls.catcher.urls.isEmpty());
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "help_ui_test.moc"
