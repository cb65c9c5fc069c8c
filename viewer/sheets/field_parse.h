// Parsing of dialog entries (whole numbers, decimal numbers), without any widget.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grafyon {

// Why an entry was refused; each kind has its own message in the dialogs.
enum class FieldError {
    None,
    NotInteger,         // "Please enter an integer."
    NotNumber,          // "Please enter a number."
    IntegerOutOfRange,  // "Please enter an integer between %1 and %2."
    NumberOutOfRange    // "Please enter a number between %1 and %2."
};

// A whole decimal number in the range of int; blanks around it and one sign are allowed,
// nothing else ("12abc", "1.5", "" and values beyond int are refused).
std::optional<int> ParseIntegerField(std::string_view text);

// A finite decimal number in C notation ("1.5", "-2e3"); blanks around it are allowed.
// The decimal separator is always the point, whatever the user's locale, and "inf" or
// "nan" are refused because no scale or interval can use them.
std::optional<double> ParseNumberField(std::string_view text);

// The entry as an integer within [minimum, maximum], or the reason it is refused.
FieldError CheckIntegerField(std::string_view text, int minimum, int maximum, int& value);
// The entry as a number, optionally within [minimum, maximum], or the reason it is refused.
FieldError CheckNumberField(std::string_view text, double& value);
FieldError CheckNumberField(std::string_view text, double minimum, double maximum, double& value);

// How a number is written into an edit field: "%.15g" in the C locale, so that what the
// user sees reads back as the same value where fifteen digits can hold it.
std::string FormatNumberField(double value);

}  // namespace grafyon
