// A printf interpreter over typed arguments; the numbers come from the locale-free writers.
#include "printf_format.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "printf_conversion.h"

namespace grafyon {

namespace {

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

void AppendPadded(std::string& out, const FormatSpec& spec, std::string_view text) {
    const auto width = static_cast<std::size_t>(std::max(spec.width, 0));
    const std::size_t fill = width > text.size() ? width - text.size() : 0;
    if (spec.left) {
        out.append(text).append(fill, ' ');
    } else {
        out.append(fill, ' ').append(text);
    }
}

void AppendString(std::string& out, const FormatSpec& spec, std::string_view text) {
    if (spec.precision >= 0 && static_cast<std::size_t>(spec.precision) < text.size())
        text = text.substr(0, static_cast<std::size_t>(spec.precision));
    AppendPadded(out, spec, text);
}

// Through a buffer on the stack: the writers need room for the longest text.
void AppendDouble(std::string& out, const FormatSpec& spec, double value) {
    char text[FORMAT_MAX_CONVERSION];
    const char* end = WriteDouble(text, spec, value);
    out.append(text, static_cast<std::size_t>(end - text));
}

void AppendInteger(std::string& out, const FormatSpec& spec, bool negative,
                   unsigned long long magnitude) {
    char text[FORMAT_MAX_CONVERSION];
    const char* end = WriteInteger(text, spec, negative, magnitude);
    out.append(text, static_cast<std::size_t>(end - text));
}

void AppendPointer(std::string& out, const FormatSpec& spec, const void* pointer) {
    if (pointer == nullptr) {
        AppendPadded(out, spec, "(nil)");
        return;
    }
    FormatSpec hex = spec;
    hex.conversion = 'x';
    hex.alternate = true;
    AppendInteger(out, hex, false, reinterpret_cast<std::uintptr_t>(pointer));
}

// Formats one argument for one conversion; a mismatching argument keeps its own form.
void AppendArg(std::string& out, FormatSpec spec, const PrintfArg* arg) {
    if (arg == nullptr)
        return;
    const char c = spec.conversion;
    if (const auto* text = std::get_if<std::string_view>(arg)) {
        AppendString(out, spec, *text);
        return;
    }
    if (const auto* pointer = std::get_if<const void*>(arg)) {
        AppendPointer(out, spec, *pointer);
        return;
    }
    const bool wantsFloat = IsFloatConversion(c);
    if (const auto* d = std::get_if<double>(arg)) {
        if (!wantsFloat) {
            spec.conversion = 'g';
            spec.precision = -1;
        }
        AppendDouble(out, spec, *d);
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
        AppendDouble(
            out, spec,
            isSigned ? static_cast<double>(signedValue) : static_cast<double>(unsignedValue));
        return;
    }
    if (c == 'c') {
        const char ch = static_cast<char>(unsignedValue & 0xFF);
        AppendPadded(out, spec, std::string_view(&ch, 1));
        return;
    }
    if (c == 's') {
        spec.precision = -1;
        spec.conversion = isSigned ? 'd' : 'u';
    }
    // An unsigned argument for %d is read as the signed value of its bits.
    if (spec.conversion == 'd' || spec.conversion == 'i') {
        const bool negative = signedValue < 0;
        const unsigned long long magnitude =
            negative ? 0ULL - static_cast<unsigned long long>(signedValue)
                     : static_cast<unsigned long long>(signedValue);
        AppendInteger(out, spec, negative, magnitude);
    } else {
        AppendInteger(out, spec, false, unsignedValue);
    }
}

}  // namespace

std::string FormatPrintfArgs(std::string_view format, std::span<const PrintfArg> args) {
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    ArgCursor cursor(args);
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            const std::size_t next = format.find('%', i);
            const std::size_t stop = next == std::string_view::npos ? format.size() : next;
            out.append(format.substr(i, stop - i));
            i = stop;
            continue;
        }
        const std::size_t start = i;
        ParsedConversion parsed = ParseConversion(format, i + 1);
        FormatSpec& spec = parsed.spec;
        if (parsed.widthArgument) {
            const long long width = cursor.NextInt().value_or(0);
            if (width < 0)
                spec.left = true;
            // Bounded before the sign flips, so that the most negative number is no trap.
            const long long bounded =
                std::clamp<long long>(width, -FORMAT_MAX_FIELD, FORMAT_MAX_FIELD);
            spec.width = static_cast<int>(bounded < 0 ? -bounded : bounded);
        }
        if (parsed.precisionArgument) {
            const long long precision = cursor.NextInt().value_or(-1);
            spec.precision =
                precision < 0 ? -1
                              : static_cast<int>(std::min<long long>(precision, FORMAT_MAX_FIELD));
        }
        i = parsed.end;
        if (!parsed.complete) {
            out.append(format.substr(start));  // an unfinished conversion is kept as text
            break;
        }
        if (spec.conversion == '%') {
            out.push_back('%');
            continue;
        }
        if (std::string_view("diouxXcsfFeEgGaAp").find(spec.conversion) == std::string_view::npos) {
            out.append(format.substr(start, i - start));  // unknown conversions stay as written
            continue;
        }
        AppendArg(out, spec, cursor.Next());
    }
    return out;
}

}  // namespace grafyon
