// Value names, doubles independent of the locale, and integer and Boolean values.
#include <gtest/gtest.h>

#include <climits>

#include "scoped_german_locale.h"
#include "test_support.h"
#include "viewer/settings/settings_values.h"

namespace grafyon {
namespace {

TEST(ValueName, JoinsWithOneSpace) {
    EXPECT_EQ(ValueName("SysFont", "Height"), "SysFont Height");
    EXPECT_EQ(ValueName("SysFont ", "Height"), "SysFont Height");
    EXPECT_EQ(ValueName("", "Height"), "Height");
    EXPECT_EQ(ValueName("CurveColor07", "Color"), "CurveColor07 Color");
    // Only one space is ever left out: a prefix with two keeps both.
    EXPECT_EQ(ValueName("A  ", "B"), "A  B");
}

TEST(FormatDouble, MatchesPercentGOfTheCLocale) {
    EXPECT_EQ(FormatDouble(10.0), "10");
    EXPECT_EQ(FormatDouble(10.5), "10.5");
    EXPECT_EQ(FormatDouble(0.1234567), "0.123457");
    EXPECT_EQ(FormatDouble(1234567.0), "1.23457e+06");
    EXPECT_EQ(FormatDouble(0.00001), "1e-05");
    EXPECT_EQ(FormatDouble(-2.5), "-2.5");
    EXPECT_EQ(FormatDouble(0.0), "0");
    for (double value : {3.14159265, 1e300, -7.25e-12, 100000.0, 999999.5}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", value);
        EXPECT_EQ(FormatDouble(value), expected) << value;
    }
}

TEST(ParseLeadingDouble, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("10.5"), 10.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("  \t10.5"), 10.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("-2.5e3"), -2500.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("1.23457e+06"), 1234570.0);
    // The rest after the number is ignored, as the C conversion does.
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("12s"), 12.0);
    // No number, or none that a double can hold finitely: 0.
    EXPECT_EQ(ParseLeadingDouble(""), 0.0);
    EXPECT_EQ(ParseLeadingDouble("abc"), 0.0);
    EXPECT_EQ(ParseLeadingDouble("--1"), 0.0);
    EXPECT_EQ(ParseLeadingDouble("-"), 0.0);
    EXPECT_EQ(ParseLeadingDouble("inf"), 0.0);
    EXPECT_EQ(ParseLeadingDouble("nan"), 0.0);
    EXPECT_EQ(ParseLeadingDouble("1e999"), 0.0);
}

TEST(ParseLeadingDouble, FormatAndParseIgnoreAGermanLocale) {
    test::ScopedGermanLocale german;
    // The locale is built when missing, so the decimal comma must be in force here.
    ASSERT_TRUE(german.Active());
    EXPECT_EQ(FormatDouble(10.5), "10.5");
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("10.5"), 10.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("10,5"), 10.0);
}

TEST(SettingsValues, ReadAndWriteThroughTheFile) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    EXPECT_EQ(file->Path(), dirs.UserDir() + "/Vantorelline/Grafyon.ini");

    EXPECT_DOUBLE_EQ(ReadDouble(*file, "Settings", "D", 7.5), 7.5);
    ASSERT_TRUE(WriteDouble(*file, "Settings", "D", 0.25));
    EXPECT_EQ(file->ReadString("Settings", "D").value_or(""), "0.25");
    EXPECT_DOUBLE_EQ(ReadDouble(*file, "Settings", "D", 7.5), 0.25);
    ASSERT_TRUE(file->WriteString("Settings", "D", "garbage"));
    EXPECT_EQ(ReadDouble(*file, "Settings", "D", 7.5), 0.0);

    EXPECT_EQ(ReadIntValue(*file, "Settings", "I", 42), 42);
    ASSERT_TRUE(file->WriteString("Settings", "I", "99999999999"));
    EXPECT_EQ(ReadIntValue(*file, "Settings", "I", 42), INT_MAX);
    ASSERT_TRUE(file->WriteString("Settings", "I", "-99999999999"));
    EXPECT_EQ(ReadIntValue(*file, "Settings", "I", 42), INT_MIN);
    EXPECT_EQ(ReadClampedInt(*file, "Settings", "I", 42, 1, 32), 1);
    ASSERT_TRUE(file->WriteString("Settings", "I", "7x"));
    EXPECT_EQ(ReadIntValue(*file, "Settings", "I", 42), 42);
    EXPECT_EQ(ReadClampedInt(*file, "Settings", "Missing", 42, 1, 32), 32);

    EXPECT_TRUE(ReadBoolValue(*file, "Settings", "B", true));
    ASSERT_TRUE(WriteBoolValue(*file, "Settings", "B", true));
    EXPECT_EQ(file->ReadString("Settings", "B").value_or(""), "1");
    ASSERT_TRUE(file->WriteString("Settings", "B", "0"));
    EXPECT_FALSE(ReadBoolValue(*file, "Settings", "B", true));
    ASSERT_TRUE(file->WriteString("Settings", "B", "-1"));
    EXPECT_FALSE(ReadBoolValue(*file, "Settings", "B", true));

    EXPECT_EQ(ReadStringValue(*file, "Settings", "S", "none"), "none");
}

}  // namespace
}  // namespace grafyon
