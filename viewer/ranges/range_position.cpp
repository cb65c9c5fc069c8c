// Parsing and bounds of typed range positions, independent of the process locale.
#include "range_position.h"

#include <charconv>
#include <system_error>

namespace grafyon {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

RangePositionResult ParseRangePosition(std::string_view text, std::int64_t minimum,
                                       std::int64_t maximum) {
    text = Trimmed(text);
    // from_chars takes no plus sign; one is accepted before the digits.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    if (text.empty())
        return {RangePositionError::NotAnInteger, 0};
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, status] = std::from_chars(text.data(), end, value);
    if (status == std::errc::result_out_of_range && rest == end)
        return {RangePositionError::OutOfRange, 0};
    if (status != std::errc() || rest != end)
        return {RangePositionError::NotAnInteger, 0};
    if (value < minimum || value > maximum)
        return {RangePositionError::OutOfRange, value};
    return {RangePositionError::None, value};
}

}  // namespace grafyon
