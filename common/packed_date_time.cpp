// Packing and unpacking of 32-bit date-time values.
#include "packed_date_time.h"

#include <algorithm>

namespace grafyon {

std::uint32_t PackDateTime(const DateTimeParts& p) {
    auto field = [](int value, int low, int high) {
        return static_cast<std::uint32_t>(std::clamp(value, low, high));
    };
    return field(p.second, 0, 63) | (field(p.minute, 0, 63) << 6) | (field(p.hour, 0, 31) << 12) |
           (field(p.day, 0, 31) << 17) | (field(p.month, 0, 15) << 22) |
           (field(p.year - 1980, 0, 63) << 26);
}

DateTimeParts UnpackDateTime(std::uint32_t v) {
    DateTimeParts p;
    p.second = static_cast<int>(v & 0x3F);
    p.minute = static_cast<int>((v >> 6) & 0x3F);
    p.hour = static_cast<int>((v >> 12) & 0x1F);
    p.day = static_cast<int>((v >> 17) & 0x1F);
    p.month = static_cast<int>((v >> 22) & 0x0F);
    p.year = static_cast<int>((v >> 26) & 0x3F) + 1980;
    return p;
}

}  // namespace grafyon
