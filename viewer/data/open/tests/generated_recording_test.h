// Fixture of the open tests: recordings generated into a temporary folder and opened as the
// document opens them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "test_support.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"

namespace grafyon::test {

class GeneratedRecordingTest : public ::testing::Test {
protected:
    GeneratedRecordingTest(RecordingForm form, std::uint64_t frames, std::uint32_t channelCount)
        : m_form(form), m_frames(frames), m_channelCount(channelCount) {}

    // A recording of the fixture's form, frames and channels, named name in the folder.
    RecordingOptions Options(const std::string& name) const {
        RecordingOptions o;
        o.path = m_dir / name;
        o.form = m_form;
        o.frames = m_frames;
        o.channelCount = m_channelCount;
        return o;
    }

    MeasurementOpenResult Generate(const RecordingOptions& o) {
        std::string error;
        EXPECT_EQ(GenerateRecording(o, &error), GENERATE_OK) << error;
        return OpenMeasurement(o.path, m_description, m_access);
    }

    TempDir m_dir;
    MeasurementDescription m_description;
    DataAccess m_access;

private:
    RecordingForm m_form;
    std::uint64_t m_frames;
    std::uint32_t m_channelCount;
};

}  // namespace grafyon::test
