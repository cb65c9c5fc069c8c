// printf-style formatting whose bytes never depend on the process locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grafyon {

// vsnprintf in the "C" locale, whatever locale Qt or the user set for the process.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formats one double with a caller-supplied format that must hold exactly one
// conversion of the kinds f, F, e, E, g, G (with optional flags, width and precision)
// and no other conversion; std::nullopt for any other format. Safe for formats that
// come from settings or files.
std::optional<std::string> FormatDoubleChecked(std::string_view format, double value);

// Parses a whole decimal number ("1.5", "-2e3", " 7 "); blanks around it are allowed.
std::optional<double> ParseDouble(std::string_view text);

}  // namespace grafyon
