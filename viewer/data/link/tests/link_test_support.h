// Fixture of the link tests: recordings generated into a temporary folder and the values of
// a measurement read as grafyon-info --values prints them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::test {

// Every frame of a measurement as the rows of grafyon-info --values: the calibrated value of
// each kind-100 dataset that fits the frame, in dataset order. Empty when it cannot be read.
inline std::vector<std::vector<double>> FrameValues(const std::string& path) {
    MeasurementDescription d;
    DataAccess access;
    const MeasurementOpenResult opened = OpenMeasurement(path, d, access);
    std::vector<std::vector<double>> rows;
    if (!opened.attached || !opened.shortDataFiles.empty())
        return rows;
    std::vector<const Dataset*> datasets;
    for (const Dataset* s : d.Datasets()) {
        if (s->Kind() == ELEMENT_DATASET && s->FitsFrame(d.FrameSize()))
            datasets.push_back(s);
    }
    const std::uint64_t frameSize = d.FrameSize();
    std::vector<std::uint8_t> buffer(std::max<std::uint64_t>(1 << 16, frameSize));
    FrameReader* reader =
        access.OpenReader(&d, 0, static_cast<std::int64_t>(d.FrameCount()), buffer);
    if (reader == nullptr)
        return rows;
    for (std::int64_t n; (n = access.ReadChunk(reader)) > 0;) {
        for (std::int64_t f = 0; f < n; ++f) {
            const std::uint8_t* frame = buffer.data() + static_cast<std::uint64_t>(f) * frameSize;
            std::vector<double> row;
            for (const Dataset* s : datasets)
                row.push_back(s->Decode(frame + s->effectiveFrameOffset));
            rows.push_back(std::move(row));
        }
    }
    access.CloseReader(reader);
    return rows;
}

// The rows of several measurements one after the other.
inline std::vector<std::vector<double>> JoinedValues(const std::vector<std::string>& paths) {
    std::vector<std::vector<double>> rows;
    for (const std::string& path : paths) {
        std::vector<std::vector<double>> part = FrameValues(path);
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

// The names in a folder, to tell that nothing was left behind.
inline std::vector<std::string> FolderListing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Four calibrated SHORT channels, so a change of one factor changes one dataset only.
inline std::vector<GeneratedChannel> ShortChannels() {
    std::vector<GeneratedChannel> channels;
    for (std::size_t i = 0; i < 4; ++i)
        channels.push_back(DefaultChannelOfType(DATA_TYPE_SHORT, i));
    return channels;
}

inline void Generate(RecordingOptions o) {
    std::string error;
    ASSERT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
}

}  // namespace grafyon::test
