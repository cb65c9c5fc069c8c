// grafyon-link: joins recordings of one layout into one measurement without a display, with
// the same checks and writing as the viewer's "Link data files".
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "viewer/data/link/link_files.h"

namespace {

using namespace grafyon;

constexpr const char* USAGE =
    "Usage: grafyon-link TARGET.mdf SOURCE... [--mode link|merge] [--overwrite]\n"
    "Joins the recordings SOURCE... (.mdf, .mcf or .tks, of the same layout) in the given\n"
    "order into one measurement TARGET.mdf (\".mdf\" is appended when missing).\n"
    "  --mode link   (default) TARGET.mdf refers to the original data files, which must lie\n"
    "                in the folder of the first SOURCE, as TARGET.mdf must; nothing is copied\n"
    "  --mode merge  TARGET.mdf and a new data file TARGET.dta with all frames\n"
    "  --overwrite   replace an existing TARGET.dta (TARGET.mdf itself is always replaced)\n"
    "Exits with 0 when written, 1 when the files do not fit together or cannot be read or\n"
    "written, 2 for bad usage.\n";

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
    g_interrupted = true;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "grafyon-link: %s\n%s", problem, USAGE);
    return EXIT_USAGE;
}

}  // namespace

int main(int argc, char** argv) {
    LinkRequest request;
    bool overwrite = false;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        }
        if (arg == "--mode") {
            const std::string_view mode = i + 1 < argc ? argv[++i] : "";
            if (mode == "link") {
                request.mode = LinkMode::Link;
            } else if (mode == "merge") {
                request.mode = LinkMode::Merge;
            } else {
                return Usage("--mode wants link or merge");
            }
        } else if (arg == "--overwrite") {
            overwrite = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage(("unknown option " + std::string(arg)).c_str());
        } else {
            positional.emplace_back(arg);
        }
    }
    if (positional.size() < 3)
        return Usage("TARGET and at least two SOURCE files are needed");
    request.target = LinkTargetPath(positional.front());
    request.sources.assign(positional.begin() + 1, positional.end());

    // The checks of the file list, as the viewer makes them when files are listed.
    std::vector<LinkSource> sources;
    for (const std::string& path : request.sources) {
        sources.push_back(ReadLinkSource(path));
        if (!sources.back().Usable()) {
            LinkOutcome outcome;
            outcome.status = LINK_SOURCE_UNREADABLE;
            outcome.subject = path;
            outcome.sourceStatus = sources.back().status;
            std::fprintf(stderr, "grafyon-link: %s\n", LinkOutcomeText(outcome).c_str());
            return EXIT_FAILED;
        }
    }
    if (request.mode == LinkMode::Merge && !overwrite &&
        CheckLinkTarget(sources, request.target, request.mode) == LinkTargetProblem::None) {
        const std::string dataFile = LinkDataFilePath(request.target);
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(dataFile, error))) {
            std::fprintf(stderr,
                         "grafyon-link: The data file «%s» allready exists ! (--overwrite "
                         "replaces it)\n",
                         dataFile.c_str());
            return EXIT_FAILED;
        }
    }
    sources.clear();

    // An interrupt cancels, and the link removes what it had begun.
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    std::signal(SIGHUP, OnInterrupt);
    std::signal(SIGXFSZ, SIG_IGN);
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    int lastPercent = -1;
    const LinkOutcome outcome = LinkFiles(request, [&](std::uint64_t done, std::uint64_t total) {
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
    if (outcome.status == LINK_CANCELLED) {
        std::fputs("grafyon-link: interrupted, nothing written\n", stderr);
        return EXIT_FAILED;
    }
    if (outcome.status != LINK_OK) {
        std::fprintf(stderr, "grafyon-link: %s\n", LinkOutcomeText(outcome).c_str());
        return EXIT_FAILED;
    }
    return 0;
}
