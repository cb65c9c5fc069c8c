// The shared in-memory recording in its first view, with a view history, as the tests of
// the history and the navigation start from it.
#pragma once

#include <cstdint>
#include <utility>

#include "test_recording.h"
#include "viewer/view/model/zoom_history.h"

namespace grafyon::test {

// frames samples at step seconds, datasets channels, the first view showing `visible`
// samples from sample 0 (scaled to the full range), geometry placed for the 800 x 600
// client area; that view is the history's first entry.
struct Scene : TestRecording {
    Scene(std::uint64_t frames, int datasets, std::int64_t visible, double step = 0.01,
          ViewMode viewMode = ViewMode::CurvePerDiagram, int diagramsPerPage = 2);

    // Places the objects for the current window, as a paint would.
    void Place() { layout.LayoutPass(12, 6, false); }

    std::int64_t First() { return layout.FirstSample(); }
    std::int64_t Last() { return layout.LastSample(); }
    std::pair<std::int64_t, std::int64_t> Window() { return {First(), Last()}; }
    // Sets the window without a snapshot, as a starting point of a case.
    void Show(std::int64_t first, std::int64_t last);

    CZoomHistory history;
};

}  // namespace grafyon::test
