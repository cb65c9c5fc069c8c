// grafyon-snapshot: renders the diagrams of a recording into a PNG without a screen.
#include <QApplication>
#include <QFontDatabase>
#include <QImage>

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "viewer/frame/viewer_runtime.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"

namespace {

constexpr int EXIT_USAGE = 1;
constexpr int EXIT_NOT_OPENED = 2;
constexpr int EXIT_NOT_WRITTEN = 3;
constexpr int SIZE_MAX_PIXELS = 16384;
constexpr double SCALE_MIN = 1.0;
constexpr double SCALE_MAX = 4.0;

void Usage() {
    std::fputs(
        "usage: grafyon-snapshot FILE OUT.png [--width W] [--height H] [--view-mode 0|1]\n"
        "                        [--diagrams N] [--grid] [--cursor SAMPLE] [--scale S]\n"
        "Renders the diagrams of the recording FILE as the viewer shows them after opening,\n"
        "with the default settings unless an option says otherwise. --cursor shows the cursor\n"
        "with its values on sample number SAMPLE (counted from 1; the window follows it).\n"
        "--scale draws at S device pixels per pixel (1 to 4, default 1), as on a HiDPI\n"
        "screen: the picture is S times W by H pixels, lines and text S times as fine.\n",
        stderr);
}

bool ParseInt(std::string_view text, int minimum, int maximum, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < minimum ||
        parsed > maximum)
        return false;
    value = parsed;
    return true;
}

bool ParseScale(std::string_view text, double& value) {
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !(parsed >= SCALE_MIN) ||
        !(parsed <= SCALE_MAX))
        return false;
    value = parsed;
    return true;
}

// The device pixel ratio comes from the screen, which exists once the application does: the
// scale is found among the arguments first and handed to Qt as its scale factor. A bad value
// is reported with the other arguments.
void ApplyScale(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        double scale = 0;
        if (std::string_view(argv[i]) == "--scale" && ParseScale(argv[i + 1], scale)) {
            setenv("QT_SCALE_FACTOR", argv[i + 1], 1);
            return;
        }
    }
    // Without the option a snapshot never depends on the caller's environment.
    unsetenv("QT_SCALE_FACTOR");
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures are made without a display, also when one is there.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ApplyScale(argc, argv);
    QApplication application(argc, argv);

    std::string input;
    std::string output;
    int width = 1280;
    int height = 800;
    int cursorSample = 0;  // 1-based; 0: no cursor
    double scale = 1.0;
    grafyon::ViewerRuntime runtime;
    grafyon::ViewerSettings& settings = runtime.settings;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        bool ok = true;
        if (arg == "--width" && hasValue) {
            ok = ParseInt(argv[++i], 16, SIZE_MAX_PIXELS, width);
        } else if (arg == "--height" && hasValue) {
            ok = ParseInt(argv[++i], 16, SIZE_MAX_PIXELS, height);
        } else if (arg == "--view-mode" && hasValue) {
            ok = ParseInt(argv[++i], 0, 1, settings.diagramViewMode);
        } else if (arg == "--diagrams" && hasValue) {
            ok = ParseInt(argv[++i], grafyon::NUM_OF_DIAGRAMS_MIN, grafyon::NUM_OF_DIAGRAMS_MAX,
                          settings.numOfDiagrams);
        } else if (arg == "--cursor" && hasValue) {
            ok = ParseInt(argv[++i], 1, INT_MAX, cursorSample);
        } else if (arg == "--scale" && hasValue) {
            ok = ParseScale(argv[++i], scale);
        } else if (arg == "--grid") {
            settings.showYGrid = true;
        } else if (arg == "--help" || arg == "-h") {
            Usage();
            return 0;
        } else if (!arg.starts_with("--") && input.empty()) {
            input = arg;
        } else if (!arg.starts_with("--") && output.empty()) {
            output = arg;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "grafyon-snapshot: bad argument \"%s\"\n", argv[i]);
            Usage();
            return EXIT_USAGE;
        }
    }
    if (input.empty() || output.empty()) {
        Usage();
        return EXIT_USAGE;
    }
    if (width * scale > SIZE_MAX_PIXELS || height * scale > SIZE_MAX_PIXELS) {
        std::fprintf(stderr, "grafyon-snapshot: the picture would exceed %d pixels\n",
                     SIZE_MAX_PIXELS);
        return EXIT_USAGE;
    }

    grafyon::CGrafyonDoc& document = *runtime.document;
    document.SetMessageSink([](int number, const QString& path) {
        std::fprintf(stderr, "grafyon-snapshot: %s\n",
                     grafyon::DocumentMessageText(number, path).toLocal8Bit().constData());
    });
    grafyon::CGrafyonView view;
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(width, height);
    view.show();
    QCoreApplication::processEvents();
    view.SetDiagramFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    view.SetDocument(&document);
    // The first view depends on the window's width, so the size is set before opening.
    document.SetInitialView(grafyon::InitialViewFrom(settings),
                            grafyon::CurveColorValues(runtime.colors));
    const bool opened = document.OnOpenDocument(QString::fromStdString(input));
    if (opened && cursorSample > 0) {
        grafyon::NavigationModes modes;
        grafyon::CGraphicLayout& layout = document.Layout();
        grafyon::SetCursorMode(layout, modes, true);
        grafyon::CursorTo(layout, document.ZoomHistory(), cursorSample - 1);
        document.UpdateAllViews(grafyon::HINT_REDRAW);
    }

    const QImage picture = view.Render();
    if (!picture.save(QString::fromStdString(output), "PNG")) {
        std::fprintf(stderr, "grafyon-snapshot: cannot write \"%s\"\n", output.c_str());
        return EXIT_NOT_WRITTEN;
    }
    return opened ? 0 : EXIT_NOT_OPENED;
}
