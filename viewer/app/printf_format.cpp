// A printf interpreter built on std::to_chars, so the C locale never changes the bytes.
#include "printf_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace grafyon {

namespace {

struct Directive {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zero = false;
    int width = 0;
    int precision = -1;  // -1: none given
    char conversion = 0;
};

class ArgCursor {
public:
    explicit ArgCursor(std::span<const PrintfArg> args) : m_args(args) {}
    const PrintfArg* Next() { return m_next < m_args.size() ? &m_args[m_next++] : nullptr; }
    // A "*" width or precision; a missing or non-integer argument counts as absent.
    std::optional<long long> NextInt() {
        const PrintfArg* arg = Next();
        if (arg == nullptr)
            return std::nullopt;
        if (const auto* v = std::get_if<long long>(arg))
            return *v;
        if (const auto* u = std::get_if<unsigned long long>(arg)) {
            return static_cast<long long>(std::min<unsigned long long>(
                *u, static_cast<unsigned long long>(std::numeric_limits<int>::max())));
        }
        return std::nullopt;
    }

private:
    std::span<const PrintfArg> m_args;
    std::size_t m_next = 0;
};

constexpr int MAX_FIELD = 4096;  // bounds width and precision so a format cannot ask for gigabytes

void Pad(std::string& out, const Directive& directive, std::string_view sign,
         std::string_view prefix, std::string_view body, bool zeroAllowed) {
    const std::size_t length = sign.size() + prefix.size() + body.size();
    const std::size_t width = static_cast<std::size_t>(directive.width);
    const std::size_t fill = width > length ? width - length : 0;
    if (directive.left) {
        out.append(sign).append(prefix).append(body).append(fill, ' ');
    } else if (directive.zero && zeroAllowed) {
        out.append(sign).append(prefix).append(fill, '0').append(body);
    } else {
        out.append(fill, ' ').append(sign).append(prefix).append(body);
    }
}

void FormatString(std::string& out, const Directive& directive, std::string_view text) {
    if (directive.precision >= 0 && static_cast<std::size_t>(directive.precision) < text.size()) {
        text = text.substr(0, static_cast<std::size_t>(directive.precision));
    }
    Pad(out, directive, {}, {}, text, false);
}

void FormatInteger(std::string& out, const Directive& directive, bool negative,
                   unsigned long long magnitude) {
    int base = 10;
    if (directive.conversion == 'o')
        base = 8;
    if (directive.conversion == 'x' || directive.conversion == 'X')
        base = 16;
    char digits[72];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude, base);
    std::string body(digits, end);
    if (directive.conversion == 'X') {
        std::transform(body.begin(), body.end(), body.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    if (directive.precision >= 0) {
        // An explicit precision of 0 prints nothing for the value 0.
        if (directive.precision == 0 && magnitude == 0)
            body.clear();
        if (body.size() < static_cast<std::size_t>(directive.precision)) {
            body.insert(0, static_cast<std::size_t>(directive.precision) - body.size(), '0');
        }
    }
    std::string_view prefix;
    if (directive.alternate) {
        if (base == 8 && (body.empty() || body.front() != '0'))
            body.insert(0, "0");
        if (base == 16 && magnitude != 0)
            prefix = directive.conversion == 'X' ? "0X" : "0x";
    }
    const bool isSigned = directive.conversion == 'd' || directive.conversion == 'i';
    std::string_view sign;
    if (negative) {
        sign = "-";
    } else if (isSigned && directive.plus) {
        sign = "+";
    } else if (isSigned && directive.space) {
        sign = " ";
    }
    Pad(out, directive, sign, prefix, body, directive.precision < 0);
}

void FormatFloat(std::string& out, const Directive& directive, double value) {
    const char conversion =
        static_cast<char>(std::tolower(static_cast<unsigned char>(directive.conversion)));
    const bool upper = std::isupper(static_cast<unsigned char>(directive.conversion)) != 0;
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::string body;
    if (std::isnan(value) || std::isinf(value)) {
        body = std::isnan(value) ? "nan" : "inf";
    } else {
        char buffer[MAX_FIELD + 400];
        std::to_chars_result result{};
        int precision = directive.precision < 0 ? 6 : directive.precision;
        switch (conversion) {
            case 'f':
                result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::fixed, precision);
                break;
            case 'e':
                result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, precision);
                break;
            case 'a':
                result = directive.precision < 0
                             ? std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                             std::chars_format::hex)
                             : std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                             std::chars_format::hex, precision);
                break;
            default:
                if (precision == 0)
                    precision = 1;
                if (directive.alternate) {
                    // "%#g" keeps its trailing zeros: choose the style by the exponent.
                    result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                           std::chars_format::scientific, precision - 1);
                    const std::string_view scientific(buffer, result.ptr);
                    int exponent = 0;
                    const std::size_t e = scientific.find('e');
                    const char* first = scientific.data() + e + 1;
                    if (*first == '+')
                        ++first;
                    std::from_chars(first, result.ptr, exponent);
                    if (exponent < precision && exponent >= -4) {
                        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                               std::chars_format::fixed, precision - 1 - exponent);
                    }
                } else {
                    result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                           std::chars_format::general, precision);
                }
                break;
        }
        if (result.ec != std::errc())
            result.ptr = buffer;  // cannot happen within the bounds
        body.assign(buffer, result.ptr);
        if (conversion == 'a')
            body.insert(0, "0x");
        // "#" keeps the decimal point even without decimals.
        if (directive.alternate && body.find('.') == std::string::npos && conversion != 'a') {
            const std::size_t exponent = body.find('e');
            body.insert(exponent == std::string::npos ? body.size() : exponent, ".");
        }
    }
    if (upper) {
        std::transform(body.begin(), body.end(), body.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    std::string_view sign;
    if (negative) {
        sign = "-";
    } else if (directive.plus) {
        sign = "+";
    } else if (directive.space) {
        sign = " ";
    }
    const bool finite = std::isfinite(value);
    Pad(out, directive, sign, {}, body, finite);
}

void FormatPointer(std::string& out, const Directive& directive, const void* pointer) {
    if (pointer == nullptr) {
        Pad(out, directive, {}, {}, "(nil)", false);
        return;
    }
    Directive hex = directive;
    hex.conversion = 'x';
    hex.alternate = true;
    FormatInteger(out, hex, false, reinterpret_cast<std::uintptr_t>(pointer));
}

// Formats one argument for one conversion; a mismatching argument keeps its own form.
void FormatArg(std::string& out, Directive directive, const PrintfArg* arg) {
    if (arg == nullptr)
        return;
    const char c = directive.conversion;
    if (const auto* text = std::get_if<std::string_view>(arg)) {
        FormatString(out, directive, *text);
        return;
    }
    if (const auto* pointer = std::get_if<const void*>(arg)) {
        FormatPointer(out, directive, *pointer);
        return;
    }
    const bool wantsFloat = std::string_view("fFeEgGaA").find(c) != std::string_view::npos;
    if (const auto* d = std::get_if<double>(arg)) {
        if (!wantsFloat) {
            directive.conversion = 'g';
            directive.precision = -1;
        }
        FormatFloat(out, directive, *d);
        return;
    }
    long long signedValue = 0;
    unsigned long long unsignedValue = 0;
    const bool isSigned = std::holds_alternative<long long>(*arg);
    if (isSigned) {
        signedValue = std::get<long long>(*arg);
        unsignedValue = static_cast<unsigned long long>(signedValue);
    } else {
        unsignedValue = std::get<unsigned long long>(*arg);
        signedValue = static_cast<long long>(unsignedValue);
    }
    if (wantsFloat) {
        FormatFloat(
            out, directive,
            isSigned ? static_cast<double>(signedValue) : static_cast<double>(unsignedValue));
        return;
    }
    switch (c) {
        case 'c': {
            const char ch = static_cast<char>(unsignedValue & 0xFF);
            Pad(out, directive, {}, {}, std::string_view(&ch, 1), false);
            return;
        }
        case 's':
            directive.precision = -1;
            directive.conversion = isSigned ? 'd' : 'u';
            break;
        case 'd':
        case 'i':
            if (!isSigned) {
                // An unsigned argument for %d is read as the signed value of its bits.
                signedValue = static_cast<long long>(unsignedValue);
            }
            break;
        default:
            break;
    }
    if (directive.conversion == 'd' || directive.conversion == 'i') {
        const bool negative = signedValue < 0;
        const unsigned long long magnitude =
            negative ? 0ULL - static_cast<unsigned long long>(signedValue)
                     : static_cast<unsigned long long>(signedValue);
        FormatInteger(out, directive, negative, magnitude);
    } else {
        FormatInteger(out, directive, false, unsignedValue);
    }
}

}  // namespace

std::string FormatPrintfArgs(std::string_view format, std::span<const PrintfArg> args) {
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    ArgCursor cursor(args);
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            const std::size_t next = format.find('%', i);
            const std::size_t stop = next == std::string_view::npos ? format.size() : next;
            out.append(format.substr(i, stop - i));
            i = stop;
            continue;
        }
        const std::size_t start = i++;
        Directive directive;
        for (; i < format.size(); ++i) {
            const char flag = format[i];
            if (flag == '-') {
                directive.left = true;
            } else if (flag == '+') {
                directive.plus = true;
            } else if (flag == ' ') {
                directive.space = true;
            } else if (flag == '#') {
                directive.alternate = true;
            } else if (flag == '0') {
                directive.zero = true;
            } else {
                break;
            }
        }
        if (i < format.size() && format[i] == '*') {
            ++i;
            const long long width = cursor.NextInt().value_or(0);
            if (width < 0)
                directive.left = true;
            directive.width =
                static_cast<int>(std::min<long long>(width < 0 ? -width : width, MAX_FIELD));
        } else {
            while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
                directive.width = std::min(directive.width * 10 + (format[i] - '0'), MAX_FIELD);
                ++i;
            }
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            directive.precision = 0;
            if (i < format.size() && format[i] == '*') {
                ++i;
                const long long precision = cursor.NextInt().value_or(-1);
                directive.precision =
                    precision < 0 ? -1
                                  : static_cast<int>(std::min<long long>(precision, MAX_FIELD));
            } else {
                while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
                    directive.precision =
                        std::min(directive.precision * 10 + (format[i] - '0'), MAX_FIELD);
                    ++i;
                }
            }
        }
        while (i < format.size() &&
               std::string_view("hlLqjzt").find(format[i]) != std::string_view::npos) {
            ++i;
        }
        if (i >= format.size()) {
            out.append(format.substr(start));  // an unfinished conversion is kept as text
            break;
        }
        directive.conversion = format[i++];
        if (directive.conversion == '%') {
            out.push_back('%');
            continue;
        }
        if (std::string_view("diouxXcsfFeEgGaAp").find(directive.conversion) ==
            std::string_view::npos) {
            out.append(format.substr(start, i - start));  // unknown conversions stay as written
            continue;
        }
        if (directive.left)
            directive.zero = false;
        FormatArg(out, directive, cursor.Next());
    }
    return out;
}

}  // namespace grafyon
