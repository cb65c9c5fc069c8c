// TARKO channel types and time units, over the shared record layout.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/tarko_records.h"

namespace grafyon::tarko {

// The dataset a channel code becomes: its data-type code and the bytes that one step of
// its position stands for. Nothing for codes that are not supported.
struct ChannelType {
    std::uint32_t dataType;
    std::uint32_t positionUnit;
};
std::optional<ChannelType> ChannelTypeOf(std::int32_t code, std::uint32_t storageForm);
// The code that stores a data type in its own form (flags ignored), nothing when TARKO
// cannot hold it.
std::optional<std::int32_t> ChannelCodeFor(std::uint32_t dataType);

// A sample interval in seconds: the float's shortest decimal text scaled exactly by its
// time unit ("msec", "min", "stunden" without regard to case; anything else is seconds),
// so 1 "msec" and 0.001 seconds give the same step. 0 for a non-finite or non-positive
// interval.
double IntervalSeconds(float interval, std::string_view timeUnit);

}  // namespace grafyon::tarko
