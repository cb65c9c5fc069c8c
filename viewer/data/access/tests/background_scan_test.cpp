// Scanning in the background: the queries answer from raw frames meanwhile, the summaries
// that come in are those of a scan at attach, and closing the measurement stops the scan.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/summary_cache.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

// 200 003 frames of a FLOAT and a calibrated SHORT in one data file that is old enough to be
// cached.
struct Recording {
    static constexpr std::uint64_t FRAMES = 200003;
    TempDir dir;
    std::unique_ptr<MeasurementDescription> d = NewDescription(6);
    Dataset* wave;
    Dataset* steps;

    Recording() {
        wave = AddDataset(*d, "wave", DATA_TYPE_FLOAT, 0, 1.0, 0.0);
        steps = AddDataset(*d, "steps", DATA_TYPE_SHORT, 4, 0.5, 3.0);
        FrameBytes bytes{6, FRAMES};
        for (std::uint64_t f = 0; f < FRAMES; ++f) {
            bytes.F32(f, 0, float(std::sin(double(f) * 0.0007) * 50.0 + (f == 123457 ? 900 : 0)));
            bytes.U16(f, 4, static_cast<std::uint16_t>((f / 900) * 31 - 700));
        }
        EXPECT_TRUE(WriteDataFile(DataPath(), bytes.Bytes()));
        timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, DataPath().c_str(), times, 0), 0);
        AddDataFile(*d, 1, DataPath());
        AddSegment(*d, 1, FRAMES);
    }
    std::string DataPath() const { return dir / "run.dta"; }
    std::string CacheFolder() const { return dir / "cache/"; }
    std::size_t CacheFiles() const {
        std::size_t n = 0;
        if (std::filesystem::exists(CacheFolder())) {
            for (const auto& e : std::filesystem::directory_iterator(CacheFolder()))
                n += e.is_regular_file() ? 1 : 0;
        }
        return n;
    }
};

DataAccess::ScanOptions Background(const std::string& cacheFolder) {
    DataAccess::ScanOptions o;
    o.background = true;
    o.workers = 2;
    o.minPiecesPerWorker = 1;
    o.bufferBytes = 6 * 1000;
    o.cacheFolder = cacheFolder;
    return o;
}

bool WaitForScan(DataAccess& access, const MeasurementDescription& d) {
    for (int i = 0; i < 2000 && !access.ScanDone(d); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return access.ScanDone(d);
}

TEST(BackgroundScan, QueriesAnswerMeanwhileAndTheSummariesThatComeInAreThoseOfAnAttach) {
    Recording r;
    DataAccess reference;  // scanned at attach, without cache
    ASSERT_EQ(reference.Attach(*r.d), ATTACH_OK);
    const double wantMin = r.wave->minimum, wantMax = r.wave->maximum;
    const double stepsMin = r.steps->minimum, stepsMax = r.steps->maximum;
    RangeStatistics want;
    ASSERT_EQ(reference.Statistics(*r.wave, 17, 190000, want), QUERY_OK);
    reference.Detach(*r.d);

    DataAccess access;
    access.SetScanOptions(Background(r.CacheFolder()));
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    EXPECT_TRUE(access.ScanPending(*r.d));
    EXPECT_EQ(access.Summary(*r.wave), nullptr);
    EXPECT_FALSE(r.wave->extremesKnown);
    EXPECT_EQ(access.PendingFrameLimit(*r.wave), DataAccess::PENDING_RAW_BYTES / 6);
    // Meanwhile from raw frames, exact.
    double lo = 0, hi = 0;
    ASSERT_EQ(access.Extremes(*r.wave, 0, Recording::FRAMES, lo, hi), QUERY_OK);
    EXPECT_EQ(lo, wantMin);
    EXPECT_EQ(hi, wantMax);
    RangeStatistics meanwhile;
    ASSERT_EQ(access.Statistics(*r.wave, 17, 190000, meanwhile), QUERY_OK);
    EXPECT_EQ(meanwhile.maximumFrame, 123457u);
    EXPECT_NEAR(meanwhile.mean, want.mean, 1e-9 * std::abs(want.mean) + 1e-12);

    ASSERT_TRUE(WaitForScan(access, *r.d));
    EXPECT_EQ(access.ScanProgress(*r.d), 1.0);
    EXPECT_TRUE(access.ScanPending(*r.d)) << "pending until installed";
    ASSERT_EQ(access.CompleteScan(*r.d), ATTACH_OK);
    EXPECT_FALSE(access.ScanPending(*r.d));
    ASSERT_NE(access.Summary(*r.wave), nullptr);
    EXPECT_TRUE(r.wave->extremesKnown);
    EXPECT_EQ(access.PendingFrameLimit(*r.wave), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(r.wave->minimum, wantMin);
    EXPECT_EQ(r.wave->maximum, wantMax);
    EXPECT_EQ(r.steps->minimum, stepsMin);
    EXPECT_EQ(r.steps->maximum, stepsMax);
    RangeStatistics installed;
    ASSERT_EQ(access.Statistics(*r.wave, 17, 190000, installed), QUERY_OK);
    // The sums of a block may be grouped otherwise when the pieces are cut otherwise.
    EXPECT_NEAR(installed.mean, want.mean, 1e-12 * std::abs(want.mean));
    EXPECT_NEAR(installed.rms, want.rms, 1e-12 * want.rms);
    EXPECT_EQ(installed.minimumFrame, want.minimumFrame);
    EXPECT_EQ(access.CompleteScan(*r.d), ATTACH_OK) << "nothing pending any more";

    // The cache file written in the background serves the next open.
    access.WaitForCacheWriting();
    EXPECT_EQ(r.CacheFiles(), 1u);
    DataAccess again;
    again.SetScanOptions(Background(r.CacheFolder()));
    ASSERT_EQ(again.Attach(*r.d), ATTACH_OK);
    EXPECT_TRUE(again.LastAttachFromCache());
    EXPECT_FALSE(again.ScanPending(*r.d));
    EXPECT_TRUE(r.wave->extremesKnown);
    EXPECT_EQ(r.wave->maximum, wantMax);
}

TEST(BackgroundScan, ClosingStopsTheScanAndLeavesNoCacheFile) {
    Recording r;
    DataAccess::ScanOptions o = Background(r.CacheFolder());
    o.bufferBytes = 6;  // one frame per piece: the scan is still running when it is closed
    o.workers = 1;
    for (int round = 0; round < 3; ++round) {
        DataAccess access;
        access.SetScanOptions(o);
        ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
        EXPECT_LT(access.ScanProgress(*r.d), 1.0);
        access.Detach(*r.d);
        EXPECT_FALSE(access.IsAttached(*r.d));
        EXPECT_FALSE(access.ScanPending(*r.d));
    }
    EXPECT_EQ(r.CacheFiles(), 0u);
    // Attaching afresh after a stopped scan scans completely.
    DataAccess access;
    access.SetScanOptions(Background(r.CacheFolder()));
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    ASSERT_TRUE(WaitForScan(access, *r.d));
    ASSERT_EQ(access.CompleteScan(*r.d), ATTACH_OK);
    EXPECT_TRUE(r.wave->extremesKnown);
    EXPECT_GT(r.wave->maximum, 800.0);  // frame 123 457, late in the scan
}

TEST(BackgroundScan, AFrameThatCannotBeReadIsAFailureNotSummaries) {
    Recording r;
    DataAccess access;
    DataAccess::ScanOptions o = Background(r.CacheFolder());
    o.bufferBytes = 6 * 10;
    o.workers = 1;
    access.SetScanOptions(o);
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    // The data file loses its second half while it is scanned.
    ASSERT_EQ(::truncate(r.DataPath().c_str(), 6 * 100000), 0);
    ASSERT_TRUE(WaitForScan(access, *r.d));
    EXPECT_EQ(access.CompleteScan(*r.d), ATTACH_READ_FAILED);
    EXPECT_TRUE(access.IsAttached(*r.d));
    EXPECT_FALSE(access.ScanPending(*r.d));
    EXPECT_EQ(access.Summary(*r.wave), nullptr);
    EXPECT_FALSE(r.wave->extremesKnown);
    EXPECT_EQ(access.PendingFrameLimit(*r.wave), DataAccess::PENDING_RAW_BYTES / 6)
        << "unknown extremes keep the reads short";
    access.WaitForCacheWriting();
    EXPECT_EQ(r.CacheFiles(), 0u);
}

TEST(BackgroundScan, ACancelledCacheWriteLeavesNothing) {
    Recording r;
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    SummaryCacheKey key;
    key.layout = {1};
    const std::string path = r.CacheFolder() + key.FileName();
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(WriteSummaryCache(path, key, {access.Summary(*r.wave)}, &cancel));
    EXPECT_EQ(r.CacheFiles(), 0u);
    cancel = false;
    EXPECT_TRUE(WriteSummaryCache(path, key, {access.Summary(*r.wave)}, &cancel));
    EXPECT_EQ(r.CacheFiles(), 1u);
}

}  // namespace
}  // namespace grafyon
