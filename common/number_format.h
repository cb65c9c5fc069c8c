// A printf format compiled once and applied to many numbers, for writers of large files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "printf_conversion.h"

namespace grafyon {

// Literal text around one conversion of d i u f F e E g G; writing a value costs no
// allocation and gives the bytes of the C library's printf in the C locale, whatever the
// process locale is (see WriteDouble).
class NumberFormat {
public:
    // Flags "-+ #0", width, precision and length modifiers as printf takes them; "%%" is a
    // percent sign. Widths and precisions above FORMAT_MAX_FIELD count as FORMAT_MAX_FIELD.
    // std::nullopt for no conversion or two, another conversion, "*" or an unfinished one.
    static std::optional<NumberFormat> Compile(std::string_view format);

    // The conversion takes an integer (d, i, u).
    bool TakesInteger() const { return m_takesInteger; }
    // The room one value needs: the text and scratch space beyond it.
    std::size_t MaxLength() const { return m_maxLength; }

    // Writes the text for value at out, which has room for MaxLength() characters, and
    // returns the end; the characters after the end may have changed. As FormatPrintf does, a
    // double for an integer conversion shows as by
    // "%g" with the same flags and width, an integer for a floating one as that double.
    char* Format(double value, char* out) const;
    char* FormatInteger(long long value, char* out) const;
    void Append(std::string& out, double value) const;

private:
    NumberFormat() = default;

    std::string m_prefix;
    std::string m_suffix;
    FormatSpec m_spec;
    FormatSpec m_doubleSpec;  // m_spec, or its "%g" for a double given to an integer conversion
    bool m_takesInteger = false;
    std::size_t m_maxLength = 0;
};

// Formats one double with a caller-supplied format that must hold exactly one
// conversion of the kinds f, F, e, E, g, G (with optional flags, width and precision
// of at most two digits each) and no other conversion; std::nullopt for any other format.
// Safe for formats that come from settings or files.
std::optional<std::string> FormatDoubleChecked(std::string_view format, double value);

}  // namespace grafyon
