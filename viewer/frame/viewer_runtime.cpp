// What the running viewer holds, and how its settings shape a freshly opened document.
#include "viewer_runtime.h"

#include "viewer/app/viewer_strings.h"
#include "viewer/data/access/summary_cache.h"
#include "viewer/data/export/export_routine.h"
#include "viewer/settings/summary_cache_settings.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/view_strings.h"

namespace grafyon {

ViewerRuntime::ViewerRuntime() : document(std::make_unique<CGrafyonDoc>()) {}
ViewerRuntime::~ViewerRuntime() = default;

CursorValueFormat CursorFormatFrom(const ViewerSettings& s) {
    return CursorValueFormat::Build(s.cursorValueFormatWidth, s.cursorValueFormatPrecision,
                                    s.cursorValueFormatType);
}

InitialViewSettings InitialViewFrom(const ViewerSettings& s) {
    InitialViewSettings v;
    v.viewMode = ViewModeFromSetting(s.diagramViewMode);
    v.diagramsPerPage = s.numOfDiagrams;
    v.yGrid = s.showYGrid;
    v.topAxis = s.xAxisDisplayOnTop;
    v.bottomAxis = s.xAxisDisplayOnBottom;
    v.axisInSamples = s.xAxisScaleMode != 0;
    v.window = InitialWindowFromSetting(s.xAxisStartIntervalMode);
    v.numOfValues = s.xAxisNumOfValues;
    v.timeInterval = s.xAxisTimeInterval;
    v.valueInterval = s.xAxisValueInterval;
    v.equalizedScaling = s.curveScalingMode != 0;
    v.scaleToFullRange = s.scalingReferenceMode != 0;
    v.cursorValueFormat = CursorFormatFrom(s);
    v.cursorMode = s.cursorMode != 0;
    return v;
}

std::vector<std::uint32_t> CurveColorValues(const CurveColors& colors) {
    std::vector<std::uint32_t> values;
    values.reserve(colors.Size());
    for (const ColorEntry& entry : colors.Entries())
        values.push_back(entry.color);
    return values;
}

QString DocumentMessageText(int stringNumber, const QString& path) {
    if (stringNumber == CANNOT_OPEN_FILE_MESSAGE)
        return ViewerString(GRAFY_STR_CANNOT_OPEN_FILE).arg(path);
    return ViewString(stringNumber);
}

void PrepareOpen(ViewerRuntime& runtime) {
    CGrafyonDoc& document = *runtime.document;
    document.SetInitialView(InitialViewFrom(runtime.settings), CurveColorValues(runtime.colors));
    const SummaryCacheSettings cache = ReadSummaryCacheSettings();
    document.SetSummaryCache(cache.enabled ? SummaryCacheFolder() : std::string(),
                             cache.LimitBytes());
    document.SetBackgroundScan(true);
    document.SetBusyCheck(&ExportIsRunning);
}

}  // namespace grafyon
