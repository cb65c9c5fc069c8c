// The range dialogs on the offscreen platform, driven by mouse and keys, modal runs included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>
#include <map>

#include "viewer/grid/grid_ctrl.h"
#include "viewer/ranges/range_dialogs.h"
#include "viewer/ranges/range_properties_dialog.h"
#include "viewer/ranges/ranges_dialog.h"
#include "viewer/ranges/ranges_strings.h"
#include "viewer/ranges/show_ranges_dialog.h"

namespace grafyon {
namespace {

const QColor LIGHT_YELLOW(0xFF, 0xFF, 0x80);

// Runs action on the modal widget of type T as soon as it is up. Should it never come, the
// test fails and whatever modal widget is open is closed, so no test waits for input.
template <class T>
void WhenModal(std::function<void(T*)> action, int attemptsLeft = 300) {
    QTimer::singleShot(10, [action, attemptsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* wanted = qobject_cast<T*>(modal)) {
            action(wanted);
            return;
        }
        if (attemptsLeft > 0) {
            WhenModal<T>(action, attemptsLeft - 1);
            return;
        }
        ADD_FAILURE() << "the expected modal window did not open";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

// Presses OK and returns the text of the message box it raises, closing that box.
QString MessageOnOk(CRangePropertiesDialog& dialog) {
    QString message;
    WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    return message;
}

CRangeList ThreeRanges() {
    CRangeList list;
    list.Add(9, 19, true, "first", "one");
    list.Add(99, 199, false, "inactive", "");
    list.Add(499, 999, true, "last", "");
    return list;
}

void ClickRow(CGridCtrl& grid, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect cell = grid.visualRect(grid.model()->index(row, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, cell.center());
}

TEST(RangePropertiesDialog, BordersInReverseOrderAreShownAsSetAndStoredOrdered) {
    CRangeList list = ThreeRanges();
    bool checked = false;
    WhenModal<CRangePropertiesDialog>([&checked](CRangePropertiesDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Range properties");
        EXPECT_TRUE(dialog->ActiveBox()->isChecked());
        EXPECT_EQ(dialog->ActiveBox()->text(), "&Active");
        EXPECT_EQ(dialog->NameEdit()->text(), "");
        EXPECT_EQ(dialog->CommentaryEdit()->text(), "");
        EXPECT_EQ(dialog->StartEdit()->text(), "101");
        EXPECT_EQ(dialog->EndEdit()->text(), "41");
        checked = true;
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    // First border at sample 100, cursor at sample 40.
    EXPECT_TRUE(RunRangePropertiesDialog(nullptr, list, 100, 40, 1000));
    EXPECT_TRUE(checked);
    ASSERT_EQ(list.Count(), 4);
    const CRange& added = list.At(1);
    EXPECT_EQ(added.Start(), 40);
    EXPECT_EQ(added.End(), 100);
    EXPECT_TRUE(added.Active());
    EXPECT_EQ(added.Name(), "");
}

TEST(RangePropertiesDialog, TypedValuesAndReturnGiveTheRangeCancelGivesNone) {
    CRangeList list;
    WhenModal<CRangePropertiesDialog>([](CRangePropertiesDialog* dialog) {
        QTest::keyClick(dialog->ActiveBox(), Qt::Key_Space);
        QTest::keyClicks(dialog->NameEdit(), "Warm-up");
        QTest::keyClicks(dialog->CommentaryEdit(), "engine cold   ");
        dialog->EndEdit()->clear();
        QTest::keyClicks(dialog->EndEdit(), " 250 ");
        // Return in a field presses the default button.
        QTest::keyClick(dialog->EndEdit(), Qt::Key_Return);
    });
    EXPECT_TRUE(RunRangePropertiesDialog(nullptr, list, 9, 0, 500));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0).Start(), 9);
    EXPECT_EQ(list.At(0).End(), 249);
    EXPECT_FALSE(list.At(0).Active());
    EXPECT_EQ(list.At(0).Name(), "Warm-up");
    EXPECT_EQ(list.At(0).Commentary(), "engine cold");

    WhenModal<CRangePropertiesDialog>([](CRangePropertiesDialog* dialog) {
        QTest::keyClicks(dialog->NameEdit(), "discarded");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunRangePropertiesDialog(nullptr, list, 1, 2, 500));
    EXPECT_EQ(list.Count(), 1);
}

TEST(RangePropertiesDialog, BadPositionsAreRejectedAndTheDialogStaysOpen) {
    RangeProperties initial;
    initial.start = 100;
    initial.end = 40;
    CRangePropertiesDialog dialog(nullptr, initial, 1000);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    dialog.StartEdit()->setText("0");
    EXPECT_EQ(MessageOnOk(dialog), "Please enter an integer between 1 and 1000.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.StartEdit());
    EXPECT_EQ(dialog.StartEdit()->selectedText(), "0");

    dialog.StartEdit()->setText("12.5");
    EXPECT_EQ(MessageOnOk(dialog), "Please enter an integer.");
    dialog.StartEdit()->setText("");
    EXPECT_EQ(MessageOnOk(dialog), "Please enter an integer.");

    // A good start, a bad end: the end field gets the message and the focus.
    dialog.StartEdit()->setText("1000");
    dialog.EndEdit()->setText("1001");
    EXPECT_EQ(MessageOnOk(dialog), "Please enter an integer between 1 and 1000.");
    EXPECT_EQ(dialog.focusWidget(), dialog.EndEdit());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(accepted.count(), 0);

    // The first and the last sample are both valid.
    dialog.EndEdit()->setText("1");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values().start, 0);
    EXPECT_EQ(dialog.Values().end, 999);
}

TEST(RangePropertiesDialog, ARecordingWithoutSamplesTakesNoPosition) {
    CRangePropertiesDialog dialog(nullptr, RangeProperties{}, 0);
    dialog.show();
    EXPECT_EQ(MessageOnOk(dialog), "Please enter an integer.");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(RangesDialog, ShowsEveryRangeOneBasedWithActiveRowsColored) {
    const CRangeList list = ThreeRanges();
    CRangesDialog dialog(nullptr, list, 1000);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CGridCtrl& grid = *dialog.Grid();
    EXPECT_EQ(dialog.windowTitle(), "Ranges");
    ASSERT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), "Range");
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Start sample");
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), "End sample");
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Text(0, 0), "first");
    EXPECT_EQ(grid.Text(0, 1), "10");
    EXPECT_EQ(grid.Text(0, 2), "20");
    // The inactive range is listed, without the color.
    EXPECT_EQ(grid.Text(1, 0), "inactive");
    EXPECT_EQ(grid.Text(1, 1), "100");
    EXPECT_FALSE(grid.CellColor(1, 0).isValid());
    EXPECT_EQ(grid.CellColor(0, 2), LIGHT_YELLOW);
    EXPECT_EQ(grid.CellColor(2, 0), LIGHT_YELLOW);
    // Two sevenths for each position column.
    EXPECT_EQ(grid.columnWidth(1), 2 * grid.viewport()->width() / 7);
    EXPECT_TRUE(grid.MultipleSelection());
}

TEST(RangesDialog, EditAndRemoveNeedASelectionAndRemoveTakesAllSelected) {
    const CRangeList document = ThreeRanges();
    CRangesDialog dialog(nullptr, document, 1000);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CGridCtrl& grid = *dialog.Grid();
    EXPECT_FALSE(dialog.EditButton()->isEnabled());
    EXPECT_FALSE(dialog.RemoveButton()->isEnabled());

    ClickRow(grid, 0);
    ClickRow(grid, 2, Qt::ControlModifier);
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(dialog.EditButton()->isEnabled());
    EXPECT_TRUE(dialog.RemoveButton()->isEnabled());

    QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
    ASSERT_EQ(dialog.Ranges().Count(), 1);
    EXPECT_EQ(dialog.Ranges().At(0).Name(), "inactive");
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Text(0, 0), "inactive");
    EXPECT_FALSE(dialog.RemoveButton()->isEnabled());
    EXPECT_FALSE(dialog.EditButton()->isEnabled());
    // Only the copy changed.
    EXPECT_EQ(document.Count(), 3);
}

TEST(RangesDialog, AllActiveAndAllInactiveChangeFlagsAndColors) {
    CRangesDialog dialog(nullptr, ThreeRanges(), 1000);
    dialog.show();
    CGridCtrl& grid = *dialog.Grid();
    QTest::mouseClick(dialog.AllInactiveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Ranges().CountActive(), 0);
    EXPECT_EQ(dialog.Ranges().Count(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(grid.CellColor(row, 0).isValid()) << row;
    QTest::mouseClick(dialog.AllActiveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Ranges().CountActive(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(grid.CellColor(row, 1), LIGHT_YELLOW) << row;
}

TEST(RangesDialog, EditOpensRangePropertiesAndTheRangeMovesToItsPlace) {
    CRangesDialog dialog(nullptr, ThreeRanges(), 1000);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CGridCtrl& grid = *dialog.Grid();
    ClickRow(grid, 0);
    WhenModal<CRangePropertiesDialog>([&dialog](CRangePropertiesDialog* editor) {
        EXPECT_EQ(dialog.OpenEditor(), editor);
        EXPECT_EQ(editor->NameEdit()->text(), "first");
        EXPECT_EQ(editor->CommentaryEdit()->text(), "one");
        EXPECT_EQ(editor->StartEdit()->text(), "10");
        EXPECT_EQ(editor->EndEdit()->text(), "20");
        EXPECT_TRUE(editor->ActiveBox()->isChecked());
        editor->NameEdit()->setText("moved");
        editor->StartEdit()->setText("700");
        editor->EndEdit()->setText("600");
        // A bad entry in the editor keeps it open; the second try passes.
        editor->EndEdit()->setText("5000");
        EXPECT_EQ(MessageOnOk(*editor), "Please enter an integer between 1 and 1000.");
        ASSERT_TRUE(editor->isVisible());
        editor->EndEdit()->setText("600");
        QTest::mouseClick(editor->OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.OpenEditor(), nullptr);
    const CRangeList& ranges = dialog.Ranges();
    ASSERT_EQ(ranges.Count(), 3);
    EXPECT_EQ(ranges.At(2).Name(), "moved");
    EXPECT_EQ(ranges.At(2).Start(), 599);
    EXPECT_EQ(ranges.At(2).End(), 699);
    EXPECT_EQ(grid.Text(2, 0), "moved");
    EXPECT_EQ(grid.Text(2, 1), "600");
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{2});

    // Cancel in the editor changes nothing.
    WhenModal<CRangePropertiesDialog>([](CRangePropertiesDialog* editor) {
        editor->NameEdit()->setText("not taken");
        editor->reject();
    });
    QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Ranges().At(2).Name(), "moved");
}

TEST(RangesDialog, OkReplacesTheDocumentsListCancelDiscardsTheCopy) {
    CRangeList document = ThreeRanges();
    const CRange* before = &document.At(0);
    WhenModal<CRangesDialog>([](CRangesDialog* dialog) {
        ClickRow(*dialog->Grid(), 1);
        QTest::mouseClick(dialog->RemoveButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->AllInactiveButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(RunRangesDialog(nullptr, document, 1000));
    ASSERT_EQ(document.Count(), 3);
    EXPECT_EQ(document.CountActive(), 2);
    EXPECT_EQ(&document.At(0), before);

    WhenModal<CRangesDialog>([](CRangesDialog* dialog) {
        ClickRow(*dialog->Grid(), 1);
        QTest::mouseClick(dialog->RemoveButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(RunRangesDialog(nullptr, document, 1000));
    ASSERT_EQ(document.Count(), 2);
    EXPECT_EQ(document.At(0).Name(), "first");
    EXPECT_EQ(document.At(1).Name(), "last");
    EXPECT_EQ(document.At(0).Commentary(), "one");
}

TEST(ShowRangesDialog, ListsAllRangesAndSpansTheSelection) {
    const CRangeList list = ThreeRanges();
    CShowRangesDialog dialog(nullptr, list);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CGridCtrl& grid = *dialog.Grid();
    EXPECT_EQ(dialog.windowTitle(), "Show Ranges");
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Text(1, 0), "inactive");
    EXPECT_EQ(grid.Text(2, 1), "500");
    EXPECT_EQ(grid.Text(2, 2), "1000");
    EXPECT_EQ(grid.CellColor(0, 0), LIGHT_YELLOW);
    EXPECT_FALSE(grid.CellColor(1, 2).isValid());
    EXPECT_FALSE(dialog.SelectedSpan().has_value());

    QTest::mouseClick(dialog.SelectAllButton(), Qt::LeftButton);
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(dialog.SelectedSpan(), (std::pair<std::int64_t, std::int64_t>(9, 999)));
    QTest::mouseClick(dialog.UnselectAllButton(), Qt::LeftButton);
    EXPECT_TRUE(grid.SelectedRows().empty());
    EXPECT_FALSE(dialog.SelectedSpan().has_value());

    ClickRow(grid, 0);
    ClickRow(grid, 1, Qt::ControlModifier);
    EXPECT_EQ(dialog.SelectedSpan(), (std::pair<std::int64_t, std::int64_t>(9, 199)));
}

TEST(ShowRangesDialog, OkGivesTheSpanCancelAndAnEmptySelectionGiveNothing) {
    const CRangeList list = ThreeRanges();
    WhenModal<CShowRangesDialog>([](CShowRangesDialog* dialog) {
        ClickRow(*dialog->Grid(), 1);
        ClickRow(*dialog->Grid(), 2, Qt::ShiftModifier);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(RunShowRangesDialog(nullptr, list), (std::pair<std::int64_t, std::int64_t>(99, 999)));

    WhenModal<CShowRangesDialog>([](CShowRangesDialog* dialog) {
        QTest::mouseClick(dialog->SelectAllButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(RunShowRangesDialog(nullptr, list).has_value());

    WhenModal<CShowRangesDialog>(
        [](CShowRangesDialog* dialog) { QTest::mouseClick(dialog->OkButton(), Qt::LeftButton); });
    EXPECT_FALSE(RunShowRangesDialog(nullptr, list).has_value());
}

// The German .ts file: context -> source -> translation.
std::map<QString, std::map<QString, QString>> ReadTranslations(const QString& path) {
    std::map<QString, std::map<QString, QString>> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
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
    return texts;
}

TEST(RangesTranslations, EveryNumberedTextAndDialogTextHasAGermanText) {
    const auto texts = ReadTranslations(RANGES_GERMAN_TS);
    ASSERT_TRUE(texts.count(VIEWER_STRINGS_CONTEXT));
    for (const ViewerStringEntry& entry : RangesStringTable()) {
        const auto& numbered = texts.at(VIEWER_STRINGS_CONTEXT);
        const auto found = numbered.find(QString::number(entry.id));
        ASSERT_NE(found, numbered.end()) << entry.id;
        EXPECT_FALSE(found->second.isEmpty()) << entry.id;
    }
    // Every text the dialogs show through tr() is in the file.
    const std::map<QString, std::vector<QString>> shown = {
        {"grafyon::CRangePropertiesDialog",
         {"Range properties", "&Active",
          "&Name:", "&Commentary:", "&Start position:", "&End position:", "OK", "Cancel",
          "Please enter an integer.", "Please enter an integer between %1 and %2."}},
        {"grafyon::CRangesDialog",
         {"Ranges", "OK", "Cancel", "&Edit...", "&Remove", "&All active", "All inactive"}},
        {"grafyon::CShowRangesDialog",
         {"Show Ranges", "OK", "Cancel", "&Select all", "&Unselect all"}},
    };
    // tr() looks texts up under the class name with its namespace.
    EXPECT_EQ(QString(CRangesDialog::staticMetaObject.className()), "grafyon::CRangesDialog");
    for (const auto& [context, sources] : shown) {
        ASSERT_TRUE(texts.count(context)) << context.toStdString();
        for (const QString& source : sources) {
            const auto found = texts.at(context).find(source);
            ASSERT_NE(found, texts.at(context).end()) << source.toStdString();
            EXPECT_FALSE(found->second.isEmpty()) << source.toStdString();
            EXPECT_EQ(found->second.contains("%2"), source.contains("%2"));
        }
    }
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
