// Positions typed into the range dialogs: whole numbers checked against their bounds.
#pragma once

#include <cstdint>
#include <string_view>

namespace grafyon {

enum class RangePositionError { None, NotAnInteger, OutOfRange };

struct RangePositionResult {
    RangePositionError error = RangePositionError::None;
    std::int64_t value = 0;
};

// Parses a whole number (blanks around it and a sign allowed) and checks that it lies in
// minimum .. maximum. A number too large for 64 bits is out of range, not a non-number.
RangePositionResult ParseRangePosition(std::string_view text, std::int64_t minimum,
                                       std::int64_t maximum);

}  // namespace grafyon
