// The diagram property sheet: its three pages, the result on OK, and its entry point.
#include "viewer/sheets/diagram_sheet.h"

#include "viewer/data/measurement_description.h"
#include "viewer/sheets/graphic_curves_page.h"
#include "viewer/sheets/graphic_diagram_page.h"
#include "viewer/sheets/graphic_x_axis_page.h"
#include "viewer/sheets/sheets_strings.h"

namespace grafyon {

CDiagramSheet::CDiagramSheet(CGraphicLayout& layout, MeasurementDescription& description,
                             ViewerSettings& settings, DiagramSheetHooks hooks, QWidget* parent)
    : CPropertySheet(SheetsString(SHEETS_STR_DIAGRAM), parent),
      m_layout(layout),
      m_description(description),
      m_settings(settings),
      m_hooks(std::move(hooks)),
      m_values(DiagramValuesFrom(layout, description)) {
    setObjectName("diagramSheet");
    SetMessageSink(m_hooks.message);
    AddPage(new CGraphicDiagramPage(m_values, this));
    AddPage(new CGraphicXAxisPage(m_values, layout, this));
    m_curvesPage = new CGraphicCurvesPage(m_values, static_cast<bool>(m_hooks.reorder),
                                          static_cast<bool>(m_hooks.showInfo), this);
    m_curvesPage->SetMessageSink(m_hooks.message);
    AddPage(m_curvesPage);
    connect(m_curvesPage, &CGraphicCurvesPage::InfoRequested, this, [this](Dataset* dataset) {
        if (dataset != nullptr && m_hooks.showInfo)
            m_hooks.showInfo(*dataset);
    });
    SetActivePage(DIAGRAM_PAGE_GENERAL);
}

void CDiagramSheet::OnOk() {
    m_changes = ApplyDiagramValues(m_values, m_layout, m_description, m_settings, m_hooks.reorder);
}

DiagramChanges RunDiagramSheet(QWidget* parent, CGraphicLayout& layout,
                               MeasurementDescription& description, ViewerSettings& settings,
                               int& startPage, const DiagramSheetHooks& hooks) {
    CDiagramSheet sheet(layout, description, settings, hooks, parent);
    sheet.SetActivePage(startPage);
    if (sheet.exec() != QDialog::Accepted)
        return {};
    startPage = sheet.ActivePage();
    return sheet.Changes();
}

}  // namespace grafyon
