// The source and filter selection dialogs.
#include "selection_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/library_state.h"
#include "filter_name_dialogs.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

CSelectionDialog::CSelectionDialog(Kind kind, QuenarLibraryState& state,
                                   const FilterPageRegistry& pages,
                                   const std::vector<std::string>& sources,
                                   const std::string& filterName, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_state(state), m_editor(pages, state.messenger, this) {
    const int titles[] = {QUENAR_STR_SELECT_FILE_AND_FILTER, QUENAR_STR_SELECT_FILTER,
                          QUENAR_STR_SELECT_FILE};
    setWindowTitle(QuenarText(titles[static_cast<int>(kind)]));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    if (kind != Kind::Filter) {
        m_sources = new QComboBox;
        for (const std::string& source : sources)
            m_sources->addItem(ToQString(source));
        m_sources->setCurrentIndex(sources.empty() ? -1 : 0);
        form->addRow(BuddyLabel(QUENAR_STR_DATA_FILE_LABEL, m_sources), m_sources);
    }
    if (kind == Kind::Source) {
        auto* filter = new QLabel(ToQString(filterName));
        filter->setTextFormat(Qt::PlainText);
        form->addRow(new QLabel(QuenarText(QUENAR_STR_EXPORT_FILTER_LABEL)), filter);
    }
    layout->addLayout(form);

    if (kind != Kind::Source) {
        m_management.emplace(state.folders, true, state.registry, state.messenger, &m_editor);
        m_list = new CFilterList;
        m_insert = new QPushButton(QuenarText(QUENAR_STR_INSERT_FILTER));
        m_edit = new QPushButton(QuenarText(QUENAR_STR_EDIT_FILTER));
        auto* row = new QHBoxLayout;
        row->addWidget(m_list, 1);
        auto* buttons = new QVBoxLayout;
        for (QPushButton* button : {m_insert, m_edit}) {
            button->setAutoDefault(false);
            buttons->addWidget(button);
        }
        buttons->addStretch();
        row->addLayout(buttons);
        layout->addLayout(row, 1);
        auto* grid = new QGridLayout;
        const FolderLabels folders = AddFolderLabels(*grid, 0);
        folders.Show(*m_management);
        layout->addLayout(grid);
        connect(m_insert, &QPushButton::clicked, this, &CSelectionDialog::InsertFilter);
        connect(m_edit, &QPushButton::clicked, this, &CSelectionDialog::EditFilter);
        connect(m_list, &CFilterList::itemSelectionChanged, this,
                [this] { m_management->Select(m_list->SelectedRow()); });
        connect(m_list, &CFilterList::itemDoubleClicked, this, &CSelectionDialog::accept);
        resize(DialogUnitsX(*this, 440), sizeHint().height() + 120);
        Refill();
    }

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(QuenarText(QUENAR_STR_OK));
    box->button(QDialogButtonBox::Cancel)->setText(QuenarText(QUENAR_STR_CANCEL));
    connect(box, &QDialogButtonBox::accepted, this, &CSelectionDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CSelectionDialog::reject);
    layout->addWidget(box);
}

void CSelectionDialog::Refill() {
    const QSignalBlocker blocker(m_list);
    m_list->Fill(*m_management);
}

void CSelectionDialog::InsertFilter() {
    InsertFilterInteractively(*m_management, m_state.registry, this);
    Refill();
}

void CSelectionDialog::EditFilter() {
    m_management->Edit();
    Refill();
}

void CSelectionDialog::accept() {
    if (m_sources != nullptr) {
        if (m_sources->currentIndex() < 0) {
            m_state.messenger.Message(QUENAR_MSG_NO_DATA_SOURCE);
            return;
        }
        m_chosenSource = static_cast<std::size_t>(m_sources->currentIndex());
    }
    if (m_management) {
        const FilterListEntry* entry = m_management->Choose();
        if (entry == nullptr)
            return;
        m_chosenFilter = ChosenFilter{entry->path, FilterStem(*entry)};
    }
    QDialog::accept();
}

}  // namespace grafyon::exportfilter
