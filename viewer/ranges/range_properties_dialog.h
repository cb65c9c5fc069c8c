// "Range properties": active flag, name, commentary and the two positions of one range.
#pragma once

#include <QDialog>

#include <cstdint>

#include "viewer/ranges/range_properties.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace grafyon {

// Positions are shown 1-based. OK accepts only whole numbers from 1 to the number of
// samples; a bad entry gets a message and keeps the dialog open with that field focused.
class CRangePropertiesDialog : public QDialog {
    Q_OBJECT
public:
    CRangePropertiesDialog(QWidget* parent, const RangeProperties& initial,
                           std::int64_t sampleCount);

    // The values after OK: samples 0-based and ordered, the commentary without trailing
    // white space.
    const RangeProperties& Values() const { return m_values; }

    QCheckBox* ActiveBox() const { return m_active; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* CommentaryEdit() const { return m_commentary; }
    QLineEdit* StartEdit() const { return m_start; }
    QLineEdit* EndEdit() const { return m_end; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    // The field's position 0-based, or nothing after telling the user what is wrong.
    bool ReadPosition(QLineEdit* edit, std::int64_t& sample);

    RangeProperties m_values;
    std::int64_t m_sampleCount = 0;
    QCheckBox* m_active = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_commentary = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace grafyon
