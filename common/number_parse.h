// Reading numbers from text whatever the process locale is.
#pragma once

#include <optional>
#include <string_view>

namespace grafyon {

// Parses a whole decimal number ("1.5", "-2e3", " 7 "); blanks around it are allowed.
std::optional<double> ParseDouble(std::string_view text);

}  // namespace grafyon
