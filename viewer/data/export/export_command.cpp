// grafyon-export: arguments, the filter folders, opening the file, the export and its status.
#include "export_command.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>

#include "common/quenar_host.h"
#include "export_routine.h"
#include "exportfilter/quenvartexila.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/open/measurement_open.h"

namespace grafyon {

const char* const EXPORT_COMMAND_USAGE =
    "Usage: grafyon-export FILE --filter NAME [--first N] [--count M] [--output PATH]\n"
    "       grafyon-export --list-filters [--filters DIR]\n"
    "Exports the measurement FILE (.mdf, .mcf or .tks) with the export filter NAME, as the\n"
    "viewer's export command does, without a display: the export library's messages go to\n"
    "standard error and its questions count as answered Yes.\n"
    "\n"
    "  --filter NAME   the filter definition NAME.yef, looked for in --filters DIR, then in\n"
    "                  the viewer's own and shared filter folders\n"
    "  --first N       first frame to export, counted from 0 (default 0)\n"
    "  --count M       number of frames (default: to the end)\n"
    "  --output PATH   the data file to write instead of the name the filter gives (an\n"
    "                  existing file is replaced); a folder keeps the filter's names\n"
    "  --filters DIR   a further folder of filter definitions, searched first\n"
    "  --list-filters  lists the filters of the folders, one \"NAME<TAB>FILE\" per line\n"
    "\n"
    "Exit status: 0 when the export succeeded, 64 for bad usage, otherwise the export's\n"
    "result (see the README).\n";

namespace {

namespace fs = std::filesystem;

constexpr std::string_view FILTER_EXTENSION = ".yef";

bool ParseCount(const std::string& text, std::int64_t minimum, std::int64_t& value) {
    std::int64_t parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || parsed < minimum)
        return false;
    value = parsed;
    return true;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) < Lower(y); });
    const bool greater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) { return Lower(x) < Lower(y); });
    return less || (!greater && a < b);
}

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string StemOf(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - FILTER_EXTENSION.size());
}

// The texts of the document's open messages, for a shell without the viewer's tables.
const char* OpenMessageText(int message) {
    switch (message) {
        case MESSAGE_UNKNOWN_FORMAT:
            return "Error! Unknown File Format!";
        case MESSAGE_CORRUPT:
            return "Error! The File is corrupt!";
        case MESSAGE_UNKNOWN_ERROR:
            return "Error! Unknown Error!";
        case MESSAGE_NOT_SUPPORTED:
            return "Error! The file format is not supported !";
        case MESSAGE_FILE_MAPPING:
            return "Error! File-Mapping Error!";
        default:
            return nullptr;
    }
}

// The datasets a freshly opened document shows as curves: the active ones whose values can
// be read, in file order.
std::vector<const Dataset*> FirstViewDatasets(const MeasurementDescription& description,
                                              const DataAccess& access) {
    std::vector<const Dataset*> datasets;
    for (const Dataset* dataset : description.Datasets()) {
        if (dataset->active && access.Readable(*dataset))
            datasets.push_back(dataset);
    }
    return datasets;
}

std::vector<std::string> SearchFolders(const ExportCommandLine& line,
                                       const FilterSearchFolders& folders) {
    std::vector<std::string> result;
    for (const std::string& folder :
         {WithTrailingSlash(line.filtersFolder), folders.local, folders.shared}) {
        if (!folder.empty() && std::find(result.begin(), result.end(), folder) == result.end())
            result.push_back(folder);
    }
    return result;
}

}  // namespace

bool ParseExportCommandLine(std::span<const std::string> arguments, ExportCommandLine& line,
                            std::string& error) {
    line = {};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto value = [&]() -> const std::string& { return arguments[++i]; };
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--list-filters") {
            line.listFilters = true;
        } else if (arg == "--filter" || arg == "--first" || arg == "--count" || arg == "--output" ||
                   arg == "--filters") {
            if (!hasValue) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& text = value();
            if (arg == "--filter") {
                line.filterName = text;
            } else if (arg == "--output") {
                line.outputPath = text;
            } else if (arg == "--filters") {
                line.filtersFolder = text;
            } else if (arg == "--first" && !ParseCount(text, 0, line.firstFrame)) {
                error = "--first needs a frame number from 0 on, not \"" + text + "\"";
                return false;
            } else if (arg == "--count" && !ParseCount(text, 1, line.frameCount)) {
                error = "--count needs a number of frames from 1 on, not \"" + text + "\"";
                return false;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            error = "unknown option " + arg;
            return false;
        } else if (line.file.empty()) {
            line.file = arg;
        } else {
            error = "one file only: " + arg;
            return false;
        }
    }
    if (line.help || line.listFilters)
        return true;
    if (line.file.empty()) {
        error = "no file named";
        return false;
    }
    if (line.filterName.empty()) {
        error = "no filter named (--filter NAME)";
        return false;
    }
    return true;
}

int ExportExitStatus(int result) {
    if (result == EXPORT_OK)
        return 0;
    const int status = static_cast<int>(static_cast<unsigned>(result) & 0xFFu);
    return status != 0 ? status : 1;
}

std::vector<std::string> FilterFilesOf(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.size() <= FILTER_EXTENSION.size() || name.front() == '.' ||
            !EqualsIgnoringCase(
                std::string_view(name).substr(name.size() - FILTER_EXTENSION.size()),
                FILTER_EXTENSION) ||
            !it->is_regular_file(typeError))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

bool FolderHoldsFilter(const std::string& folder, const std::string& name) {
    if (folder.empty() || name.empty())
        return false;
    for (const std::string& file : FilterFilesOf(folder)) {
        if (EqualsIgnoringCase(StemOf(file), name))
            return true;
    }
    return false;
}

int RunExportCommand(const ExportCommandLine& line, const FilterSearchFolders& folders,
                     std::FILE* out, std::FILE* err) {
    const std::vector<std::string> searched = SearchFolders(line, folders);
    if (line.listFilters) {
        for (const std::string& folder : searched) {
            for (const std::string& file : FilterFilesOf(folder))
                std::fprintf(out, "%s\t%s%s\n", StemOf(file).c_str(), folder.c_str(), file.c_str());
        }
        return 0;
    }

    // The library searches its local folder first: a filter of --filters DIR goes there.
    const std::string extra = WithTrailingSlash(line.filtersFolder);
    const std::string local = FolderHoldsFilter(extra, line.filterName) ? extra : folders.local;
    QuenvartexilaPathInitial(QUENAR_LOCAL_FILTER_PATH, local.c_str());
    QuenvartexilaPathInitial(QUENAR_GLOBAL_FILTER_PATH, folders.shared.c_str());

    // The data are read once, front to back: no summaries for the diagrams.
    MeasurementDescription description;
    DataAccess access;
    DataAccess::ScanOptions scan;
    scan.summaries = false;
    access.SetScanOptions(scan);
    const MeasurementOpenResult opened = OpenMeasurement(line.file, description, access);
    bool openReported = true;
    if (!opened.fileOpened) {
        std::fprintf(err, "grafyon-export: \u00ab%s\u00bb cannot be opened.\n", line.file.c_str());
    } else if (const char* text = OpenMessageText(opened.message)) {
        std::fprintf(err, "grafyon-export: \u00ab%s\u00bb: %s (open status %d)\n",
                     line.file.c_str(), text, StatusCode(opened.status));
    } else {
        openReported = false;
    }
    ExportSource source;
    source.documentPath = line.file;
    if (opened.attached && (opened.status == MeasurementStatus::Ok ||
                            opened.status == MeasurementStatus::SingleFrame)) {
        source.description = &description;
        source.access = &access;
        source.datasets = FirstViewDatasets(description, access);
    }

    ExportRequest request;
    request.filterName = line.filterName;
    request.firstFrame = line.firstFrame;
    request.frameCount = line.frameCount;
    request.outputPath = line.outputPath;
    const ExportOutcome outcome = RunExport(source, request);
    if (outcome.result == EXPORT_OK)
        return 0;
    // A file that did not open has said why already.
    if (outcome.result != EXPORT_NO_DATA || !openReported)
        std::fprintf(err, "grafyon-export: %s\n", outcome.reason.c_str());
    if (outcome.result == EXPORT_NO_FILTER) {
        std::string list;
        for (const std::string& folder : searched)
            list += (list.empty() ? "" : ", ") + folder;
        std::fprintf(err, "grafyon-export: filters are looked for in: %s\n",
                     list.empty() ? "(no folder)" : list.c_str());
    }
    return ExportExitStatus(outcome.result);
}

}  // namespace grafyon
