// The allocation and dataset choice dialogs.
#include "allocation_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/quenar_class.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

QDialogButtonBox* OkCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QuenarText(QUENAR_STR_OK));
    buttons->button(QDialogButtonBox::Cancel)->setText(QuenarText(QUENAR_STR_CANCEL));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

// "Used filter:" and the filter's designation, shown as plain text.
QFormLayout* UsedFilterRow(const CQuenarClass& filter) {
    auto* form = new QFormLayout;
    auto* designation = new QLabel(ToQString(filter.designation));
    designation->setTextFormat(Qt::PlainText);
    form->addRow(new QLabel(QuenarText(QUENAR_STR_USED_FILTER)), designation);
    return form;
}

}  // namespace

CAllocationDialog::CAllocationDialog(const CQuenarClass& filter,
                                     std::vector<QuenarAllocationEntry>& entries,
                                     QuenarSelectList& records, QuenarMessenger& messenger,
                                     QWidget* parent)
    : QDialog(parent),
      m_entries(entries),
      m_records(records),
      m_messenger(messenger),
      m_list(new QTreeWidget),
      m_edit(new QPushButton(QuenarText(QUENAR_STR_EDIT))),
      m_automatic(new QPushButton(QuenarText(QUENAR_STR_AUTOMATIC_BUTTON))) {
    setWindowTitle(QuenarText(QUENAR_STR_ALLOCATION_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(UsedFilterRow(filter));
    auto* listLabel = new QLabel(QuenarText(QUENAR_STR_ALLOCATION_LIST));
    listLabel->setBuddy(m_list);
    layout->addWidget(listLabel);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(
        {QuenarText(QUENAR_STR_CHANNEL_ID), QuenarText(QUENAR_STR_SOURCE_DATASET)});
    m_list->setColumnWidth(0, DialogUnitsX(*this, 100));
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_edit, m_automatic}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    layout->addWidget(OkCancel(*this));

    connect(m_edit, &QPushButton::clicked, this, &CAllocationDialog::EditRow);
    connect(m_automatic, &QPushButton::clicked, this, &CAllocationDialog::Automatic);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CAllocationDialog::EditRow);
    Fill(m_entries.empty() ? -1 : 0);
}

void CAllocationDialog::Fill(int selectRow) {
    m_list->clear();
    for (const QuenarAllocationEntry& entry : m_entries)
        m_list->addTopLevelItem(
            new QTreeWidgetItem({ToQString(entry.identifier), ToQString(entry.source)}));
    if (QTreeWidgetItem* item = m_list->topLevelItem(selectRow)) {
        item->setSelected(true);
        m_list->setCurrentItem(item);
    }
}

void CAllocationDialog::EditRow() {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->indexOfTopLevelItem(selected.front());
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return;
    QuenarAllocationEntry& entry = m_entries[static_cast<std::size_t>(row)];
    CDatasetAllocationDialog dialog(entry, m_records, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Source()->currentIndex() < 0)
        return;
    entry.source = ToStdString(dialog.Source()->currentText());
    Fill(row);
}

void CAllocationDialog::Automatic() {
    AllocateDefaults(m_entries);
    Fill(m_list->currentIndex().row());
}

void CAllocationDialog::accept() {
    if (ConfirmAllocation(m_entries, m_records, m_messenger) == AllocationOutcome::Accepted)
        QDialog::accept();
}

CDatasetAllocationDialog::CDatasetAllocationDialog(const QuenarAllocationEntry& entry,
                                                   const QuenarSelectList& records, QWidget* parent)
    : QDialog(parent), m_source(new QComboBox) {
    setWindowTitle(QuenarText(QUENAR_STR_DATASET_ALLOCATIONS));
    // One entry per name: a name that several records share binds the first of them.
    for (const auto& record : records) {
        const QString name = ToQString(record->name);
        if (m_source->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            m_source->addItem(name);
    }
    m_source->setCurrentIndex(
        m_source->findText(ToQString(entry.source), Qt::MatchExactly | Qt::MatchCaseSensitive));
    auto* target = new QLabel(ToQString(entry.identifier));
    target->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_SOURCE, m_source), m_source);
    form->addRow(new QLabel(QuenarText(QUENAR_STR_TARGET)), target);
    layout->addLayout(form);
    layout->addWidget(OkCancel(*this));
}

CSelectDatasetsDialog::CSelectDatasetsDialog(const CQuenarClass& filter, QuenarSelectList& records,
                                             QuenarMessenger& messenger, QWidget* parent)
    : QDialog(parent),
      m_records(records),
      m_messenger(messenger),
      m_list(new QListWidget),
      m_selectAll(new QPushButton(QuenarText(QUENAR_STR_SELECT_ALL))) {
    setWindowTitle(QuenarText(QUENAR_STR_SELECT_DATASETS));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(UsedFilterRow(filter));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const auto& record : records)
        m_list->addItem(ToQString(record->name));
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    m_selectAll->setAutoDefault(false);
    buttons->addWidget(m_selectAll);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    layout->addWidget(OkCancel(*this));
    connect(m_selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
}

void CSelectDatasetsDialog::accept() {
    std::vector<bool> chosen(m_records.size(), false);
    for (int i = 0; i < m_list->count(); ++i)
        chosen[static_cast<std::size_t>(i)] = m_list->item(i)->isSelected();
    if (ConfirmDatasetChoice(m_records, chosen, m_messenger))
        QDialog::accept();
}

}  // namespace grafyon::exportfilter
