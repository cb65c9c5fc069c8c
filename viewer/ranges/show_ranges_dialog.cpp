// The "Show Ranges" dialog.
#include "show_ranges_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "viewer/grid/grid_ctrl.h"
#include "viewer/ranges/range_grid.h"
#include "viewer/ranges/range_operations.h"

namespace grafyon {

CShowRangesDialog::CShowRangesDialog(QWidget* parent, const CRangeList& list)
    : QDialog(parent), m_list(list) {
    setWindowTitle(tr("Show Ranges"));
    m_grid = new CGridCtrl(this);
    SetUpRangeGrid(*m_grid);
    FillRangeGrid(*m_grid, m_list);
    m_grid->setMinimumSize(360, 200);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_selectAll = new QPushButton(tr("&Select all"), this);
    m_unselectAll = new QPushButton(tr("&Unselect all"), this);
    m_ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_ok, m_cancel, m_selectAll, m_unselectAll})
        buttons->addWidget(button);
    buttons->insertSpacing(2, 12);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_selectAll, &QPushButton::clicked, m_grid, &CGridCtrl::SelectAllRows);
    connect(m_unselectAll, &QPushButton::clicked, m_grid, &CGridCtrl::ClearSelectedRows);
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this, &QDialog::accept);
    m_grid->setFocus();
}

std::optional<std::pair<std::int64_t, std::int64_t>> CShowRangesDialog::SelectedSpan() const {
    return SpanOfRanges(m_list, m_grid->SelectedRows());
}

}  // namespace grafyon
