// The first picture of a large recording: how soon it shows after the open when the whole
// recording is scanned behind it, from a cold page cache (a large recording on disk) and a
// warm one, against the open that scans everything before it shows anything.
//
//   first_picture_bench [--cold-gib 10] [--warm-gib 1] [--runs 5]
//
// The recordings go to TMPDIR, which must be on a disk for the cold case (not /dev/shm).
// The page cache is emptied for the recording's files with posix_fadvise after they are
// written back (and /proc/sys/vm/drop_caches as well when writable).
#include <QApplication>
#include <QFrame>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench_recording.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// 16 SHORT and 16 FLOAT channels: 96 bytes per frame.
std::string Generate(const std::string& name, double gib) {
    grafyon::RecordingOptions options;
    options.path = (grafyon::bench::BenchDir::Get().Path() / name).string();
    options.frames = static_cast<std::uint64_t>(gib * double(1ull << 30) / 96.0);
    for (int c = 0; c < 32; ++c) {
        grafyon::GeneratedChannel channel;
        channel.name = "channel " + std::to_string(c + 1);
        channel.unit.push_back('V');
        channel.dataType = c % 2 == 0 ? grafyon::DATA_TYPE_SHORT : grafyon::DATA_TYPE_FLOAT;
        channel.signal = c % 3 == 0   ? grafyon::SignalShape::RAMP
                         : c % 3 == 1 ? grafyon::SignalShape::STEPS
                                      : grafyon::SignalShape::NOISE;
        channel.amplitude = 100.0;
        channel.period = 1000 + 997 * c;
        options.channels.push_back(channel);
    }
    const Clock::time_point t0 = Clock::now();
    std::string error;
    if (grafyon::GenerateRecording(options, &error) != grafyon::GENERATE_OK) {
        std::fprintf(stderr, "cannot generate the recording: %s\n", error.c_str());
        std::exit(1);
    }
    std::printf("%s: %.2f GiB, %llu frames, generated in %.1f s\n", name.c_str(), gib,
                static_cast<unsigned long long>(options.frames), Ms(Clock::now() - t0) / 1000.0);
    return options.path;
}

// Writes the recording's files back and drops them from the page cache.
void MakeCold(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const int fd = ::open(e.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
    if (FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w")) {
        std::fputs("1\n", f);
        std::fclose(f);
    }
}

void MakeWarm(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::vector<char> buffer(1 << 20);
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const int fd = ::open(e.path().c_str(), O_RDONLY | O_CLOEXEC);
        while (fd >= 0 && ::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    }
}

struct Times {
    double firstPicture = 0.0;  // open + the rendered picture
    double whole = 0.0;         // until the scan's result is in and drawn
    double close = 0.0;         // closing in the middle of the scan (closeEarly)
};

// One open in a fresh document and view, as the viewer opens (speed-optimised first window).
Times Open(const std::string& path, bool background, bool closeEarly = false,
           const std::string& cacheFolder = {}) {
    grafyon::CGrafyonDoc document;
    grafyon::InitialViewSettings settings;
    settings.window = grafyon::InitialWindow::SpeedOptimized;
    settings.diagramsPerPage = 4;
    document.SetInitialView(settings, {0xFF0000, 0x008000, 0x0000FF, 0x800080});
    document.SetBackgroundScan(background);
    document.SetSummaryCache(cacheFolder, std::uint64_t(8) << 30);
    grafyon::CGrafyonView view;
    view.setFrameShape(QFrame::NoFrame);
    view.resize(1920, 1080);
    view.SetDocument(&document);
    Times t;
    const Clock::time_point t0 = Clock::now();
    if (!document.OnOpenDocument(QString::fromStdString(path))) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    view.Render();
    t.firstPicture = Ms(Clock::now() - t0);
    if (closeEarly) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const Clock::time_point c = Clock::now();
        document.OnNewDocument();
        t.close = Ms(Clock::now() - c);
        return t;
    }
    while (!document.Access().ScanDone(document.Description()))
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    document.FinishScan();
    view.Render();
    t.whole = Ms(Clock::now() - t0);
    document.Access().WaitForCacheWriting();
    return t;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    double coldGiB = 10.0, warmGiB = 1.0;
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--cold-gib") == 0)
            coldGiB = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--warm-gib") == 0)
            warmGiB = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    const double needed = (std::max(coldGiB, 0.0) + std::max(warmGiB, 0.0)) * double(1ull << 30);
    if (double(grafyon::bench::BenchDir::Get().FreeBytes()) < needed * 1.1) {
        std::fprintf(stderr, "not enough room in %s\n",
                     grafyon::bench::BenchDir::Get().Path().c_str());
        return 1;
    }

    if (warmGiB > 0) {
        const std::string warm = Generate("warm.mdf", warmGiB);
        MakeWarm(warm);
        std::vector<double> progressive, progressiveWhole, scanFirst;
        for (int r = 0; r < runs; ++r) {
            const Times p = Open(warm, true);
            progressive.push_back(p.firstPicture);
            progressiveWhole.push_back(p.whole);
            scanFirst.push_back(Open(warm, false).firstPicture);
        }
        std::printf(
            "warm %.2f GiB, median of %d: first picture %.1f ms (whole scan in %.1f ms); "
            "scanning first: first picture %.1f ms (%.1fx later)\n",
            warmGiB, runs, Median(progressive), Median(progressiveWhole), Median(scanFirst),
            Median(scanFirst) / Median(progressive));
        // Reopening with the summaries kept: the data files are made old enough to be cached.
        const std::string cache = (grafyon::bench::BenchDir::Get().Path() / "cache/").string();
        for (const auto& e :
             std::filesystem::directory_iterator(std::filesystem::path(warm).parent_path())) {
            if (e.is_regular_file())
                std::filesystem::last_write_time(
                    e.path(), std::filesystem::last_write_time(e.path()) - std::chrono::hours(1));
        }
        Open(warm, true, false, cache);
        std::vector<double> reopen;
        for (int r = 0; r < runs; ++r)
            reopen.push_back(Open(warm, true, false, cache).whole);
        std::printf(
            "warm %.2f GiB reopened with its summary cache, median of %d: first picture "
            "with the whole recording's summaries %.1f ms (target 100 ms), %.1fx sooner "
            "than scanning first\n",
            warmGiB, runs, Median(reopen), Median(scanFirst) / Median(reopen));
    }
    if (coldGiB > 0) {
        const std::string cold = Generate("cold.mdf", coldGiB);
        std::vector<double> first, whole;
        for (int r = 0; r < std::min(runs, 3); ++r) {
            MakeCold(cold);
            const Times t = Open(cold, true);
            first.push_back(t.firstPicture);
            whole.push_back(t.whole);
            std::printf("cold %.2f GiB: first picture %.1f ms, whole scan in %.1f s\n", coldGiB,
                        t.firstPicture, t.whole / 1000.0);
        }
        std::printf("cold %.2f GiB, worst of %zu: first picture %.1f ms (target 500 ms)\n", coldGiB,
                    first.size(), *std::max_element(first.begin(), first.end()));
        MakeCold(cold);
        std::printf("cold %.2f GiB: closed 0.5 s into the scan in %.2f ms\n", coldGiB,
                    Open(cold, true, true).close);
    }
    return 0;
}
