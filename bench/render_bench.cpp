// Drawing speed on a long, wide recording: point buffers plus a full render at every zoom
// level, steps of either cursor, on a 1920 x 1080 view with 4 diagrams per page (offscreen),
// and the statistics between two cursors over every channel.
#include <QApplication>
#include <QFrame>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_recording.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/dataset.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Stats {
    double median = 0.0;
    double worst = 0.0;
};

Stats Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

constexpr double RENDER_BUDGET_MS = 16.0;
constexpr double CURSOR_BUDGET_MS = 2.0;

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);

    std::uint64_t frames = 100'000'000;
    std::uint32_t channels = 32;
    int rounds = 1;    // more rounds of the zoom sweep, for a profiler
    std::string keep;  // a folder where the recording is kept and found again next time
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--frames") == 0)
            frames = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--channels") == 0)
            channels = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--keep") == 0)
            keep = argv[i + 1];
    }

    // Mostly one-byte channels keep the file at about 40 bytes per frame; a few wider
    // types exercise the other decoders.
    grafyon::RecordingOptions options;
    const std::string name =
        "render-" + std::to_string(frames) + "x" + std::to_string(channels) + ".mdf";
    options.path =
        ((keep.empty() ? grafyon::bench::BenchDir::Get().Path() : std::filesystem::path(keep)) /
         name)
            .string();
    options.frames = frames;
    const grafyon::SignalShape shapes[] = {grafyon::SignalShape::RAMP, grafyon::SignalShape::STEPS,
                                           grafyon::SignalShape::NOISE};
    for (std::uint32_t c = 0; c < channels; ++c) {
        grafyon::GeneratedChannel channel;
        channel.name = "channel ";
        channel.name += std::to_string(c + 1);
        channel.unit.push_back('V');  // assigning a literal trips a false -Wrestrict of GCC 12
        channel.dataType = c % 16 == 14   ? grafyon::DATA_TYPE_FLOAT
                           : c % 16 == 15 ? grafyon::DATA_TYPE_SHORT
                           : c % 2 == 0   ? grafyon::DATA_TYPE_CHAR
                                          : grafyon::DATA_TYPE_UCHAR;
        channel.signal = shapes[c % 3];
        channel.mean = c % 2 == 0 ? 0.0 : 120.0;
        channel.amplitude = 100.0;
        channel.period = 1000 + 997 * c;
        options.channels.push_back(channel);
    }
    std::printf("recording: %llu frames, %u channels in %s\n",
                static_cast<unsigned long long>(frames), channels, options.path.c_str());
    Clock::time_point t0 = Clock::now();
    std::string error;
    if (!keep.empty() && std::filesystem::exists(options.path)) {
        std::printf("kept from an earlier run\n");
    } else if (grafyon::GenerateRecording(options, &error) != grafyon::GENERATE_OK) {
        std::fprintf(stderr, "cannot generate the recording: %s\n", error.c_str());
        return 1;
    } else {
        std::printf("generated in %.1f s\n", Ms(Clock::now() - t0) / 1000.0);
    }

    grafyon::CGrafyonDoc document;
    grafyon::InitialViewSettings settings;
    settings.window = grafyon::InitialWindow::AllSamples;
    settings.diagramsPerPage = 4;
    document.SetInitialView(settings, {0xFF0000, 0x008000, 0x0000FF, 0x800080});
    grafyon::CGrafyonView view;
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(1920, 1080);
    view.show();
    view.SetDocument(&document);
    QCoreApplication::processEvents();

    t0 = Clock::now();
    if (!document.OnOpenDocument(QString::fromStdString(options.path))) {
        std::fprintf(stderr, "cannot open the recording\n");
        return 1;
    }
    std::printf("opened (attach with summaries) in %.1f s\n\n", Ms(Clock::now() - t0) / 1000.0);
    view.Render();

    grafyon::CGraphicLayout& layout = document.Layout();
    const std::int64_t total = static_cast<std::int64_t>(layout.Samples());
    std::printf("%14s %12s %12s %10s\n", "visible", "median ms", "worst ms", "worst/16ms");
    double worstOverall = 0.0;
    for (std::int64_t span = total;; span = std::max<std::int64_t>(1000, span / 10)) {
        std::vector<double> times;
        // Five positions across the recording, each drawn from scratch.
        for (int k = 0; k < 5 * rounds; ++k) {
            const std::int64_t first = (total - span) / 4 * (k % 5);
            const std::int64_t start = std::min(first, total - span);
            layout.SetFirstSample(std::max<std::int64_t>(0, start));
            layout.SetLastSample(std::max<std::int64_t>(0, start) + span - 1);
            const Clock::time_point a = Clock::now();
            document.UpdateAllViews(grafyon::HINT_VISIBLE_RANGE);
            // What the screen gets: the paint event renders the cache and shows it.
            view.viewport()->repaint();
            times.push_back(Ms(Clock::now() - a));
        }
        const Stats s = Summarise(times);
        worstOverall = std::max(worstOverall, s.worst);
        std::printf("%14lld %12.2f %12.2f %10.2f\n", static_cast<long long>(span), s.median,
                    s.worst, s.worst / RENDER_BUDGET_MS);
        if (span == 1000)
            break;
    }

    // Cursor steps: the cursor strips repaint, nothing else.
    layout.cursorMode = 1;
    layout.cursorOn = 1;
    layout.cursorSample = layout.FirstSample() + 10;
    document.UpdateAllViews(grafyon::HINT_CURSOR);
    QCoreApplication::processEvents();
    const int rendersBefore = view.FullRenderCount();
    std::vector<double> steps;
    for (int i = 0; i < 500; ++i) {
        const Clock::time_point a = Clock::now();
        layout.cursorSample = layout.FirstSample() + 10 + i;
        document.UpdateAllViews(grafyon::HINT_CURSOR);
        QCoreApplication::processEvents();
        steps.push_back(Ms(Clock::now() - a));
    }
    const Stats c = Summarise(steps);

    // The floor of any repaint on this platform: one pixel, painted and flushed.
    std::vector<double> floor;
    for (int i = 0; i < 500; ++i) {
        const Clock::time_point a = Clock::now();
        view.viewport()->repaint(QRect(0, 0, 1, 1));
        QCoreApplication::processEvents();
        floor.push_back(Ms(Clock::now() - a));
    }
    const Stats p = Summarise(floor);
    {
        const QFont font = view.DiagramFont();
        const int th = grafyon::PainterTextHeight(font), cu = grafyon::PainterCharUnit(font);
        std::vector<double> la, re, pc;
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 0; i < 300; ++i) {
            layout.cursorSample += 1;
            Clock::time_point a = Clock::now();
            layout.LayoutPass(th, cu, false);
            la.push_back(Ms(Clock::now() - a));
            a = Clock::now();
            (void)view.Painter().CursorRegions(font);
            re.push_back(Ms(Clock::now() - a));
            a = Clock::now();
            QPainter painter(&image);
            view.Painter().PaintCursors(painter, font, &image);
            painter.end();
            pc.push_back(Ms(Clock::now() - a));
        }
        std::printf("cursor parts: layout pass %.3f, regions %.3f, drawing %.3f ms (medians)\n",
                    Summarise(la).median, Summarise(re).median, Summarise(pc).median);
    }
    // Cursor B steps: its own strips, with cursor A standing.
    layout.cursorBSample = layout.FirstSample() + 5;
    document.UpdateAllViews(grafyon::HINT_CURSOR);
    QCoreApplication::processEvents();
    const int rendersBeforeB = view.FullRenderCount();
    std::vector<double> stepsB;
    for (int i = 0; i < 500; ++i) {
        const Clock::time_point a = Clock::now();
        layout.cursorBSample = layout.FirstSample() + 600 - i;
        document.UpdateAllViews(grafyon::HINT_CURSOR);
        QCoreApplication::processEvents();
        stepsB.push_back(Ms(Clock::now() - a));
    }
    const Stats cb = Summarise(stepsB);

    // Statistics between two cursors over every channel: min/max alone (pyramid), and
    // everything the measurement panel shows (pyramid, positions, moments, values at A and B).
    grafyon::DataAccess& access = document.Access();
    const auto& datasets = document.Description().Datasets();
    std::vector<std::pair<std::uint64_t, std::uint64_t>> spans = {
        {0, static_cast<std::uint64_t>(total - 1)}, {1, static_cast<std::uint64_t>(total - 2)}};
    std::uint64_t seed = 25;
    for (int i = 0; i < 40; ++i) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const std::uint64_t a = (seed >> 11) % static_cast<std::uint64_t>(total);
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const std::uint64_t b = (seed >> 11) % static_cast<std::uint64_t>(total);
        spans.emplace_back(a, b);
    }
    std::vector<double> minMax, full;
    double sink = 0.0;
    for (const auto& [a, b] : spans) {
        Clock::time_point t = Clock::now();
        for (const grafyon::Dataset* d : datasets) {
            double lo = 0.0, hi = 0.0;
            access.Extremes(*d, std::min(a, b), std::max(a, b) - std::min(a, b) + 1, lo, hi);
            sink += lo + hi;
        }
        minMax.push_back(Ms(Clock::now() - t));
        t = Clock::now();
        for (const grafyon::Dataset* d : datasets) {
            grafyon::RangeStatistics st;
            access.Statistics(*d, a, b, st);
            sink += st.mean + st.rms + access.ValueAt(*d, a).value_or(0.0) +
                    access.ValueAt(*d, b).value_or(0.0);
        }
        full.push_back(Ms(Clock::now() - t));
    }
    const Stats mm = Summarise(minMax), fs = Summarise(full);

    // What the moments cost the attach: the same description attached afresh with and
    // without them (page cache warm from the first attach).
    double attachMs[2] = {0.0, 0.0};
    for (const bool moments : {true, false}) {
        grafyon::DataAccess fresh;
        grafyon::DataAccess::ScanOptions scan;
        scan.moments = moments;
        fresh.SetScanOptions(scan);
        const Clock::time_point t = Clock::now();
        if (fresh.Attach(document.Description()) != grafyon::ATTACH_OK)
            std::fprintf(stderr, "attach failed\n");
        attachMs[moments ? 0 : 1] = Ms(Clock::now() - t);
    }

    std::printf("one-pixel repaint: median %.3f ms, worst %.3f ms\n", p.median, p.worst);
    std::printf(
        "\ncursor B step: median %.3f ms, worst %.3f ms over 500 (target 1 ms), full "
        "renders %d\n",
        cb.median, cb.worst, view.FullRenderCount() - rendersBeforeB);
    std::printf("statistics of %zu channels between two cursors, %zu spans:\n", datasets.size(),
                spans.size());
    std::printf("  min/max:       median %.3f ms, worst %.3f ms (target 50 ms)\n", mm.median,
                mm.worst);
    std::printf("  full (panel):  median %.3f ms, worst %.3f ms (target 200 ms)\n", fs.median,
                fs.worst);
    std::printf("  attach with moments %.3f s, without %.3f s\n", attachMs[0] / 1000.0,
                attachMs[1] / 1000.0);
    std::printf("  summaries incl. moments: %.1f MB (%s)\n",
                static_cast<double>(access.SummaryBytes()) / 1e6, sink != 0.0 ? "ok" : "-");
    std::printf("\ncursor step: median %.3f ms, worst %.3f ms (worst/2ms %.2f), full renders %d\n",
                c.median, c.worst, c.worst / CURSOR_BUDGET_MS,
                view.FullRenderCount() - rendersBefore);
    std::printf("worst full refresh: %.2f ms (%.2f of the 16 ms budget)\n", worstOverall,
                worstOverall / RENDER_BUDGET_MS);
    return 0;
}
