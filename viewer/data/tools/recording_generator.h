// Deterministic test and demo recordings in the MDF format (MDF + DTA or MCF).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/data/data_type.h"
#include "viewer/data/packed_date_time.h"

namespace grafyon {

enum class RecordingForm {
    MDF_DTA,  // description file plus data files beside it
    MCF,      // one file: the frames embedded in the description
};

enum class SignalShape {
    SINE,   // mean + amplitude * sin(2 pi frame / period + phase of the channel)
    RAMP,   // sawtooth from mean - amplitude up to mean + amplitude over one period
    NOISE,  // uniform in [mean - amplitude, mean + amplitude), from the seed
    STEPS,  // mean + amplitude * {-1, -1/2, 0, 1/2, 1}, one level per period
};

// One channel (dataset) of a generated recording. Boolean types store 1 where the
// signal lies above its mean; integer types store the signal rounded to the
// calibration, clamped to the type; floats store it as they can.
struct GeneratedChannel {
    std::string name;  // UTF-8; at most 63 characters are stored
    std::string label;
    std::string unit;                          // at most 31 characters
    std::uint32_t dataType = DATA_TYPE_FLOAT;  // any readable code; 0x100 allowed, 0x200 not
    SignalShape signal = SignalShape::SINE;
    double mean = 0.0;
    double amplitude = 1.0;
    std::uint64_t period = 1000;  // frames per period or per step, at least 1
    double factor = 1.0;          // calibration stored with the dataset
    double offset = 0.0;
};

struct RecordingOptions {
    std::string path;  // the .mdf or .mcf file; data files are written beside it
    RecordingForm form = RecordingForm::MDF_DTA;
    std::uint64_t frames = 1000;
    // Explicit channels; when empty, DefaultChannels(channelCount) are used.
    std::vector<GeneratedChannel> channels;
    std::uint32_t channelCount = 4;
    // The frames are split into this many time segments (the first ones take the
    // remainder); each segment holds at most 2^32 - 1 frames.
    std::uint32_t segments = 1;
    // The segments are spread in order over this many data files (MDF_DTA only):
    // "<stem>.dta", "<stem>_2.dta", ...
    std::uint32_t dataFiles = 1;
    double sampleStep = 0.001;         // seconds, for every segment...
    std::vector<double> segmentSteps;  // ...unless one step per segment is given here
    std::uint32_t dataOffset = 0;      // filler bytes before frame 0 in each data file
    std::uint64_t seed = 1;            // noise
    std::uint32_t ranges = 0;          // named ranges (kinds 20 and 21), evenly spaced
    std::uint32_t spots = 0;           // spots (kind 22), evenly spaced
    std::uint32_t comments = 0;        // comment elements (kind 90)
    std::uint32_t parameters = 0;      // parameters (kind 80); with ranges also kind 81
    DateTimeParts recorded{2024, 5, 17, 10, 30, 0};
};

enum GenerateStatus : int {
    GENERATE_OK = 0,
    GENERATE_BAD_OPTIONS = -1,  // see the error text
    GENERATE_WRITE_FAILED = -2,
};

// Writes the recording. Returns a GenerateStatus; error (when given) receives a
// one-line reason for a failure.
int GenerateRecording(const RecordingOptions& options, std::string* error = nullptr);

// count channels cycling through every readable type and every signal, with names
// such as "Öltemperatur 1" and units such as "°C".
std::vector<GeneratedChannel> DefaultChannels(std::uint32_t count);
// Channel index (0-based) of a recording made of one type: the default channel of that
// type (flags kept), numbered after index.
GeneratedChannel DefaultChannelOfType(std::uint32_t dataType, std::size_t index);
// options.channels, or DefaultChannels(options.channelCount) when that is empty.
std::vector<GeneratedChannel> ChannelsOf(const RecordingOptions& options);

// Paths of the data files that GenerateRecording writes (the .mcf itself for MCF).
std::vector<std::string> DataFilePaths(const RecordingOptions& options);
// Bytes per frame: the value sizes of the channels, packed in channel order.
std::uint32_t FrameSizeOf(const std::vector<GeneratedChannel>& channels);

// The ideal physical value of channel index (0-based) at a frame of the whole recording.
double SignalValue(const GeneratedChannel& channel, std::size_t index, std::uint64_t frame,
                   std::uint64_t seed);
// The value a reader decodes from the generated file: SignalValue after storing it in
// the channel's type and calibrating it again.
double ExpectedValue(const GeneratedChannel& channel, std::size_t index, std::uint64_t frame,
                     std::uint64_t seed);
// Stores the channel's raw value at a frame into ReadableValueSize(dataType) bytes.
void EncodeChannelValue(const GeneratedChannel& channel, std::size_t index, std::uint64_t frame,
                        std::uint64_t seed, std::uint8_t* out);

}  // namespace grafyon
