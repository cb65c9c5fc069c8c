// Reading and writing the viewer's settings in section "Settings".
#include "viewer/settings/viewer_settings.h"

#include "viewer/settings/settings_values.h"

namespace grafyon {

namespace {

constexpr std::string_view S = VIEWER_SETTINGS_SECTION;

}  // namespace

void ValidateInitialView(ViewerSettings& settings) {
    if (settings.xAxisStartIntervalMode == START_NUMBER_OF_SAMPLES &&
        settings.xAxisNumOfValues < 2) {
        settings.xAxisNumOfValues = 2;
    }
    // Written so that a NaN fails the test as well.
    if (settings.xAxisStartIntervalMode == START_TIME_INTERVAL &&
        !(settings.xAxisTimeInterval > 0.0)) {
        settings.xAxisStartIntervalMode = START_NUMBER_OF_SAMPLES;
        settings.xAxisNumOfValues = 2;
    }
}

void ReadViewerSettings(const SettingsFile& file, ViewerSettings& s) {
    s.diagramViewMode = ReadClampedInt(file, S, "Diagram View Mode", s.diagramViewMode, 0, 1);
    s.numOfDiagrams = ReadClampedInt(file, S, "Num Of Diagrams", s.numOfDiagrams,
                                     NUM_OF_DIAGRAMS_MIN, NUM_OF_DIAGRAMS_MAX);
    s.showYGrid = ReadBoolValue(file, S, "Show Y Grid", s.showYGrid);
    s.xAxisDisplayOnTop = ReadBoolValue(file, S, "X_Axis Display On Top", s.xAxisDisplayOnTop);
    s.xAxisDisplayOnBottom =
        ReadBoolValue(file, S, "X_Axis Display On Bottom", s.xAxisDisplayOnBottom);
    s.xAxisScaleMode = ReadIntValue(file, S, "X_Axis Scale Mode", s.xAxisScaleMode);
    s.curveScalingMode = ReadIntValue(file, S, "Curve Scaling Mode", s.curveScalingMode);
    s.scalingReferenceMode =
        ReadIntValue(file, S, "Scaling Reference Mode", s.scalingReferenceMode);
    s.xAxisStartIntervalMode =
        ReadIntValue(file, S, "X_Axis Start Interval Mode", s.xAxisStartIntervalMode);
    s.xAxisNumOfValues = ReadIntValue(file, S, "X_Axis Num Of Values", s.xAxisNumOfValues);
    s.xAxisTimeInterval = ReadDouble(file, S, "X_Axis Time Interval", s.xAxisTimeInterval);
    s.xAxisValueInterval = ReadClampedInt(file, S, "X_Axis Value Interval", s.xAxisValueInterval,
                                          VALUE_INTERVAL_MIN, VALUE_INTERVAL_MAX);
    ValidateInitialView(s);
    s.zoomAndCenterMode = ReadIntValue(file, S, "Zoom And Center Mode", s.zoomAndCenterMode);
    s.centerMode = ReadClampedInt(file, S, "Center Mode", s.centerMode, 0, 2);
    s.cursorMode = ReadIntValue(file, S, "Cursor Mode", s.cursorMode);
    s.saveFileFilterIndex = ReadIntValue(file, S, "Save File Filter Index", s.saveFileFilterIndex);
    s.saveRangeInfos = ReadBoolValue(file, S, "Save Range Infos", s.saveRangeInfos);
    s.saveComments = ReadBoolValue(file, S, "Save Comments", s.saveComments);
    s.openStoredFile = ReadBoolValue(file, S, "Open Stored File", s.openStoredFile);
    s.mergeCreationMode = ReadIntValue(file, S, "Merge Creation Mode", s.mergeCreationMode);
    s.openMergedFile = ReadBoolValue(file, S, "Open Merged File", s.openMergedFile);
    s.cursorValueFormatType =
        ReadClampedInt(file, S, "Cursor Value Format Type", s.cursorValueFormatType, 0, 2);
    s.cursorValueFormatWidth = ReadClampedInt(file, S, "Cursor Value Format Width",
                                              s.cursorValueFormatWidth, 0, CURSOR_FORMAT_WIDTH_MAX);
    s.cursorValueFormatPrecision =
        ReadClampedInt(file, S, "Cursor Value Format Precision", s.cursorValueFormatPrecision, 0,
                       CURSOR_FORMAT_PRECISION_MAX);
}

void ReadViewerSettings(ViewerSettings& settings) {
    ReadViewerSettings(*OpenViewerSettingsFile(), settings);
}

bool WriteViewerSettings(SettingsFile& file, const ViewerSettings& s) {
    file.BeginBatch();
    bool ok = true;
    ok &= StoreInt(file, S, "Diagram View Mode", s.diagramViewMode);
    ok &= StoreInt(file, S, "Num Of Diagrams", s.numOfDiagrams);
    ok &= WriteBoolValue(file, S, "Show Y Grid", s.showYGrid);
    ok &= WriteBoolValue(file, S, "X_Axis Display On Top", s.xAxisDisplayOnTop);
    ok &= WriteBoolValue(file, S, "X_Axis Display On Bottom", s.xAxisDisplayOnBottom);
    ok &= StoreInt(file, S, "X_Axis Scale Mode", s.xAxisScaleMode);
    ok &= StoreInt(file, S, "X_Axis Start Interval Mode", s.xAxisStartIntervalMode);
    ok &= StoreInt(file, S, "X_Axis Num Of Values", s.xAxisNumOfValues);
    ok &= WriteDouble(file, S, "X_Axis Time Interval", s.xAxisTimeInterval);
    ok &= StoreInt(file, S, "X_Axis Value Interval", s.xAxisValueInterval);
    ok &= StoreInt(file, S, "Curve Scaling Mode", s.curveScalingMode);
    ok &= StoreInt(file, S, "Scaling Reference Mode", s.scalingReferenceMode);
    ok &= StoreInt(file, S, "Zoom And Center Mode", s.zoomAndCenterMode);
    ok &= StoreInt(file, S, "Center Mode", s.centerMode);
    ok &= StoreInt(file, S, "Cursor Mode", s.cursorMode);
    ok &= StoreInt(file, S, "Save File Filter Index", s.saveFileFilterIndex);
    ok &= WriteBoolValue(file, S, "Save Range Infos", s.saveRangeInfos);
    ok &= WriteBoolValue(file, S, "Save Comments", s.saveComments);
    ok &= WriteBoolValue(file, S, "Open Stored File", s.openStoredFile);
    ok &= StoreInt(file, S, "Merge Creation Mode", s.mergeCreationMode);
    ok &= WriteBoolValue(file, S, "Open Merged File", s.openMergedFile);
    ok &= StoreInt(file, S, "Cursor Value Format Type", s.cursorValueFormatType);
    ok &= StoreInt(file, S, "Cursor Value Format Width", s.cursorValueFormatWidth);
    ok &= StoreInt(file, S, "Cursor Value Format Precision", s.cursorValueFormatPrecision);
    ok &= file.EndBatch();
    return ok;
}

bool WriteViewerSettings(const ViewerSettings& settings) {
    return WriteViewerSettings(*OpenViewerSettingsFile(), settings);
}

}  // namespace grafyon
