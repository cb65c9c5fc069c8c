// The modes of the diagram layout and of the first view of a document, with the numbers
// the settings store them as.
#pragma once

namespace grafyon {

// How the diagrams show the curves; the numbers are those of "Diagram View Mode".
enum class ViewMode {
    CurvePerDiagram = 0,  // one curve in each diagram, a page of diagrams at a time
    AllCurves = 1,        // one diagram showing every curve, one of them in front
};

// How the layout holds the start of the visible window.
enum class StartMode { Sample, Time };

// How the layout holds the end of the visible window (its interval value).
enum class IntervalMode {
    Values,    // a number of samples from the first one
    MaxIndex,  // the index of the last sample
    Time,      // a duration from the start time
    MaxTime,   // the end time
    All,       // the whole recording
};

// How the first view of a freshly opened document chooses its window; the numbers are
// those of "X_Axis Start Interval Mode".
enum class InitialWindow {
    NumberOfSamples = 0,
    TimeInterval = 1,
    ValueRange = 2,  // a percentage of the recording
    AllSamples = 3,
    SpeedOptimized = 4,  // as many samples as the view's width shows in detail
    Other = -1,          // a stored number of no mode above: two samples
};

// The stored "Diagram View Mode": 1 is all curves, anything else one curve per diagram.
constexpr ViewMode ViewModeFromSetting(int stored) {
    return stored == 1 ? ViewMode::AllCurves : ViewMode::CurvePerDiagram;
}
constexpr int SettingFromViewMode(ViewMode mode) {
    return static_cast<int>(mode);
}

constexpr InitialWindow InitialWindowFromSetting(int stored) {
    return stored >= 0 && stored <= static_cast<int>(InitialWindow::SpeedOptimized)
               ? static_cast<InitialWindow>(stored)
               : InitialWindow::Other;
}

}  // namespace grafyon
