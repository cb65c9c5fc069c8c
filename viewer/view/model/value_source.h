// What the diagram model asks of the measurement's value access.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace grafyon {

class Dataset;

// What PendingFrameLimit answers when every frame may be read.
inline constexpr std::uint64_t NO_FRAME_LIMIT = std::numeric_limits<std::uint64_t>::max();

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
    // While the whole recording's extremes of the dataset are still being worked out (its
    // minimum and maximum fields not yet known), the most frames a query may read without a
    // noticeable wait; NO_FRAME_LIMIT otherwise.
    virtual std::uint64_t PendingFrameLimit(const Dataset&) { return NO_FRAME_LIMIT; }
};

}  // namespace grafyon
