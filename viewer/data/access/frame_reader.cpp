// Chunked frame reading across time segments.
#include "frame_reader.h"

#include <algorithm>
#include <cstring>

#include "access_status.h"
#include "mapped_file.h"

namespace grafyon {

std::size_t FrameSource::SegmentOf(std::uint64_t frame) const {
    // The first segment whose end lies beyond the frame; empty segments never match.
    const auto it = std::upper_bound(
        segments.begin(), segments.end(), frame,
        [](std::uint64_t f, const SegmentSource& s) { return f < s.firstFrame + s.frameCount; });
    if (it == segments.end() || frame < it->firstFrame)
        return segments.size();
    return static_cast<std::size_t>(it - segments.begin());
}

int FrameSource::ReadFrames(std::uint64_t first, std::uint64_t count, std::uint8_t* dest) const {
    while (count > 0) {
        const std::size_t index = SegmentOf(first);
        if (index >= segments.size())
            return READ_TRUNCATED;
        const SegmentSource& s = segments[index];
        const std::uint64_t inside = first - s.firstFrame;
        const std::uint64_t n = std::min(count, s.frameCount - inside);
        const std::uint64_t bytes = n * frameSize;
        if (s.inMemory) {
            if ((inside + n) * frameSize > s.memory.size())
                return READ_TRUNCATED;
            std::memcpy(dest, s.memory.data() + inside * frameSize, bytes);
        } else if (s.file != nullptr) {
            const int status =
                s.file->ReadAt(s.filePosition + inside * frameSize, std::span(dest, bytes));
            if (status != READ_OK)
                return status;
        } else {
            return READ_TRUNCATED;
        }
        dest += bytes;
        first += n;
        count -= n;
    }
    return READ_OK;
}

int FrameSource::Stretches(std::uint64_t first, std::uint64_t count,
                           std::vector<FrameStretch>& stretches) const {
    while (count > 0) {
        const std::size_t index = SegmentOf(first);
        if (index >= segments.size())
            return READ_TRUNCATED;
        const SegmentSource& s = segments[index];
        const std::uint64_t inside = first - s.firstFrame;
        const std::uint64_t n = std::min(count, s.frameCount - inside);
        FrameStretch stretch;
        stretch.bytes = n * frameSize;
        if (s.inMemory) {
            if ((inside + n) * frameSize > s.memory.size())
                return READ_TRUNCATED;
            stretch.memory = s.memory.subspan(inside * frameSize, stretch.bytes);
        } else if (s.file != nullptr) {
            stretch.file = s.file;
            stretch.position = s.filePosition + inside * frameSize;
            if (stretch.position > s.file->Size() ||
                stretch.bytes > s.file->Size() - stretch.position)
                return READ_TRUNCATED;
        } else {
            return READ_TRUNCATED;
        }
        stretches.push_back(stretch);
        first += n;
        count -= n;
    }
    return READ_OK;
}

std::unique_ptr<FrameReader> FrameReader::Create(const FrameSource& source, std::int64_t first,
                                                 std::int64_t count, std::span<std::uint8_t> buffer,
                                                 int& status) {
    const std::uint64_t frames = source.frameCount;
    if (first < 0 || static_cast<std::uint64_t>(first) >= frames) {
        status = READER_BAD_FIRST_FRAME;
        return nullptr;
    }
    if (count == 0) {
        status = READER_ZERO_COUNT;
        return nullptr;
    }
    const std::uint64_t start = static_cast<std::uint64_t>(first);
    std::uint64_t wanted = frames - start;
    if (count > 0 && static_cast<std::uint64_t>(count) < wanted)
        wanted = static_cast<std::uint64_t>(count);
    if (buffer.data() == nullptr) {
        status = READER_NO_BUFFER;
        return nullptr;
    }
    if (source.frameSize == 0) {
        status = READER_NO_FRAME_SIZE;
        return nullptr;
    }
    if (buffer.size() < source.frameSize) {
        status = READER_BUFFER_TOO_SMALL;
        return nullptr;
    }

    const std::size_t firstSegment = source.SegmentOf(start);
    const std::size_t lastSegment = source.SegmentOf(start + wanted - 1);
    if (firstSegment >= source.segments.size() || lastSegment >= source.segments.size()) {
        status = READER_BAD_FIRST_FRAME;
        return nullptr;
    }

    std::unique_ptr<FrameReader> reader(new FrameReader());
    reader->m_source = &source;
    reader->m_first = start;
    reader->m_count = wanted;
    reader->m_current = start;
    reader->m_frameSize = source.frameSize;
    reader->m_framesPerChunk = buffer.size() / source.frameSize;
    reader->m_buffer = buffer;
    std::uint64_t still = wanted;
    for (std::size_t i = firstSegment; i <= lastSegment && still > 0; ++i) {
        const SegmentSource& s = source.segments[i];
        if (s.frameCount == 0)
            continue;
        const std::uint64_t inside = start > s.firstFrame ? start - s.firstFrame : 0;
        const std::uint64_t n = std::min(still, s.frameCount - inside);
        // A segment that cannot be read is an error of the request, not a silent gap.
        if (!s.inMemory && s.file == nullptr) {
            status = READER_SEGMENT_FAILED;
            return nullptr;
        }
        reader->m_readers.push_back({&s, inside, n});
        still -= n;
    }
    status = READER_OK;
    return reader;
}

FrameReader::~FrameReader() {
    for (const SegmentReader& r : m_readers) {
        if (r.segment->file != nullptr)
            r.segment->file->ReleaseViews(this);
    }
}

std::int64_t FrameReader::ReadFrom(SegmentReader& r) {
    const std::uint64_t want = std::min(m_framesPerChunk, r.remaining);
    if (want == 0)
        return 0;
    const SegmentSource& s = *r.segment;
    std::uint64_t got = want;
    if (s.inMemory) {
        const std::uint64_t end = (r.next + want) * m_frameSize;
        if (end > s.memory.size())
            return READ_TRUNCATED;
        std::memcpy(m_buffer.data(), s.memory.data() + r.next * m_frameSize, want * m_frameSize);
    } else {
        const std::uint64_t position = s.filePosition + r.next * m_frameSize;
        const std::uint64_t bytes = want * m_frameSize;
        FileView* view = s.file->GetView(this, m_frameSize);
        if (bytes >= DIRECT_READ_BYTES && !view->Holds(position, bytes)) {
            // Whole frames that the file still holds are delivered; the next call fails.
            const std::int64_t read = s.file->ReadSomeAt(position, m_buffer.first(bytes));
            if (read < 0)
                return read;
            got = static_cast<std::uint64_t>(read) / m_frameSize;
            if (got == 0)
                return READ_TRUNCATED;
        } else {
            const MappedBytes mapped = view->Map(position, r.remaining * m_frameSize);
            if (mapped.data == nullptr)
                return mapped.status;
            got = std::min(want, mapped.available / m_frameSize);
            std::memcpy(m_buffer.data(), mapped.data, got * m_frameSize);
        }
    }
    r.next += got;
    r.remaining -= got;
    return static_cast<std::int64_t>(got);
}

std::int64_t FrameReader::ReadChunk() {
    if (m_status < 0)
        return m_status;
    while (m_reader < m_readers.size()) {
        const std::int64_t n = ReadFrom(m_readers[m_reader]);
        if (n < 0) {
            m_status = static_cast<int>(n);
            return n;
        }
        if (n > 0) {
            m_current += static_cast<std::uint64_t>(n);
            return n;
        }
        ++m_reader;
    }
    return 0;
}

}  // namespace grafyon
