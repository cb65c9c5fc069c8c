// Small builders shared by the pages: labelled fields, radio groups and number fields.
#pragma once

#include <QString>

#include <optional>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace grafyon::exportfilter {

class QuenarMessenger;

// A label with the table text of id whose accelerator moves the focus to buddy.
QLabel* BuddyLabel(int id, QWidget* buddy);

// count radio buttons with the table texts firstId, firstId + 1, ... added to layout; the
// button of value i has the id i in the group.
QButtonGroup* AddRadioButtons(QWidget* owner, QBoxLayout* layout, int firstId, int count);
// The checked value, or fallback when none is checked.
int CheckedValue(const QButtonGroup& group, int fallback);
void CheckValue(QButtonGroup& group, int value);

// count entries with the table texts firstId, ... whose data is their value.
void AddComboEntries(QComboBox& combo, int firstId, int count, int firstValue = 0);
// Selects the entry whose data is value (the first entry when none is).
void SelectComboValue(QComboBox& combo, int value);
int ComboValue(const QComboBox& combo, int fallback);

// The number in the field, or nothing after message 7202 with the focus on the field.
std::optional<double> ReadNumberField(QLineEdit& field, QuenarMessenger& messenger);

}  // namespace grafyon::exportfilter
