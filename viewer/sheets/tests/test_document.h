// A small document for the sheets' tests: the shared in-memory recording with display
// ranges and colors, its curves laid out, and the settings the sheets write.
#pragma once

#include <cstdint>

#include "viewer/settings/viewer_settings.h"
#include "viewer/view/test_support/test_recording.h"

namespace grafyon {

// One segment of frames at the given step and n datasets, all active, two diagrams.
struct Document : test::TestRecording {
    Document(std::uint64_t frames, double step, int datasets)
        : TestRecording(frames, step, datasets) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            DatasetDisplay& display = list[i]->display;
            display.displayMinimum = 0.0;
            display.displayMaximum = 10.0 * static_cast<double>(i + 1);
            display.color = 0x0000FF00u + static_cast<std::uint32_t>(i);
        }
        layout.SetClientRect(0, 0, 641, 481);
        layout.SetDiagramCount(2);
        layout.SetInterval(100.0);
        layout.ApplyCurves(true);
    }
    ViewerSettings settings;
};

}  // namespace grafyon
