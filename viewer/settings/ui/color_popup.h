// The borderless popup of named color cells that a color button opens.
#pragma once

#include <QWidget>

#include "viewer/settings/color_table.h"

namespace grafyon {

// Shows the palette as cells (a swatch and the name) in columns, and a last, full-width
// cell "Transparent". A click on a cell, or Return/Space on the current cell, chooses it
// and closes the popup; Escape and a click outside close it without a choice. The arrows,
// Home and End move the current cell.
class ColorPopup : public QWidget {
    Q_OBJECT
public:
    ColorPopup(const ColorList& palette, ColorRef current, QWidget* parent);

    int CellCount() const { return static_cast<int>(m_palette.size()) + 1; }
    int TransparentCell() const { return static_cast<int>(m_palette.size()); }
    QRect CellRect(int cell) const;
    ColorRef CellColor(int cell) const;
    QString CellName(int cell) const;
    int CurrentCell() const { return m_current; }
    int Columns() const { return m_columns; }

    // Shows the popup below anchor (above it when there is no room below).
    void PopUpBelow(const QWidget& anchor);
    // Emits ColorChosen for the cell and closes the popup.
    void Choose(int cell);

    QSize sizeHint() const override;

signals:
    void ColorChosen(quint32 color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int CellAt(const QPoint& point) const;
    void SetCurrent(int cell);
    int Rows() const;

    ColorList m_palette;  // a copy: the popup must not depend on the table's lifetime
    int m_columns = 1;
    int m_current = 0;
    QSize m_cellSize;
};

}  // namespace grafyon
