// One printf conversion: its parts as written, and writers that give the C locale's bytes.
#pragma once

#include <cstddef>
#include <string_view>

namespace grafyon {

// Widths and precisions are bounded so that a format from a file cannot ask for gigabytes.
inline constexpr int FORMAT_MAX_FIELD = 4096;
// The room one conversion needs: the 309 integer digits of DBL_MAX, the point and the largest
// precision, and scratch space for copies in fixed blocks.
inline constexpr std::size_t FORMAT_MAX_CONVERSION = FORMAT_MAX_FIELD + 368;

// Flags "-+ #0", width, precision (-1: none given) and the conversion letter.
struct FormatSpec {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zero = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

// One conversion as written after its '%': a width or precision of "*" is reported for the
// caller to take from an argument. Length modifiers "hlLqjzt" are skipped. Widths and
// precisions above FORMAT_MAX_FIELD count as FORMAT_MAX_FIELD.
struct ParsedConversion {
    FormatSpec spec;
    bool widthArgument = false;
    bool precisionArgument = false;
    bool complete = false;  // false: the text ended before the conversion letter
    std::size_t end = 0;    // just past the conversion letter
};
ParsedConversion ParseConversion(std::string_view format, std::size_t afterPercent);

bool IsFloatConversion(char conversion);    // f F e E g G a A
bool IsIntegerConversion(char conversion);  // d i u o x X

// The room WriteDouble or WriteInteger needs for spec, at most FORMAT_MAX_CONVERSION; they
// may use all of it as scratch space beyond the text they return.
std::size_t MaxConversionLength(const FormatSpec& spec);

// Writes value for a conversion of f F e E g G a A at out, which has room for
// MaxConversionLength(spec) characters, and returns the end. The bytes are those of the C
// library's printf in the C locale: the exact decimal expansion rounded to nearest with ties
// to even, "-nan" for a NaN with its sign bit set, "inf", "-0.000". One exception: "%#g"
// keeps its zeros as the C standard says also where rounding carries into the exponent form
// ("1.00000e+06" for 999999.5), where glibc loses them ("1.e+06").
char* WriteDouble(char* out, const FormatSpec& spec, double value);

// Writes an integer for a conversion of d i u o x X in the same way; negative only applies to
// d and i.
char* WriteInteger(char* out, const FormatSpec& spec, bool negative, unsigned long long magnitude);

}  // namespace grafyon
