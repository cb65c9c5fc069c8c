// Fixture of the save tests: recordings generated into a temporary folder, opened as the
// document opens them, saved, reopened and compared value by value.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "test_support.h"
#include "viewer/data/save/measurement_save.h"
#include "viewer/data/test_support/opened_measurement.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::test {

inline std::vector<SaveRange> SaveRangesOf(const std::vector<MeasurementRange>& ranges) {
    std::vector<SaveRange> result;
    for (const MeasurementRange& r : ranges)
        result.push_back({r.name, r.comment, r.startFrame, r.stopFrame, r.active, r.source});
    return result;
}

inline SaveRange PlainRange(std::uint64_t start, std::uint64_t stop) {
    SaveRange r;
    r.start = start;
    r.stop = stop;
    return r;
}

// Names of the files in a folder (temporary files of a failed save would show here).
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class SaveTest : public ::testing::Test {
protected:
    RecordingOptions Options(const std::string& name, std::uint64_t frames,
                             std::uint32_t channels) const {
        RecordingOptions o;
        o.path = m_dir / name;
        o.frames = frames;
        o.channelCount = channels;
        return o;
    }

    // Generates and opens the source measurement.
    OpenedMeasurement& Source(const RecordingOptions& o) {
        std::string error;
        EXPECT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
        m_source = OpenForTest(o.path);
        EXPECT_TRUE(m_source->result.attached);
        return *m_source;
    }

    SaveRequest Request(const std::string& name, SaveFileForm form,
                        StoreMode mode = StoreMode::All) const {
        SaveRequest request;
        request.target = m_dir / name;
        request.form = form;
        request.mode = mode;
        return request;
    }

    int Save(const SaveRequest& request, const SaveProgress& progress = {}) {
        return SaveMeasurement(m_source->description, m_source->access, request, progress);
    }

    TempDir m_dir;
    std::unique_ptr<OpenedMeasurement> m_source;
};

}  // namespace grafyon::test
