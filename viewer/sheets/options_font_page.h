// The option page "Labelling": the diagrams' font and the cursor value format.
#pragma once

#include "viewer/sheets/option_values.h"
#include "viewer/sheets/property_page.h"

class QComboBox;

namespace grafyon {

class SpinEdit;

inline constexpr int FONT_SIZE_LIST[] = {6,  7,  8,  9,  10, 11, 12, 14,
                                         16, 18, 20, 22, 24, 26, 28, 36};

class COptionsFontPage : public CPropertyPage {
    Q_OBJECT
public:
    COptionsFontPage(OptionValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

    // Item data roles of the style entries.
    static constexpr int WEIGHT_ROLE = Qt::UserRole;
    static constexpr int ITALIC_ROLE = Qt::UserRole + 1;

private:
    void FillFaces();
    void FillStyles();
    void OnFaceChosen(int index);
    void OnStyleChosen(int index);

    OptionValues& m_values;
    QComboBox* m_face;
    QComboBox* m_size;
    QString m_openingSizeText;
    QComboBox* m_style;
    QComboBox* m_formatType;
    SpinEdit* m_width;
    SpinEdit* m_precision;
};

}  // namespace grafyon
