// The document and the view on a generated recording: opening, failures, cursor repaints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "test_support.h"
#include "viewer/data/test_support/mdf_test_builder.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer/view/view_strings.h"

namespace grafyon {
namespace {

using test::ScopedConfigDirs;
using test::TempDir;

struct Messages {
    std::vector<int> numbers;
    std::vector<QString> paths;
    DocumentMessage Sink() {
        return [this](int number, const QString& path) {
            numbers.push_back(number);
            paths.push_back(path);
        };
    }
};

std::string WriteRecording(const TempDir& dir, std::uint64_t frames, std::uint32_t ranges = 0) {
    RecordingOptions options;
    options.path = (dir / "demo.mdf");
    options.frames = frames;
    options.channelCount = 6;
    options.ranges = ranges;
    std::string error;
    EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    return options.path;
}

struct ViewFixture {
    ViewFixture() {
        document.SetMessageSink(messages.Sink());
        InitialViewSettings settings;
        settings.window = InitialWindow::AllSamples;
        settings.diagramsPerPage = 4;
        document.SetInitialView(settings, {0xFF0000, 0x00AA00, 0x0000FF});
        view.resize(800, 600);
        view.SetDocument(&document);
        view.show();
        QCoreApplication::processEvents();
    }
    void Paint() {
        view.viewport()->repaint();
        QCoreApplication::processEvents();
    }
    Messages messages;
    CGrafyonDoc document;
    CGrafyonView view;
};

TEST(GrafyonView, OpensARecordingAndDrawsItsCurves) {
    TempDir dir;
    const std::string path = WriteRecording(dir, 50'000, 3);
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(path)));
    EXPECT_TRUE(f.messages.numbers.empty());
    EXPECT_TRUE(f.document.HoldsData());
    EXPECT_EQ(f.document.OpenStatus(), 0);
    EXPECT_EQ(f.document.Ranges().Count(), 3);
    f.Paint();
    EXPECT_EQ(f.view.LastError(), 0);
    EXPECT_GE(f.view.FullRenderCount(), 1);
    EXPECT_GT(f.document.Filler().RefreshCount(), 0);
    EXPECT_EQ(f.document.Layout().LastSample(), 49'999);

    // Curves are drawn: the picture holds more than the white and grey of empty diagrams.
    const QImage picture = f.view.Render();
    int colored = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.saturation() > 100)
                ++colored;
        }
    }
    EXPECT_GT(colored, 500);
}

// The view keeps its picture between renders and clears only what no diagram covers: after
// every change it shows what a view drawing the document for the first time shows.
TEST(GrafyonView, ARedrawnPictureEqualsOneDrawnAfresh) {
    TempDir dir;
    const std::string path = WriteRecording(dir, 50'000, 2);
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(path)));
    f.Paint();
    CGraphicLayout& layout = f.document.Layout();
    const auto expectFresh = [&](const char* what) {
        SCOPED_TRACE(what);
        const QImage reused = f.view.Render();
        CGrafyonView fresh;
        fresh.resize(f.view.size());
        fresh.SetDocument(&f.document);
        fresh.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(fresh.LastError(), 0);
        EXPECT_TRUE(fresh.Render() == reused);
        f.view.SetDocument(&f.document);  // the document's painter binding back to f.view
        f.Paint();
    };
    expectFresh("opened");
    layout.SetFirstSample(1000);
    layout.SetLastSample(1999);
    f.document.UpdateAllViews(HINT_VISIBLE_RANGE);
    f.Paint();
    expectFresh("zoomed in");
    layout.SetDiagramCount(2);
    f.document.UpdateAllViews(HINT_OBJECTS);
    f.Paint();
    expectFresh("two diagrams");
    layout.SetTopAxis(true);
    layout.SetBottomAxis(false);
    f.document.UpdateAllViews(HINT_OBJECTS);
    f.Paint();
    expectFresh("the axis on top");
    f.view.resize(700, 500);
    QCoreApplication::processEvents();
    f.Paint();
    expectFresh("smaller");
    layout.cursorOn = true;
    layout.cursorSample = 1500;
    f.document.UpdateAllViews(HINT_CURSOR);
    f.Paint();
    expectFresh("with the cursor");
}

TEST(GrafyonView, CursorStepsRepaintOnlyTheirStrips) {
    TempDir dir;
    const std::string path = WriteRecording(dir, 20'000);
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(path)));
    f.Paint();
    CGraphicLayout& layout = f.document.Layout();
    layout.cursorMode = true;
    layout.cursorOn = true;
    layout.cursorSample = layout.FirstSample() + 10;
    f.document.UpdateAllViews(HINT_CURSOR);
    f.Paint();
    const int renders = f.view.FullRenderCount();
    const int refreshes = f.document.Filler().RefreshCount();
    const QSize size = f.view.viewport()->size();
    const double viewArea = double(size.width()) * size.height();
    double largest = 0.0;
    for (int step = 0; step < 100; ++step) {
        layout.cursorSample += 37;
        f.document.UpdateAllViews(HINT_CURSOR);
        QCoreApplication::processEvents();
        double area = 0.0;
        for (const QRect& r : f.view.LastRepaintRegion())
            area += double(r.width()) * r.height();
        largest = std::max(largest, area);
    }
    EXPECT_EQ(f.view.FullRenderCount(), renders);
    EXPECT_EQ(f.document.Filler().RefreshCount(), refreshes);
    EXPECT_GT(largest, 0.0);
    EXPECT_LT(largest / viewArea, 0.05);
}

TEST(GrafyonView, ACursorBStepRepaintsItsOwnStripsAndLeavesCursorA) {
    TempDir dir;
    const std::string path = WriteRecording(dir, 20'000);
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(path)));
    CGraphicLayout& layout = f.document.Layout();
    layout.cursorMode = true;
    layout.cursorOn = true;
    layout.cursorSample = layout.FirstSample() + 5000;
    layout.cursorBSample = layout.FirstSample() + 100;
    f.document.UpdateAllViews(HINT_CURSOR);
    f.Paint();
    const int columnA = layout.cursorColumn;
    const int renders = f.view.FullRenderCount();
    for (int step = 0; step < 20; ++step) {
        const int oldB = layout.cursorBColumn;
        layout.cursorBSample += 97;
        f.document.UpdateAllViews(HINT_CURSOR);
        QCoreApplication::processEvents();
        const QRegion repainted = f.view.LastRepaintRegion();
        EXPECT_TRUE(repainted.contains(QPoint(layout.cursorBColumn, 200))) << step;
        EXPECT_TRUE(repainted.contains(QPoint(oldB, 200))) << step;
        EXPECT_FALSE(repainted.contains(QPoint(columnA, 200))) << step;
    }
    EXPECT_EQ(f.view.FullRenderCount(), renders);
    // What the screen shows equals a fresh picture of both cursors, also after steps of
    // cursor A whose value box keeps its place and changes its text.
    const auto shownEqualsRender = [&f] {
        const QImage shown =
            f.view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown == f.view.Render().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(shownEqualsRender());
    for (int step = 0; step < 5; ++step) {
        layout.cursorSample += 211;
        f.document.UpdateAllViews(HINT_CURSOR);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(shownEqualsRender());
}

TEST(GrafyonView, CurvesAreTheReadableDatasetsOfEveryKindWithColoursInTheirOrder) {
    // Datasets of kinds 100, 101, 110 and 100 over frames of two 16-bit values: the
    // datasets with an extension are kept but never read, so they are no curves.
    using test::MdfBuilder;
    MdfBuilder::HeaderFields header;
    header.datasetCount = 4;
    MdfBuilder b(header);
    b.Element(1, MdfBuilder::DataFile(1, "kinds.dta"));
    b.Element(3, MdfBuilder::Segment(1, 1, 100, 0, 0.01));
    MdfBuilder::DatasetFields fields;
    fields.factor = 1.0;
    fields.offset = 0.0;
    for (const auto& [kind, name, offset] :
         {std::tuple{100u, "first", 0u}, std::tuple{101u, "extended", 0u},
          std::tuple{110u, "listed", 2u}, std::tuple{100u, "last", 2u}}) {
        fields.name = fields.label = name;
        fields.frameOffset = offset;
        std::vector<std::uint8_t> payload = MdfBuilder::Dataset(fields);
        if (kind == 101u)
            payload = MdfBuilder::Concat(payload, MdfBuilder::Pattern(232, 1));
        if (kind == 110u)
            payload = MdfBuilder::DatasetList(fields, 0, 0);
        b.Element(kind, payload, std::nullopt, 0x00020001);
    }
    TempDir dir;
    std::vector<unsigned char> frames;
    for (int i = 0; i < 100; ++i) {
        for (const int v : {i, 2 * i}) {
            frames.push_back(static_cast<unsigned char>(v & 0xFF));
            frames.push_back(static_cast<unsigned char>(v >> 8));
        }
    }
    test::WriteFile(dir / "kinds.dta", frames);
    test::WriteFile(dir / "kinds.mdf", b.Bytes());

    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(dir / "kinds.mdf")));
    const std::vector<Dataset*> datasets = f.document.Description().Datasets();
    ASSERT_EQ(datasets.size(), 4u);
    CGraphicLayout& layout = f.document.Layout();
    const std::vector<Dataset*> curves{datasets[0], datasets[3]};
    EXPECT_EQ(layout.CurveDatasets(), curves);
    EXPECT_EQ(layout.Curves(), curves);
    EXPECT_EQ(datasets[3]->display.color, 0x00AA00u);  // the second curve's colour
    EXPECT_EQ(datasets[1]->display.color, 0u);
    EXPECT_DOUBLE_EQ(datasets[3]->maximum, 198.0);
    f.Paint();
    EXPECT_EQ(f.view.LastError(), 0);
}

TEST(GrafyonView, FailedOpensReportAndLeaveAnEmptyDocument) {
    TempDir dir;
    ViewFixture f;

    // Unknown content.
    const std::string unknown = (dir / "notes.txt");
    std::ofstream(unknown) << "just some text, not a measurement\n";
    EXPECT_FALSE(f.document.OnOpenDocument(QString::fromStdString(unknown)));
    ASSERT_EQ(f.messages.numbers.size(), 1u);
    EXPECT_EQ(f.messages.numbers.back(), VIEW_STR_UNKNOWN_FORMAT);
    EXPECT_FALSE(f.document.HoldsData());
    EXPECT_TRUE(f.document.PathName().isEmpty());
    f.Paint();
    EXPECT_EQ(f.view.LastError(), LAYOUT_NO_FILE);

    // A description cut short after its header.
    const std::string good = WriteRecording(dir, 1000);
    const std::string corrupt = (dir / "cut.mdf");
    {
        std::ifstream in(good, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        bytes.resize(40);
        std::ofstream(corrupt, std::ios::binary) << bytes;
    }
    EXPECT_FALSE(f.document.OnOpenDocument(QString::fromStdString(corrupt)));
    EXPECT_EQ(f.messages.numbers.back(), VIEW_STR_CORRUPT);
    EXPECT_FALSE(f.document.HoldsData());

    // A path that does not exist at all.
    const QString missing = QString::fromStdString((dir / "gone.mdf"));
    EXPECT_FALSE(f.document.OnOpenDocument(missing));
    EXPECT_EQ(f.messages.numbers.back(), CANNOT_OPEN_FILE_MESSAGE);
    EXPECT_EQ(f.messages.paths.back(), missing);

    // The data file is missing: the description stays for information, nothing is drawn.
    ASSERT_TRUE(QFile::remove(QString::fromStdString((dir / "demo.dta"))));
    const std::size_t before = f.messages.numbers.size();
    EXPECT_TRUE(f.document.OnOpenDocument(QString::fromStdString(good)));
    EXPECT_EQ(f.messages.numbers.size(), before);
    EXPECT_EQ(f.document.OpenStatus(), -50);
    f.Paint();
    EXPECT_EQ(f.view.LastError(), LAYOUT_NO_CURVES);
}

TEST(GrafyonView, ResizingRedrawsTheDiagramsOnceAtTheEnd) {
    TempDir dir;
    const std::string path = WriteRecording(dir, 5000);
    ViewFixture f;
    ASSERT_TRUE(f.document.OnOpenDocument(QString::fromStdString(path)));
    f.Paint();
    const int refreshes = f.document.Filler().RefreshCount();
    f.view.SetSizing(true);
    for (int w = 700; w > 500; w -= 20) {
        f.view.resize(w, 500);
        f.Paint();
    }
    // Only separators were drawn meanwhile: no point buffer was rebuilt.
    EXPECT_EQ(f.document.Filler().RefreshCount(), refreshes);
    f.view.SetSizing(false);
    f.Paint();
    EXPECT_GT(f.document.Filler().RefreshCount(), refreshes);
    EXPECT_EQ(f.view.LastError(), 0);
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
