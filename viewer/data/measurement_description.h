// The in-memory description of a measurement: its elements in file order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dataset.h"
#include "element.h"

namespace grafyon {

// Sample step reported when the segments do not share one valid step.
inline constexpr double SAMPLE_STEP_VARIABLE = -1.0;

class MeasurementDescription {
public:
    MeasurementDescription() = default;
    MeasurementDescription(const MeasurementDescription&) = delete;
    MeasurementDescription& operator=(const MeasurementDescription&) = delete;

    bool Empty() const { return m_elements.empty(); }
    std::size_t ElementCount() const { return m_elements.size(); }
    const std::vector<std::unique_ptr<Element>>& Elements() const { return m_elements; }

    // The header is always the first element; null while the description is empty.
    HeaderElement* Header() { return m_header; }
    const HeaderElement* Header() const { return m_header; }

    // Appends an element, counts it in the header and takes ownership. The first
    // element appended must be the header.
    Element* Append(std::unique_ptr<Element> element);
    // Removes one element and decrements its counter; false when it is not in the list.
    bool Remove(const Element* element);
    // Puts the datasets into the given order, in the places datasets take in the list;
    // false, with nothing changed, unless order holds every dataset exactly once.
    bool ReorderDatasets(const std::vector<Dataset*>& order);
    // Deletes every element.
    void Clear();

    // Iteration by kind: pos is the caller's cursor, an index into the element list.
    Element* FindFirst(std::uint32_t kind, std::size_t& pos) const;
    Element* FindNext(std::uint32_t kind, std::size_t& pos) const;
    // Datasets of kinds 100, 101 and 110 together, in file order.
    Dataset* FirstDataset(std::size_t& pos) const;
    Dataset* NextDataset(std::size_t& pos) const;

    std::vector<Dataset*> Datasets() const;
    std::vector<TimeSegmentElement*> TimeSegments() const;
    std::vector<DataFileElement*> DataFiles() const;

    // Number of kind-100 datasets, counted by iteration.
    std::size_t DatasetCount() const;
    std::uint64_t FrameCount() const;
    // The first segment's step when every segment shares it and it is finite and
    // positive, otherwise SAMPLE_STEP_VARIABLE.
    double SampleStep() const;
    double TimeOfFrame(std::uint64_t frame) const;
    double Duration() const;
    std::uint64_t FrameSize() const;  // effective
    std::string CarrierName() const;
    std::string CarrierUnit() const;

    DataFileElement* DataFileByNumber(std::uint32_t number) const;
    std::string DataFileName(std::uint32_t number) const;
    // The range name element with that number, else the one with number 0.
    RangeNameElement* RangeName(std::uint32_t rangeNumber) const;
    // First kind-81 element of the range, and with that parameter number when given.
    ParameterElement* RangeParameter(std::uint32_t rangeNumber,
                                     std::optional<std::uint32_t> parameterNumber) const;

private:
    std::uint32_t* CounterFor(std::uint32_t kind);

    std::vector<std::unique_ptr<Element>> m_elements;
    HeaderElement* m_header = nullptr;
};

}  // namespace grafyon
