// Values from a formula: linear by default, anything else visited frame by frame.
#include "fake_values.h"

#include <algorithm>
#include <cmath>

#include "viewer/data/dataset.h"

namespace grafyon::test {

double FakeValues::Value(const Dataset& dataset, std::uint64_t frame) const {
    if (m_formula)
        return m_formula(dataset, frame);
    return dataset.factor * static_cast<double>(frame) + dataset.offset;
}

bool FakeValues::Readable(const Dataset& dataset) {
    return IsDatasetKind(dataset.Kind()) &&
           std::find(unreadableDatasets.begin(), unreadableDatasets.end(), &dataset) ==
               unreadableDatasets.end();
}

std::pair<double, double> FakeValues::Extremes(const Dataset& dataset, std::uint64_t first,
                                               std::uint64_t count) {
    ++extremesCalls;
    if (!m_formula) {
        const double a = Value(dataset, first);
        const double b = Value(dataset, first + count - 1);
        return {std::min(a, b), std::max(a, b)};
    }
    double lo = INFINITY;
    double hi = -INFINITY;
    for (std::uint64_t frame = first; frame < first + count; ++frame) {
        lo = std::min(lo, Value(dataset, frame));
        hi = std::max(hi, Value(dataset, frame));
    }
    return {lo, hi};
}

std::optional<double> FakeValues::ValueAt(const Dataset& dataset, std::uint64_t frame) {
    if (unreadable || !Readable(dataset))
        return std::nullopt;
    return Value(dataset, frame);
}

std::uint64_t FakeValues::ProposedSampleCount(int pixels, const Dataset&) {
    return 16u * static_cast<std::uint64_t>(std::max(0, pixels));
}

}  // namespace grafyon::test
