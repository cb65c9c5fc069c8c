// The "Ranges" dialog: edit, remove and (de)activate ranges of a copied list.
#include "ranges_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "viewer/grid/grid_ctrl.h"
#include "viewer/ranges/range_grid.h"
#include "viewer/ranges/range_operations.h"
#include "viewer/ranges/range_properties_dialog.h"

namespace grafyon {

CRangesDialog::CRangesDialog(QWidget* parent, const CRangeList& documentList,
                             std::int64_t sampleCount)
    : QDialog(parent), m_ranges(documentList), m_sampleCount(sampleCount) {
    setWindowTitle(tr("Ranges"));
    m_grid = new CGridCtrl(this);
    SetUpRangeGrid(*m_grid);
    m_grid->setMinimumSize(360, 200);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_edit = new QPushButton(tr("&Edit..."), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    m_allActive = new QPushButton(tr("&All active"), this);
    m_allInactive = new QPushButton(tr("All inactive"), this);
    m_ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_ok, m_cancel, m_edit, m_remove, m_allActive, m_allInactive})
        buttons->addWidget(button);
    buttons->insertSpacing(2, 12);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_edit, &QPushButton::clicked, this, &CRangesDialog::EditSelected);
    connect(m_remove, &QPushButton::clicked, this, &CRangesDialog::RemoveSelected);
    connect(m_allActive, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(m_allInactive, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(m_grid, &CGridCtrl::SelectionChanged, this, &CRangesDialog::UpdateButtons);
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this, [this] { EditSelected(); });

    Refill();
    UpdateButtons();
    m_grid->setFocus();
}

void CRangesDialog::Refill() {
    FillRangeGrid(*m_grid, m_ranges);
}

void CRangesDialog::UpdateButtons() {
    const bool selected = !m_grid->SelectedRows().empty();
    m_edit->setEnabled(selected);
    m_remove->setEnabled(selected);
}

void CRangesDialog::EditSelected() {
    const std::vector<int> rows = m_grid->SelectedRows();
    if (rows.empty() || m_editor != nullptr)
        return;
    // With several rows selected the current one is edited when it is among them.
    int row = rows.front();
    if (std::find(rows.begin(), rows.end(), m_grid->currentRow()) != rows.end())
        row = m_grid->currentRow();
    CRange& range = m_ranges.At(row);
    CRangePropertiesDialog editor(this, PropertiesOf(range), m_sampleCount);
    m_editor = &editor;
    const bool confirmed = editor.exec() == QDialog::Accepted;
    m_editor = nullptr;
    if (!confirmed)
        return;
    ApplyProperties(m_ranges, range, editor.Values());
    Refill();
    // The edited range may have moved to another place in the order.
    m_grid->SetSelectedRows({m_ranges.IndexOf(range)});
}

void CRangesDialog::RemoveSelected() {
    RemoveRanges(m_ranges, m_grid->SelectedRows());
    m_grid->ClearSelectedRows();
    Refill();
    UpdateButtons();
}

void CRangesDialog::SetAll(bool active) {
    SetAllActive(m_ranges, active);
    Refill();
}

}  // namespace grafyon
