// Date and time packed into 32 bits, as the measurement files store them.
#pragma once

#include <cstdint>

namespace grafyon {

struct DateTimeParts {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Bits from the least significant: second (6), minute (6), hour (5), day (5),
// month (4), year - 1980 (6). Fields outside their bits are clamped into them.
std::uint32_t PackDateTime(const DateTimeParts& parts);
DateTimeParts UnpackDateTime(std::uint32_t packed);

}  // namespace grafyon
