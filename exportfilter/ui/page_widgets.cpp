// Small builders shared by the pages.
#include "page_widgets.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/quenar_message.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

QLabel* BuddyLabel(int id, QWidget* buddy) {
    auto* label = new QLabel(QuenarText(id));
    label->setBuddy(buddy);
    return label;
}

QButtonGroup* AddRadioButtons(QWidget* owner, QBoxLayout* layout, int firstId, int count) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(QuenarText(firstId + i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

int CheckedValue(const QButtonGroup& group, int fallback) {
    const int id = group.checkedId();
    return id >= 0 ? id : fallback;
}

void CheckValue(QButtonGroup& group, int value) {
    if (QAbstractButton* button = group.button(value))
        button->setChecked(true);
}

void AddComboEntries(QComboBox& combo, int firstId, int count, int firstValue) {
    for (int i = 0; i < count; ++i)
        combo.addItem(QuenarText(firstId + i), firstValue + i);
}

void SelectComboValue(QComboBox& combo, int value) {
    const int index = combo.findData(value);
    combo.setCurrentIndex(index >= 0 ? index : 0);
}

int ComboValue(const QComboBox& combo, int fallback) {
    bool ok = false;
    const int value = combo.currentData().toInt(&ok);
    return ok ? value : fallback;
}

std::optional<double> ReadNumberField(QLineEdit& field, QuenarMessenger& messenger) {
    const std::optional<double> value = ParseNumberText(field.text());
    if (!value) {
        messenger.Message(QUENAR_MSG_ENTER_NUMBER);
        field.setFocus();
        field.selectAll();
    }
    return value;
}

}  // namespace grafyon::exportfilter
