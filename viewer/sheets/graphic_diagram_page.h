// The diagram sheet's page "General": view mode, diagrams per page and the Y grid.
#pragma once

#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/property_page.h"

class QButtonGroup;
class QCheckBox;

namespace grafyon {

class SpinEdit;

class CGraphicDiagramPage : public CPropertyPage {
    Q_OBJECT
public:
    CGraphicDiagramPage(DiagramValues& values, QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

private:
    DiagramValues& m_values;
    QButtonGroup* m_viewMode;
    SpinEdit* m_diagramsPerPage;
    QCheckBox* m_yGrid;
};

}  // namespace grafyon
