// The diagram sheet's working copy and its application to the layout and the settings.
#include "viewer/sheets/diagram_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/printf_format.h"
#include "viewer/data/measurement_description.h"
#include "viewer/view/model/scaling.h"

namespace grafyon {

DiagramValues DiagramValuesFrom(CGraphicLayout& layout, const MeasurementDescription& description) {
    DiagramValues v;
    v.viewMode = layout.GetViewMode();
    v.diagramsPerPage = layout.DiagramsPerPage();
    v.yGrid = layout.DiagramCount() > 0 && layout.Diagram(layout.DiagramCount() - 1).yGrid;
    v.startMode = layout.GetStartMode();
    v.startValue = layout.GetStartValue();
    v.intervalMode = layout.GetIntervalMode();
    v.intervalValue = layout.GetIntervalValue();
    v.topAxis = layout.TopAxisOn();
    v.bottomAxis = layout.BottomAxisOn();
    v.axisInSamples = layout.AxisInSamples();
    const std::vector<Dataset*> readable = layout.CurveDatasets();
    for (Dataset* d : description.Datasets()) {
        CurveRow row;
        row.dataset = d;
        row.name = d->name;
        row.active = d->active;
        row.readable = std::find(readable.begin(), readable.end(), d) != readable.end();
        row.minimum = d->display.displayMinimum;
        row.maximum = d->display.displayMaximum;
        row.color = d->display.color;
        v.curves.push_back(std::move(row));
    }
    return v;
}

bool ManualRange(double& minimum, double& maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum))
        return false;
    if (minimum == maximum) {
        ConstantRange(minimum, minimum, maximum);
    } else if (minimum > maximum) {
        std::swap(minimum, maximum);
    }
    return true;
}

int MoveCurveRow(std::vector<CurveRow>& rows, int index, int delta) {
    const int count = static_cast<int>(rows.size());
    if (index < 0 || index >= count)
        return index;
    const int target = index + delta;
    if (target < 0 || target >= count || delta == 0)
        return index;
    // One step at a time keeps the rows between in their order.
    const int step = delta < 0 ? -1 : 1;
    for (int i = index; i != target; i += step)
        std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(i + step)]);
    return target;
}

DiagramChanges ApplyDiagramValues(const DiagramValues& v, CGraphicLayout& layout,
                                  MeasurementDescription& description, ViewerSettings& settings,
                                  const DatasetReorder& reorder) {
    DiagramChanges changes;
    changes.accepted = true;

    if (layout.SetViewMode(v.viewMode)) {
        changes.viewMode = true;
        settings.diagramViewMode = SettingFromViewMode(layout.GetViewMode());
    }
    const int perPage = std::clamp(v.diagramsPerPage, DIAGRAMS_PER_PAGE_MIN, DIAGRAMS_PER_PAGE_MAX);
    if (layout.SetDiagramCount(perPage))
        settings.numOfDiagrams = perPage;
    if (layout.SetYGrid(v.yGrid))
        settings.showYGrid = v.yGrid;

    settings.xAxisDisplayOnTop = v.topAxis;
    settings.xAxisDisplayOnBottom = v.bottomAxis;
    settings.xAxisScaleMode = v.axisInSamples ? 1 : 0;
    layout.SetTopAxis(v.topAxis);
    layout.SetBottomAxis(v.bottomAxis);
    layout.SetAxisInSamples(v.axisInSamples);

    // Each setter validates against what the ones before it left.
    bool x = layout.SetStartMode(v.startMode) != 0;
    x = (layout.SetStart(v.startValue) != 0) || x;
    x = (layout.SetIntervalMode(v.intervalMode) != 0) || x;
    x = (layout.SetInterval(v.intervalValue) != 0) || x;
    changes.xValues = x;

    const std::vector<Dataset*> present = description.Datasets();
    std::vector<Dataset*> order;
    for (const CurveRow& row : v.curves) {
        // A row whose dataset left the document meanwhile is skipped, never dereferenced.
        if (std::find(present.begin(), present.end(), row.dataset) == present.end())
            continue;
        Dataset& d = *row.dataset;
        order.push_back(&d);
        if (d.active != row.active) {
            d.active = row.active;
            changes.activeFlags = true;
        }
        if (layout.ManualScale(d, row.minimum, row.maximum))
            changes.displayRanges = true;
        if (d.display.color != row.color) {
            d.display.color = row.color;
            changes.colors = true;
        }
    }
    if (order.size() == present.size() && order != present && reorder && reorder(order))
        changes.order = true;

    layout.ApplyCurves(changes.viewMode);
    changes.snapshotNeeded = changes.xValues || changes.displayRanges;
    return changes;
}

std::string SampleCountText(const CGraphicLayout& layout) {
    return FormatPrintf("%llu", static_cast<unsigned long long>(layout.Samples()));
}

std::string TimeMaximumText(const CGraphicLayout& layout) {
    const std::uint64_t samples = layout.Samples();
    // An empty document has no last sample; its time maximum is 0, not one step before 0.
    const double time =
        samples > 0 ? layout.SampleTime(static_cast<std::int64_t>(samples - 1)) : 0.0;
    return layout.GetCursorValueFormat().Apply(time);
}

}  // namespace grafyon
