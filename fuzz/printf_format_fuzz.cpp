// Fuzz target: printf-style formatting with hostile format texts and values (format texts
// come from filter files and settings). The first 16 bytes give a double and an integer, the
// rest is the format. A format the compiled number path accepts must give what the general
// path gives and, for plain conversions, the bytes of the C library's printf.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

#include "common/number_format.h"
#include "common/printf_format.h"
#include "common/tests/glibc_alternate_carry.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

template <class T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    if (size >= sizeof(T)) {
        std::memcpy(&value, data, sizeof(T));
        data += sizeof(T);
        size -= sizeof(T);
    }
    return value;
}

// One conversion with flags, at most three digits of width and precision and no length
// modifier, amid text without '%': what both printf and the number path read the same way.
bool IsPlain(const std::string& format, char& conversion) {
    static const std::regex plain(
        R"(([^%]|%%)*%[-+ #0]*[0-9]{0,3}(\.[0-9]{0,3})?([diufFeEgG])([^%]|%%)*)");
    std::smatch match;
    if (!std::regex_match(format, match, plain))
        return false;
    conversion = match[3].str()[0];
    return true;
}

std::string LibcFormat(const std::string& format, char conversion, double value,
                       long long integer) {
    char buffer[8192];
    int length;
    if (conversion == 'd' || conversion == 'i')
        length = std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<int>(integer));
    else if (conversion == 'u')
        length = std::snprintf(buffer, sizeof buffer, format.c_str(),
                               static_cast<unsigned>(integer & 0x7FFFFFFF));
    else
        length = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    Check(length >= 0 && static_cast<std::size_t>(length) < sizeof buffer);
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grafyon;
    const double value = Take<double>(data, size);
    const long long integer = Take<long long>(data, size);
    if (size > 512)
        return 0;
    const std::string format(reinterpret_cast<const char*>(data), size);

    // The general path takes any format over arguments of every kind.
    const PrintfArg args[] = {integer, static_cast<unsigned long long>(integer), value,
                              std::string_view("text"), static_cast<const void*>(&value)};
    (void)FormatPrintfArgs(format, args);

    const std::optional<NumberFormat> compiled = NumberFormat::Compile(format);
    if (!compiled)
        return 0;
    std::string text(compiled->MaxLength(), '\0');
    const long long small = static_cast<int>(integer);
    const char* end = compiled->TakesInteger() ? compiled->FormatInteger(small, text.data())
                                               : compiled->Format(value, text.data());
    Check(end >= text.data() && end <= text.data() + text.size());
    text.resize(static_cast<std::size_t>(end - text.data()));
    if (compiled->TakesInteger())
        Check(text == FormatPrintf(format, small));
    else
        Check(text == FormatPrintf(format, value));

    char conversion = 0;
    if (std::strlen(format.c_str()) == format.size() && IsPlain(format, conversion)) {
        const bool unsignedConversion = conversion == 'u';
        std::string ours = text;
        if (unsignedConversion) {
            std::string again(compiled->MaxLength(), '\0');
            again.resize(static_cast<std::size_t>(
                compiled->FormatInteger(integer & 0x7FFFFFFF, again.data()) - again.data()));
            ours = again;
        }
        const std::string libc = LibcFormat(format, conversion, value, integer);
        Check(ours == libc || test::IsGlibcAlternateCarry(format, ours, libc));
    }
    return 0;
}
