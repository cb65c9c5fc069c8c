// The property sheet frame: tabs, OK and Cancel, and the checks when a page is left.
#include "viewer/sheets/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "viewer/sheets/property_page.h"

namespace grafyon {

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_ok->setObjectName("okButton");
    m_cancel->setObjectName("cancelButton");
    // The language module carries these too: Qt's own translations are not installed.
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    m_switching = true;
    m_tabs->addTab(page, page->Title());
    m_switching = false;
    m_current = m_tabs->currentIndex();
}

int CPropertySheet::PageCount() const {
    return m_tabs->count();
}

CPropertyPage* CPropertySheet::Page(int index) const {
    return qobject_cast<CPropertyPage*>(m_tabs->widget(index));
}

void CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= PageCount())
        index = 0;
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
    m_current = m_tabs->currentIndex();
}

bool CPropertySheet::SavePage(int index, bool silent) {
    CPropertyPage* page = Page(index);
    if (page == nullptr)
        return true;
    DataExchange exchange(this, m_sink, silent);
    return page->SaveFields(exchange);
}

void CPropertySheet::OnCurrentChanged(int index) {
    if (m_switching)
        return;
    // Go back to the page being left first, so that a refused field is shown and focused
    // where the user can correct it.
    m_switching = true;
    m_tabs->setCurrentIndex(m_current);
    const bool saved = SavePage(m_current, false);
    if (saved)
        m_tabs->setCurrentIndex(index);
    m_switching = false;
    if (saved)
        m_current = index;
}

void CPropertySheet::accept() {
    if (!SavePage(m_current, false))
        return;
    for (int i = 0; i < PageCount(); ++i) {
        if (i == m_current || SavePage(i, true))
            continue;
        // A page that was not left through its tab still holds a refused entry: show it
        // there and report it.
        SetActivePage(i);
        SavePage(i, false);
        return;
    }
    OnOk();
    QDialog::accept();
}

}  // namespace grafyon
