// Stored frame intervals, new frame numbers and the compaction of frames.
#include "save_plan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "viewer/data/measurement_description.h"

namespace grafyon {

std::vector<FrameInterval> MergedRangeIntervals(std::span<const SaveRange> ranges,
                                                std::uint64_t frameCount) {
    std::vector<FrameInterval> clamped;
    if (frameCount == 0)
        return clamped;
    const std::uint64_t lastFrame = frameCount - 1;
    for (const SaveRange& r : ranges) {
        if (!r.active)
            continue;
        const std::uint64_t first = std::min(r.start, r.stop);
        const std::uint64_t last = std::max(r.start, r.stop);
        if (first > lastFrame)
            continue;
        clamped.push_back({first, std::min(last, lastFrame)});
    }
    std::sort(clamped.begin(), clamped.end(),
              [](const FrameInterval& a, const FrameInterval& b) { return a.first < b.first; });
    std::vector<FrameInterval> merged;
    for (const FrameInterval& i : clamped) {
        // The largest stop so far decides: a nested range adds nothing.
        if (!merged.empty() && i.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, i.last);
        else
            merged.push_back(i);
    }
    return merged;
}

std::vector<FrameInterval> StoredIntervals(StoreMode mode, std::span<const SaveRange> ranges,
                                           std::uint64_t frameCount) {
    if (frameCount == 0)
        return {};
    switch (mode) {
        case StoreMode::All:
            return {{0, frameCount - 1}};
        case StoreMode::InsideRanges:
            return MergedRangeIntervals(ranges, frameCount);
        case StoreMode::OutsideRanges: {
            std::vector<FrameInterval> gaps;
            std::uint64_t next = 0;  // first frame not yet covered
            for (const FrameInterval& i : MergedRangeIntervals(ranges, frameCount)) {
                if (i.first > next)
                    gaps.push_back({next, i.first - 1});
                next = i.last + 1;
            }
            if (next < frameCount)
                gaps.push_back({next, frameCount - 1});
            return gaps;
        }
    }
    return {};
}

std::uint64_t FrameTotal(std::span<const FrameInterval> intervals) {
    std::uint64_t total = 0;
    for (const FrameInterval& i : intervals)
        total += i.Count();
    return total;
}

std::optional<std::uint64_t> NewFrameIndex(std::span<const FrameInterval> stored,
                                           std::uint64_t frame) {
    std::uint64_t before = 0;
    for (const FrameInterval& i : stored) {
        if (frame < i.first)
            return std::nullopt;
        if (frame <= i.last)
            return before + (frame - i.first);
        before += i.Count();
    }
    return std::nullopt;
}

FramePlan PlanFrames(const MeasurementDescription& description) {
    FramePlan plan;
    const std::vector<Dataset*> all = description.Datasets();
    for (const Dataset* d : all) {
        if (d->Kind() == ELEMENT_DATASET && d->active)
            plan.datasets.push_back(d);
    }
    plan.compact = plan.datasets.size() != all.size();
    if (!plan.compact) {
        plan.frameSize = description.FrameSize();
        for (const Dataset* d : plan.datasets)
            plan.frameOffsets.push_back(d->frameOffset);
        return plan;
    }
    const std::uint64_t oldSize = description.FrameSize();
    std::erase_if(plan.datasets, [&](const Dataset* d) {
        return d->ValueSize() == 0 || d->valuesPerFrame == 0 || !d->FitsFrame(oldSize);
    });
    for (const Dataset* d : plan.datasets) {
        const std::uint64_t bytes = std::uint64_t(d->valuesPerFrame) * d->ValueSize();
        plan.frameOffsets.push_back(plan.frameSize);
        if (!plan.runs.empty() &&
            plan.runs.back().source + plan.runs.back().bytes == d->effectiveFrameOffset) {
            plan.runs.back().bytes += bytes;
        } else {
            plan.runs.push_back({d->effectiveFrameOffset, plan.frameSize, bytes});
        }
        plan.frameSize += bytes;
    }
    return plan;
}

namespace {

using Compactor = void (*)(const std::uint8_t* in, std::uint64_t frames, std::uint64_t oldSize,
                           std::uint8_t* out, std::uint64_t newSize, const CopyRun* runs);

// Few runs of one common value size: frame by frame, each frame's runs copied with sizes
// and counts the compiler knows (about three times faster than run by run).
constexpr std::size_t MAX_UNROLLED_RUNS = 8;

template <std::size_t SIZE, std::size_t COUNT>
void CopyEqualRuns(const std::uint8_t* in, std::uint64_t frames, std::uint64_t oldSize,
                   std::uint8_t* out, std::uint64_t newSize, const CopyRun* runs) {
    std::array<std::uint64_t, COUNT> source{};
    std::array<std::uint64_t, COUNT> target{};
    for (std::size_t k = 0; k < COUNT; ++k) {
        source[k] = runs[k].source;
        target[k] = runs[k].target;
    }
    for (std::uint64_t f = 0; f < frames; ++f, in += oldSize, out += newSize) {
        for (std::size_t k = 0; k < COUNT; ++k)
            std::memcpy(out + target[k], in + source[k], SIZE);
    }
}

template <std::size_t SIZE, std::size_t... COUNTS>
constexpr std::array<Compactor, sizeof...(COUNTS)> CompactorsOf(std::index_sequence<COUNTS...>) {
    return {&CopyEqualRuns<SIZE, COUNTS + 1>...};
}

// The unrolled compactor for the runs, or null.
Compactor UnrolledFor(std::span<const CopyRun> runs) {
    static constexpr auto SIZE_1 = CompactorsOf<1>(std::make_index_sequence<MAX_UNROLLED_RUNS>());
    static constexpr auto SIZE_2 = CompactorsOf<2>(std::make_index_sequence<MAX_UNROLLED_RUNS>());
    static constexpr auto SIZE_4 = CompactorsOf<4>(std::make_index_sequence<MAX_UNROLLED_RUNS>());
    static constexpr auto SIZE_8 = CompactorsOf<8>(std::make_index_sequence<MAX_UNROLLED_RUNS>());
    if (runs.empty() || runs.size() > MAX_UNROLLED_RUNS)
        return nullptr;
    const std::uint64_t size = runs.front().bytes;
    for (const CopyRun& run : runs) {
        if (run.bytes != size)
            return nullptr;
    }
    const std::size_t index = runs.size() - 1;
    switch (size) {
        case 1:
            return SIZE_1[index];
        case 2:
            return SIZE_2[index];
        case 4:
            return SIZE_4[index];
        case 8:
            return SIZE_8[index];
        default:
            return nullptr;
    }
}

}  // namespace

void CompactFrames(const std::uint8_t* in, std::uint64_t frames, std::uint64_t oldSize,
                   std::uint8_t* out, std::uint64_t newSize, std::span<const CopyRun> runs) {
    if (const Compactor unrolled = UnrolledFor(runs)) {
        unrolled(in, frames, oldSize, out, newSize, runs.data());
        return;
    }
    for (const CopyRun& run : runs) {
        const std::uint8_t* from = in + run.source;
        std::uint8_t* to = out + run.target;
        for (std::uint64_t f = 0; f < frames; ++f, from += oldSize, to += newSize)
            std::memcpy(to, from, run.bytes);
    }
}

}  // namespace grafyon
