// The in-memory recording of the tests: header, one time segment, linear datasets.
#include "test_recording.h"

#include <memory>
#include <string>
#include <utility>

namespace grafyon::test {

TestRecording::TestRecording(std::uint64_t frames, double step, int datasets) {
    description.Append(std::make_unique<HeaderElement>());
    auto segment = std::make_unique<TimeSegmentElement>();
    segment->frameCount = frames;
    segment->sampleStep = step;
    segment->carrierName = "Time";
    segment->carrierUnit = "sec";
    description.Append(std::move(segment));
    for (int i = 0; i < datasets; ++i)
        AddDataset();
    layout.Bind(&values, &description);
    layout.SetClientRect(0, 0, 801, 601);
}

Dataset* TestRecording::AddDataset(std::uint32_t kind) {
    const std::size_t i = list.size();
    const std::uint64_t frames = description.FrameCount();
    auto d = std::make_unique<Dataset>(kind);
    d->name = d->label = "ch" + std::to_string(i);
    d->unit = "V";
    d->factor = static_cast<double>(i + 1);
    d->minimum = 0.0;
    d->maximum = frames > 0 ? static_cast<double>(frames - 1) * d->factor : 0.0;
    list.push_back(static_cast<Dataset*>(description.Append(std::move(d))));
    return list.back();
}

}  // namespace grafyon::test
