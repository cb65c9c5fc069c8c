// Linking recordings. Merging four recordings into one data file against `cat` of their data
// files into one file (both alternate in every round, the outputs removed and the page
// cache's dirty pages written out, untimed, before each run), grafyon-link's peak resident
// memory while merging, and linking 100 recordings in place (no frame is read).
//
//   link_bench [MIB]   MIB per merged recording, default 64; 512 for the full-size run
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench_recording.h"
#include "viewer/data/link/link_files.h"
#include "viewer/data/mdf/mdf_writer.h"

extern char** environ;

namespace grafyon::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int ROUNDS = 3;
constexpr std::uint64_t CHANNELS = 32;  // 128-byte frames

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

std::string InBenchDir(const std::string& name) {
    return (BenchDir::Get().Path() / name).string();
}

// Runs a program and waits for it; its exit status (-1 when it did not end normally) and,
// when asked, its peak resident memory in bytes.
int RunProgram(const std::vector<std::string>& args, std::uint64_t* peakResident = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child)
        return -1;
    if (peakResident != nullptr)
        *peakResident = std::uint64_t(usage.ru_maxrss) * 1024;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A recording of frames FLOAT frames with its description file beside its data file.
std::string MakeSource(const std::string& stem, std::uint64_t frames) {
    Recording r = MakeFloatRecording(stem + ".dta", frames, CHANNELS);
    if (r.path.empty())
        return {};
    const std::string description = InBenchDir(stem + ".mdf");
    if (WriteMdfDescription(*r.description, description) != MDF_WRITE_OK)
        return {};
    return description;
}

void RemoveFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        std::remove(path.c_str());
    ::sync();
}

std::string Tool(const char* name) {
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    return (std::filesystem::path(self).parent_path().parent_path() / "bin" / name).string();
}

bool MergeVersusCat(std::uint64_t mib) {
    const std::uint64_t frames = (mib << 20) / (CHANNELS * 4);
    std::vector<std::string> sources, dataFiles;
    for (int i = 0; i < 4; ++i) {
        const std::string stem = "merge_source_" + std::to_string(i);
        const std::string source = MakeSource(stem, frames);
        if (source.empty())
            return false;
        sources.push_back(source);
        dataFiles.push_back(InBenchDir(stem + ".dta"));
    }
    const std::string catOut = InBenchDir("cat_out.dta");
    std::string catCommand = "cat";
    for (const std::string& file : dataFiles)
        catCommand += " '" + file + "'";
    catCommand += " > '" + catOut + "'";
    const std::string target = InBenchDir("merged.mdf");
    const std::vector<std::string> outputs{catOut, target, InBenchDir("merged.dta")};

    for (const std::string& file : dataFiles)
        PlainRead(file, 1u << 20);  // into the page cache
    double catSeconds = 0, mergeSeconds = 0;
    std::vector<double> ratios;
    for (int round = 0; round < ROUNDS; ++round) {
        RemoveFiles(outputs);
        const auto t0 = Clock::now();
        if (RunProgram({"/bin/sh", "-c", catCommand}) != 0)
            return false;
        const auto t1 = Clock::now();
        RemoveFiles(outputs);
        const auto t2 = Clock::now();
        const LinkOutcome outcome = LinkFiles({sources, target, LinkMode::Merge});
        const auto t3 = Clock::now();
        if (outcome.status != LINK_OK) {
            std::fprintf(stderr, "merge failed: %s\n", LinkOutcomeText(outcome).c_str());
            return false;
        }
        catSeconds += Seconds(t1 - t0);
        mergeSeconds += Seconds(t3 - t2);
        ratios.push_back(Seconds(t1 - t0) / Seconds(t3 - t2));
    }
    std::sort(ratios.begin(), ratios.end());
    const double gb = 4.0 * double(frames * CHANNELS * 4) / 1e9 * ROUNDS;
    std::printf(
        "merge of 4 x %llu MiB: cat %.2f GB/s, merge %.2f GB/s, merge/cat %.2f "
        "(median of %d rounds %.2f)\n",
        static_cast<unsigned long long>(mib), gb / catSeconds, gb / mergeSeconds,
        catSeconds / mergeSeconds, ROUNDS, ratios[ratios.size() / 2]);

    const std::string tool = Tool("grafyon-link");
    std::uint64_t peak = 0;
    RemoveFiles(outputs);
    std::vector<std::string> args{tool, target};
    args.insert(args.end(), sources.begin(), sources.end());
    args.insert(args.end(), {"--mode", "merge"});
    if (::access(tool.c_str(), X_OK) == 0 && RunProgram(args, &peak) == 0)
        std::printf("grafyon-link --mode merge: peak resident memory %.1f MiB\n",
                    double(peak) / double(1 << 20));
    else
        std::printf("grafyon-link: not built or failed, no peak resident memory\n");
    RemoveFiles(outputs);
    RemoveFiles(dataFiles);
    RemoveFiles(sources);
    return true;
}

bool LinkHundred() {
    std::vector<std::string> sources;
    for (int i = 0; i < 100; ++i) {
        char stem[32];
        std::snprintf(stem, sizeof stem, "link_source_%03d", i);
        const std::string source = MakeSource(stem, 20000);
        if (source.empty())
            return false;
        sources.push_back(source);
    }
    const std::string target = InBenchDir("linked.mdf");
    double best = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        std::remove(target.c_str());
        const auto t0 = Clock::now();
        const LinkOutcome outcome = LinkFiles({sources, target, LinkMode::Link});
        const double seconds = Seconds(Clock::now() - t0);
        if (outcome.status != LINK_OK) {
            std::fprintf(stderr, "link failed: %s\n", LinkOutcomeText(outcome).c_str());
            return false;
        }
        best = std::min(best, seconds);
    }
    std::printf("link of 100 recordings in place: %.3f s (best of %d)\n", best, ROUNDS);
    return true;
}

}  // namespace
}  // namespace grafyon::bench

int main(int argc, char** argv) {
    std::uint64_t mib = 64;
    if (argc > 1) {
        mib = std::strtoull(argv[1], nullptr, 10);
        if (mib == 0) {
            std::fprintf(stderr, "usage: link_bench [MIB per merged recording]\n");
            return 2;
        }
    }
    const bool merged = grafyon::bench::MergeVersusCat(mib);
    const bool linked = grafyon::bench::LinkHundred();
    return merged && linked ? 0 : 1;
}
