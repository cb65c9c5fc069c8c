// "Information..." in the main window: when it is offered and which page it opens on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <functional>

#include "test_support.h"
#include "viewer/data/info/ui/file_info_dialog.h"
#include "viewer/data/tools/recording_generator.h"
#include "viewer/frame/file_info_command.h"
#include "viewer/frame/main_frame.h"
#include "viewer/frame/viewer_runtime.h"
#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/view_navigator.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/grafyon_view.h"

namespace grafyon {
namespace {

using test::ScopedConfigDirs;
using test::TempDir;

// Runs action on the information dialog once it is the modal window; a test that never
// sees it fails, and whatever else is open is closed, so no test waits for input.
void WhenInfoDialog(std::function<void(CFileInfoDialog*)> action, int attemptsLeft = 300) {
    QTimer::singleShot(10, [action, attemptsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<CFileInfoDialog*>(modal)) {
            action(dialog);
            dialog->accept();
            return;
        }
        if (attemptsLeft > 0) {
            WhenInfoDialog(action, attemptsLeft - 1);
            return;
        }
        ADD_FAILURE() << "the information dialog did not open";
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->reject();
    });
}

struct InfoFixture {
    InfoFixture() {
        runtime.document->SetMessageSink([](int, const QString&) {});
        frame = std::make_unique<CMainFrame>(runtime);
        frame->show();
        QCoreApplication::processEvents();
    }
    bool Open() {
        RecordingOptions options;
        options.path = dir / "info.mdf";
        options.frames = 2000;
        options.channelCount = 3;
        std::string error;
        EXPECT_EQ(GenerateRecording(options, &error), GENERATE_OK) << error;
        return frame->OpenFile(QString::fromStdString(options.path));
    }
    TempDir dir;
    ScopedConfigDirs config;
    ViewerRuntime runtime;
    std::unique_ptr<CMainFrame> frame;
};

TEST(FileInfoCommand, OfferedWhileAMeasurementIsOpen) {
    InfoFixture f;
    QAction* info = f.frame->Action(ID_FILE_INFO);
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->isEnabled());
    EXPECT_TRUE(f.frame->ToolBars().front()->actions().contains(info));
    ASSERT_TRUE(f.Open());
    EXPECT_TRUE(info->isEnabled());
    QTest::keyClick(f.frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(info->isEnabled());
}

TEST(FileInfoCommand, OpensOnGeneralOrOnTheCurveOfTheContextMenu) {
    InfoFixture f;
    ASSERT_TRUE(f.Open());
    QString shownTitle;
    QString page;
    WhenInfoDialog([&](CFileInfoDialog* dialog) {
        shownTitle = dialog->Tree()->currentItem()->text(0);
        page = dialog->Browser()->toPlainText();
    });
    QTest::keyClick(f.frame.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(shownTitle, "General");
    EXPECT_TRUE(page.contains("info.mdf")) << page.toStdString();

    // "&Informations..." on the second diagram opens its curve's page.
    CGraphicLayout& layout = f.runtime.document->Layout();
    ASSERT_GE(layout.DiagramCount(), 2);
    const Dataset* curve = layout.Diagram(1).curve;
    ASSERT_NE(curve, nullptr);
    const GraphicRect plot = layout.Diagram(1).PlotRect();
    ASSERT_TRUE(f.frame->Navigator().OpenContextMenu(
        QPoint(plot.left + plot.Width() / 2, plot.bottom - plot.Height() / 2)));
    const Element* shown = nullptr;
    WhenInfoDialog([&](CFileInfoDialog* dialog) { shown = dialog->CurrentNode()->reference; });
    QAction* informations = f.frame->Navigator().Action(NAV_CMD_POPUP_INFORMATIONS);
    ASSERT_TRUE(informations->isEnabled());
    informations->trigger();
    f.frame->Navigator().ContextMenu()->hide();
    EXPECT_EQ(shown, curve);
}

TEST(FileInfoCommand, NumbersAsTheValueBoxShowsThemWithoutItsPadding) {
    EXPECT_EQ(InfoNumberFormatFrom(CursorValueFormat::Build(10, 6, 1))(0.001), "0.001");
    EXPECT_EQ(InfoNumberFormatFrom(CursorValueFormat::Build(12, 3, 0))(2.5), "2.500");
    EXPECT_EQ(InfoNumberFormatFrom(CursorValueFormat::Build(12, 2, 2))(1000.0), "1.00e+03");
}

}  // namespace
}  // namespace grafyon

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
