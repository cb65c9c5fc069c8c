// A small in-memory recording bound to a layout, as the navigation tests need it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "viewer/data/measurement_description.h"
#include "viewer/navigation/zoom_history.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/value_source.h"

namespace grafyon::test {

// value(frame) = factor * frame + offset, so the extremes of a stretch are its ends.
class LinearValues : public ValueSource {
public:
    std::pair<double, double> Extremes(const Dataset& d, std::uint64_t first,
                                       std::uint64_t count) override {
        const double a = Value(d, first);
        const double b = Value(d, first + count - 1);
        return {std::min(a, b), std::max(a, b)};
    }
    std::optional<double> ValueAt(const Dataset& d, std::uint64_t frame) override {
        return Value(d, frame);
    }
    std::uint64_t ProposedSampleCount(int pixels, const Dataset&) override {
        return 16u * static_cast<std::uint64_t>(pixels);
    }
    static double Value(const Dataset& d, std::uint64_t frame) {
        return d.factor * static_cast<double>(frame) + d.offset;
    }
};

// frames samples at step seconds, datasets channels, the first view showing `visible`
// samples from sample 0, geometry placed for an 800 x 600 client area.
struct Scene {
    Scene(std::uint64_t frames, int datasets, std::int64_t visible, double step = 0.01,
          int viewMode = 0, int diagramsPerPage = 2) {
        description.Append(std::make_unique<HeaderElement>());
        auto segment = std::make_unique<TimeSegmentElement>();
        segment->frameCount = frames;
        segment->sampleStep = step;
        segment->carrierName = "Time";
        segment->carrierUnit = "s";
        description.Append(std::move(segment));
        for (int i = 0; i < datasets; ++i) {
            auto d = std::make_unique<Dataset>();
            d->name = d->label = "ch" + std::to_string(i);
            d->unit = "V";
            d->factor = i + 1;
            d->minimum = 0.0;
            d->maximum = static_cast<double>(frames - 1) * (i + 1);
            list.push_back(static_cast<Dataset*>(description.Append(std::move(d))));
        }
        layout.Bind(&values, &description);
        layout.SetClientRect(0, 0, 801, 601);
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

    MeasurementDescription description;
    LinearValues values;
    std::vector<Dataset*> list;
    CGraphicLayout layout;
    CZoomHistory history;
};

}  // namespace grafyon::test
