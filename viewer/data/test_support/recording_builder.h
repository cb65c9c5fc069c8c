// Builds measurement descriptions in memory and their data files as raw bytes, for the
// data access tests and benchmarks (independent of the MDF reader and the generator).
#pragma once

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "viewer/data/data_type.h"
#include "viewer/data/measurement_description.h"

namespace grafyon::test {

inline std::unique_ptr<MeasurementDescription> NewDescription(std::uint64_t frameSize) {
    auto d = std::make_unique<MeasurementDescription>();
    auto header = std::make_unique<HeaderElement>();
    header->frameSize = static_cast<std::uint32_t>(frameSize);
    header->effectiveFrameSize = frameSize;
    header->fileName = "test.mdf";
    header->filePath = "/nonexistent/test.mdf";
    d->Append(std::move(header));
    return d;
}

inline Dataset* AddDataset(MeasurementDescription& d, const std::string& name, std::uint32_t type,
                           std::uint64_t frameOffset, double factor = 1.0, double offset = 0.0,
                           std::uint32_t mask = 0xFFFFFFFF, std::uint32_t kind = ELEMENT_DATASET) {
    auto ds = std::make_unique<Dataset>(kind);
    ds->number = static_cast<std::uint32_t>(d.Datasets().size());
    ds->name = name;
    ds->label = name;
    ds->dataType = type;
    ds->dataMask = mask;
    ds->factor = factor;
    ds->offset = offset;
    ds->frameOffset = static_cast<std::uint32_t>(frameOffset);
    ds->effectiveFrameOffset = frameOffset;
    ds->valuesPerFrame = 1;
    return static_cast<Dataset*>(d.Append(std::move(ds)));
}

inline DataFileElement* AddDataFile(MeasurementDescription& d, std::uint32_t number,
                                    const std::string& path, std::uint64_t dataOffset = 0) {
    auto f = std::make_unique<DataFileElement>();
    f->fileNumber = number;
    f->fileName = path.substr(path.find_last_of('/') + 1);
    f->fullPath = path;
    f->dataOffset = dataOffset;
    return static_cast<DataFileElement*>(d.Append(std::move(f)));
}

inline TimeSegmentElement* AddSegment(MeasurementDescription& d, std::uint32_t fileNumber,
                                      std::uint64_t frames, std::uint64_t firstFrameInFile = 0,
                                      double step = 0.001) {
    auto s = std::make_unique<TimeSegmentElement>();
    s->dataFileNumber = fileNumber;
    s->segmentNumber = static_cast<std::uint32_t>(d.TimeSegments().size() + 1);
    s->frameCount = frames;
    s->firstFrameInFile = firstFrameInFile;
    s->sampleStep = step;
    s->carrierName = "Time";
    s->carrierUnit = "sec";
    return static_cast<TimeSegmentElement*>(d.Append(std::move(s)));
}

inline CommentElement* AddComment(MeasurementDescription& d, const std::string& text) {
    auto c = std::make_unique<CommentElement>();
    c->text = text;
    return static_cast<CommentElement*>(d.Append(std::move(c)));
}

// Frames as raw bytes, written value by value at byte offsets.
class FrameBytes {
public:
    FrameBytes(std::uint64_t frameSize, std::uint64_t frames)
        : m_frameSize(frameSize), m_bytes(frameSize * frames, 0) {}

    std::uint64_t FrameSize() const { return m_frameSize; }
    std::uint64_t Frames() const { return m_bytes.size() / m_frameSize; }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    std::uint8_t* At(std::uint64_t frame, std::uint64_t offset) {
        return m_bytes.data() + frame * m_frameSize + offset;
    }

    void U8(std::uint64_t f, std::uint64_t o, std::uint8_t v) { *At(f, o) = v; }
    void U16(std::uint64_t f, std::uint64_t o, std::uint16_t v) { StoreU16LE(At(f, o), v); }
    void U32(std::uint64_t f, std::uint64_t o, std::uint32_t v) { StoreU32LE(At(f, o), v); }
    void U64(std::uint64_t f, std::uint64_t o, std::uint64_t v) { StoreU64LE(At(f, o), v); }
    void F32(std::uint64_t f, std::uint64_t o, float v) {
        StoreU32LE(At(f, o), std::bit_cast<std::uint32_t>(v));
    }
    void F64(std::uint64_t f, std::uint64_t o, double v) {
        StoreU64LE(At(f, o), std::bit_cast<std::uint64_t>(v));
    }

private:
    std::uint64_t m_frameSize;
    std::vector<std::uint8_t> m_bytes;
};

// Writes leading filler bytes (a data offset) and then the frames.
inline bool WriteDataFile(const std::string& path, const std::vector<std::uint8_t>& frames,
                          std::uint64_t leadingBytes = 0) {
    BinaryFileWriter w;
    if (!w.Create(path))
        return false;
    std::vector<std::uint8_t> lead(leadingBytes, 0xEE);
    w.Write(lead);
    w.Write(frames);
    return w.Close();
}

}  // namespace grafyon::test
