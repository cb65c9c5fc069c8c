// grafyon-snapshot --scale: a picture drawn at device pixel ratio 2 has twice the pixels in
// each direction and curves twice as thick, so it is crisp on a HiDPI screen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string BinDir() {
    const char* dir = std::getenv("GRAFYON_BIN_DIR");
    return dir ? dir : "bin";
}

int RunTool(const std::string& program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromStdString(BinDir() + "/" + program), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Curves are the only strongly coloured pixels: text, frames and grid are grey or black.
bool IsCurvePixel(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return std::max({r, g, b}) - std::min({r, g, b}) > 80;
}

// The median height of the vertical runs of curve pixels, over columns right of the centred
// diagram title (coloured text too). The recording's signal is a staircase, so these columns
// cross a flat step, whose run is the line's width.
int CurveWidth(const QImage& image) {
    std::vector<int> runs;
    for (int x = image.width() * 4 / 5; x < image.width() * 19 / 20; ++x) {
        int run = 0;
        for (int y = 0; y <= image.height(); ++y) {
            if (y < image.height() && IsCurvePixel(image.pixel(x, y))) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
    }
    if (runs.empty())
        return 0;
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    return runs[runs.size() / 2];
}

class SnapshotScale : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/snapshot_scale_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        ASSERT_EQ(RunTool("grafyon-generate", {Path("steps.mdf"), "--frames", "2000", "--channels",
                                               "1", "--signals", "steps"}),
                  0);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    QString Path(const char* name) const { return QString::fromStdString(m_dir / name); }

    QImage Snapshot(const char* name, const QStringList& more) {
        QStringList arguments{Path("steps.mdf"), Path(name), "--width", "400", "--height", "300"};
        arguments += more;
        EXPECT_EQ(RunTool("grafyon-snapshot", arguments), 0) << name;
        return QImage(Path(name));
    }

    std::filesystem::path m_dir;
};

TEST_F(SnapshotScale, DoubleScaleDoublesPixelsAndLineWidth) {
    const QImage normal = Snapshot("one.png", {});
    const QImage doubled = Snapshot("two.png", {"--scale", "2"});
    ASSERT_EQ(normal.size(), QSize(400, 300));
    ASSERT_EQ(doubled.size(), QSize(800, 600));
    const int width = CurveWidth(normal);
    ASSERT_GE(width, 1);
    EXPECT_EQ(CurveWidth(doubled), 2 * width);
}

TEST_F(SnapshotScale, ScaleOneEqualsNoScaleAndEnvironmentIsIgnored) {
    const QImage plain = Snapshot("plain.png", {});
    const QImage one = Snapshot("one.png", {"--scale", "1"});
    EXPECT_EQ(plain, one);
    // A scale factor in the caller's environment does not change a picture without --scale.
    qputenv("QT_SCALE_FACTOR", "2");
    const QImage inherited = Snapshot("inherited.png", {});
    qunsetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(inherited.size(), QSize(400, 300));
}

TEST_F(SnapshotScale, ScaleOutsideOneToFourOrTooLargeIsRefused) {
    const QStringList base{Path("steps.mdf"), Path("x.png"), "--width", "400", "--height", "300"};
    EXPECT_EQ(RunTool("grafyon-snapshot", base + QStringList{"--scale", "0.99"}), 1);
    EXPECT_EQ(RunTool("grafyon-snapshot", base + QStringList{"--scale", "4.01"}), 1);
    EXPECT_EQ(RunTool("grafyon-snapshot", base + QStringList{"--scale", "two"}), 1);
    EXPECT_EQ(RunTool("grafyon-snapshot", base + QStringList{"--scale", "4"}), 0);
    EXPECT_EQ(QImage(Path("x.png")).size(), QSize(1600, 1200));
    // 16384 pixels are allowed, one more is not.
    EXPECT_EQ(RunTool("grafyon-snapshot", {Path("steps.mdf"), Path("y.png"), "--width", "4096",
                                           "--height", "16", "--scale", "4"}),
              0);
    EXPECT_EQ(RunTool("grafyon-snapshot", {Path("steps.mdf"), Path("y.png"), "--width", "4097",
                                           "--height", "16", "--scale", "4"}),
              1);
}

}  // namespace
