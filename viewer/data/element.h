// The typed elements of a measurement description, in the form the MDF file stores them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/mdf_fields.h"

namespace grafyon {

class MeasurementDescription;

inline bool IsDatasetKind(std::uint32_t kind) {
    return kind == ELEMENT_DATASET || kind == ELEMENT_DATASET_EXTENDED ||
           kind == ELEMENT_DATASET_LIST;
}

// Head of every element. The fixed payload as read is kept, so bytes that nothing
// interprets are written back unchanged; the typed fields of the subclasses are
// what the program reads and changes.
class Element {
public:
    explicit Element(std::uint32_t kind, std::uint32_t version = ELEMENT_VERSION_1)
        : m_kind(kind), m_version(version) {}
    virtual ~Element() = default;
    Element(const Element&) = default;
    Element& operator=(const Element&) = default;

    virtual std::unique_ptr<Element> Clone() const = 0;

    std::uint32_t Kind() const { return m_kind; }
    void SetKind(std::uint32_t kind) { m_kind = kind; }
    std::uint32_t Version() const { return m_version; }
    void SetVersion(std::uint32_t version) { m_version = version; }
    // Size of the element in its file, head included (as read; writers recompute it).
    std::uint32_t FileSize() const { return m_fileSize; }
    void SetFileSize(std::uint32_t size) { m_fileSize = size; }

    std::vector<std::uint8_t>& RawPayload() { return m_raw; }
    const std::vector<std::uint8_t>& RawPayload() const { return m_raw; }

private:
    std::uint32_t m_kind;
    std::uint32_t m_version;
    std::uint32_t m_fileSize = 0;
    std::vector<std::uint8_t> m_raw;
};

template <class Derived>
class ElementOf : public Element {
public:
    using Element::Element;
    std::unique_ptr<Element> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

// How many elements of each kind the description holds, kept in its header.
struct HeaderCounters {
    std::uint32_t datasets100 = 0;
    std::uint32_t datasets101 = 0;
    std::uint32_t datasets110 = 0;
    std::uint32_t dataFiles = 0;
    std::uint32_t timeSegments = 0;
    std::uint32_t reserved10 = 0;
    std::uint32_t rangeNames = 0;
    std::uint32_t ranges = 0;
    std::uint32_t spots = 0;
    std::uint32_t comments = 0;
    std::uint32_t reserved70 = 0;
    std::uint32_t parameters = 0;
    std::uint32_t rangeParameters = 0;
};

// Kind 0: the 72-byte file header plus what the program knows about the file.
class HeaderElement : public ElementOf<HeaderElement> {
public:
    HeaderElement() : ElementOf(ELEMENT_HEADER, ELEMENT_VERSION_2) {}

    std::uint32_t formatVersion = ELEMENT_VERSION_2;
    std::uint32_t headerSize = 72;
    std::uint32_t frameSize = 0;
    std::uint32_t datasetCount = 0;
    std::uint32_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;

    std::string fileName;  // without folder
    std::string filePath;  // full path

    HeaderCounters counters;
    std::uint64_t effectiveFrameSize = 0;

    std::uint32_t DatasetTotal() const {
        return counters.datasets100 + counters.datasets101 + counters.datasets110;
    }
};

// Kind 1: one binary data file.
class DataFileElement : public ElementOf<DataFileElement> {
public:
    DataFileElement() : ElementOf(ELEMENT_DATA_FILE) {}

    std::uint32_t fileNumber = 1;
    std::uint32_t reserved = 0;
    std::string fileName;  // 128-byte field, without folder
    std::uint64_t dataOffset = 0;
    std::string fullPath;  // description folder + "/" + file name
};

// Kind 3: a run of frames with one sample step in one data file.
class TimeSegmentElement : public ElementOf<TimeSegmentElement> {
public:
    TimeSegmentElement() : ElementOf(ELEMENT_TIME_SEGMENT) {}

    std::uint32_t dataFileNumber = 1;
    std::uint32_t segmentNumber = 1;
    std::uint64_t frameCount = 0;
    std::uint64_t firstFrameInFile = 0;
    double carrierFactor = 1.0;
    double carrierOffset = 0.0;
    double sampleStep = 0.0;
    std::string carrierName;  // e.g. "Time"
    std::string carrierUnit;  // e.g. "sec"
    std::uint32_t startDateTime = 0;
    std::uint32_t endDateTime = 0;
};

// Kind 20: name and comment of a range.
class RangeNameElement : public ElementOf<RangeNameElement> {
public:
    RangeNameElement() : ElementOf(ELEMENT_RANGE_NAME) {}

    std::uint32_t rangeNumber = 0;
    std::string name;     // 32-byte field
    std::string comment;  // 128-byte field
};

// Kind 21: a marked frame range.
class RangeElement : public ElementOf<RangeElement> {
public:
    RangeElement() : ElementOf(ELEMENT_RANGE) {}

    std::uint32_t rangeNumber = 0;
    std::uint32_t startFrame = 0;
    std::uint32_t stopFrame = 0;
    std::uint32_t startDateTime = 0;
    std::uint32_t endDateTime = 0;
};

// Kind 22: a single marked frame.
class SpotElement : public ElementOf<SpotElement> {
public:
    SpotElement() : ElementOf(ELEMENT_SPOT) {}

    std::uint32_t rangeNumber = 0;
    std::uint32_t frame = 0;
    std::uint32_t dateTime = 0;
};

// Kinds 80 and 81: a named constant, for the whole measurement or for one range.
class ParameterElement : public ElementOf<ParameterElement> {
public:
    explicit ParameterElement(std::uint32_t kind = ELEMENT_PARAMETER) : ElementOf(kind) {}

    std::uint32_t parameterNumber = 0;
    std::uint32_t frame = 0;        // kind 80
    std::uint32_t rangeNumber = 0;  // kind 81
    std::uint32_t valueType = 0;
    std::vector<std::uint8_t> data;  // the L value bytes
};

// Kind 90: free commentary.
class CommentElement : public ElementOf<CommentElement> {
public:
    CommentElement() : ElementOf(ELEMENT_COMMENT) {}

    std::string text;
};

// Kind 1000: frames stored inside the description file itself.
class EmbeddedDataElement : public ElementOf<EmbeddedDataElement> {
public:
    EmbeddedDataElement() : ElementOf(ELEMENT_EMBEDDED_DATA) {}

    std::uint64_t dataPosition = 0;  // file position of the first data byte
    std::uint64_t dataSize = 0;      // element size - 12
};

// Kinds 10 and 70: kept, counted and written back, never interpreted.
class ReservedElement : public ElementOf<ReservedElement> {
public:
    explicit ReservedElement(std::uint32_t kind) : ElementOf(kind) {}
};

}  // namespace grafyon
