// Stored frames of the store modes, new frame numbers and the layout of compacted frames.
#include <gtest/gtest.h>

#include "viewer/data/data_type.h"
#include "viewer/data/save/save_plan.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

SaveRange Range(std::uint64_t start, std::uint64_t stop, bool active = true) {
    SaveRange r;
    r.start = start;
    r.stop = stop;
    r.active = active;
    return r;
}

using Intervals = std::vector<FrameInterval>;

TEST(SavePlanTest, InsideRangesCopiesEachFrameOnceWhateverTheRangesOverlap) {
    // Overlapping: 10-19 and 15-30 give frames 10 to 30, 21 frames.
    const std::vector<SaveRange> overlapping = {Range(10, 19), Range(15, 30)};
    EXPECT_EQ(StoredIntervals(StoreMode::InsideRanges, overlapping, 100), (Intervals{{10, 30}}));
    EXPECT_EQ(FrameTotal(StoredIntervals(StoreMode::InsideRanges, overlapping, 100)), 21u);
    // Nested: the inner range adds nothing, also when it comes second.
    EXPECT_EQ(StoredIntervals(StoreMode::InsideRanges, {{Range(10, 50), Range(20, 30)}}, 100),
              (Intervals{{10, 50}}));
    // Touching ranges join; one frame apart they stay two.
    EXPECT_EQ(StoredIntervals(StoreMode::InsideRanges, {{Range(10, 19), Range(20, 30)}}, 100),
              (Intervals{{10, 30}}));
    EXPECT_EQ(StoredIntervals(StoreMode::InsideRanges, {{Range(21, 30), Range(10, 19)}}, 100),
              (Intervals{{10, 19}, {21, 30}}));
    // Inactive ranges do not count; a reversed range is ordered; the end is clamped and a
    // range wholly beyond the data gives nothing.
    EXPECT_EQ(StoredIntervals(
                  StoreMode::InsideRanges,
                  {{Range(40, 30), Range(50, 60, false), Range(95, 150), Range(100, 120)}}, 100),
              (Intervals{{30, 40}, {95, 99}}));
    EXPECT_TRUE(StoredIntervals(StoreMode::InsideRanges, {}, 100).empty());
}

TEST(SavePlanTest, OutsideRangesLeavesNoEmptyOrNegativeGap) {
    EXPECT_EQ(StoredIntervals(StoreMode::OutsideRanges, {{Range(10, 19)}}, 100),
              (Intervals{{0, 9}, {20, 99}}));
    // A range at frame 0 and one at the last frame.
    EXPECT_EQ(StoredIntervals(StoreMode::OutsideRanges, {{Range(0, 4), Range(95, 99)}}, 100),
              (Intervals{{5, 94}}));
    EXPECT_EQ(StoredIntervals(StoreMode::OutsideRanges, {{Range(0, 0), Range(99, 99)}}, 100),
              (Intervals{{1, 98}}));
    // Nested ranges leave one gap after the outer one.
    EXPECT_EQ(StoredIntervals(StoreMode::OutsideRanges, {{Range(10, 50), Range(20, 30)}}, 100),
              (Intervals{{0, 9}, {51, 99}}));
    EXPECT_TRUE(StoredIntervals(StoreMode::OutsideRanges, {{Range(0, 99)}}, 100).empty());
    EXPECT_EQ(StoredIntervals(StoreMode::OutsideRanges, {}, 100), (Intervals{{0, 99}}));
    EXPECT_EQ(StoredIntervals(StoreMode::All, {{Range(3, 4)}}, 100), (Intervals{{0, 99}}));
    EXPECT_TRUE(StoredIntervals(StoreMode::All, {}, 0).empty());
}

TEST(SavePlanTest, NewFrameNumbersCountOnlyTheStoredFrames) {
    const Intervals stored = {{10, 19}, {30, 39}};
    EXPECT_EQ(NewFrameIndex(stored, 9), std::nullopt);
    EXPECT_EQ(NewFrameIndex(stored, 10), 0u);
    EXPECT_EQ(NewFrameIndex(stored, 19), 9u);
    EXPECT_EQ(NewFrameIndex(stored, 20), std::nullopt);
    EXPECT_EQ(NewFrameIndex(stored, 29), std::nullopt);
    EXPECT_EQ(NewFrameIndex(stored, 30), 10u);
    EXPECT_EQ(NewFrameIndex(stored, 39), 19u);
    EXPECT_EQ(NewFrameIndex(stored, 40), std::nullopt);
}

TEST(SavePlanTest, AllActiveDatasetsKeepTheFrameAndTheirOffsets) {
    auto d = test::NewDescription(20);
    d->Header()->effectiveFrameSize = 24;  // a reader found a larger frame than the header
    test::AddDataset(*d, "a", DATA_TYPE_SHORT, 0);
    test::AddDataset(*d, "b", DATA_TYPE_FLOAT, 8);
    const FramePlan plan = PlanFrames(*d);
    EXPECT_FALSE(plan.compact);
    EXPECT_EQ(plan.frameSize, 24u);
    EXPECT_EQ(plan.frameOffsets, (std::vector<std::uint64_t>{0, 8}));
}

TEST(SavePlanTest, CompactedFramesHoldTheActiveValuesOneAfterTheOther) {
    // Datasets 2 and 4 of four active, SHORT and FLOAT: frames of 6 bytes, offsets 0 and 2.
    auto d = test::NewDescription(16);
    test::AddDataset(*d, "a", DATA_TYPE_LONG, 0)->active = false;
    test::AddDataset(*d, "b", DATA_TYPE_SHORT, 4);
    test::AddDataset(*d, "c", DATA_TYPE_SHORT, 6)->active = false;
    test::AddDataset(*d, "d", DATA_TYPE_FLOAT, 12);
    FramePlan plan = PlanFrames(*d);
    EXPECT_TRUE(plan.compact);
    EXPECT_EQ(plan.frameSize, 6u);
    EXPECT_EQ(plan.frameOffsets, (std::vector<std::uint64_t>{0, 2}));
    ASSERT_EQ(plan.runs.size(), 2u);

    // Several values per frame stay together; neighbours in the frame join into one run;
    // a dataset whose values end beyond the frame and an extended dataset are left out.
    auto e = test::NewDescription(16);
    test::AddDataset(*e, "three", DATA_TYPE_SHORT, 2)->valuesPerFrame = 3;
    test::AddDataset(*e, "next", DATA_TYPE_UCHAR, 8);
    test::AddDataset(*e, "out", DATA_TYPE_DOUBLE, 12);
    test::AddDataset(*e, "ext", DATA_TYPE_FLOAT, 0, 1.0, 0.0, 0xFFFFFFFF, ELEMENT_DATASET_EXTENDED);
    plan = PlanFrames(*e);
    EXPECT_TRUE(plan.compact);
    ASSERT_EQ(plan.datasets.size(), 2u);
    EXPECT_EQ(plan.frameSize, 7u);
    EXPECT_EQ(plan.frameOffsets, (std::vector<std::uint64_t>{0, 6}));
    ASSERT_EQ(plan.runs.size(), 1u);
    EXPECT_EQ(plan.runs[0].source, 2u);
    EXPECT_EQ(plan.runs[0].bytes, 7u);

    // Two frames of 16 bytes, compacted.
    std::vector<std::uint8_t> in(32);
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = static_cast<std::uint8_t>(i);
    std::vector<std::uint8_t> out(2 * plan.frameSize);
    CompactFrames(in.data(), 2, 16, out.data(), plan.frameSize, plan.runs);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{2, 3, 4, 5, 6, 7, 8, 18, 19, 20, 21, 22, 23, 24}));
}

TEST(SavePlanTest, CompactionCopiesEveryRunOfEverySizeAndCount) {
    // Runs of one size take unrolled copies up to eight runs; more runs, or sizes that
    // differ, copy run by run. Every way must give the bytes of a plain copy.
    constexpr std::uint64_t OLD = 80;
    constexpr std::uint64_t FRAMES = 5;
    std::vector<std::uint8_t> in(OLD * FRAMES);
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = static_cast<std::uint8_t>(i * 7 + 3);
    for (const std::uint64_t size : {1u, 2u, 4u, 8u, 3u}) {
        for (const std::size_t count : {1u, 8u, 9u}) {
            // Sources spread over the frame, out of order; targets one after the other.
            std::vector<CopyRun> runs;
            std::uint64_t newSize = 0;
            for (std::size_t k = 0; k < count; ++k) {
                runs.push_back({(k * 29 + 5) % (OLD - size + 1), newSize, size});
                newSize += size;
            }
            std::vector<std::uint8_t> expected(newSize * FRAMES);
            for (std::uint64_t f = 0; f < FRAMES; ++f) {
                for (const CopyRun& run : runs) {
                    for (std::uint64_t b = 0; b < size; ++b)
                        expected[f * newSize + run.target + b] = in[f * OLD + run.source + b];
                }
            }
            std::vector<std::uint8_t> out(newSize * FRAMES, 0);
            CompactFrames(in.data(), FRAMES, OLD, out.data(), newSize, runs);
            EXPECT_EQ(out, expected) << "size " << size << ", " << count << " runs";
        }
    }
}

}  // namespace
}  // namespace grafyon
