// The viewer's user settings with their defaults, and how they are read and written.
#pragma once

#include "common/settings_file.h"

namespace grafyon {

// Ranges that a value read from the file is clamped to: those the option pages allow, so a
// damaged file cannot ask for unbounded allocations or a division by zero.
inline constexpr int NUM_OF_DIAGRAMS_MIN = 1;
inline constexpr int NUM_OF_DIAGRAMS_MAX = 32;
inline constexpr int VALUE_INTERVAL_MIN = 1;
inline constexpr int VALUE_INTERVAL_MAX = 100;
inline constexpr int CURSOR_FORMAT_WIDTH_MAX = 25;
inline constexpr int CURSOR_FORMAT_PRECISION_MAX = 15;

// Initial-view modes of "X_Axis Start Interval Mode".
enum StartIntervalMode {
    START_NUMBER_OF_SAMPLES = 0,
    START_TIME_INTERVAL = 1,
    START_VALUE_RANGE = 2,
    START_ALL_SAMPLES = 3,
    START_SPEED_OPTIMIZED = 4
};

// The fields of the application object; the initialisers are the defaults.
struct ViewerSettings {
    int diagramViewMode = 0;                             // "Diagram View Mode", 0..1
    int numOfDiagrams = 4;                               // "Num Of Diagrams", 1..32
    bool showYGrid = false;                              // "Show Y Grid"
    bool xAxisDisplayOnTop = false;                      // "X_Axis Display On Top"
    bool xAxisDisplayOnBottom = true;                    // "X_Axis Display On Bottom"
    int xAxisScaleMode = 0;                              // "X_Axis Scale Mode"
    int xAxisStartIntervalMode = START_SPEED_OPTIMIZED;  // "X_Axis Start Interval Mode"
    int xAxisNumOfValues = 1000;                         // "X_Axis Num Of Values"
    double xAxisTimeInterval = 10.0;                     // "X_Axis Time Interval", seconds
    int xAxisValueInterval = 100;                        // "X_Axis Value Interval", percent 1..100
    int curveScalingMode = 0;                            // "Curve Scaling Mode"
    int scalingReferenceMode = 1;                        // "Scaling Reference Mode"
    int zoomAndCenterMode = 0;                           // "Zoom And Center Mode"
    int centerMode = 0;                                  // "Center Mode", 0..2
    int cursorMode = 0;                                  // "Cursor Mode"
    int saveFileFilterIndex = 2;                         // "Save File Filter Index"
    bool saveRangeInfos = true;                          // "Save Range Infos"
    bool saveComments = true;                            // "Save Comments"
    bool openStoredFile = false;                         // "Open Stored File"
    int mergeCreationMode = 0;                           // "Merge Creation Mode"
    bool openMergedFile = true;                          // "Open Merged File"
    int cursorValueFormatType = 1;       // "Cursor Value Format Type", 0 f, 1 g, 2 e
    int cursorValueFormatWidth = 10;     // "Cursor Value Format Width", 0..25
    int cursorValueFormatPrecision = 6;  // "Cursor Value Format Precision", 0..15

    bool operator==(const ViewerSettings&) const = default;
};

// Reads every value of section "Settings" (the window placement aside); a missing value
// keeps the field's current value. Values are clamped to their ranges and the initial view
// is validated as they are read.
void ReadViewerSettings(const SettingsFile& file, ViewerSettings& settings);
void ReadViewerSettings(ViewerSettings& settings);  // from the user's settings file

// Writes the same values; true when every value reached the file (callers may ignore it).
bool WriteViewerSettings(SettingsFile& file, const ViewerSettings& settings);
bool WriteViewerSettings(const ViewerSettings& settings);  // to the user's settings file

// Mode 0 needs at least 2 samples; mode 1 needs a time interval greater than 0, otherwise
// it falls back to mode 0 with 2 samples.
void ValidateInitialView(ViewerSettings& settings);

}  // namespace grafyon
