// Count, mean and sum of squared deviations of raw values, kept per block beside the
// min/max pyramid so that mean, RMS and standard deviation of any range need no full pass.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "value_key.h"

namespace grafyon {

// Frames per block of the finest moments level; coarser levels combine
// SUMMARY_LEVEL_FACTOR blocks. 24 bytes per 1024 frames keep the moments at about a third
// of the min/max pyramid of a 4-byte value.
inline constexpr std::uint64_t MOMENTS_BLOCK = 1024;

// Moments of some values. Merging uses the pairwise update of the mean and the squared
// deviations, which stays accurate where sum and sum of squares would cancel (a small
// ripple on a large offset).
struct Moments {
    std::uint64_t count = 0;
    double mean = 0.0;
    double m2 = 0.0;  // sum of (value - mean)^2

    void Add(const Moments& other) {
        if (other.count == 0)
            return;
        if (count == 0) {
            *this = other;
            return;
        }
        const double n = static_cast<double>(count + other.count);
        const double delta = other.mean - mean;
        const double a = static_cast<double>(count), b = static_cast<double>(other.count);
        mean += delta * (b / n);
        m2 += other.m2 + delta * delta * (a * b / n);
        count += other.count;
    }
};

// Moments of count integers from their exact sum and sum of squares:
// m2 = (count x squares - sum^2) / count, which cancels nothing in integers.
inline Moments MomentsOfSums(std::uint64_t count, __int128 sum, __int128 squares) {
    Moments m;
    if (count == 0)
        return m;
    const auto c = static_cast<__int128>(count);
    m.count = count;
    m.mean = static_cast<double>(sum) / static_cast<double>(count);
    m.m2 = static_cast<double>(c * squares - sum * sum) / static_cast<double>(count);
    return m;
}

struct MomentLevels {
    std::vector<std::vector<Moments>> levels;  // levels[k][i]: block i of level k
};

// Sums value(p) and value(p)^2 over count frames frameSize bytes apart and moves p past them.
// Four frames per step with their own accumulators, so that successive frames do not wait
// for each other; integer sums are exact in any order.
template <class Sum, class Square, class Value>
[[gnu::always_inline]] inline void SumSquares(const std::uint8_t*& p, std::uint64_t count,
                                              std::uint64_t frameSize, Value value, Sum& sum,
                                              Square& squares) {
    Sum s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    Square q0 = 0, q1 = 0, q2 = 0, q3 = 0;
    std::uint64_t i = 0;
    for (; i + 4 <= count; i += 4, p += 4 * frameSize) {
        const auto a = value(p), b = value(p + frameSize), c = value(p + 2 * frameSize),
                   d = value(p + 3 * frameSize);
        s0 += a;
        s1 += b;
        s2 += c;
        s3 += d;
        q0 += static_cast<Square>(a * a);
        q1 += static_cast<Square>(b * b);
        q2 += static_cast<Square>(c * c);
        q3 += static_cast<Square>(d * d);
    }
    for (; i < count; ++i, p += frameSize) {
        const auto a = value(p);
        s0 += a;
        q0 += static_cast<Square>(a * a);
    }
    sum = (s0 + s1) + (s2 + s3);
    squares = (q0 + q1) + (q2 + q3);
}

// Moments of one dataset's raw numeric values (before calibration: integers as their signed
// or unsigned value, Booleans 0/1, floats as they are) in n frames frameSize bytes apart.
// NaN and infinities are skipped. Integers up to 4 bytes are summed exactly in integers (one
// pass, which keeps the attach scan close to its speed without them); floats and 8-byte
// integers are summed as deviations from the first value of a run, so that a small ripple on
// a large offset does not cancel.
template <class K>
Moments ScanMoments(const KeyCodec& codec, const std::uint8_t* frames, std::uint64_t n,
                    std::uint64_t frameSize) {
    using B = KeyBits<K>;
    using S = std::make_signed_t<K>;
    constexpr std::uint64_t RUN = 4096;  // keeps the exact integer sums inside 128 bits
    const std::uint8_t* p = frames + codec.frameOffset;
    const K mask = static_cast<K>(codec.mask);
    const bool boolean = IsBooleanType(codec.dataType);
    Moments total;
    for (std::uint64_t i = 0; i < n;) {
        const std::uint64_t stop = std::min<std::uint64_t>(n, i + RUN);
        const std::uint64_t count = stop - i;
        Moments run;
        if (codec.cls != KeyClass::Float && sizeof(K) <= 4) {
            // Exact: sum and sum of squares as integers. One value's square fits in 64 bits; a
            // run's sum of squares does from 2 bytes down (below 2^45).
            __int128 sum = 0, squares = 0;
            if (boolean) {
                std::int64_t ones = 0, unused = 0;
                SumSquares(
                    p, count, frameSize,
                    [mask](const std::uint8_t* q) -> std::int64_t {
                        return (B::Load(q) & mask) != 0 ? 1 : 0;
                    },
                    ones, unused);
                sum = squares = ones;
            } else if (codec.cls == KeyClass::Signed) {
                using Square = std::conditional_t<sizeof(K) <= 2, std::int64_t, __int128>;
                std::int64_t s = 0;
                Square q = 0;
                SumSquares(
                    p, count, frameSize,
                    [mask](const std::uint8_t* r) -> std::int64_t {
                        return static_cast<S>(B::Load(r) & mask);
                    },
                    s, q);
                sum = s;
                squares = q;
            } else {
                using Square = std::conditional_t<sizeof(K) <= 2, std::uint64_t, __int128>;
                std::uint64_t s = 0;
                Square q = 0;
                SumSquares(
                    p, count, frameSize,
                    [mask](const std::uint8_t* r) -> std::uint64_t { return B::Load(r) & mask; }, s,
                    q);
                sum = s;
                squares = static_cast<__int128>(q);
            }
            i = stop;
            run = MomentsOfSums(count, sum, squares);
        } else {
            double shift = 0.0, sum = 0.0, squares = 0.0;
            std::uint64_t used = 0;
            for (; i < stop; ++i, p += frameSize) {
                double v = 0.0;
                if constexpr (sizeof(K) == 4) {
                    v = std::bit_cast<float>(static_cast<std::uint32_t>(B::Load(p)));
                } else if constexpr (sizeof(K) == 8) {
                    if (codec.cls == KeyClass::Float)
                        v = std::bit_cast<double>(static_cast<std::uint64_t>(B::Load(p)));
                    else if (codec.cls == KeyClass::Signed)
                        v = static_cast<double>(static_cast<S>(B::Load(p) & mask));
                    else
                        v = static_cast<double>(B::Load(p) & mask);
                }
                if (!std::isfinite(v))
                    continue;
                if (used == 0)
                    shift = v;
                const double d = v - shift;
                sum += d;
                squares += d * d;
                ++used;
            }
            if (used == 0)
                continue;
            run.count = used;
            const double u = static_cast<double>(used);
            run.mean = shift + sum / u;
            run.m2 = std::max(0.0, squares - sum * sum / u);
        }
        total.Add(run);
    }
    return total;
}

// Combined blocks of a pyramid over frames [first, end): whole blocks from the coarsest
// level that fits (at most 2 x (factor - 1) per level), and the frames before the first and
// after the last whole finest block through raw(first, end, acc), which returns a
// ReadStatus. Blocks of the finest level hold finestBlock frames; the last block of a level
// may be short, and the end of the data ends it whole. Returns 0 or the first raw status.
template <class Block, class Acc, class Raw>
int RangeBlocks(const std::vector<std::vector<Block>>& levels, std::uint64_t finestBlock,
                std::uint64_t factor, std::uint64_t frameCount, std::uint64_t first,
                std::uint64_t end, Raw&& raw, Acc& acc) {
    if (first >= end)
        return 0;
    const std::uint64_t P = finestBlock;
    const std::uint64_t F = factor;
    const std::uint64_t finestBlocks = levels.empty() ? 0 : levels[0].size();
    std::uint64_t lo = (first + P - 1) / P;
    std::uint64_t hi = end >= frameCount ? finestBlocks : end / P;
    if (lo >= hi)
        return raw(first, end, acc);
    if (first < lo * P) {
        if (const int status = raw(first, lo * P, acc))
            return status;
    }
    if (end < frameCount && hi * P < end) {
        if (const int status = raw(hi * P, end, acc))
            return status;
    }
    for (std::size_t level = 0; lo < hi; ++level) {
        const std::vector<Block>& blocks = levels[level];
        if (level + 1 == levels.size()) {
            for (; lo < hi; ++lo)
                acc.Add(blocks[lo]);
            break;
        }
        const std::uint64_t n = blocks.size();
        for (; lo < hi && lo % F != 0; ++lo)
            acc.Add(blocks[lo]);
        for (; lo < hi && hi % F != 0 && hi != n; --hi)
            acc.Add(blocks[hi - 1]);
        if (lo >= hi)
            break;
        lo /= F;
        hi = hi == n ? levels[level + 1].size() : hi / F;
    }
    return 0;
}

// First frame in [first, end) whose block chain holds the key: walks the pyramid in frame
// order, skipping the coarsest blocks that do not hold it (holds(block)) and descending into
// the first that does; scan(first, end, found) looks at raw frames and returns a ReadStatus.
// found stays false when no frame holds the key.
template <class Block, class Holds, class Scan>
int LocateInBlocks(const std::vector<std::vector<Block>>& levels, std::uint64_t finestBlock,
                   std::uint64_t factor, std::uint64_t frameCount, std::uint64_t first,
                   std::uint64_t end, Holds&& holds, Scan&& scan, std::uint64_t& frame,
                   bool& found) {
    found = false;
    if (first >= end)
        return 0;
    const std::uint64_t P = finestBlock;
    const std::uint64_t finestBlocks = levels.empty() ? 0 : levels[0].size();
    const std::uint64_t lo = (first + P - 1) / P;
    const std::uint64_t hi = end >= frameCount ? finestBlocks : end / P;
    if (lo >= hi)
        return scan(first, end, frame, found);
    if (first < lo * P) {
        if (const int status = scan(first, lo * P, frame, found); status != 0 || found)
            return status;
    }
    const std::size_t top = levels.size() - 1;
    std::size_t cap = top;
    for (std::uint64_t i = lo; i < hi;) {
        std::size_t k = 0;
        std::uint64_t span = 1;
        while (k < cap && i % (span * factor) == 0 &&
               std::min(i + span * factor, finestBlocks) <= hi) {
            ++k;
            span *= factor;
        }
        if (holds(levels[k][i / span])) {
            if (k == 0)
                return scan(i * P, std::min((i + 1) * P, frameCount), frame, found);
            cap = k - 1;
            continue;
        }
        i += span;
        cap = top;
    }
    if (end < frameCount && hi * P < end)
        return scan(hi * P, end, frame, found);
    return 0;
}

}  // namespace grafyon
