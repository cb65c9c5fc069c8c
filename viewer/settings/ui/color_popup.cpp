// Painting and input of the color popup.
#include "viewer/settings/ui/color_popup.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "viewer/settings/ui/color_conversion.h"

namespace grafyon {

namespace {

constexpr int MARGIN = 3;
constexpr int SWATCH = 14;
constexpr int GAP = 5;
constexpr int ROWS_PER_COLUMN = 12;
constexpr int COLUMNS_MAX = 16;

// Draws a swatch; the transparent one as white crossed out in red.
void PaintSwatch(QPainter& painter, const QRect& rect, ColorRef color) {
    painter.setPen(Qt::black);
    if (color == COLOR_TRANSPARENT) {
        painter.setBrush(Qt::white);
        painter.drawRect(rect);
        painter.setPen(Qt::red);
        painter.drawLine(rect.bottomLeft(), rect.topRight());
    } else {
        painter.setBrush(QColorFromColorRef(color));
        painter.drawRect(rect);
    }
}

}  // namespace

ColorPopup::ColorPopup(const ColorList& palette, ColorRef current, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_palette(palette) {
    setObjectName(QStringLiteral("Color"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    const int count = static_cast<int>(m_palette.size());
    m_columns = std::clamp((count + ROWS_PER_COLUMN - 1) / ROWS_PER_COLUMN, 1, COLUMNS_MAX);

    const QFontMetrics metrics(font());
    int textWidth = metrics.horizontalAdvance(QStringLiteral("Transparent"));
    for (const ColorEntry& entry : m_palette) {
        textWidth =
            std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(entry.name)));
    }
    m_cellSize = QSize(MARGIN + SWATCH + GAP + textWidth + MARGIN,
                       std::max(SWATCH, metrics.height()) + 2 * MARGIN);

    m_current = 0;
    if (current == COLOR_TRANSPARENT) {
        m_current = TransparentCell();
    } else {
        const auto found = std::find_if(m_palette.begin(), m_palette.end(),
                                        [&](const ColorEntry& e) { return e.color == current; });
        if (found != m_palette.end())
            m_current = static_cast<int>(found - m_palette.begin());
    }
    resize(sizeHint());
}

int ColorPopup::Rows() const {
    return (static_cast<int>(m_palette.size()) + m_columns - 1) / m_columns;
}

QSize ColorPopup::sizeHint() const {
    return QSize(m_columns * m_cellSize.width() + 2, (Rows() + 1) * m_cellSize.height() + 2);
}

QRect ColorPopup::CellRect(int cell) const {
    if (cell < 0 || cell >= CellCount())
        return {};
    if (cell == TransparentCell()) {
        return QRect(1, 1 + Rows() * m_cellSize.height(), m_columns * m_cellSize.width(),
                     m_cellSize.height());
    }
    // Filled column by column, so the names read downwards as a list.
    const int column = cell / Rows();
    const int row = cell % Rows();
    return QRect(QPoint(1 + column * m_cellSize.width(), 1 + row * m_cellSize.height()),
                 m_cellSize);
}

ColorRef ColorPopup::CellColor(int cell) const {
    if (cell >= 0 && cell < TransparentCell())
        return m_palette[static_cast<std::size_t>(cell)].color;
    return COLOR_TRANSPARENT;
}

QString ColorPopup::CellName(int cell) const {
    if (cell >= 0 && cell < TransparentCell()) {
        return QString::fromStdString(m_palette[static_cast<std::size_t>(cell)].name);
    }
    return QStringLiteral("Transparent");
}

int ColorPopup::CellAt(const QPoint& point) const {
    for (int cell = 0; cell < CellCount(); ++cell) {
        if (CellRect(cell).contains(point))
            return cell;
    }
    return -1;
}

void ColorPopup::SetCurrent(int cell) {
    cell = std::clamp(cell, 0, CellCount() - 1);
    if (cell == m_current)
        return;
    m_current = cell;
    update();
}

void ColorPopup::PopUpBelow(const QWidget& anchor) {
    QPoint position = anchor.mapToGlobal(QPoint(0, anchor.height()));
    const QSize size = sizeHint();
    if (const QScreen* screen = anchor.screen()) {
        const QRect available = screen->availableGeometry();
        if (position.y() + size.height() > available.bottom() + 1) {
            position.setY(anchor.mapToGlobal(QPoint(0, 0)).y() - size.height());
        }
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() + 1 - size.width())));
        position.setY(std::max(position.y(), available.top()));
    }
    move(position);
    show();
    setFocus(Qt::PopupFocusReason);
}

void ColorPopup::Choose(int cell) {
    if (cell < 0 || cell >= CellCount())
        return;
    const ColorRef color = CellColor(cell);
    close();
    emit ColorChosen(color);
}

void ColorPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int cell = 0; cell < CellCount(); ++cell) {
        const QRect area = CellRect(cell);
        const bool current = cell == m_current;
        if (current)
            painter.fillRect(area, palette().highlight());
        const QRect swatch(area.left() + MARGIN, area.center().y() - SWATCH / 2, SWATCH, SWATCH);
        PaintSwatch(painter, swatch, CellColor(cell));
        painter.setPen(palette().color(current ? QPalette::HighlightedText : QPalette::WindowText));
        const QRect text = area.adjusted(MARGIN + SWATCH + GAP, 0, -MARGIN, 0);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, CellName(cell));
    }
}

void ColorPopup::mouseMoveEvent(QMouseEvent* event) {
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0)
        SetCurrent(cell);
}

void ColorPopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0)
        Choose(cell);
}

void ColorPopup::keyPressEvent(QKeyEvent* event) {
    const int rows = Rows();
    const int transparent = TransparentCell();
    switch (event->key()) {
        case Qt::Key_Up:
            SetCurrent(m_current == transparent ? transparent - 1 : m_current - 1);
            break;
        case Qt::Key_Down:
            SetCurrent(m_current + 1);
            break;
        case Qt::Key_Left:
            if (m_current != transparent && m_current >= rows)
                SetCurrent(m_current - rows);
            break;
        case Qt::Key_Right:
            if (m_current != transparent && m_current + rows < transparent) {
                SetCurrent(m_current + rows);
            }
            break;
        case Qt::Key_Home:
            SetCurrent(0);
            break;
        case Qt::Key_End:
            SetCurrent(transparent);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Choose(m_current);
            break;
        case Qt::Key_Escape:
            close();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace grafyon
