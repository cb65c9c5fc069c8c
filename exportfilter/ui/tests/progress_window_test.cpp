// The progress window's display modes, update rules, Cancel and its owner window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <limits>

#include "exportfilter/ui/progress_window.h"
#include "exportfilter/ui/qt_dialogs.h"
#include "test_support.h"

namespace grafyon::exportfilter {
namespace {

struct Shown {
    bool percent, countLabel, count, information, bar;
};

Shown Visible(const CProgressWindow& window) {
    return {!window.Percent()->isHidden(), !window.CountLabel()->isHidden(),
            !window.Count()->isHidden(), !window.Information()->isHidden(),
            !window.Bar()->isHidden()};
}

TEST(ProgressWindow, ShowsWhatItsModeAsksFor) {
    const grafyon::test::ScopedEnv english("LC_ALL", "C.UTF-8");
    CProgressWindow bar(ProgressMode::CountAndBar, nullptr);
    EXPECT_EQ(bar.windowTitle(), "Data export");
    const Shown countAndBar = Visible(bar);
    EXPECT_TRUE(countAndBar.count && countAndBar.bar);
    EXPECT_FALSE(countAndBar.percent || countAndBar.countLabel || countAndBar.information);

    CProgressWindow values(ProgressMode::Values, nullptr);
    EXPECT_EQ(values.CountLabel()->text(), "Values");
    EXPECT_FALSE(Visible(values).bar);

    CProgressWindow rows(ProgressMode::PercentRowsAndBar, nullptr);
    const Shown percentRows = Visible(rows);
    EXPECT_TRUE(percentRows.percent && percentRows.countLabel && percentRows.count &&
                percentRows.bar);
    EXPECT_EQ(rows.CountLabel()->text(), "Rows");

    // Any other number shows the text and the bar.
    CProgressWindow other(static_cast<ProgressMode>(9), nullptr);
    EXPECT_EQ(other.Information()->text(), "Export in progress");
    const Shown text = Visible(other);
    EXPECT_TRUE(text.information && text.bar);
    EXPECT_FALSE(text.count || text.percent);

    const grafyon::test::ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    CProgressWindow deutsch(ProgressMode::PercentValuesAndBar, nullptr);
    EXPECT_EQ(deutsch.windowTitle(), "Datenexport");
    EXPECT_EQ(deutsch.CountLabel()->text(), "Werte");
    EXPECT_EQ(deutsch.CancelButton()->text(), "Abbrechen");
}

TEST(ProgressWindow, UpdatesByTheRules) {
    CProgressWindow window(ProgressMode::PercentRowsAndBar, nullptr);
    EXPECT_TRUE(window.Update(250.0, 7, -1));
    EXPECT_EQ(window.Bar()->value(), 100);
    EXPECT_EQ(window.Percent()->text(), "100.00%");
    EXPECT_EQ(window.Count()->text(), "7");

    EXPECT_TRUE(window.Update(5.0, 3, 10));
    EXPECT_EQ(window.Bar()->value(), 5);
    EXPECT_EQ(window.Percent()->text(), " 5.00%");
    EXPECT_EQ(window.Count()->text(), " 3-10");

    // Negative (and not-a-number) percentages and negative counts change nothing.
    EXPECT_TRUE(window.Update(-1.0, -1, 10));
    EXPECT_TRUE(window.Update(std::numeric_limits<double>::quiet_NaN(), -5, 0));
    EXPECT_EQ(window.Bar()->value(), 5);
    EXPECT_EQ(window.Percent()->text(), " 5.00%");
    EXPECT_EQ(window.Count()->text(), " 3-10");

    // The bar takes the whole part; a total of 1 is already a total, 0 is none.
    EXPECT_TRUE(window.Update(99.999, 12345, 1));
    EXPECT_EQ(window.Bar()->value(), 99);
    EXPECT_EQ(window.Percent()->text(), "100.00%");
    EXPECT_EQ(window.Count()->text(), "12345-1");
    EXPECT_TRUE(window.Update(100.0, 0, 0));
    EXPECT_EQ(window.Bar()->value(), 100);
    EXPECT_EQ(window.Count()->text(), "0");
    EXPECT_TRUE(window.Update(0.0, 5000000000, -1));
    EXPECT_EQ(window.Bar()->value(), 0);
    EXPECT_EQ(window.Percent()->text(), " 0.00%");
    EXPECT_EQ(window.Count()->text(), "5000000000");
}

TEST(ProgressWindow, AnswersCancelOnceAndKeepsItsOwnerDisabled) {
    const grafyon::test::ScopedEnv english("LC_ALL", "C.UTF-8");
    QWidget owner;
    owner.show();
    QuenarMessenger messenger;
    {
        const std::unique_ptr<QuenarDialogs> dialogs = MakeQtDialogs(&owner, messenger);
        std::unique_ptr<ProgressDisplay> display = dialogs->OpenProgress(ProgressMode::Rows);
        auto& window = dynamic_cast<CProgressWindow&>(*display);
        EXPECT_FALSE(owner.isEnabled());
        EXPECT_TRUE(window.isEnabled());
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.isModal());

        QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(display->Update(1.0, 1, -1));
        EXPECT_TRUE(display->Update(2.0, 2, -1)) << "asking resets the cancel state";
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(display->Update(3.0, 3, -1));
        EXPECT_TRUE(window.isVisible()) << "Escape cancels; the run closes the window";

        // An information text replaces the display and Cancel no longer counts.
        display->ShowInformation(QUENAR_STR_INTERNAL_DATA_TRANSFER);
        EXPECT_EQ(window.Information()->text(), "Internal data transfer");
        EXPECT_TRUE(window.Count()->isHidden());
        EXPECT_FALSE(window.CancelButton()->isEnabled());
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_TRUE(display->Update(4.0, 4, -1));
    }
    EXPECT_TRUE(owner.isEnabled());

    // An owner that was disabled before stays disabled.
    owner.setEnabled(false);
    { CProgressWindow window(ProgressMode::CountAndBar, &owner); }
    EXPECT_FALSE(owner.isEnabled());
}

}  // namespace
}  // namespace grafyon::exportfilter
