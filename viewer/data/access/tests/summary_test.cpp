// The summary pyramid and the min/max per pixel column, checked against brute force.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

struct Expected {
    double minimum = 0.0;
    double maximum = 0.0;
    bool empty = true;
};

Expected BruteForce(const Dataset& d, FrameBytes& b, std::uint64_t first, std::uint64_t end) {
    Expected e;
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (std::uint64_t f = first; f < end; ++f) {
        const std::uint8_t* p = b.At(f, d.effectiveFrameOffset);
        if (BaseDataType(d.dataType) == DATA_TYPE_FLOAT && !std::isfinite(LoadF32LE(p)))
            continue;
        const double v = d.Decode(p);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (lo <= hi)
        e = {lo, hi, false};
    return e;
}

// 200 003 frames (not a multiple of any block) in three segments over two files, a FLOAT
// with NaN stretches and a USHORT with a negative factor.
struct Recording {
    test::TempDir dir;
    std::unique_ptr<MeasurementDescription> d = NewDescription(12);
    static constexpr std::uint64_t FRAMES = 200003;
    FrameBytes bytes{12, FRAMES};
    Dataset* wave;
    Dataset* counts;
    Recording() {
        wave = AddDataset(*d, "wave", DATA_TYPE_FLOAT, 0, 0.5, 1.0);
        counts = AddDataset(*d, "counts", DATA_TYPE_USHORT, 6, -2.0, 0.0);
        std::mt19937_64 random(3);
        for (std::uint64_t f = 0; f < FRAMES; ++f) {
            const bool gap = (f / 1000) % 37 == 5 || (f > 150000 && f < 150300);
            const float v =
                float(std::sin(double(f) * 0.0007) * 100.0 + double(random() % 1000) * 0.01);
            bytes.F32(f, 0, gap ? std::numeric_limits<float>::quiet_NaN() : v);
            bytes.U16(f, 6, static_cast<std::uint16_t>((f * 2654435761u) >> 20));
        }
        // Frames 0 ... 99 999 in one.dta, the rest in two.dta after a 100-byte header.
        std::vector<std::uint8_t> one(bytes.Bytes().begin(), bytes.Bytes().begin() + 100000 * 12);
        std::vector<std::uint8_t> two(bytes.Bytes().begin() + 100000 * 12, bytes.Bytes().end());
        EXPECT_TRUE(WriteDataFile(dir / "one.dta", one));
        EXPECT_TRUE(WriteDataFile(dir / "two.dta", two, 100));
        AddDataFile(*d, 1, dir / "one.dta");
        AddDataFile(*d, 2, dir / "two.dta", 100);
        AddSegment(*d, 1, 100000);
        AddSegment(*d, 2, 50000);
        AddSegment(*d, 2, FRAMES - 150000, 50000);
    }
};

TEST(SummaryPyramid, LevelsAndSize) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    const DatasetSummary* s = access.Summary(*r.wave);
    ASSERT_NE(s, nullptr);
    // 1563 blocks of 128, 196 of 1024, 25 of 8192, 4 of 65536.
    ASSERT_EQ(s->LevelCount(), 4u);
    EXPECT_EQ(s->LevelBlockCount(0), 1563u);
    EXPECT_EQ(s->LevelBlockCount(3), 4u);
    EXPECT_EQ(s->LevelBlockFrames(2), 8192u);
    EXPECT_EQ(s->CacheBlockFrames(), 49u);
    EXPECT_EQ(s->CacheBlockCount(), 4082u);
    // The pyramid alone is below 2 % of the dataset's bytes; the cache adds 4096 blocks, the
    // moments 24 bytes per 1024 frames and their coarser levels.
    const std::uint64_t pyramid = s->Bytes() - s->CacheBlockCount() * 8 - s->MomentBytes();
    EXPECT_LT(double(pyramid), 0.02 * double(Recording::FRAMES * 4));
    EXPECT_EQ(s->MomentBytes(), (196u + 25u + 4u) * sizeof(Moments));
    EXPECT_EQ(access.SummaryBytes(), s->Bytes() + access.Summary(*r.counts)->Bytes());
}

void CheckColumns(DataAccess& access, Recording& r, Dataset* d, std::uint64_t first,
                  std::uint64_t count, std::size_t width, ColumnEdges edges) {
    std::vector<CurveColumn> columns(width);
    ASSERT_EQ(access.ColumnExtremes(*d, first, count, columns, edges), QUERY_OK);
    const std::uint64_t end = std::min(first + count, Recording::FRAMES);
    count = end - first;
    const bool snapped = edges == ColumnEdges::Snapped && access.Summary(*d) != nullptr &&
                         count / width >= SUMMARY_FINEST_BLOCK;
    std::uint64_t expectedStart = first;
    for (std::size_t c = 0; c < width; ++c) {
        const CurveColumn& col = columns[c];
        // The columns tile the window.
        ASSERT_EQ(col.firstFrame, expectedStart) << c;
        ASSERT_LE(col.firstFrame, col.endFrame);
        expectedStart = col.endFrame;
        const std::uint64_t nominal = DataAccess::ColumnStart(first, count, width, c);
        if (snapped) {
            if (c > 0) {
                ASSERT_EQ(col.firstFrame % SUMMARY_FINEST_BLOCK, 0u);
                ASSERT_LE(std::max(col.firstFrame, nominal) - std::min(col.firstFrame, nominal),
                          SUMMARY_FINEST_BLOCK / 2);
            }
        } else {
            ASSERT_EQ(col.firstFrame, nominal) << c;
        }
        const Expected e = BruteForce(*d, r.bytes, col.firstFrame, col.endFrame);
        ASSERT_EQ(col.empty, e.empty) << first << "+" << count << " W" << width << " c" << c;
        ASSERT_EQ(col.minimum, e.minimum) << first << "+" << count << " W" << width << " c" << c;
        ASSERT_EQ(col.maximum, e.maximum) << first << "+" << count << " W" << width << " c" << c;
    }
    ASSERT_EQ(expectedStart, end);
}

TEST(ColumnExtremes, EqualBruteForceForRandomWindowsAndWidths) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    std::mt19937_64 random(5);
    for (int i = 0; i < 120; ++i) {
        const std::uint64_t first = random() % Recording::FRAMES;
        // Zoom levels from a few frames to the whole recording.
        const std::uint64_t count = 1 + (random() % (Recording::FRAMES >> (random() % 14)));
        const std::size_t width = 1 + random() % (i % 3 == 0 ? 2000 : 300);
        for (Dataset* d : {r.wave, r.counts}) {
            CheckColumns(access, r, d, first, count, width, ColumnEdges::Exact);
            CheckColumns(access, r, d, first, count, width, ColumnEdges::Snapped);
        }
    }
    // The whole recording, the end of it, one column, one frame.
    CheckColumns(access, r, r.wave, 0, Recording::FRAMES, 2000, ColumnEdges::Snapped);
    CheckColumns(access, r, r.wave, 0, Recording::FRAMES, 2000, ColumnEdges::Exact);
    CheckColumns(access, r, r.counts, Recording::FRAMES - 5000, 5000, 7, ColumnEdges::Snapped);
    CheckColumns(access, r, r.counts, 0, ~std::uint64_t{0}, 1, ColumnEdges::Snapped);
    CheckColumns(access, r, r.wave, 12345, 1, 1, ColumnEdges::Exact);
}

TEST(ColumnExtremes, MoreColumnsThanFramesLeavesColumnsEmpty) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    std::vector<CurveColumn> columns(10);
    ASSERT_EQ(access.ColumnExtremes(*r.counts, 1000, 4, columns), QUERY_OK);
    // Frames 1000 ... 1003 in columns 0, 2, 5, 7 (floor(j x 10 / 4)).
    for (std::size_t c = 0; c < 10; ++c) {
        const bool used = c == 0 || c == 2 || c == 5 || c == 7;
        EXPECT_EQ(columns[c].empty, !used) << c;
        if (used) {
            EXPECT_EQ(columns[c].endFrame - columns[c].firstFrame, 1u);
        }
    }
    EXPECT_EQ(columns[2].firstFrame, 1001u);
    EXPECT_EQ(columns[2].minimum, r.counts->Decode(r.bytes.At(1001, 6)));
}

TEST(ColumnExtremes, AColumnOfOnlyNaNIsEmpty) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    // Frames 5000 ... 5999 are NaN; 4 columns of 250 frames over them.
    std::vector<CurveColumn> columns(4);
    ASSERT_EQ(access.ColumnExtremes(*r.wave, 5000, 1000, columns, ColumnEdges::Exact), QUERY_OK);
    for (const CurveColumn& c : columns)
        EXPECT_TRUE(c.empty);
    ASSERT_EQ(access.ColumnExtremes(*r.wave, 4000, 2000, columns, ColumnEdges::Exact), QUERY_OK);
    EXPECT_FALSE(columns[1].empty);
    EXPECT_TRUE(columns[2].empty);
}

TEST(ColumnExtremes, WithoutCacheFromRawFrames) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d, false), ATTACH_OK);
    CheckColumns(access, r, r.wave, 777, 150000, 500, ColumnEdges::Snapped);  // exact: no pyramid
    EXPECT_EQ(access.ProposedSampleCount(100, *r.wave), 12800u);
}

// The scan split over several threads, and with 16- or 32-byte vectors, fills exactly the
// same summaries as one thread.
TEST(SummaryPyramid, ScanWorkersAndVectorWidthsFillTheSameSummaries) {
    Recording r;
    std::vector<DatasetSummary::Storage> reference;
    std::vector<Moments> referenceMoments;
    for (const unsigned workers : {1u, 3u, 4u}) {
        for (const bool wide : {true, false}) {
            DataAccess access;
            DataAccess::ScanOptions options;
            options.bufferBytes = 12 * 1000;  // 1000 frames a piece, 200 pieces
            options.workers = workers;
            options.minPiecesPerWorker = 1;
            options.wideVectors = wide;
            access.SetScanOptions(options);
            ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
            for (std::size_t i = 0; i < 2; ++i) {
                const DatasetSummary::Storage& keys =
                    access.Summary(i == 0 ? *r.wave : *r.counts)->Keys();
                if (reference.size() <= i) {
                    reference.push_back(keys);
                    continue;
                }
                std::visit(
                    [&](const auto& s) {
                        const auto& expected = std::get<std::decay_t<decltype(s)>>(reference[i]);
                        EXPECT_TRUE(s.levels == expected.levels)
                            << workers << " workers, wide " << wide;
                        EXPECT_TRUE(s.cache == expected.cache)
                            << workers << " workers, wide " << wide;
                        EXPECT_TRUE(s.overall == expected.overall);
                    },
                    keys);
            }
            CheckColumns(access, r, r.wave, 0, Recording::FRAMES, 1000, ColumnEdges::Exact);
            // Moments blocks are whole in every stretch; pieces may split them differently.
            const std::vector<Moments>& moments = access.Summary(*r.wave)->RawMoments().levels[0];
            if (referenceMoments.empty()) {
                referenceMoments = moments;
                continue;
            }
            ASSERT_EQ(moments.size(), referenceMoments.size());
            for (std::size_t i = 0; i < moments.size(); ++i) {
                ASSERT_EQ(moments[i].count, referenceMoments[i].count) << i;
                ASSERT_NEAR(moments[i].mean, referenceMoments[i].mean, 1e-9) << i;
                ASSERT_NEAR(moments[i].m2, referenceMoments[i].m2, 1e-6 * moments[i].m2) << i;
            }
        }
    }
}

TEST(ColumnExtremes, Statuses) {
    Recording r;
    DataAccess access;
    std::vector<CurveColumn> columns(3);
    EXPECT_EQ(access.ColumnExtremes(*r.wave, 0, 10, columns), QUERY_NOT_ATTACHED);
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    EXPECT_EQ(access.ColumnExtremes(*r.wave, Recording::FRAMES, 10, columns), QUERY_BAD_RANGE);
    EXPECT_EQ(access.ColumnExtremes(*r.wave, 0, 0, columns), QUERY_BAD_RANGE);
    EXPECT_EQ(access.ColumnExtremes(*r.wave, 0, 10, {}), QUERY_OK);
    EXPECT_EQ(access.ProposedSampleCount(100, *r.wave), Recording::FRAMES);
}

}  // namespace
}  // namespace grafyon
