// The cell grid: a table widget held to whole rows, fixed columns and a plain interface.
#include "grid_ctrl.h"

#include <QBrush>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace grafyon {

namespace {

constexpr Qt::Alignment DEFAULT_ALIGNMENT = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::ItemFlags CELL_FLAGS = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

QColor ColorOf(const QTableWidgetItem* item, int role) {
    if (item == nullptr)
        return {};
    const QVariant value = item->data(role);
    if (!value.isValid())
        return {};
    return value.value<QBrush>().color();
}

void SetColorOf(QTableWidgetItem* item, int role, const QColor& color) {
    if (color.isValid())
        item->setData(role, QBrush(color));
    else
        item->setData(role, QVariant());
}

}  // namespace

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the dialog's buttons instead of walking the cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    connect(this, &QTableWidget::itemChanged, this, &CGridCtrl::OnItemChanged);
    connect(this, &QTableWidget::itemSelectionChanged, this, &CGridCtrl::SelectionChanged);
}

void CGridCtrl::SetColumns(const QStringList& titles, const std::vector<int>& weights) {
    const int count = static_cast<int>(titles.size());
    m_weights.assign(static_cast<std::size_t>(count), 1);
    for (int i = 0; i < count && i < static_cast<int>(weights.size()); ++i)
        m_weights[i] = std::max(weights[i], 1);
    m_alignments.resize(static_cast<std::size_t>(count), DEFAULT_ALIGNMENT);
    if (m_checkColumn >= count)
        SetCheckColumn(-1);
    setColumnCount(count);
    setHorizontalHeaderLabels(titles);
    for (int row = 0; row < rowCount(); ++row)
        FillRow(row);
    ApplyColumnWidths();
}

std::vector<int> CGridCtrl::ColumnWidths(const std::vector<int>& weights, int totalWidth) {
    std::vector<int> widths(weights.size(), 0);
    if (weights.empty())
        return widths;
    const std::int64_t total = std::max(totalWidth, 0);
    std::int64_t sum = 0;
    for (int weight : weights)
        sum += std::max(weight, 1);
    std::int64_t rest = total;
    for (std::size_t i = 1; i < weights.size(); ++i) {
        widths[i] = static_cast<int>(total * std::max(weights[i], 1) / sum);
        rest -= widths[i];
    }
    widths[0] = static_cast<int>(rest);
    return widths;
}

void CGridCtrl::ApplyColumnWidths() {
    const std::vector<int> widths = ColumnWidths(m_weights, viewport()->width());
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        setColumnWidth(column, widths[column]);
}

bool CGridCtrl::viewportEvent(QEvent* event) {
    const bool handled = QTableWidget::viewportEvent(event);
    // The viewport narrows when the vertical scroll bar appears; the columns follow it.
    if (event->type() == QEvent::Resize)
        ApplyColumnWidths();
    return handled;
}

void CGridCtrl::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    const int old = rowCount();
    m_checked.resize(static_cast<std::size_t>(rows), 0);
    setRowCount(rows);
    for (int row = old; row < rows; ++row)
        FillRow(row);
}

void CGridCtrl::FillRow(int row) {
    for (int column = 0; column < columnCount(); ++column) {
        if (item(row, column) != nullptr)
            continue;
        auto cell = std::make_unique<QTableWidgetItem>();
        cell->setFlags(CELL_FLAGS);
        cell->setTextAlignment(m_alignments[static_cast<std::size_t>(column)]);
        if (column == m_checkColumn) {
            cell->setFlags(CELL_FLAGS | Qt::ItemIsUserCheckable);
            cell->setCheckState(m_checked[static_cast<std::size_t>(row)] ? Qt::Checked
                                                                         : Qt::Unchecked);
        }
        // The table takes the item over.
        setItem(row, column, cell.release());
    }
}

bool CGridCtrl::ValidCell(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

QTableWidgetItem* CGridCtrl::CellItem(int row, int column) const {
    return ValidCell(row, column) ? item(row, column) : nullptr;
}

void CGridCtrl::SetText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = CellItem(row, column))
        cell->setText(text);
}

QString CGridCtrl::Text(int row, int column) const {
    const QTableWidgetItem* cell = CellItem(row, column);
    return cell ? cell->text() : QString();
}

void CGridCtrl::SetColumnAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= columnCount())
        return;
    m_alignments[static_cast<std::size_t>(column)] = alignment;
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem* cell = item(row, column))
            cell->setTextAlignment(alignment);
    }
}

void CGridCtrl::SetCellColor(int row, int column, const QColor& background) {
    if (QTableWidgetItem* cell = CellItem(row, column))
        SetColorOf(cell, Qt::BackgroundRole, background);
}

void CGridCtrl::SetTextColor(int row, int column, const QColor& text) {
    if (QTableWidgetItem* cell = CellItem(row, column))
        SetColorOf(cell, Qt::ForegroundRole, text);
}

void CGridCtrl::SetRowColor(int row, const QColor& background) {
    for (int column = 0; column < columnCount(); ++column)
        SetCellColor(row, column, background);
}

QColor CGridCtrl::CellColor(int row, int column) const {
    return ColorOf(CellItem(row, column), Qt::BackgroundRole);
}

QColor CGridCtrl::TextColor(int row, int column) const {
    return ColorOf(CellItem(row, column), Qt::ForegroundRole);
}

void CGridCtrl::SetCheckColumn(int column) {
    if (column < -1 || column >= columnCount())
        column = -1;
    const int old = m_checkColumn;
    // Cleared first, so that the item changes below are not taken for the user's toggles.
    m_checkColumn = -1;
    std::fill(m_checked.begin(), m_checked.end(), 0);
    if (old >= 0 && old < columnCount()) {
        for (int row = 0; row < rowCount(); ++row) {
            if (QTableWidgetItem* cell = item(row, old)) {
                cell->setData(Qt::CheckStateRole, QVariant());
                cell->setFlags(CELL_FLAGS);
            }
        }
    }
    m_checkColumn = column;
    if (column < 0)
        return;
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem* cell = item(row, column)) {
            cell->setFlags(CELL_FLAGS | Qt::ItemIsUserCheckable);
            cell->setCheckState(Qt::Unchecked);
        }
    }
}

bool CGridCtrl::IsChecked(int row) const {
    return m_checkColumn >= 0 && row >= 0 && row < static_cast<int>(m_checked.size()) &&
           m_checked[static_cast<std::size_t>(row)] != 0;
}

void CGridCtrl::SetChecked(int row, bool checked) {
    QTableWidgetItem* cell = CellItem(row, m_checkColumn);
    if (cell == nullptr)
        return;
    // Recorded before the item changes, so OnItemChanged sees no toggle.
    m_checked[static_cast<std::size_t>(row)] = checked ? 1 : 0;
    cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CGridCtrl::OnItemChanged(QTableWidgetItem* changed) {
    if (changed == nullptr || m_checkColumn < 0 || changed->column() != m_checkColumn)
        return;
    const int row = changed->row();
    if (row < 0 || row >= static_cast<int>(m_checked.size()))
        return;
    const bool checked = changed->checkState() == Qt::Checked;
    if (checked == (m_checked[static_cast<std::size_t>(row)] != 0))
        return;
    m_checked[static_cast<std::size_t>(row)] = checked ? 1 : 0;
    emit CheckToggled(row, checked);
}

void CGridCtrl::SetMultipleSelection(bool multiple) {
    if (multiple) {
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        return;
    }
    const std::vector<int> rows = SelectedRows();
    setSelectionMode(QAbstractItemView::SingleSelection);
    if (rows.size() > 1)
        SetSelectedRows({rows.front()});
}

bool CGridCtrl::MultipleSelection() const {
    return selectionMode() != QAbstractItemView::SingleSelection;
}

std::vector<int> CGridCtrl::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CGridCtrl::SetSelectedRows(const std::vector<int>& rows) {
    QItemSelection selection;
    int first = -1;
    const int lastColumn = columnCount() - 1;
    for (int row : rows) {
        if (row < 0 || row >= rowCount() || lastColumn < 0)
            continue;
        if (first < 0)
            first = row;
        selection.select(model()->index(row, 0), model()->index(row, lastColumn));
        if (!MultipleSelection())
            break;
    }
    if (first < 0) {
        selectionModel()->clearSelection();
        return;
    }
    // Through the view, so that the first row also becomes the anchor of Shift selections.
    setCurrentIndex(model()->index(first, 0));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::SelectAllRows() {
    if (!MultipleSelection())
        return;
    std::vector<int> rows(static_cast<std::size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        rows[static_cast<std::size_t>(row)] = row;
    SetSelectedRows(rows);
}

void CGridCtrl::ClearSelectedRows() {
    selectionModel()->clearSelection();
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    // The space bar switches the current row's check, wherever the focus cell is.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        m_checkColumn >= 0) {
        const int row = currentIndex().isValid() ? currentIndex().row() : -1;
        if (row >= 0 && row < rowCount()) {
            const bool checked = !IsChecked(row);
            SetChecked(row, checked);
            emit CheckToggled(row, checked);
            event->accept();
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex CGridCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Rows are the unit here, so Home and End go to the first and last row as in a list.
    if ((action == MoveHome || action == MoveEnd) && rowCount() > 0 && columnCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model()->index(action == MoveHome ? 0 : rowCount() - 1, column);
    }
    return QTableWidget::moveCursor(action, modifiers);
}

}  // namespace grafyon
