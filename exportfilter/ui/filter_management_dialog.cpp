// The filter management dialog.
#include "filter_management_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/library_state.h"
#include "filter_name_dialogs.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

CFilterManagementDialog::CFilterManagementDialog(QuenarLibraryState& state,
                                                 const FilterPageRegistry& pages, bool selectMode,
                                                 QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_selectMode(selectMode),
      m_editor(pages, state.messenger, this),
      m_management(state.folders, selectMode, state.registry, state.messenger, &m_editor),
      m_list(new CFilterList),
      m_first(new QPushButton(QuenarText(selectMode ? QUENAR_STR_OK : QUENAR_STR_CLOSE))),
      m_cancel(new QPushButton(QuenarText(QUENAR_STR_CANCEL))),
      m_insert(new QPushButton(QuenarText(QUENAR_STR_INSERT))),
      m_copy(new QPushButton(QuenarText(QUENAR_STR_COPY))),
      m_edit(new QPushButton(QuenarText(QUENAR_STR_EDIT))),
      m_delete(new QPushButton(QuenarText(QUENAR_STR_DELETE))) {
    setWindowTitle(QuenarText(QUENAR_STR_MANAGEMENT_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    m_first->setDefault(true);
    buttons->addWidget(m_first);
    buttons->addWidget(m_cancel);
    buttons->addSpacing(12);
    for (QPushButton* button : {m_insert, m_copy, m_edit, m_delete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top, 1);
    auto* grid = new QGridLayout;
    m_folders = AddFolderLabels(*grid, 0);
    layout->addLayout(grid);
    m_cancel->setVisible(selectMode);
    resize(DialogUnitsX(*this, 460), sizeHint().height() + 120);

    connect(m_first, &QPushButton::clicked, this, &CFilterManagementDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CFilterManagementDialog::reject);
    connect(m_insert, &QPushButton::clicked, this, &CFilterManagementDialog::Insert);
    connect(m_copy, &QPushButton::clicked, this, &CFilterManagementDialog::Copy);
    connect(m_edit, &QPushButton::clicked, this, &CFilterManagementDialog::Edit);
    connect(m_delete, &QPushButton::clicked, this, &CFilterManagementDialog::Delete);
    connect(m_list, &CFilterList::itemSelectionChanged, this,
            [this] { m_management.Select(m_list->SelectedRow()); });
    connect(m_list, &CFilterList::itemDoubleClicked, this, [this] {
        if (m_selectMode)
            accept();
        else
            Edit();
    });
    Refill();
}

void CFilterManagementDialog::Refill() {
    const QSignalBlocker blocker(m_list);
    m_list->Fill(m_management);
    m_folders.Show(m_management);
}

void CFilterManagementDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_folderChecked)
        return;
    m_folderChecked = true;
    // Once the dialog stands, so that the message appears over it; the dialog stays open.
    QTimer::singleShot(0, this, [this] { m_management.CheckLocalFolder(); });
}

void CFilterManagementDialog::Insert() {
    InsertFilterInteractively(m_management, m_state.registry, this);
    Refill();
}

void CFilterManagementDialog::Copy() {
    CopyFilterInteractively(m_management, this);
    Refill();
}

void CFilterManagementDialog::Edit() {
    m_management.Edit();
    Refill();
}

void CFilterManagementDialog::Delete() {
    m_management.Delete();
    Refill();
}

void CFilterManagementDialog::accept() {
    if (m_selectMode) {
        const FilterListEntry* entry = m_management.Choose();
        if (entry == nullptr)
            return;
        m_chosen = FilterStem(*entry);
    }
    QDialog::accept();
}

}  // namespace grafyon::exportfilter
