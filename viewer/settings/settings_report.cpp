// Formats the settings lines of the about box's report page.
#include "viewer/settings/settings_report.h"

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

std::string Line(std::string_view label, int value) {
    return std::string(label) + ": " + std::to_string(value);
}

std::string Line(std::string_view label, bool value) {
    return std::string(label) + ": " + (value ? "Yes" : "No");
}

std::string Line(std::string_view label, std::string_view value) {
    return std::string(label) + ": " + std::string(value);
}

}  // namespace

bool SettingsReportLine(int lineNumber, const ViewerSettings& s, std::string_view fontFaceName,
                        std::string& text) {
    switch (lineNumber) {
        case 0:
            text = Line("Diagram View Mode", s.diagramViewMode);
            return true;
        case 1:
            text = Line("Number Of Diagrams", s.numOfDiagrams);
            return true;
        case 2:
            text = Line("Show The Y-Grid", s.showYGrid);
            return true;
        case 3:
            text = Line("X-Axis Display On Top", s.xAxisDisplayOnTop);
            return true;
        case 4:
            text = Line("X-Axis Display On Bottom", s.xAxisDisplayOnBottom);
            return true;
        case 5:
            text = Line("X-Axis Scale Mode", s.xAxisScaleMode);
            return true;
        case 6:
            text = Line("X-Axis Start Interval Mode", s.xAxisStartIntervalMode);
            return true;
        case 7:
            text = Line("X-Axis Number Of Values", s.xAxisNumOfValues);
            return true;
        case 8:
            text = Line("X-Axis Time Interval", FormatDouble(s.xAxisTimeInterval));
            return true;
        case 9:
            text = Line("X-Value Interval", s.xAxisValueInterval);
            return true;
        case 10:
            text = Line("Curve Scaling Mode", s.curveScalingMode);
            return true;
        case 11:
            text = Line("Scaling Ref Mode", s.scalingReferenceMode);
            return true;
        case 12:
            text = Line("System Font Name", fontFaceName);
            return true;
        case 13:
            text = Line("Zoom Or Center Mode", s.zoomAndCenterMode);
            return true;
        case 14:
            text = Line("Cursor Mode", s.cursorMode);
            return true;
        case 15:
            text = Line("Float Value Format Type", s.cursorValueFormatType);
            return true;
        case 16:
            text = Line("Float Value Format Width", s.cursorValueFormatWidth);
            return true;
        case 17:
            text = Line("Float Value Format Precision", s.cursorValueFormatPrecision);
            return true;
        default:
            return false;
    }
}

std::vector<std::string> SettingsReportLines(const ViewerSettings& settings,
                                             std::string_view fontFaceName) {
    std::vector<std::string> lines;
    std::string text;
    for (int n = 0; SettingsReportLine(n, settings, fontFaceName, text); ++n)
        lines.push_back(text);
    return lines;
}

}  // namespace grafyon
