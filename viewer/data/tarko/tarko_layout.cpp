// TARKO channel type table and time units.
#include "tarko_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "viewer/data/data_type.h"

namespace grafyon::tarko {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::optional<ChannelType> ChannelTypeOf(std::int32_t code, std::uint32_t storageForm) {
    if (storageForm == STORAGE_FLOAT)
        return ChannelType{DATA_TYPE_FLOAT, 4};
    switch (code) {
        case CODE_BOOL16:
            return ChannelType{DATA_TYPE_BOOL16, 2};
        case CODE_SHORT:
            return ChannelType{DATA_TYPE_SHORT, 2};
        case CODE_USHORT:
        case CODE_USHORT_NEGATIVE:
            return ChannelType{DATA_TYPE_USHORT, 2};
        case CODE_LONG:
            // The position counts 16-bit words here too.
            return ChannelType{DATA_TYPE_LONG, 2};
        case CODE_FLOAT:
            return ChannelType{DATA_TYPE_FLOAT, 4};
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> ChannelCodeFor(std::uint32_t dataType) {
    if (dataType & DATA_TYPE_BIG_ENDIAN)
        return std::nullopt;
    switch (BaseDataType(dataType)) {
        case DATA_TYPE_BOOL16:
            return CODE_BOOL16;
        case DATA_TYPE_SHORT:
            return CODE_SHORT;
        case DATA_TYPE_USHORT:
            return CODE_USHORT;
        case DATA_TYPE_LONG:
            return CODE_LONG;
        case DATA_TYPE_FLOAT:
            return CODE_FLOAT;
        default:
            return std::nullopt;
    }
}

double IntervalSeconds(float interval, std::string_view timeUnit) {
    if (!std::isfinite(interval) || !(interval > 0.0f))
        return 0.0;
    // Widening the float would turn 0.001f into 0.0010000000474974513; its shortest text
    // is what the recorder meant. Scaling the decimal digits keeps the result exact.
    char text[32];
    const auto printed =
        std::to_chars(text, text + sizeof text, interval, std::chars_format::scientific);
    const std::string_view shortest(text, static_cast<std::size_t>(printed.ptr - text));
    const std::size_t e = shortest.find('e');
    std::string digits;
    for (const char c : shortest.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    std::string_view exponentText = shortest.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    exponent -= static_cast<int>(digits.size()) - 1;
    std::uint64_t mantissa = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), mantissa);

    if (EqualsIgnoringCase(timeUnit, "msec")) {
        exponent -= 3;
    } else if (EqualsIgnoringCase(timeUnit, "min")) {
        mantissa *= 60;
    } else if (EqualsIgnoringCase(timeUnit, "stunden")) {
        mantissa *= 3600;
    }
    // At most nine digits times 3600: far inside 64 bits.
    char mantissaText[24];
    char exponentDigits[16];
    const char* mantissaEnd =
        std::to_chars(mantissaText, mantissaText + sizeof mantissaText, mantissa).ptr;
    const char* exponentEnd =
        std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, exponent).ptr;
    std::string scaled(mantissaText, static_cast<std::size_t>(mantissaEnd - mantissaText));
    scaled += 'e';
    scaled.append(exponentDigits, static_cast<std::size_t>(exponentEnd - exponentDigits));
    double seconds = 0.0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), seconds);
    return seconds;
}

}  // namespace grafyon::tarko
