// The free-text spin field of the property pages.
#include "viewer/sheets/spin_edit.h"

#include <QLineEdit>

#include <algorithm>
#include <cstdint>

#include "viewer/sheets/field_parse.h"

namespace grafyon {

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(std::max(minimum, maximum)) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::TextEdited);
}

void SpinEdit::SetValue(int value) {
    SetText(QString::number(value));
}

void SpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
    update();
}

void SpinEdit::stepBy(int steps) {
    const std::optional<int> current = ParseIntegerField(text().toStdString());
    // An entry that is no number starts over from the bottom of the range, as an up-down
    // control does with a buddy it cannot read.
    const std::int64_t next = current ? std::int64_t{*current} + steps : m_minimum;
    SetValue(static_cast<int>(std::clamp<std::int64_t>(next, m_minimum, m_maximum)));
    lineEdit()->selectAll();
    emit TextEdited(text());
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    const std::optional<int> current = ParseIntegerField(text().toStdString());
    if (!current)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (*current < m_maximum)
        enabled |= StepUpEnabled;
    if (*current > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

}  // namespace grafyon
