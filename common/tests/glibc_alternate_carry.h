// Tells one known difference between glibc's printf and a standard-conforming formatter apart
// from a real fault, for the tests and the benchmark that compare the two.
#pragma once

#include <cstdlib>
#include <string>

namespace grafyon::test {

// glibc loses the zeros of "%#g" when rounding carries into the exponent form ("1.e+06" for
// 999999.5); the standard keeps them ("1.00000e+06"), and so do we. True for exactly that
// difference: glibc's mantissa is "1." where ours is "1." and precision - 1 zeros.
inline bool IsGlibcAlternateCarry(const std::string& format, const std::string& ours,
                                  const std::string& glibc) {
    const std::size_t dot = format.find('.');
    const int precision = dot == std::string::npos ? 6 : std::atoi(format.c_str() + dot + 1);
    if (format.find('#') == std::string::npos || precision < 2)
        return false;
    const std::string mantissa = "1." + std::string(static_cast<std::size_t>(precision - 1), '0');
    const auto hasMantissa = [](const std::string& text, const std::string& digits) {
        return text.find(digits + "e") != std::string::npos ||
               text.find(digits + "E") != std::string::npos;
    };
    const auto strip = [](const std::string& text) {
        std::string kept;
        for (const char c : text) {
            if (c != '0' && c != ' ')
                kept.push_back(c);
        }
        return kept;
    };
    return hasMantissa(glibc, "1.") && hasMantissa(ours, mantissa) && strip(ours) == strip(glibc);
}

}  // namespace grafyon::test
