// Painting of the color button and the choosers it opens.
#include "viewer/settings/ui/color_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "viewer/settings/active_palette.h"
#include "viewer/settings/ui/color_conversion.h"

namespace grafyon {

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &ColorButton::OpenChooser);
}

void ColorButton::SetColor(ColorRef color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit ColorChanged(color);
}

QSize ColorButton::sizeHint() const {
    return QSize(60, QPushButton::sizeHint().height());
}

void ColorButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect swatch = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    swatch.adjust(2, 2, -2, -2);
    if (option.state & QStyle::State_Sunken)
        swatch.translate(1, 1);
    painter.setPen(isEnabled() ? Qt::black : Qt::gray);
    if (m_color == COLOR_TRANSPARENT) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.drawLine(swatch.bottomLeft(), swatch.topRight());
    } else {
        painter.setBrush(isEnabled() ? QColorFromColorRef(m_color)
                                     : palette().color(QPalette::Button));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = swatch.adjusted(-2, -2, 2, 2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void ColorButton::OpenChooser() {
    if (m_extendedStyle) {
        // The dialog has no transparent color; it starts from white then.
        const QColor initial =
            m_color == COLOR_TRANSPARENT ? QColor(Qt::white) : QColorFromColorRef(m_color);
        QColorDialog dialog(initial, this);
        m_dialog = &dialog;
        const int result = dialog.exec();
        m_dialog = nullptr;
        if (result == QDialog::Accepted)
            SetColor(ColorRefFromQColor(dialog.selectedColor()));
        return;
    }
    if (m_popup)
        m_popup->close();
    // Parented to the button, deleted when it closes.
    auto* popup = new ColorPopup(ActivePalette(), m_color, this);
    connect(popup, &ColorPopup::ColorChosen, this, [this](quint32 color) { SetColor(color); });
    m_popup = popup;
    popup->PopUpBelow(*this);
}

}  // namespace grafyon
