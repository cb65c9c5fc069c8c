// What a save copies: the frames a store mode keeps, their new numbers, and where the values
// of the written datasets go in the new frames.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace grafyon {

class Dataset;
class Element;
class MeasurementDescription;

enum class StoreMode {
    All = 0,            // every frame
    InsideRanges = 1,   // the frames inside the active ranges
    OutsideRanges = 2,  // the frames outside every active range
};

// A range as the document keeps it (a spot when start equals stop).
struct SaveRange {
    std::string name;
    std::string comment;
    std::uint64_t start = 0;
    std::uint64_t stop = 0;
    bool active = true;
    // The range (kind 21) or spot (kind 22) element it came from, or null.
    const Element* source = nullptr;
};

// Frames first ... last, both included.
struct FrameInterval {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::uint64_t Count() const { return last - first + 1; }
    bool operator==(const FrameInterval&) const = default;
};

// The active ranges clamped to frames 0 ... frameCount - 1, sorted and merged where they
// overlap or touch, so nested and overlapping ranges give each frame once.
std::vector<FrameInterval> MergedRangeIntervals(std::span<const SaveRange> ranges,
                                                std::uint64_t frameCount);

// The frames a store mode keeps, in order and disjoint.
std::vector<FrameInterval> StoredIntervals(StoreMode mode, std::span<const SaveRange> ranges,
                                           std::uint64_t frameCount);

std::uint64_t FrameTotal(std::span<const FrameInterval> intervals);

// The number of an old frame in the new file: the old frame less the frames left out
// before it; nothing when the frame is left out.
std::optional<std::uint64_t> NewFrameIndex(std::span<const FrameInterval> stored,
                                           std::uint64_t frame);

// A stretch of bytes copied from every old frame into every new one.
struct CopyRun {
    std::uint64_t source = 0;  // offset in the old frame
    std::uint64_t target = 0;  // offset in the new frame
    std::uint64_t bytes = 0;
};

// The datasets a save writes and where their values go.
struct FramePlan {
    std::vector<const Dataset*> datasets;  // in file order
    // Frame offset of each written dataset in the new frame.
    std::vector<std::uint64_t> frameOffsets;
    std::uint64_t frameSize = 0;  // of the new frames
    // False: every dataset is written and the frames are copied unchanged.
    bool compact = false;
    std::vector<CopyRun> runs;  // when compacting: adjacent values joined
};

// The active kind-100 datasets in file order. When they are all datasets of the
// measurement, the frames keep their effective size and the datasets their offsets;
// otherwise every frame is compacted to the values of the active datasets (values per
// frame x value size bytes each, one after the other), leaving out a dataset whose values
// do not lie inside the frame.
FramePlan PlanFrames(const MeasurementDescription& description);

// Copies the runs of frames old frames of oldSize bytes into new frames of newSize bytes.
void CompactFrames(const std::uint8_t* in, std::uint64_t frames, std::uint64_t oldSize,
                   std::uint8_t* out, std::uint64_t newSize, std::span<const CopyRun> runs);

}  // namespace grafyon
