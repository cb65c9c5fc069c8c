// The measurement between the cursors on a generated recording of every type, its table
// text, the panel, and the range made from the cursors saved and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTableWidget>
#include <QXmlStreamReader>

#include <cmath>
#include <string>
#include <vector>

#include "test_support.h"
#include "viewer/data/dataset.h"
#include "viewer/data/save/measurement_save.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/measure/cursor_measurement.h"
#include "viewer/measure/measurement_panel.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"
#include "viewer/view/model/graphic_layout.h"
#include "viewer/view/model/range_list.h"

namespace grafyon {
namespace {

using test::TempDir;

// Ten channels cycle through every readable type; three segments in two data files.
std::string WriteRecording(const TempDir& dir, std::uint64_t frames) {
    RecordingOptions options;
    options.path = dir / "measure.mdf";
    options.frames = frames;
    options.channelCount = 10;
    options.segments = 3;
    options.dataFiles = 2;
    std::string error;
    EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    return options.path;
}

struct Fixture {
    explicit Fixture(std::uint64_t frames) {
        InitialViewSettings settings;
        settings.window = InitialWindow::AllSamples;
        settings.diagramsPerPage = 4;
        document.SetInitialView(settings, {0xFF0000, 0x00AA00, 0x0000FF});
        view.resize(800, 600);
        view.SetDocument(&document);
        view.show();
        EXPECT_TRUE(document.OnOpenDocument(QString::fromStdString(WriteRecording(dir, frames))));
        view.viewport()->repaint();
        QCoreApplication::processEvents();
    }
    TempDir dir;
    CGrafyonDoc document;
    CGrafyonView view;
};

// Frame by frame through ValueAt, which reads the one frame and nothing else.
RangeStatistics BruteForce(DataAccess& access, const Dataset& d, std::int64_t a, std::int64_t b) {
    RangeStatistics s;
    long double sum = 0, squares = 0;
    std::vector<double> values;
    for (std::int64_t f = std::min(a, b); f <= std::max(a, b); ++f) {
        const double v = access.ValueAt(d, static_cast<std::uint64_t>(f)).value();
        if (!std::isfinite(v))
            continue;
        if (values.empty() || v < s.minimum) {
            s.minimum = v;
            s.minimumFrame = static_cast<std::uint64_t>(f);
        }
        if (values.empty() || v > s.maximum) {
            s.maximum = v;
            s.maximumFrame = static_cast<std::uint64_t>(f);
        }
        values.push_back(v);
        sum += v;
        squares += static_cast<long double>(v) * v;
    }
    s.count = values.size();
    const long double mean = sum / values.size();
    long double deviations = 0;
    for (const double v : values)
        deviations += (v - mean) * (v - mean);
    s.mean = static_cast<double>(mean);
    s.rms = static_cast<double>(std::sqrt(squares / values.size()));
    s.standardDeviation = static_cast<double>(std::sqrt(deviations / values.size()));
    return s;
}

TEST(CursorMeasurement, EveryVisibleCurveEqualsAFrameByFrameComputation) {
    Fixture f(30'000);
    CGraphicLayout& layout = f.document.Layout();
    DataAccess& access = f.document.Access();
    layout.cursorOn = true;
    layout.cursorSample = 25'000;
    EXPECT_FALSE(MeasureCursors(layout, access).has_value());  // B not set
    EXPECT_FALSE(CursorFrames(layout).has_value());
    // B before A, B at the first frame, A at the last frame, both on one frame.
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {25'000, 1234}, {0, 29'999}, {29'999, 17}, {4321, 4321}};
    for (const auto& [a, b] : cases) {
        layout.cursorSample = a;
        layout.cursorBSample = b;
        const std::optional<CursorSpan> span = CursorFrames(layout);
        ASSERT_TRUE(span);
        EXPECT_EQ(span->first, std::min(a, b));
        EXPECT_EQ(span->Count(), std::abs(a - b) + 1);
        const std::optional<CursorMeasurement> m = MeasureCursors(layout, access);
        ASSERT_TRUE(m);
        EXPECT_DOUBLE_EQ(m->DeltaT(), (b - a) * layout.Step());
        const std::vector<const Dataset*> visible = VisibleCurves(layout);
        ASSERT_EQ(m->curves.size(), visible.size());
        ASSERT_GE(visible.size(), 4u);
        for (const CurveMeasurement& c : m->curves) {
            SCOPED_TRACE(c.curve->name + " " + std::to_string(a) + "-" + std::to_string(b));
            ASSERT_EQ(c.status, QUERY_OK);
            const RangeStatistics want = BruteForce(access, *c.curve, a, b);
            const RangeStatistics& got = c.statistics;
            EXPECT_EQ(c.valueA, access.ValueAt(*c.curve, static_cast<std::uint64_t>(a)));
            EXPECT_EQ(c.valueB, access.ValueAt(*c.curve, static_cast<std::uint64_t>(b)));
            EXPECT_EQ(got.count, want.count);
            EXPECT_EQ(got.minimum, want.minimum);
            EXPECT_EQ(got.maximum, want.maximum);
            EXPECT_EQ(got.minimumFrame, want.minimumFrame);
            EXPECT_EQ(got.maximumFrame, want.maximumFrame);
            const double scale = std::max({1.0, std::abs(want.minimum), std::abs(want.maximum)});
            EXPECT_NEAR(got.mean, want.mean, 1e-9 * scale);
            EXPECT_NEAR(got.rms, want.rms, 1e-9 * scale);
            EXPECT_NEAR(got.standardDeviation, want.standardDeviation, 1e-9 * scale);
        }
    }

    // The text: titles, then one line of 15 cells per curve; positions 1-based.
    layout.cursorSample = 100;
    layout.cursorBSample = 200;
    const std::optional<CursorMeasurement> m = MeasureCursors(layout, access);
    ASSERT_TRUE(m);
    std::vector<std::string> titles(MEASUREMENT_COLUMNS, "t");
    const std::string text = MeasurementText(*m, titles);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size());  // every line ends in '\n'
    ASSERT_EQ(lines.size(), m->curves.size() + 1);
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 14) << line;
    const auto cells = MeasurementCells(*m);
    EXPECT_EQ(cells[0][0], m->curves[0].curve->name);
    EXPECT_EQ(cells[0][13], std::to_string(m->curves[0].statistics.minimumFrame + 1));
    EXPECT_EQ(std::stod(cells[0][4]), 100 * layout.Step());
    EXPECT_NEAR(std::stod(cells[0][5]), 1.0 / (100 * layout.Step()), 1e-6);
}

TEST(MeasurementPanel, HiddenByDefaultFollowsTheCursorsAndCopiesItsTable) {
    Fixture f(5000);
    CMeasurementPanel panel(f.document);
    EXPECT_FALSE(panel.isVisible());
    panel.show();
    EXPECT_EQ(panel.Table()->rowCount(), 0);  // no cursor B yet
    CGraphicLayout& layout = f.document.Layout();
    layout.cursorOn = true;
    layout.cursorSample = 10;
    layout.cursorBSample = 4000;
    f.document.UpdateAllViews(HINT_CURSOR);
    QCoreApplication::processEvents();
    const int rows = panel.Table()->rowCount();
    EXPECT_EQ(rows, static_cast<int>(VisibleCurves(layout).size()));
    ASSERT_GT(rows, 0);
    EXPECT_EQ(panel.Table()->item(0, 0)->text().toStdString(), VisibleCurves(layout)[0]->name);
    panel.CopyTable();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, panel.TableText());
    EXPECT_TRUE(copied.startsWith(panel.ColumnTitles().join('\t') + '\n'));
    EXPECT_EQ(copied.count('\n'), rows + 1);
}

TEST(MeasurementPanel, EveryTextHasAGermanTranslation) {
    QFile file(QStringLiteral(MEASURE_TS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList sources;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("source"))
            sources << xml.readElementText();
        if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            EXPECT_FALSE(xml.readElementText().isEmpty());
        }
    }
    EXPECT_FALSE(xml.hasError());
    for (const QString& title : CMeasurementPanel::ColumnTitles())
        EXPECT_TRUE(sources.contains(title)) << title.toStdString();
    for (const char* text : {"Measurement", "&Copy"})
        EXPECT_TRUE(sources.contains(QString::fromUtf8(text))) << text;
}

TEST(RangeFromCursors, SavesExactlyTheFramesBetweenTheCursors) {
    Fixture f(12'000);
    CGraphicLayout& layout = f.document.Layout();
    CRangeList& ranges = f.document.Ranges();
    ranges.Clear();
    layout.cursorSample = 9001;
    EXPECT_EQ(AddRangeFromCursors(layout, ranges), nullptr);  // B not set
    layout.cursorBSample = 2999;                              // before A: the range is ordered
    const CRange* range = AddRangeFromCursors(layout, ranges);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->Start(), 2999);
    EXPECT_EQ(range->End(), 9001);
    EXPECT_TRUE(range->Active());
    EXPECT_EQ(range->Name(), "3000-9002");
    ASSERT_EQ(ranges.Count(), 1);

    SaveRequest request;
    request.target = f.dir / "between.mcf";
    request.mode = StoreMode::InsideRanges;
    SaveRange saved;
    saved.name = range->Name();
    saved.start = static_cast<std::uint64_t>(range->Start());
    saved.stop = static_cast<std::uint64_t>(range->End());
    request.ranges.push_back(saved);
    ASSERT_EQ(SaveMeasurement(f.document.Description(), f.document.Access(), request), SAVE_OK);

    CGrafyonDoc stored;
    ASSERT_TRUE(stored.OnOpenDocument(QString::fromStdString(request.target)));
    ASSERT_EQ(stored.Description().FrameCount(), 9001u - 2999u + 1u);
    const auto& before = f.document.Description().Datasets();
    const auto& after = stored.Description().Datasets();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t d = 0; d < after.size(); ++d) {
        for (std::uint64_t k = 0; k < stored.Description().FrameCount(); ++k) {
            const auto want = f.document.Access().ValueAt(*before[d], 2999 + k);
            const auto got = stored.Access().ValueAt(*after[d], k);
            ASSERT_TRUE(want && got);
            if (std::isnan(*want))
                ASSERT_TRUE(std::isnan(*got));
            else
                ASSERT_EQ(*got, *want) << before[d]->name << " frame " << k;
        }
    }
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
