// printf-style formatting over typed arguments that never consults the process locale.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace grafyon {

// One argument of a printf-style format, captured by type so that no va_list is needed.
using PrintfArg =
    std::variant<long long, unsigned long long, double, std::string_view, const void*>;

// Applies a printf format (flags "-+ #0", width and precision, also as "*", the length
// modifiers are accepted and ignored; conversions d i u o x X c s f F e E g G a A p %)
// to the arguments. The bytes equal those of the C locale's printf whatever the
// process locale is. An argument of another kind than the conversion asks for is shown
// in its own form; a missing argument shows nothing.
std::string FormatPrintfArgs(std::string_view format, std::span<const PrintfArg> args);

template <class T>
PrintfArg ToPrintfArg(const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return static_cast<long long>(value);
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<double>(value);
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<long long>(value);
    } else if constexpr (std::signed_integral<T>) {
        return static_cast<long long>(value);
    } else if constexpr (std::unsigned_integral<T>) {
        return static_cast<unsigned long long>(value);
    } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        return std::string_view(value);
    } else if constexpr (std::is_pointer_v<T>) {
        return static_cast<const void*>(value);
    } else {
        static_assert(std::is_pointer_v<T>, "no printf form for this type");
    }
}

// "%s" of a null character pointer prints "(null)", as glibc does.
inline PrintfArg ToPrintfArg(const char* value) {
    return value ? PrintfArg(std::string_view(value)) : PrintfArg(std::string_view("(null)"));
}
inline PrintfArg ToPrintfArg(char* value) {
    return ToPrintfArg(static_cast<const char*>(value));
}

template <class... Args>
std::string FormatPrintf(std::string_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatPrintfArgs(format, {});
    } else {
        const PrintfArg list[] = {ToPrintfArg(args)...};
        return FormatPrintfArgs(format, list);
    }
}

}  // namespace grafyon
