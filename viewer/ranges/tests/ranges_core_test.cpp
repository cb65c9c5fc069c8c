// The GUI-free part of the ranges: command enabling, the first border, typed positions and
// the changes the dialogs make to a list.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/ranges/first_range_border.h"
#include "viewer/ranges/range_commands.h"
#include "viewer/ranges/range_operations.h"
#include "viewer/ranges/range_position.h"

namespace grafyon {
namespace {

RangeCommandState Ready() {
    RangeCommandState state;
    state.datasetCount = 3;
    state.cursorMode = true;
    state.firstBorderSet = true;
    state.rangeCount = 2;
    return state;
}

std::vector<bool> Enabled(const RangeCommandState& state) {
    return {RangeCommandEnabled(RANGE_CMD_FIRST_BORDER, state),
            RangeCommandEnabled(RANGE_CMD_SECOND_BORDER, state),
            RangeCommandEnabled(RANGE_CMD_ADMINISTRATION, state),
            RangeCommandEnabled(RANGE_CMD_SHOW, state)};
}

TEST(RangeCommands, EachConditionSwitchesOffTheCommandsThatNeedIt) {
    EXPECT_EQ(Enabled(Ready()), (std::vector<bool>{true, true, true, true}));

    RangeCommandState state = Ready();
    state.documentError = true;
    EXPECT_EQ(Enabled(state), (std::vector<bool>{false, false, false, false}));

    state = Ready();
    state.datasetCount = 0;
    EXPECT_EQ(Enabled(state), (std::vector<bool>{false, false, true, true}));

    state = Ready();
    state.cursorMode = false;
    EXPECT_EQ(Enabled(state), (std::vector<bool>{false, false, true, true}));

    // A used (or never set) first border leaves only the second border off.
    state = Ready();
    state.firstBorderSet = false;
    EXPECT_EQ(Enabled(state), (std::vector<bool>{true, false, true, true}));

    state = Ready();
    state.rangeCount = 0;
    EXPECT_EQ(Enabled(state), (std::vector<bool>{true, true, false, false}));

    EXPECT_FALSE(RangeCommandEnabled(32800, Ready()));
    EXPECT_EQ(FirstBorderEnabled(Ready()), RangeCommandEnabled(RANGE_CMD_FIRST_BORDER, Ready()));
    EXPECT_EQ(ShowRangesEnabled(RangeCommandState{}), false);
}

TEST(FirstRangeBorder, IsUsedOnceBySecondBorder) {
    FirstRangeBorder border;
    EXPECT_FALSE(border.IsSet());
    EXPECT_FALSE(border.Take().has_value());
    border.Set(100);
    EXPECT_TRUE(border.IsSet());
    EXPECT_EQ(border.Sample(), 100);
    // Setting it again moves it.
    border.Set(120);
    EXPECT_EQ(border.Take(), std::optional<std::int64_t>(120));
    EXPECT_FALSE(border.IsSet());
    EXPECT_FALSE(border.Take().has_value());
    border.Set(5);
    border.Clear();
    EXPECT_FALSE(border.Take().has_value());
}

TEST(RangePosition, WholeNumbersWithinBoundsAreTaken) {
    const auto ok = [](std::string_view text, std::int64_t value) {
        const RangePositionResult result = ParseRangePosition(text, 1, 1000);
        EXPECT_EQ(result.error, RangePositionError::None) << text;
        EXPECT_EQ(result.value, value) << text;
    };
    ok("41", 41);
    ok("101", 101);
    ok("1", 1);
    ok("1000", 1000);
    ok("  7\t", 7);
    ok("+5", 5);
    ok("007", 7);
}

TEST(RangePosition, OtherTextIsRejectedWithTheRightReason) {
    for (const char* text :
         {"", "   ", "abc", "4.5", "1e3", "12abc", "1 2", "+-1", "++1", "+", "-", "0x10", "4,5"}) {
        EXPECT_EQ(ParseRangePosition(text, 1, 1000).error, RangePositionError::NotAnInteger)
            << text;
    }
    for (const char* text : {"0", "-3", "1001", "99999999999999999999", "-99999999999999999999"}) {
        EXPECT_EQ(ParseRangePosition(text, 1, 1000).error, RangePositionError::OutOfRange) << text;
    }
    // No position at all when there are no samples.
    EXPECT_EQ(ParseRangePosition("1", 1, 0).error, RangePositionError::OutOfRange);
}

CRangeList FourRanges() {
    CRangeList list;
    list.Add(10, 20, true, "a", "");
    list.Add(30, 35, false, "b", "");
    list.Add(5, 8, true, "c", "");
    list.Add(50, 90, true, "d", "");
    return list;  // ordered c, a, b, d
}

TEST(RangeOperations, SpanRunsFromTheSmallestStartToTheLargestEnd) {
    const CRangeList list = FourRanges();
    ASSERT_EQ(list.At(0).Name(), "c");
    EXPECT_EQ(SpanOfRanges(list, {1}), (std::pair<std::int64_t, std::int64_t>(10, 20)));
    EXPECT_EQ(SpanOfRanges(list, {3, 1}), (std::pair<std::int64_t, std::int64_t>(10, 90)));
    // An inactive range counts like any other picked one.
    EXPECT_EQ(SpanOfRanges(list, {2, 0}), (std::pair<std::int64_t, std::int64_t>(5, 35)));
    EXPECT_EQ(SpanOfRanges(list, {-1, 7, 2}), (std::pair<std::int64_t, std::int64_t>(30, 35)));
    EXPECT_FALSE(SpanOfRanges(list, {}).has_value());
    EXPECT_FALSE(SpanOfRanges(list, {4, -2}).has_value());
}

TEST(RangeOperations, RemovingSeveralRangesTakesExactlyThePickedOnes) {
    CRangeList list = FourRanges();
    RemoveRanges(list, {3, 0, 3, 9, -1});
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0).Name(), "a");
    EXPECT_EQ(list.At(1).Name(), "b");
    RemoveRanges(list, {0, 1});
    EXPECT_TRUE(list.Empty());
    RemoveRanges(list, {0});
    EXPECT_TRUE(list.Empty());
}

TEST(RangeOperations, AllActiveAndAllInactive) {
    CRangeList list = FourRanges();
    SetAllActive(list, false);
    EXPECT_EQ(list.CountActive(), 0);
    EXPECT_EQ(list.Count(), 4);
    SetAllActive(list, true);
    EXPECT_EQ(list.CountActive(), 4);
}

TEST(RangeOperations, PropertiesAddAndEditRangesInOrder) {
    CRangeList list = FourRanges();
    // Borders set at 100 and then 40: stored as 40 .. 100.
    RangeProperties values;
    values.start = 100;
    values.end = 40;
    values.active = false;
    values.name = "late";
    values.commentary = "note \t\n";
    CRange& added = AddRange(list, values);
    EXPECT_EQ(added.Start(), 40);
    EXPECT_EQ(added.End(), 100);
    EXPECT_FALSE(added.Active());
    EXPECT_EQ(added.Commentary(), "note");
    EXPECT_EQ(list.IndexOf(added), 3);

    RangeProperties edited = PropertiesOf(list.At(0));
    EXPECT_EQ(edited.name, "c");
    EXPECT_EQ(edited.start, 5);
    EXPECT_EQ(edited.end, 8);
    edited.start = 95;
    edited.end = 60;
    edited.name = "moved";
    edited.active = false;
    CRange& range = list.At(0);
    ApplyProperties(list, range, edited);
    EXPECT_EQ(list.IndexOf(range), 4);
    EXPECT_EQ(range.Start(), 60);
    EXPECT_EQ(range.End(), 95);
    EXPECT_EQ(range.Name(), "moved");
    EXPECT_FALSE(range.Active());
    EXPECT_EQ(list.At(0).Name(), "a");
}

}  // namespace
}  // namespace grafyon
