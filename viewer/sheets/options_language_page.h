// The option page "Language": the user-interface language of the next start.
#pragma once

#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_page.h"

class QComboBox;

namespace grafyon {

class COptionsLanguagePage : public CPropertyPage {
    Q_OBJECT
public:
    COptionsLanguagePage(OptionValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    OptionValues& m_values;
    QComboBox* m_language;
};

}  // namespace grafyon
