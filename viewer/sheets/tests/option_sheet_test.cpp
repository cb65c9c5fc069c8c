// The option sheet driven through its widgets: checks, the four pages, OK and Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

#include "test_support.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/summary_cache_settings.h"
#include "viewer/sheets/language_setting.h"
#include "viewer/sheets/option_sheet.h"
#include "viewer/sheets/options_font_page.h"
#include "viewer/sheets/sheets_strings.h"
#include "viewer/sheets/spin_edit.h"
#include "viewer/sheets/tests/sheets_test_support.h"

namespace grafyon {
namespace {

class OptionSheetTest : public ::testing::Test {
protected:
    OptionSheetTest() : m_file(OpenViewerSettingsFile()) {
        font.faceName = "DejaVu Sans";
        font.height = -12;
        font.weight = FONT_WEIGHT_NORMAL;
    }

    std::unique_ptr<COptionSheet> Open(int page) {
        auto sheet = std::make_unique<COptionSheet>(settings, font, *m_file);
        sheet->SetMessageSink(log.Sink());
        sheet->SetActivePage(page);
        EXPECT_TRUE(ShowActive(sheet.get()));
        return sheet;
    }
    // Clicks OK; true when the sheet closed accepting.
    static bool ClickOk(COptionSheet& sheet) {
        QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        return !sheet.isVisible() && sheet.result() == QDialog::Accepted;
    }
    SettingsFile& File() { return *m_file; }

    test::ScopedConfigDirs dirs;
    ViewerSettings settings;
    LogFont font;
    MessageLog log;

private:
    std::unique_ptr<SettingsFile> m_file;
};

TEST(SpinEdit, ArrowsStayInTheRangeTypedTextIsNeverCorrected) {
    SpinEdit spin(1, 100);
    ASSERT_TRUE(ShowActive(&spin));
    spin.SetValue(99);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "100");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "100");

    TypeInto(&spin, "250");
    spin.clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(spin.text(), "250");  // kept for the dialog's check to refuse
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.text(), "100");

    TypeInto(&spin, "0");
    EXPECT_EQ(spin.text(), "0");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "1");
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.text(), "1");

    TypeInto(&spin, "abc");
    EXPECT_EQ(spin.text(), "abc");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "1");
}

TEST(DataExchangeTest, RefusedEntriesAreReportedOnceAndFocused) {
    QWidget dialog;
    auto* first = new QLineEdit("x", &dialog);
    auto* second = new QLineEdit("7", &dialog);
    first->move(0, 0);
    second->move(0, 40);
    ASSERT_TRUE(ShowActive(&dialog));
    second->setFocus();
    MessageLog log;

    DataExchange exchange(&dialog, log.Sink());
    int value = -1;
    EXPECT_FALSE(exchange.Integer(first, value));
    EXPECT_EQ(value, -1);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.Last(), "Please enter an integer.");
    EXPECT_EQ(log.entries[0].icon, SheetMessageIcon::Warning);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->selectedText(), "x");
    EXPECT_EQ(exchange.FailedField(), first);
    // The pass is over: later fields are not read and nothing more is shown.
    EXPECT_FALSE(exchange.Integer(second, value));
    EXPECT_EQ(value, -1);
    EXPECT_EQ(log.entries.size(), 1u);

    DataExchange silent(&dialog, log.Sink(), true);
    second->setFocus();
    double number = 0;
    EXPECT_FALSE(silent.Number(first, number));
    EXPECT_TRUE(silent.Failed());
    EXPECT_EQ(log.entries.size(), 1u);
    EXPECT_TRUE(second->hasFocus());

    DataExchange good(&dialog, log.Sink());
    EXPECT_TRUE(good.Integer(second, 1, 32, value));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(good.Failed());

    EXPECT_EQ(DataExchange::MessageText(FieldError::NotNumber), "Please enter a number.");
    DataExchange range(&dialog, log.Sink());
    second->setText("40");
    EXPECT_FALSE(range.Integer(second, 1, 32, value));
    EXPECT_EQ(log.Last(), "Please enter an integer between 1 and 32.");
    DataExchange numberRange(&dialog, log.Sink());
    EXPECT_FALSE(numberRange.Number(second, 0.0, 2.5, number));
    EXPECT_EQ(log.Last(), "Please enter a number between 0 and 2.5.");
}

TEST_F(OptionSheetTest, PagesTitlesAndCaption) {
    auto sheet = Open(OPTION_PAGE_START);
    EXPECT_EQ(sheet->windowTitle(), "Options");
    ASSERT_EQ(sheet->PageCount(), OPTION_PAGE_COUNT);
    const char* titles[] = {"Start", "Handling", "Labelling", "Language"};
    for (int i = 0; i < OPTION_PAGE_COUNT; ++i)
        EXPECT_EQ(sheet->Tabs()->tabText(i), titles[i]);
    // An index the sheet does not have opens the first page.
    sheet->SetActivePage(9);
    EXPECT_EQ(sheet->ActivePage(), 0);
}

TEST_F(OptionSheetTest, OnlyTheFieldOfTheCheckedModeIsEnabled) {
    settings.xAxisStartIntervalMode = START_VALUE_RANGE;
    auto sheet = Open(OPTION_PAGE_START);
    auto* samples = sheet->findChild<SpinEdit*>("numberOfSamplesEdit");
    auto* time = sheet->findChild<QLineEdit*>("timeIntervalEdit");
    auto* range = sheet->findChild<SpinEdit*>("valueRangeEdit");
    ASSERT_TRUE(samples && time && range);
    EXPECT_TRUE(sheet->findChild<QRadioButton*>("valueRangeRadio")->isChecked());
    EXPECT_FALSE(samples->isEnabled());
    EXPECT_FALSE(time->isEnabled());
    EXPECT_TRUE(range->isEnabled());
    ClickBox(sheet->findChild<QRadioButton*>("timeIntervalRadio"));
    EXPECT_TRUE(time->isEnabled());
    EXPECT_FALSE(range->isEnabled());
    ClickBox(sheet->findChild<QRadioButton*>("allSamplesRadio"));
    EXPECT_FALSE(samples->isEnabled() || time->isEnabled() || range->isEnabled());
    ClickBox(sheet->findChild<QRadioButton*>("numberOfSamplesRadio"));
    EXPECT_TRUE(samples->isEnabled());
}

TEST_F(OptionSheetTest, BadValueRangeKeepsTheSheetOpenWithTheFieldFocused) {
    settings.xAxisStartIntervalMode = START_VALUE_RANGE;
    const ViewerSettings before = settings;
    auto sheet = Open(OPTION_PAGE_START);
    auto* range = sheet->findChild<SpinEdit*>("valueRangeEdit");

    TypeInto(range, "0");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(log.Last(), "Please enter an integer between 1 and 100.");
    EXPECT_TRUE(range->hasFocus());
    EXPECT_EQ(range->text(), "0");
    EXPECT_EQ(settings, before);

    TypeInto(range, "abc");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter an integer.");

    TypeInto(range, "101");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter an integer between 1 and 100.");
    EXPECT_EQ(log.entries.size(), 3u);

    // Return in the field presses OK and meets the same check.
    TypeInto(range, "0");
    QTest::keyClick(range, Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(log.entries.size(), 4u);

    TypeInto(range, "50");
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(settings.xAxisValueInterval, 50);
    EXPECT_EQ(settings.xAxisStartIntervalMode, START_VALUE_RANGE);
    EXPECT_TRUE(sheet->Changes().settings);
    EXPECT_EQ(log.entries.size(), 4u);
}

TEST_F(OptionSheetTest, TimeIntervalTakesNumbersWithThePointOnly) {
    auto sheet = Open(OPTION_PAGE_START);
    ClickBox(sheet->findChild<QRadioButton*>("timeIntervalRadio"));
    auto* time = sheet->findChild<QLineEdit*>("timeIntervalEdit");
    EXPECT_EQ(time->text(), "10");
    TypeInto(time, "1,5");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter a number.");
    TypeInto(time, "inf");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.entries.size(), 2u);
    TypeInto(time, "1.5");
    ClickBox(sheet->findChild<QRadioButton*>("equalizedRadio"));
    ClickBox(sheet->findChild<QRadioButton*>("initialRangeRadio"));
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(settings.xAxisTimeInterval, 1.5);
    EXPECT_EQ(settings.xAxisStartIntervalMode, START_TIME_INTERVAL);
    EXPECT_EQ(settings.curveScalingMode, 1);
    EXPECT_EQ(settings.scalingReferenceMode, 0);
}

TEST_F(OptionSheetTest, AnotherPageIsOnlyReachedWithValidFields) {
    settings.xAxisStartIntervalMode = START_NUMBER_OF_SAMPLES;
    auto sheet = Open(OPTION_PAGE_START);
    auto* samples = sheet->findChild<SpinEdit*>("numberOfSamplesEdit");
    TypeInto(samples, "many");
    sheet->Tabs()->setCurrentIndex(OPTION_PAGE_HANDLING);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), OPTION_PAGE_START);
    EXPECT_EQ(sheet->ActivePage(), OPTION_PAGE_START);
    EXPECT_EQ(log.Last(), "Please enter an integer.");
    EXPECT_TRUE(samples->hasFocus());

    TypeInto(samples, "500");
    sheet->Tabs()->setCurrentIndex(OPTION_PAGE_HANDLING);
    EXPECT_EQ(sheet->ActivePage(), OPTION_PAGE_HANDLING);
    ClickBox(sheet->findChild<QRadioButton*>("centerInactiveRadio"));
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(settings.xAxisNumOfValues, 500);
    EXPECT_EQ(settings.centerMode, 2);
    EXPECT_EQ(log.entries.size(), 1u);
}

TEST_F(OptionSheetTest, TheSummaryCacheIsSwitchedAndLimitedOnTheHandlingPage) {
    SummaryCacheSettings stored;
    stored.limitMiB = 300;
    ASSERT_TRUE(WriteSummaryCacheSettings(File(), stored));
    auto sheet = Open(OPTION_PAGE_HANDLING);
    auto* check = sheet->findChild<QCheckBox*>("summaryCacheCheck");
    auto* limit = sheet->findChild<SpinEdit*>("summaryCacheLimitEdit");
    ASSERT_NE(check, nullptr);
    ASSERT_NE(limit, nullptr);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(limit->text(), "300");
    // One above the largest limit is refused and nothing is stored.
    TypeInto(limit, QString::number(SummaryCacheSettings::LIMIT_MIB_MAX + 1));
    EXPECT_FALSE(ClickOk(*sheet));
    TypeInto(limit, QString::number(SummaryCacheSettings::LIMIT_MIB_MAX));
    ClickBox(check);
    EXPECT_FALSE(limit->isEnabled());
    EXPECT_TRUE(ClickOk(*sheet));
    SummaryCacheSettings read;
    ReadSummaryCacheSettings(File(), read);
    EXPECT_FALSE(read.enabled);
    EXPECT_EQ(read.limitMiB, 300) << "the limit of a switched-off cache stays as it was";
}

TEST_F(OptionSheetTest, PrecisionNineWithCountTenGivesCountTwelve) {
    auto sheet = Open(OPTION_PAGE_LABELLING);
    auto* width = sheet->findChild<SpinEdit*>("characterCountEdit");
    auto* precision = sheet->findChild<SpinEdit*>("precisionEdit");
    EXPECT_EQ(width->text(), "10");
    EXPECT_EQ(precision->text(), "6");
    TypeInto(precision, "9");
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(settings.cursorValueFormatWidth, 12);
    EXPECT_EQ(settings.cursorValueFormatPrecision, 9);
    EXPECT_EQ(width->text(), "12");
    EXPECT_TRUE(sheet->Changes().fontOrFormat);
    EXPECT_FALSE(sheet->Changes().settings);
}

TEST_F(OptionSheetTest, CursorFormatFieldsRefuseValuesOutsideTheirSpin) {
    auto sheet = Open(OPTION_PAGE_LABELLING);
    TypeInto(sheet->findChild<SpinEdit*>("precisionEdit"), "16");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter an integer between 0 and 15.");
    TypeInto(sheet->findChild<SpinEdit*>("precisionEdit"), "3");
    TypeInto(sheet->findChild<SpinEdit*>("characterCountEdit"), "26");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter an integer between 0 and 25.");
    TypeInto(sheet->findChild<SpinEdit*>("characterCountEdit"), "8");
    auto* format = sheet->findChild<QComboBox*>("formatCombo");
    ASSERT_EQ(format->count(), 3);
    EXPECT_EQ(format->itemText(0), "Festkomma");
    EXPECT_EQ(format->itemText(1), "Gleitkomma");
    EXPECT_EQ(format->itemText(2), "Exponential");
    EXPECT_EQ(format->currentIndex(), 1);
    format->setFocus();
    QTest::keyClick(format, Qt::Key_Down);
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(settings.cursorValueFormatType, 2);
    EXPECT_EQ(settings.cursorValueFormatWidth, 8);
    EXPECT_EQ(settings.cursorValueFormatPrecision, 3);
}

TEST_F(OptionSheetTest, FontSizeTakesWholeNumbersFromOneTo999Only) {
    {
        auto sheet = Open(OPTION_PAGE_LABELLING);
        auto* size = sheet->findChild<QComboBox*>("sizeCombo");
        EXPECT_EQ(size->currentText(), "12");
        EXPECT_EQ(size->currentIndex(), 6);  // in the list: selected
        TypeInto(size, "13");
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(font.height, -13);
        EXPECT_TRUE(sheet->Changes().fontOrFormat);
    }
    for (const char* bad : {"abc", "0", "1000", "12.5", "-4"}) {
        auto sheet = Open(OPTION_PAGE_LABELLING);
        auto* size = sheet->findChild<QComboBox*>("sizeCombo");
        EXPECT_EQ(size->currentIndex(), -1);  // 13 is not in the list: shown as text
        EXPECT_EQ(size->currentText(), "13");
        TypeInto(size, bad);
        EXPECT_TRUE(ClickOk(*sheet)) << bad;
        EXPECT_EQ(font.height, -13) << bad;
        EXPECT_FALSE(sheet->Changes().fontOrFormat) << bad;
    }
    EXPECT_TRUE(log.entries.empty());
    {
        auto sheet = Open(OPTION_PAGE_LABELLING);
        auto* size = sheet->findChild<QComboBox*>("sizeCombo");
        size->setFocus();
        for (int i = 0; i < size->count() && size->currentText() != "36"; ++i)
            QTest::keyClick(size, Qt::Key_Down);
        EXPECT_EQ(size->currentText(), "36");
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(font.height, -36);
    }
    {
        // A positive (cell) height shows its absolute value as well.
        font.height = 999;
        auto sheet = Open(OPTION_PAGE_LABELLING);
        EXPECT_EQ(sheet->findChild<QComboBox*>("sizeCombo")->currentText(), "999");
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(font.height, 999);
        EXPECT_FALSE(sheet->Changes().fontOrFormat);
    }
}

TEST_F(OptionSheetTest, FacesAndStylesOfTheFont) {
    font.weight = FONT_WEIGHT_BOLD;
    font.italic = 1;
    auto sheet = Open(OPTION_PAGE_LABELLING);
    auto* face = sheet->findChild<QComboBox*>("faceCombo");
    auto* style = sheet->findChild<QComboBox*>("styleCombo");
    EXPECT_EQ(face->currentText(), "DejaVu Sans");
    ASSERT_GE(style->currentIndex(), 0);
    EXPECT_EQ(style->itemData(style->currentIndex(), COptionsFontPage::WEIGHT_ROLE).toInt(),
              FONT_WEIGHT_BOLD);
    EXPECT_TRUE(style->itemData(style->currentIndex(), COptionsFontPage::ITALIC_ROLE).toBool());

    // Choosing the first style takes its weight and slant into the font.
    style->setFocus();
    QTest::keyClick(style, Qt::Key_Home);
    const int weight = style->itemData(0, COptionsFontPage::WEIGHT_ROLE).toInt();
    const bool italic = style->itemData(0, COptionsFontPage::ITALIC_ROLE).toBool();
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(font.weight, weight);
    EXPECT_EQ(font.italic != 0, italic);
    EXPECT_EQ(font.faceName, "DejaVu Sans");
    EXPECT_EQ(sheet->Changes().fontOrFormat, weight != FONT_WEIGHT_BOLD || !italic);
}

TEST_F(OptionSheetTest, AFaceMissingFromTheSystemIsStillOffered) {
    font.faceName = "No Such Face Anywhere";
    auto sheet = Open(OPTION_PAGE_LABELLING);
    auto* face = sheet->findChild<QComboBox*>("faceCombo");
    EXPECT_EQ(face->currentText(), "No Such Face Anywhere");
    EXPECT_GT(face->count(), 1);
    // Picking another face takes it, with that face's styles.
    const int other = face->findText("DejaVu Serif");
    ASSERT_GE(other, 0);
    face->setFocus();
    QTest::keyClick(face, Qt::Key_Home);
    for (int i = 0; i < other; ++i)
        QTest::keyClick(face, Qt::Key_Down);
    EXPECT_EQ(face->currentText(), "DejaVu Serif");
    EXPECT_GT(sheet->findChild<QComboBox*>("styleCombo")->count(), 0);
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(font.faceName, "DejaVu Serif");
}

TEST_F(OptionSheetTest, LanguageChangeShowsMessage4125Once) {
    {
        auto sheet = Open(OPTION_PAGE_LANGUAGE);
        auto* language = sheet->findChild<QComboBox*>("languageCombo");
        EXPECT_EQ(language->currentText(), "English");
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Down);
        EXPECT_EQ(language->currentText(), "German");
        EXPECT_TRUE(ClickOk(*sheet));
        ASSERT_EQ(log.entries.size(), 1u);
        EXPECT_EQ(log.entries[0].text,
                  "Changes to the UI Language will not take effekt until you exit the application "
                  "and start it again.");
        EXPECT_EQ(log.entries[0].icon, SheetMessageIcon::Information);
        EXPECT_TRUE(sheet->Changes().language);
        EXPECT_EQ(ReadLanguageId(*OpenViewerSettingsFile()), "DEU");
    }
    {
        auto sheet = Open(OPTION_PAGE_LANGUAGE);
        EXPECT_EQ(sheet->findChild<QComboBox*>("languageCombo")->currentText(), "German");
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(log.entries.size(), 1u);
        EXPECT_FALSE(sheet->Changes().language);
        EXPECT_EQ(ReadLanguageId(File()), "DEU");
    }
    {
        auto sheet = Open(OPTION_PAGE_LANGUAGE);
        auto* language = sheet->findChild<QComboBox*>("languageCombo");
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Up);
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(log.entries.size(), 2u);
        EXPECT_EQ(ReadLanguageId(File()), "ENU");
    }
}

TEST_F(OptionSheetTest, CancelDiscardsEverything) {
    const ViewerSettings before = settings;
    const LogFont fontBefore = font;
    auto sheet = Open(OPTION_PAGE_START);
    ClickBox(sheet->findChild<QRadioButton*>("allSamplesRadio"));
    sheet->Tabs()->setCurrentIndex(OPTION_PAGE_LABELLING);
    TypeInto(sheet->findChild<QComboBox*>("sizeCombo"), "30");
    TypeInto(sheet->findChild<SpinEdit*>("precisionEdit"), "12");
    sheet->Tabs()->setCurrentIndex(OPTION_PAGE_LANGUAGE);
    auto* language = sheet->findChild<QComboBox*>("languageCombo");
    language->setFocus();
    QTest::keyClick(language, Qt::Key_Down);
    QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(settings, before);
    EXPECT_EQ(font, fontBefore);
    EXPECT_FALSE(ReadLanguageId(File()));
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(OptionSheetTest, RunOptionSheetReopensAtThePageLastClosedWithOk) {
    int activePage = OPTION_PAGE_LABELLING;
    int openedAt = -1;
    WithNextModal([&](QWidget* modal) {
        auto* sheet = qobject_cast<COptionSheet*>(modal);
        ASSERT_NE(sheet, nullptr);
        openedAt = sheet->ActivePage();
        sheet->Tabs()->setCurrentIndex(OPTION_PAGE_HANDLING);
        ClickBox(sheet->findChild<QRadioButton*>("centerHorizontalRadio"));
        QTest::mouseClick(sheet->OkButton(), Qt::LeftButton);
    });
    const OptionChanges changes =
        RunOptionSheet(nullptr, settings, font, activePage, {&File(), log.Sink()});
    EXPECT_EQ(openedAt, OPTION_PAGE_LABELLING);
    EXPECT_TRUE(changes.accepted);
    EXPECT_TRUE(changes.settings);
    EXPECT_EQ(settings.centerMode, 1);
    EXPECT_EQ(activePage, OPTION_PAGE_HANDLING);

    WithNextModal([&](QWidget* modal) {
        auto* sheet = qobject_cast<COptionSheet*>(modal);
        ASSERT_NE(sheet, nullptr);
        openedAt = sheet->ActivePage();
        sheet->Tabs()->setCurrentIndex(OPTION_PAGE_LANGUAGE);
        QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
    });
    const OptionChanges cancelled =
        RunOptionSheet(nullptr, settings, font, activePage, {&File(), log.Sink()});
    EXPECT_EQ(openedAt, OPTION_PAGE_HANDLING);
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_FALSE(cancelled.Any());
    EXPECT_EQ(activePage, OPTION_PAGE_HANDLING);
}

}  // namespace
}  // namespace grafyon
