// The single pass at attach that fills every dataset's extremes cache and pyramid level 0.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "value_key.h"

namespace grafyon {

class DatasetSummary;

// Scans frames for all summaries at once. Datasets of one key class and width that lie
// close together in the frame are scanned as one group of lanes with SIMD vectors, frame
// after frame, so a recording of many channels costs about one vector operation per
// 32 bytes of frame and kind; NaN and infinities are skipped.
class SummaryScanner {
public:
    // Bytes after the last frame of a scanned buffer that the scanner may read (and ignore);
    // callers allocate their buffer that much larger.
    static constexpr std::size_t SLACK = 64;

    // moments: also fill the summaries' moments (1- and 2-byte integers in the same vector
    // pass, the other kinds one dataset at a time). wideVectors: use 32-byte vectors (AVX2)
    // where the processor has them; false keeps to the 16-byte kernels that every x86-64
    // processor runs (for tests of both).
    SummaryScanner(std::span<DatasetSummary* const> summaries, std::uint64_t frameSize,
                   std::uint64_t frameCount, bool moments, bool wideVectors = true);
    ~SummaryScanner();
    SummaryScanner(const SummaryScanner&) = delete;
    SummaryScanner& operator=(const SummaryScanner&) = delete;

    // Adds n frames (frameSize bytes apart, measurement frames first ... first + n - 1)
    // to every summary's level 0, cache blocks and moments. Frames come in ascending order.
    void Scan(const std::uint8_t* frames, std::uint64_t first, std::uint64_t n);
    // Writes what is still staged into the summaries; call after the last Scan.
    void Finish();

    std::size_t GroupCount() const;

    struct LaneGroup;

private:
    std::uint64_t m_frameSize;
    std::uint64_t m_cacheBlockFrames;
    std::uint64_t m_maxRun;
    std::vector<LaneGroup> m_groups;
    std::vector<DatasetSummary*> m_scalarMoments;  // moments summed one dataset at a time
};

}  // namespace grafyon
