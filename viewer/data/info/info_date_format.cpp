// Calendar checks and a small strftime for the information pages.
#include "info_date_format.h"

#include "common/printf_format.h"

namespace grafyon {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : DAYS[month - 1];
}

}  // namespace

bool IsValidDateTime(const DateTimeParts& p) {
    if (p.year < 1970 || p.year > 3000 || p.month < 1 || p.month > 12)
        return false;
    if (p.day < 1 || p.day > DaysInMonth(p.year, p.month))
        return false;
    return p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59 && p.second >= 0 &&
           p.second <= 59;
}

std::string FormatDateTime(std::string_view format, const DateTimeParts& p) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        const char conversion = format[i + 1];
        int value = 0;
        switch (conversion) {
            case 'd':
                value = p.day;
                break;
            case 'm':
                value = p.month;
                break;
            case 'y':
                value = p.year % 100;
                break;
            case 'Y':
                out += FormatPrintf("%04d", p.year);
                ++i;
                continue;
            case 'H':
                value = p.hour;
                break;
            case 'M':
                value = p.minute;
                break;
            case 'S':
                value = p.second;
                break;
            case '%':
                out += '%';
                ++i;
                continue;
            default:
                out += '%';
                continue;
        }
        out += FormatPrintf("%02d", value);
        ++i;
    }
    return out;
}

}  // namespace grafyon
