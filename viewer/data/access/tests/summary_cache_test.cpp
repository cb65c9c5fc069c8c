// Summary cache files: what a scan built comes back exactly, and a file that does not match
// its key, its version or its checksum is never used.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <bit>
#include <filesystem>
#include <thread>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/summary_cache.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

bool SameKeys(const DatasetSummary::Storage& a, const DatasetSummary::Storage& b) {
    if (a.index() != b.index())
        return false;
    return std::visit(
        [&]<class K>(const SummaryStorage<K>& x) {
            const auto& y = std::get<SummaryStorage<K>>(b);
            return x.levels == y.levels && x.cache == y.cache && x.overall == y.overall;
        },
        a);
}

// Gives the file a modification time of its own (seconds since 1970).
void SetModified(const std::string& path, std::int64_t seconds) {
    timespec times[2] = {{seconds, 0}, {seconds, 0}};
    EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// 70 001 frames of a FLOAT and a SHORT in one data file.
struct Cached {
    static constexpr std::uint64_t FRAMES = 70001;
    TempDir dir;
    std::unique_ptr<MeasurementDescription> d = NewDescription(6);
    FrameBytes bytes{6, FRAMES};
    Dataset* wave;
    Dataset* steps;
    DataAccess access;
    SummaryCacheKey key;

    Cached() {
        wave = AddDataset(*d, "wave", DATA_TYPE_FLOAT, 0, 1.0, 0.0);
        steps = AddDataset(*d, "steps", DATA_TYPE_SHORT, 4, 0.5, 3.0);
        for (std::uint64_t f = 0; f < FRAMES; ++f) {
            bytes.F32(f, 0, float(std::sin(double(f) * 0.001) * 50.0));
            bytes.U16(f, 4, static_cast<std::uint16_t>((f / 700) * 37 - 900));
        }
        EXPECT_TRUE(WriteDataFile(dir / "run.dta", bytes.Bytes()));
        SetModified(dir / "run.dta", 1000000000);
        AddDataFile(*d, 1, dir / "run.dta");
        AddSegment(*d, 1, FRAMES);
        EXPECT_EQ(access.Attach(*d), ATTACH_OK);
        key.files.push_back(*SummaryCacheKey::IdentityOf(dir / "run.dta"));
        key.layout = {1, 2, 3};
    }
    std::vector<const DatasetSummary*> Scanned() const {
        return {access.Summary(*wave), access.Summary(*steps)};
    }
    // Summaries made for the same datasets, as an attach makes them before its scan.
    std::vector<std::unique_ptr<DatasetSummary>> Fresh() const {
        std::vector<std::unique_ptr<DatasetSummary>> fresh;
        for (const DatasetSummary* s : Scanned())
            fresh.push_back(std::make_unique<DatasetSummary>(s->Owner(), s->Codec(), FRAMES));
        return fresh;
    }
    static std::vector<DatasetSummary*> Pointers(std::vector<std::unique_ptr<DatasetSummary>>& v) {
        std::vector<DatasetSummary*> p;
        for (auto& s : v)
            p.push_back(s.get());
        return p;
    }
    std::string Path() const { return dir / ("cache/" + key.FileName()); }
};

TEST(SummaryCache, WhatAScanBuiltComesBackExactly) {
    Cached c;
    ASSERT_TRUE(WriteSummaryCache(c.Path(), c.key, c.Scanned()));
    auto fresh = c.Fresh();
    ASSERT_TRUE(ReadSummaryCache(c.Path(), c.key, Cached::Pointers(fresh)));
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        const DatasetSummary& scanned = *c.Scanned()[i];
        const DatasetSummary& read = *fresh[i];
        EXPECT_TRUE(SameKeys(scanned.Keys(), read.Keys())) << i;
        double a = 0, b = 0, x = 0, y = 0;
        EXPECT_EQ(scanned.Overall(a, b), read.Overall(x, y));
        EXPECT_EQ(a, x);
        EXPECT_EQ(b, y);
        ASSERT_EQ(read.LevelCount(), scanned.LevelCount());
    }
}

TEST(SummaryCache, AFileThatDoesNotMatchInAnyWayIsIgnored) {
    Cached c;
    ASSERT_TRUE(WriteSummaryCache(c.Path(), c.key, c.Scanned()));
    std::vector<std::uint8_t> good;
    ASSERT_TRUE(ReadWholeFile(c.Path(), good));
    const auto refused = [&](const std::vector<std::uint8_t>& bytes, const SummaryCacheKey& key,
                             const char* what) {
        ASSERT_TRUE(WriteDataFile(c.Path(), bytes));
        auto fresh = c.Fresh();
        const auto before = fresh[1]->Keys();
        EXPECT_FALSE(ReadSummaryCache(c.Path(), key, Cached::Pointers(fresh))) << what;
        EXPECT_TRUE(SameKeys(fresh[1]->Keys(), before)) << what << ": the summaries stay as made";
    };
    std::vector<std::uint8_t> bytes = good;
    bytes[bytes.size() - 3] ^= 0x40;
    refused(bytes, c.key, "a changed byte of the content");
    bytes = good;
    bytes.pop_back();
    refused(bytes, c.key, "one byte short");
    bytes = good;
    bytes.push_back(0);
    refused(bytes, c.key, "one byte too many");
    bytes = good;
    bytes[16] = 2;
    refused(bytes, c.key, "another version");
    refused({good.begin(), good.begin() + 40}, c.key, "a head cut short");

    // The data file rewritten with the same size and new content: a new identity.
    SummaryCacheKey changed = c.key;
    std::vector<std::uint8_t> data = c.bytes.Bytes();
    data[0] ^= 1;
    ASSERT_TRUE(WriteDataFile(c.dir / "run.dta", data));
    SetModified(c.dir / "run.dta", 1000000001);
    changed.files[0] = *SummaryCacheKey::IdentityOf(c.dir / "run.dta");
    EXPECT_EQ(changed.files[0].size, c.key.files[0].size);
    EXPECT_FALSE(changed == c.key);
    refused(good, changed, "a changed data file");
    SummaryCacheKey otherLayout = c.key;
    otherLayout.layout.push_back(4);
    refused(good, otherLayout, "another layout");
}

TEST(SummaryCache, AReopenReadsTheCacheAndAChangedDataFileIsScannedAgain) {
    Cached c;
    DataAccess::ScanOptions options;
    options.cacheFolder = c.dir / "cache/";
    const auto attach = [&](DataAccess& access) {
        access.SetScanOptions(options);
        EXPECT_EQ(access.Attach(*c.d), ATTACH_OK);
    };
    DataAccess first;
    attach(first);
    EXPECT_FALSE(first.LastAttachFromCache());
    DataAccess second;
    attach(second);
    EXPECT_TRUE(second.LastAttachFromCache());
    for (Dataset* d : {c.wave, c.steps}) {
        EXPECT_TRUE(SameKeys(second.Summary(*d)->Keys(), c.access.Summary(*d)->Keys())) << d->name;
        // The moments come back too: statistics over a stretch that spans whole blocks.
        RangeStatistics scanned, cached;
        ASSERT_EQ(c.access.Statistics(*d, 100, 60000, scanned), QUERY_OK);
        ASSERT_EQ(second.Statistics(*d, 100, 60000, cached), QUERY_OK);
        EXPECT_EQ(cached.count, scanned.count);
        EXPECT_EQ(cached.mean, scanned.mean) << d->name;
        EXPECT_EQ(cached.rms, scanned.rms) << d->name;
        EXPECT_EQ(cached.standardDeviation, scanned.standardDeviation) << d->name;
        EXPECT_EQ(cached.minimumFrame, scanned.minimumFrame);
    }
    // A cache written without moments is not good enough for a reader that wants them.
    DataAccess::ScanOptions without = options;
    without.moments = false;
    std::filesystem::remove_all(c.dir / "cache");
    DataAccess bare;
    bare.SetScanOptions(without);
    ASSERT_EQ(bare.Attach(*c.d), ATTACH_OK);
    DataAccess wanting;
    attach(wanting);
    EXPECT_FALSE(wanting.LastAttachFromCache());

    // Same size, new content and time: scanned again, and the new extremes show.
    std::vector<std::uint8_t> data = c.bytes.Bytes();
    StoreU32LE(data.data() + 6 * 1234, std::bit_cast<std::uint32_t>(1e6f));
    ASSERT_TRUE(WriteDataFile(c.dir / "run.dta", data));
    // Rewritten just now: scanned, and no cache is kept while it may still change unseen.
    DataAccess justWritten;
    attach(justWritten);
    EXPECT_FALSE(justWritten.LastAttachFromCache());
    DataAccess again;
    attach(again);
    EXPECT_FALSE(again.LastAttachFromCache());
    SetModified(c.dir / "run.dta", 1000000001);
    DataAccess third;
    attach(third);
    EXPECT_FALSE(third.LastAttachFromCache());
    double minimum = 0, maximum = 0;
    ASSERT_TRUE(third.Summary(*c.wave)->Overall(minimum, maximum));
    EXPECT_EQ(maximum, 1e6);
    DataAccess fourth;
    attach(fourth);
    EXPECT_TRUE(fourth.LastAttachFromCache());
    ASSERT_TRUE(fourth.Summary(*c.wave)->Overall(minimum, maximum));
    EXPECT_EQ(maximum, 1e6);
}

TEST(SummaryCache, WritersAtOnceLeaveOneValidFileAndNoTemporaryOnes) {
    Cached c;
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w) {
        writers.emplace_back([&c] {
            for (int i = 0; i < 10; ++i)
                EXPECT_TRUE(WriteSummaryCache(c.Path(), c.key, c.Scanned()));
        });
    }
    for (std::thread& w : writers)
        w.join();
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(c.dir / "cache"))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
    auto fresh = c.Fresh();
    EXPECT_TRUE(ReadSummaryCache(c.Path(), c.key, Cached::Pointers(fresh)));
}

TEST(SummaryCache, TwoProcessesOpeningTheSameNewFileLeaveOneValidCache) {
    Cached c;
    DataAccess::ScanOptions options;
    options.cacheFolder = c.dir / "cache/";
    std::vector<pid_t> children;
    for (int k = 0; k < 2; ++k) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Each child opens the measurement twice, each time scanning or reading the cache.
            int failures = 0;
            for (int i = 0; i < 2; ++i) {
                DataAccess access;
                access.SetScanOptions(options);
                failures += access.Attach(*c.d) == ATTACH_OK ? 0 : 1;
            }
            ::_exit(failures);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(c.dir / "cache"))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
    DataAccess reopen;
    reopen.SetScanOptions(options);
    ASSERT_EQ(reopen.Attach(*c.d), ATTACH_OK);
    EXPECT_TRUE(reopen.LastAttachFromCache());
    EXPECT_TRUE(SameKeys(reopen.Summary(*c.wave)->Keys(), c.access.Summary(*c.wave)->Keys()));
}

TEST(SummaryCache, EvictionKeepsTheFolderUnderItsLimitOldestFirst) {
    TempDir dir;
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i) {
        names.push_back(dir / ("f" + std::to_string(i) + ".summary"));
        ASSERT_TRUE(WriteDataFile(names.back(), std::vector<std::uint8_t>(1000, 1)));
        timespec times[2] = {{100 + i, 0}, {100 + i, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, names.back().c_str(), times, 0), 0);
    }
    ASSERT_TRUE(WriteDataFile(dir / "other.bin", std::vector<std::uint8_t>(5000, 1)));
    TouchSummaryCache(names[0]);  // used just now: the newest
    // Exactly at the limit nothing goes; one byte below, the two oldest go.
    EXPECT_EQ(EvictSummaryCache(dir.Path().string(), 4000), 4000u);
    EXPECT_EQ(EvictSummaryCache(dir.Path().string(), 2999), 2000u);
    EXPECT_TRUE(std::filesystem::exists(names[0]));
    EXPECT_FALSE(std::filesystem::exists(names[1]));
    EXPECT_FALSE(std::filesystem::exists(names[2]));
    EXPECT_TRUE(std::filesystem::exists(names[3]));
    EXPECT_TRUE(std::filesystem::exists(dir / "other.bin"));
}

}  // namespace
}  // namespace grafyon
