// An in-memory recording bound to a diagram layout, for tests without data files.
#pragma once

#include <cstdint>
#include <vector>

#include "fake_values.h"
#include "viewer/data/measurement_description.h"
#include "viewer/view/model/graphic_layout.h"

namespace grafyon::test {

// One time segment of `frames` samples `step` seconds apart (carrier "Time" in "sec") and
// `datasets` datasets "ch0", "ch1", ... in "V" whose values follow the default formula of
// FakeValues with factor index + 1, their overall extremes set to match. The layout is
// bound to both and has an 800 × 600 client area; nothing is laid out yet.
struct TestRecording {
    TestRecording(std::uint64_t frames, double step, int datasets);
    TestRecording(const TestRecording&) = delete;
    TestRecording& operator=(const TestRecording&) = delete;

    // Appends one more dataset "ch<n>" of that kind (100, 101 or 110), as the constructor
    // makes them, and lists it.
    Dataset* AddDataset(std::uint32_t kind = ELEMENT_DATASET);

    MeasurementDescription description;
    FakeValues values;
    std::vector<Dataset*> list;  // the datasets in order, owned by the description
    CGraphicLayout layout;
};

}  // namespace grafyon::test
