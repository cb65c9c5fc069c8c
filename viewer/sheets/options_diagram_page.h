// The option page "Start": the initial view, curve scaling and reference of new documents.
#pragma once

#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_page.h"

class QButtonGroup;
class QLineEdit;

namespace grafyon {

class SpinEdit;

class COptionsDiagramPage : public CPropertyPage {
    Q_OBJECT
public:
    COptionsDiagramPage(OptionValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    // Only the field of the checked initial-view mode can be edited.
    void EnableFields();

    OptionValues& m_values;
    QButtonGroup* m_startMode;
    QButtonGroup* m_scaling;
    QButtonGroup* m_reference;
    SpinEdit* m_numOfValues;
    QLineEdit* m_timeInterval;
    SpinEdit* m_valueInterval;
};

}  // namespace grafyon
