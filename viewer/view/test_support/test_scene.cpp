// The shared recording's first view and its window changes.
#include "test_scene.h"

namespace grafyon::test {

Scene::Scene(std::uint64_t frames, int datasets, std::int64_t visible, double step,
             ViewMode viewMode, int diagramsPerPage)
    : TestRecording(frames, step, datasets) {
    InitialViewSettings s;
    s.viewMode = viewMode;
    s.diagramsPerPage = diagramsPerPage;
    s.window = InitialWindow::NumberOfSamples;
    s.numOfValues = visible;
    s.scaleToFullRange = true;
    layout.InitialView(s, {0x0000FF, 0x00FF00});
    Place();
    history.Take(layout);
}

void Scene::Show(std::int64_t first, std::int64_t last) {
    layout.SetFirstSample(first);
    layout.SetLastSample(last);
    Place();
}

}  // namespace grafyon::test
