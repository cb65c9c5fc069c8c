// What the running viewer holds, and how its settings shape a freshly opened document.
#include "viewer_runtime.h"

#include "viewer/app/viewer_strings.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/view_strings.h"

namespace grafyon {

ViewerRuntime::ViewerRuntime() : document(std::make_unique<CGrafyonDoc>()) {}
ViewerRuntime::~ViewerRuntime() = default;

CursorValueFormat CursorFormatFrom(const viewer::ViewerSettings& s) {
    return CursorValueFormat::Build(s.cursorValueFormatWidth, s.cursorValueFormatPrecision,
                                    s.cursorValueFormatType);
}

InitialViewSettings InitialViewFrom(const viewer::ViewerSettings& s) {
    InitialViewSettings v;
    v.viewMode = s.diagramViewMode;
    v.diagramsPerPage = s.numOfDiagrams;
    v.yGrid = s.showYGrid ? 1 : 0;
    v.topAxis = s.xAxisDisplayOnTop ? 1 : 0;
    v.bottomAxis = s.xAxisDisplayOnBottom ? 1 : 0;
    v.axisInSamples = s.xAxisScaleMode;
    v.startIntervalMode = s.xAxisStartIntervalMode;
    v.numOfValues = s.xAxisNumOfValues;
    v.timeInterval = s.xAxisTimeInterval;
    v.valueInterval = s.xAxisValueInterval;
    v.curveScalingMode = s.curveScalingMode;
    v.scalingRefMode = s.scalingReferenceMode;
    v.cursorValueFormat = CursorFormatFrom(s);
    v.cursorMode = s.cursorMode;
    return v;
}

std::vector<std::uint32_t> CurveColourValues(const viewer::CurveColors& colours) {
    std::vector<std::uint32_t> values;
    values.reserve(colours.Size());
    for (const viewer::ColorEntry& entry : colours.Entries())
        values.push_back(entry.color);
    return values;
}

QString DocumentMessageText(int stringNumber, const QString& path) {
    if (stringNumber == CANNOT_OPEN_FILE_MESSAGE)
        return app::ViewerString(app::GRAFY_STR_CANNOT_OPEN_FILE).arg(path);
    return ViewString(stringNumber);
}

}  // namespace grafyon
