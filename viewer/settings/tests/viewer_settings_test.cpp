// The viewer's settings: defaults, validation and clamping on reading, round trips, report.
#include <gtest/gtest.h>

#include <filesystem>

#include "scoped_german_locale.h"
#include "test_support.h"
#include "viewer/settings/settings_report.h"
#include "viewer/settings/settings_values.h"
#include "viewer/settings/viewer_settings.h"

namespace grafyon {
namespace {

// Every field away from its default, inside the ranges that reading allows.
ViewerSettings Changed() {
    ViewerSettings s;
    s.diagramViewMode = 1;
    s.numOfDiagrams = 7;
    s.showYGrid = true;
    s.xAxisDisplayOnTop = true;
    s.xAxisDisplayOnBottom = false;
    s.xAxisScaleMode = 1;
    s.xAxisStartIntervalMode = START_TIME_INTERVAL;
    s.xAxisNumOfValues = 12345;
    s.xAxisTimeInterval = 12.5;
    s.xAxisValueInterval = 37;
    s.curveScalingMode = 1;
    s.scalingReferenceMode = 0;
    s.zoomAndCenterMode = 1;
    s.centerMode = 2;
    s.cursorMode = 1;
    s.saveFileFilterIndex = 3;
    s.saveRangeInfos = false;
    s.saveComments = false;
    s.openStoredFile = true;
    s.mergeCreationMode = 2;
    s.openMergedFile = false;
    s.cursorValueFormatType = 2;
    s.cursorValueFormatWidth = 20;
    s.cursorValueFormatPrecision = 9;
    return s;
}

TEST(ViewerSettings, DefaultsAndAnEmptyFile) {
    test::ScopedConfigDirs dirs;
    const ViewerSettings d;
    EXPECT_EQ(d.diagramViewMode, 0);
    EXPECT_EQ(d.numOfDiagrams, 4);
    EXPECT_FALSE(d.showYGrid);
    EXPECT_FALSE(d.xAxisDisplayOnTop);
    EXPECT_TRUE(d.xAxisDisplayOnBottom);
    EXPECT_EQ(d.xAxisScaleMode, 0);
    EXPECT_EQ(d.xAxisStartIntervalMode, 4);
    EXPECT_EQ(d.xAxisNumOfValues, 1000);
    EXPECT_EQ(d.xAxisTimeInterval, 10.0);
    EXPECT_EQ(d.xAxisValueInterval, 100);
    EXPECT_EQ(d.curveScalingMode, 0);
    EXPECT_EQ(d.scalingReferenceMode, 1);
    EXPECT_EQ(d.zoomAndCenterMode, 0);
    EXPECT_EQ(d.centerMode, 0);
    EXPECT_EQ(d.cursorMode, 0);
    EXPECT_EQ(d.saveFileFilterIndex, 2);
    EXPECT_TRUE(d.saveRangeInfos);
    EXPECT_TRUE(d.saveComments);
    EXPECT_FALSE(d.openStoredFile);
    EXPECT_EQ(d.mergeCreationMode, 0);
    EXPECT_TRUE(d.openMergedFile);
    EXPECT_EQ(d.cursorValueFormatType, 1);
    EXPECT_EQ(d.cursorValueFormatWidth, 10);
    EXPECT_EQ(d.cursorValueFormatPrecision, 6);

    // Nothing stored: every field keeps what it held, defaults or not.
    ViewerSettings read;
    ReadViewerSettings(read);
    EXPECT_EQ(read, d);
    ViewerSettings changed = Changed();
    ReadViewerSettings(changed);
    EXPECT_EQ(changed, Changed());
    EXPECT_FALSE(std::filesystem::exists(dirs.UserDir() + "/Vantorelline/Grafyon.ini"));
}

TEST(ViewerSettings, WritesEveryValueUnderItsName) {
    test::ScopedConfigDirs dirs;
    ASSERT_TRUE(WriteViewerSettings(ViewerSettings{}));
    auto file = OpenViewerSettingsFile();
    const std::vector<std::string> expected = {
        "Center Mode",
        "Cursor Mode",
        "Cursor Value Format Precision",
        "Cursor Value Format Type",
        "Cursor Value Format Width",
        "Curve Scaling Mode",
        "Diagram View Mode",
        "Merge Creation Mode",
        "Num Of Diagrams",
        "Open Merged File",
        "Open Stored File",
        "Save Comments",
        "Save File Filter Index",
        "Save Range Infos",
        "Scaling Reference Mode",
        "Show Y Grid",
        "X_Axis Display On Bottom",
        "X_Axis Display On Top",
        "X_Axis Num Of Values",
        "X_Axis Scale Mode",
        "X_Axis Start Interval Mode",
        "X_Axis Time Interval",
        "X_Axis Value Interval",
        "Zoom And Center Mode",
    };
    std::vector<std::string> names = file->ValueNames("Settings");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(file->ReadString("Settings", "X_Axis Time Interval").value_or(""), "10");
    EXPECT_EQ(file->ReadString("Settings", "X_Axis Display On Bottom").value_or(""), "1");
    EXPECT_EQ(file->ReadString("Settings", "Show Y Grid").value_or(""), "0");
    EXPECT_EQ(file->ReadString("Settings", "X_Axis Start Interval Mode").value_or(""), "4");
}

TEST(ViewerSettings, TimeIntervalValidation) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Start Interval Mode", 1));
    ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Num Of Values", 500));
    // Not greater than 0, or no number at all: mode 0 with 2 values.
    for (const char* bad : {"0", "-3", "abc", "nan", "inf", "", "1e999"}) {
        ASSERT_TRUE(file->WriteString("Settings", "X_Axis Time Interval", bad));
        ViewerSettings s;
        ReadViewerSettings(*file, s);
        EXPECT_EQ(s.xAxisStartIntervalMode, 0) << bad;
        EXPECT_EQ(s.xAxisNumOfValues, 2) << bad;
    }
    ASSERT_TRUE(file->WriteString("Settings", "X_Axis Time Interval", "0.001"));
    ViewerSettings s;
    ReadViewerSettings(*file, s);
    EXPECT_EQ(s.xAxisStartIntervalMode, 1);
    EXPECT_EQ(s.xAxisNumOfValues, 500);
    EXPECT_DOUBLE_EQ(s.xAxisTimeInterval, 0.001);

    // Mode 0 needs two samples at least; other modes leave the number alone.
    ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Start Interval Mode", 0));
    for (int few : {1, 0, -7}) {
        ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Num Of Values", few));
        ViewerSettings t;
        ReadViewerSettings(*file, t);
        EXPECT_EQ(t.xAxisStartIntervalMode, 0);
        EXPECT_EQ(t.xAxisNumOfValues, 2) << few;
    }
    ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Start Interval Mode", 2));
    ViewerSettings t;
    ReadViewerSettings(*file, t);
    EXPECT_EQ(t.xAxisNumOfValues, -7);
    // A bad interval outside mode 1 does not change the mode.
    ASSERT_TRUE(file->WriteString("Settings", "X_Axis Time Interval", "0"));
    ViewerSettings u;
    ReadViewerSettings(*file, u);
    EXPECT_EQ(u.xAxisStartIntervalMode, 2);
    EXPECT_EQ(u.xAxisTimeInterval, 0.0);
}

TEST(ViewerSettings, BooleansReadAboveZeroAndWriteOne) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteInt("Settings", "Show Y Grid", 5));
    ASSERT_TRUE(file->WriteInt("Settings", "Save Comments", -2));
    ASSERT_TRUE(file->WriteInt("Settings", "Open Stored File", 0));
    ViewerSettings s;
    s.openStoredFile = true;
    ReadViewerSettings(*file, s);
    EXPECT_TRUE(s.showYGrid);
    EXPECT_FALSE(s.saveComments);
    EXPECT_FALSE(s.openStoredFile);
    ASSERT_TRUE(WriteViewerSettings(*file, s));
    EXPECT_EQ(file->ReadString("Settings", "Show Y Grid").value_or(""), "1");
    EXPECT_EQ(file->ReadString("Settings", "Save Comments").value_or(""), "0");
}

TEST(ViewerSettings, DamagedFileIsClampedToTheAllowedRanges) {
    test::ScopedConfigDirs dirs;
    const std::string path = SettingsFile::PathFor(SettingsScope::User, "Grafyon");
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    // Written by hand: out-of-range numbers, texts where numbers belong, a broken line.
    test::WriteTextFile(path,
                        "[Settings]\n"
                        "Num%20Of%20Diagrams=1000000\n"
                        "Diagram%20View%20Mode=7\n"
                        "Center%20Mode=-1\n"
                        "X_Axis%20Value%20Interval=0\n"
                        "Cursor%20Value%20Format%20Width=99\n"
                        "Cursor%20Value%20Format%20Precision=99999999999\n"
                        "Cursor%20Value%20Format%20Type=-9\n"
                        "this line is no value\n"
                        "Cursor%20Mode=twelve\n"
                        "X_Axis%20Scale%20Mode=1\n");
    ViewerSettings s;
    s.cursorMode = 1;
    ReadViewerSettings(s);
    EXPECT_EQ(s.numOfDiagrams, 32);
    EXPECT_EQ(s.diagramViewMode, 1);
    EXPECT_EQ(s.centerMode, 0);
    EXPECT_EQ(s.xAxisValueInterval, 1);
    EXPECT_EQ(s.cursorValueFormatWidth, 25);
    EXPECT_EQ(s.cursorValueFormatPrecision, 15);
    EXPECT_EQ(s.cursorValueFormatType, 0);
    EXPECT_EQ(s.cursorMode, 1);  // not a number: kept
    EXPECT_EQ(s.xAxisScaleMode, 1);

    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteInt("Settings", "Num Of Diagrams", -4));
    ASSERT_TRUE(file->WriteInt("Settings", "Diagram View Mode", -1));
    ASSERT_TRUE(file->WriteInt("Settings", "Center Mode", 3));
    ASSERT_TRUE(file->WriteInt("Settings", "X_Axis Value Interval", 101));
    ASSERT_TRUE(file->WriteInt("Settings", "Cursor Value Format Width", -1));
    ASSERT_TRUE(file->WriteInt("Settings", "Cursor Value Format Precision", -1));
    ASSERT_TRUE(file->WriteInt("Settings", "Cursor Value Format Type", 3));
    ReadViewerSettings(*file, s);
    EXPECT_EQ(s.numOfDiagrams, 1);
    EXPECT_EQ(s.diagramViewMode, 0);
    EXPECT_EQ(s.centerMode, 2);
    EXPECT_EQ(s.xAxisValueInterval, 100);
    EXPECT_EQ(s.cursorValueFormatWidth, 0);
    EXPECT_EQ(s.cursorValueFormatPrecision, 0);
    EXPECT_EQ(s.cursorValueFormatType, 2);
}

// Written by one run, read back unchanged by the next; the file itself does not change.
void ExpectRoundTrip() {
    const ViewerSettings original = Changed();
    ASSERT_TRUE(WriteViewerSettings(original));
    const std::string path = SettingsFile::PathFor(SettingsScope::User, "Grafyon");
    const std::string firstBytes = test::ReadTextFile(path);
    EXPECT_NE(firstBytes.find("=12.5"), std::string::npos) << firstBytes;

    ViewerSettings read;
    ReadViewerSettings(read);
    EXPECT_EQ(read, original);
    ASSERT_TRUE(WriteViewerSettings(read));
    EXPECT_EQ(test::ReadTextFile(path), firstBytes);
}

TEST(ViewerSettings, RoundTrip) {
    test::ScopedConfigDirs dirs;
    ExpectRoundTrip();
}

TEST(ViewerSettings, RoundTripUnderAGermanLocale) {
    test::ScopedConfigDirs dirs;
    test::ScopedGermanLocale german;
    // The locale is built when missing, so the decimal comma must be in force here.
    ASSERT_TRUE(german.Active());
    ExpectRoundTrip();
    // A file written under an English locale reads the same under the German one.
    auto file = OpenViewerSettingsFile();
    ASSERT_TRUE(file->WriteString("Settings", "X_Axis Time Interval", "0.75"));
    ViewerSettings s;
    ReadViewerSettings(*file, s);
    EXPECT_DOUBLE_EQ(s.xAxisTimeInterval, 0.75);
    EXPECT_EQ(SettingsReportLines(s, "Sans")[8], "X-Axis Time Interval: 0.75");
}

TEST(SettingsReport, LinesInOrderThenNone) {
    ViewerSettings s = Changed();
    s.xAxisTimeInterval = 0.1234567;
    const std::vector<std::string> expected = {
        "Diagram View Mode: 1",
        "Number Of Diagrams: 7",
        "Show The Y-Grid: Yes",
        "X-Axis Display On Top: Yes",
        "X-Axis Display On Bottom: No",
        "X-Axis Scale Mode: 1",
        "X-Axis Start Interval Mode: 1",
        "X-Axis Number Of Values: 12345",
        "X-Axis Time Interval: 0.123457",
        "X-Value Interval: 37",
        "Curve Scaling Mode: 1",
        "Scaling Ref Mode: 0",
        "System Font Name: DejaVu Sans",
        "Zoom Or Center Mode: 1",
        "Cursor Mode: 1",
        "Float Value Format Type: 2",
        "Float Value Format Width: 20",
        "Float Value Format Precision: 9",
    };
    EXPECT_EQ(SettingsReportLines(s, "DejaVu Sans"), expected);
    EXPECT_EQ(expected.size(), static_cast<std::size_t>(SETTINGS_REPORT_LINE_COUNT));

    std::string text = "untouched";
    EXPECT_FALSE(SettingsReportLine(SETTINGS_REPORT_LINE_COUNT, s, "x", text));
    EXPECT_FALSE(SettingsReportLine(-1, s, "x", text));
    EXPECT_EQ(text, "untouched");
    ASSERT_TRUE(SettingsReportLine(2, ViewerSettings{}, "x", text));
    EXPECT_EQ(text, "Show The Y-Grid: No");
    ASSERT_TRUE(SettingsReportLine(8, ViewerSettings{}, "x", text));
    EXPECT_EQ(text, "X-Axis Time Interval: 10");
}

}  // namespace
}  // namespace grafyon
