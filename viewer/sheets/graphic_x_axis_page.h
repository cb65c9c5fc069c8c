// The diagram sheet's page "X-Axis": the visible interval, the axes and their display.
#pragma once

#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/property_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace grafyon {

class CGraphicXAxisPage : public CPropertyPage {
    Q_OBJECT
public:
    // layout gives the "Info" texts.
    CGraphicXAxisPage(DiagramValues& values, const CGraphicLayout& layout,
                      QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    // "All values" has no interval value of its own.
    void EnableIntervalField();

    DiagramValues& m_values;
    QComboBox* m_startMode;
    QLineEdit* m_startValue;
    QComboBox* m_intervalMode;
    QLineEdit* m_intervalValue;
    QCheckBox* m_top;
    QCheckBox* m_bottom;
    QButtonGroup* m_display;
};

}  // namespace grafyon
