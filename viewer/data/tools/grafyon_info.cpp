// grafyon-info: prints the open status, the description and optionally the values of a file.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/packed_date_time.h"
#include "common/printf_format.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/access/summary_cache.h"
#include "viewer/data/data_type.h"
#include "viewer/data/open/measurement_open.h"

namespace {

using namespace grafyon;

constexpr const char* USAGE =
    "Usage: grafyon-info FILE [--values FIRST COUNT] [--no-cache]\n"
    "       grafyon-info --clear-cache\n"
    "Opens a measurement (.mdf, .mcf or .tks) as the viewer does and prints \"status: N\"\n"
    "(the open status), the header and every element. With --values, the calibrated\n"
    "values of every dataset for COUNT frames from frame FIRST (counted from 0), one frame\n"
    "per line.\n"
    "The extremes of a recording opened before come from the summary cache in\n"
    "$XDG_CACHE_HOME/Vantorelline/Grafyon/ when its data files have not changed since;\n"
    "--no-cache reads every frame instead (and keeps no cache), --clear-cache removes the\n"
    "cache files.\n"
    "Exits with 0 for status 0 or 30, 1 for any other status or a failed read, 2 for\n"
    "bad usage.\n";

constexpr std::size_t VALUE_BUFFER_BYTES = 32768;

// Shortest text that reads back as the same double, whatever the locale.
std::string Number(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string Hex(std::uint32_t value) {
    return FormatPrintf("0x%08X", value);
}

std::string DateTime(std::uint32_t packed) {
    const DateTimeParts p = UnpackDateTime(packed);
    return FormatPrintf("%02d.%02d.%04d %02d:%02d:%02d", p.day, p.month, p.year, p.hour, p.minute,
                        p.second);
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::optional<std::uint64_t> ParseCount(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// The value of a parameter when its bytes hold one readable value, else nothing.
std::optional<double> ParameterValue(const ParameterElement& p) {
    if (ReadableValueSize(p.valueType) == 0 || p.data.size() != ReadableValueSize(p.valueType)) {
        return std::nullopt;
    }
    return DecodeValue(p.data.data(), p.valueType | DATA_TYPE_NOT_CALIBRATED, 0xFFFFFFFF, 1.0, 0.0);
}

void PrintHeader(const MeasurementDescription& d) {
    const HeaderElement& h = *d.Header();
    std::printf("file: %s\n", h.filePath.c_str());
    std::printf("format version: %s\n", Hex(h.formatVersion).c_str());
    std::printf("header size: %u\n", h.headerSize);
    std::printf("frame size: %u\n", h.frameSize);
    std::printf("dataset count: %u\n", h.datasetCount);
    std::printf("recorded: %02u.%02u.%04u %02u:%02u:%02u\n", h.day, h.month, h.year, h.hour,
                h.minute, h.second);
    std::printf("datasets: %u (kind 100: %u, 101: %u, 110: %u)\n", h.DatasetTotal(),
                h.counters.datasets100, h.counters.datasets101, h.counters.datasets110);
    std::printf("frames: %llu\n", static_cast<unsigned long long>(d.FrameCount()));
    const double step = d.SampleStep();
    if (step == SAMPLE_STEP_VARIABLE) {
        std::printf("sample step: Variabel\n");
    } else {
        std::printf("sample step: %s %s\n", Number(step).c_str(), d.CarrierUnit().c_str());
        std::printf("duration: %s %s\n", Number(d.Duration()).c_str(), d.CarrierUnit().c_str());
    }
    std::printf("elements: %zu\n", d.ElementCount());
}

void PrintDataset(const Dataset& s) {
    std::printf("dataset (kind %u) %u: name %s, label %s, unit %s\n", s.Kind(), s.number,
                Quoted(s.name).c_str(), Quoted(s.label).c_str(), Quoted(s.unit).c_str());
    std::printf("  type: %s (%s), size %u\n", s.TypeName().c_str(), Hex(s.dataType).c_str(),
                DataTypeDisplaySize(s.dataType));
    std::printf("  mask: %s, factor: %s, offset: %s\n", Hex(s.dataMask).c_str(),
                Number(s.factor).c_str(), Number(s.offset).c_str());
    std::printf("  frame offset: %u, values per frame: %u\n", s.frameOffset, s.valuesPerFrame);
    if (s.extremesKnown) {
        std::printf("  minimum: %s, maximum: %s\n", Number(s.minimum).c_str(),
                    Number(s.maximum).c_str());
    } else {
        std::printf("  minimum: -, maximum: -\n");
    }
}

void PrintElement(const Element& e) {
    switch (e.Kind()) {
        case ELEMENT_HEADER:
            std::printf("header\n");
            break;
        case ELEMENT_DATA_FILE: {
            const auto& f = static_cast<const DataFileElement&>(e);
            std::printf("data file %u: %s, data offset %llu, path %s\n", f.fileNumber,
                        Quoted(f.fileName).c_str(), static_cast<unsigned long long>(f.dataOffset),
                        f.fullPath.c_str());
            break;
        }
        case ELEMENT_TIME_SEGMENT: {
            const auto& s = static_cast<const TimeSegmentElement&>(e);
            std::printf("time segment %u: data file %u, frames %llu, first frame in file %llu\n",
                        s.segmentNumber, s.dataFileNumber,
                        static_cast<unsigned long long>(s.frameCount),
                        static_cast<unsigned long long>(s.firstFrameInFile));
            std::printf("  step: %s, carrier: %s [%s], factor %s, offset %s\n",
                        Number(s.sampleStep).c_str(), Quoted(s.carrierName).c_str(),
                        s.carrierUnit.c_str(), Number(s.carrierFactor).c_str(),
                        Number(s.carrierOffset).c_str());
            std::printf("  start: %s, end: %s\n", DateTime(s.startDateTime).c_str(),
                        DateTime(s.endDateTime).c_str());
            break;
        }
        case ELEMENT_RANGE_NAME: {
            const auto& r = static_cast<const RangeNameElement&>(e);
            std::printf("range name %u: %s, comment %s\n", r.rangeNumber, Quoted(r.name).c_str(),
                        Quoted(r.comment).c_str());
            break;
        }
        case ELEMENT_RANGE: {
            const auto& r = static_cast<const RangeElement&>(e);
            std::printf("range %u: frames %u to %u, %s to %s\n", r.rangeNumber, r.startFrame,
                        r.stopFrame, DateTime(r.startDateTime).c_str(),
                        DateTime(r.endDateTime).c_str());
            break;
        }
        case ELEMENT_SPOT: {
            const auto& s = static_cast<const SpotElement&>(e);
            std::printf("spot %u: frame %u, %s\n", s.rangeNumber, s.frame,
                        DateTime(s.dateTime).c_str());
            break;
        }
        case ELEMENT_PARAMETER:
        case ELEMENT_RANGE_PARAMETER: {
            const auto& p = static_cast<const ParameterElement&>(e);
            if (e.Kind() == ELEMENT_PARAMETER) {
                std::printf("parameter %u: frame %u", p.parameterNumber, p.frame);
            } else {
                std::printf("range parameter %u: range %u", p.parameterNumber, p.rangeNumber);
            }
            std::printf(", type %s, %zu bytes", DataTypeBaseName(p.valueType), p.data.size());
            if (const std::optional<double> value = ParameterValue(p)) {
                std::printf(", value %s", Number(*value).c_str());
            }
            std::printf("\n");
            break;
        }
        case ELEMENT_COMMENT:
            std::printf("comment: %s\n",
                        Quoted(static_cast<const CommentElement&>(e).text).c_str());
            break;
        case ELEMENT_DATASET:
        case ELEMENT_DATASET_EXTENDED:
        case ELEMENT_DATASET_LIST:
            PrintDataset(static_cast<const Dataset&>(e));
            break;
        case ELEMENT_EMBEDDED_DATA: {
            const auto& m = static_cast<const EmbeddedDataElement&>(e);
            std::printf("embedded data: position %llu, %llu bytes\n",
                        static_cast<unsigned long long>(m.dataPosition),
                        static_cast<unsigned long long>(m.dataSize));
            break;
        }
        default:
            std::printf("element kind %u: %zu bytes, not interpreted\n", e.Kind(),
                        e.RawPayload().size());
            break;
    }
}

// Prints the values; false when they cannot be read.
bool PrintValues(const MeasurementDescription& d, DataAccess& access, std::uint64_t first,
                 std::uint64_t count) {
    std::vector<const Dataset*> datasets;
    for (const Dataset* s : d.Datasets()) {
        if (s->Kind() == ELEMENT_DATASET && s->FitsFrame(d.FrameSize()))
            datasets.push_back(s);
    }
    const std::uint64_t frames = d.FrameCount();
    if (count > 0 && first >= frames) {
        std::fprintf(stderr, "grafyon-info: frame %llu lies beyond the %llu frames\n",
                     static_cast<unsigned long long>(first),
                     static_cast<unsigned long long>(frames));
        return false;
    }
    count = std::min(count, frames - std::min(first, frames));
    std::printf("values: %llu frames from frame %llu\n", static_cast<unsigned long long>(count),
                static_cast<unsigned long long>(first));
    std::printf("frame");
    for (const Dataset* s : datasets)
        std::printf("\t%s", s->name.c_str());
    std::printf("\n");
    if (count == 0)
        return true;

    const std::uint64_t frameSize = d.FrameSize();
    std::vector<std::uint8_t> buffer(std::max<std::uint64_t>(VALUE_BUFFER_BYTES, frameSize));
    int status = 0;
    FrameReader* reader = access.OpenReader(&d, static_cast<std::int64_t>(first),
                                            static_cast<std::int64_t>(count), buffer, &status);
    if (reader == nullptr) {
        std::fprintf(stderr, "grafyon-info: the frames cannot be read (status %d)\n", status);
        return false;
    }
    std::uint64_t frame = first;
    std::int64_t n = 0;
    while ((n = access.ReadChunk(reader)) > 0) {
        for (std::int64_t f = 0; f < n; ++f, ++frame) {
            std::string line = std::to_string(frame);
            const std::uint8_t* bytes = buffer.data() + static_cast<std::uint64_t>(f) * frameSize;
            for (const Dataset* s : datasets) {
                line += '\t';
                line += Number(s->Decode(bytes + s->effectiveFrameOffset));
            }
            line += '\n';
            std::fputs(line.c_str(), stdout);
        }
    }
    access.CloseReader(reader);
    if (n < 0) {
        std::fprintf(stderr, "grafyon-info: reading stopped at frame %llu (status %lld)\n",
                     static_cast<unsigned long long>(frame), static_cast<long long>(n));
        return false;
    }
    return true;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "grafyon-info: %s\n\n%s", problem, USAGE);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> values;
    bool useCache = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        }
        if (arg == "--clear-cache") {
            const std::string folder = SummaryCacheFolder();
            if (!folder.empty())
                EvictSummaryCache(folder, 0);
            return 0;
        }
        if (arg == "--no-cache") {
            useCache = false;
        } else if (arg == "--values") {
            if (i + 2 >= argc)
                return Usage("--values needs FIRST and COUNT");
            const std::optional<std::uint64_t> first = ParseCount(argv[i + 1]);
            const std::optional<std::uint64_t> count = ParseCount(argv[i + 2]);
            if (!first || !count)
                return Usage("FIRST and COUNT must be whole numbers");
            values.emplace(*first, *count);
            i += 2;
        } else if (!path.empty() || arg.starts_with("--")) {
            return Usage("unexpected argument");
        } else {
            path = arg;
        }
    }
    if (path.empty())
        return Usage("no file given");

    MeasurementDescription description;
    DataAccess access;
    if (useCache) {
        DataAccess::ScanOptions options;
        options.cacheFolder = SummaryCacheFolder();
        access.SetScanOptions(options);
    }
    const MeasurementOpenResult result = OpenMeasurement(path, description, access);
    std::printf("status: %d\n", StatusCode(result.status));
    if (!result.fileOpened)
        std::printf("error: the file cannot be opened\n");
    if (result.attachStatus != 0) {
        std::printf("error: the data cannot be mapped (attach status %d)\n", result.attachStatus);
    }
    if (result.message != MESSAGE_NONE)
        std::printf("message: %d\n", result.message);
    for (const ShortDataFile& file : result.shortDataFiles) {
        std::printf("warning: the data file %s is short: %llu of %llu frames are missing\n",
                    file.path.c_str(), static_cast<unsigned long long>(file.missingFrames),
                    static_cast<unsigned long long>(file.declaredFrames));
    }
    bool ok = (result.status == MeasurementStatus::Ok ||
               result.status == MeasurementStatus::SingleFrame) &&
              result.attached;
    if (!description.Empty()) {
        PrintHeader(description);
        for (const auto& e : description.Elements())
            PrintElement(*e);
    }
    if (values) {
        if (!result.attached) {
            std::fprintf(stderr, "grafyon-info: no values: the measurement has no readable data\n");
            ok = false;
        } else {
            ok = PrintValues(description, access, values->first, values->second) && ok;
        }
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
