// A value source that computes every sample from a formula, for tests without data files.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "viewer/view/model/value_source.h"

namespace grafyon::test {

// By default value(frame) = factor × frame + offset of the dataset, so the extremes of a
// stretch lie at its ends; another formula has its extremes found by visiting every frame.
class FakeValues : public ValueSource {
public:
    using Formula = std::function<double(const Dataset& dataset, std::uint64_t frame)>;

    void SetFormula(Formula formula) { m_formula = std::move(formula); }
    double Value(const Dataset& dataset, std::uint64_t frame) const;

    // Every dataset of kinds 100, 101 and 110 but those marked unreadable below.
    bool Readable(const Dataset& dataset) override;
    std::pair<double, double> Extremes(const Dataset& dataset, std::uint64_t first,
                                       std::uint64_t count) override;
    std::optional<double> ValueAt(const Dataset& dataset, std::uint64_t frame) override;
    // Sixteen samples per pixel column.
    std::uint64_t ProposedSampleCount(int pixels, const Dataset& dataset) override;

    int extremesCalls = 0;    // how often Extremes was asked
    bool unreadable = false;  // ValueAt then finds nothing, as with a damaged data file
    std::vector<const Dataset*> unreadableDatasets;  // never read, as an unknown data type

private:
    Formula m_formula;
};

}  // namespace grafyon::test
