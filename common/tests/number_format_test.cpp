// The compiled number format against the C library's printf in the C locale.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "common/printf_format.h"
#include "glibc_alternate_carry.h"
#include "scoped_german_locale.h"

namespace grafyon {
namespace {

std::string CPrintf(const std::string& format, double value) {
    std::string text(FORMAT_MAX_CONVERSION + 64, '\0');
    const int length = std::snprintf(text.data(), text.size(), format.c_str(), value);
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

std::string Apply(const NumberFormat& format, double value) {
    std::string text(format.MaxLength(), '\0');
    text.resize(static_cast<std::size_t>(format.Format(value, text.data()) - text.data()));
    return text;
}

// Compares every format with every value; returns the number of comparisons.
int ExpectSameAsC(const std::vector<std::string>& formats, const std::vector<double>& values) {
    int compared = 0;
    for (const std::string& text : formats) {
        const std::optional<NumberFormat> format = NumberFormat::Compile(text);
        EXPECT_TRUE(format.has_value()) << text;
        if (!format)
            continue;
        int failures = 0;
        for (const double value : values) {
            const std::string ours = Apply(*format, value);
            const std::string expected = CPrintf(text, value);
            ++compared;
            if (ours == expected || test::IsGlibcAlternateCarry(text, ours, expected))
                continue;
            ADD_FAILURE() << text << " of " << std::hexfloat << value << ": \"" << ours
                          << "\", C gives \"" << expected << "\"";
            if (++failures == 5)
                break;
        }
    }
    return compared;
}

double FromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

std::vector<double> EdgeValues() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values = {0.0, -0.0, nan, -nan, inf, -inf, DBL_MAX, -DBL_MAX};
    // Subnormals and the smallest normal, ties of few digits, carries into a new digit.
    values.insert(values.end(), {DBL_MIN, 5e-324, -5e-324, 1e300, 1e-300, 0.5, 1.5, 2.5, -2.5});
    values.insert(values.end(), {0.125, 0.375, 0.05, 0.0005, 9.5, 99.5, 999999.5, 9.9999995});
    values.insert(values.end(), {0.00009999995, 1e-5, 1e-4, 0.1, 1e15, 1e16, 1e17, 1e22, 1e23});
    values.insert(values.end(), {123456789012345678.0, 4503599627370495.5});
    // Powers of ten and their neighbours, where the first digit changes.
    for (int exponent = -320; exponent <= 308; exponent += 7) {
        const double power = std::pow(10.0, exponent);
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, inf));
    }
    // Exact ties: odd multiples of a power of two below one unit of the last place shown.
    for (int shift = 1; shift <= 12; ++shift) {
        for (int odd = 1; odd < 200; odd += 14)
            values.push_back(std::ldexp(odd, -shift));
    }
    // Integers that end in 5, a tie for "%.Ne" one digit short of them.
    for (long long tie = 15; tie < (1LL << 53); tie = tie * 10 + 5)
        values.push_back(static_cast<double>(tie));
    return values;
}

TEST(NumberFormat, MatchesTheCLibraryOnRandomAndEdgeValues) {
    std::mt19937_64 random(20240601);
    std::vector<double> bits;
    std::vector<double> ordinary;
    std::vector<double> decimal;
    for (int i = 0; i < 5000; ++i) {
        bits.push_back(FromBits(random()));
        ordinary.push_back(std::uniform_real_distribution<double>(-1000, 1000)(random));
        // Short decimals times powers of ten: round trips with few digits, and exact values.
        const double mantissa = static_cast<double>(random() % 100000);
        decimal.push_back(mantissa * std::pow(10.0, static_cast<int>(random() % 50) - 30));
    }
    const std::vector<std::string> formats = {"%12.3f",   "%.6g",   "%15.6g", "%e",     "%.0f",
                                              "%.2f",     "%.17g",  "%.15g",  "%+.10E", "%G",
                                              "%.0e",     "%.17e",  "%.25e",  "%.30f",  "%#.3g",
                                              "%-10.1f|", "%08.2e", "%.18g",  "%.19g",  "%.1f"};
    int compared = ExpectSameAsC(formats, bits);
    compared += ExpectSameAsC(formats, ordinary);
    compared += ExpectSameAsC(formats, decimal);
    compared += ExpectSameAsC(formats, EdgeValues());
    compared += ExpectSameAsC({"%.24f", "%.60e", "%.400f", "%.4096e"}, {1e300, -1e-300, 0.1});
    EXPECT_GT(compared, 250000);
}

TEST(NumberFormat, MatchesTheCLibraryForEveryFlagWidthAndPrecision) {
    std::vector<std::string> formats;
    const char flags[] = "-+ #0";
    for (int set = 0; set < 32; ++set) {
        std::string flagText;
        for (int flag = 0; flag < 5; ++flag) {
            if ((set >> flag) & 1)
                flagText.push_back(flags[flag]);
        }
        for (const char* width : {"", "1", "8", "25"}) {
            for (const char* precision : {"", ".0", ".1", ".3", ".17"}) {
                for (const char conversion : std::string("fFeEgG"))
                    formats.push_back("%" + flagText + width + precision + conversion);
            }
        }
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> values = {0.0,     -0.0, 1.5,  -2.5, 0.000123456, 123456789.0,
                                        -1e-300, nan,  -nan, -inf, 9.9999995,   999999.5};
    ExpectSameAsC(formats, values);
}

TEST(NumberFormat, IntegersMatchTheCLibrary) {
    for (const std::string text : {"%d", "%5i", "%-+6d|", "%05u", "%.3d", "% d", "%+.0d", "%lld"}) {
        const std::optional<NumberFormat> format = NumberFormat::Compile(text);
        ASSERT_TRUE(format.has_value()) << text;
        EXPECT_TRUE(format->TakesInteger());
        std::string wide = text;  // the C library reads a long long with "ll"
        if (wide.find("ll") == std::string::npos)
            wide.insert(wide.find_first_of("diu"), "ll");
        for (const long long value : {0LL, 7LL, -42LL, 2147483647LL, -2147483648LL,
                                      std::numeric_limits<long long>::min()}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, wide.c_str(), value);
            std::vector<char> ours(format->MaxLength());
            EXPECT_EQ(std::string(ours.data(), format->FormatInteger(value, ours.data())), expected)
                << text << " " << value;
        }
    }
}

TEST(NumberFormat, CompilesTextAroundExactlyOneConversion) {
    const std::optional<NumberFormat> labelled = NumberFormat::Compile("x=%8.3f %% ;");
    ASSERT_TRUE(labelled.has_value());
    EXPECT_FALSE(labelled->TakesInteger());
    std::string out = "[";
    labelled->Append(out, 1.5);
    labelled->Append(out, -0.0);
    EXPECT_EQ(out, "[x=   1.500 % ;x=  -0.000 % ;");
    EXPECT_TRUE(NumberFormat::Compile("%lf").has_value());
    EXPECT_TRUE(NumberFormat::Compile("%Lg").has_value());
    for (const char* refused : {"", "text", "%%", "%f%f", "%*f", "%.*f", "%s", "%c", "%x", "%n",
                                "%", "%5", "%.3", "%y"}) {
        EXPECT_FALSE(NumberFormat::Compile(refused).has_value()) << refused;
    }
    // Hostile widths and precisions are bounded, and the text never exceeds MaxLength.
    const std::optional<NumberFormat> wide = NumberFormat::Compile("%999999999.999999999f");
    ASSERT_TRUE(wide.has_value());
    const std::string text = Apply(*wide, -DBL_MAX);
    EXPECT_EQ(text.size(), 1u + 309u + 1u + 4096u);
    EXPECT_LE(text.size(), wide->MaxLength());
    EXPECT_EQ(text, CPrintf("%.4096f", -DBL_MAX));
    // A value of the other kind shows as FormatPrintf shows it.
    const std::optional<NumberFormat> integer = NumberFormat::Compile("<%5d>");
    EXPECT_EQ(Apply(*integer, 2.5), FormatPrintf("<%5d>", 2.5));
    std::vector<char> buffer(labelled->MaxLength());
    EXPECT_EQ(std::string(buffer.data(), labelled->FormatInteger(3, buffer.data())),
              "x=   3.000 % ;");
}

TEST(NumberFormat, CheckedFormatTakesOneSmallFloatingConversion) {
    EXPECT_EQ(FormatDoubleChecked("%5.1f%%", 1.25), "  1.2%");
    EXPECT_EQ(FormatDoubleChecked("v %#.0e", 250.0), "v 2.e+02");
    for (const char* refused : {"", "%d", "%lf", "%123f", "%1.123f", "%f%f", "%s", "%", "%f%"}) {
        EXPECT_FALSE(FormatDoubleChecked(refused, 1.0).has_value()) << refused;
    }
}

TEST(NumberFormat, IgnoresAGermanLocale) {
    test::ScopedGermanLocale german;
    if (!german.Active())
        GTEST_SKIP() << "no German locale on this machine";
    const std::optional<NumberFormat> format = NumberFormat::Compile("%.3f;%%");
    EXPECT_EQ(Apply(*format, 1.5), "1.500;%");
    EXPECT_EQ(FormatPrintf("%g|%e|%.2f", 1.5, -2.25, 1e6), "1.5|-2.250000e+00|1000000.00");
    EXPECT_EQ(FormatDoubleChecked("%G", 0.5), "0.5");
}

}  // namespace
}  // namespace grafyon
