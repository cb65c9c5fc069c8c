// A cell grid with one fixed header row, proportional columns, check boxes and cell colors.
#pragma once

#include <QColor>
#include <QStringList>
#include <QTableWidget>

#include <vector>

namespace grafyon {

// Rows are selected whole. Use the methods below rather than the inherited item API: the
// check states and colors are kept for the rows those methods create.
class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    // Replaces the columns. Each column's width is its weight's share of the grid's width;
    // a missing or non-positive weight counts as 1. Existing rows keep their texts where
    // the column still exists.
    void SetColumns(const QStringList& titles, const std::vector<int>& weights);
    int ColumnCount() const { return columnCount(); }
    // The width each column gets for a total width, the first column taking what the
    // rounding leaves over.
    static std::vector<int> ColumnWidths(const std::vector<int>& weights, int totalWidth);

    // Adds empty rows at the end or drops rows from the end.
    void SetRowCount(int rows);
    int RowCount() const { return rowCount(); }

    void SetText(int row, int column, const QString& text);
    QString Text(int row, int column) const;
    void SetColumnAlignment(int column, Qt::Alignment alignment);

    // An invalid color restores the default. Out-of-range cells are ignored.
    void SetCellColor(int row, int column, const QColor& background);
    void SetTextColor(int row, int column, const QColor& text);
    void SetRowColor(int row, const QColor& background);
    // The colors set, invalid when the cell uses the default.
    QColor CellColor(int row, int column) const;
    QColor TextColor(int row, int column) const;

    // The column whose cells carry a check box, -1 for none. Changing it clears the checks.
    void SetCheckColumn(int column);
    int CheckColumn() const { return m_checkColumn; }
    bool IsChecked(int row) const;
    // Sets the check without emitting CheckToggled.
    void SetChecked(int row, bool checked);

    void SetMultipleSelection(bool multiple);
    bool MultipleSelection() const;
    // Ascending row numbers.
    std::vector<int> SelectedRows() const;
    // Selects exactly these rows (in single selection only the first); the first becomes the
    // current row.
    void SetSelectedRows(const std::vector<int>& rows);
    void SelectAllRows();
    void ClearSelectedRows();

signals:
    // The user switched a row's check box (mouse or space bar).
    void CheckToggled(int row, bool checked);
    void SelectionChanged();

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void OnItemChanged(QTableWidgetItem* item);
    void FillRow(int row);
    QTableWidgetItem* CellItem(int row, int column) const;
    bool ValidCell(int row, int column) const;
    void ApplyColumnWidths();

    std::vector<int> m_weights;
    std::vector<Qt::Alignment> m_alignments;
    std::vector<char> m_checked;
    int m_checkColumn = -1;
};

}  // namespace grafyon
