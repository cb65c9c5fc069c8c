// A small document for the sheets' tests: one segment, linear datasets, a bound layout.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "viewer/data/measurement_description.h"
#include "viewer/settings/viewer_settings.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/value_source.h"

namespace grafyon::sheets {

// Values follow value(frame) = factor * frame.
class LinearValues : public ValueSource {
public:
    std::pair<double, double> Extremes(const Dataset& d, std::uint64_t first,
                                       std::uint64_t count) override {
        const double a = d.factor * static_cast<double>(first);
        const double b = d.factor * static_cast<double>(first + count - 1);
        return {std::min(a, b), std::max(a, b)};
    }
    std::optional<double> ValueAt(const Dataset& d, std::uint64_t frame) override {
        return d.factor * static_cast<double>(frame);
    }
    std::uint64_t ProposedSampleCount(int pixels, const Dataset&) override {
        return static_cast<std::uint64_t>(pixels);
    }
};

// One segment of frames at the given step and n datasets, all active, laid out in mode 0.
struct Document {
    Document(std::uint64_t frames, double step, int datasets) {
        description.Append(std::make_unique<HeaderElement>());
        auto segment = std::make_unique<TimeSegmentElement>();
        segment->frameCount = frames;
        segment->sampleStep = step;
        description.Append(std::move(segment));
        for (int i = 0; i < datasets; ++i) {
            auto d = std::make_unique<Dataset>();
            d->name = d->label = "ch" + std::to_string(i);
            d->factor = i + 1;
            d->display.displayMinimum = 0.0;
            d->display.displayMaximum = 10.0 * (i + 1);
            d->display.colour = 0x0000FF00u + static_cast<std::uint32_t>(i);
            description.Append(std::move(d));
        }
        layout.Bind(&values, &description);
        layout.SetClientRect(0, 0, 641, 481);
        layout.SetDiagramCount(2);
        layout.SetInterval(100.0);
        layout.ApplyCurves(description.Datasets(), true);
    }
    MeasurementDescription description;
    LinearValues values;
    CGraphicLayout layout;
    viewer::ViewerSettings settings;
};

}  // namespace grafyon::sheets
