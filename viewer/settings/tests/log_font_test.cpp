// The font record stored field by field: names, round trip, face-name rules, byte fields.
#include <gtest/gtest.h>

#include "test_support.h"
#include "viewer/settings/log_font.h"
#include "viewer/settings/settings_values.h"

namespace grafyon {
namespace {

LogFont Sample() {
    LogFont f;
    f.height = -17;
    f.width = 3;
    f.escapement = 900;
    f.orientation = 450;
    f.weight = FONT_WEIGHT_BOLD;
    f.italic = 1;
    f.underline = 1;
    f.strikeOut = 0;
    f.charSet = 238;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = FONT_QUALITY_ANTIALIASED;
    f.pitchAndFamily = FONT_FAMILY_SWISS | FONT_PITCH_VARIABLE;
    f.faceName = "DejaVu Sans";
    return f;
}

TEST(LogFont, WrittenFieldByFieldAndReadBack) {
    test::ScopedConfigDirs dirs;
    ASSERT_TRUE(WriteSystemFont(Sample()));
    auto file = OpenViewerSettingsFile();
    std::vector<std::string> names = file->ValueNames("Settings");
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {"SysFont CharSet",       "SysFont Clip Precision",
                                               "SysFont Escapement",    "SysFont Height",
                                               "SysFont Italic",        "SysFont Orientation",
                                               "SysFont Out Precision", "SysFont Pitch And Family",
                                               "SysFont Quality",       "SysFont StrikeOut",
                                               "SysFont SystemFont",    "SysFont Underline",
                                               "SysFont Weight",        "SysFont Width"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(file->ReadString("Settings", "SysFont SystemFont").value_or(""), "DejaVu Sans");
    EXPECT_EQ(file->ReadString("Settings", "SysFont Height").value_or(""), "-17");
    EXPECT_EQ(file->ReadString("Settings", "SysFont Pitch And Family").value_or(""), "34");

    LogFont read;
    ASSERT_TRUE(ReadSystemFont(read));
    EXPECT_EQ(read, Sample());
}

TEST(LogFont, PrefixWithATrailingSpaceOrNone) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(WriteFont(*file, Sample(), "Other", "Label "));
    EXPECT_EQ(file->ReadString("Other", "Label Height").value_or(""), "-17");
    EXPECT_FALSE(file->ReadString("Other", "Label  Height").has_value());
    ASSERT_TRUE(WriteFont(*file, Sample(), "Bare", ""));
    EXPECT_EQ(file->ReadString("Bare", "SystemFont").value_or(""), "DejaVu Sans");
    LogFont read;
    ASSERT_TRUE(ReadFont(*file, read, "Other", "Label"));
    EXPECT_EQ(read, Sample());
}

TEST(LogFont, FaceNameDecidesWhetherAnythingIsRead) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteInt("Settings", "SysFont Height", -30));
    LogFont font = Sample();

    // Missing, empty, or longer than 31 characters: nothing is taken.
    EXPECT_FALSE(ReadSystemFont(font));
    ASSERT_TRUE(file->WriteString("Settings", "SysFont SystemFont", ""));
    EXPECT_FALSE(ReadSystemFont(font));
    ASSERT_TRUE(file->WriteString("Settings", "SysFont SystemFont", std::string(32, 'x')));
    EXPECT_FALSE(ReadSystemFont(font));
    EXPECT_EQ(font, Sample());

    // 31 characters are fine, counted as characters, not bytes.
    std::string umlauts;
    for (int i = 0; i < 31; ++i)
        umlauts += "\xC3\xBC";
    EXPECT_TRUE(IsAcceptableFaceName(umlauts));
    EXPECT_FALSE(IsAcceptableFaceName(umlauts + "x"));
    ASSERT_TRUE(file->WriteString("Settings", "SysFont SystemFont", umlauts));
    ASSERT_TRUE(ReadSystemFont(font));
    EXPECT_EQ(font.faceName, umlauts);
    EXPECT_EQ(font.height, -30);
    // Fields that are not stored keep the record's values.
    EXPECT_EQ(font.weight, FONT_WEIGHT_BOLD);
    EXPECT_EQ(font.charSet, 238);
}

TEST(LogFont, ByteFieldsStayInTheirRange) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteString("Settings", "SysFont SystemFont", "Sans"));
    ASSERT_TRUE(file->WriteInt("Settings", "SysFont Italic", 300));
    ASSERT_TRUE(file->WriteInt("Settings", "SysFont CharSet", -4));
    ASSERT_TRUE(file->WriteString("Settings", "SysFont Height", "-99999999999"));
    LogFont font;
    ASSERT_TRUE(ReadSystemFont(font));
    EXPECT_EQ(font.italic, 255);
    EXPECT_EQ(font.charSet, 0);
    EXPECT_EQ(font.height, INT32_MIN);
}

}  // namespace
}  // namespace grafyon
