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

struct MomentLevels {
    std::vector<std::vector<Moments>> levels;  // levels[k][i]: block i of level k
};

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
    Moments total;
    for (std::uint64_t i = 0; i < n;) {
        const std::uint64_t stop = std::min<std::uint64_t>(n, i + RUN);
        const std::uint64_t count = stop - i;
        Moments run;
        if (codec.cls != KeyClass::Float && sizeof(K) <= 4) {
            // Exact: sum and sum of squares as integers, m2 = (n * squares - sum^2) / n.
            __int128 sum = 0, squares = 0;
            if (IsBooleanType(codec.dataType)) {
                std::int64_t ones = 0;
                for (; i < stop; ++i, p += frameSize)
                    ones += (B::Load(p) & mask) != 0 ? 1 : 0;
                sum = squares = ones;
            } else if (codec.cls == KeyClass::Signed) {
                // Up to 2 bytes a run's squares stay below 2^45: 64-bit sums suffice.
                using Square = std::conditional_t<sizeof(K) <= 2, std::int64_t, __int128>;
                std::int64_t s = 0;
                Square q = 0;
                for (; i < stop; ++i, p += frameSize) {
                    const std::int64_t v = static_cast<S>(B::Load(p) & mask);
                    s += v;
                    q += static_cast<Square>(v * v);
                }
                sum = s;
                squares = q;
            } else {
                using Square = std::conditional_t<sizeof(K) <= 2, std::uint64_t, __int128>;
                std::uint64_t s = 0;
                Square q = 0;
                for (; i < stop; ++i, p += frameSize) {
                    const std::uint64_t v = B::Load(p) & mask;
                    s += v;
                    q += static_cast<Square>(v * v);
                }
                sum = s;
                squares = static_cast<__int128>(q);
            }
            const auto c = static_cast<__int128>(count);
            run.count = count;
            run.mean = static_cast<double>(sum) / static_cast<double>(count);
            run.m2 = static_cast<double>(c * squares - sum * sum) / static_cast<double>(count);
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
