// The "General" page of the diagram property sheet.
#include "viewer/sheets/graphic_diagram_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/spin_edit.h"

namespace grafyon {

CGraphicDiagramPage::CGraphicDiagramPage(DiagramValues& values, QWidget* parent)
    : CPropertyPage(tr("General"), parent), m_values(values), m_viewMode(new QButtonGroup(this)) {
    auto* mode = new QGroupBox(tr("Mode"), this);
    auto* modeLayout = new QVBoxLayout(mode);
    auto* single = new QRadioButton(tr("&Diagrams with one Curve"), mode);
    single->setObjectName("oneCurvePerDiagramRadio");
    auto* all = new QRadioButton(tr("&One Diagram with all Curves"), mode);
    all->setObjectName("allCurvesRadio");
    // The buttons' ids are the stored numbers of the modes.
    m_viewMode->addButton(single, SettingFromViewMode(ViewMode::CurvePerDiagram));
    m_viewMode->addButton(all, SettingFromViewMode(ViewMode::AllCurves));
    modeLayout->addWidget(single);
    modeLayout->addWidget(all);

    m_diagramsPerPage = new SpinEdit(DIAGRAMS_PER_PAGE_MIN, DIAGRAMS_PER_PAGE_MAX, this);
    m_diagramsPerPage->setObjectName("diagramsPerPageEdit");
    auto* form = new QFormLayout;
    form->addRow(tr("Diagrams per &page:"), m_diagramsPerPage);
    m_yGrid = new QCheckBox(tr("Show &Y-Grid"), this);
    m_yGrid->setObjectName("yGridCheck");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mode);
    layout->addLayout(form);
    layout->addWidget(m_yGrid);
    layout->addStretch(1);

    m_viewMode->button(SettingFromViewMode(m_values.viewMode))->setChecked(true);
    m_diagramsPerPage->SetValue(m_values.diagramsPerPage);
    m_yGrid->setChecked(m_values.yGrid);
}

bool CGraphicDiagramPage::SaveFields(DataExchange& exchange) {
    if (!exchange.Integer(m_diagramsPerPage, DIAGRAMS_PER_PAGE_MIN, DIAGRAMS_PER_PAGE_MAX,
                          m_values.diagramsPerPage)) {
        return false;
    }
    m_values.viewMode = ViewModeFromSetting(m_viewMode->checkedId());
    m_values.yGrid = m_yGrid->isChecked();
    return true;
}

}  // namespace grafyon
