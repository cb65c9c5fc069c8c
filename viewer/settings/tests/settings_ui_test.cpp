// The Qt layer on the offscreen platform: font conversion, window placement, color button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "test_support.h"
#include "viewer/settings/active_palette.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/ui/color_button.h"
#include "viewer/settings/ui/color_conversion.h"
#include "viewer/settings/ui/font_conversion.h"
#include "viewer/settings/ui/widget_placement.h"

namespace grafyon {
namespace {

TEST(FontConversion, RecordToQFontAndBack) {
    LogFont record;
    record.faceName = "DejaVu Sans";
    record.height = -17;
    record.weight = FONT_WEIGHT_BOLD;
    record.italic = 1;
    record.underline = 1;
    record.strikeOut = 1;
    record.quality = FONT_QUALITY_NONANTIALIASED;
    const QFont font = QFontFromLogFont(record);
    EXPECT_EQ(font.family(), "DejaVu Sans");
    EXPECT_EQ(font.pixelSize(), 17);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias);

    const LogFont back = LogFontFromQFont(font);
    EXPECT_EQ(back.faceName, "DejaVu Sans");
    EXPECT_EQ(back.height, -17);
    EXPECT_EQ(back.weight, FONT_WEIGHT_BOLD);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(back.underline, 1);
    EXPECT_EQ(back.strikeOut, 1);
    EXPECT_EQ(back.quality, FONT_QUALITY_NONANTIALIASED);
    EXPECT_EQ(QFontFromLogFont(back), font);
}

TEST(FontConversion, HeightsWeightsAndHints) {
    LogFont record;
    record.faceName = "DejaVu Sans";
    // 0 keeps the default size; a positive height is the whole cell.
    EXPECT_EQ(QFontFromLogFont(record).pixelSize(), QFont().pixelSize());
    record.height = 40;
    const QFont cell = QFontFromLogFont(record);
    EXPECT_NEAR(QFontMetrics(cell).height(), 40, 2);
    EXPECT_LT(cell.pixelSize(), 40);
    // Damaged heights stay within bounds instead of overflowing.
    record.height = INT32_MIN;
    EXPECT_EQ(QFontFromLogFont(record).pixelSize(), FONT_PIXEL_SIZE_MAX);
    record.height = -1;
    EXPECT_EQ(QFontFromLogFont(record).pixelSize(), 1);

    record.weight = 0;
    EXPECT_EQ(QFontFromLogFont(record).weight(), QFont::Normal);
    record.weight = 5000;
    EXPECT_EQ(QFontFromLogFont(record).weight(), QFont::Black + 100);

    record.pitchAndFamily = FONT_FAMILY_MODERN | FONT_PITCH_FIXED;
    const QFont fixed = QFontFromLogFont(record);
    EXPECT_TRUE(fixed.fixedPitch());
    EXPECT_EQ(fixed.styleHint(), QFont::TypeWriter);
    EXPECT_EQ(LogFontFromQFont(fixed).pitchAndFamily, FONT_FAMILY_MODERN | FONT_PITCH_FIXED);
    record.pitchAndFamily = FONT_FAMILY_ROMAN;
    EXPECT_EQ(QFontFromLogFont(record).styleHint(), QFont::Serif);

    // A point-sized font is stored by its pixel height.
    QFont points("DejaVu Sans");
    points.setPointSize(12);
    EXPECT_EQ(LogFontFromQFont(points).height, -QFontInfo(points).pixelSize());
}

TEST(ColorConversion, BlueGreenRedAndTransparent) {
    EXPECT_EQ(QColorFromColorRef(0x00336699u), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColorRefFromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699u);
    EXPECT_EQ(QColorFromColorRef(COLOR_TRANSPARENT).alpha(), 0);
    EXPECT_EQ(ColorRefFromQColor(QColor(Qt::transparent)), COLOR_TRANSPARENT);
}

TEST(WidgetPlacement, StoredOnCloseAndRestoredOnCreation) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect where(screen.left() + 50, screen.top() + 60, 300, 200);
    {
        QWidget window;
        window.setGeometry(where);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const WindowPlacement p = PlacementOfWindow(window);
        EXPECT_EQ(p.showCommand, PLACEMENT_SHOW_NORMAL);
        EXPECT_EQ(p.normal, ToPlacementRect(where));
        EXPECT_EQ(p.normal.right - p.normal.left, 300);
        // Closed while minimised: stored as normal.
        window.showMinimized();
        EXPECT_EQ(PlacementOfWindow(window).showCommand, PLACEMENT_SHOW_MINIMIZED);
        ASSERT_TRUE(StoreWindowPlacement(*file, window));
    }
    const std::optional<WindowPlacement> stored = ReadWindowPlacement(*file);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->showCommand, PLACEMENT_SHOW_NORMAL);

    QWidget restored;
    ASSERT_TRUE(RestoreWindowPlacement(*file, restored));
    EXPECT_EQ(restored.geometry(), where);
    EXPECT_FALSE(restored.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

TEST(WidgetPlacement, MaximisedAndOffScreenPlacements) {
    test::ScopedConfigDirs dirs;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect normal(screen.left() + 20, screen.top() + 30, 200, 100);
    WindowPlacement maximized;
    maximized.showCommand = PLACEMENT_SHOW_MAXIMIZED;
    maximized.normal = ToPlacementRect(normal);
    QWidget window;
    ASSERT_TRUE(ApplyWindowPlacement(window, maximized));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.show();
    EXPECT_EQ(PlacementOfWindow(window).showCommand, PLACEMENT_SHOW_MAXIMIZED);
    EXPECT_EQ(PlacementOfWindow(window).normal, ToPlacementRect(normal));

    // A placement on a screen that is no longer connected leaves the window alone.
    WindowPlacement gone;
    gone.normal =
        ToPlacementRect(screen.translated(screen.width() + 100, 0).adjusted(0, 0, -10, -10));
    QWidget other;
    other.setGeometry(screen.left() + 5, screen.top() + 5, 120, 80);
    EXPECT_FALSE(ApplyWindowPlacement(other, gone));
    EXPECT_EQ(other.geometry(), QRect(screen.left() + 5, screen.top() + 5, 120, 80));

    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteString("Settings", "App Window Position", "garbage"));
    EXPECT_FALSE(RestoreWindowPlacement(*file, other));
    EXPECT_EQ(other.geometry(), QRect(screen.left() + 5, screen.top() + 5, 120, 80));
}

// The color of the button's face at its centre.
QColor CentreColor(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

class ColorButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetActivePalette(&m_palette);
        m_button.resize(80, 30);
        m_button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_button));
    }
    void TearDown() override { SetActivePalette(nullptr); }

    ColorPopup* OpenPopup() {
        QTest::mouseClick(&m_button, Qt::LeftButton);
        return m_button.Popup();
    }

    const ColorList m_palette = {
        {0x000000FFu, "Rot"}, {0x0000FF00u, "Gruen"}, {0x00FF0000u, "Blau"}, {0x00808080u, "Grau"}};
    ColorButton m_button;
};

TEST_F(ColorButtonTest, ShowsItsColor) {
    m_button.SetColor(0x00336699u);
    EXPECT_EQ(CentreColor(m_button), QColor(0x99, 0x66, 0x33));
    m_button.SetColor(0x0000FF00u);
    EXPECT_EQ(CentreColor(m_button), QColor(0, 255, 0));
}

TEST_F(ColorButtonTest, PopupChoosesANamedCell) {
    m_button.SetColor(0x00FF0000u);
    QSignalSpy changed(&m_button, &ColorButton::ColorChanged);
    ColorPopup* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->objectName(), "Color");
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Popup));
    // The active palette and "Transparent"; the current color is the current cell.
    ASSERT_EQ(popup->CellCount(), 5);
    EXPECT_EQ(popup->CellName(1), "Gruen");
    EXPECT_EQ(popup->CellName(popup->TransparentCell()), "Transparent");
    EXPECT_EQ(popup->CurrentCell(), 2);
    // Below the button.
    EXPECT_GE(popup->geometry().top(), m_button.mapToGlobal(QPoint(0, m_button.height())).y());
    for (int a = 0; a < popup->CellCount(); ++a) {
        for (int b = a + 1; b < popup->CellCount(); ++b) {
            EXPECT_FALSE(popup->CellRect(a).intersects(popup->CellRect(b))) << a << " " << b;
        }
        EXPECT_TRUE(popup->rect().contains(popup->CellRect(a))) << a;
    }

    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->CellRect(1).center());
    EXPECT_EQ(m_button.Color(), 0x0000FF00u);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<quint32>(), 0x0000FF00u);
    EXPECT_FALSE(popup->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_button.Popup(), nullptr);
    EXPECT_EQ(CentreColor(m_button), QColor(0, 255, 0));
}

TEST_F(ColorButtonTest, PopupKeyboardAndEscape) {
    m_button.SetColor(0x000000FFu);
    ColorPopup* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->CurrentCell(), 0);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(popup->CurrentCell(), 2);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(m_button.Color(), 0x000000FFu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_End);
    EXPECT_EQ(popup->CurrentCell(), popup->TransparentCell());
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(m_button.Color(), COLOR_TRANSPARENT);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Without a registered table the standard palette is offered.
    SetActivePalette(nullptr);
    popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->CellCount(), 17);
    EXPECT_EQ(popup->CellName(3), QString::fromUtf8("Wei\xC3\x9F"));
    EXPECT_EQ(popup->CurrentCell(), popup->TransparentCell());
    QTest::keyClick(popup, Qt::Key_Home);
    QTest::keyClick(popup, Qt::Key_Space);
    EXPECT_EQ(m_button.Color(), 0u);
}

TEST_F(ColorButtonTest, ExtendedStyleUsesTheColorDialog) {
    m_button.SetExtendedStyle(true);
    m_button.SetColor(0x00336699u);
    QColor initial;
    QTimer::singleShot(0, [&] {
        QColorDialog* dialog = m_button.Dialog();
        ASSERT_NE(dialog, nullptr);
        initial = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    QTest::mouseClick(&m_button, Qt::LeftButton);
    EXPECT_EQ(initial, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(m_button.Popup(), nullptr);
    EXPECT_EQ(m_button.Color(), MakeColorRef(1, 2, 3));

    // Cancel keeps the color.
    QTimer::singleShot(0, [&] {
        QColorDialog* dialog = m_button.Dialog();
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(200, 0, 0));
        dialog->reject();
    });
    QTest::mouseClick(&m_button, Qt::LeftButton);
    EXPECT_EQ(m_button.Color(), MakeColorRef(1, 2, 3));
    EXPECT_EQ(m_button.Dialog(), nullptr);
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
