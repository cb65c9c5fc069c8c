// A push button that shows a color and lets the user choose another.
#pragma once

#include <QColorDialog>
#include <QPointer>
#include <QPushButton>

#include "viewer/settings/color_table.h"
#include "viewer/settings/ui/color_popup.h"

namespace grafyon {

// A click opens the popup of the active palette below the button; with the extended style
// it opens the color dialog instead, and OK there takes its color.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr);

    ColorRef Color() const { return m_color; }
    void SetColor(ColorRef color);
    bool ExtendedStyle() const { return m_extendedStyle; }
    void SetExtendedStyle(bool extended) { m_extendedStyle = extended; }

    // The open popup or color dialog, for whoever needs to reach into it.
    ColorPopup* Popup() const { return m_popup; }
    QColorDialog* Dialog() const { return m_dialog; }

    QSize sizeHint() const override;

signals:
    void ColorChanged(quint32 color);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OpenChooser();

private:
    ColorRef m_color = 0;
    bool m_extendedStyle = false;
    QPointer<ColorPopup> m_popup;
    QPointer<QColorDialog> m_dialog;
};

}  // namespace grafyon
