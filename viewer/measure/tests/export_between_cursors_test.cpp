// "Export between cursors" runs the export over exactly the frames from cursor A to cursor B.
#include <QApplication>

#include "viewer/data/export/tests/export_test_fixture.h"
#include "viewer/measure/cursor_measurement.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/model/graphic_layout.h"

namespace grafyon::test {
namespace {

using ExportBetweenCursors = ExportFixture;

TEST_F(ExportBetweenCursors, ExportsExactlyTheFramesBetweenTheCursors) {
    std::string error;
    ASSERT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
    CGrafyonDoc document;
    ASSERT_TRUE(document.OnOpenDocument(QString::fromStdString(options.path)));
    source.description = &document.Description();
    source.access = &document.Access();
    source.documentPath = options.path;
    const std::vector<Dataset*> datasets = document.Description().Datasets();
    source.datasets.assign(datasets.begin(), datasets.end());
    WriteFilter("Between");
    CGraphicLayout& layout = document.Layout();
    // B before A, across the border of the two segments (and data files) at frame 500; then
    // both at the ends of the recording, and both on one frame.
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {620, 433}, {0, FRAMES - 1}, {FRAMES - 1, FRAMES - 1}};
    for (const auto& [a, b] : cases) {
        layout.cursorSample = a;
        layout.cursorBSample = b;
        const std::optional<CursorSpan> span = CursorFrames(layout);
        ASSERT_TRUE(span);
        const ExportOutcome outcome = Export("Between", span->first, span->Count());
        ASSERT_EQ(outcome.result, EXPORT_OK) << outcome.reason;
        const std::vector<std::string> lines = Lines(Target());
        const auto count = static_cast<std::uint64_t>(std::abs(a - b) + 1);
        ASSERT_EQ(lines.size(), count + 1) << a << "-" << b;
        const auto first = static_cast<std::uint64_t>(std::min(a, b));
        for (std::uint64_t k = 0; k < count; ++k) {
            const double x = STEP * double(first) + double(k) * STEP;
            ASSERT_EQ(lines[k + 1], ExpectedRow(first + k, x)) << a << "-" << b << " " << k;
        }
    }
    EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace grafyon::test

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
