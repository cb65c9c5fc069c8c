// The "Merge Files" dialog's controls and list operations.
#include "merge_files_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace grafyon {

namespace {

QStringList DroppedFiles(const QMimeData* mime) {
    QStringList files;
    if (mime == nullptr || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && IsLinkableExtension(url.toLocalFile()))
            files.append(url.toLocalFile());
    }
    return files;
}

}  // namespace

bool IsLinkableExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mdf") || suffix == QLatin1String("mcf") ||
           suffix == QLatin1String("tks");
}

CMergeFilesDialog::CMergeFilesDialog(QWidget* parent, const MergeFilesState& initial,
                                     MergeFilesHooks hooks)
    : QDialog(parent), m_hooks(std::move(hooks)) {
    setWindowTitle(tr("Merge Files"));
    auto* listLabel = new QLabel(tr("&File list:"), this);
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(480, 200);
    m_list->setAcceptDrops(true);
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(this);
    listLabel->setBuddy(m_list);
    m_list->addItems(initial.files);

    m_insert = new QPushButton(tr("&Insert"), this);
    m_duplicate = new QPushButton(tr("Du&plicate"), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    m_up = new QPushButton(tr("&Up"), this);
    m_down = new QPushButton(tr("&Down"), this);
    m_info = new QPushButton(tr("I&nfo"), this);
    for (QPushButton* button : {m_insert, m_duplicate, m_remove, m_up, m_down, m_info})
        button->setAutoDefault(false);
    connect(m_insert, &QPushButton::clicked, this, &CMergeFilesDialog::Insert);
    connect(m_duplicate, &QPushButton::clicked, this, &CMergeFilesDialog::Duplicate);
    connect(m_remove, &QPushButton::clicked, this, &CMergeFilesDialog::Remove);
    connect(m_up, &QPushButton::clicked, this, &CMergeFilesDialog::MoveUp);
    connect(m_down, &QPushButton::clicked, this, &CMergeFilesDialog::MoveDown);
    connect(m_info, &QPushButton::clicked, this, &CMergeFilesDialog::ShowInfo);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CMergeFilesDialog::UpdateButtons);

    auto* modes = new QGroupBox(tr("Creation Mode"), this);
    m_linkMode = new QRadioButton(
        tr("Create only an MDF-file, that handle the data in the original data files"), modes);
    m_mergeMode = new QRadioButton(
        tr("Create &an MDF file and a data file, that contains all the data"), modes);
    auto* modeLayout = new QVBoxLayout(modes);
    modeLayout->addWidget(m_linkMode);
    modeLayout->addWidget(m_mergeMode);
    (initial.mode == 1 ? m_mergeMode : m_linkMode)->setChecked(true);
    m_open = new QCheckBox(tr("&Open the created file"), this);
    m_open->setChecked(initial.openCreated);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {m_insert, m_duplicate, m_remove, m_up, m_down, m_info})
        side->addWidget(button);
    side->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addLayout(listRow);
    layout->addWidget(modes);
    layout->addWidget(m_open);
    layout->addWidget(buttons);

    Select(initial.selection);
    UpdateButtons();
}

MergeFilesState CMergeFilesDialog::State() const {
    MergeFilesState state;
    for (int i = 0; i < m_list->count(); ++i)
        state.files.append(m_list->item(i)->text());
    state.selection = SelectedRows();
    state.mode = m_mergeMode->isChecked() ? 1 : 0;
    state.openCreated = m_open->isChecked();
    return state;
}

std::vector<int> CMergeFilesDialog::SelectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->isSelected())
            rows.push_back(i);
    }
    return rows;
}

void CMergeFilesDialog::Select(const std::vector<int>& rows) {
    m_list->clearSelection();
    for (const int row : rows) {
        if (QListWidgetItem* item = m_list->item(row)) {
            item->setSelected(true);
            m_list->scrollToItem(item);
        }
    }
    if (!rows.empty() && m_list->item(rows.front()) != nullptr)
        m_list->setCurrentRow(rows.front(), QItemSelectionModel::NoUpdate);
    UpdateButtons();
}

void CMergeFilesDialog::UpdateButtons() {
    const std::vector<int> rows = SelectedRows();
    m_duplicate->setEnabled(!rows.empty());
    m_remove->setEnabled(!rows.empty());
    m_up->setEnabled(!rows.empty() && rows.front() > 0);
    m_down->setEnabled(!rows.empty() && rows.back() < m_list->count() - 1);
    m_info->setEnabled(!rows.empty());
}

int CMergeFilesDialog::AddFiles(const QStringList& paths, bool dropped) {
    std::vector<int> added;
    for (const QString& path : paths) {
        if (dropped && !IsLinkableExtension(path))
            continue;
        if (m_hooks.checkFile && !m_hooks.checkFile(path))
            continue;
        m_list->addItem(path);
        added.push_back(m_list->count() - 1);
    }
    if (!added.empty())
        Select(added);
    return static_cast<int>(added.size());
}

void CMergeFilesDialog::Insert() {
    if (m_hooks.chooseFiles)
        AddFiles(m_hooks.chooseFiles(), false);
}

void CMergeFilesDialog::Duplicate() {
    std::vector<int> added;
    for (const int row : SelectedRows()) {
        m_list->addItem(m_list->item(row)->text());
        added.push_back(m_list->count() - 1);
    }
    if (!added.empty())
        Select(added);
}

void CMergeFilesDialog::Remove() {
    const std::vector<int> rows = SelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        delete m_list->takeItem(*row);
    UpdateButtons();
}

void CMergeFilesDialog::MoveUp() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty() || rows.front() == 0)
        return;
    for (int& row : rows) {
        m_list->insertItem(row - 1, m_list->takeItem(row));
        --row;
    }
    Select(rows);
}

void CMergeFilesDialog::MoveDown() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty() || rows.back() == m_list->count() - 1)
        return;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        m_list->insertItem(*row + 1, m_list->takeItem(*row));
        ++*row;
    }
    Select(rows);
}

void CMergeFilesDialog::ShowInfo() {
    const std::vector<int> rows = SelectedRows();
    if (!rows.empty() && m_hooks.showInfo)
        m_hooks.showInfo(m_list->item(rows.front())->text());
}

bool CMergeFilesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!DroppedFiles(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList files = DroppedFiles(drop->mimeData());
            if (!files.isEmpty()) {
                drop->acceptProposedAction();
                AddFiles(files, true);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace grafyon
