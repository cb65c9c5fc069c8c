// Recording generator: channel signals, value encoding, description and data files.
#include "recording_generator.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>

#include "common/binary_file.h"
#include "common/byte_order.h"
#include "common/codec_1252.h"
#include "viewer/data/mdf/mdf_reader.h"
#include "viewer/data/mdf/mdf_writer.h"
#include "viewer/data/mdf_layout.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/tarko/tarko_layout.h"
#include "viewer/data/tarko/tarko_writer.h"

namespace grafyon {

namespace {

constexpr std::size_t CHUNK_BYTES = 1u << 20;
constexpr std::size_t DATA_FILE_NAME_BYTES = 127;
constexpr std::uint64_t U32_MAX = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint8_t DATA_OFFSET_FILLER = 0xA5;
constexpr std::size_t TARKO_DATA_FILE_NAME_BYTES = 32;
constexpr std::size_t TARKO_NAME_CHARS = 16;
constexpr std::size_t TARKO_LABEL_CHARS = 16;
constexpr std::size_t TARKO_UNIT_CHARS = 8;
constexpr const char* TARKO_TIME_UNIT = "sec";

struct ChannelTemplate {
    const char* name;
    const char* unit;
    std::uint32_t dataType;
    SignalShape signal;
    double mean;
    double amplitude;
    double factor;
    double offset;
};

// Every readable type once, with calibrations that keep the signal inside the type.
constexpr ChannelTemplate TEMPLATES[] = {
    {"Öltemperatur", "°C", DATA_TYPE_FLOAT, SignalShape::SINE, 90.0, 20.0, 1.0, 0.0},
    {"Drehzahl", "1/min", DATA_TYPE_SHORT, SignalShape::RAMP, 3000.0, 3000.0, 0.25, 0.0},
    {"Kraft", "kN", DATA_TYPE_DOUBLE, SignalShape::NOISE, 0.0, 5.0, 1.0, 0.0},
    {"Schalter", "", DATA_TYPE_BOOL8, SignalShape::STEPS, 0.0, 1.0, 1.0, 0.0},
    {"Weg", "mm", DATA_TYPE_LONG, SignalShape::SINE, 0.0, 150.0, 0.001, 0.0},
    {"Beschleunigung", "m/s²", DATA_TYPE_USHORT, SignalShape::NOISE, 0.0, 20.0, 0.001, -30.0},
    {"Druck", "bar", DATA_TYPE_UCHAR, SignalShape::STEPS, 10.0, 10.0, 0.1, 0.0},
    {"Dehnung", "µm/m", DATA_TYPE_CHAR, SignalShape::SINE, 0.0, 100.0, 1.0, 0.5},
    {"Spannung", "V", DATA_TYPE_ULONG, SignalShape::RAMP, 12.0, 12.0, 1e-6, 0.0},
    {"Zähler", "", DATA_TYPE_DLONG, SignalShape::RAMP, 1e6, 1e6, 1.0, 0.0},
    {"Energie", "kWh", DATA_TYPE_UDLONG, SignalShape::RAMP, 500.0, 500.0, 1e-3, 0.0},
    {"Freigabe", "", DATA_TYPE_BOOL16, SignalShape::STEPS, 0.0, 1.0, 1.0, 0.0},
    {"Warnung", "", DATA_TYPE_BOOL32, SignalShape::NOISE, 0.0, 1.0, 1.0, 0.0},
    {"Störung", "", DATA_TYPE_BOOL64, SignalShape::STEPS, 0.5, 1.0, 1.0, 0.0},
    {"Strom", "A", DATA_TYPE_FLOAT | DATA_TYPE_NOT_CALIBRATED, SignalShape::SINE, 0.0, 16.0, 1.0,
     0.0},
};

constexpr std::uint64_t DEFAULT_PERIODS[] = {1000, 700,  1,    250, 1300, 1,   400, 90,
                                             2000, 5000, 3000, 600, 1,    800, 50};

std::uint64_t SplitMix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A double rounded and clamped into [low, high] before it is converted, so that no
// conversion is out of range.
template <class T>
T ClampRound(double value, double low, double high) {
    if (std::isnan(value))
        return T{0};
    return static_cast<T>(std::clamp(std::round(value), low, high));
}

template <class T>
T ClampRoundInt(double value) {
    return ClampRound<T>(value, static_cast<double>(std::numeric_limits<T>::min()),
                         static_cast<double>(std::numeric_limits<T>::max()));
}

struct SegmentPlan {
    std::uint32_t fileIndex = 0;   // 0-based
    std::uint64_t firstFrame = 0;  // in the whole recording
    std::uint64_t frameCount = 0;
    std::uint64_t firstFrameInFile = 0;
    double step = 0.0;
};

std::vector<SegmentPlan> PlanSegments(const RecordingOptions& o) {
    std::vector<SegmentPlan> plans(o.segments);
    const std::uint64_t base = o.frames / o.segments;
    const std::uint64_t rest = o.frames % o.segments;
    std::vector<std::uint64_t> framesInFile(o.dataFiles, 0);
    std::uint64_t first = 0;
    for (std::uint32_t k = 0; k < o.segments; ++k) {
        SegmentPlan& p = plans[k];
        p.fileIndex = static_cast<std::uint32_t>(std::uint64_t(k) * o.dataFiles / o.segments);
        p.firstFrame = first;
        p.frameCount = base + (k < rest ? 1 : 0);
        p.firstFrameInFile = framesInFile[p.fileIndex];
        p.step = o.segmentSteps.empty() ? o.sampleStep : o.segmentSteps[k];
        framesInFile[p.fileIndex] += p.frameCount;
        first += p.frameCount;
    }
    return plans;
}

// What a TARKO file cannot hold.
std::string CheckTarko(const RecordingOptions& o, const std::vector<GeneratedChannel>& channels,
                       const std::vector<std::string>& dataPaths) {
    if (o.segments != 1 || o.dataFiles != 1 || o.segmentSteps.size() > 1)
        return "a TARKO recording holds one segment in one data file";
    if (o.ranges != 0 || o.spots != 0 || o.comments != 0 || o.parameters != 0) {
        return "a TARKO recording holds no ranges, spots, comments or parameters "
               "(its header has text lines)";
    }
    if (o.textLines.size() > tarko::TEXT_LINES)
        return "a TARKO header holds four text lines";
    if (o.frames > U32_MAX)
        return "too many frames for a TARKO header";
    const double step = o.segmentSteps.empty() ? o.sampleStep : o.segmentSteps.front();
    if (tarko::IntervalSeconds(static_cast<float>(step), TARKO_TIME_UNIT) <= 0.0)
        return "the sample step does not fit a 32-bit float";
    const std::string name = std::filesystem::path(dataPaths.front()).filename().string();
    if (Utf8ToCp1252(name).size() > TARKO_DATA_FILE_NAME_BYTES)
        return "data file name too long for a TARKO header (32 bytes)";
    for (const GeneratedChannel& c : channels) {
        if (!tarko::ChannelCodeFor(c.dataType)) {
            return "channel \"" + c.name + "\": TARKO holds no " + DataTypeBaseName(c.dataType) +
                   " values (store every channel as a float instead)";
        }
    }
    return {};
}

std::string Check(const RecordingOptions& o, const std::vector<GeneratedChannel>& channels,
                  const std::vector<std::string>& dataPaths) {
    if (o.path.empty())
        return "no output path";
    if (o.form != RecordingForm::TKS && !o.textLines.empty())
        return "text lines belong to TARKO recordings";
    if (o.segments == 0)
        return "at least one segment is needed";
    if (o.form == RecordingForm::MCF && o.dataFiles != 1)
        return "an MCF file holds one data file";
    if (o.dataFiles == 0 || o.dataFiles > o.segments) {
        return "the number of data files must lie between 1 and the number of segments";
    }
    if (!o.segmentSteps.empty() && o.segmentSteps.size() != o.segments) {
        return "one sample step per segment is needed";
    }
    if (o.frames / o.segments + 1 > U32_MAX)
        return "too many frames for one segment";
    for (const std::string& path : dataPaths) {
        const std::string name = std::filesystem::path(path).filename().string();
        if (Utf8ToCp1252(name).size() > DATA_FILE_NAME_BYTES)
            return "data file name too long";
    }
    for (const GeneratedChannel& c : channels) {
        if (ReadableValueSize(c.dataType) == 0)
            return "channel \"" + c.name + "\" has no readable type";
        if (c.period == 0)
            return "channel \"" + c.name + "\" has a period of 0";
        if (!std::isfinite(c.mean) || !std::isfinite(c.amplitude) || !std::isfinite(c.offset) ||
            !std::isfinite(c.factor) || c.factor == 0.0) {
            return "channel \"" + c.name + "\" has an unusable calibration or signal";
        }
    }
    if (FrameLayoutOf(o).frameSize > U32_MAX)
        return "frames too wide";
    return o.form == RecordingForm::TKS ? CheckTarko(o, channels, dataPaths) : std::string();
}

// The description as it is written, in file order: header, datasets, comments,
// parameters, then data files, segments, ranges and spots (the MCF embeds its frames
// before the data file element).
void BuildDescription(const RecordingOptions& o, const std::vector<GeneratedChannel>& channels,
                      const std::vector<SegmentPlan>& plans,
                      const std::vector<std::string>& dataPaths, std::uint64_t mcfDataOffset,
                      MeasurementDescription& d) {
    const std::uint32_t stamp = PackDateTime(o.recorded);
    auto header = std::make_unique<HeaderElement>();
    header->frameSize = FrameSizeOf(channels);
    header->datasetCount = static_cast<std::uint32_t>(channels.size());
    header->day = static_cast<std::uint32_t>(o.recorded.day);
    header->month = static_cast<std::uint32_t>(o.recorded.month);
    header->year = static_cast<std::uint32_t>(o.recorded.year);
    header->hour = static_cast<std::uint32_t>(o.recorded.hour);
    header->minute = static_cast<std::uint32_t>(o.recorded.minute);
    header->second = static_cast<std::uint32_t>(o.recorded.second);
    d.Append(std::move(header));

    std::uint32_t frameOffset = 0;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const GeneratedChannel& c = channels[i];
        auto dataset = std::make_unique<Dataset>();
        dataset->number = static_cast<std::uint32_t>(i);
        dataset->name = c.name;
        dataset->label = c.label;
        dataset->unit = c.unit;
        dataset->dataType = c.dataType;
        dataset->dataMask = 0xFFFFFFFF;
        dataset->factor = c.factor;
        dataset->offset = c.offset;
        dataset->frameOffset = frameOffset;
        dataset->valuesPerFrame = 1;
        frameOffset += ReadableValueSize(c.dataType);
        d.Append(std::move(dataset));
    }

    for (std::uint32_t k = 1; k <= o.comments; ++k) {
        auto comment = std::make_unique<CommentElement>();
        comment->RawPayload() = mdf::DefaultPayload(ELEMENT_COMMENT);
        PutU32LE(comment->RawPayload(), mdf::COMMENT_NUMBER, k);
        PutU32LE(comment->RawPayload(), mdf::COMMENT_ONE, 1);
        PutU32LE(comment->RawPayload(), mdf::COMMENT_DATE_TIME, stamp);
        comment->text = "Kommentar " + std::to_string(k) + ": Prüfung bei 23 °C";
        d.Append(std::move(comment));
    }
    for (std::uint32_t k = 1; k <= o.parameters; ++k) {
        auto parameter = std::make_unique<ParameterElement>(ELEMENT_PARAMETER);
        parameter->parameterNumber = k;
        parameter->valueType = DATA_TYPE_DOUBLE;
        parameter->data.resize(8);
        StoreU64LE(parameter->data.data(), std::bit_cast<std::uint64_t>(1.5 * k));
        d.Append(std::move(parameter));
    }

    for (std::uint32_t f = 0; f < dataPaths.size(); ++f) {
        auto file = std::make_unique<DataFileElement>();
        file->fileNumber = f + 1;
        file->fileName = std::filesystem::path(dataPaths[f]).filename().string();
        file->dataOffset = o.form == RecordingForm::MCF ? mcfDataOffset : o.dataOffset;
        d.Append(std::move(file));
    }
    for (std::size_t k = 0; k < plans.size(); ++k) {
        auto segment = std::make_unique<TimeSegmentElement>();
        segment->dataFileNumber = plans[k].fileIndex + 1;
        segment->segmentNumber = static_cast<std::uint32_t>(k + 1);
        segment->frameCount = plans[k].frameCount;
        segment->firstFrameInFile = plans[k].firstFrameInFile;
        segment->sampleStep = plans[k].step;
        segment->carrierName = mdf::DEFAULT_CARRIER_NAME;
        segment->carrierUnit = mdf::DEFAULT_CARRIER_UNIT;
        segment->startDateTime = stamp;
        segment->endDateTime = stamp;
        d.Append(std::move(segment));
    }

    const auto frame32 = [](std::uint64_t frame) {
        return static_cast<std::uint32_t>(std::min(frame, U32_MAX));
    };
    const std::uint64_t lastFrame = o.frames == 0 ? 0 : o.frames - 1;
    const std::uint64_t block = o.frames / (std::uint64_t(o.ranges) + 1);
    for (std::uint32_t j = 1; j <= o.ranges; ++j) {
        auto name = std::make_unique<RangeNameElement>();
        name->rangeNumber = j;
        name->name = "Bereich " + std::to_string(j);
        name->comment = "Prüfabschnitt " + std::to_string(j);
        d.Append(std::move(name));
        auto range = std::make_unique<RangeElement>();
        range->rangeNumber = j;
        range->startFrame = frame32(std::min(j * block - block / 4, lastFrame));
        range->stopFrame = frame32(std::min(j * block + block / 4, lastFrame));
        range->startDateTime = stamp;
        range->endDateTime = stamp;
        d.Append(std::move(range));
        if (o.parameters > 0) {
            auto parameter = std::make_unique<ParameterElement>(ELEMENT_RANGE_PARAMETER);
            parameter->parameterNumber = 1;
            parameter->rangeNumber = j;
            parameter->valueType = DATA_TYPE_FLOAT;
            parameter->data.resize(4);
            StoreU32LE(parameter->data.data(), std::bit_cast<std::uint32_t>(0.5f * float(j)));
            d.Append(std::move(parameter));
        }
    }
    const std::uint64_t spotBlock = o.frames / (std::uint64_t(o.spots) + 1);
    for (std::uint32_t k = 1; k <= o.spots; ++k) {
        auto spot = std::make_unique<SpotElement>();
        spot->frame = frame32(std::min(k * spotBlock, lastFrame));
        spot->dateTime = stamp;
        d.Append(std::move(spot));
    }
}

// Writes the frames of one run of frames, chunk by chunk.
bool WriteFrames(BinaryFileWriter& out, const std::vector<GeneratedChannel>& channels,
                 const std::vector<std::uint32_t>& offsets, std::uint32_t frameSize,
                 std::uint64_t firstFrame, std::uint64_t count, std::uint64_t seed) {
    if (frameSize == 0 || count == 0)
        return true;
    const std::size_t framesPerChunk = std::max<std::size_t>(1, CHUNK_BYTES / frameSize);
    std::vector<std::uint8_t> buffer(framesPerChunk * frameSize);
    for (std::uint64_t done = 0; done < count;) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(framesPerChunk, count - done));
        for (std::size_t f = 0; f < n; ++f) {
            std::uint8_t* frame = buffer.data() + f * frameSize;
            for (std::size_t c = 0; c < channels.size(); ++c) {
                EncodeChannelValue(channels[c], c, firstFrame + done + f, seed, frame + offsets[c]);
            }
        }
        if (!out.Write(std::span(buffer.data(), n * frameSize)))
            return false;
        done += n;
    }
    return true;
}

int Fail(std::string* error, int status, const std::string& text) {
    if (error)
        *error = text;
    return status;
}

// A value as a 32-bit float field holds it. The volatile keeps the rounding: g++ 12 at -O2
// folds a pair of double-float-double conversions of neighbouring fields into nothing.
double AsStoredFloat(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

// The TARKO header file of a recording whose data file is written.
int WriteTarkoHeader(const RecordingOptions& o, const std::vector<GeneratedChannel>& channels,
                     const FrameLayout& layout, const std::string& dataPath, std::string* error) {
    const auto word = [](int value) { return static_cast<std::uint32_t>(std::max(value, 0)); };
    tarko::HeaderRecord header;
    header.dataFileName = std::filesystem::path(dataPath).filename().string();
    header.dataOffset = o.dataOffset;
    header.storageForm = o.tarkoFloatStorage ? tarko::STORAGE_FLOAT : tarko::STORAGE_CHANNEL_TYPES;
    header.frameSize = static_cast<std::uint32_t>(layout.frameSize);
    header.frameCount = static_cast<std::uint32_t>(o.frames);
    header.day = word(o.recorded.day);
    header.month = word(o.recorded.month);
    header.year = word(o.recorded.year);
    header.hour = word(o.recorded.hour);
    header.minute = word(o.recorded.minute);
    header.second = word(o.recorded.second);
    std::copy(o.textLines.begin(), o.textLines.end(), header.textLines.begin());

    const double step = o.segmentSteps.empty() ? o.sampleStep : o.segmentSteps.front();
    std::vector<tarko::ChannelRecord> records;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const GeneratedChannel& c = channels[i];
        tarko::ChannelRecord r;
        r.name = c.name;
        r.label = c.label;
        r.unit = c.unit;
        // Float storage ignores the code; the export writes 32 there.
        r.typeCode = o.tarkoFloatStorage ? tarko::CODE_LONG : *tarko::ChannelCodeFor(c.dataType);
        r.position =
            layout.offsets[i] / tarko::ChannelTypeOf(r.typeCode, header.storageForm)->positionUnit;
        r.mask = 0xFFFFFFFF;
        r.factor = static_cast<float>(c.factor);
        r.offset = static_cast<float>(c.offset);
        r.interval = static_cast<float>(step);
        r.carrierName = mdf::DEFAULT_CARRIER_NAME;
        r.timeUnit = TARKO_TIME_UNIT;
        records.push_back(std::move(r));
    }
    const int status = WriteTarkoHeaderFile(o.path, header, records);
    if (status == TARKO_WRITE_DOES_NOT_FIT)
        return Fail(error, GENERATE_BAD_OPTIONS, "too many channels for a TARKO header");
    if (status != TARKO_WRITE_OK)
        return Fail(error, GENERATE_WRITE_FAILED, "cannot write " + o.path);
    return GENERATE_OK;
}

GeneratedChannel FromTemplate(const ChannelTemplate& t, std::size_t index, std::uint64_t period) {
    GeneratedChannel c;
    c.name = std::string(t.name) + " " + std::to_string(index + 1);
    c.label = "Kanal " + std::to_string(index + 1) + " – " + t.name;
    c.unit = t.unit;
    c.dataType = t.dataType;
    c.signal = t.signal;
    c.mean = t.mean;
    c.amplitude = t.amplitude;
    c.period = period;
    c.factor = t.factor;
    c.offset = t.offset;
    return c;
}

}  // namespace

std::vector<GeneratedChannel> DefaultChannels(std::uint32_t count) {
    std::vector<GeneratedChannel> channels;
    channels.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t t = i % std::size(TEMPLATES);
        channels.push_back(FromTemplate(TEMPLATES[t], i, DEFAULT_PERIODS[t]));
    }
    return channels;
}

GeneratedChannel DefaultChannelOfType(std::uint32_t dataType, std::size_t index) {
    for (std::size_t t = 0; t < std::size(TEMPLATES); ++t) {
        if (BaseDataType(TEMPLATES[t].dataType) != BaseDataType(dataType))
            continue;
        GeneratedChannel c = FromTemplate(TEMPLATES[t], index, DEFAULT_PERIODS[t]);
        c.dataType = dataType;
        // Raw values are then the values themselves: the signal moves to the raw range.
        if (dataType & DATA_TYPE_NOT_CALIBRATED) {
            c.mean = (c.mean - c.offset) / c.factor;
            c.amplitude = c.amplitude / std::fabs(c.factor);
            c.factor = 1.0;
            c.offset = 0.0;
        }
        return c;
    }
    GeneratedChannel c = FromTemplate(TEMPLATES[0], index, DEFAULT_PERIODS[0]);
    c.dataType = dataType;  // unreadable: GenerateRecording refuses it
    return c;
}

std::vector<GeneratedChannel> ChannelsOf(const RecordingOptions& options) {
    std::vector<GeneratedChannel> channels =
        options.channels.empty() ? DefaultChannels(options.channelCount) : options.channels;
    if (options.form != RecordingForm::TKS)
        return channels;
    for (GeneratedChannel& c : channels) {
        c.name = TruncateCharacters(c.name, TARKO_NAME_CHARS);
        c.label = TruncateCharacters(c.label, TARKO_LABEL_CHARS);
        c.unit = TruncateCharacters(c.unit, TARKO_UNIT_CHARS);
        // TARKO knows no raw values: an identity calibration reads them alike.
        if (c.dataType & DATA_TYPE_NOT_CALIBRATED) {
            c.dataType &= ~DATA_TYPE_NOT_CALIBRATED;
            c.factor = 1.0;
            c.offset = 0.0;
        }
        c.factor = AsStoredFloat(c.factor);
        c.offset = AsStoredFloat(c.offset);
        // An unreadable type stays, so that the options are refused.
        if (options.tarkoFloatStorage && ReadableValueSize(c.dataType) != 0) {
            c.booleanLevels = c.booleanLevels || IsBooleanType(BaseDataType(c.dataType));
            c.dataType = DATA_TYPE_FLOAT;
        }
    }
    return channels;
}

std::vector<std::string> DataFilePaths(const RecordingOptions& options) {
    if (options.form == RecordingForm::MCF)
        return {options.path};
    const std::filesystem::path path(options.path);
    const std::filesystem::path folder = path.parent_path();
    const std::string stem = path.stem().string();
    std::vector<std::string> paths;
    const std::uint32_t files = options.form == RecordingForm::TKS ? 1 : options.dataFiles;
    for (std::uint32_t f = 0; f < files; ++f) {
        const std::string name =
            f == 0 ? stem + ".dta" : stem + "_" + std::to_string(f + 1) + ".dta";
        paths.push_back((folder / name).string());
    }
    return paths;
}

std::uint32_t FrameSizeOf(const std::vector<GeneratedChannel>& channels) {
    std::uint64_t size = 0;
    for (const GeneratedChannel& c : channels)
        size += ReadableValueSize(c.dataType);
    return static_cast<std::uint32_t>(std::min(size, U32_MAX));
}

FrameLayout FrameLayoutOf(const RecordingOptions& options) {
    FrameLayout layout;
    const bool alignFloats = options.form == RecordingForm::TKS && !options.tarkoFloatStorage;
    for (const GeneratedChannel& c : ChannelsOf(options)) {
        if (alignFloats && BaseDataType(c.dataType) == DATA_TYPE_FLOAT)
            layout.frameSize = (layout.frameSize + 3) / 4 * 4;
        layout.offsets.push_back(static_cast<std::uint32_t>(std::min(layout.frameSize, U32_MAX)));
        layout.frameSize += ReadableValueSize(c.dataType);
    }
    return layout;
}

double SignalValue(const GeneratedChannel& channel, std::size_t index, std::uint64_t frame,
                   std::uint64_t seed) {
    const std::uint64_t period = std::max<std::uint64_t>(channel.period, 1);
    const double phase = static_cast<double>(frame % period) / static_cast<double>(period);
    switch (channel.signal) {
        case SignalShape::SINE:
            return channel.mean + channel.amplitude * std::sin(2.0 * std::numbers::pi * phase +
                                                               0.5 * double(index));
        case SignalShape::RAMP:
            return channel.mean + channel.amplitude * (2.0 * phase - 1.0);
        case SignalShape::NOISE: {
            const std::uint64_t bits = SplitMix64(seed ^ SplitMix64(index) ^ SplitMix64(~frame));
            const double unit = static_cast<double>(bits >> 11) * 0x1.0p-53;  // [0, 1)
            return channel.mean + channel.amplitude * (2.0 * unit - 1.0);
        }
        case SignalShape::STEPS: {
            const double level = static_cast<double>((frame / period) % 5) - 2.0;
            return channel.mean + channel.amplitude * level / 2.0;
        }
    }
    return channel.mean;
}

void EncodeChannelValue(const GeneratedChannel& c, std::size_t index, std::uint64_t frame,
                        std::uint64_t seed, std::uint8_t* out) {
    const double value = SignalValue(c, index, frame, seed);
    const std::uint32_t type = BaseDataType(c.dataType);
    if (IsBooleanType(type)) {
        const std::uint8_t on = value > c.mean ? 1 : 0;
        std::fill_n(out, ReadableValueSize(type), std::uint8_t{0});
        out[0] = on;
        return;
    }
    const bool calibrated = (c.dataType & DATA_TYPE_NOT_CALIBRATED) == 0;
    // A Boolean level keeps its raw 0 or 1, as a Boolean type would store it.
    const double raw = c.booleanLevels ? (value > c.mean ? 1.0 : 0.0)
                       : calibrated    ? (value - c.offset) / c.factor
                                       : value;
    switch (type) {
        case DATA_TYPE_CHAR:
            out[0] = static_cast<std::uint8_t>(ClampRoundInt<std::int8_t>(raw));
            break;
        case DATA_TYPE_UCHAR:
            out[0] = ClampRoundInt<std::uint8_t>(raw);
            break;
        case DATA_TYPE_SHORT:
            StoreU16LE(out, static_cast<std::uint16_t>(ClampRoundInt<std::int16_t>(raw)));
            break;
        case DATA_TYPE_USHORT:
            StoreU16LE(out, ClampRoundInt<std::uint16_t>(raw));
            break;
        case DATA_TYPE_LONG:
            StoreU32LE(out, static_cast<std::uint32_t>(ClampRoundInt<std::int32_t>(raw)));
            break;
        case DATA_TYPE_ULONG:
            StoreU32LE(out, ClampRoundInt<std::uint32_t>(raw));
            break;
        case DATA_TYPE_DLONG:
            // The largest doubles below 2^63 and 2^64 keep the conversion in range.
            StoreU64LE(out, static_cast<std::uint64_t>(
                                ClampRound<std::int64_t>(raw, -0x1.0p63, 0x1.fffffffffffffp62)));
            break;
        case DATA_TYPE_UDLONG:
            StoreU64LE(out, ClampRound<std::uint64_t>(raw, 0.0, 0x1.fffffffffffffp63));
            break;
        case DATA_TYPE_FLOAT: {
            const float f = static_cast<float>(std::clamp(raw, double(-FLT_MAX), double(FLT_MAX)));
            StoreU32LE(out, std::bit_cast<std::uint32_t>(f));
            break;
        }
        case DATA_TYPE_DOUBLE:
            StoreU64LE(out, std::bit_cast<std::uint64_t>(raw));
            break;
        default:
            break;
    }
}

double ExpectedValue(const GeneratedChannel& channel, std::size_t index, std::uint64_t frame,
                     std::uint64_t seed) {
    std::uint8_t raw[8] = {};
    EncodeChannelValue(channel, index, frame, seed, raw);
    // An identity calibration is stored as "not calibrated"; both decode alike.
    return DecodeValue(raw, channel.dataType, 0xFFFFFFFF, channel.factor, channel.offset);
}

int GenerateRecording(const RecordingOptions& options, std::string* error) {
    const std::vector<GeneratedChannel> channels = ChannelsOf(options);
    const std::vector<std::string> dataPaths = DataFilePaths(options);
    if (std::string problem = Check(options, channels, dataPaths); !problem.empty()) {
        return Fail(error, GENERATE_BAD_OPTIONS, problem);
    }
    const std::vector<SegmentPlan> plans = PlanSegments(options);
    const FrameLayout layout = FrameLayoutOf(options);
    const std::vector<std::uint32_t>& offsets = layout.offsets;
    const auto frameSize = static_cast<std::uint32_t>(layout.frameSize);  // checked

    if (options.form == RecordingForm::MDF_DTA || options.form == RecordingForm::TKS) {
        for (std::uint32_t f = 0; f < dataPaths.size(); ++f) {
            BinaryFileWriter out;
            if (!out.Create(dataPaths[f])) {
                return Fail(error, GENERATE_WRITE_FAILED, "cannot create " + dataPaths[f]);
            }
            bool ok = out.Write(std::vector<std::uint8_t>(options.dataOffset, DATA_OFFSET_FILLER));
            for (const SegmentPlan& p : plans) {
                if (ok && p.fileIndex == f) {
                    ok = WriteFrames(out, channels, offsets, frameSize, p.firstFrame, p.frameCount,
                                     options.seed);
                }
            }
            if (!out.Close() || !ok)
                return Fail(error, GENERATE_WRITE_FAILED, "cannot write " + dataPaths[f]);
        }
        if (options.form == RecordingForm::TKS)
            return WriteTarkoHeader(options, channels, layout, dataPaths.front(), error);
        MeasurementDescription d;
        BuildDescription(options, channels, plans, dataPaths, 0, d);
        const int status = WriteMdfDescription(d, options.path);
        if (status == MDF_WRITE_DOES_NOT_FIT)
            return Fail(error, GENERATE_BAD_OPTIONS, "a value does not fit the format");
        if (status != MDF_WRITE_OK)
            return Fail(error, GENERATE_WRITE_FAILED, "cannot write " + options.path);
        return GENERATE_OK;
    }

    // MCF: the frames follow an embedded-data head placed before the data file element.
    const std::uint64_t dataBytes = options.frames * frameSize;
    if (options.frames != 0 && dataBytes / options.frames != frameSize) {
        return Fail(error, GENERATE_BAD_OPTIONS, "too much data for one file");
    }
    if (dataBytes > U32_MAX - mdf::HEAD_SIZE) {
        return Fail(error, GENERATE_BAD_OPTIONS, "too much data for an MCF file (4 GiB at most)");
    }
    MeasurementDescription draft;
    BuildDescription(options, channels, plans, dataPaths, 0, draft);
    ByteWriter before;
    EncodeMdfHeader(*draft.Header(), before);
    for (const auto& e : draft.Elements()) {
        if (e->Kind() == ELEMENT_DATA_FILE)
            break;
        EncodeMdfElement(*e, before);
    }
    const std::uint64_t dataPosition = before.Size() + mdf::HEAD_SIZE;

    MeasurementDescription d;
    BuildDescription(options, channels, plans, dataPaths, dataPosition, d);
    BinaryFileWriter out;
    if (!out.Create(options.path))
        return Fail(error, GENERATE_WRITE_FAILED, "cannot create " + options.path);
    ByteWriter bytes;
    EncodeMdfHeader(*d.Header(), bytes);
    bool ok = true;
    bool embedded = false;
    for (const auto& e : d.Elements()) {
        if (e.get() == d.Header())
            continue;
        if (e->Kind() == ELEMENT_DATA_FILE && !embedded) {
            bytes.U32LE(ELEMENT_EMBEDDED_DATA);
            bytes.U32LE(static_cast<std::uint32_t>(mdf::HEAD_SIZE + dataBytes));
            bytes.U32LE(ELEMENT_VERSION_1);
            ok = ok && out.Write(bytes.Bytes());
            bytes.Clear();
            ok = ok &&
                 WriteFrames(out, channels, offsets, frameSize, 0, options.frames, options.seed);
            embedded = true;
        }
        if (EncodeMdfElement(*e, bytes) == MdfEncodeResult::DOES_NOT_FIT) {
            return Fail(error, GENERATE_BAD_OPTIONS, "a value does not fit the format");
        }
    }
    ok = ok && out.Write(bytes.Bytes());
    if (!out.Close() || !ok)
        return Fail(error, GENERATE_WRITE_FAILED, "cannot write " + options.path);
    return GENERATE_OK;
}

}  // namespace grafyon
