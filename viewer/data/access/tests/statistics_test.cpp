// Statistics between two frames against a brute force over every decoded value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon {
namespace {

using namespace test;

// Frames first ... last decoded one by one; the mean and deviations in long double, two passes.
RangeStatistics BruteForce(const Dataset& d, FrameBytes& b, std::uint64_t first,
                           std::uint64_t last) {
    RangeStatistics s;
    s.first = first;
    s.last = last;
    std::vector<std::pair<double, std::uint64_t>> values;
    for (std::uint64_t f = first; f <= last; ++f) {
        std::uint8_t raw[8] = {};
        std::memcpy(raw, b.At(f, d.effectiveFrameOffset), d.ValueSize());
        if (BaseDataType(d.dataType) == DATA_TYPE_FLOAT && !std::isfinite(LoadF32LE(raw)))
            continue;
        if (BaseDataType(d.dataType) == DATA_TYPE_DOUBLE && !std::isfinite(LoadF64LE(raw)))
            continue;
        values.emplace_back(d.Decode(raw), f);
    }
    if (values.empty())
        return s;
    s.count = values.size();
    s.minimum = s.maximum = values[0].first;
    s.minimumFrame = s.maximumFrame = values[0].second;
    long double sum = 0;
    for (const auto& [v, f] : values) {
        sum += v;
        if (v < s.minimum) {
            s.minimum = v;
            s.minimumFrame = f;
        }
        if (v > s.maximum) {
            s.maximum = v;
            s.maximumFrame = f;
        }
    }
    const long double mean = sum / values.size();
    long double squares = 0, deviations = 0;
    for (const auto& [v, f] : values) {
        squares += static_cast<long double>(v) * v;
        deviations += (v - mean) * (v - mean);
    }
    s.mean = static_cast<double>(mean);
    s.rms = static_cast<double>(std::sqrt(squares / values.size()));
    s.standardDeviation = static_cast<double>(std::sqrt(deviations / values.size()));
    return s;
}

void ExpectSame(const RangeStatistics& got, const RangeStatistics& want, const Dataset& d) {
    SCOPED_TRACE(d.TypeName() + " @" + std::to_string(d.effectiveFrameOffset) + " frames " +
                 std::to_string(want.first) + "..." + std::to_string(want.last));
    EXPECT_EQ(got.first, want.first);
    EXPECT_EQ(got.last, want.last);
    ASSERT_EQ(got.count, want.count);
    EXPECT_EQ(got.minimum, want.minimum);
    EXPECT_EQ(got.maximum, want.maximum);
    EXPECT_EQ(got.minimumFrame, want.minimumFrame);
    EXPECT_EQ(got.maximumFrame, want.maximumFrame);
    const double scale = std::max({1.0, std::abs(want.minimum), std::abs(want.maximum)});
    EXPECT_NEAR(got.mean, want.mean, 1e-9 * scale);
    EXPECT_NEAR(got.rms, want.rms, 1e-9 * scale);
    EXPECT_NEAR(got.standardDeviation, want.standardDeviation,
                1e-9 * scale + 1e-6 * want.standardDeviation);
}

struct Spec {
    std::uint32_t type;
    std::uint32_t offset;
    std::uint32_t mask;
    double factor;
    double offsetValue;
};

// Every readable type, masks, negative factors and uncalibrated values; a double that rides
// on a large offset (deviations must not cancel) and floats with NaN and infinities.
constexpr Spec SPECS[] = {
    {DATA_TYPE_CHAR, 0, 0xFF, 1.5, -2.0},
    {DATA_TYPE_UCHAR, 1, 0x7F, 1.0, 0.0},
    {DATA_TYPE_SHORT, 2, 0xFFFF, 0.25, 3.0},
    {DATA_TYPE_USHORT, 4, 0x0FF0, 1.0, 0.0},
    {DATA_TYPE_LONG, 8, 0xFFFFFFFF, -0.5, 0.0},
    {DATA_TYPE_ULONG, 12, 0x00FFFFFF, 1.0, 1.0},
    {DATA_TYPE_DLONG, 16, 0xFFFFFFFF, 1.0, 0.0},
    {DATA_TYPE_UDLONG, 24, 0xFFFF0000, 2.0, 0.0},
    {DATA_TYPE_BOOL8, 32, 0x04, 1.0, 0.0},
    {DATA_TYPE_BOOL16, 34, 0x8000, -3.0, 1.0},
    {DATA_TYPE_LONG | DATA_TYPE_NOT_CALIBRATED, 36, 0xFFFFFFFF, 7.0, 7.0},
    {DATA_TYPE_DOUBLE, 40, 0, 1.0, 1e6},
    {DATA_TYPE_DOUBLE, 48, 0, -3.0, 0.5},
    {DATA_TYPE_FLOAT | DATA_TYPE_NOT_CALIBRATED, 56, 0, 9.0, 9.0},
    {DATA_TYPE_FLOAT, 60, 0, 0.1, -4.0},
};
constexpr std::uint64_t FRAME_SIZE = 64;

// A recording in two data files: segment 1 in a.dta, segments 2 and 3 in b.dta.
struct Recording {
    test::TempDir dir;
    std::unique_ptr<MeasurementDescription> d;
    std::vector<Dataset*> datasets;
    FrameBytes bytes;
    std::uint64_t frames;

    explicit Recording(std::uint64_t n)
        : d(NewDescription(FRAME_SIZE)), bytes(FRAME_SIZE, n), frames(n) {
        for (const Spec& s : SPECS) {
            datasets.push_back(
                AddDataset(*d, "d", s.type, s.offset, s.factor, s.offsetValue, s.mask));
        }
        std::mt19937_64 random(25);
        for (std::uint64_t f = 0; f < n; ++f) {
            for (std::uint64_t o = 0; o < FRAME_SIZE; o += 8)
                bytes.U64(f, o, random());
            bytes.U16(f, 2, static_cast<std::uint16_t>(std::int16_t((f % 2000) - 1000) * 7));
            bytes.F64(f, 40, std::sin(double(f) / 50.0) * 1e-3 + double(random() % 3) * 1e-4);
            bytes.F64(f, 48, std::sin(double(f) / 100.0) * 1000.0);
            bytes.F32(f, 56, float(f % 500) - 250.0f);
            const float special[] = {std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity()};
            bytes.F32(f, 60, f % 97 < 3 ? special[f % 97] : float(f % 300) * 0.5f);
        }
        const std::uint64_t split = n / 3;
        AddDataFile(*d, 1, dir / "a.dta");
        AddDataFile(*d, 2, dir / "b.dta");
        AddSegment(*d, 1, split);
        AddSegment(*d, 2, (n - split) / 2);
        AddSegment(*d, 2, n - split - (n - split) / 2, (n - split) / 2);
        const auto& all = bytes.Bytes();
        EXPECT_TRUE(WriteDataFile(
            dir / "a.dta",
            std::vector<std::uint8_t>(all.begin(), all.begin() + split * FRAME_SIZE)));
        EXPECT_TRUE(WriteDataFile(
            dir / "b.dta", std::vector<std::uint8_t>(all.begin() + split * FRAME_SIZE, all.end())));
    }
};

void CompareRanges(bool withCache, bool moments = true, bool wideVectors = true) {
    Recording r(20000);  // 20 moments blocks, 157 finest blocks: three pyramid levels
    DataAccess access;
    DataAccess::ScanOptions options;
    options.moments = moments;
    options.wideVectors = wideVectors;
    access.SetScanOptions(options);
    ASSERT_EQ(access.Attach(*r.d, withCache), ATTACH_OK);
    const std::uint64_t last = r.frames - 1;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges = {
        {0, last},        {0, 0},       {last, last},  {4321, 4321}, {0, 1023},     {0, 1024},
        {1023, 2048},     {1024, 2047}, {127, 128},    {128, 255},   {8191, 16384}, {5000, last},
        {last - 1, last}, {6666, 6667}, {6000, 14000}, {1, last - 1}};
    std::mt19937_64 random(7);
    for (int i = 0; i < 60; ++i) {
        const std::uint64_t a = random() % r.frames;
        ranges.emplace_back(a, a + random() % (r.frames - a));
    }
    RangeStatistics got;
    for (const auto& [a, b] : ranges) {
        for (const Dataset* d : r.datasets) {
            ASSERT_EQ(access.Statistics(*d, a, b, got), QUERY_OK);
            ExpectSame(got, BruteForce(*d, r.bytes, a, b), *d);
        }
    }
}

TEST(Statistics, EveryTypeOverSegmentsEqualsBruteForce) {
    CompareRanges(true);
    CompareRanges(true, true, false);
}

// Attaches the frames of one data file with 32- and 16-byte vectors and compares the
// statistics of every dataset over some ranges with the brute force.
void CompareLanes(MeasurementDescription& d, const std::vector<Dataset*>& datasets,
                  FrameBytes& bytes) {
    test::TempDir dir;
    const std::uint64_t frames = bytes.Frames();
    AddDataFile(d, 1, dir / "a.dta");
    AddSegment(d, 1, frames);
    ASSERT_TRUE(WriteDataFile(dir / "a.dta", bytes.Bytes()));
    for (const bool wide : {true, false}) {
        SCOPED_TRACE(wide ? "wide" : "narrow");
        DataAccess access;
        DataAccess::ScanOptions options;
        options.wideVectors = wide;
        options.bufferBytes = 700 * bytes.FrameSize();  // pieces that split moments blocks
        options.workers = 1;
        access.SetScanOptions(options);
        ASSERT_EQ(access.Attach(d), ATTACH_OK);
        RangeStatistics got;
        for (const auto& [a, b] : std::vector<std::pair<std::uint64_t, std::uint64_t>>{
                 {0, frames - 1}, {1024, 2047}, {3072, 4095}, {100, frames - 100}, {1023, 4096}}) {
            for (const Dataset* dataset : datasets) {
                ASSERT_EQ(access.Statistics(*dataset, a, b, got), QUERY_OK);
                ExpectSame(got, BruteForce(*dataset, bytes, a, b), *dataset);
            }
        }
    }
}

// Narrow integers side by side are summed as lanes of one vector: every lane position of
// every kind, with whole moments blocks of the largest and the most negative values.
TEST(Statistics, EveryLaneOfNarrowIntegersEqualsBruteForce) {
    constexpr std::uint64_t SIZE = 112;
    auto d = NewDescription(SIZE);
    std::vector<Dataset*> datasets;
    for (std::uint64_t o = 0; o < 40; ++o)  // 40: one lane past a wide vector
        datasets.push_back(AddDataset(*d, "u8", DATA_TYPE_UCHAR, o, 0.5, 1.0, 0xFF));
    for (std::uint64_t o = 40; o < 56; ++o)
        datasets.push_back(AddDataset(*d, "i8", DATA_TYPE_CHAR, o, 1.0, 0.0, 0xFF));
    for (std::uint64_t o = 56; o < 88; o += 2)
        datasets.push_back(AddDataset(*d, "i16", DATA_TYPE_SHORT, o, 2.0, -1.0, 0xFFFF));
    for (std::uint64_t o = 88; o < 112; o += 2)
        datasets.push_back(AddDataset(*d, "u16", DATA_TYPE_USHORT, o, 1.0, 0.0, 0xFFFF));
    FrameBytes bytes(SIZE, 6000);
    std::mt19937_64 random(11);
    for (std::uint64_t f = 0; f < bytes.Frames(); ++f) {
        for (std::uint64_t o = 0; o < SIZE; ++o) {
            // Frames 1024 ... 2047 all ones (255, -1, 65535), 3072 ... 4095 all 0x80
            // (128, -128, -32768 from the high byte), the rest random.
            const bool ones = f >= 1024 && f < 2048, high = f >= 3072 && f < 4096;
            bytes.U8(f, o,
                     ones   ? 0xFF
                     : high ? (o >= 56 && o % 2 == 0 ? 0x00 : 0x80)
                            : static_cast<std::uint8_t>(random()));
        }
    }
    CompareLanes(*d, datasets, bytes);
}

// Floats and doubles side by side: a small ripple on a large offset (which cancels unless
// each block's deviations are summed), blocks that begin with NaN or an infinity, a lane
// without any finite value in a whole block.
TEST(Statistics, EveryLaneOfFloatsEqualsBruteForce) {
    constexpr std::uint64_t SIZE = 96;
    auto d = NewDescription(SIZE);
    std::vector<Dataset*> datasets;
    for (std::uint64_t o = 0; o < 48; o += 4)  // 12 floats: one and a half wide vectors
        datasets.push_back(AddDataset(*d, "f", DATA_TYPE_FLOAT, o, 1.0, 0.0, 0));
    for (std::uint64_t o = 48; o < 96; o += 8)
        datasets.push_back(AddDataset(*d, "d", DATA_TYPE_DOUBLE, o, 1.0, 0.0, 0));
    FrameBytes bytes(SIZE, 5000);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (std::uint64_t f = 0; f < bytes.Frames(); ++f) {
        for (std::uint64_t k = 0; k < 12; ++k) {
            const double ripple = std::sin(double(f * (k + 1)) / 70.0);
            double v = k % 3 == 0 ? 1000.0 + ripple * 1e-2 : ripple * double(k * 100);
            if (f % 1024 == 0 && k % 2 == 0)
                v = f % 2048 == 0 ? nan : -inf;
            if (k == 5 && f >= 2048 && f < 3072)
                v = nan;
            if ((f + k) % 331 == 0)
                v = inf;
            if (k < 6)
                bytes.F64(f, 48 + 8 * k, 1e6 * double(k % 3) + v * 1e-3);
            bytes.F32(f, 4 * k, static_cast<float>(v));
        }
    }
    CompareLanes(*d, datasets, bytes);
}

TEST(Statistics, WithoutSummariesEveryFrameIsRead) {
    CompareRanges(false);
    // The pyramid without its moments: mean and deviations from every frame.
    CompareRanges(true, false);
}

TEST(Statistics, PositionsInEitherOrderAndOutsideTheData) {
    Recording r(3000);
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    const Dataset& d = *r.datasets[2];
    RangeStatistics forward, backward;
    ASSERT_EQ(access.Statistics(d, 100, 2500, forward), QUERY_OK);
    ASSERT_EQ(access.Statistics(d, 2500, 100, backward), QUERY_OK);
    EXPECT_EQ(backward.first, 100u);
    EXPECT_EQ(backward.last, 2500u);
    EXPECT_EQ(backward.mean, forward.mean);
    EXPECT_EQ(backward.minimumFrame, forward.minimumFrame);

    // One frame: no spread, its value everywhere, both positions on it.
    ASSERT_EQ(access.Statistics(d, 777, 777, forward), QUERY_OK);
    EXPECT_EQ(forward.count, 1u);
    EXPECT_EQ(forward.minimum, forward.maximum);
    EXPECT_EQ(forward.mean, forward.minimum);
    EXPECT_EQ(forward.standardDeviation, 0.0);
    EXPECT_EQ(forward.PeakToPeak(), 0.0);
    EXPECT_EQ(forward.minimumFrame, 777u);
    EXPECT_EQ(forward.maximumFrame, 777u);
    EXPECT_EQ(forward.rms, std::abs(forward.mean));

    EXPECT_EQ(access.Statistics(d, 0, 2999, forward), QUERY_OK);
    EXPECT_EQ(access.Statistics(d, 0, 3000, forward), QUERY_BAD_RANGE);
    EXPECT_EQ(forward.count, 0u);
    EXPECT_EQ(access.Statistics(d, 3000, 3000, forward), QUERY_BAD_RANGE);
    EXPECT_EQ(access.Statistics(d, 0, std::numeric_limits<std::uint64_t>::max(), forward),
              QUERY_BAD_RANGE);
    DataAccess detached;
    EXPECT_EQ(detached.Statistics(d, 0, 10, forward), QUERY_NOT_ATTACHED);
}

TEST(Statistics, NoFiniteValueGivesAnEmptyCount) {
    Recording r(2100);
    for (std::uint64_t f = 0; f < r.frames; ++f)
        r.bytes.F32(f, 60, std::numeric_limits<float>::quiet_NaN());
    const auto& all = r.bytes.Bytes();
    const std::uint64_t split = r.frames / 3;
    ASSERT_TRUE(WriteDataFile(
        r.dir / "a.dta", std::vector<std::uint8_t>(all.begin(), all.begin() + split * FRAME_SIZE)));
    ASSERT_TRUE(WriteDataFile(
        r.dir / "b.dta", std::vector<std::uint8_t>(all.begin() + split * FRAME_SIZE, all.end())));
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    RangeStatistics s;
    ASSERT_EQ(access.Statistics(*r.datasets.back(), 10, 2000, s), QUERY_OK);
    EXPECT_EQ(s.count, 0u);
    EXPECT_EQ(s.mean, 0.0);
    EXPECT_EQ(s.first, 10u);
}

}  // namespace
}  // namespace grafyon
