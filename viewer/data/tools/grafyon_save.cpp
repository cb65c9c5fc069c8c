// grafyon-save: cuts a measurement down to some datasets and ranges without a display, with
// the same save as the viewer's "Save As".
#include <algorithm>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "viewer/data/access/data_access.h"
#include "viewer/data/open/data_file_validation.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/save/measurement_save.h"

namespace {

using namespace grafyon;

constexpr const char* USAGE =
    "Usage: grafyon-save SOURCE TARGET [--datasets N,N,...] [--mode all|inside|outside]\n"
    "                    [--ranges] [--comments] [--comment TEXT] [--overwrite]\n"
    "Opens the measurement SOURCE (.mdf, .mcf or .tks) and stores it as TARGET: one .mcf\n"
    "file with the frames inside, or an .mdf description with the data file TARGET.dta.\n"
    "  --datasets  the datasets to store, counted from 1 in file order (default: all)\n"
    "  --mode      all frames (default), only those inside the ranges, or only those\n"
    "              outside of them\n"
    "  --ranges    store the ranges and spots (not with --mode outside)\n"
    "  --comments  copy the comments\n"
    "  --comment   add a comment\n"
    "  --overwrite replace an existing data file TARGET.dta (TARGET itself is always\n"
    "              replaced)\n"
    "Exits with 0 when stored, 1 when the source cannot be read or the save fails, 2 for\n"
    "bad usage.\n";

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
    g_interrupted = true;
}

struct Options {
    std::string source;
    std::string target;
    std::optional<std::vector<std::uint64_t>> datasets;  // counted from 1
    StoreMode mode = StoreMode::All;
    bool ranges = false;
    bool comments = false;
    bool overwrite = false;
    std::string comment;
};

int Usage(const char* problem) {
    std::fprintf(stderr, "grafyon-save: %s\n%s", problem, USAGE);
    return EXIT_USAGE;
}

std::optional<std::vector<std::uint64_t>> ParseNumbers(std::string_view text) {
    std::vector<std::uint64_t> numbers;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        std::uint64_t value = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size() || value == 0)
            return std::nullopt;
        numbers.push_back(value);
        if (comma == std::string_view::npos)
            return numbers;
        text.remove_prefix(comma + 1);
    }
}

// Parses the command line; an exit code when it is not usable.
std::optional<int> Parse(int argc, char** argv, Options& o) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        }
        if (arg == "--datasets") {
            const char* list = value();
            if (list == nullptr || !(o.datasets = ParseNumbers(list)))
                return Usage("--datasets wants numbers from 1, separated by commas");
        } else if (arg == "--mode") {
            const char* mode = value();
            const std::string_view m = mode ? mode : "";
            if (m == "all") {
                o.mode = StoreMode::All;
            } else if (m == "inside") {
                o.mode = StoreMode::InsideRanges;
            } else if (m == "outside") {
                o.mode = StoreMode::OutsideRanges;
            } else {
                return Usage("--mode wants all, inside or outside");
            }
        } else if (arg == "--ranges") {
            o.ranges = true;
        } else if (arg == "--comments") {
            o.comments = true;
        } else if (arg == "--overwrite") {
            o.overwrite = true;
        } else if (arg == "--comment") {
            const char* text = value();
            if (text == nullptr)
                return Usage("--comment wants a text");
            o.comment = text;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage(("unknown option " + std::string(arg)).c_str());
        } else {
            positional.emplace_back(arg);
        }
    }
    if (positional.size() != 2)
        return Usage("SOURCE and TARGET are needed");
    o.source = positional[0];
    o.target = positional[1];
    return std::nullopt;
}

std::string WithPath(const char* text, const std::string& path) {
    std::string message = text;
    if (const std::size_t at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, path);
    return message;
}

// Opens the source as the viewer does, but without the extremes that only drawing needs.
bool OpenSource(const std::string& path, MeasurementDescription& description, DataAccess& access,
                std::vector<MeasurementRange>& ranges) {
    BinaryFileReader file;
    if (!file.Open(path)) {
        std::fprintf(stderr, "grafyon-save: Following file cannot be opened !\n«%s»\n",
                     path.c_str());
        return false;
    }
    const MeasurementFormatReader* format = nullptr;
    for (const MeasurementFormatReader& reader : MeasurementFormatReaders()) {
        if (reader.probe(file)) {
            format = &reader;
            break;
        }
    }
    file.Close();
    MeasurementStatus status = MeasurementStatus::UnknownFormat;
    if (format != nullptr) {
        status = format->read(path, description);
        if (status == MeasurementStatus::Ok && !description.Empty())
            status = ValidateDataFiles(description);
    }
    if (status != MeasurementStatus::Ok && status != MeasurementStatus::SingleFrame) {
        std::fprintf(stderr, "grafyon-save: %s holds no data to store (status %d)\n", path.c_str(),
                     StatusCode(status));
        return false;
    }
    if (const int attach = access.Attach(description, false); attach != ATTACH_OK) {
        std::fprintf(stderr, "grafyon-save: Error!\nFile-Mapping Error! (status %d)\n", attach);
        return false;
    }
    // The viewer keeps its ranges ordered by their start.
    ranges = RangesOf(description);
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const MeasurementRange& a, const MeasurementRange& b) {
                         return a.startFrame < b.startFrame;
                     });
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (const std::optional<int> exit = Parse(argc, argv, o))
        return *exit;
    const std::optional<SaveFileForm> form = FormForPath(o.target);
    if (!form)
        return Usage("TARGET must end in .mcf or .mdf");

    MeasurementDescription description;
    DataAccess access;
    std::vector<MeasurementRange> ranges;
    if (!OpenSource(o.source, description, access, ranges))
        return EXIT_FAILED;

    if (o.datasets) {
        const std::vector<Dataset*> datasets = description.Datasets();
        for (Dataset* d : datasets)
            d->active = false;
        for (const std::uint64_t n : *o.datasets) {
            if (n > datasets.size()) {
                std::fprintf(stderr,
                             "grafyon-save: there is no dataset %llu (the source has %zu)\n",
                             static_cast<unsigned long long>(n), datasets.size());
                return EXIT_FAILED;
            }
            datasets[n - 1]->active = true;
        }
    }
    if (*form == SaveFileForm::Mdf && !o.overwrite &&
        !TargetHitsSource(description, o.target, *form)) {
        const std::string dataFile = DataFilePathFor(o.target);
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(dataFile, error))) {
            std::fprintf(stderr,
                         "grafyon-save: The data file «%s» allready exists ! (--overwrite "
                         "replaces it)\n",
                         dataFile.c_str());
            return EXIT_FAILED;
        }
    }

    SaveRequest request;
    request.target = o.target;
    request.form = *form;
    request.mode = o.mode;
    request.withRanges = o.ranges;
    request.withComments = o.comments;
    request.userComment = o.comment;
    for (const MeasurementRange& r : ranges)
        request.ranges.push_back(
            {r.name, r.comment, r.startFrame, r.stopFrame, r.active, r.source});

    // An interrupt cancels the save, which then removes what it had begun; a file growing
    // beyond the process's limit fails its write instead of ending the process.
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    std::signal(SIGHUP, OnInterrupt);
    std::signal(SIGXFSZ, SIG_IGN);
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    int lastPercent = -1;
    const int status =
        SaveMeasurement(description, access, request, [&](std::uint64_t done, std::uint64_t total) {
            if (showProgress && total > 0) {
                const int percent = static_cast<int>(done * 100 / total);
                if (percent != lastPercent) {
                    std::fprintf(stderr, "\rStoring the data ... %3d %%", percent);
                    lastPercent = percent;
                }
            }
            return !g_interrupted;
        });
    if (showProgress && lastPercent >= 0)
        std::fputs("\n", stderr);
    if (status == SAVE_CANCELLED) {
        std::fputs("grafyon-save: interrupted, nothing stored\n", stderr);
        return EXIT_FAILED;
    }
    if (status != SAVE_OK) {
        const std::string path =
            status == SAVE_DATA_FILE_CANNOT_CREATE ? DataFilePathFor(o.target) : o.target;
        std::fprintf(stderr, "grafyon-save: %s\n", WithPath(SaveStatusText(status), path).c_str());
        return EXIT_FAILED;
    }
    return 0;
}
