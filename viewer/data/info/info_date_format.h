// Dates and times of the information pages, formatted without the process locale.
#pragma once

#include <string>
#include <string_view>

#include "common/packed_date_time.h"

namespace grafyon {

// A calendar date with a time of day that a time value can hold: years 1970 to 3000,
// months 1 to 12, days that exist in their month, hours 0 to 23, minutes and seconds 0 to 59.
bool IsValidDateTime(const DateTimeParts& parts);

// The conversions %d %m %y %Y %H %M %S (two digits each, four for %Y) and %%; any other
// character, unknown conversions included, is copied as it stands.
std::string FormatDateTime(std::string_view format, const DateTimeParts& parts);

}  // namespace grafyon
