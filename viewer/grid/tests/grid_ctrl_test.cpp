// The grid control on the offscreen platform: columns, cells, check boxes, selection, keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "viewer/grid/grid_ctrl.h"

namespace grafyon {
namespace {

// Reaches the protected style option to find where a cell's check box is drawn.
class ProbeGrid : public CGridCtrl {
public:
    QRect CheckBoxRect(int row, int column) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualRect(model()->index(row, column));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    }
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    QPoint CellCentre(int row, int column) {
        return visualRect(model()->index(row, column)).center();
    }
};

int SumOfWidths(const CGridCtrl& grid) {
    int sum = 0;
    for (int column = 0; column < grid.ColumnCount(); ++column)
        sum += grid.columnWidth(column);
    return sum;
}

// A shown grid of three columns weighted as the range dialogs use them.
struct ShownGrid {
    ProbeGrid grid;
    explicit ShownGrid(int rows, int width = 420) {
        grid.SetColumns({"Range", "Start sample", "End sample"}, {3, 2, 2});
        grid.SetRowCount(rows);
        for (int row = 0; row < rows; ++row)
            grid.SetText(row, 0, QString("R%1").arg(row));
        grid.resize(width, 300);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
};

TEST(GridColumns, WidthsAreSharesOfTheTotalWithTheRestInTheFirstColumn) {
    EXPECT_EQ(CGridCtrl::ColumnWidths({3, 2, 2}, 700), (std::vector<int>{300, 200, 200}));
    // 2 * 701 / 7 rounds down to 200; the first column takes the 301 left over.
    EXPECT_EQ(CGridCtrl::ColumnWidths({3, 2, 2}, 701), (std::vector<int>{301, 200, 200}));
    EXPECT_EQ(CGridCtrl::ColumnWidths({1}, 55), (std::vector<int>{55}));
    // Zero and negative weights count as 1; a negative total as nothing.
    EXPECT_EQ(CGridCtrl::ColumnWidths({0, -4, 2}, 400), (std::vector<int>{100, 100, 200}));
    EXPECT_EQ(CGridCtrl::ColumnWidths({3, 2, 2}, -10), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(CGridCtrl::ColumnWidths({}, 100).empty());
    // Large widths do not overflow the multiplication.
    const std::vector<int> wide = CGridCtrl::ColumnWidths({1000000, 1000000}, 2000000000);
    EXPECT_EQ(wide, (std::vector<int>{1000000000, 1000000000}));
}

TEST(GridColumns, FollowTheWidgetsWidthAndTheScrollBar) {
    ShownGrid shown(2, 420);
    CGridCtrl& grid = shown.grid;
    EXPECT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Start sample");
    EXPECT_TRUE(grid.horizontalHeader()->isVisible());
    EXPECT_FALSE(grid.verticalHeader()->isVisible());
    const int viewportWidth = grid.viewport()->width();
    EXPECT_EQ(SumOfWidths(grid), viewportWidth);
    EXPECT_EQ(grid.columnWidth(1), 2 * viewportWidth / 7);
    EXPECT_EQ(grid.columnWidth(2), 2 * viewportWidth / 7);

    grid.resize(840, 300);
    QApplication::processEvents();
    EXPECT_GT(grid.viewport()->width(), viewportWidth);
    EXPECT_EQ(SumOfWidths(grid), grid.viewport()->width());

    // Enough rows for a vertical scroll bar: the columns shrink with the viewport.
    const int withoutBar = grid.viewport()->width();
    grid.SetRowCount(200);
    // The scroll bar appears with the view's delayed layout.
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid.verticalScrollBar()->isVisible(); }));
    EXPECT_LT(grid.viewport()->width(), withoutBar);
    EXPECT_EQ(SumOfWidths(grid), grid.viewport()->width());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}

TEST(GridColumns, ReplacingColumnsKeepsRowsAndTheirTexts) {
    CGridCtrl grid;
    grid.SetColumns({"A", "B", "C"}, {1, 1, 1});
    grid.SetRowCount(2);
    grid.SetText(1, 0, "kept");
    grid.SetText(1, 2, "dropped");
    grid.SetCheckColumn(2);
    grid.SetColumns({"A", "B"}, {1});
    EXPECT_EQ(grid.ColumnCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Text(1, 0), "kept");
    EXPECT_EQ(grid.Text(1, 2), "");
    // The check column went with its column.
    EXPECT_EQ(grid.CheckColumn(), -1);
    grid.SetColumns({"A", "B", "C", "D"}, {1, 1, 1, 1});
    grid.SetText(0, 3, "new");
    EXPECT_EQ(grid.Text(0, 3), "new");
}

TEST(GridCells, TextsAndColorsPerCellAndRow) {
    CGridCtrl grid;
    grid.SetColumns({"A", "B", "C"}, {3, 2, 2});
    grid.SetRowCount(3);
    grid.SetText(0, 1, "17");
    EXPECT_EQ(grid.Text(0, 1), "17");
    EXPECT_EQ(grid.Text(0, 0), "");
    // Cells outside the grid are ignored and read as empty.
    grid.SetText(3, 0, "x");
    grid.SetText(0, -1, "x");
    grid.SetCellColor(7, 7, Qt::red);
    EXPECT_EQ(grid.Text(3, 0), "");
    EXPECT_FALSE(grid.CellColor(7, 7).isValid());

    grid.SetCellColor(1, 2, QColor(0xFF, 0xFF, 0x80));
    EXPECT_EQ(grid.CellColor(1, 2), QColor(0xFF, 0xFF, 0x80));
    EXPECT_FALSE(grid.CellColor(1, 1).isValid());
    grid.SetTextColor(1, 2, Qt::blue);
    EXPECT_EQ(grid.TextColor(1, 2), QColor(Qt::blue));
    EXPECT_FALSE(grid.TextColor(1, 1).isValid());

    grid.SetRowColor(2, Qt::green);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(grid.CellColor(2, column), QColor(Qt::green)) << column;
    grid.SetRowColor(2, QColor());
    for (int column = 0; column < 3; ++column)
        EXPECT_FALSE(grid.CellColor(2, column).isValid()) << column;
    // The color reaches what the view paints.
    EXPECT_EQ(grid.model()->data(grid.model()->index(1, 2), Qt::BackgroundRole).value<QBrush>(),
              QBrush(QColor(0xFF, 0xFF, 0x80)));

    // Rows dropped and added again come back empty and uncolored.
    grid.SetRowCount(1);
    grid.SetRowCount(3);
    EXPECT_FALSE(grid.CellColor(1, 2).isValid());
    EXPECT_EQ(grid.Text(1, 2), "");
    grid.SetRowCount(-5);
    EXPECT_EQ(grid.RowCount(), 0);
}

TEST(GridCells, NotEditableByKeysOrDoubleClick) {
    ShownGrid shown(3);
    ProbeGrid& grid = shown.grid;
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.CellCentre(1, 1));
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClick(&grid, Qt::Key_X);
    EXPECT_FALSE(grid.Editing());
    EXPECT_EQ(grid.findChildren<QLineEdit*>().size(), 0);
    EXPECT_EQ(grid.Text(1, 1), "");
    EXPECT_FALSE(grid.tabKeyNavigation());
}

TEST(GridChecks, MouseAndSpaceToggleAndSignalProgramChangesDoNot) {
    ShownGrid shown(3);
    ProbeGrid& grid = shown.grid;
    QSignalSpy toggled(&grid, &CGridCtrl::CheckToggled);
    EXPECT_FALSE(grid.IsChecked(0));
    grid.SetCheckColumn(0);
    EXPECT_EQ(grid.CheckColumn(), 0);
    grid.SetChecked(1, true);
    EXPECT_TRUE(grid.IsChecked(1));
    EXPECT_EQ(grid.model()->data(grid.model()->index(1, 0), Qt::CheckStateRole).toInt(),
              Qt::Checked);
    EXPECT_EQ(toggled.count(), 0);

    // A click on the box toggles it and tells the owner.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CheckBoxRect(2, 0).center());
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled.at(0).at(0).toInt(), 2);
    EXPECT_TRUE(toggled.at(0).at(1).toBool());
    EXPECT_TRUE(grid.IsChecked(2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CheckBoxRect(1, 0).center());
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_EQ(toggled.at(1).at(0).toInt(), 1);
    EXPECT_FALSE(toggled.at(1).at(1).toBool());
    EXPECT_FALSE(grid.IsChecked(1));

    // A click elsewhere in the row selects it but leaves the check.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellCentre(0, 2));
    EXPECT_EQ(toggled.count(), 2);
    EXPECT_FALSE(grid.IsChecked(0));
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{0});

    // The space bar toggles the current row once, whichever cell has the focus.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Space);
    ASSERT_EQ(toggled.count(), 3);
    EXPECT_EQ(toggled.at(2).at(0).toInt(), 0);
    EXPECT_TRUE(grid.IsChecked(0));

    // Text and color changes of the check cell are no toggles.
    grid.SetText(0, 0, "renamed");
    grid.SetCellColor(0, 0, Qt::yellow);
    EXPECT_EQ(toggled.count(), 3);
    EXPECT_TRUE(grid.IsChecked(0));
}

TEST(GridChecks, NewRowsGetBoxesAndMovingTheColumnClearsThem) {
    CGridCtrl grid;
    grid.SetColumns({"A", "B"}, {1, 1});
    grid.SetRowCount(1);
    grid.SetCheckColumn(1);
    grid.SetChecked(0, true);
    grid.SetRowCount(3);
    EXPECT_TRUE(grid.IsChecked(0));
    EXPECT_FALSE(grid.IsChecked(2));
    EXPECT_TRUE(grid.model()->flags(grid.model()->index(2, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(2, 0)) & Qt::ItemIsUserCheckable);
    grid.SetChecked(2, true);

    grid.SetCheckColumn(0);
    EXPECT_FALSE(grid.IsChecked(0));
    EXPECT_FALSE(grid.IsChecked(2));
    EXPECT_FALSE(grid.model()->data(grid.model()->index(2, 1), Qt::CheckStateRole).isValid());
    EXPECT_TRUE(grid.model()->flags(grid.model()->index(2, 0)) & Qt::ItemIsUserCheckable);

    // Without a check column nothing is checked and nothing can be set.
    grid.SetCheckColumn(-1);
    grid.SetChecked(1, true);
    EXPECT_FALSE(grid.IsChecked(1));
    grid.SetCheckColumn(5);
    EXPECT_EQ(grid.CheckColumn(), -1);
    EXPECT_FALSE(grid.IsChecked(-1));
}

TEST(GridSelection, SingleSelectionHoldsOneWholeRow) {
    ShownGrid shown(4);
    ProbeGrid& grid = shown.grid;
    QSignalSpy changed(&grid, &CGridCtrl::SelectionChanged);
    EXPECT_FALSE(grid.MultipleSelection());
    EXPECT_TRUE(grid.SelectedRows().empty());
    grid.SetSelectedRows({2, 3});
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_GE(changed.count(), 1);
    // The whole row is selected.
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 3);

    const int before = changed.count();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellCentre(1, 2));
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
    EXPECT_GT(changed.count(), before);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, grid.CellCentre(3, 0));
    EXPECT_EQ(grid.SelectedRows().size(), 1u);

    // Select all means nothing with one row at a time; invalid rows are skipped.
    grid.SelectAllRows();
    EXPECT_EQ(grid.SelectedRows().size(), 1u);
    grid.SetSelectedRows({-1, 9, 0});
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{0});
    grid.ClearSelectedRows();
    EXPECT_TRUE(grid.SelectedRows().empty());
}

TEST(GridSelection, MultipleSelectionByProgramMouseAndBack) {
    ShownGrid shown(5);
    ProbeGrid& grid = shown.grid;
    grid.SetMultipleSelection(true);
    EXPECT_TRUE(grid.MultipleSelection());
    grid.SetSelectedRows({3, 0, 3});
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{0, 3}));
    EXPECT_EQ(grid.currentRow(), 3);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellCentre(1, 1));
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, grid.CellCentre(3, 0));
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{1, 2, 3}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, grid.CellCentre(2, 1));
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{1, 3}));

    grid.SelectAllRows();
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{0, 1, 2, 3, 4}));
    grid.ClearSelectedRows();
    EXPECT_TRUE(grid.SelectedRows().empty());

    // Back to single selection: only the first selected row stays.
    grid.SetSelectedRows({1, 3});
    grid.SetMultipleSelection(false);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
}

TEST(GridKeys, ArrowsPagesHomeAndEndMoveTheSelectedRow) {
    ShownGrid shown(40, 300);
    ProbeGrid& grid = shown.grid;
    grid.setFocus();
    grid.SetSelectedRows({0});
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{0});
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{39});
    EXPECT_EQ(grid.currentColumn(), 0);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{0});
    QTest::keyClick(&grid, Qt::Key_PageDown);
    const std::vector<int> paged = grid.SelectedRows();
    ASSERT_EQ(paged.size(), 1u);
    EXPECT_GT(paged.front(), 1);
    EXPECT_LT(paged.front(), 39);

    // Shift extends in multiple selection.
    grid.SetMultipleSelection(true);
    grid.SetSelectedRows({5});
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{5, 6, 7}));
}

TEST(GridKeys, EmptyGridTakesKeysAndQueriesQuietly) {
    CGridCtrl grid;
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_End);
    QTest::keyClick(&grid, Qt::Key_Space);
    grid.SetSelectedRows({0});
    grid.SelectAllRows();
    EXPECT_TRUE(grid.SelectedRows().empty());
    EXPECT_EQ(grid.Text(0, 0), "");
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
