// What the diagram property sheet edits, and how its result reaches the layout and settings.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "viewer/settings/viewer_settings.h"
#include "viewer/view/model/graphic_layout.h"

namespace grafyon {
class Dataset;
class MeasurementDescription;
}  // namespace grafyon

namespace grafyon {

// The pages of the diagram sheet in their order.
enum DiagramPage { DIAGRAM_PAGE_GENERAL = 0, DIAGRAM_PAGE_X_AXIS, DIAGRAM_PAGE_CURVES };
inline constexpr int DIAGRAM_PAGE_COUNT = 3;

// Diagrams per page that the "General" page accepts.
inline constexpr int DIAGRAMS_PER_PAGE_MIN = 1;
inline constexpr int DIAGRAMS_PER_PAGE_MAX = 32;

// One dataset of the document as the "Curves" page shows it.
struct CurveRow {
    Dataset* dataset = nullptr;
    std::string name;
    bool active = false;
    bool readable = true;  // its values can be read: active, it is a curve
    double minimum = 0.0;
    double maximum = 0.0;
    std::uint32_t color = 0;
};

// The working copy of the sheet; the pages edit it and OK applies it.
struct DiagramValues {
    // "General"
    ViewMode viewMode = ViewMode::CurvePerDiagram;
    int diagramsPerPage = 2;
    bool yGrid = false;
    // "X-Axis"
    StartMode startMode = StartMode::Sample;
    double startValue = 0.0;
    IntervalMode intervalMode = IntervalMode::Values;
    double intervalValue = 0.0;
    bool topAxis = false;
    bool bottomAxis = true;
    bool axisInSamples = false;  // stored as "X_Axis Scale Mode"
    // "Curves", in the document's dataset order as the user arranged it
    std::vector<CurveRow> curves;
};

// What OK changed. After OK the caller sends HINT_OBJECTS, HINT_VISIBLE_RANGE and
// HINT_CURVES in this order, and takes a view snapshot when snapshotNeeded is set.
struct DiagramChanges {
    bool accepted = false;
    bool viewMode = false;
    bool xValues = false;        // start or interval mode or value
    bool displayRanges = false;  // a dataset's display range
    bool colors = false;
    bool activeFlags = false;
    bool order = false;           // the datasets were moved
    bool snapshotNeeded = false;  // xValues or displayRanges
};

// Puts the datasets of the document into the new order; false when it could not.
using DatasetReorder = std::function<bool(const std::vector<Dataset*>& order)>;

DiagramValues DiagramValuesFrom(CGraphicLayout& layout, const MeasurementDescription& description);

// The display range that manual scaling makes of an entry: equal values widened as a
// constant curve is, reversed values swapped. False (and nothing changed) for a value
// that is not finite.
bool ManualRange(double& minimum, double& maximum);

// Moves row index by delta (-1 up, +1 down); the row's new index, or index when it cannot
// move.
int MoveCurveRow(std::vector<CurveRow>& rows, int index, int delta);

// Applies the sheet's values in this order: view mode, diagrams per page and grid
// (each stored as a setting when the layout took it), the axes and the scale mode (always
// stored), start and interval, then the datasets (active flags, display ranges by manual
// scaling, colors, order through reorder) and the curves, forced when the view mode
// changed.
DiagramChanges ApplyDiagramValues(const DiagramValues& values, CGraphicLayout& layout,
                                  MeasurementDescription& description, ViewerSettings& settings,
                                  const DatasetReorder& reorder);

// The "Info" texts of the X-axis page: the document's number of samples ("%d") and the
// time of its last sample in the cursor value format.
std::string SampleCountText(const CGraphicLayout& layout);
std::string TimeMaximumText(const CGraphicLayout& layout);

}  // namespace grafyon
