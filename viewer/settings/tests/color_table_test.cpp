// The curve color table: defaults, storage in "Colors", limits and the active palette.
#include <gtest/gtest.h>

#include "test_support.h"
#include "viewer/settings/active_palette.h"
#include "viewer/settings/curve_colors.h"
#include "viewer/settings/settings_values.h"

namespace grafyon {
namespace {

TEST(ColorTable, BuiltInListsAreBlueGreenRedValues) {
    EXPECT_EQ(MakeColorRef(255, 128, 0), 0x000080FFu);
    EXPECT_EQ(RedOf(0x00336699u), 0x99);
    EXPECT_EQ(GreenOf(0x00336699u), 0x66);
    EXPECT_EQ(BlueOf(0x00336699u), 0x33);

    const ColorList& d = DefaultCurveColors();
    ASSERT_EQ(d.size(), 20u);
    EXPECT_EQ(d[0], (ColorEntry{0x00FF0000u, "Blau"}));
    EXPECT_EQ(d[1], (ColorEntry{0x000000FFu, "Rot"}));
    EXPECT_EQ(d[5], (ColorEntry{0x000080FFu, "Orange"}));
    EXPECT_EQ(d[7], (ColorEntry{0x00FF8000u, "Stahlblau"}));
    EXPECT_EQ(d[8], (ColorEntry{0x008000FFu, "Lila"}));
    EXPECT_EQ(d[16], (ColorEntry{0x00000000u, "Schwarz"}));
    EXPECT_EQ(d[17], (ColorEntry{0x0000FF80u, "Gelbgruen"}));
    EXPECT_EQ(d[19], (ColorEntry{0x0080FF00u, "Pastelgruen"}));

    const ColorList& p = StandardPalette();
    ASSERT_EQ(p.size(), 16u);
    EXPECT_EQ(p[0], (ColorEntry{0x00000000u, "Schwarz"}));
    EXPECT_EQ(p[2], (ColorEntry{0x00C0C0C0u, "Hellgrau"}));
    EXPECT_EQ(p[3], (ColorEntry{0x00FFFFFFu, "Wei\xC3\x9F"}));
    EXPECT_EQ(p[5], (ColorEntry{0x00808000u, "Blaugr\xC3\xBCn"}));
    EXPECT_EQ(p[13], (ColorEntry{0x00008000u, "Dunkelgr\xC3\xBCn"}));
    EXPECT_EQ(p[15], (ColorEntry{0x0000FFFFu, "Gelb"}));
}

TEST(CurveColors, EmptyFileGivesTheDefaultsAndTheyRepeat) {
    test::ScopedConfigDirs dirs;
    CurveColors colors;
    colors.Read();
    EXPECT_EQ(colors.Entries(), DefaultCurveColors());
    // The 21st dataset gets "Blau" again.
    EXPECT_EQ(colors.EntryForDataset(20).name, "Blau");
    EXPECT_EQ(colors.ForDataset(21), colors.ForDataset(1));
}

TEST(CurveColors, StoredTableWithMissingEntries) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteInt("Colors", "Number of curve colors", 3));
    ASSERT_TRUE(file->WriteInt("Colors", "CurveColor00 Color", 0x112233));
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor00 Name", "Eins"));
    ASSERT_TRUE(file->WriteInt("Colors", "CurveColor01 Color", 0x445566));
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor01 Name", "Zwei"));
    ASSERT_TRUE(file->WriteInt("Colors", "CurveColor02 Color", 0x778899));
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor02 Name", "Drei"));
    // More stored entries than the count are not read.
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor03 Name", "Vier"));

    CurveColors colors;
    colors.Read(*file);
    ASSERT_EQ(colors.Size(), 3u);
    EXPECT_EQ(colors.Entries()[2], (ColorEntry{0x778899u, "Drei"}));
    // Dataset 4 gets entry 1.
    EXPECT_EQ(colors.EntryForDataset(4), (ColorEntry{0x445566u, "Zwei"}));

    // A missing entry reads as black without a name; so does a color that is no 32-bit value.
    ASSERT_TRUE(file->Remove("Colors", "CurveColor01 Color"));
    ASSERT_TRUE(file->Remove("Colors", "CurveColor01 Name"));
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor02 Color", "99999999999"));
    colors.Read(*file);
    ASSERT_EQ(colors.Size(), 3u);
    EXPECT_EQ(colors.Entries()[1], (ColorEntry{0u, ""}));
    EXPECT_EQ(colors.Entries()[2], (ColorEntry{0u, "Drei"}));
}

TEST(CurveColors, CountLimits) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    CurveColors colors;
    for (const char* none : {"0", "-5", "-99999999999", "many"}) {
        ASSERT_TRUE(file->WriteString("Colors", "Number of curve colors", none));
        colors.Read(*file);
        EXPECT_EQ(colors.Entries(), DefaultCurveColors()) << none;
    }
    ASSERT_TRUE(file->WriteString("Colors", "Number of curve colors", "5000"));
    ASSERT_TRUE(file->WriteInt("Colors", "CurveColor1023 Color", 0x0000FF));
    ASSERT_TRUE(file->WriteString("Colors", "CurveColor1023 Name", "Letzte"));
    colors.Read(*file);
    ASSERT_EQ(colors.Size(), static_cast<std::size_t>(CURVE_COLORS_MAX));
    EXPECT_EQ(colors.Entries()[1023], (ColorEntry{0x0000FFu, "Letzte"}));
    EXPECT_EQ(colors.Entries()[1022], (ColorEntry{0u, ""}));
}

TEST(CurveColors, WriteThenReadBack) {
    test::ScopedConfigDirs dirs;
    ColorList table;
    for (int i = 0; i < 12; ++i) {
        table.push_back({MakeColorRef(i * 20, 255 - i, i), "Farbe " + std::to_string(i)});
    }
    table[3].name = "Gr\xC3\xBCn, hell; \"neu\"";
    table[4].color = COLOR_TRANSPARENT;
    table[5].name.clear();
    {
        auto file = OpenViewerSettingsFile();
        ASSERT_TRUE(CurveColors::WriteTable(*file, table));
        EXPECT_EQ(file->ReadString("Colors", "Number of curve colors").value_or(""), "12");
        EXPECT_EQ(file->ReadString("Colors", "CurveColor07 Name").value_or(""), "Farbe 7");
        EXPECT_EQ(file->ReadInt("Colors", "CurveColor07 Color").value_or(0),
                  MakeColorRef(140, 248, 7));
        EXPECT_EQ(file->ReadString("Colors", "CurveColor11 Color").value_or(""),
                  std::to_string(MakeColorRef(220, 244, 11)));
        EXPECT_EQ(file->ReadString("Colors", "CurveColor04 Color").value_or(""), "-1");
    }
    CurveColors colors;
    colors.Read();
    EXPECT_EQ(colors.Entries(), table);
    ASSERT_TRUE(colors.Write());
    CurveColors again;
    again.Read();
    EXPECT_EQ(again.Entries(), table);
}

TEST(ActivePalette, FollowsTheReadTableAndFallsBack) {
    test::ScopedConfigDirs dirs;
    EXPECT_EQ(ActivePalette(), StandardPalette());
    {
        auto file = OpenViewerSettingsFile();
        ASSERT_TRUE(file->WriteInt("Colors", "Number of curve colors", 1));
        ASSERT_TRUE(file->WriteInt("Colors", "CurveColor00 Color", 0x0000FF));
        ASSERT_TRUE(file->WriteString("Colors", "CurveColor00 Name", "Rot"));
        CurveColors colors;
        EXPECT_EQ(ActivePalette(), StandardPalette());  // not before it is read
        colors.Read(*file);
        EXPECT_EQ(&ActivePalette(), &colors.Entries());
        colors.Clear();
        EXPECT_EQ(ActivePalette(), StandardPalette());
        colors.Read(*file);
        EXPECT_EQ(ActivePalette(), (ColorList{{0x0000FFu, "Rot"}}));
    }
    // The table is gone: no reference to it remains.
    EXPECT_EQ(&ActivePalette(), &StandardPalette());

    const ColorList mine = {{1u, "a"}, {2u, "b"}};
    SetActivePalette(&mine);
    EXPECT_TRUE(IsActivePalette(&mine));
    EXPECT_EQ(&ActivePalette(), &mine);
    SetActivePalette(nullptr);
    EXPECT_FALSE(IsActivePalette(&mine));
    EXPECT_EQ(&ActivePalette(), &StandardPalette());
}

}  // namespace
}  // namespace grafyon
