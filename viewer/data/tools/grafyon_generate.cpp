// grafyon-generate: writes deterministic test and demo recordings from the command line.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_parse.h"
#include "viewer/data/tools/recording_generator.h"

namespace {

using namespace grafyon;

constexpr const char* USAGE =
    "Usage: grafyon-generate [options] OUTPUT\n"
    "Writes a deterministic recording. An OUTPUT ending in .mcf becomes one MCF file, one\n"
    "ending in .tks a TARKO header file with its .dta data file beside it; otherwise\n"
    "OUTPUT is an MDF description with its .dta data files beside it.\n"
    "\n"
    "  --frames N        frames in all (default 1000)\n"
    "  --channels N      channels (default 4); mixed types unless --types is given\n"
    "  --types LIST      comma-separated types cycled over the channels: char, uchar,\n"
    "                    short, ushort, long, ulong, dlong, udlong, float, double,\n"
    "                    bool8, bool16, bool32, bool64, or a code such as 0x103\n"
    "  --signals LIST    sine, ramp, noise, steps, cycled over the channels\n"
    "  --segments N      time segments (default 1)\n"
    "  --data-files N    data files the segments are spread over (default 1)\n"
    "  --step SECONDS    sample step (default 0.001)\n"
    "  --data-offset N   filler bytes before the first frame of each data file\n"
    "  --seed N          seed of the noise signals (default 1)\n"
    "  --ranges N        named ranges      --spots N       spots\n"
    "  --comments N      comments          --parameters N  parameters\n"
    "  --mcf, --mdf, --tks  choose the form whatever the extension\n"
    "  --tks-types       TARKO: store each channel in its own type (bool16, short,\n"
    "                    ushort, long, float) instead of every channel as a float\n"
    "  --text LINE       TARKO: a header text line (up to four)\n";

std::optional<std::uint64_t> ParseUnsigned(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> items;
    while (true) {
        const std::size_t comma = text.find(',');
        items.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return items;
}

std::optional<std::uint32_t> ParseType(std::string_view name) {
    static constexpr std::pair<std::string_view, std::uint32_t> NAMES[] = {
        {"char", DATA_TYPE_CHAR},     {"uchar", DATA_TYPE_UCHAR},   {"short", DATA_TYPE_SHORT},
        {"ushort", DATA_TYPE_USHORT}, {"long", DATA_TYPE_LONG},     {"ulong", DATA_TYPE_ULONG},
        {"dlong", DATA_TYPE_DLONG},   {"udlong", DATA_TYPE_UDLONG}, {"float", DATA_TYPE_FLOAT},
        {"double", DATA_TYPE_DOUBLE}, {"bool8", DATA_TYPE_BOOL8},   {"bool16", DATA_TYPE_BOOL16},
        {"bool32", DATA_TYPE_BOOL32}, {"bool64", DATA_TYPE_BOOL64}};
    for (const auto& [text, code] : NAMES) {
        if (name == text)
            return code;
    }
    const std::optional<std::uint64_t> code = ParseUnsigned(name);
    if (!code || *code > 0xFFFFFFFFu || ReadableValueSize(static_cast<std::uint32_t>(*code)) == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*code);
}

std::optional<SignalShape> ParseSignal(std::string_view name) {
    if (name == "sine")
        return SignalShape::SINE;
    if (name == "ramp")
        return SignalShape::RAMP;
    if (name == "noise")
        return SignalShape::NOISE;
    if (name == "steps")
        return SignalShape::STEPS;
    return std::nullopt;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "grafyon-generate: %s\n\n%s", problem, USAGE);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    RecordingOptions options;
    std::optional<RecordingForm> form;
    std::vector<std::uint32_t> types;
    std::vector<SignalShape> signals;
    std::string output;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        }
        if (arg == "--mcf" || arg == "--mdf" || arg == "--tks") {
            form = arg == "--mcf"   ? RecordingForm::MCF
                   : arg == "--tks" ? RecordingForm::TKS
                                    : RecordingForm::MDF_DTA;
            continue;
        }
        if (arg == "--tks-types") {
            options.tarkoFloatStorage = false;
            continue;
        }
        if (!arg.starts_with("--")) {
            if (!output.empty())
                return Usage("only one output file can be given");
            output = arg;
            continue;
        }
        if (i + 1 >= argc)
            return Usage("an option lacks its value");
        const std::string_view value = argv[++i];
        const std::optional<std::uint64_t> number = ParseUnsigned(value);
        const auto count32 = [&]() -> std::optional<std::uint32_t> {
            if (!number || *number > 0xFFFFFFFFu)
                return std::nullopt;
            return static_cast<std::uint32_t>(*number);
        };
        if (arg == "--frames" && number) {
            options.frames = *number;
        } else if (arg == "--channels" && count32()) {
            options.channelCount = *count32();
        } else if (arg == "--segments" && count32()) {
            options.segments = *count32();
        } else if (arg == "--data-files" && count32()) {
            options.dataFiles = *count32();
        } else if (arg == "--data-offset" && count32()) {
            options.dataOffset = *count32();
        } else if (arg == "--seed" && number) {
            options.seed = *number;
        } else if (arg == "--ranges" && count32()) {
            options.ranges = *count32();
        } else if (arg == "--spots" && count32()) {
            options.spots = *count32();
        } else if (arg == "--comments" && count32()) {
            options.comments = *count32();
        } else if (arg == "--parameters" && count32()) {
            options.parameters = *count32();
        } else if (arg == "--step") {
            const std::optional<double> step = ParseDouble(value);
            if (!step || !(*step > 0.0))
                return Usage("the step must be a positive number");
            options.sampleStep = *step;
        } else if (arg == "--text") {
            options.textLines.emplace_back(value);
        } else if (arg == "--types") {
            for (std::string_view name : SplitList(value)) {
                const std::optional<std::uint32_t> type = ParseType(name);
                if (!type)
                    return Usage("unknown or unreadable type in --types");
                types.push_back(*type);
            }
        } else if (arg == "--signals") {
            for (std::string_view name : SplitList(value)) {
                const std::optional<SignalShape> signal = ParseSignal(name);
                if (!signal)
                    return Usage("unknown signal in --signals");
                signals.push_back(*signal);
            }
        } else {
            return Usage("unknown option or bad number");
        }
    }
    if (output.empty())
        return Usage("no output file given");
    options.path = output;
    if (!form) {
        form = output.ends_with(".mcf") || output.ends_with(".MCF")   ? RecordingForm::MCF
               : output.ends_with(".tks") || output.ends_with(".TKS") ? RecordingForm::TKS
                                                                      : RecordingForm::MDF_DTA;
    }
    options.form = *form;

    if (!types.empty() || !signals.empty()) {
        options.channels = DefaultChannels(options.channelCount);
        for (std::size_t c = 0; c < options.channels.size(); ++c) {
            if (!types.empty())
                options.channels[c] = DefaultChannelOfType(types[c % types.size()], c);
            if (!signals.empty())
                options.channels[c].signal = signals[c % signals.size()];
        }
    }

    std::string error;
    if (GenerateRecording(options, &error) != GENERATE_OK) {
        std::fprintf(stderr, "grafyon-generate: %s\n", error.c_str());
        return 1;
    }
    const std::vector<std::string> files = DataFilePaths(options);
    std::printf("%s: %llu frames, %zu channels, %u segment(s), frame size %llu\n", output.c_str(),
                static_cast<unsigned long long>(options.frames), ChannelsOf(options).size(),
                options.segments,
                static_cast<unsigned long long>(FrameLayoutOf(options).frameSize));
    if (options.form != RecordingForm::MCF) {
        for (const std::string& file : files)
            std::printf("%s\n", file.c_str());
    }
    return 0;
}
