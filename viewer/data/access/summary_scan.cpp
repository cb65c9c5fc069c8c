// Vectorised min/max scan of frames into the summaries, one lane per dataset.
#include "summary_scan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>
#include <type_traits>

#include "dataset_summary.h"
#include "viewer/data/data_type.h"

namespace grafyon {

namespace {

// Groups are laid out in units of 32 bytes; kernels walk them in vectors of 16 bytes
// (SSE2, every x86-64) or, where the processor has AVX2, of 32 bytes.
constexpr std::size_t VECTOR_BYTES = 32;
// Datasets further apart than this start a new group instead of scanning the gap.
constexpr std::uint64_t MAX_GAP = 32;
// Frames scanned per vector pass, so that a run stays in the first-level cache.
constexpr std::uint64_t RUN_BYTES = 32u << 10;

// GCC/Clang vector extensions give portable SIMD code; the compiler emits min/max
// instructions for the comparisons below.
template <class T, std::size_t BYTES>
struct VectorOf {
    typedef T type __attribute__((vector_size(BYTES)));
};

// Loads one vector of VB bytes.
template <class V>
[[gnu::always_inline]] inline V Load(const std::uint8_t* p) {
    V x;
    std::memcpy(&x, p, sizeof(V));
    return x;
}

// Per vector of lanes: minimum and maximum keys of the masked integers over the frames.
// Four frames per step with their own accumulators, so that the comparisons of successive
// frames do not wait for each other.
template <class K, bool SIGNED, std::size_t VB>
[[gnu::always_inline]] inline void IntegerKernel(const std::uint8_t* base, std::uint64_t frames,
                                                 std::uint64_t frameSize, std::size_t bytes,
                                                 const std::uint8_t* masks, std::uint8_t* outMin,
                                                 std::uint8_t* outMax) {
    using V = typename VectorOf<K, VB>::type;
    const V zero = {};
    // Masked keys: signed values get their sign bit flipped so that unsigned order holds.
    const V flip = zero + (SIGNED ? KeyBits<K>::SIGN : K(0));
    for (std::size_t v = 0; v < bytes; v += VB) {
        const V mask = Load<V>(masks + v);
        V lo0 = ~zero, lo1 = ~zero, lo2 = ~zero, lo3 = ~zero;
        V hi0 = zero, hi1 = zero, hi2 = zero, hi3 = zero;
        const std::uint8_t* p = base + v;
        std::uint64_t f = 0;
        for (; f + 4 <= frames; f += 4, p += 4 * frameSize) {
            const V x0 = (Load<V>(p) & mask) ^ flip;
            const V x1 = (Load<V>(p + frameSize) & mask) ^ flip;
            const V x2 = (Load<V>(p + 2 * frameSize) & mask) ^ flip;
            const V x3 = (Load<V>(p + 3 * frameSize) & mask) ^ flip;
            lo0 = x0 < lo0 ? x0 : lo0;
            lo1 = x1 < lo1 ? x1 : lo1;
            lo2 = x2 < lo2 ? x2 : lo2;
            lo3 = x3 < lo3 ? x3 : lo3;
            hi0 = x0 > hi0 ? x0 : hi0;
            hi1 = x1 > hi1 ? x1 : hi1;
            hi2 = x2 > hi2 ? x2 : hi2;
            hi3 = x3 > hi3 ? x3 : hi3;
        }
        for (; f < frames; ++f, p += frameSize) {
            const V x = (Load<V>(p) & mask) ^ flip;
            lo0 = x < lo0 ? x : lo0;
            hi0 = x > hi0 ? x : hi0;
        }
        lo0 = lo1 < lo0 ? lo1 : lo0;
        lo2 = lo3 < lo2 ? lo3 : lo2;
        lo0 = lo2 < lo0 ? lo2 : lo0;
        hi0 = hi1 > hi0 ? hi1 : hi0;
        hi2 = hi3 > hi2 ? hi3 : hi2;
        hi0 = hi2 > hi0 ? hi2 : hi0;
        std::memcpy(outMin + v, &lo0, VB);
        std::memcpy(outMax + v, &hi0, VB);
    }
}

// Floats compare as numbers: a NaN never wins a comparison, so it is skipped for free;
// a lane that ends at an infinity (or saw no number at all) is rescanned exactly.
template <class F, std::size_t VB>
[[gnu::always_inline]] inline void FloatKernel(const std::uint8_t* base, std::uint64_t frames,
                                               std::uint64_t frameSize, std::size_t bytes,
                                               std::uint8_t* outMin, std::uint8_t* outMax) {
    using V = typename VectorOf<F, VB>::type;
    const V zero = {};
    const V inf = zero + std::numeric_limits<F>::infinity();
    for (std::size_t v = 0; v < bytes; v += VB) {
        V lo0 = inf, lo1 = inf, lo2 = inf, lo3 = inf;
        V hi0 = -inf, hi1 = -inf, hi2 = -inf, hi3 = -inf;
        const std::uint8_t* p = base + v;
        std::uint64_t f = 0;
        for (; f + 4 <= frames; f += 4, p += 4 * frameSize) {
            const V x0 = Load<V>(p);
            const V x1 = Load<V>(p + frameSize);
            const V x2 = Load<V>(p + 2 * frameSize);
            const V x3 = Load<V>(p + 3 * frameSize);
            lo0 = x0 < lo0 ? x0 : lo0;
            lo1 = x1 < lo1 ? x1 : lo1;
            lo2 = x2 < lo2 ? x2 : lo2;
            lo3 = x3 < lo3 ? x3 : lo3;
            hi0 = x0 > hi0 ? x0 : hi0;
            hi1 = x1 > hi1 ? x1 : hi1;
            hi2 = x2 > hi2 ? x2 : hi2;
            hi3 = x3 > hi3 ? x3 : hi3;
        }
        for (; f < frames; ++f, p += frameSize) {
            const V x = Load<V>(p);
            lo0 = x < lo0 ? x : lo0;
            hi0 = x > hi0 ? x : hi0;
        }
        lo0 = lo1 < lo0 ? lo1 : lo0;
        lo2 = lo3 < lo2 ? lo3 : lo2;
        lo0 = lo2 < lo0 ? lo2 : lo0;
        hi0 = hi1 > hi0 ? hi1 : hi0;
        hi2 = hi3 > hi2 ? hi3 : hi2;
        hi0 = hi2 > hi0 ? hi2 : hi0;
        std::memcpy(outMin + v, &lo0, VB);
        std::memcpy(outMax + v, &hi0, VB);
    }
}

// Frames per inner pass of the moments kernel: the narrow sums below cannot overflow in it.
constexpr std::uint64_t MOMENT_RUN = 128;

// Per vector of lanes of 1- or 2-byte integers: sum and sum of squares of the masked values
// (signed ones sign-extended) over the frames, added to each lane's 64-bit sums. A vector is
// widened by reading it as one of half as many lanes of twice the width and splitting those
// into the even and the odd lanes, so no value needs a shuffle: W holds a value and its
// square, X a run's sum of squares. Within MOMENT_RUN frames, W holds a run's sum of 1-byte
// values (128 x 255) and X one of squares of 2-byte values.
template <class K, bool SIGNED, std::size_t VB>
[[gnu::always_inline]] inline void MomentKernel(const std::uint8_t* base, std::uint64_t frames,
                                                std::uint64_t frameSize, std::size_t bytes,
                                                const std::uint8_t* masks, std::int64_t* sums,
                                                std::int64_t* squares) {
    static_assert(sizeof(K) <= 2);
    using W = std::conditional_t<sizeof(K) == 1, std::uint16_t, std::uint32_t>;
    using X = std::conditional_t<sizeof(K) == 1, std::uint32_t, std::uint64_t>;
    using SW = std::make_signed_t<W>;
    using V = typename VectorOf<K, VB>::type;
    using VW = typename VectorOf<W, VB>::type;
    using VSW = typename VectorOf<SW, VB>::type;
    using VX = typename VectorOf<X, VB>::type;
    constexpr int BITS = 8 * sizeof(K);
    constexpr std::size_t WIDE = VB / sizeof(W), WIDER = VB / sizeof(X);
    const VW low = VW{} + W((W(1) << BITS) - 1);
    const VX lower = VX{} + X((X(1) << (2 * BITS)) - 1);
    for (std::size_t v = 0; v < bytes; v += VB) {
        const V mask = Load<V>(masks + v);
        std::int64_t* sum = sums + v / sizeof(K);
        std::int64_t* square = squares + v / sizeof(K);
        const std::uint8_t* p = base + v;
        for (std::uint64_t f = 0; f < frames;) {
            const std::uint64_t stop = std::min(frames, f + MOMENT_RUN);
            VW se = {}, so = {};
            VX qee = {}, qeo = {}, qoe = {}, qoo = {};
            for (; f < stop; ++f, p += frameSize) {
                const VW w = (VW)(Load<V>(p) & mask);
                VW e, o;
                if constexpr (SIGNED) {
                    e = (VW)(((VSW)(w << BITS)) >> BITS);
                    o = (VW)(((VSW)w) >> BITS);
                } else {
                    e = w & low;
                    o = w >> BITS;
                }
                se += e;
                so += o;
                const VX e2 = (VX)(e * e), o2 = (VX)(o * o);
                qee += e2 & lower;
                qeo += e2 >> (2 * BITS);
                qoe += o2 & lower;
                qoo += o2 >> (2 * BITS);
            }
            // Lane 2i is even lane i of W; lane 4j and 4j + 2 are the low and high halves
            // of X lane j of the even squares, 4j + 1 and 4j + 3 of the odd ones.
            for (std::size_t i = 0; i < WIDE; ++i) {
                sum[2 * i] += SIGNED ? std::int64_t(SW(se[i])) : std::int64_t(se[i]);
                sum[2 * i + 1] += SIGNED ? std::int64_t(SW(so[i])) : std::int64_t(so[i]);
            }
            for (std::size_t j = 0; j < WIDER; ++j) {
                square[4 * j] += static_cast<std::int64_t>(qee[j]);
                square[4 * j + 2] += static_cast<std::int64_t>(qeo[j]);
                square[4 * j + 1] += static_cast<std::int64_t>(qoe[j]);
                square[4 * j + 3] += static_cast<std::int64_t>(qoo[j]);
            }
        }
    }
}

// Per vector of float or double lanes: count, sum and sum of squares of the finite values'
// deviations from each lane's shift, in double, added to the lanes' sums; NaN and infinities
// are left out. A vector of VB bytes holds VB / 8 doubles, made from as many values.
template <class F, std::size_t VB>
[[gnu::always_inline]] inline void FloatMomentKernel(const std::uint8_t* base, std::uint64_t frames,
                                                     std::uint64_t frameSize, std::size_t bytes,
                                                     const double* shifts, std::uint64_t* counts,
                                                     double* sums, double* squares) {
    constexpr std::size_t LANES = VB / sizeof(double);
    constexpr std::size_t STEP = LANES * sizeof(F);  // frame bytes per vector of doubles
    using D = typename VectorOf<double, VB>::type;
    using M = typename VectorOf<std::int64_t, VB>::type;
    using H = typename VectorOf<F, STEP>::type;
    for (std::size_t v = 0; v < bytes; v += STEP) {
        const std::size_t lane = v / sizeof(F);
        D shift;
        std::memcpy(&shift, shifts + lane, sizeof(D));
        D sum = {}, square = {};
        M count = {};
        const std::uint8_t* p = base + v;
        for (std::uint64_t f = 0; f < frames; ++f, p += frameSize) {
            D d = __builtin_convertvector(Load<H>(p), D) - shift;
            const M finite = (d - d) == 0;  // false for NaN and infinities
            d = (D)((M)d & finite);
            sum += d;
            square += d * d;
            count -= finite;
        }
        for (std::size_t i = 0; i < LANES; ++i) {
            counts[lane + i] += static_cast<std::uint64_t>(count[i]);
            sums[lane + i] += sum[i];
            squares[lane + i] += square[i];
        }
    }
}

using FloatMomentKernelFn = void (*)(const std::uint8_t*, std::uint64_t, std::uint64_t, std::size_t,
                                     const double*, std::uint64_t*, double*, double*);

using MomentKernelFn = void (*)(const std::uint8_t*, std::uint64_t, std::uint64_t, std::size_t,
                                const std::uint8_t*, std::int64_t*, std::int64_t*);

using IntegerKernelFn = void (*)(const std::uint8_t*, std::uint64_t, std::uint64_t, std::size_t,
                                 const std::uint8_t*, std::uint8_t*, std::uint8_t*);
using FloatKernelFn = void (*)(const std::uint8_t*, std::uint64_t, std::uint64_t, std::size_t,
                               std::uint8_t*, std::uint8_t*);

template <class K, bool SIGNED>
void IntegerKernelSse(const std::uint8_t* b, std::uint64_t n, std::uint64_t fs, std::size_t bytes,
                      const std::uint8_t* m, std::uint8_t* lo, std::uint8_t* hi) {
    IntegerKernel<K, SIGNED, 16>(b, n, fs, bytes, m, lo, hi);
}
template <class F>
void FloatKernelSse(const std::uint8_t* b, std::uint64_t n, std::uint64_t fs, std::size_t bytes,
                    std::uint8_t* lo, std::uint8_t* hi) {
    FloatKernel<F, 16>(b, n, fs, bytes, lo, hi);
}

template <class K, bool SIGNED>
void MomentKernelSse(const std::uint8_t* b, std::uint64_t n, std::uint64_t fs, std::size_t bytes,
                     const std::uint8_t* m, std::int64_t* sums, std::int64_t* squares) {
    MomentKernel<K, SIGNED, 16>(b, n, fs, bytes, m, sums, squares);
}

template <class F>
void FloatMomentKernelSse(const std::uint8_t* b, std::uint64_t n, std::uint64_t fs,
                          std::size_t bytes, const double* shifts, std::uint64_t* counts,
                          double* sums, double* squares) {
    FloatMomentKernel<F, 16>(b, n, fs, bytes, shifts, counts, sums, squares);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define GRAFYON_SCAN_AVX2 1
template <class F>
__attribute__((target("avx2"))) void FloatMomentKernelAvx2(const std::uint8_t* b, std::uint64_t n,
                                                           std::uint64_t fs, std::size_t bytes,
                                                           const double* shifts,
                                                           std::uint64_t* counts, double* sums,
                                                           double* squares) {
    FloatMomentKernel<F, 32>(b, n, fs, bytes, shifts, counts, sums, squares);
}
template <class K, bool SIGNED>
__attribute__((target("avx2"))) void MomentKernelAvx2(const std::uint8_t* b, std::uint64_t n,
                                                      std::uint64_t fs, std::size_t bytes,
                                                      const std::uint8_t* m, std::int64_t* sums,
                                                      std::int64_t* squares) {
    MomentKernel<K, SIGNED, 32>(b, n, fs, bytes, m, sums, squares);
}
template <class K, bool SIGNED>
__attribute__((target("avx2"))) void IntegerKernelAvx2(const std::uint8_t* b, std::uint64_t n,
                                                       std::uint64_t fs, std::size_t bytes,
                                                       const std::uint8_t* m, std::uint8_t* lo,
                                                       std::uint8_t* hi) {
    IntegerKernel<K, SIGNED, 32>(b, n, fs, bytes, m, lo, hi);
}
template <class F>
__attribute__((target("avx2"))) void FloatKernelAvx2(const std::uint8_t* b, std::uint64_t n,
                                                     std::uint64_t fs, std::size_t bytes,
                                                     std::uint8_t* lo, std::uint8_t* hi) {
    FloatKernel<F, 32>(b, n, fs, bytes, lo, hi);
}
#endif

bool ProcessorHasAvx2() {
#ifdef GRAFYON_SCAN_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
#else
    return false;
#endif
}

template <class K, bool SIGNED>
IntegerKernelFn PickInteger([[maybe_unused]] bool wide) {
#ifdef GRAFYON_SCAN_AVX2
    if (wide)
        return &IntegerKernelAvx2<K, SIGNED>;
#endif
    return &IntegerKernelSse<K, SIGNED>;
}
template <class K, bool SIGNED>
MomentKernelFn PickMoments([[maybe_unused]] bool wide) {
#ifdef GRAFYON_SCAN_AVX2
    if (wide)
        return &MomentKernelAvx2<K, SIGNED>;
#endif
    return &MomentKernelSse<K, SIGNED>;
}
template <class F>
FloatMomentKernelFn PickFloatMoments([[maybe_unused]] bool wide) {
#ifdef GRAFYON_SCAN_AVX2
    if (wide)
        return &FloatMomentKernelAvx2<F>;
#endif
    return &FloatMomentKernelSse<F>;
}
template <class F>
FloatKernelFn PickFloat([[maybe_unused]] bool wide) {
#ifdef GRAFYON_SCAN_AVX2
    if (wide)
        return &FloatKernelAvx2<F>;
#endif
    return &FloatKernelSse<F>;
}

}  // namespace

struct SummaryScanner::LaneGroup {
    static constexpr std::uint64_t NO_BLOCK = ~std::uint64_t{0};

    KeyClass cls = KeyClass::Unsigned;
    std::uint32_t width = 0;
    std::uint64_t start = 0;  // byte offset of lane 0 in the frame
    std::size_t vectors = 0;
    std::vector<DatasetSummary*> lanes;  // null for lanes that belong to no dataset
    std::vector<std::uint32_t> used;     // the lanes that belong to a dataset
    std::vector<void*> storage;          // per lane: its dataset's SummaryStorage<K>
    std::vector<std::uint8_t> masks;     // per lane, little-endian, width bytes
    std::vector<std::uint8_t> accMin;
    std::vector<std::uint8_t> accMax;
    IntegerKernelFn integerKernel = nullptr;
    FloatKernelFn floatKernel = nullptr;
    // Moments summed over the current moments block, per lane: 1- and 2-byte integers
    // exactly, floats as deviations from the block's first finite value (so that a small
    // ripple on a large offset does not cancel).
    struct MomentSums {
        std::vector<std::uint32_t> lanes;  // the used lanes whose moments the group sums
        std::uint64_t block = NO_BLOCK;
        std::uint64_t frames = 0;
        std::vector<std::int64_t> sums, squares;  // integers
        std::vector<std::uint64_t> counts;        // floats
        std::vector<double> shifts, deviations, squaredDeviations;
        std::vector<std::uint8_t> shifted;  // the lane's shift is set
    };
    MomentKernelFn momentKernel = nullptr;
    FloatMomentKernelFn floatMomentKernel = nullptr;
    std::size_t momentBytes = 0;  // bytes of the lanes the moments kernels pass over
    MomentSums moments;
    // The group's class and width, chosen once: scan a run of frames, write what is staged.
    void (*run)(LaneGroup& g, const std::uint8_t* frames, std::uint64_t n, std::uint64_t frameSize,
                std::uint64_t block, std::uint64_t cacheBlock) = nullptr;
    void (*flush)(LaneGroup& g) = nullptr;

    // Level-0 blocks are first combined in a stage of stageBlocks blocks per used lane and
    // written to the datasets' arrays a stretch at a time: writing 32 arrays block by block
    // is bound by cache misses. Each used lane also keeps its current cache block.
    std::uint64_t stageBlocks = 1;
    std::uint64_t stageBase = 0;
    std::uint64_t stageFirst = 0;  // the stage's blocks in use: [stageFirst, stageEnd); another
    std::uint64_t stageEnd = 0;    // scanner may own the blocks around them
    std::uint64_t cacheBlock = NO_BLOCK;
    // Of these only the vectors of the group's key width are used.
    template <class K>
    using Pairs = std::vector<KeyPair<K>>;
    std::tuple<Pairs<std::uint8_t>, Pairs<std::uint16_t>, Pairs<std::uint32_t>,
               Pairs<std::uint64_t>>
        stages, caches;

    std::uint64_t End() const { return start + lanes.size() * width; }

    template <class K>
    Pairs<K>& Stage() {
        return std::get<Pairs<K>>(stages);
    }
    template <class K>
    Pairs<K>& Cache() {
        return std::get<Pairs<K>>(caches);
    }
};

namespace {

// Bytes of a group's stage: small enough to stay in the second-level cache.
constexpr std::uint64_t STAGE_BYTES = 64u << 10;
constexpr std::uint64_t MAX_STAGE_BLOCKS = 512;

template <class K>
void FlushStage(SummaryScanner::LaneGroup& g) {
    std::vector<KeyPair<K>>& stage = g.Stage<K>();
    for (std::size_t u = 0; u < g.used.size(); ++u) {
        auto& level0 = static_cast<SummaryStorage<K>*>(g.storage[g.used[u]])->levels[0];
        KeyPair<K>* staged = stage.data() + u * g.stageBlocks;
        const std::uint64_t n =
            std::min(g.stageEnd, level0.size() - std::min(level0.size(), g.stageBase));
        for (std::uint64_t b = g.stageFirst; b < n; ++b) {
            level0[g.stageBase + b].Add(staged[b]);
            staged[b] = {};
        }
    }
    g.stageEnd = 0;
}

template <class K>
void FlushCache(SummaryScanner::LaneGroup& g) {
    if (g.cacheBlock == SummaryScanner::LaneGroup::NO_BLOCK)
        return;
    std::vector<KeyPair<K>>& current = g.Cache<K>();
    for (std::size_t u = 0; u < g.used.size(); ++u) {
        auto& cache = static_cast<SummaryStorage<K>*>(g.storage[g.used[u]])->cache;
        if (g.cacheBlock < cache.size())
            cache[g.cacheBlock].Add(current[u]);
        current[u] = {};
    }
    g.cacheBlock = SummaryScanner::LaneGroup::NO_BLOCK;
}

// Moves the stage and the cache block to where a run of frames lies.
template <class K>
void Position(SummaryScanner::LaneGroup& g, std::uint64_t block, std::uint64_t cacheBlock) {
    if (block < g.stageBase || block >= g.stageBase + g.stageBlocks) {
        FlushStage<K>(g);
        g.stageBase = block / g.stageBlocks * g.stageBlocks;
    }
    if (g.stageEnd == 0)
        g.stageFirst = block - g.stageBase;
    g.stageEnd = std::max(g.stageEnd, block - g.stageBase + 1);
    if (cacheBlock != g.cacheBlock) {
        FlushCache<K>(g);
        g.cacheBlock = cacheBlock;
    }
}

template <class K>
void Merge(SummaryScanner::LaneGroup& g, std::size_t u, std::uint64_t block,
           const KeyPair<K>& pair) {
    g.Stage<K>()[u * g.stageBlocks + (block - g.stageBase)].Add(pair);
    g.Cache<K>()[u].Add(pair);
}

void FlushMoments(SummaryScanner::LaneGroup& g) {
    SummaryScanner::LaneGroup::MomentSums& m = g.moments;
    if (m.block == SummaryScanner::LaneGroup::NO_BLOCK)
        return;
    const bool floats = g.cls == KeyClass::Float;
    for (const std::uint32_t l : m.lanes) {
        std::vector<Moments>& blocks = g.lanes[l]->MutableMoments().levels[0];
        if (m.block >= blocks.size())
            continue;
        if (!floats) {
            blocks[m.block].Add(MomentsOfSums(m.frames, m.sums[l], m.squares[l]));
        } else if (m.counts[l] > 0) {
            const double n = static_cast<double>(m.counts[l]);
            Moments block;
            block.count = m.counts[l];
            block.mean = m.shifts[l] + m.deviations[l] / n;
            block.m2 =
                std::max(0.0, m.squaredDeviations[l] - m.deviations[l] * m.deviations[l] / n);
            blocks[m.block].Add(block);
        }
    }
    for (auto* v : {&m.sums, &m.squares})
        std::fill(v->begin(), v->end(), 0);
    std::fill(m.counts.begin(), m.counts.end(), 0);
    for (auto* v : {&m.shifts, &m.deviations, &m.squaredDeviations})
        std::fill(v->begin(), v->end(), 0.0);
    std::fill(m.shifted.begin(), m.shifted.end(), 0);
    m.frames = 0;
    m.block = SummaryScanner::LaneGroup::NO_BLOCK;
}

// Moves the moments sums to the block a run of frames lies in. A run never crosses a
// moments block: runs end at every finest block.
void PositionMoments(SummaryScanner::LaneGroup& g, std::uint64_t block) {
    static_assert(MOMENTS_BLOCK % SUMMARY_FINEST_BLOCK == 0);
    const std::uint64_t momentBlock = block * SUMMARY_FINEST_BLOCK / MOMENTS_BLOCK;
    if (momentBlock != g.moments.block) {
        FlushMoments(g);
        g.moments.block = momentBlock;
    }
}

template <class K, bool SIGNED>
void RunInteger(SummaryScanner::LaneGroup& g, const std::uint8_t* frames, std::uint64_t n,
                std::uint64_t frameSize, std::uint64_t block, std::uint64_t cacheBlock) {
    g.integerKernel(frames + g.start, n, frameSize, g.vectors * VECTOR_BYTES, g.masks.data(),
                    g.accMin.data(), g.accMax.data());
    if (g.momentKernel != nullptr) {
        PositionMoments(g, block);
        g.momentKernel(frames + g.start, n, frameSize, g.momentBytes, g.masks.data(),
                       g.moments.sums.data(), g.moments.squares.data());
        g.moments.frames += n;
    }
    Position<K>(g, block, cacheBlock);
    for (std::size_t u = 0; u < g.used.size(); ++u) {
        const std::size_t l = g.used[u];
        KeyPair<K> pair;
        std::memcpy(&pair.minimum, g.accMin.data() + l * sizeof(K), sizeof(K));
        std::memcpy(&pair.maximum, g.accMax.data() + l * sizeof(K), sizeof(K));
        Merge(g, u, block, pair);
    }
}

template <class K, class F>
void RunFloat(SummaryScanner::LaneGroup& g, const std::uint8_t* frames, std::uint64_t n,
              std::uint64_t frameSize, std::uint64_t block, std::uint64_t cacheBlock) {
    g.floatKernel(frames + g.start, n, frameSize, g.vectors * VECTOR_BYTES, g.accMin.data(),
                  g.accMax.data());
    Position<K>(g, block, cacheBlock);
    for (std::size_t u = 0; u < g.used.size(); ++u) {
        const std::size_t l = g.used[u];
        F lo, hi;
        std::memcpy(&lo, g.accMin.data() + l * sizeof(F), sizeof(F));
        std::memcpy(&hi, g.accMax.data() + l * sizeof(F), sizeof(F));
        KeyPair<K> pair;
        if (std::isfinite(lo) && std::isfinite(hi)) {
            pair.Add(*KeyBits<K>::ToKey(KeyClass::Float, std::bit_cast<K>(lo), 0));
            pair.Add(*KeyBits<K>::ToKey(KeyClass::Float, std::bit_cast<K>(hi), 0));
        } else {
            pair = ScanKeys<K>(g.lanes[l]->Codec(), frames, n, frameSize);
        }
        Merge(g, u, block, pair);
    }
    if (g.floatMomentKernel != nullptr) {
        PositionMoments(g, block);
        SummaryScanner::LaneGroup::MomentSums& m = g.moments;
        for (const std::uint32_t l : m.lanes) {
            if (m.shifted[l])
                continue;
            const std::uint8_t* p = frames + g.start + l * sizeof(F);
            for (std::uint64_t f = 0; f < n; ++f, p += frameSize) {
                F v;
                std::memcpy(&v, p, sizeof(F));
                if (std::isfinite(v)) {
                    m.shifts[l] = v;
                    m.shifted[l] = 1;
                    break;
                }
            }
        }
        g.floatMomentKernel(frames + g.start, n, frameSize, g.momentBytes, m.shifts.data(),
                            m.counts.data(), m.deviations.data(), m.squaredDeviations.data());
        m.frames += n;
    }
}

template <class K>
void FlushGroup(SummaryScanner::LaneGroup& g) {
    FlushStage<K>(g);
    FlushCache<K>(g);
    FlushMoments(g);
}

}  // namespace

SummaryScanner::SummaryScanner(std::span<DatasetSummary* const> summaries, std::uint64_t frameSize,
                               std::uint64_t frameCount, bool moments, bool wideVectors)
    : m_frameSize(frameSize),
      m_cacheBlockFrames(CacheBlockFrames(frameCount)),
      m_maxRun(std::max<std::uint64_t>(1, RUN_BYTES / std::max<std::uint64_t>(frameSize, 1))) {
    std::vector<DatasetSummary*> sorted(summaries.begin(), summaries.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const DatasetSummary* a, const DatasetSummary* b) {
                         const KeyCodec& x = a->Codec();
                         const KeyCodec& y = b->Codec();
                         if (x.cls != y.cls)
                             return x.cls < y.cls;
                         if (x.width != y.width)
                             return x.width < y.width;
                         return x.frameOffset < y.frameOffset;
                     });
    std::size_t open = 0;  // groups before this index have another class or width
    for (DatasetSummary* summary : sorted) {
        const KeyCodec& c = summary->Codec();
        if (open < m_groups.size() &&
            (m_groups[open].cls != c.cls || m_groups[open].width != c.width)) {
            open = m_groups.size();
        }
        LaneGroup* target = nullptr;
        std::size_t lane = 0;
        for (std::size_t g = open; g < m_groups.size() && target == nullptr; ++g) {
            LaneGroup& group = m_groups[g];
            if (c.frameOffset < group.start || (c.frameOffset - group.start) % c.width != 0)
                continue;
            if (c.frameOffset > group.End() + MAX_GAP)
                continue;
            lane = static_cast<std::size_t>((c.frameOffset - group.start) / c.width);
            // Two datasets on the same bytes (bit fields with their own masks) need two lanes.
            if (lane < group.lanes.size() && group.lanes[lane] != nullptr)
                continue;
            target = &group;
        }
        if (target == nullptr) {
            m_groups.emplace_back();
            target = &m_groups.back();
            target->cls = c.cls;
            target->width = c.width;
            target->start = c.frameOffset;
            lane = 0;
        }
        if (target->lanes.size() <= lane)
            target->lanes.resize(lane + 1, nullptr);
        target->lanes[lane] = summary;
    }
    for (LaneGroup& g : m_groups) {
        const std::uint64_t span = g.lanes.size() * g.width;
        g.vectors = static_cast<std::size_t>((span + VECTOR_BYTES - 1) / VECTOR_BYTES);
        g.lanes.resize(g.vectors * VECTOR_BYTES / g.width, nullptr);
        g.masks.assign(g.vectors * VECTOR_BYTES, 0);
        g.accMin.assign(g.vectors * VECTOR_BYTES, 0);
        g.accMax.assign(g.vectors * VECTOR_BYTES, 0);
        g.storage.assign(g.lanes.size(), nullptr);
        for (std::size_t l = 0; l < g.lanes.size(); ++l) {
            DatasetSummary* s = g.lanes[l];
            if (s == nullptr)
                continue;
            g.used.push_back(static_cast<std::uint32_t>(l));
            g.storage[l] = std::visit([](auto& storage) -> void* { return &storage; }, s->Keys());
            for (std::uint32_t b = 0; b < g.width; ++b) {
                g.masks[l * g.width + b] = static_cast<std::uint8_t>(s->Codec().mask >> (8 * b));
            }
        }
        const std::uint64_t pairBytes = 2 * g.width;
        g.stageBlocks = std::clamp<std::uint64_t>(STAGE_BYTES / (pairBytes * g.used.size()), 1,
                                                  MAX_STAGE_BLOCKS);
        const std::size_t stage = static_cast<std::size_t>(g.stageBlocks * g.used.size());
        const bool wide = wideVectors && ProcessorHasAvx2();
        VisitKeyType(g.cls, g.width,
                     [&]<class K, KeyClass CLS>(std::type_identity<K>, KeyClassConstant<CLS>) {
                         g.Stage<K>().resize(stage);
                         g.Cache<K>().resize(g.used.size());
                         g.flush = &FlushGroup<K>;
                         if constexpr (CLS == KeyClass::Float) {
                             using F = std::conditional_t<sizeof(K) == 4, float, double>;
                             g.floatKernel = PickFloat<F>(wide);
                             g.run = &RunFloat<K, F>;
                             if (moments)
                                 g.floatMomentKernel = PickFloatMoments<F>(wide);
                         } else {
                             g.integerKernel = PickInteger<K, CLS == KeyClass::Signed>(wide);
                             g.run = &RunInteger<K, CLS == KeyClass::Signed>;
                             if constexpr (sizeof(K) <= 2) {
                                 if (moments)
                                     g.momentKernel = PickMoments<K, CLS == KeyClass::Signed>(wide);
                             }
                         }
                     });
        if (!moments)
            continue;
        // Booleans count their set values, not their bits: they and the lanes of the other
        // kinds are summed one dataset at a time.
        const bool vector = g.momentKernel != nullptr || g.floatMomentKernel != nullptr;
        for (const std::uint32_t l : g.used) {
            if (vector && !IsBooleanType(g.lanes[l]->Codec().dataType))
                g.moments.lanes.push_back(l);
            else
                m_scalarMoments.push_back(g.lanes[l]);
        }
        if (g.moments.lanes.empty()) {
            g.momentKernel = nullptr;
            g.floatMomentKernel = nullptr;
        }
        LaneGroup::MomentSums& m = g.moments;
        const std::size_t lanes = g.lanes.size();
        if (!m.lanes.empty()) {
            // Vectors past the last summed lane are left out (a lone float is half a vector).
            const std::uint64_t unit = g.cls == KeyClass::Float ? VECTOR_BYTES / 2 : VECTOR_BYTES;
            const std::uint64_t end = (std::uint64_t{m.lanes.back()} + 1) * g.width;
            g.momentBytes = static_cast<std::size_t>((end + unit - 1) / unit * unit);
        }
        if (g.momentKernel != nullptr) {
            m.sums.assign(lanes, 0);
            m.squares.assign(lanes, 0);
        }
        if (g.floatMomentKernel != nullptr) {
            m.counts.assign(lanes, 0);
            m.shifts.assign(lanes, 0.0);
            m.deviations.assign(lanes, 0.0);
            m.squaredDeviations.assign(lanes, 0.0);
            m.shifted.assign(lanes, 0);
        }
    }
}

SummaryScanner::~SummaryScanner() = default;

std::size_t SummaryScanner::GroupCount() const {
    return m_groups.size();
}

void SummaryScanner::Finish() {
    for (LaneGroup& g : m_groups)
        g.flush(g);
}

void SummaryScanner::Scan(const std::uint8_t* frames, std::uint64_t first, std::uint64_t n) {
    const std::uint64_t P = SUMMARY_FINEST_BLOCK;
    const std::uint64_t B = m_cacheBlockFrames;
    std::uint64_t pos = 0;
    while (pos < n) {
        const std::uint64_t f = first + pos;
        const std::uint64_t end =
            std::min({first + n, (f / P + 1) * P, (f / B + 1) * B, f + m_maxRun});
        const std::uint8_t* base = frames + pos * m_frameSize;
        for (LaneGroup& g : m_groups)
            g.run(g, base, end - f, m_frameSize, f / P, f / B);
        pos = end - first;
    }
    for (DatasetSummary* summary : m_scalarMoments)
        summary->AddMoments(frames, first, n, m_frameSize);
}

}  // namespace grafyon
