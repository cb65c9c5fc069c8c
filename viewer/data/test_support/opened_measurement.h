// A measurement opened as the document opens it, and its values read back frame by frame,
// for tests that compare what was written with what reads again.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewer/data/access/data_access.h"
#include "viewer/data/open/measurement_open.h"

namespace grafyon::test {

// A measurement opened with its data attached.
struct OpenedMeasurement {
    MeasurementDescription description;
    DataAccess access;
    MeasurementOpenResult result;

    std::vector<Dataset*> Datasets() const { return description.Datasets(); }
};

inline std::unique_ptr<OpenedMeasurement> OpenForTest(const std::string& path) {
    auto opened = std::make_unique<OpenedMeasurement>();
    opened->result = OpenMeasurement(path, opened->description, opened->access);
    return opened;
}

// Every value (all values per frame) of a dataset in frames first ... first + count - 1.
inline std::vector<double> ValuesOf(OpenedMeasurement& m, const Dataset& dataset,
                                    std::uint64_t first, std::uint64_t count) {
    std::vector<double> values;
    std::vector<std::uint8_t> buffer(std::max<std::uint64_t>(4096, m.description.FrameSize()));
    FrameReader* reader = m.access.OpenReader(&m.description, static_cast<std::int64_t>(first),
                                              static_cast<std::int64_t>(count), buffer);
    if (reader == nullptr)
        return values;
    const std::uint64_t frameSize = m.description.FrameSize();
    for (std::int64_t n; (n = m.access.ReadChunk(reader)) > 0;) {
        for (std::int64_t f = 0; f < n; ++f) {
            const std::uint8_t* frame =
                buffer.data() + f * frameSize + dataset.effectiveFrameOffset;
            for (std::uint32_t k = 0; k < dataset.valuesPerFrame; ++k)
                values.push_back(dataset.Decode(frame + k * dataset.ValueSize()));
        }
    }
    m.access.CloseReader(reader);
    return values;
}

inline std::vector<double> AllValuesOf(OpenedMeasurement& m, const Dataset& dataset) {
    return ValuesOf(m, dataset, 0, m.description.FrameCount());
}

}  // namespace grafyon::test
