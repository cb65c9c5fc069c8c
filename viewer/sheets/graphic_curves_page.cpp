// The "Curves" page of the diagram property sheet.
#include "viewer/sheets/graphic_curves_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "common/printf_format.h"
#include "viewer/grid/grid_ctrl.h"
#include "viewer/settings/ui/color_conversion.h"
#include "viewer/sheets/scaling_dialog.h"
#include "viewer/sheets/sheets_strings.h"
#include "viewer/view/model/curve_color.h"

namespace grafyon {

namespace {

constexpr int COLUMN_DATASET = 0;
constexpr int COLUMN_MINIMUM = 1;
constexpr int COLUMN_MAXIMUM = 2;

// Rows of datasets that are no curves are greyed so the active ones stand out.
const QColor INACTIVE_ROW_COLOR(0xE0, 0xE0, 0xE0);

QString GridNumber(double value) {
    return QString::fromStdString(FormatPrintf("%g", value));
}

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CGraphicCurvesPage::CGraphicCurvesPage(DiagramValues& values, bool canMove, bool canShowInfo,
                                       QWidget* parent)
    : CPropertyPage(tr("Curves"), parent),
      m_values(values),
      m_canMove(canMove),
      m_canShowInfo(canShowInfo),
      m_grid(new CGridCtrl(this)) {
    m_grid->setObjectName("curvesGrid");
    m_grid->SetColumns({SheetsString(SHEETS_STR_DATASET), SheetsString(SHEETS_STR_MINIMUM),
                        SheetsString(SHEETS_STR_MAXIMUM)},
                       std::vector<int>(std::begin(COLUMN_WEIGHTS), std::end(COLUMN_WEIGHTS)));
    m_grid->SetColumnAlignment(COLUMN_MINIMUM, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->SetColumnAlignment(COLUMN_MAXIMUM, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->SetCheckColumn(COLUMN_DATASET);
    m_grid->SetMultipleSelection(true);

    m_disable = MakeButton(tr("Disable"), "disableButton", this);
    m_enable = MakeButton(tr("Enable"), "enableButton", this);
    m_property = MakeButton(tr("Property"), "propertyButton", this);
    m_info = MakeButton(tr("Info"), "infoButton", this);
    m_moveUp = MakeButton(tr("MoveUp"), "moveUpButton", this);
    m_moveDown = MakeButton(tr("MoveDown"), "moveDownButton", this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_disable, m_enable, m_property, m_info, m_moveUp, m_moveDown})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    FillGrid();
    if (!m_values.curves.empty())
        m_grid->SetSelectedRows({0});
    UpdateButtons();

    connect(m_grid, &CGridCtrl::SelectionChanged, this, &CGraphicCurvesPage::UpdateButtons);
    connect(m_grid, &CGridCtrl::CheckToggled, this, [this](int row, bool checked) {
        if (row < 0 || row >= static_cast<int>(m_values.curves.size()))
            return;
        m_values.curves[static_cast<std::size_t>(row)].active = checked;
        FillRow(row);
    });
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this, [this](int, int) { OpenScaling(); });
    connect(m_disable, &QPushButton::clicked, this, [this] { SetActive(false); });
    connect(m_enable, &QPushButton::clicked, this, [this] { SetActive(true); });
    connect(m_property, &QPushButton::clicked, this, &CGraphicCurvesPage::OpenScaling);
    connect(m_info, &QPushButton::clicked, this, [this] {
        const int row = SelectedRow();
        if (row >= 0)
            emit InfoRequested(m_values.curves[static_cast<std::size_t>(row)].dataset);
    });
    connect(m_moveUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(m_moveDown, &QPushButton::clicked, this, [this] { Move(1); });
}

void CGraphicCurvesPage::FillGrid() {
    m_grid->SetRowCount(static_cast<int>(m_values.curves.size()));
    for (int row = 0; row < m_grid->RowCount(); ++row)
        FillRow(row);
}

void CGraphicCurvesPage::FillRow(int row) {
    const CurveRow& curve = m_values.curves[static_cast<std::size_t>(row)];
    m_grid->SetText(row, COLUMN_DATASET, QString::fromStdString(curve.name));
    m_grid->SetText(row, COLUMN_MINIMUM, GridNumber(curve.minimum));
    m_grid->SetText(row, COLUMN_MAXIMUM, GridNumber(curve.maximum));
    m_grid->SetChecked(row, curve.active);
    m_grid->SetRowColor(row, curve.active && curve.readable ? QColor() : INACTIVE_ROW_COLOR);
    // The name in the colour the diagram gives the curve's texts (black when transparent).
    m_grid->SetTextColor(row, COLUMN_DATASET, QColorFromColorRef(CurveTextColor(curve.color)));
}

int CGraphicCurvesPage::SelectedRow() const {
    const std::vector<int> rows = m_grid->SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void CGraphicCurvesPage::UpdateButtons() {
    const std::vector<int> rows = m_grid->SelectedRows();
    const bool any = !rows.empty();
    const int count = static_cast<int>(m_values.curves.size());
    m_disable->setEnabled(any);
    m_enable->setEnabled(any);
    m_property->setEnabled(any);
    m_info->setEnabled(any && m_canShowInfo);
    m_moveUp->setEnabled(m_canMove && rows.size() == 1 && rows.front() > 0);
    m_moveDown->setEnabled(m_canMove && rows.size() == 1 && rows.front() < count - 1);
}

void CGraphicCurvesPage::SetActive(bool active) {
    for (int row : m_grid->SelectedRows()) {
        m_values.curves[static_cast<std::size_t>(row)].active = active;
        FillRow(row);
    }
}

void CGraphicCurvesPage::OpenScaling() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    CurveRow& curve = m_values.curves[static_cast<std::size_t>(row)];
    const ScalingValues start{curve.minimum, curve.maximum, curve.color, curve.active};
    CScalingDialog dialog(QString::fromStdString(curve.name), start, this);
    dialog.SetMessageSink(m_sink);
    if (dialog.exec() != QDialog::Accepted)
        return;
    curve.minimum = dialog.Values().minimum;
    curve.maximum = dialog.Values().maximum;
    curve.color = dialog.Values().color;
    curve.active = dialog.Values().showCurve;
    FillRow(row);
}

void CGraphicCurvesPage::Move(int delta) {
    const int row = SelectedRow();
    if (!m_canMove || row < 0)
        return;
    const int moved = MoveCurveRow(m_values.curves, row, delta);
    if (moved == row)
        return;
    FillRow(row);
    FillRow(moved);
    m_grid->SetSelectedRows({moved});
    UpdateButtons();
}

bool CGraphicCurvesPage::SaveFields(DataExchange&) {
    // Every change is written into the rows as it is made; the ranges were checked by the
    // "Scaling" dialog.
    return true;
}

}  // namespace grafyon
