// Parsing of dialog entries independent of the process locale.
#include "viewer/sheets/field_parse.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "common/number_parse.h"
#include "common/printf_format.h"

namespace grafyon {

namespace {

std::string_view Trimmed(std::string_view text) {
    auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<int> ParseIntegerField(std::string_view text) {
    text = Trimmed(text);
    // from_chars takes a minus but no plus; a second sign is no number.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumberField(std::string_view text) {
    text = Trimmed(text);
    // A leading plus is taken by the common parser; a sign after it is not.
    if (text.size() >= 2 && text[0] == '+' && (text[1] == '+' || text[1] == '-'))
        return std::nullopt;
    // from_chars reads "inf", "nan" and hexadecimal-free forms only; refuse the first two.
    const std::optional<double> value = grafyon::ParseDouble(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

FieldError CheckIntegerField(std::string_view text, int minimum, int maximum, int& value) {
    const std::optional<int> parsed = ParseIntegerField(text);
    if (!parsed)
        return FieldError::NotInteger;
    if (*parsed < minimum || *parsed > maximum)
        return FieldError::IntegerOutOfRange;
    value = *parsed;
    return FieldError::None;
}

FieldError CheckNumberField(std::string_view text, double& value) {
    const std::optional<double> parsed = ParseNumberField(text);
    if (!parsed)
        return FieldError::NotNumber;
    value = *parsed;
    return FieldError::None;
}

FieldError CheckNumberField(std::string_view text, double minimum, double maximum, double& value) {
    const std::optional<double> parsed = ParseNumberField(text);
    if (!parsed)
        return FieldError::NotNumber;
    if (*parsed < minimum || *parsed > maximum)
        return FieldError::NumberOutOfRange;
    value = *parsed;
    return FieldError::None;
}

std::string FormatNumberField(double value) {
    return FormatPrintf("%.15g", value);
}

}  // namespace grafyon
