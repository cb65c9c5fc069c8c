// The view history: snapshots of the window and the display ranges, undo and redo.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "viewer/view/model/zoom_history.h"
#include "viewer/view/test_support/test_scene.h"

namespace grafyon {
namespace {

using test::Scene;
using Window = std::pair<std::int64_t, std::int64_t>;

// A window change with its snapshot, as the navigation commands make them; false when the
// history kept the snapshot out as equal to its current entry.
bool Move(Scene& s, std::int64_t first, std::int64_t last) {
    s.Show(first, last);
    return s.history.Take(s.layout);
}

// Halves the window around its middle.
bool Narrow(Scene& s) {
    const auto [first, last] = s.Window();
    const std::int64_t quarter = (last - first) / 4;
    return Move(s, first + quarter, last - quarter);
}

TEST(History, TwelveZoomsThenTwelveUndosStopAtTheOldestKeptSnapshot) {
    Scene s(1000000, 1, 1000000);
    std::vector<Window> windows{s.Window()};
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(Narrow(s)) << i;
        windows.push_back(s.Window());
    }
    EXPECT_EQ(s.history.Count(), ZOOM_HISTORY_MAX_COUNT);
    EXPECT_EQ(s.history.Index(), 10);
    int undone = 0;
    for (int i = 0; i < 12; ++i) {
        if (s.history.Undo(s.layout) != 0)
            ++undone;
    }
    EXPECT_EQ(undone, 10);
    EXPECT_EQ(s.history.Index(), 0);
    EXPECT_FALSE(s.history.CanUndo());
    // The first view and the first zoom fell out of the history.
    EXPECT_EQ(s.Window(), windows[2]);
    EXPECT_EQ(s.history.Redo(s.layout), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), windows[3]);
}

TEST(History, AZoomAfterTwoUndosDiscardsTheRedoEntries) {
    Scene s(10000, 1, 10000);
    Narrow(s);
    Narrow(s);
    Narrow(s);
    ASSERT_EQ(s.history.Count(), 4);
    s.history.Undo(s.layout);
    s.history.Undo(s.layout);
    EXPECT_TRUE(s.history.CanRedo());
    const Window afterUndo = s.Window();
    EXPECT_TRUE(Move(s, 0, 9999));
    EXPECT_EQ(s.history.Count(), 3);
    EXPECT_EQ(s.history.Index(), 2);
    EXPECT_FALSE(s.history.CanRedo());
    EXPECT_EQ(s.history.Redo(s.layout), 0);
    EXPECT_NE(s.Window(), afterUndo);
}

TEST(History, ASnapshotEqualToTheCurrentEntryKeepsTheRedoEntries) {
    Scene s(1000, 1, 100);
    s.layout.cursorOn = true;
    ASSERT_TRUE(Move(s, 100, 199));
    s.history.Undo(s.layout);
    ASSERT_TRUE(s.history.CanRedo());
    s.Place();
    // A cursor move changes no window and no range: the redo entry survives.
    s.layout.cursorSample = 10;
    EXPECT_FALSE(s.history.Take(s.layout));
    EXPECT_TRUE(s.history.CanRedo());
    EXPECT_EQ(s.history.Redo(s.layout), HINT_VISIBLE_RANGE);
    EXPECT_EQ(s.Window(), Window(100, 199));
    EXPECT_FALSE(s.history.Take(s.layout));
}

TEST(History, UndoRestoresDisplayRangesWithARedraw) {
    Scene s(1000, 2, 100);
    Dataset& d = *s.list[0];
    const double minimum = d.display.displayMinimum;
    const double maximum = d.display.displayMaximum;
    ASSERT_TRUE(d.display.SetDisplayRange(minimum + 1, maximum + 1));
    ASSERT_TRUE(s.history.Take(s.layout));
    EXPECT_EQ(s.history.Undo(s.layout), HINT_REDRAW);
    EXPECT_EQ(d.display.displayMinimum, minimum);
    EXPECT_EQ(d.display.displayMaximum, maximum);
    EXPECT_TRUE(d.display.pointsDirty);
    EXPECT_EQ(s.history.Redo(s.layout), HINT_REDRAW);
    EXPECT_EQ(d.display.displayMinimum, minimum + 1);

    // A dataset no longer at its place is left alone.
    ZoomSnapshot snapshot = CZoomHistory::Capture(s.layout);
    snapshot.ranges[0].minimum = -500;
    snapshot.ranges[0].dataset = s.list[1];
    EXPECT_EQ(CZoomHistory::Apply(snapshot, s.layout), 0);
    EXPECT_EQ(d.display.displayMinimum, minimum + 1);
    snapshot.ranges[0].position = 99;
    EXPECT_EQ(CZoomHistory::Apply(snapshot, s.layout), 0);
}

TEST(History, ClearEmptiesTheHistory) {
    Scene s(1000, 1, 100);
    Move(s, 100, 199);
    s.history.Clear();
    EXPECT_EQ(s.history.Index(), -1);
    EXPECT_EQ(s.history.Count(), 0);
    EXPECT_EQ(s.history.Undo(s.layout), 0);
    EXPECT_EQ(s.history.Redo(s.layout), 0);
    EXPECT_TRUE(s.history.Take(s.layout));
    EXPECT_EQ(s.history.Index(), 0);
}

}  // namespace
}  // namespace grafyon
