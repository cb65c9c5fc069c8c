// Opening with the scan of the whole recording behind the first picture: what shows at once,
// what waits for the scan, and that the end of the scan gives the picture of an open that
// scanned first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "viewer/data/open/measurement_open.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"

namespace grafyon {
namespace {

using test::TempDir;

// A recording larger than what is read at once while it is scanned, with data files old
// enough to be cached.
std::string WriteRecording(const TempDir& dir, std::uint64_t frames) {
    RecordingOptions options;
    options.path = dir / "long.mdf";
    options.frames = frames;
    options.channelCount = 6;
    std::string error;
    EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, e.path().c_str(), times, 0), 0);
    }
    return options.path;
}

struct Opened {
    explicit Opened(bool background, InitialWindow window = InitialWindow::AllSamples) {
        InitialViewSettings settings;
        settings.window = window;
        settings.diagramsPerPage = 3;
        document.SetInitialView(settings, {0xFF0000, 0x00AA00, 0x0000FF});
        document.SetBackgroundScan(background);
        document.SetMessageSink([this](int number, const QString&) { messages.push_back(number); });
        document.connect(&document, &CGrafyonDoc::ScanProgress,
                         [this](int percent) { progress.push_back(percent); });
        view.resize(700, 500);
        view.SetDocument(&document);
    }
    std::vector<DatasetDisplay> Curves() {
        std::vector<DatasetDisplay> displays;
        for (const Dataset* curve : document.Layout().Curves())
            displays.push_back(curve->display);
        return displays;
    }
    CGrafyonDoc document;
    CGrafyonView view;
    std::vector<int> messages;
    std::vector<int> progress;
};

std::uint64_t DrawnPoints(CGrafyonDoc& document) {
    std::uint64_t points = 0;
    for (const Dataset* curve : document.Layout().Curves())
        points += curve->display.pointCount;
    return points;
}

TEST(ProgressiveOpen, TheFirstPictureComesBeforeTheScanAndItsEndGivesThePictureOfAScanFirst) {
    TempDir dir;
    const QString path = QString::fromStdString(WriteRecording(dir, 1'500'000));
    Opened scanFirst(false);
    ASSERT_TRUE(scanFirst.document.OnOpenDocument(path));
    EXPECT_FALSE(scanFirst.document.ScanPending());
    const QImage wanted = scanFirst.view.Render();

    Opened progressive(true);
    ASSERT_TRUE(progressive.document.OnOpenDocument(path));
    ASSERT_TRUE(progressive.document.ScanPending());
    EXPECT_EQ(progressive.progress, std::vector<int>{0});
    // The whole recording is too long to be read at once: the first picture holds the
    // diagrams and their axes, and the curves wait for the scan.
    const QImage first = progressive.view.Render();
    EXPECT_EQ(progressive.view.LastError(), 0);
    EXPECT_EQ(DrawnPoints(progressive.document), 0u);
    EXPECT_NE(first, wanted);

    progressive.document.FinishScan();
    EXPECT_FALSE(progressive.document.ScanPending());
    EXPECT_EQ(progressive.progress.back(), -1);
    EXPECT_TRUE(progressive.messages.empty());
    const std::vector<DatasetDisplay> want = scanFirst.Curves(), got = progressive.Curves();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].displayMinimum, want[i].displayMinimum) << i;
        EXPECT_EQ(got[i].displayMaximum, want[i].displayMaximum) << i;
    }
    EXPECT_EQ(progressive.view.Render(), wanted);
    EXPECT_GT(DrawnPoints(progressive.document), 0u);
}

TEST(ProgressiveOpen, AWindowOfAsManyFramesAsCanBeReadAtOnceIsDrawnOneMoreWaits) {
    TempDir dir;
    const QString path = QString::fromStdString(WriteRecording(dir, 1'500'000));
    Opened o(true, InitialWindow::NumberOfSamples);
    ASSERT_TRUE(o.document.OnOpenDocument(path));
    ASSERT_TRUE(o.document.ScanPending());
    CGraphicLayout& layout = o.document.Layout();
    const Dataset& curve = *layout.Curves().front();
    const std::uint64_t limit = o.document.Access().PendingFrameLimit(curve);
    ASSERT_LT(limit, 1'000'000u);
    // The default first window is short: drawn at once.
    o.view.Render();
    EXPECT_GT(curve.display.pointCount, 0);
    // Frames first ... last span the plot: last - first frames are read.
    int refreshes = o.document.Filler().RefreshCount();
    layout.SetFirstSample(10);
    layout.SetLastSample(10 + static_cast<std::int64_t>(limit));
    o.document.UpdateAllViews(HINT_VISIBLE_RANGE);
    o.view.Render();
    EXPECT_GT(o.document.Filler().RefreshCount(), refreshes);
    EXPECT_GT(curve.display.pointCount, 0);
    refreshes = o.document.Filler().RefreshCount();
    layout.SetLastSample(11 + static_cast<std::int64_t>(limit));
    o.document.UpdateAllViews(HINT_VISIBLE_RANGE);
    o.view.Render();
    EXPECT_GT(o.document.Filler().RefreshCount(), refreshes);
    EXPECT_EQ(curve.display.pointCount, 0);
    o.document.FinishScan();
    o.view.Render();
    EXPECT_GT(curve.display.pointCount, 0);
}

TEST(ProgressiveOpen, AScalingEnteredMeanwhileIsNotOverwrittenByTheScansEnd) {
    TempDir dir;
    const QString path = QString::fromStdString(WriteRecording(dir, 1'500'000));
    Opened o(true);
    ASSERT_TRUE(o.document.OnOpenDocument(path));
    ASSERT_TRUE(o.document.ScanPending());
    Dataset& curve = *o.document.Layout().Curves().front();
    o.document.Layout().ManualScale(curve, -1234.0, 5678.0);
    o.document.FinishScan();
    EXPECT_EQ(curve.display.displayMinimum, -1234.0);
    EXPECT_EQ(curve.display.displayMaximum, 5678.0);
}

TEST(ProgressiveOpen, ClosingOrOpeningAnotherStopsTheScanAndAReopenTakesTheCache) {
    TempDir dir;
    const QString path = QString::fromStdString(WriteRecording(dir, 1'500'000));
    const std::string cache = dir / "cache/";
    Opened o(true);
    o.document.SetSummaryCache(cache, std::uint64_t(1) << 30);
    ASSERT_TRUE(o.document.OnOpenDocument(path));
    ASSERT_TRUE(o.document.ScanPending());
    o.document.OnNewDocument();
    EXPECT_FALSE(o.document.ScanPending());
    EXPECT_EQ(o.progress, (std::vector<int>{0, -1}));
    EXPECT_FALSE(std::filesystem::exists(cache)) << "a stopped scan leaves no cache";

    ASSERT_TRUE(o.document.OnOpenDocument(path));
    ASSERT_TRUE(o.document.OnOpenDocument(path));  // the second open stops the first's scan
    ASSERT_TRUE(o.document.ScanPending());
    o.document.FinishScan();
    o.document.Access().WaitForCacheWriting();
    ASSERT_TRUE(o.document.OnOpenDocument(path));
    EXPECT_TRUE(o.document.Access().LastAttachFromCache());
    EXPECT_FALSE(o.document.ScanPending());
    EXPECT_TRUE(o.document.Layout().Curves().front()->extremesKnown);
}

TEST(ProgressiveOpen, AFailedScanReportsAndClosesOnceNothingReadsTheDocument) {
    TempDir dir;
    const QString path = QString::fromStdString(WriteRecording(dir, 1'500'000));
    Opened o(true);
    DataAccess::ScanOptions slow;
    slow.background = true;
    slow.workers = 1;
    slow.bufferBytes = 1;  // one frame per piece: still scanning when the file is cut
    o.document.SetScanOptions(slow);
    bool busy = true;
    o.document.SetBusyCheck([&busy] { return busy; });
    ASSERT_TRUE(o.document.OnOpenDocument(path));
    ASSERT_TRUE(o.document.ScanPending());
    const std::string data = o.document.Description().DataFiles().front()->fullPath;
    ASSERT_EQ(::truncate(data.c_str(), 4096), 0);
    o.document.FinishScan();
    EXPECT_EQ(o.messages, std::vector<int>{MESSAGE_FILE_MAPPING});
    // An export still reads it: the document stays, its long curves are not read meanwhile.
    EXPECT_TRUE(o.document.HoldsData());
    const Dataset& curve = *o.document.Layout().Curves().front();
    EXPECT_FALSE(curve.extremesKnown);
    EXPECT_LT(o.document.Access().PendingFrameLimit(curve), 1'500'000u);
    busy = false;
    for (int i = 0; i < 100 && o.document.HoldsData(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    EXPECT_FALSE(o.document.HoldsData());
    EXPECT_EQ(o.messages.size(), 1u);
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
