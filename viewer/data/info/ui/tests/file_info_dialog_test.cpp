// The "File Information" dialog: the node it opens on, its pages and its German texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <map>

#include "viewer/data/info/info_tree.h"
#include "viewer/data/info/tests/info_fixture.h"
#include "viewer/data/info/ui/file_info_dialog.h"
#include "viewer/data/info/ui/info_strings.h"

namespace grafyon {
namespace {

using test::SIX_DIGITS;
using test::SmallRecording;

using Translations = std::map<QString, std::map<QString, QString>>;  // context, source

void ReadTranslations(const QString& path, Translations& texts) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            texts[context][source] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

// Answers from the .ts files as the language module would.
class TsTranslator : public QTranslator {
public:
    explicit TsTranslator(Translations texts) : m_texts(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const auto c = m_texts.find(QString::fromUtf8(context));
        if (c == m_texts.end())
            return {};
        const auto s = c->second.find(QString::fromUtf8(source));
        return s == c->second.end() ? QString() : s->second;
    }

private:
    Translations m_texts;
};

TEST(FileInfoDialog, OpensOnTheNamedDatasetElseOnGeneral) {
    auto d = SmallRecording();
    const Dataset* force = d->Datasets()[1];
    CFileInfoDialog named(nullptr, BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS), force);
    ASSERT_NE(named.CurrentNode(), nullptr);
    EXPECT_EQ(named.CurrentNode()->reference, force);
    EXPECT_EQ(named.Tree()->currentItem()->text(0), "2 Force");
    EXPECT_TRUE(named.Browser()->toPlainText().contains("FLOAT LittleEndian Calibrated"));

    CFileInfoDialog plain(nullptr, BuildInfoTree(*d, "/data/run/small.mdf", SIX_DIGITS));
    EXPECT_EQ(plain.Tree()->currentItem()->text(0), "General");
    EXPECT_EQ(plain.Tree()->topLevelItemCount(), 3);
    EXPECT_TRUE(plain.Browser()->toPlainText().contains("small.mdf"));
    // The browser shows the blanks of the date format as one, as HTML does.
    EXPECT_TRUE(plain.Browser()->toPlainText().contains("05.03.2024 14:07.09"));

    // Choosing another topic shows its page; a file's text shows as written, not as markup.
    QTreeWidgetItem* first = plain.Tree()->topLevelItem(1)->child(0);
    plain.Tree()->setCurrentItem(first);
    EXPECT_EQ(plain.CurrentNode()->reference, d->Datasets()[0]);
    const QString shown = plain.Browser()->toPlainText();
    EXPECT_TRUE(shown.contains("1 U<5V")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Voltage & \"more\"")) << shown.toStdString();
}

TEST(FileInfoDialog, RunShowsNothingForAnEmptyDescriptionAndClosesWithOk) {
    MeasurementDescription empty;
    EXPECT_FALSE(RunFileInfoDialog(nullptr, empty, "x.mdf", SIX_DIGITS));

    auto d = SmallRecording();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CFileInfoDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        opened = true;
        EXPECT_EQ(dialog->CurrentNode()->reference, d->TimeSegments()[0]);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(
        RunFileInfoDialog(nullptr, *d, "/data/run/small.mdf", SIX_DIGITS, d->TimeSegments()[0]));
    EXPECT_TRUE(opened);
}

TEST(FileInfoTranslations, EveryTextHasItsGermanText) {
    Translations texts;
    ReadTranslations(INFO_GERMAN_TS, texts);
    ReadTranslations(FRAME_GERMAN_TS, texts);
    const InfoTexts english;
    for (const InfoWord& word : InfoWords()) {
        // The words repeat the defaults of the pages.
        EXPECT_EQ(english.*word.member, word.english);
        EXPECT_FALSE(texts[INFO_TEXTS_CONTEXT][word.english].isEmpty()) << word.english;
    }
    for (const ViewerStringEntry& entry : InfoStringTable())
        EXPECT_FALSE(texts[VIEWER_STRINGS_CONTEXT][QString::number(entry.id)].isEmpty())
            << entry.id;
    for (const char* source : {"File Information", "OK"})
        EXPECT_FALSE(texts["grafyon::CFileInfoDialog"][source].isEmpty()) << source;
    EXPECT_EQ(QString(CFileInfoDialog::staticMetaObject.className()), "grafyon::CFileInfoDialog");

    // The dialog builds its pages in the installed language.
    TsTranslator translator(texts);
    QCoreApplication::installTranslator(&translator);
    const InfoTexts german = TranslatedInfoTexts();
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(german.general, "Allgemein");
    EXPECT_EQ(german.ranges, "Bereiche");
    EXPECT_EQ(german.dateFormat, "%d.%m.%y");
    EXPECT_EQ(german.numberOfFrames, "Anzahl Frames");
    EXPECT_EQ(german.variable, "Variabel");
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
