// Deterministic test and demo recordings: MDF + DTA, MCF, or a TARKO TKS header with its data file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/packed_date_time.h"
#include "viewer/data/data_type.h"

namespace grafyon {

enum class RecordingForm {
    MDF_DTA,  // description file plus data files beside it
    MCF,      // one file: the frames embedded in the description
    TKS,      // a TARKO header file with one data file "<stem>.dta" beside it
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
    // The channel holds a Boolean level (1 where the signal lies above its mean, else 0) in
    // a numeric type: what a Boolean channel becomes in a file that stores every value as a
    // float.
    bool booleanLevels = false;
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
    // TKS only: every channel stored as a 32-bit float (storage form 2, as the export
    // writes TARKO files) or, when false, in its own type, which must be one that TARKO
    // holds: BOOL16, SHORT, USHORT, LONG or FLOAT.
    bool tarkoFloatStorage = true;
    // TKS only: up to four header text lines (40, 40, 20 and 20 characters are kept).
    std::vector<std::string> textLines;
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
// options.channels, or DefaultChannels(options.channelCount) when that is empty. For TKS
// the channels as the TARKO file holds them: names and labels cut to 16 characters and
// units to 8, calibrations rounded to 32-bit floats, the not-calibrated flag replaced by
// an identity calibration, and with float storage the type FLOAT.
std::vector<GeneratedChannel> ChannelsOf(const RecordingOptions& options);

// Paths of the data files that GenerateRecording writes (the .mcf itself for MCF).
std::vector<std::string> DataFilePaths(const RecordingOptions& options);
// Bytes per frame: the value sizes of the channels, packed in channel order.
std::uint32_t FrameSizeOf(const std::vector<GeneratedChannel>& channels);

// Where the channels of ChannelsOf(options) lie in a frame as GenerateRecording writes
// it: packed in channel order, except that a TARKO file in channel types puts a float at
// a multiple of 4 bytes (its position counts 4-byte steps).
struct FrameLayout {
    std::vector<std::uint32_t> offsets;
    std::uint64_t frameSize = 0;
};
FrameLayout FrameLayoutOf(const RecordingOptions& options);

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
