// The "Handling" page of the option sheet.
#include "viewer/sheets/options_usage_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace grafyon {

COptionsUsagePage::COptionsUsagePage(OptionValues& values, QWidget* parent)
    : CPropertyPage(tr("Handling"), parent),
      m_values(values),
      m_centerMode(new QButtonGroup(this)) {
    auto* group = new QGroupBox(tr("Center rmode"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const struct {
        QString text;
        const char* name;
    } modes[] = {{tr("Center &vertically and horizontal"), "centerBothRadio"},
                 {tr("Center only &horizontal"), "centerHorizontalRadio"},
                 {tr("&Inactive"), "centerInactiveRadio"}};
    int id = 0;
    for (const auto& mode : modes) {
        auto* button = new QRadioButton(mode.text, group);
        button->setObjectName(mode.name);
        m_centerMode->addButton(button, id++);
        groupLayout->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
    m_centerMode->button(m_values.centerMode)->setChecked(true);
}

bool COptionsUsagePage::SaveFields(DataExchange&) {
    m_values.centerMode = m_centerMode->checkedId();
    return true;
}

}  // namespace grafyon
