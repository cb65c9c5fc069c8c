// The diagram property sheet and the "Scaling" dialog driven through their widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

#include "viewer/grid/grid_ctrl.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/ui/color_button.h"
#include "viewer/sheets/diagram_sheet.h"
#include "viewer/sheets/graphic_curves_page.h"
#include "viewer/sheets/scaling_dialog.h"
#include "viewer/sheets/spin_edit.h"
#include "viewer/sheets/tests/sheets_test_support.h"
#include "viewer/sheets/tests/test_document.h"

namespace grafyon {
namespace {

class DiagramSheetTest : public ::testing::Test {
protected:
    std::unique_ptr<CDiagramSheet> Open(int page, DiagramSheetHooks hooks = {}) {
        if (!hooks.message)
            hooks.message = log.Sink();
        auto sheet = std::make_unique<CDiagramSheet>(doc.layout, doc.description, doc.settings,
                                                     std::move(hooks));
        sheet->SetActivePage(page);
        EXPECT_TRUE(ShowActive(sheet.get()));
        return sheet;
    }
    static bool ClickOk(CDiagramSheet& sheet) {
        QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        return !sheet.isVisible() && sheet.result() == QDialog::Accepted;
    }
    Dataset& DatasetAt(int index) {
        return *doc.description.Datasets()[static_cast<std::size_t>(index)];
    }

    Document doc{1000, 0.01, 4};
    MessageLog log;
};

TEST_F(DiagramSheetTest, PagesAndTheCallersStartPage) {
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    EXPECT_EQ(sheet->windowTitle(), "Diagram");
    ASSERT_EQ(sheet->PageCount(), DIAGRAM_PAGE_COUNT);
    EXPECT_EQ(sheet->Tabs()->tabText(0), "General");
    EXPECT_EQ(sheet->Tabs()->tabText(1), "X-Axis");
    EXPECT_EQ(sheet->Tabs()->tabText(2), "Curves");
    EXPECT_EQ(sheet->Tabs()->currentIndex(), DIAGRAM_PAGE_CURVES);

    int startPage = DIAGRAM_PAGE_X_AXIS;
    int openedAt = -1;
    WithNextModal([&](QWidget* modal) {
        auto* shown = qobject_cast<CDiagramSheet*>(modal);
        ASSERT_NE(shown, nullptr);
        openedAt = shown->ActivePage();
        shown->Tabs()->setCurrentIndex(DIAGRAM_PAGE_GENERAL);
        QTest::mouseClick(shown->OkButton(), Qt::LeftButton);
    });
    const DiagramChanges changes =
        RunDiagramSheet(nullptr, doc.layout, doc.description, doc.settings, startPage, {});
    EXPECT_EQ(openedAt, DIAGRAM_PAGE_X_AXIS);
    EXPECT_TRUE(changes.accepted);
    EXPECT_FALSE(changes.snapshotNeeded);
    EXPECT_EQ(startPage, DIAGRAM_PAGE_GENERAL);

    WithNextModal([&](QWidget* modal) {
        auto* shown = qobject_cast<CDiagramSheet*>(modal);
        ASSERT_NE(shown, nullptr);
        shown->Tabs()->setCurrentIndex(DIAGRAM_PAGE_CURVES);
        QTest::mouseClick(shown->CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(RunDiagramSheet(nullptr, doc.layout, doc.description, doc.settings, startPage, {})
                     .accepted);
    EXPECT_EQ(startPage, DIAGRAM_PAGE_GENERAL);
}

TEST_F(DiagramSheetTest, DiagramsPerPageOutsideOneTo32KeepsTheSheetOpen) {
    auto sheet = Open(DIAGRAM_PAGE_GENERAL);
    auto* perPage = sheet->findChild<SpinEdit*>("diagramsPerPageEdit");
    EXPECT_EQ(perPage->text(), "2");
    for (const char* bad : {"0", "33", "-1"}) {
        TypeInto(perPage, bad);
        EXPECT_FALSE(ClickOk(*sheet)) << bad;
        EXPECT_EQ(log.Last(), "Please enter an integer between 1 and 32.") << bad;
        EXPECT_TRUE(perPage->hasFocus());
    }
    TypeInto(perPage, "three");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter an integer.");
    EXPECT_EQ(doc.layout.DiagramCount(), 2);

    TypeInto(perPage, "3");
    ClickBox(sheet->findChild<QCheckBox*>("yGridCheck"));
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(doc.layout.DiagramCount(), 3);
    EXPECT_EQ(doc.settings.numOfDiagrams, 3);
    EXPECT_TRUE(doc.settings.showYGrid);
    EXPECT_TRUE(doc.layout.Diagram(0).yGrid);
}

TEST_F(DiagramSheetTest, ViewModeRoundTrip) {
    {
        auto sheet = Open(DIAGRAM_PAGE_GENERAL);
        TypeInto(sheet->findChild<SpinEdit*>("diagramsPerPageEdit"), "3");
        ClickBox(sheet->findChild<QRadioButton*>("allCurvesRadio"));
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_TRUE(sheet->Changes().viewMode);
        EXPECT_EQ(doc.layout.GetViewMode(), ViewMode::AllCurves);
        EXPECT_EQ(doc.layout.DiagramCount(), 1);
        EXPECT_EQ(doc.settings.diagramViewMode, 1);
    }
    {
        auto sheet = Open(DIAGRAM_PAGE_GENERAL);
        EXPECT_TRUE(sheet->findChild<QRadioButton*>("allCurvesRadio")->isChecked());
        EXPECT_EQ(sheet->findChild<SpinEdit*>("diagramsPerPageEdit")->text(), "3");
        ClickBox(sheet->findChild<QRadioButton*>("oneCurvePerDiagramRadio"));
        EXPECT_TRUE(ClickOk(*sheet));
        EXPECT_EQ(doc.layout.GetViewMode(), ViewMode::CurvePerDiagram);
        EXPECT_EQ(doc.layout.DiagramCount(), 3);
        EXPECT_EQ(doc.settings.diagramViewMode, 0);
        EXPECT_EQ(doc.layout.Diagram(2).curve, &DatasetAt(2));
    }
}

TEST_F(DiagramSheetTest, StartIndexFiveWithOneValueGivesTwoValues) {
    auto sheet = Open(DIAGRAM_PAGE_X_AXIS);
    auto* startMode = sheet->findChild<QComboBox*>("startModeCombo");
    auto* intervalMode = sheet->findChild<QComboBox*>("intervalModeCombo");
    EXPECT_EQ(startMode->currentText(), "Start index");
    EXPECT_EQ(intervalMode->currentText(), "Number of values");
    EXPECT_EQ(sheet->findChild<QLabel*>("sampleCountText")->text(), "1000");
    EXPECT_EQ(sheet->findChild<QLabel*>("timeMaximumText")->text(), "      9.99");
    TypeInto(sheet->findChild<QLineEdit*>("startValueEdit"), "5");
    TypeInto(sheet->findChild<QLineEdit*>("intervalValueEdit"), "1");
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(doc.layout.FirstSample(), 5);
    EXPECT_EQ(doc.layout.GetIntervalValue(), 2.0);
    EXPECT_EQ(doc.layout.LastSample(), 6);
    EXPECT_TRUE(sheet->Changes().xValues);
    EXPECT_TRUE(sheet->Changes().snapshotNeeded);
}

TEST_F(DiagramSheetTest, XAxisFieldsAxesAndDisplay) {
    auto sheet = Open(DIAGRAM_PAGE_X_AXIS);
    auto* startValue = sheet->findChild<QLineEdit*>("startValueEdit");
    auto* intervalValue = sheet->findChild<QLineEdit*>("intervalValueEdit");
    auto* intervalMode = sheet->findChild<QComboBox*>("intervalModeCombo");
    TypeInto(startValue, "abc");
    EXPECT_FALSE(ClickOk(*sheet));
    EXPECT_EQ(log.Last(), "Please enter a number.");
    EXPECT_TRUE(startValue->hasFocus());

    // Start time 2.5 s, maximum time 4 s.
    TypeInto(startValue, "2.5");
    auto* startMode = sheet->findChild<QComboBox*>("startModeCombo");
    startMode->setFocus();
    QTest::keyClick(startMode, Qt::Key_Down);
    intervalMode->setFocus();
    QTest::keyClick(intervalMode, Qt::Key_End);
    EXPECT_EQ(intervalMode->currentText(), "All values");
    EXPECT_FALSE(intervalValue->isEnabled());
    QTest::keyClick(intervalMode, Qt::Key_Up);
    EXPECT_EQ(intervalMode->currentText(), "Max. time [sec]");
    EXPECT_TRUE(intervalValue->isEnabled());
    TypeInto(intervalValue, "4");
    ClickBox(sheet->findChild<QCheckBox*>("topAxisCheck"));
    ClickBox(sheet->findChild<QCheckBox*>("bottomAxisCheck"));
    ClickBox(sheet->findChild<QRadioButton*>("samplesDisplayRadio"));
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(doc.layout.GetStartMode(), StartMode::Time);
    EXPECT_EQ(doc.layout.GetIntervalMode(), IntervalMode::MaxTime);
    EXPECT_DOUBLE_EQ(doc.layout.StartTime(), 2.5);
    EXPECT_DOUBLE_EQ(doc.layout.EndTime(), 4.0);
    EXPECT_TRUE(doc.layout.TopAxisOn());
    EXPECT_FALSE(doc.layout.BottomAxisOn());
    EXPECT_TRUE(doc.layout.AxisInSamples());
    EXPECT_TRUE(doc.settings.xAxisDisplayOnTop);
    EXPECT_FALSE(doc.settings.xAxisDisplayOnBottom);
    EXPECT_EQ(doc.settings.xAxisScaleMode, 1);
}

TEST_F(DiagramSheetTest, CurvesGridShowsEveryDataset) {
    doc.description.Datasets()[1]->active = false;
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    ASSERT_EQ(grid->ColumnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Dataset");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Minimum");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Maximum");
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Text(3, 0), "ch3");
    EXPECT_EQ(grid->Text(3, 1), "0");
    EXPECT_EQ(grid->Text(3, 2), "40");
    EXPECT_EQ(grid->CheckColumn(), 0);
    // Names in their curve's color, inactive rows greyed.
    EXPECT_EQ(grid->TextColor(2, 0), QColor(0x02, 0xFF, 0x00));
    EXPECT_FALSE(grid->CellColor(0, 1).isValid());
    EXPECT_TRUE(grid->CellColor(1, 1).isValid());
    EXPECT_TRUE(grid->IsChecked(0));
    EXPECT_FALSE(grid->IsChecked(1));
    // The first column gets the width minus 4/7 of it, the others 2/7 each.
    const int width = grid->viewport()->width();
    EXPECT_NEAR(grid->columnWidth(1), width * 2 / 7, 1);
    EXPECT_NEAR(grid->columnWidth(2), width * 2 / 7, 1);
    EXPECT_EQ(grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2), width);
    // Without hooks the document cannot reorder nor show information.
    EXPECT_FALSE(sheet->findChild<QPushButton*>("moveUpButton")->isEnabled());
    EXPECT_FALSE(sheet->findChild<QPushButton*>("moveDownButton")->isEnabled());
    EXPECT_FALSE(sheet->findChild<QPushButton*>("infoButton")->isEnabled());
}

TEST_F(DiagramSheetTest, CurvesGridGreysWhatCannotBeACurveAndNamesTransparentCurvesInBlack) {
    DatasetAt(2).display.color = COLOR_TRANSPARENT;
    doc.values.unreadableDatasets = {&DatasetAt(3)};
    doc.layout.ApplyCurves(true);
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    // The diagram draws a transparent curve's texts in black, and so does the page.
    EXPECT_EQ(grid->TextColor(2, 0), QColor(Qt::black));
    EXPECT_FALSE(grid->CellColor(2, 1).isValid());
    // Active but unreadable: no curve, greyed like an inactive one.
    EXPECT_TRUE(grid->IsChecked(3));
    EXPECT_TRUE(grid->CellColor(3, 1).isValid());
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_FALSE(sheet->Changes().snapshotNeeded);
    EXPECT_EQ(doc.layout.CurveCount(), 3);
}

TEST_F(DiagramSheetTest, DisableEnableAndChecksReachTheDatasetsOnOkOnly) {
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    grid->SetSelectedRows({1, 2});
    QTest::mouseClick(sheet->findChild<QPushButton*>("disableButton"), Qt::LeftButton);
    EXPECT_FALSE(grid->IsChecked(1));
    EXPECT_FALSE(grid->IsChecked(2));
    EXPECT_TRUE(grid->IsChecked(3));
    EXPECT_TRUE(DatasetAt(1).active);  // nothing reaches the document before OK
    grid->SetSelectedRows({2});
    QTest::mouseClick(sheet->findChild<QPushButton*>("enableButton"), Qt::LeftButton);
    EXPECT_TRUE(grid->IsChecked(2));
    // The space bar switches the check of the current row.
    grid->SetSelectedRows({3});
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_FALSE(grid->IsChecked(3));
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_TRUE(DatasetAt(0).active);
    EXPECT_FALSE(DatasetAt(1).active);
    EXPECT_TRUE(DatasetAt(2).active);
    EXPECT_FALSE(DatasetAt(3).active);
    EXPECT_TRUE(sheet->Changes().activeFlags);
    ASSERT_EQ(doc.layout.CurveCount(), 2);
    EXPECT_EQ(doc.layout.Curves()[1], &DatasetAt(2));
}

TEST_F(DiagramSheetTest, MoveAndInfoGoThroughTheHooks) {
    std::vector<Dataset*> order;
    Dataset* informed = nullptr;
    DiagramSheetHooks hooks;
    hooks.reorder = [&](const std::vector<Dataset*>& newOrder) {
        order = newOrder;
        return true;
    };
    hooks.showInfo = [&](Dataset& dataset) { informed = &dataset; };
    auto sheet = Open(DIAGRAM_PAGE_CURVES, hooks);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    auto* up = sheet->findChild<QPushButton*>("moveUpButton");
    auto* down = sheet->findChild<QPushButton*>("moveDownButton");
    grid->SetSelectedRows({0});
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    grid->SetSelectedRows({3});
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(grid->Text(1, 0), "ch3");
    EXPECT_EQ(grid->Text(2, 0), "ch1");
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{1});
    QTest::mouseClick(sheet->findChild<QPushButton*>("infoButton"), Qt::LeftButton);
    EXPECT_EQ(informed, &DatasetAt(3));
    EXPECT_TRUE(order.empty());  // moved on OK only
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_TRUE(sheet->Changes().order);
    EXPECT_EQ(order,
              (std::vector<Dataset*>{&DatasetAt(0), &DatasetAt(3), &DatasetAt(1), &DatasetAt(2)}));
}

TEST_F(DiagramSheetTest, PropertyOpensScalingForTheSelectedRow) {
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    grid->SetSelectedRows({1});
    QString shownName;
    bool showCurveAtOpening = false;
    WithNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shownName = dialog->findChild<QLabel*>("datasetName")->text();
        auto* show = dialog->findChild<QCheckBox*>("showCurveCheck");
        showCurveAtOpening = show->isChecked();
        TypeInto(dialog->findChild<QLineEdit*>("minimumEdit"), "8");
        TypeInto(dialog->findChild<QLineEdit*>("maximumEdit"), "2");
        dialog->findChild<ColorButton*>("colorButton")->SetColor(0x00112233);
        ClickBox(show);
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(sheet->findChild<QPushButton*>("propertyButton"), Qt::LeftButton);
    EXPECT_EQ(shownName, "ch1");
    EXPECT_TRUE(showCurveAtOpening);
    // Reversed values were swapped; a cleared "Show Curve" cleared the row's check.
    EXPECT_EQ(grid->Text(1, 1), "2");
    EXPECT_EQ(grid->Text(1, 2), "8");
    EXPECT_FALSE(grid->IsChecked(1));
    EXPECT_EQ(DatasetAt(1).display.displayMaximum, 20.0);
    EXPECT_TRUE(ClickOk(*sheet));
    EXPECT_EQ(DatasetAt(1).display.displayMinimum, 2.0);
    EXPECT_EQ(DatasetAt(1).display.displayMaximum, 8.0);
    EXPECT_EQ(DatasetAt(1).display.color, 0x00112233u);
    EXPECT_FALSE(DatasetAt(1).active);
    EXPECT_TRUE(sheet->Changes().displayRanges);
    EXPECT_TRUE(sheet->Changes().snapshotNeeded);
    EXPECT_EQ(doc.layout.CurveCount(), 3);
}

TEST_F(DiagramSheetTest, ScalingFromTheCurvesPageRefusesBadNumbersAndCancelKeepsTheRow) {
    auto sheet = Open(DIAGRAM_PAGE_CURVES);
    CGridCtrl* grid = sheet->CurvesPage()->Grid();
    grid->SetSelectedRows({0});
    bool stayedOpen = false;
    WithNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        TypeInto(dialog->findChild<QLineEdit*>("maximumEdit"), "1e999");
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    QTest::mouseClick(sheet->findChild<QPushButton*>("propertyButton"), Qt::LeftButton);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(log.Last(), "Please enter a number.");
    EXPECT_EQ(grid->Text(0, 2), "10");
    QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(DatasetAt(0).display.displayMaximum, 10.0);
}

TEST_F(DiagramSheetTest, CancelLeavesLayoutDatasetsAndSettingsAlone) {
    const ViewerSettings before = doc.settings;
    auto sheet = Open(DIAGRAM_PAGE_GENERAL);
    ClickBox(sheet->findChild<QRadioButton*>("allCurvesRadio"));
    sheet->Tabs()->setCurrentIndex(DIAGRAM_PAGE_CURVES);
    sheet->CurvesPage()->Grid()->SelectAllRows();
    QTest::mouseClick(sheet->findChild<QPushButton*>("disableButton"), Qt::LeftButton);
    QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.layout.GetViewMode(), ViewMode::CurvePerDiagram);
    EXPECT_EQ(doc.layout.CurveCount(), 4);
    EXPECT_TRUE(DatasetAt(0).active);
    EXPECT_EQ(doc.settings, before);
}

TEST(ScalingDialog, FromTheContextMenuUncheckedShowCurveDeactivates) {
    Document doc(100, 1.0, 3);
    Dataset& curve = *doc.description.Datasets()[0];
    WithNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Scaling");
        EXPECT_EQ(dialog->findChild<QLabel*>("datasetName")->text(), "ch0");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("minimumEdit")->text(), "0");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("maximumEdit")->text(), "10");
        auto* show = dialog->findChild<QCheckBox*>("showCurveCheck");
        EXPECT_TRUE(show->isChecked());
        ClickBox(show);
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    const ScalingChanges changes = RunScalingDialog(nullptr, doc.layout, curve, true);
    EXPECT_TRUE(changes.accepted);
    EXPECT_TRUE(changes.activeFlag);
    EXPECT_FALSE(changes.range);
    EXPECT_FALSE(curve.active);
    EXPECT_EQ(doc.layout.CurveCount(), 2);
}

TEST(ScalingDialog, EqualValuesAreWidenedAndTheColorStored) {
    Document doc(100, 1.0, 2);
    Dataset& curve = *doc.description.Datasets()[1];
    WithNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        TypeInto(dialog->findChild<QLineEdit*>("minimumEdit"), "-3");
        TypeInto(dialog->findChild<QLineEdit*>("maximumEdit"), " -3 ");
        dialog->findChild<ColorButton*>("colorButton")->SetColor(0x000000FF);
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    const ScalingChanges changes = RunScalingDialog(nullptr, doc.layout, curve, true);
    EXPECT_TRUE(changes.range);
    EXPECT_TRUE(changes.color);
    EXPECT_FALSE(changes.activeFlag);
    EXPECT_EQ(curve.display.displayMinimum, -4.0);
    EXPECT_EQ(curve.display.displayMaximum, -3.0);
    EXPECT_EQ(curve.display.color, 0x000000FFu);
    EXPECT_TRUE(curve.active);
}

TEST(ScalingDialog, BadInputShowsAMessageBoxAndKeepsTheDialogOpen) {
    Document doc(100, 1.0, 1);
    Dataset& curve = *doc.description.Datasets()[0];
    QString boxText;
    bool stayedOpen = false;
    bool minimumFocused = false;
    WithNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* minimum = dialog->findChild<QLineEdit*>("minimumEdit");
        TypeInto(minimum, "low");
        // No sink: the message is a real message box over the dialog.
        WithNextModal([&](QWidget* box) {
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                boxText = message->text();
                message->accept();
            }
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        minimumFocused = dialog->focusWidget() == minimum;
        QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    const ScalingChanges changes = RunScalingDialog(nullptr, doc.layout, curve, true);
    EXPECT_EQ(boxText, "Please enter a number.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(minimumFocused);
    EXPECT_FALSE(changes.accepted);
    EXPECT_EQ(curve.display.displayMinimum, 0.0);
}

}  // namespace
}  // namespace grafyon
