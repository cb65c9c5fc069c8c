// The locale-free printf gives the C library's bytes in the C locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "common/printf_format.h"

namespace grafyon {
namespace {

template <class... Args>
std::string CPrintf(const char* format, Args... args) {
    char text[8192];
    const int length = std::snprintf(text, sizeof text, format, args...);
    return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

TEST(PrintfFormat, IntegersMatchTheCLibrary) {
    const char* formats[] = {"%d", "%5d", "%-5d|", "%05d", "%+d", "% d", "%.3d",   "%8.3d", "%i",
                             "%x", "%X",  "%#x",   "%#o",  "%o",  "%u",  "%-+6d|", "%.0d|"};
    const long long values[] = {0, 1, -1, 42, -42, 123456789, -2147483648LL, 2147483647};
    for (const char* format : formats) {
        for (long long value : values) {
            const bool isUnsigned = std::string(format).find_first_of("xXou") != std::string::npos;
            const std::string expected = isUnsigned ? CPrintf(format, static_cast<unsigned>(value))
                                                    : CPrintf(format, static_cast<int>(value));
            const std::string actual = isUnsigned
                                           ? FormatPrintf(format, static_cast<unsigned>(value))
                                           : FormatPrintf(format, static_cast<int>(value));
            EXPECT_EQ(actual, expected) << format << " " << value;
        }
    }
    EXPECT_EQ(FormatPrintf("%lld", std::numeric_limits<long long>::min()),
              CPrintf("%lld", std::numeric_limits<long long>::min()));
    EXPECT_EQ(FormatPrintf("%llu", std::numeric_limits<unsigned long long>::max()),
              CPrintf("%llu", std::numeric_limits<unsigned long long>::max()));
}

TEST(PrintfFormat, FloatsMatchTheCLibrary) {
    const char* formats[] = {"%g",    "%f",      "%e",       "%E",    "%G",      "%.3g", "%.0f",
                             "%.10g", "%10.4f|", "%-10.2e|", "%+g",   "%012.3f", "%#g",  "%#.3g",
                             "%#.0f", "%.0e",    "%.15g",    "%.17g", "% f",     "%a",   "%.2a"};
    const double values[] = {0.0,     -0.0,    1.5,      -1.5,    10.0,   100000.0,
                             1e6,     1e-5,    0.0001,   123.456, 1e300,  -2.5e-300,
                             1.0 / 3, 2.0 / 3, 999999.5, 0.5,     9.9999, 1e15 + 0.3};
    for (const char* format : formats) {
        for (double value : values) {
            // glibc drops the zeros of "%#g" when rounding carries into a new digit
            // ("1.e+06"); the standard's form is checked below instead.
            if (value == 999999.5 && std::string(format).find('#') != std::string::npos)
                continue;
            EXPECT_EQ(FormatPrintf(format, value), CPrintf(format, value))
                << format << " " << value;
        }
    }
    EXPECT_EQ(FormatPrintf("%#g", 999999.5), "1.00000e+06");
    EXPECT_EQ(FormatPrintf("%#.3g", 999999.5), "1.00e+06");
    const double nonFinite[] = {std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
    for (const char* format : {"%g", "%f", "%E", "%8g|", "%-8f|", "%08g"}) {
        for (double value : nonFinite) {
            EXPECT_EQ(FormatPrintf(format, value), CPrintf(format, value)) << format;
        }
    }
    EXPECT_EQ(FormatPrintf("%g", 1.5f), "1.5");
}

TEST(PrintfFormat, HexadecimalFloatsPadAfterThePrefixAndKeepTheirPointWithHash) {
    for (const char* format : {"%012a", "%-12a|", "%#.0a", "%#.0A", "%+.2A"}) {
        for (double value : {1.5, -0.1, 0.0, 1e300, 5e-324}) {
            EXPECT_EQ(FormatPrintf(format, value), CPrintf(format, value))
                << format << " " << value;
        }
    }
}

TEST(PrintfFormat, StringsCharactersAndPercent) {
    EXPECT_EQ(FormatPrintf("%s: %s(%d): %s", "t", "a.cpp", 7, "msg"), "t: a.cpp(7): msg");
    EXPECT_EQ(FormatPrintf("[%10s][%-6s][%.2s]", "abc", "ab", "abcdef"),
              CPrintf("[%10s][%-6s][%.2s]", "abc", "ab", "abcdef"));
    EXPECT_EQ(FormatPrintf("%c%c", 'o', 'k'), "ok");
    EXPECT_EQ(FormatPrintf("100%% sure"), "100% sure");
    EXPECT_EQ(FormatPrintf("%s", std::string("owned")), "owned");
    EXPECT_EQ(FormatPrintf("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(FormatPrintf("%*d|%-*d|", 5, 42, 4, 7), CPrintf("%*d|%-*d|", 5, 42, 4, 7));
    EXPECT_EQ(FormatPrintf("%.*f", 2, 3.14159), "3.14");
    EXPECT_EQ(FormatPrintf("%*d|", -4, 1), "1   |");
}

TEST(PrintfFormat, OddFormatsAndArgumentsStayHarmless) {
    // A missing argument prints nothing, a surplus one is ignored.
    EXPECT_EQ(FormatPrintf("a%db"), "ab");
    EXPECT_EQ(FormatPrintf("x", 1, 2), "x");
    // An unfinished or unknown conversion is kept as written.
    EXPECT_EQ(FormatPrintf("50%"), "50%");
    EXPECT_EQ(FormatPrintf("%y!", 3), "%y!");
    // The kind of the argument wins over the conversion, so nothing is misread.
    EXPECT_EQ(FormatPrintf("%d", "text"), "text");
    EXPECT_EQ(FormatPrintf("%s", 12), "12");
    EXPECT_EQ(FormatPrintf("%d", 2.5), "2.5");
    EXPECT_EQ(FormatPrintf("%f", 3), "3.000000");
    // Width and precision are bounded.
    EXPECT_EQ(FormatPrintf("%99999999d", 1).size(), 4096u);
    EXPECT_EQ(FormatPrintf("%ld %lu %hd %zu", 1L, 2UL, short{3}, std::size_t{4}), "1 2 3 4");
    EXPECT_EQ(FormatPrintf("%d", true), "1");
    const void* null = nullptr;
    EXPECT_EQ(FormatPrintf("%p", null), CPrintf("%p", null));
    int object = 0;
    EXPECT_EQ(FormatPrintf("%p", &object), CPrintf("%p", static_cast<void*>(&object)));
}

}  // namespace
}  // namespace grafyon
