// The property sheet of the library's edit dialogs.
#include "edit_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "exportfilter/engine/export_strings.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

EditPage::EditPage(QString title, QWidget* parent) : QWidget(parent), m_title(std::move(title)) {}

CEditSheet::CEditSheet(const QString& title, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QuenarText(QUENAR_STR_OK));
    buttons->button(QDialogButtonBox::Cancel)->setText(QuenarText(QUENAR_STR_CANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditSheet::reject);
    layout->addWidget(buttons);
}

void CEditSheet::AddPage(std::unique_ptr<EditPage> page) {
    EditPage* raw = page.release();
    m_tabs->addTab(raw, raw->Title());
    m_pages.push_back(raw);
}

int CEditSheet::PageCount() const {
    return static_cast<int>(m_pages.size());
}

EditPage* CEditSheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

void CEditSheet::ShowPage(int index) {
    if (index >= 0 && index < PageCount())
        m_tabs->setCurrentIndex(index);
}

int CEditSheet::CurrentPage() const {
    return m_tabs->currentIndex();
}

void CEditSheet::accept() {
    // Each page shows while it checks, so that a message and the focus land where the user
    // looks; nothing repaints in between unless a page refuses.
    const int before = CurrentPage();
    for (int i = 0; i < PageCount(); ++i) {
        ShowPage(i);
        if (!Page(i)->Validate())
            return;
    }
    ShowPage(before);
    if (m_check) {
        switch (m_check(*this)) {
            case Verdict::Stay:
                return;
            case Verdict::Discard:
                reject();
                return;
            case Verdict::Accept:
                break;
        }
    }
    for (EditPage* page : m_pages)
        page->Apply();
    QDialog::accept();
}

}  // namespace grafyon::exportfilter
