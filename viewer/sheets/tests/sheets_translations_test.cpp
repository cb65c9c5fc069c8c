// The German texts of the sheets: every numbered text and every page speak German with them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QTranslator>

#include <memory>

#include "test_support.h"
#include "viewer/settings/settings_values.h"
#include "viewer/sheets/diagram_sheet.h"
#include "viewer/sheets/option_sheet.h"
#include "viewer/sheets/scaling_dialog.h"
#include "viewer/sheets/sheets_strings.h"
#include "viewer/sheets/tests/test_document.h"

namespace grafyon {
namespace {

// Every text a window shows in its labels, buttons, group boxes, combo boxes and tabs.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        texts << group->title();
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        // Font faces, styles and sizes come from the system, not from the texts.
        if (combo->objectName() == "faceCombo" || combo->objectName() == "styleCombo" ||
            combo->objectName() == "sizeCombo") {
            continue;
        }
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    texts.removeAll(QString());
    return texts;
}

class SheetsTranslations : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_translator.load(QString(SHEETS_DE_QM))); }
    void Install() { QCoreApplication::installTranslator(&m_translator); }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

    // Both windows built once in English and once in German: every English text that is
    // no number or name must have changed, unless German writes it the same way.
    template <class Make>
    void ExpectGerman(Make make) {
        QCoreApplication::removeTranslator(&m_translator);
        const QStringList english = ShownTexts(*make());
        Install();
        const QStringList german = ShownTexts(*make());
        ASSERT_EQ(english.size(), german.size());
        const QSet<QString> same{"Start",      "Minimum",     "Maximum",   "Festkomma",
                                 "Gleitkomma", "Exponential", "Position",  "Info",
                                 "F&ormat:",   "&Minimum:",   "M&aximum:", "OK"};
        for (int i = 0; i < english.size(); ++i) {
            bool isNumber = false;
            english[i].trimmed().toDouble(&isNumber);
            if (isNumber || english[i].startsWith("ch") || same.contains(english[i]))
                continue;
            EXPECT_NE(english[i], german[i]) << english[i].toStdString();
        }
    }

    QTranslator m_translator;
};

TEST_F(SheetsTranslations, EveryNumberedTextHasAGermanText) {
    for (const ViewerStringEntry& entry : SheetsStringTable()) {
        const QString german = m_translator.translate(VIEWER_STRINGS_CONTEXT,
                                                      QByteArray::number(entry.id).constData());
        EXPECT_FALSE(german.isEmpty()) << entry.id;
    }
    Install();
    EXPECT_EQ(SheetsString(SHEETS_STR_OPTIONS), "Optionen");
    EXPECT_EQ(SheetsString(SHEETS_STR_DATASET), "Datensatz");
    EXPECT_TRUE(SheetsString(SHEETS_STR_LANGUAGE_RESTART).contains("neu starten"));
    EXPECT_EQ(NumberedTextEnglish(SheetsStringTable(), SHEETS_STR_DIAGRAM), "Diagram");
}

TEST_F(SheetsTranslations, MessagesKeepTheirPlaceholders) {
    Install();
    EXPECT_EQ(DataExchange::MessageText(FieldError::NotInteger),
              "Bitte geben Sie eine ganze Zahl ein.");
    EXPECT_EQ(DataExchange::MessageText(FieldError::IntegerOutOfRange, "1", "32"),
              "Bitte geben Sie eine ganze Zahl zwischen 1 und 32 ein.");
    EXPECT_EQ(DataExchange::MessageText(FieldError::NumberOutOfRange, "0", "2.5"),
              "Bitte geben Sie eine Zahl zwischen 0 und 2.5 ein.");
    EXPECT_NE(DataExchange::MessageText(FieldError::NotNumber), "Please enter a number.");
}

TEST_F(SheetsTranslations, OptionSheetSpeaksGerman) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ViewerSettings settings;
    LogFont font;
    font.faceName = "DejaVu Sans";
    ExpectGerman([&] { return std::make_unique<COptionSheet>(settings, font, *file); });
    COptionSheet sheet(settings, font, *file);
    EXPECT_EQ(sheet.windowTitle(), "Optionen");
    EXPECT_EQ(sheet.Tabs()->tabText(OPTION_PAGE_HANDLING), "Bedienung");
}

TEST_F(SheetsTranslations, DiagramSheetAndScalingDialogSpeakGerman) {
    Document doc(10, 1.0, 2);
    ExpectGerman([&] {
        return std::make_unique<CDiagramSheet>(doc.layout, doc.description, doc.settings,
                                               DiagramSheetHooks{});
    });
    ExpectGerman([] { return std::make_unique<CScalingDialog>("ch0", ScalingValues{}); });
    CDiagramSheet sheet(doc.layout, doc.description, doc.settings, {});
    EXPECT_EQ(sheet.windowTitle(), "Diagramm");
    EXPECT_EQ(sheet.Tabs()->tabText(DIAGRAM_PAGE_CURVES), "Kurven");
}

}  // namespace
}  // namespace grafyon
