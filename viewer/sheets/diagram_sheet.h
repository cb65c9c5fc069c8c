// The diagram property sheet "Diagram" and the entry point the view's commands call.
#pragma once

#include <functional>

#include "viewer/settings/viewer_settings.h"
#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/property_sheet.h"

namespace grafyon {

class CGraphicCurvesPage;

struct DiagramSheetHooks {
    // Puts the document's datasets into a new order ("MoveUp", "MoveDown"); without it the
    // two buttons are disabled.
    DatasetReorder reorder;
    // The dataset information dialog ("Info"); without it the button is disabled. Called
    // while the sheet is open.
    std::function<void(Dataset& dataset)> showInfo;
    // The checks' messages; empty shows message boxes.
    SheetMessageSink message;
};

// Edits a working copy of the layout's diagram, axis and interval values and of the
// document's datasets; OK applies it to the layout, the datasets and the settings.
class CDiagramSheet : public CPropertySheet {
    Q_OBJECT
public:
    CDiagramSheet(CGraphicLayout& layout, MeasurementDescription& description,
                  ViewerSettings& settings, DiagramSheetHooks hooks, QWidget* parent = nullptr);

    DiagramValues& Values() { return m_values; }
    CGraphicCurvesPage* CurvesPage() const { return m_curvesPage; }
    // What the last OK changed (all false before it).
    const DiagramChanges& Changes() const { return m_changes; }

protected:
    void OnOk() override;

private:
    CGraphicLayout& m_layout;
    MeasurementDescription& m_description;
    ViewerSettings& m_settings;
    DiagramSheetHooks m_hooks;
    DiagramValues m_values;
    CGraphicCurvesPage* m_curvesPage;
    DiagramChanges m_changes;
};

// Shows the sheet modally at startPage (DIAGRAM_PAGE_GENERAL, _X_AXIS or _CURVES); on OK
// startPage becomes the page then shown, so "&Diagrams..." can reopen it per document.
// After OK the caller sends HINT_OBJECTS, HINT_VISIBLE_RANGE and HINT_CURVES, in this
// order, and takes a view snapshot first when changes.snapshotNeeded is set.
DiagramChanges RunDiagramSheet(QWidget* parent, CGraphicLayout& layout,
                               MeasurementDescription& description, ViewerSettings& settings,
                               int& startPage, const DiagramSheetHooks& hooks = {});

}  // namespace grafyon
