// Element list queries, counters and the time base of a measurement.
#include "measurement_description.h"

#include <algorithm>
#include <cmath>

namespace grafyon {

namespace {

bool ValidStep(double step) {
    return std::isfinite(step) && step > 0.0;
}

}  // namespace

std::uint32_t* MeasurementDescription::CounterFor(std::uint32_t kind) {
    if (m_header == nullptr)
        return nullptr;
    HeaderCounters& c = m_header->counters;
    switch (kind) {
        case ELEMENT_DATASET:
            return &c.datasets100;
        case ELEMENT_DATASET_EXTENDED:
            return &c.datasets101;
        case ELEMENT_DATASET_LIST:
            return &c.datasets110;
        case ELEMENT_DATA_FILE:
            return &c.dataFiles;
        case ELEMENT_TIME_SEGMENT:
            return &c.timeSegments;
        case ELEMENT_RESERVED_10:
            return &c.reserved10;
        case ELEMENT_RANGE_NAME:
            return &c.rangeNames;
        case ELEMENT_RANGE:
            return &c.ranges;
        case ELEMENT_SPOT:
            return &c.spots;
        case ELEMENT_COMMENT:
            return &c.comments;
        case ELEMENT_RESERVED_70:
            return &c.reserved70;
        case ELEMENT_PARAMETER:
            return &c.parameters;
        case ELEMENT_RANGE_PARAMETER:
            return &c.rangeParameters;
        default:
            return nullptr;
    }
}

Element* MeasurementDescription::Append(std::unique_ptr<Element> element) {
    if (!element)
        return nullptr;
    if (m_elements.empty()) {
        if (element->Kind() != ELEMENT_HEADER)
            return nullptr;
        m_header = static_cast<HeaderElement*>(element.get());
    } else if (element->Kind() == ELEMENT_HEADER) {
        return nullptr;  // one header only
    }
    if (IsDatasetKind(element->Kind()))
        static_cast<Dataset*>(element.get())->owner = this;
    if (std::uint32_t* counter = CounterFor(element->Kind()))
        ++*counter;
    m_elements.push_back(std::move(element));
    return m_elements.back().get();
}

bool MeasurementDescription::Remove(const Element* element) {
    const auto it = std::find_if(m_elements.begin(), m_elements.end(),
                                 [&](const auto& e) { return e.get() == element; });
    if (it == m_elements.end())
        return false;
    if (element == m_header) {
        Clear();  // nothing stands without its header
        return true;
    }
    if (std::uint32_t* counter = CounterFor(element->Kind()); counter && *counter > 0)
        --*counter;
    m_elements.erase(it);
    return true;
}

void MeasurementDescription::Clear() {
    m_header = nullptr;
    m_elements.clear();
}

Element* MeasurementDescription::FindFirst(std::uint32_t kind, std::size_t& pos) const {
    pos = 0;
    for (; pos < m_elements.size(); ++pos) {
        if (m_elements[pos]->Kind() == kind)
            return m_elements[pos].get();
    }
    return nullptr;
}

Element* MeasurementDescription::FindNext(std::uint32_t kind, std::size_t& pos) const {
    for (++pos; pos < m_elements.size(); ++pos) {
        if (m_elements[pos]->Kind() == kind)
            return m_elements[pos].get();
    }
    return nullptr;
}

Dataset* MeasurementDescription::FirstDataset(std::size_t& pos) const {
    pos = static_cast<std::size_t>(-1);
    return NextDataset(pos);
}

Dataset* MeasurementDescription::NextDataset(std::size_t& pos) const {
    for (++pos; pos < m_elements.size(); ++pos) {
        if (IsDatasetKind(m_elements[pos]->Kind()))
            return static_cast<Dataset*>(m_elements[pos].get());
    }
    return nullptr;
}

std::vector<Dataset*> MeasurementDescription::Datasets() const {
    std::vector<Dataset*> result;
    for (const auto& e : m_elements) {
        if (IsDatasetKind(e->Kind()))
            result.push_back(static_cast<Dataset*>(e.get()));
    }
    return result;
}

bool MeasurementDescription::ReorderDatasets(const std::vector<Dataset*>& order) {
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        if (IsDatasetKind(m_elements[i]->Kind()))
            places.push_back(i);
    }
    if (order.size() != places.size())
        return false;
    std::vector<std::unique_ptr<Element>> taken(places.size());
    std::vector<bool> used(places.size(), false);
    // Map each wanted dataset to the place it holds now; a stranger or a repeat refuses.
    std::vector<std::size_t> source(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        std::size_t found = places.size();
        for (std::size_t p = 0; p < places.size(); ++p) {
            if (m_elements[places[p]].get() == order[k]) {
                found = p;
                break;
            }
        }
        if (found == places.size() || used[found])
            return false;
        used[found] = true;
        source[k] = found;
    }
    for (std::size_t p = 0; p < places.size(); ++p)
        taken[p] = std::move(m_elements[places[p]]);
    for (std::size_t k = 0; k < order.size(); ++k)
        m_elements[places[k]] = std::move(taken[source[k]]);
    return true;
}

std::vector<TimeSegmentElement*> MeasurementDescription::TimeSegments() const {
    std::vector<TimeSegmentElement*> result;
    for (const auto& e : m_elements) {
        if (e->Kind() == ELEMENT_TIME_SEGMENT)
            result.push_back(static_cast<TimeSegmentElement*>(e.get()));
    }
    return result;
}

std::vector<DataFileElement*> MeasurementDescription::DataFiles() const {
    std::vector<DataFileElement*> result;
    for (const auto& e : m_elements) {
        if (e->Kind() == ELEMENT_DATA_FILE)
            result.push_back(static_cast<DataFileElement*>(e.get()));
    }
    return result;
}

std::size_t MeasurementDescription::DatasetCount() const {
    return static_cast<std::size_t>(
        std::count_if(m_elements.begin(), m_elements.end(),
                      [](const auto& e) { return e->Kind() == ELEMENT_DATASET; }));
}

std::uint64_t MeasurementDescription::FrameCount() const {
    std::uint64_t frames = 0;
    for (const TimeSegmentElement* s : TimeSegments())
        frames += s->frameCount;
    return frames;
}

double MeasurementDescription::SampleStep() const {
    const std::vector<TimeSegmentElement*> segments = TimeSegments();
    if (segments.empty())
        return SAMPLE_STEP_VARIABLE;
    const double step = segments.front()->sampleStep;
    if (!ValidStep(step))
        return SAMPLE_STEP_VARIABLE;
    for (const TimeSegmentElement* s : segments) {
        if (s->sampleStep != step)
            return SAMPLE_STEP_VARIABLE;
    }
    return step;
}

double MeasurementDescription::TimeOfFrame(std::uint64_t frame) const {
    const std::vector<TimeSegmentElement*> segments = TimeSegments();
    if (segments.empty())
        return 0.0;
    return static_cast<double>(frame) * segments.front()->sampleStep;
}

double MeasurementDescription::Duration() const {
    const std::vector<TimeSegmentElement*> segments = TimeSegments();
    if (segments.empty())
        return 0.0;
    double duration = 0.0;
    for (const TimeSegmentElement* s : segments)
        duration += static_cast<double>(s->frameCount) * s->sampleStep;
    return duration - segments.back()->sampleStep;
}

std::uint64_t MeasurementDescription::FrameSize() const {
    return m_header ? m_header->effectiveFrameSize : 0;
}

std::string MeasurementDescription::CarrierName() const {
    const std::vector<TimeSegmentElement*> segments = TimeSegments();
    return segments.empty() ? std::string() : segments.front()->carrierName;
}

std::string MeasurementDescription::CarrierUnit() const {
    const std::vector<TimeSegmentElement*> segments = TimeSegments();
    return segments.empty() ? std::string() : segments.front()->carrierUnit;
}

DataFileElement* MeasurementDescription::DataFileByNumber(std::uint32_t number) const {
    for (const auto& e : m_elements) {
        if (e->Kind() != ELEMENT_DATA_FILE)
            continue;
        auto* file = static_cast<DataFileElement*>(e.get());
        if (file->fileNumber == number)
            return file;
    }
    return nullptr;
}

std::string MeasurementDescription::DataFileName(std::uint32_t number) const {
    const DataFileElement* file = DataFileByNumber(number);
    return file ? file->fileName : std::string();
}

RangeNameElement* MeasurementDescription::RangeName(std::uint32_t rangeNumber) const {
    RangeNameElement* fallback = nullptr;
    for (const auto& e : m_elements) {
        if (e->Kind() != ELEMENT_RANGE_NAME)
            continue;
        auto* name = static_cast<RangeNameElement*>(e.get());
        if (name->rangeNumber == rangeNumber)
            return name;
        if (name->rangeNumber == 0 && fallback == nullptr)
            fallback = name;
    }
    return fallback;
}

ParameterElement* MeasurementDescription::RangeParameter(
    std::uint32_t rangeNumber, std::optional<std::uint32_t> parameterNumber) const {
    for (const auto& e : m_elements) {
        if (e->Kind() != ELEMENT_RANGE_PARAMETER)
            continue;
        auto* p = static_cast<ParameterElement*>(e.get());
        if (p->rangeNumber != rangeNumber)
            continue;
        if (parameterNumber && p->parameterNumber != *parameterNumber)
            continue;
        return p;
    }
    return nullptr;
}

}  // namespace grafyon
