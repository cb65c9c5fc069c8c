// The stored window placement: its text, the minimised rule and the screen test.
#include <gtest/gtest.h>

#include "test_support.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/window_placement.h"

namespace grafyon {
namespace {

WindowPlacement Normal(int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.normal = {left, top, right, bottom};
    return p;
}

TEST(WindowPlacement, FormatAndParse) {
    WindowPlacement p = Normal(10, 20, 810, 620);
    EXPECT_EQ(FormatWindowPlacement(p), "0,1,-1,-1,-1,-1,10,20,810,620");
    p.flags = 2;
    p.showCommand = PLACEMENT_SHOW_MAXIMIZED;
    p.minimizedX = -32000;
    p.maximizedY = 4;
    p.normal = {-2147483647 - 1, -5, 2147483647, 0};
    const std::string text = FormatWindowPlacement(p);
    EXPECT_EQ(text, "2,3,-32000,-1,-1,4,-2147483648,-5,2147483647,0");
    EXPECT_EQ(ParseWindowPlacement(text), p);
    EXPECT_EQ(ParseWindowPlacement("4294967295,1,0,0,0,0,0,0,1,1")->flags, 4294967295u);

    // Blanks before numbers and text after the tenth are accepted, like the C scanner does;
    // a comma list written by another tool reads back with ", " between the numbers.
    EXPECT_EQ(ParseWindowPlacement("0, 1, -1, -1, -1, -1, 10, 20, 810, 620"),
              Normal(10, 20, 810, 620));
    EXPECT_EQ(ParseWindowPlacement("0,1,-1,-1,-1,-1,10,20,810,620,99 rest"),
              Normal(10, 20, 810, 620));
}

TEST(WindowPlacement, MalformedTextsAreRejected) {
    for (const char* bad :
         {"", "0,1,-1,-1,-1,-1,10,20,810", "0,1,-1,-1,-1,-1,10,20,810,",
          "0;1;-1;-1;-1;-1;10;20;810;620", "x,1,-1,-1,-1,-1,10,20,810,620",
          "0 ,1,-1,-1,-1,-1,10,20,810,620", "-1,1,-1,-1,-1,-1,10,20,810,620",
          "4294967296,1,-1,-1,-1,-1,10,20,810,620", "0,1,-1,-1,-1,-1,2147483648,20,810,620",
          "0,1,-1,-1,-1,-1,10,20,810,--620"}) {
        EXPECT_FALSE(ParseWindowPlacement(bad).has_value()) << bad;
    }
}

TEST(WindowPlacement, MinimisedIsStoredAsNormal) {
    for (unsigned minimized : {2u, 6u, 7u, 11u}) {
        WindowPlacement p = Normal(0, 0, 10, 10);
        p.showCommand = minimized;
        EXPECT_TRUE(IsMinimizedShowCommand(minimized));
        EXPECT_EQ(PlacementForStorage(p).showCommand, PLACEMENT_SHOW_NORMAL);
    }
    WindowPlacement maximized = Normal(0, 0, 10, 10);
    maximized.showCommand = PLACEMENT_SHOW_MAXIMIZED;
    EXPECT_EQ(PlacementForStorage(maximized), maximized);
    EXPECT_FALSE(IsMinimizedShowCommand(PLACEMENT_SHOW_NORMAL));
}

TEST(WindowPlacement, AppliedOnlyOnAConnectedScreen) {
    const std::vector<PlacementRect> one = {{0, 0, 1920, 1080}};
    EXPECT_TRUE(PlacementIsOnScreen(Normal(100, 100, 900, 700), one));
    EXPECT_TRUE(PlacementIsOnScreen(Normal(0, 0, 1920, 1080), one));
    // The second monitor it was closed on is gone.
    EXPECT_FALSE(PlacementIsOnScreen(Normal(2000, 100, 2800, 700), one));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(-900, 100, -100, 700), one));
    // Overlapping by a sliver cannot be grabbed; by PLACEMENT_MIN_VISIBLE pixels it can.
    EXPECT_FALSE(PlacementIsOnScreen(Normal(1910, 100, 2710, 700), one));
    EXPECT_TRUE(PlacementIsOnScreen(Normal(1920 - PLACEMENT_MIN_VISIBLE, 100, 2500, 700), one));
    EXPECT_FALSE(
        PlacementIsOnScreen(Normal(100, 1080 - PLACEMENT_MIN_VISIBLE + 1, 900, 1600), one));
    // A window smaller than the minimum only has to be on the screen entirely.
    EXPECT_TRUE(PlacementIsOnScreen(Normal(1900, 1060, 1920, 1080), one));
    // Empty, inverted and giant rectangles come from damaged files.
    EXPECT_FALSE(PlacementIsOnScreen(Normal(100, 100, 100, 700), one));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(900, 700, 100, 100), one));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(-2147483647 - 1, 0, 2147483647, 700), one));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(0, 0, 1921, 1080), one));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(100, 100, 900, 700), {}));

    // Two screens, the second left of the first: windows on either, or across both, count.
    const std::vector<PlacementRect> two = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    EXPECT_TRUE(PlacementIsOnScreen(Normal(-1000, 100, -200, 700), two));
    EXPECT_TRUE(PlacementIsOnScreen(Normal(-400, 100, 400, 700), two));
    EXPECT_TRUE(PlacementIsOnScreen(Normal(-1280, 0, 1920, 1080), two));
    EXPECT_FALSE(PlacementIsOnScreen(Normal(-1000, 1030, -200, 1500), two));
}

TEST(WindowPlacement, StoredInTheSettingsFile) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    EXPECT_FALSE(ReadWindowPlacement(*file).has_value());

    WindowPlacement p = Normal(10, 20, 810, 620);
    p.showCommand = PLACEMENT_SHOW_MINIMIZED;
    ASSERT_TRUE(WriteWindowPlacement(*file, p));
    EXPECT_EQ(file->ReadString("Settings", "App Window Position").value_or(""),
              "0,1,-1,-1,-1,-1,10,20,810,620");
    EXPECT_EQ(ReadWindowPlacement(*file), Normal(10, 20, 810, 620));

    p.showCommand = PLACEMENT_SHOW_MAXIMIZED;
    ASSERT_TRUE(WriteWindowPlacement(*file, p));
    EXPECT_EQ(ReadWindowPlacement(*file), p);

    ASSERT_TRUE(file->WriteString("Settings", "App Window Position", "0,1,2,3"));
    EXPECT_FALSE(ReadWindowPlacement(*file).has_value());
}

}  // namespace
}  // namespace grafyon
