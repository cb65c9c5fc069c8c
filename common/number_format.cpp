// Compiling a one-number printf format, and applying it.
#include "number_format.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace grafyon {

namespace {

char* Put(char* out, const std::string& text) {
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

}  // namespace

std::optional<NumberFormat> NumberFormat::Compile(std::string_view format) {
    NumberFormat compiled;
    bool found = false;
    std::string* text = &compiled.m_prefix;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            text->push_back(format[i++]);
            continue;
        }
        const ParsedConversion parsed = ParseConversion(format, i + 1);
        if (!parsed.complete || parsed.widthArgument || parsed.precisionArgument)
            return std::nullopt;
        i = parsed.end;
        const char conversion = parsed.spec.conversion;
        if (conversion == '%') {
            text->push_back('%');
            continue;
        }
        if (found || std::string_view("diufFeEgG").find(conversion) == std::string_view::npos)
            return std::nullopt;
        found = true;
        compiled.m_spec = parsed.spec;
        text = &compiled.m_suffix;
    }
    if (!found)
        return std::nullopt;
    compiled.m_takesInteger = IsIntegerConversion(compiled.m_spec.conversion);
    compiled.m_doubleSpec = compiled.m_spec;
    if (compiled.m_takesInteger) {
        compiled.m_doubleSpec.conversion = 'g';
        compiled.m_doubleSpec.precision = -1;
    }
    FormatSpec floating = compiled.m_spec;
    floating.conversion = 'f';
    compiled.m_maxLength =
        compiled.m_prefix.size() + compiled.m_suffix.size() +
        std::max(MaxConversionLength(compiled.m_spec), MaxConversionLength(floating));
    return compiled;
}

char* NumberFormat::Format(double value, char* out) const {
    out = Put(out, m_prefix);
    out = WriteDouble(out, m_doubleSpec, value);
    return Put(out, m_suffix);
}

char* NumberFormat::FormatInteger(long long value, char* out) const {
    out = Put(out, m_prefix);
    const char conversion = m_spec.conversion;
    if (!m_takesInteger) {
        out = WriteDouble(out, m_spec, static_cast<double>(value));
    } else if (conversion == 'u') {
        out = WriteInteger(out, m_spec, false, static_cast<unsigned long long>(value));
    } else {
        const bool negative = value < 0;
        const auto bits = static_cast<unsigned long long>(value);
        out = WriteInteger(out, m_spec, negative, negative ? 0ULL - bits : bits);
    }
    return Put(out, m_suffix);
}

void NumberFormat::Append(std::string& out, double value) const {
    out.append(m_prefix);
    char text[FORMAT_MAX_CONVERSION];
    const char* end = WriteDouble(text, m_doubleSpec, value);
    out.append(text, static_cast<std::size_t>(end - text));
    out.append(m_suffix);
}

std::optional<std::string> FormatDoubleChecked(std::string_view format, double value) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() &&
               std::string_view("-+ #0").find(format[j]) != std::string_view::npos)
            ++j;
        for (int part = 0; part < 2; ++part) {  // width, then "." precision
            if (part == 1) {
                if (j >= format.size() || format[j] != '.')
                    break;
                ++j;
            }
            std::size_t digits = 0;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]))) {
                ++j;
                if (++digits > 2)
                    return std::nullopt;  // no absurd widths
            }
        }
        if (j >= format.size() ||
            std::string_view("fFeEgG").find(format[j]) == std::string_view::npos)
            return std::nullopt;
        ++conversions;
        i = j;
    }
    const std::optional<NumberFormat> compiled = NumberFormat::Compile(format);
    if (conversions != 1 || !compiled)
        return std::nullopt;
    std::string text;
    compiled->Append(text, value);
    return text;
}

}  // namespace grafyon
