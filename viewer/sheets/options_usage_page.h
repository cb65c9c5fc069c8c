// The option page "Handling": what centring does, and the summaries kept for reopening.
#pragma once

#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_page.h"

class QButtonGroup;
class QCheckBox;

namespace grafyon {

class SpinEdit;

class COptionsUsagePage : public CPropertyPage {
    Q_OBJECT
public:
    COptionsUsagePage(OptionValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    OptionValues& m_values;
    QButtonGroup* m_centerMode;
    QCheckBox* m_summaryCache;
    SpinEdit* m_cacheLimit;
};

}  // namespace grafyon
