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
    // The precision of the conversion itself, not of a "." in the text around it.
    std::size_t at = 0;
    while ((at = format.find('%', at)) != std::string::npos && format.compare(at, 2, "%%") == 0)
        at += 2;
    if (at == std::string::npos)
        return false;
    const std::size_t flagsEnd = format.find_first_not_of("-+ #0", at + 1);
    const std::size_t widthEnd = format.find_first_not_of("0123456789", flagsEnd);
    const bool alternate = format.find('#', at + 1) < flagsEnd;
    int precision = 6;
    if (widthEnd != std::string::npos && format[widthEnd] == '.')
        precision = std::atoi(format.c_str() + widthEnd + 1);
    if (!alternate || precision < 2)
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
