// Consecutive frames of a measurement, read in chunks across time segments and data files.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace grafyon {

class MappedFile;
class MeasurementDescription;

// One time segment as the readers see it; built when a description is attached.
struct SegmentSource {
    std::uint64_t firstFrame = 0;  // index of its frame 0 in the measurement
    std::uint64_t frameCount = 0;
    MappedFile* file = nullptr;      // null when the frames are in memory or the file is unknown
    std::uint64_t filePosition = 0;  // data offset + first frame in file x frame size
    std::span<const std::uint8_t> memory;  // the frames, when the segment holds them in memory
    bool inMemory = false;
};

// A run of consecutive frames of one time segment as it lies in its source: a stretch of
// an open data file, or of the segment's memory.
struct FrameStretch {
    const MappedFile* file = nullptr;  // null when the frames are in memory
    std::uint64_t position = 0;        // in the data file
    std::uint64_t bytes = 0;
    std::span<const std::uint8_t> memory;  // the frames, when they are in memory
};

// Where every frame of an attached measurement lies. Owned by the DataAccess.
struct FrameSource {
    const MeasurementDescription* description = nullptr;
    std::uint64_t frameSize = 0;
    std::uint64_t frameCount = 0;
    std::vector<SegmentSource> segments;  // in segment order

    // Index into segments of the segment holding frame, or segments.size() when none does.
    std::size_t SegmentOf(std::uint64_t frame) const;
    // Reads frames [first, first + count) into dest (count x frameSize bytes) without
    // views, for short random reads. READ_OK or a ReadStatus; READ_TRUNCATED also when a
    // frame lies beyond the segments.
    int ReadFrames(std::uint64_t first, std::uint64_t count, std::uint8_t* dest) const;
    // Appends the stretches of frames [first, first + count), one per segment touched, in
    // order. READ_OK, or READ_TRUNCATED when a frame lies beyond the segments or the
    // stretch is not inside its file or memory.
    int Stretches(std::uint64_t first, std::uint64_t count,
                  std::vector<FrameStretch>& stretches) const;
};

// One read request: frames [FirstFrame(), FirstFrame() + FrameCount()) of a
// measurement delivered chunk by chunk into the caller's buffer. Opened and closed through
// DataAccess (OpenReader / CloseReader); the buffer stays the caller's.
class FrameReader {
public:
    // Checks the request in the documented order and sets up one segment reader per time
    // segment that the range touches. count < 0, or first + count beyond the data, reads to
    // the end. Returns nullptr and a ReaderStatus in status on failure.
    static std::unique_ptr<FrameReader> Create(const FrameSource& source, std::int64_t first,
                                               std::int64_t count, std::span<std::uint8_t> buffer,
                                               int& status);
    ~FrameReader();
    FrameReader(const FrameReader&) = delete;
    FrameReader& operator=(const FrameReader&) = delete;

    // Reads the next chunk to the start of the buffer. Returns the number of whole frames
    // placed there (> 0), 0 at the end of the range, or a negative ReadStatus when a frame
    // of the range cannot be read (the data file was truncated or failed); after an error
    // every further call returns the same error. One chunk never mixes two segments.
    std::int64_t ReadChunk();

    std::uint64_t FirstFrame() const { return m_first; }
    std::uint64_t FrameCount() const { return m_count; }
    std::uint64_t FrameSize() const { return m_frameSize; }
    std::uint64_t FramesPerChunk() const { return m_framesPerChunk; }
    // Measurement index of the first frame that the next chunk delivers.
    std::uint64_t CurrentFrame() const { return m_current; }
    std::span<std::uint8_t> Buffer() const { return m_buffer; }
    // 0, or the ReadStatus that stopped the reading.
    int Status() const { return m_status; }
    // Number of segment readers set up (tests and diagnostics).
    std::size_t SegmentReaderCount() const { return m_readers.size(); }

private:
    // Chunks of at least this many bytes that the view does not hold already are read
    // straight into the caller's buffer, without the view's copy.
    static constexpr std::uint64_t DIRECT_READ_BYTES = 256u << 10;

    struct SegmentReader {
        const SegmentSource* segment = nullptr;
        std::uint64_t next = 0;       // next frame inside the segment
        std::uint64_t remaining = 0;  // frames still to read from it
    };

    FrameReader() = default;
    std::int64_t ReadFrom(SegmentReader& reader);

    const FrameSource* m_source = nullptr;
    std::uint64_t m_first = 0;
    std::uint64_t m_count = 0;
    std::uint64_t m_frameSize = 0;
    std::uint64_t m_framesPerChunk = 0;
    std::uint64_t m_current = 0;
    std::span<std::uint8_t> m_buffer;
    std::vector<SegmentReader> m_readers;
    std::size_t m_reader = 0;
    int m_status = 0;
};

}  // namespace grafyon
