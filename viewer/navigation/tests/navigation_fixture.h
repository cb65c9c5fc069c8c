// The shared in-memory recording in its first view, with a history, as the navigation
// tests start from it.
#pragma once

#include <cstdint>
#include <utility>

#include "viewer/navigation/zoom_history.h"
#include "viewer/view/test_support/test_recording.h"

namespace grafyon::test {

// frames samples at step seconds, datasets channels, the first view showing `visible`
// samples from sample 0, geometry placed for an 800 x 600 client area.
struct Scene : TestRecording {
    Scene(std::uint64_t frames, int datasets, std::int64_t visible, double step = 0.01,
          int viewMode = 0, int diagramsPerPage = 2)
        : TestRecording(frames, step, datasets) {
        InitialViewSettings s;
        s.viewMode = viewMode;
        s.diagramsPerPage = diagramsPerPage;
        s.startIntervalMode = 0;
        s.numOfValues = visible;
        s.scalingRefMode = 1;
        layout.InitialView(s, {0x0000FF, 0x00FF00});
        Place();
        history.Take(layout);
    }

    // Places the objects for the current window, as a paint would.
    void Place() { layout.LayoutPass(12, 6, false); }

    std::int64_t First() { return layout.FirstSample(); }
    std::int64_t Last() { return layout.LastSample(); }
    std::pair<std::int64_t, std::int64_t> Window() { return {First(), Last()}; }
    // Sets the window without a snapshot, as a starting point of a case.
    void Show(std::int64_t first, std::int64_t last) {
        layout.SetFirstSample(first);
        layout.SetLastSample(last);
        Place();
    }

    CZoomHistory history;
};

}  // namespace grafyon::test
