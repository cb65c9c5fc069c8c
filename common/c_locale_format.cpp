// C-locale printf through a thread-local locale switch.
#include "c_locale_format.h"

#include <locale.h>

#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace grafyon {

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches this thread to the C locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

std::string VFormat(const char* format, va_list args) {
    CLocaleScope scope;
    char small[256];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return {};
    if (static_cast<std::size_t>(n) < sizeof small)
        return std::string(small, static_cast<std::size_t>(n));
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), static_cast<std::size_t>(n));
}

}  // namespace

std::string FormatC(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
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
        while (j < format.size() && std::strchr("-+ #0", format[j]) != nullptr)
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
        if (j >= format.size() || std::strchr("fFeEgG", format[j]) == nullptr)
            return std::nullopt;
        ++conversions;
        i = j;
    }
    if (conversions != 1)
        return std::nullopt;
    const std::string owned(format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return FormatC(owned.c_str(), value);
#pragma GCC diagnostic pop
}

std::optional<double> ParseDouble(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

}  // namespace grafyon
