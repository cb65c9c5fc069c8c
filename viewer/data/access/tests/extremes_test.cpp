// The extremes cache and Extremes: block sizes, types, calibration, NaN and infinities.
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

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// Brute force: decode every frame, skip what is not finite, (0, 0) when nothing is left.
std::pair<double, double> BruteForce(const Dataset& d, FrameBytes& b, std::uint64_t first,
                                     std::uint64_t end) {
    double lo = Inf, hi = -Inf;
    for (std::uint64_t f = first; f < end; ++f) {
        const std::uint8_t* p = b.At(f, d.effectiveFrameOffset);
        std::uint8_t raw[8] = {};
        std::memcpy(raw, p, d.ValueSize());
        // Non-finite raw floats are skipped before calibration.
        if (BaseDataType(d.dataType) == DATA_TYPE_FLOAT && !std::isfinite(LoadF32LE(raw)))
            continue;
        if (BaseDataType(d.dataType) == DATA_TYPE_DOUBLE && !std::isfinite(LoadF64LE(raw)))
            continue;
        const double v = d.Decode(raw);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (lo > hi)
        return {0.0, 0.0};
    return {lo, hi};
}

struct Recording {
    test::TempDir dir;
    std::unique_ptr<MeasurementDescription> d;
    FrameBytes bytes;
    Recording(std::uint64_t frameSize, std::uint64_t frames)
        : d(NewDescription(frameSize)), bytes(frameSize, frames) {
        AddDataFile(*d, 1, dir / "a.dta");
        AddSegment(*d, 1, frames);
    }
    void Write() { ASSERT_TRUE(WriteDataFile(dir / "a.dta", bytes.Bytes())); }
};

TEST(ExtremesCache, At4096FramesOneValuePerFrameAt4097BlocksOfTwo) {
    for (const std::uint64_t frames : {std::uint64_t{4096}, std::uint64_t{4097}}) {
        Recording r(4, frames);
        Dataset* d = AddDataset(*r.d, "v", DATA_TYPE_SHORT, 0);
        for (std::uint64_t f = 0; f < frames; ++f)
            r.bytes.U16(f, 0, static_cast<std::uint16_t>(f * 37 % 1000));
        r.Write();
        DataAccess access;
        ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
        const DatasetSummary* s = access.Summary(*d);
        ASSERT_NE(s, nullptr);
        double lo, hi;
        if (frames == 4096) {
            EXPECT_EQ(s->CacheBlockFrames(), 1u);
            EXPECT_EQ(s->CacheBlockCount(), 4096u);
            ASSERT_TRUE(s->CacheBlock(17, lo, hi));
            EXPECT_EQ(lo, 17 * 37 % 1000);
            EXPECT_EQ(hi, lo);
        } else {
            EXPECT_EQ(s->CacheBlockFrames(), 2u);
            EXPECT_EQ(s->CacheBlockCount(), 2049u);
            ASSERT_TRUE(s->CacheBlock(2048, lo, hi));  // the last block holds one frame
            EXPECT_EQ(lo, 4096 * 37 % 1000);
            EXPECT_EQ(hi, lo);
            ASSERT_TRUE(s->CacheBlock(10, lo, hi));
            EXPECT_EQ(lo, std::min(20 * 37 % 1000, 21 * 37 % 1000));
            EXPECT_EQ(hi, std::max(20 * 37 % 1000, 21 * 37 % 1000));
        }
        EXPECT_FALSE(s->CacheBlock(5000, lo, hi));
    }
}

TEST(Extremes, NegativeFactorReportsTheLargestRawValueAsMinimum) {
    Recording r(2, 300);
    Dataset* d = AddDataset(*r.d, "v", DATA_TYPE_SHORT, 0, -1.0, 0.0);
    for (std::uint64_t f = 0; f < 300; ++f)
        r.bytes.U16(f, 0, static_cast<std::uint16_t>(std::int16_t(f % 13) - 5));
    r.Write();
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    EXPECT_TRUE(d->extremesKnown);
    EXPECT_EQ(d->minimum, -7.0);  // decoded from the largest raw value, 7
    EXPECT_EQ(d->maximum, 5.0);   // from the smallest, -5
    double lo, hi;
    ASSERT_EQ(access.Extremes(*d, 0, 3, lo, hi), QUERY_OK);  // raw -5, -4, -3
    EXPECT_EQ(lo, 3.0);
    EXPECT_EQ(hi, 5.0);
}

void SkipNaNAndInfinitiesAndCountNoFiniteValueAsZero(bool wideVectors);

TEST(Extremes, SkipNaNAndInfinitiesAndCountNoFiniteValueAsZero) {
    SkipNaNAndInfinitiesAndCountNoFiniteValueAsZero(true);
    SkipNaNAndInfinitiesAndCountNoFiniteValueAsZero(false);
}

void SkipNaNAndInfinitiesAndCountNoFiniteValueAsZero(bool wideVectors) {
    const std::uint64_t frames = 5000;
    Recording r(24, frames);
    Dataset* f = AddDataset(*r.d, "f", DATA_TYPE_FLOAT, 0, 2.0, 1.0);
    Dataset* nan = AddDataset(*r.d, "nan", DATA_TYPE_FLOAT, 4);
    Dataset* dbl = AddDataset(*r.d, "d", DATA_TYPE_DOUBLE, 8);
    Dataset* infs = AddDataset(*r.d, "inf", DATA_TYPE_DOUBLE, 16);
    for (std::uint64_t i = 0; i < frames; ++i) {
        const double special[] = {NaN, Inf, -Inf};
        const bool odd = i % 3 != 0;
        r.bytes.F32(i, 0, odd ? float(special[i % 3]) : float(i) - 2000.0f);
        r.bytes.F32(i, 4, float(NaN));
        r.bytes.F64(i, 8, i % 7 == 0 ? special[i % 3] : -double(i) / 4.0);
        r.bytes.F64(i, 16, i % 2 ? Inf : -Inf);
    }
    r.bytes.F32(1000, 4, -0.0f);  // the only finite value of "nan"
    r.Write();
    DataAccess access;
    DataAccess::ScanOptions options;
    options.wideVectors = wideVectors;
    access.SetScanOptions(options);
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    EXPECT_EQ(f->minimum, 2.0 * -2000.0 + 1.0);
    EXPECT_EQ(f->maximum, 2.0 * (4998.0 - 2000.0) + 1.0);
    EXPECT_EQ(nan->minimum, 0.0);
    EXPECT_EQ(nan->maximum, 0.0);
    EXPECT_EQ(infs->minimum, 0.0);  // no finite value: constant 0
    EXPECT_EQ(infs->maximum, 0.0);
    double lo, hi;
    std::mt19937_64 random(7);
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t first = random() % frames;
        const std::uint64_t count = 1 + random() % (frames - first);
        for (Dataset* d : {f, nan, dbl, infs}) {
            ASSERT_EQ(access.Extremes(*d, first, count, lo, hi), QUERY_OK);
            const auto [blo, bhi] = BruteForce(*d, r.bytes, first, first + count);
            ASSERT_EQ(lo, blo) << d->name << " " << first << "+" << count;
            ASSERT_EQ(hi, bhi) << d->name << " " << first << "+" << count;
        }
    }
    const DatasetSummary* s = access.Summary(*infs);
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->CacheBlock(0, lo, hi));
}

void EveryReadableTypeWithMasksEqualsBruteForce(bool wideVectors);

TEST(Extremes, EveryReadableTypeWithMasksEqualsBruteForce) {
    EveryReadableTypeWithMasksEqualsBruteForce(true);
    // Again with the 16-byte kernels that every x86-64 processor runs.
    EveryReadableTypeWithMasksEqualsBruteForce(false);
}

void EveryReadableTypeWithMasksEqualsBruteForce(bool wideVectors) {
    const std::uint64_t frames = 9000;
    struct Spec {
        std::uint32_t type;
        std::uint32_t offset;
        std::uint32_t mask;
        double factor;
        double offsetValue;
    };
    const Spec specs[] = {
        {DATA_TYPE_CHAR, 0, 0xFF, 1.5, -2.0},
        {DATA_TYPE_UCHAR, 1, 0x7F, 1.0, 0.0},
        {DATA_TYPE_SHORT, 2, 0xFFFF, 0.25, 3.0},
        {DATA_TYPE_USHORT, 4, 0x0FF0, 1.0, 0.0},
        {DATA_TYPE_LONG, 8, 0xFFFFFFFF, -0.5, 0.0},
        {DATA_TYPE_ULONG, 12, 0x00FFFFFF, 1.0, 1.0},
        {DATA_TYPE_DLONG, 16, 0xFFFFFFFF, 1.0, 0.0},
        {DATA_TYPE_UDLONG, 24, 0xFFFF0000, 2.0, 0.0},
        {DATA_TYPE_BOOL8, 32, 0x04, 1.0, 0.0},
        {DATA_TYPE_BOOL16, 34, 0x8000, 3.0, 1.0},
        {DATA_TYPE_BOOL32, 36, 0x1, 1.0, 0.0},
        {DATA_TYPE_BOOL64, 40, 0xFFFFFFFF, 1.0, 0.0},
        {DATA_TYPE_DOUBLE, 48, 0, -3.0, 0.5},
        {DATA_TYPE_FLOAT | DATA_TYPE_NOT_CALIBRATED, 56, 0, 9.0, 9.0},
        // Bit fields: two datasets on the same byte with their own masks.
        {DATA_TYPE_UCHAR, 60, 0x0F, 1.0, 0.0},
        {DATA_TYPE_UCHAR, 60, 0xF0, 1.0, 0.0},
        {DATA_TYPE_SHORT, 61, 0xFFFF, 1.0, 0.0},  // unaligned
    };
    Recording r(64, frames);
    std::vector<Dataset*> datasets;
    for (const Spec& s : specs) {
        datasets.push_back(
            AddDataset(*r.d, "d", s.type, s.offset, s.factor, s.offsetValue, s.mask));
    }
    std::mt19937_64 random(11);
    for (std::uint64_t f = 0; f < frames; ++f) {
        for (std::uint64_t o = 0; o < 64; o += 8)
            r.bytes.U64(f, o, random());
        // Slow trends so that blocks differ.
        r.bytes.U16(f, 2, static_cast<std::uint16_t>(std::int16_t((f % 2000) - 1000) * 7));
        r.bytes.F64(f, 48, std::sin(double(f) / 100.0) * 1000.0);
        r.bytes.F32(f, 56, float(f % 500) - 250.0f);
    }
    r.Write();
    DataAccess access;
    DataAccess::ScanOptions options;
    options.wideVectors = wideVectors;
    access.SetScanOptions(options);
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    for (Dataset* d : datasets) {
        const auto [blo, bhi] = BruteForce(*d, r.bytes, 0, frames);
        EXPECT_EQ(d->minimum, blo) << d->TypeName() << " @" << d->effectiveFrameOffset;
        EXPECT_EQ(d->maximum, bhi) << d->TypeName() << " @" << d->effectiveFrameOffset;
    }
    double lo, hi;
    for (int i = 0; i < 200; ++i) {
        const std::uint64_t first = random() % frames;
        const std::uint64_t count = 1 + random() % (frames - first);
        for (Dataset* d : datasets) {
            ASSERT_EQ(access.Extremes(*d, first, count, lo, hi), QUERY_OK);
            const auto [blo, bhi] = BruteForce(*d, r.bytes, first, first + count);
            ASSERT_EQ(lo, blo) << d->TypeName() << " @" << d->effectiveFrameOffset << " " << first
                               << "+" << count;
            ASSERT_EQ(hi, bhi) << d->TypeName() << " @" << d->effectiveFrameOffset << " " << first
                               << "+" << count;
        }
    }
}

TEST(Extremes, DatasetsThatAreNeverRead) {
    Recording r(16, 200);
    Dataset* ext =
        AddDataset(*r.d, "ext", DATA_TYPE_FLOAT, 0, 1.0, 0.0, 0xFFFFFFFF, ELEMENT_DATASET_EXTENDED);
    Dataset* list =
        AddDataset(*r.d, "list", DATA_TYPE_FLOAT, 0, 1.0, 0.0, 0xFFFFFFFF, ELEMENT_DATASET_LIST);
    Dataset* outside = AddDataset(*r.d, "outside", DATA_TYPE_DOUBLE, 12);  // 12 + 8 > 16
    Dataset* text = AddDataset(*r.d, "text", DATA_TYPE_TEXT, 0);
    Dataset* good = AddDataset(*r.d, "good", DATA_TYPE_FLOAT, 4);
    for (std::uint64_t f = 0; f < 200; ++f)
        r.bytes.F32(f, 4, float(f));
    r.Write();
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    double lo = 1, hi = 1;
    for (Dataset* d : {ext, list, outside, text}) {
        EXPECT_EQ(access.Summary(*d), nullptr);
        EXPECT_FALSE(d->extremesKnown);
        EXPECT_EQ(access.Extremes(*d, 0, 10, lo, hi), QUERY_NOT_READABLE);
        EXPECT_EQ(lo, 0.0);
        EXPECT_FALSE(access.ValueAt(*d, 3).has_value());
        std::vector<CurveColumn> columns(10);
        EXPECT_EQ(access.ColumnExtremes(*d, 0, 200, columns), QUERY_NOT_READABLE);
    }
    EXPECT_EQ(access.Extremes(*good, 0, 0, lo, hi), QUERY_BAD_RANGE);
    EXPECT_EQ(access.Extremes(*good, 200, 1, lo, hi), QUERY_BAD_RANGE);
    ASSERT_EQ(access.Extremes(*good, 190, 1000, lo, hi), QUERY_OK);  // clamped to the end
    EXPECT_EQ(lo, 190.0);
    EXPECT_EQ(hi, 199.0);
    EXPECT_EQ(access.ValueAt(*good, 42), 42.0);
    EXPECT_FALSE(access.ValueAt(*good, 200).has_value());
    MeasurementDescription other;
    Dataset stranger;
    EXPECT_EQ(access.Extremes(stranger, 0, 1, lo, hi), QUERY_NOT_ATTACHED);
}

TEST(Extremes, WithoutCacheEveryRangeIsScannedRaw) {
    Recording r(8, 3000);
    Dataset* d = AddDataset(*r.d, "v", DATA_TYPE_LONG, 4, 0.5, 0.0);
    for (std::uint64_t f = 0; f < 3000; ++f)
        r.bytes.U32(f, 4, static_cast<std::uint32_t>(std::int32_t(f * f % 7919) - 4000));
    r.Write();
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d, false), ATTACH_OK);
    EXPECT_EQ(access.Summary(*d), nullptr);
    EXPECT_FALSE(d->extremesKnown);
    double lo, hi;
    ASSERT_EQ(access.Extremes(*d, 100, 2000, lo, hi), QUERY_OK);
    const auto [blo, bhi] = BruteForce(*d, r.bytes, 100, 2100);
    EXPECT_EQ(lo, blo);
    EXPECT_EQ(hi, bhi);
}

TEST(Extremes, WideFramesOfThousandsOfChannels) {
    const std::uint64_t channels = 12000,
                        frames = 300;  // 48 000-byte frames: wider than the buffers
    Recording r(channels * 4, frames);
    for (std::uint64_t c = 0; c < channels; ++c)
        AddDataset(*r.d, "c", DATA_TYPE_FLOAT, c * 4);
    for (std::uint64_t f = 0; f < frames; ++f) {
        for (std::uint64_t c = 0; c < channels; ++c)
            r.bytes.F32(f, c * 4, float(c) + float(f % 17));
    }
    r.Write();
    DataAccess access;
    ASSERT_EQ(access.Attach(*r.d), ATTACH_OK);
    const std::vector<Dataset*> datasets = r.d->Datasets();
    EXPECT_EQ(datasets[0]->maximum, 16.0);
    EXPECT_EQ(datasets[11999]->minimum, 11999.0);
    double lo, hi;
    ASSERT_EQ(access.Extremes(*datasets[500], 3, 5, lo, hi), QUERY_OK);
    EXPECT_EQ(lo, 503.0);
    EXPECT_EQ(hi, 507.0);
}

}  // namespace
}  // namespace grafyon
