// Parsing one printf conversion and writing numbers for it without the C library's locale.
#include "printf_conversion.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

#include "decimal_digits.h"

namespace grafyon {

namespace {

// Room for the longest body of a floating conversion: all the integer digits of DBL_MAX,
// the point and the largest precision, or the digits and an exponent.
constexpr std::size_t FLOAT_BODY_MAX = DECIMAL_MAX_INTEGER_DIGITS + FORMAT_MAX_FIELD + 16;
// Short fills and bodies are copied as one fixed block, which is faster than an exact copy;
// the bytes beyond the text are scratch space of the caller's buffer.
constexpr std::size_t BLOCK = 32;
static_assert(FLOAT_BODY_MAX + BLOCK + 1 <= FORMAT_MAX_CONVERSION);

constexpr char SPACES[BLOCK + 1] = "                                ";
constexpr char ZEROS[BLOCK + 1] = "00000000000000000000000000000000";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char* Put(char* out, const char* text, std::size_t length) {
    std::memcpy(out, text, length);
    return out + length;
}

// count copies of the pattern's character.
char* Fill(char* out, const char* pattern, std::size_t count) {
    if (count <= BLOCK) {
        std::memcpy(out, pattern, BLOCK);
    } else {
        std::memset(out, pattern[0], count);
    }
    return out + count;
}

// A body from a buffer with at least BLOCK characters.
char* PutBody(char* out, const char* body, std::size_t length) {
    std::memcpy(out, body, length <= BLOCK ? BLOCK : length);
    return out + length;
}

// Sign, prefix and a body of length characters that emit writes, with the width filled by
// blanks (or zeros after the prefix).
template <class Emit>
char* PadAround(char* out, const FormatSpec& spec, char sign, std::string_view prefix,
                std::size_t length, bool zeroAllowed, Emit emit) {
    const std::size_t used = (sign != 0 ? 1 : 0) + prefix.size() + length;
    const auto width = static_cast<std::size_t>(std::clamp(spec.width, 0, FORMAT_MAX_FIELD));
    const std::size_t fill = width > used ? width - used : 0;
    const bool zeros = !spec.left && spec.zero && zeroAllowed;
    if (!spec.left && !zeros)
        out = Fill(out, SPACES, fill);
    *out = sign;  // without a branch, as for the sign itself
    out += sign != 0 ? 1 : 0;
    if (!prefix.empty())
        out = Put(out, prefix.data(), prefix.size());
    if (zeros)
        out = Fill(out, ZEROS, fill);
    out = emit(out);
    if (spec.left)
        out = Fill(out, SPACES, fill);
    return out;
}

char* PutExponent(char* out, char mark, int exponent) {
    *out++ = mark;
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude >= 100)
        *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

// The body of a floating conversion whose digits fit 64 bits: its length is known before any
// character is written, so it goes straight to its place in the output.
struct ShortBody {
    std::uint64_t digits = 0;
    int count = 0;           // digits shown, leading zeros included
    int fractionDigits = 0;  // of them after the point
    bool point = false;
    int leadingZeros = -1;  // 0 or more: "0." and that many zeros come first
    bool exponentShown = false;
    char mark = 'e';
    int exponent = 0;

    std::size_t Length() const {
        const int exponentLength = !exponentShown ? 0 : std::abs(exponent) >= 100 ? 5 : 4;
        return static_cast<std::size_t>((leadingZeros >= 0 ? 2 + leadingZeros : 0) + count +
                                        (point ? 1 : 0) + exponentLength);
    }

    char* Emit(char* out) const {
        if (leadingZeros >= 0) {
            std::memcpy(out, "0.000000", 8);  // at most four zeros are kept
            out += 2 + leadingZeros;
        }
        out = PutDigits(out, digits, count, fractionDigits, point);
        return exponentShown ? PutExponent(out, mark, exponent) : out;
    }
};

// "%f".
bool ShortFixed(double magnitude, int decimals, bool alternate, ShortBody& body) {
    if (!ScaledFixedDigits(magnitude, decimals, body.digits))
        return false;
    body.count = std::max(DigitCount(body.digits), decimals + 1);
    body.fractionDigits = decimals;
    body.point = decimals > 0 || alternate;
    return true;
}

// "%e": d.ddde+XX with precision digits after the point.
bool ShortScientific(double magnitude, int precision, bool alternate, char mark, ShortBody& body) {
    if (precision + 1 > DECIMAL_MAX_SHORT_DIGITS)
        return false;
    const ShortDecimal decimal = ShortSignificantDigits(magnitude, precision + 1);
    body.digits = decimal.digits;
    body.count = precision + 1;
    body.fractionDigits = precision;
    body.point = precision > 0 || alternate;
    body.exponentShown = true;
    body.mark = mark;
    body.exponent = decimal.exponent;
    return true;
}

// "%g": the style by the exponent, then trailing zeros dropped unless alternate.
bool ShortGeneral(double magnitude, int precision, bool alternate, char mark, ShortBody& body) {
    const int significant = precision < 0 ? 6 : std::max(precision, 1);
    if (significant > DECIMAL_MAX_SHORT_DIGITS)
        return false;
    ShortDecimal decimal = ShortSignificantDigits(magnitude, significant);
    const int exponent = decimal.exponent;
    const bool fixed = exponent < significant && exponent >= -4;
    int kept = significant;
    if (!alternate) {
        const int minimum = fixed && exponent > 0 ? exponent + 1 : 1;
        while (kept > minimum && decimal.digits % 10 == 0) {
            decimal.digits /= 10;
            --kept;
        }
    }
    body.digits = decimal.digits;
    body.count = kept;
    if (!fixed) {
        body.fractionDigits = kept - 1;
        body.point = kept > 1 || alternate;
        body.exponentShown = true;
        body.mark = mark;
        body.exponent = exponent;
    } else if (exponent < 0) {
        body.leadingZeros = -exponent - 1;
    } else {
        body.fractionDigits = kept - exponent - 1;
        body.point = body.fractionDigits > 0 || alternate;
    }
    return true;
}

// The same conversions for any precision, through the text of the digits.
char* PutScientific(char* out, double magnitude, int precision, bool alternate, char mark) {
    // The digits land one place right; the first moves back in front of the point.
    const int exponent = SignificantDigits(magnitude, precision + 1, out + 1);
    out[0] = out[1];
    out[1] = '.';
    out += precision > 0 || alternate ? 2 + precision : 1;
    return PutExponent(out, mark, exponent);
}

char* PutGeneral(char* out, double magnitude, int precision, bool alternate, char mark) {
    const int significant = precision < 0 ? 6 : std::max(precision, 1);
    char digits[FORMAT_MAX_FIELD + 16];
    const int exponent = SignificantDigits(magnitude, significant, digits);
    const bool fixed = exponent < significant && exponent >= -4;
    int kept = significant;
    if (!alternate) {
        const int minimum = fixed && exponent > 0 ? exponent + 1 : 1;
        while (kept > minimum && digits[kept - 1] == '0')
            --kept;
    }
    if (!fixed) {
        *out++ = digits[0];
        if (kept > 1 || alternate) {
            *out++ = '.';
            out = Put(out, digits + 1, static_cast<std::size_t>(kept - 1));
        }
        return PutExponent(out, mark, exponent);
    }
    if (exponent < 0) {
        out = Put(out, "0.000", static_cast<std::size_t>(1 - exponent));
        return Put(out, digits, static_cast<std::size_t>(kept));
    }
    out = Put(out, digits, static_cast<std::size_t>(exponent + 1));
    if (kept > exponent + 1 || alternate) {
        *out++ = '.';
        out = Put(out, digits + exponent + 1, static_cast<std::size_t>(kept - exponent - 1));
    }
    return out;
}

char* PutHexadecimal(char* out, double magnitude, int precision, bool alternate) {
    char* end = out + FLOAT_BODY_MAX;
    end = precision < 0 ? std::to_chars(out, end, magnitude, std::chars_format::hex).ptr
                        : std::to_chars(out, end, magnitude, std::chars_format::hex, precision).ptr;
    if (alternate && out[1] == 'p') {
        // "#" keeps the point even without hexadecimal places: "0x2.p+0".
        std::memmove(out + 2, out + 1, static_cast<std::size_t>(end - out - 1));
        out[1] = '.';
        ++end;
    }
    return end;
}

void ToUpper(char* first, char* last) {
    std::transform(first, last, first,
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

// Long numbers, hexadecimal, infinities and NaN go through a buffer; kept out of line so
// that the common case does not carry its large frame.
[[gnu::noinline]] char* WriteDoubleThroughBuffer(char* out, const FormatSpec& spec, char sign,
                                                 double value) {
    const char conversion = spec.conversion;
    const bool upper =
        conversion == 'F' || conversion == 'E' || conversion == 'G' || conversion == 'A';
    const char mark = upper ? 'E' : 'e';
    const int precision = std::min(spec.precision, FORMAT_MAX_FIELD);
    const double magnitude = std::fabs(value);
    const bool finite = std::isfinite(value);
    char text[FLOAT_BODY_MAX];
    char* end = text;
    std::string_view prefix;
    if (!finite) {
        end = Put(text, std::isnan(value) ? "nan" : "inf", 3);
    } else {
        switch (conversion) {
            case 'f':
            case 'F':
                end = WriteFixedDigits(text, magnitude, precision < 0 ? 6 : precision);
                if (spec.alternate && precision == 0)
                    *end++ = '.';
                break;
            case 'e':
            case 'E':
                end = PutScientific(text, magnitude, precision < 0 ? 6 : precision, spec.alternate,
                                    mark);
                break;
            case 'a':
            case 'A':
                prefix = upper ? "0X" : "0x";
                end = PutHexadecimal(text, magnitude, precision, spec.alternate);
                break;
            default:
                end = PutGeneral(text, magnitude, precision, spec.alternate, mark);
                break;
        }
    }
    if (upper && (!finite || !prefix.empty()))
        ToUpper(text, end);
    const auto length = static_cast<std::size_t>(end - text);
    return PadAround(out, spec, sign, prefix, length, finite,
                     [&](char* at) { return PutBody(at, text, length); });
}

}  // namespace

ParsedConversion ParseConversion(std::string_view format, std::size_t afterPercent) {
    ParsedConversion parsed;
    FormatSpec& spec = parsed.spec;
    std::size_t i = afterPercent;
    for (; i < format.size(); ++i) {
        const char flag = format[i];
        if (flag == '-') {
            spec.left = true;
        } else if (flag == '+') {
            spec.plus = true;
        } else if (flag == ' ') {
            spec.space = true;
        } else if (flag == '#') {
            spec.alternate = true;
        } else if (flag == '0') {
            spec.zero = true;
        } else {
            break;
        }
    }
    if (i < format.size() && format[i] == '*') {
        parsed.widthArgument = true;
        ++i;
    } else {
        for (; i < format.size() && IsDigit(format[i]); ++i)
            spec.width = std::min(spec.width * 10 + (format[i] - '0'), FORMAT_MAX_FIELD);
    }
    if (i < format.size() && format[i] == '.') {
        ++i;
        spec.precision = 0;
        if (i < format.size() && format[i] == '*') {
            parsed.precisionArgument = true;
            ++i;
        } else {
            for (; i < format.size() && IsDigit(format[i]); ++i) {
                spec.precision =
                    std::min(spec.precision * 10 + (format[i] - '0'), FORMAT_MAX_FIELD);
            }
        }
    }
    while (i < format.size() &&
           std::string_view("hlLqjzt").find(format[i]) != std::string_view::npos)
        ++i;
    if (i < format.size()) {
        spec.conversion = format[i++];
        parsed.complete = true;
    }
    parsed.end = i;
    return parsed;
}

bool IsFloatConversion(char conversion) {
    return conversion != 0 && std::strchr("fFeEgGaA", conversion) != nullptr;
}

bool IsIntegerConversion(char conversion) {
    return conversion != 0 && std::strchr("diuoxX", conversion) != nullptr;
}

std::size_t MaxConversionLength(const FormatSpec& spec) {
    const int precision = std::clamp(spec.precision, 0, FORMAT_MAX_FIELD);
    // Integers: sign, "0x" and 22 octal digits of 2^64 or the precision's zeros.
    const std::size_t body = IsIntegerConversion(spec.conversion)
                                 ? static_cast<std::size_t>(std::max(precision, 22)) + 3
                                 : FLOAT_BODY_MAX + 1;
    const auto width = static_cast<std::size_t>(std::clamp(spec.width, 0, FORMAT_MAX_FIELD));
    return std::max(body, width) + BLOCK;
}

char* WriteDouble(char* out, const FormatSpec& spec, double value) {
    // The sign without a branch: that of random values is unpredictable.
    const int positiveSign = spec.plus ? '+' : spec.space ? ' ' : 0;
    const auto sign =
        static_cast<char>(positiveSign + (std::signbit(value) ? 1 : 0) * ('-' - positiveSign));
    const char conversion = spec.conversion;
    const char mark = conversion == 'E' || conversion == 'G' ? 'E' : 'e';
    const int precision = std::min(spec.precision, FORMAT_MAX_FIELD);
    const double magnitude = std::fabs(value);
    ShortBody body;
    bool known = false;
    if (std::isfinite(value)) {
        switch (conversion) {
            case 'f':
            case 'F':
                known = ShortFixed(magnitude, precision < 0 ? 6 : precision, spec.alternate, body);
                break;
            case 'e':
            case 'E':
                known = ShortScientific(magnitude, precision < 0 ? 6 : precision, spec.alternate,
                                        mark, body);
                break;
            case 'g':
            case 'G':
                known = ShortGeneral(magnitude, precision, spec.alternate, mark, body);
                break;
            default:
                break;
        }
    }
    if (!known)
        return WriteDoubleThroughBuffer(out, spec, sign, value);
    return PadAround(out, spec, sign, {}, body.Length(), true,
                     [&body](char* at) { return body.Emit(at); });
}

char* WriteInteger(char* out, const FormatSpec& spec, bool negative, unsigned long long magnitude) {
    const char conversion = spec.conversion;
    const int base = conversion == 'o' ? 8 : conversion == 'x' || conversion == 'X' ? 16 : 10;
    const int precision = std::min(spec.precision, FORMAT_MAX_FIELD);
    char digits[32];
    char* digitsEnd = std::to_chars(digits, digits + sizeof digits, magnitude, base).ptr;
    if (conversion == 'X')
        ToUpper(digits, digitsEnd);
    std::size_t length = static_cast<std::size_t>(digitsEnd - digits);
    // An explicit precision of 0 prints nothing for the value 0.
    if (precision == 0 && magnitude == 0)
        length = 0;
    const auto wanted = static_cast<std::size_t>(std::max(precision, 0));
    std::size_t zeros = wanted > length ? wanted - length : 0;
    std::string_view prefix;
    if (spec.alternate) {
        if (base == 8 && zeros == 0 && (length == 0 || digits[0] != '0'))
            zeros = 1;
        if (base == 16 && magnitude != 0)
            prefix = conversion == 'X' ? "0X" : "0x";
    }
    const bool isSigned = conversion == 'd' || conversion == 'i';
    const char sign = negative                 ? '-'
                      : isSigned && spec.plus  ? '+'
                      : isSigned && spec.space ? ' '
                                               : 0;
    char body[FORMAT_MAX_FIELD + BLOCK];
    std::memset(body, '0', zeros);
    Put(body + zeros, digits, length);
    return PadAround(out, spec, sign, prefix, zeros + length, precision < 0,
                     [&](char* at) { return PutBody(at, body, zeros + length); });
}

}  // namespace grafyon
