// The option page "Handling": what centring does.
#pragma once

#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_page.h"

class QButtonGroup;

namespace grafyon {

class COptionsUsagePage : public CPropertyPage {
    Q_OBJECT
public:
    COptionsUsagePage(OptionValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    OptionValues& m_values;
    QButtonGroup* m_centerMode;
};

}  // namespace grafyon
