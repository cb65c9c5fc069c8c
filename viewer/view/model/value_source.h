// What the diagram model asks of the measurement's value access.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

namespace grafyon {

class Dataset;

class ValueSource {
public:
    virtual ~ValueSource() = default;
    // Whether the dataset's values can be read at all; only such datasets become curves.
    virtual bool Readable(const Dataset& dataset) = 0;
    // Calibrated (minimum, maximum) of frames [first, first + count), minimum <= maximum.
    virtual std::pair<double, double> Extremes(const Dataset& dataset, std::uint64_t first,
                                               std::uint64_t count) = 0;
    // The calibrated value of one frame; nothing when it cannot be read.
    virtual std::optional<double> ValueAt(const Dataset& dataset, std::uint64_t frame) = 0;
    // How many samples give a useful first overview on that many pixels.
    virtual std::uint64_t ProposedSampleCount(int pixels, const Dataset& dataset) = 0;
};

}  // namespace grafyon
