// Per-dataset summaries built at attach: the extremes cache and a min/max pyramid.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "range_moments.h"
#include "value_key.h"

namespace grafyon {

class Dataset;

// Levels of a summary: level 0 holds the keys of every block of FINEST_BLOCK frames,
// level k+1 combines LEVEL_FACTOR blocks of level k, up to a level of at most
// LEVEL_FACTOR blocks. Two keys of the value's own width per block make the pyramid
// 2 / 128 x 8 / 7 = 1.8 % of the dataset's bytes.
inline constexpr std::uint64_t SUMMARY_FINEST_BLOCK = 128;
inline constexpr std::uint64_t SUMMARY_LEVEL_FACTOR = 8;
// The extremes cache keeps at most this many blocks per dataset.
inline constexpr std::uint64_t EXTREMES_CACHE_BLOCKS = 4096;

// Frames per cache block for a measurement of frameCount frames: 1 up to 4096 frames,
// else ceil(N / 4096).
std::uint64_t CacheBlockFrames(std::uint64_t frameCount);

template <class K>
struct SummaryStorage {
    std::vector<std::vector<KeyPair<K>>> levels;  // levels[k][i]: block i of level k
    std::vector<KeyPair<K>> cache;                // the extremes cache blocks
    KeyPair<K> overall;
};

// The summaries of one kind-100 dataset. Keys are kept in the value's own width
// (value_key.h) and decode to exactly the calibrated values of the raw data.
class DatasetSummary {
public:
    DatasetSummary(const Dataset& dataset, const KeyCodec& codec, std::uint64_t frameCount);

    const Dataset& Owner() const { return *m_dataset; }
    const KeyCodec& Codec() const { return m_codec; }
    std::uint64_t FrameCount() const { return m_frameCount; }

    // Builds the upper levels and the overall extremes from level 0 (after the scan); without
    // moments their levels are dropped.
    void Finish(bool withMoments = true);

    // Overall calibrated extremes; (0, 0) when the dataset has no finite value. False then.
    bool Overall(double& minimum, double& maximum) const;

    // The extremes cache: block i covers frames [i x B, min((i + 1) x B, N)).
    std::uint64_t CacheBlockFrames() const { return m_cacheBlockFrames; }
    std::size_t CacheBlockCount() const;
    // Calibrated extremes of one cache block; false (and 0, 0) when it holds no finite value.
    bool CacheBlock(std::size_t index, double& minimum, double& maximum) const;

    // The pyramid: level k has blocks of FINEST_BLOCK x FACTOR^k frames.
    std::size_t LevelCount() const;
    std::uint64_t LevelBlockFrames(std::size_t level) const;
    std::size_t LevelBlockCount(std::size_t level) const;

    // Bytes held by the pyramid, the cache and the moments.
    std::uint64_t Bytes() const;

    // Moments of the raw values per block of MOMENTS_BLOCK frames (level 0, filled by the
    // attach scan through AddMoments) and coarser levels of SUMMARY_LEVEL_FACTOR blocks
    // (built by Finish).
    const MomentLevels& RawMoments() const { return m_moments; }
    // Level 0 of the moments for a reader of stored summaries (before Finish).
    MomentLevels& MutableMoments() { return m_moments; }
    bool HasMoments() const { return !m_moments.levels.empty(); }
    std::uint64_t MomentBytes() const;
    // Adds the moments of n frames (frameSize bytes apart, measurement frames first ...
    // first + n - 1) to level 0. Callers that scan in parallel own whole blocks each.
    void AddMoments(const std::uint8_t* frames, std::uint64_t first, std::uint64_t n,
                    std::uint64_t frameSize);

    // Typed storage for the scanner and the queries.
    using Storage = std::variant<SummaryStorage<std::uint8_t>, SummaryStorage<std::uint16_t>,
                                 SummaryStorage<std::uint32_t>, SummaryStorage<std::uint64_t>>;
    Storage& Keys() { return m_storage; }
    const Storage& Keys() const { return m_storage; }

private:
    const Dataset* m_dataset;
    KeyCodec m_codec;
    std::uint64_t m_frameCount;
    std::uint64_t m_cacheBlockFrames;
    Storage m_storage;
    MomentLevels m_moments;
};

// Keys of one dataset's values in n frames that lie frameSize bytes apart. The loops are
// branch-free, one per key class, with two accumulators so that successive frames do not
// wait for each other: the raw path of the pixel-column query runs through here.
template <class K>
KeyPair<K> ScanKeys(const KeyCodec& codec, const std::uint8_t* frames, std::uint64_t n,
                    std::uint64_t frameSize) {
    using B = KeyBits<K>;
    static constexpr K NONE_LOW = std::numeric_limits<K>::max();
    const std::uint8_t* p = frames + codec.frameOffset;
    const K mask = static_cast<K>(codec.mask);
    const K flip = codec.cls == KeyClass::Signed ? B::SIGN : K(0);
    K lo0 = NONE_LOW, lo1 = NONE_LOW, hi0 = 0, hi1 = 0;
    const auto add = [](K& lo, K& hi, K key, bool valid) {
        lo = std::min(lo, valid ? key : NONE_LOW);
        hi = std::max(hi, valid ? key : K(0));
    };
    std::uint64_t i = 0;
    if constexpr (sizeof(K) == 4 || sizeof(K) == 8) {
        // Floats compare as numbers first (a NaN never wins a comparison); only a range
        // that ends at an infinity, or holds no number, is looked at again key by key.
        using F = std::conditional_t<sizeof(K) == 4, float, double>;
        if (codec.cls == KeyClass::Float) {
            constexpr F inf = std::numeric_limits<F>::infinity();
            F l0 = inf, l1 = inf, h0 = -inf, h1 = -inf;
            const std::uint8_t* q = p;
            for (; i + 2 <= n; i += 2, q += 2 * frameSize) {
                const F a = std::bit_cast<F>(B::Load(q)),
                        b = std::bit_cast<F>(B::Load(q + frameSize));
                l0 = a < l0 ? a : l0;
                h0 = a > h0 ? a : h0;
                l1 = b < l1 ? b : l1;
                h1 = b > h1 ? b : h1;
            }
            if (i < n) {
                const F a = std::bit_cast<F>(B::Load(q));
                l0 = a < l0 ? a : l0;
                h0 = a > h0 ? a : h0;
            }
            const F l = l1 < l0 ? l1 : l0, h = h1 > h0 ? h1 : h0;
            if (std::isfinite(l) && std::isfinite(h)) {
                KeyPair<K> pair;
                pair.Add(*B::ToKey(KeyClass::Float, std::bit_cast<K>(l), 0));
                pair.Add(*B::ToKey(KeyClass::Float, std::bit_cast<K>(h), 0));
                return pair;
            }
            i = 0;
        }
    }
    if (codec.cls == KeyClass::Float) {
        const auto floatKey = [](K bits) {
            if ((bits & K(~B::SIGN)) == 0)
                bits = 0;  // -0 counts as 0
            return B::FloatKey(bits);
        };
        for (; i + 2 <= n; i += 2, p += 2 * frameSize) {
            const K a = B::Load(p), b = B::Load(p + frameSize);
            add(lo0, hi0, floatKey(a), B::FloatFinite(a));
            add(lo1, hi1, floatKey(b), B::FloatFinite(b));
        }
        if (i < n)
            add(lo0, hi0, floatKey(B::Load(p)), B::FloatFinite(B::Load(p)));
    } else {
        for (; i + 2 <= n; i += 2, p += 2 * frameSize) {
            add(lo0, hi0, K((B::Load(p) & mask) ^ flip), true);
            add(lo1, hi1, K((B::Load(p + frameSize) & mask) ^ flip), true);
        }
        if (i < n)
            add(lo0, hi0, K((B::Load(p) & mask) ^ flip), true);
    }
    // A float range without a finite value stays empty (minimum > maximum).
    KeyPair<K> pair;
    pair.minimum = std::min(lo0, lo1);
    pair.maximum = std::max(hi0, hi1);
    return pair;
}

// Combined keys of frames [first, end) from the pyramid: whole blocks from the coarsest
// level that fits (at most 2 x (FACTOR - 1) blocks per level), and the frames before the
// first and after the last whole finest block through raw(first, end, pair), which returns
// a ReadStatus. Returns READ_OK or the first failing raw status.
template <class K, class Raw>
int RangeKeys(const SummaryStorage<K>& storage, std::uint64_t frameCount, std::uint64_t first,
              std::uint64_t end, Raw&& raw, KeyPair<K>& pair) {
    return RangeBlocks(storage.levels, SUMMARY_FINEST_BLOCK, SUMMARY_LEVEL_FACTOR, frameCount,
                       first, end, raw, pair);
}

}  // namespace grafyon
