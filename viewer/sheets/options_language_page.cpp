// The "Language" page of the option sheet.
#include "viewer/sheets/options_language_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace grafyon {

COptionsLanguagePage::COptionsLanguagePage(OptionValues& values, QWidget* parent)
    : CPropertyPage(tr("Language"), parent), m_values(values) {
    m_language = new QComboBox(this);
    m_language->setObjectName("languageCombo");
    m_language->addItems({tr("English"), tr("German")});
    auto* form = new QFormLayout;
    form->addRow(tr("&Language:"), m_language);
    auto* note = new QLabel(
        tr("To activate a new language, you have to exit and restart the program."), this);
    note->setObjectName("languageNote");
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch(1);
    m_language->setCurrentIndex(m_values.german ? 1 : 0);
}

bool COptionsLanguagePage::SaveFields(DataExchange&) {
    m_values.german = m_language->currentIndex() == 1;
    return true;
}

}  // namespace grafyon
