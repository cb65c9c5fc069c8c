// The sheets' logic without widgets: field parsing, option values, diagram values, scaling.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "scoped_german_locale.h"
#include "test_support.h"
#include "viewer/data/measurement_description.h"
#include "viewer/settings/settings_values.h"
#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/field_parse.h"
#include "viewer/sheets/language_setting.h"
#include "viewer/sheets/option_values.h"
#include "viewer/sheets/scaling_values.h"
#include "viewer/sheets/tests/test_document.h"

namespace grafyon {
namespace {

TEST(FieldParse, WholeIntegersOnly) {
    EXPECT_EQ(ParseIntegerField("12"), 12);
    EXPECT_EQ(ParseIntegerField("  12\t"), 12);
    EXPECT_EQ(ParseIntegerField("+7"), 7);
    EXPECT_EQ(ParseIntegerField("-3"), -3);
    EXPECT_EQ(ParseIntegerField("2147483647"), 2147483647);
    for (const char* bad : {"", "  ", "12abc", "1.5", "1e3", "--1", "+-1", "+", "-", "0x10",
                            "2147483648", "-2147483649", "1 2"}) {
        EXPECT_FALSE(ParseIntegerField(bad)) << bad;
    }
}

TEST(FieldParse, NumbersAreFiniteAndUseThePoint) {
    EXPECT_EQ(ParseNumberField("1.5"), 1.5);
    EXPECT_EQ(ParseNumberField(" -2e3 "), -2000.0);
    EXPECT_EQ(ParseNumberField("+0.25"), 0.25);
    EXPECT_EQ(ParseNumberField("7"), 7.0);
    for (const char* bad :
         {"", "1,5", "abc", "1.5x", "inf", "-inf", "nan", "1e400", "+-1", "--1", "0x1p3", ". 5"}) {
        EXPECT_FALSE(ParseNumberField(bad)) << bad;
    }
}

TEST(FieldParse, RangeChecksTellWhyAndKeepTheValueOnFailure) {
    int value = -99;
    EXPECT_EQ(CheckIntegerField("0", 1, 100, value), FieldError::IntegerOutOfRange);
    EXPECT_EQ(CheckIntegerField("101", 1, 100, value), FieldError::IntegerOutOfRange);
    EXPECT_EQ(CheckIntegerField("ten", 1, 100, value), FieldError::NotInteger);
    EXPECT_EQ(value, -99);
    EXPECT_EQ(CheckIntegerField("1", 1, 100, value), FieldError::None);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(CheckIntegerField("100", 1, 100, value), FieldError::None);
    EXPECT_EQ(value, 100);

    double number = -1.0;
    EXPECT_EQ(CheckNumberField("x", number), FieldError::NotNumber);
    EXPECT_EQ(CheckNumberField("2.5", 0.0, 2.0, number), FieldError::NumberOutOfRange);
    EXPECT_EQ(number, -1.0);
    EXPECT_EQ(CheckNumberField("2", 0.0, 2.0, number), FieldError::None);
    EXPECT_EQ(number, 2.0);
}

TEST(FieldParse, FormattedNumbersReadBackUnderAGermanLocale) {
    test::ScopedGermanLocale german;
    ASSERT_TRUE(german.Active());
    for (double value : {0.0, 0.1, -12.5, 1.0 / 3.0, 1e-300, 123456789012345.0, 2.5e17}) {
        const std::string text = FormatNumberField(value);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        const std::optional<double> back = ParseNumberField(text);
        ASSERT_TRUE(back) << text;
        EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << text;
    }
    EXPECT_EQ(FormatNumberField(10.5), "10.5");
    EXPECT_EQ(ParseNumberField("10.5"), 10.5);
}

TEST(OptionValues, CursorFormatWidthMakesRoomForThePrecision) {
    EXPECT_EQ(AdjustedFormatWidth(10, 9), 12);
    EXPECT_EQ(AdjustedFormatWidth(10, 8), 11);
    EXPECT_EQ(AdjustedFormatWidth(10, 7), 10);
    EXPECT_EQ(AdjustedFormatWidth(0, 0), 3);
    EXPECT_EQ(AdjustedFormatWidth(25, 15), 25);
}

TEST(OptionValues, FontSizeIsAWholeNumberFromOneTo999) {
    EXPECT_EQ(ParseFontSize("1"), 1);
    EXPECT_EQ(ParseFontSize(" 12 "), 12);
    EXPECT_EQ(ParseFontSize("999"), 999);
    for (const char* bad : {"0", "1000", "-5", "12.5", "abc", "", "9999999999"})
        EXPECT_FALSE(ParseFontSize(bad)) << bad;
}

TEST(OptionValues, LanguageCodes) {
    EXPECT_TRUE(IsGermanLanguageId(std::string("DEU")));
    EXPECT_TRUE(IsGermanLanguageId(std::string("deu")));
    EXPECT_FALSE(IsGermanLanguageId(std::string("ENU")));
    EXPECT_FALSE(IsGermanLanguageId(std::string("DEUX")));
    EXPECT_FALSE(IsGermanLanguageId(std::string("")));
    EXPECT_FALSE(IsGermanLanguageId(std::nullopt));
    EXPECT_STREQ(LanguageIdFor(true), "DEU");
    EXPECT_STREQ(LanguageIdFor(false), "ENU");
}

TEST(OptionValues, ApplyReportsWhatChanged) {
    ViewerSettings settings;
    LogFont font;
    font.faceName = "DejaVu Sans";
    font.height = -12;
    font.weight = FONT_WEIGHT_NORMAL;

    OptionValues values = OptionValuesFrom(settings, font, std::string("ENU"));
    EXPECT_FALSE(values.german);
    const ViewerSettings unchanged = settings;
    OptionChanges changes = ApplyOptionValues(values, false, settings, font);
    EXPECT_TRUE(changes.accepted);
    EXPECT_FALSE(changes.Any());
    EXPECT_EQ(settings, unchanged);

    // Precision 9 with character count 10 widens the count to 12.
    values.formatPrecision = 9;
    values.formatWidth = 10;
    changes = ApplyOptionValues(values, false, settings, font);
    EXPECT_TRUE(changes.fontOrFormat);
    EXPECT_FALSE(changes.settings);
    EXPECT_EQ(settings.cursorValueFormatWidth, 12);
    EXPECT_EQ(settings.cursorValueFormatPrecision, 9);

    // The font alone: face, height, weight and italic each count.
    values = OptionValuesFrom(settings, font, std::nullopt);
    values.font.italic = 1;
    changes = ApplyOptionValues(values, false, settings, font);
    EXPECT_TRUE(changes.fontOrFormat);
    EXPECT_EQ(font.italic, 1);
    values.font.height = -20;
    EXPECT_TRUE(ApplyOptionValues(values, false, settings, font).fontOrFormat);
    EXPECT_EQ(font.height, -20);
    EXPECT_FALSE(ApplyOptionValues(values, false, settings, font).fontOrFormat);

    values.german = true;
    changes = ApplyOptionValues(values, false, settings, font);
    EXPECT_TRUE(changes.language);
    EXPECT_FALSE(ApplyOptionValues(values, true, settings, font).language);

    values.centerMode = 2;
    values.startIntervalMode = START_ALL_SAMPLES;
    values.curveScalingMode = 1;
    changes = ApplyOptionValues(values, true, settings, font);
    EXPECT_TRUE(changes.settings);
    EXPECT_EQ(settings.centerMode, 2);
    EXPECT_EQ(settings.xAxisStartIntervalMode, START_ALL_SAMPLES);
    EXPECT_EQ(settings.curveScalingMode, 1);
}

TEST(OptionValues, InitialViewIsValidatedAsAtStartUp) {
    ViewerSettings settings;
    LogFont font;
    OptionValues values = OptionValuesFrom(settings, font, std::nullopt);
    values.startIntervalMode = START_TIME_INTERVAL;
    values.timeInterval = 0.0;
    ApplyOptionValues(values, false, settings, font);
    EXPECT_EQ(settings.xAxisStartIntervalMode, START_NUMBER_OF_SAMPLES);
    EXPECT_EQ(settings.xAxisNumOfValues, 2);

    values.startIntervalMode = START_NUMBER_OF_SAMPLES;
    values.numOfValues = -7;
    ApplyOptionValues(values, false, settings, font);
    EXPECT_EQ(settings.xAxisNumOfValues, 2);

    values.startIntervalMode = START_TIME_INTERVAL;
    values.timeInterval = 2.5;
    ApplyOptionValues(values, false, settings, font);
    EXPECT_EQ(settings.xAxisStartIntervalMode, START_TIME_INTERVAL);
    EXPECT_EQ(settings.xAxisTimeInterval, 2.5);
}

TEST(LanguageSetting, StoredUnderSettingsAndReadBack) {
    test::ScopedConfigDirs dirs;
    auto file = OpenViewerSettingsFile();
    EXPECT_FALSE(ReadLanguageId(*file));
    ASSERT_TRUE(WriteLanguageId(*file, "DEU"));
    EXPECT_EQ(ReadLanguageId(*file), "DEU");
    EXPECT_EQ(file->ReadString("Settings", "LanguageID"), "DEU");
    ASSERT_TRUE(WriteLanguageId(*file, "ENU"));
    EXPECT_EQ(ReadLanguageId(*OpenViewerSettingsFile()), "ENU");
}

TEST(DiagramValues, TakenFromTheLayoutAndTheDatasets) {
    Document doc(1000, 0.01, 3);
    doc.layout.SetYGrid(true);
    doc.layout.SetTopAxis(true);
    doc.layout.SetStartMode(StartMode::Time);
    doc.layout.SetStart(1.5);
    doc.description.Datasets()[1]->active = false;
    const DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    EXPECT_EQ(v.viewMode, ViewMode::CurvePerDiagram);
    EXPECT_EQ(v.diagramsPerPage, 2);
    EXPECT_TRUE(v.yGrid);
    EXPECT_TRUE(v.topAxis);
    EXPECT_TRUE(v.bottomAxis);
    EXPECT_EQ(v.startMode, StartMode::Time);
    EXPECT_EQ(v.startValue, 1.5);
    ASSERT_EQ(v.curves.size(), 3u);
    EXPECT_EQ(v.curves[1].name, "ch1");
    EXPECT_FALSE(v.curves[1].active);
    EXPECT_EQ(v.curves[2].maximum, 30.0);
    EXPECT_EQ(v.curves[2].color, 0x0000FF02u);
    EXPECT_EQ(SampleCountText(doc.layout), "1000");
    // (1000 - 1) x 0.01 in the default cursor value format "%10.6g".
    EXPECT_EQ(TimeMaximumText(doc.layout), "      9.99");
}

TEST(DiagramValues, StartIndexFiveWithOneValueGivesTwoValues) {
    Document doc(100, 0.5, 2);
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    v.startMode = StartMode::Sample;
    v.startValue = 5;
    v.intervalMode = IntervalMode::Values;
    v.intervalValue = 1;
    const DiagramChanges changes =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_EQ(doc.layout.GetIntervalValue(), 2.0);
    EXPECT_EQ(doc.layout.FirstSample(), 5);
    EXPECT_EQ(doc.layout.LastSample(), 6);
    EXPECT_TRUE(changes.xValues);
    EXPECT_TRUE(changes.snapshotNeeded);

    // The same values again change nothing and need no snapshot.
    const DiagramChanges again =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_FALSE(again.xValues);
    EXPECT_FALSE(again.snapshotNeeded);
}

TEST(DiagramValues, ViewModeRoundTripRestoresTheDiagramsPerPage) {
    Document doc(100, 1.0, 5);
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    v.diagramsPerPage = 3;
    ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_EQ(doc.layout.DiagramCount(), 3);
    EXPECT_EQ(doc.settings.numOfDiagrams, 3);

    v = DiagramValuesFrom(doc.layout, doc.description);
    v.viewMode = ViewMode::AllCurves;
    DiagramChanges changes = ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_TRUE(changes.viewMode);
    EXPECT_EQ(doc.layout.DiagramCount(), 1);
    EXPECT_EQ(doc.settings.diagramViewMode, 1);
    EXPECT_EQ(doc.settings.numOfDiagrams, 3);

    // Reopened with all curves in one diagram, the page still shows the number entered before.
    v = DiagramValuesFrom(doc.layout, doc.description);
    EXPECT_EQ(v.diagramsPerPage, 3);
    v.viewMode = ViewMode::CurvePerDiagram;
    changes = ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_TRUE(changes.viewMode);
    EXPECT_EQ(doc.layout.DiagramCount(), 3);
    EXPECT_EQ(doc.settings.diagramViewMode, 0);
    // The curves were re-applied to the restored diagrams.
    EXPECT_EQ(doc.layout.Diagram(2).curve, doc.description.Datasets()[2]);
}

TEST(DiagramValues, SettingsFollowOnlyWhatTheLayoutTook) {
    Document doc(100, 1.0, 2);
    doc.settings.numOfDiagrams = 7;  // differs from the layout's 2
    doc.settings.showYGrid = true;
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    v.topAxis = true;
    v.bottomAxis = false;
    v.axisInSamples = true;
    ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    // Unchanged diagram count and grid leave their settings alone...
    EXPECT_EQ(doc.settings.numOfDiagrams, 7);
    EXPECT_TRUE(doc.settings.showYGrid);
    // ...while the axes and the scale mode are always stored.
    EXPECT_TRUE(doc.settings.xAxisDisplayOnTop);
    EXPECT_FALSE(doc.settings.xAxisDisplayOnBottom);
    EXPECT_EQ(doc.settings.xAxisScaleMode, 1);
    EXPECT_TRUE(doc.layout.TopAxisOn());
    EXPECT_FALSE(doc.layout.BottomAxisOn());
    EXPECT_TRUE(doc.layout.AxisInSamples());

    v.yGrid = true;
    v.diagramsPerPage = 99;  // out of range: the layout gets the largest allowed count
    ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_TRUE(doc.settings.showYGrid);
    EXPECT_EQ(doc.layout.DiagramCount(), DIAGRAMS_PER_PAGE_MAX);
    EXPECT_EQ(doc.settings.numOfDiagrams, DIAGRAMS_PER_PAGE_MAX);
}

TEST(DiagramValues, DatasetsTakeFlagsRangesByManualScalingAndColors) {
    Document doc(100, 1.0, 3);
    std::vector<Dataset*> datasets = doc.description.Datasets();
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    v.curves[0].minimum = 50.0;  // reversed: swapped
    v.curves[0].maximum = -50.0;
    v.curves[1].minimum = 5.0;  // equal: widened like a constant curve
    v.curves[1].maximum = 5.0;
    v.curves[2].active = false;
    v.curves[2].color = 0x123456;
    datasets[0]->display.pointsDirty = false;
    const DiagramChanges changes =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_TRUE(changes.displayRanges);
    EXPECT_TRUE(changes.snapshotNeeded);
    EXPECT_TRUE(changes.activeFlags);
    EXPECT_TRUE(changes.colors);
    EXPECT_FALSE(changes.order);
    EXPECT_EQ(datasets[0]->display.displayMinimum, -50.0);
    EXPECT_EQ(datasets[0]->display.displayMaximum, 50.0);
    EXPECT_TRUE(datasets[0]->display.pointsDirty);
    EXPECT_EQ(datasets[1]->display.displayMinimum, 4.0);
    EXPECT_EQ(datasets[1]->display.displayMaximum, 6.0);
    EXPECT_FALSE(datasets[2]->active);
    EXPECT_EQ(datasets[2]->display.color, 0x123456u);
    // The curves were re-applied: the inactive dataset is no curve any more.
    ASSERT_EQ(doc.layout.CurveCount(), 2);
    EXPECT_EQ(doc.layout.Curves()[1], datasets[1]);

    // A color alone changes no range and needs no snapshot.
    v = DiagramValuesFrom(doc.layout, doc.description);
    v.curves[0].color = 0xABCDEF;
    const DiagramChanges colorOnly =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_TRUE(colorOnly.colors);
    EXPECT_FALSE(colorOnly.snapshotNeeded);
}

TEST(DiagramValues, ManualRangeRule) {
    double lo = 3.0, hi = 1.0;
    EXPECT_TRUE(ManualRange(lo, hi));
    EXPECT_EQ(lo, 1.0);
    EXPECT_EQ(hi, 3.0);
    lo = hi = -3.0;
    EXPECT_TRUE(ManualRange(lo, hi));
    EXPECT_EQ(lo, -4.0);
    EXPECT_EQ(hi, -3.0);
    lo = hi = 5.5;
    EXPECT_TRUE(ManualRange(lo, hi));
    EXPECT_EQ(lo, 5.0);
    EXPECT_EQ(hi, 6.0);
    lo = 0.0;
    hi = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ManualRange(lo, hi));
    lo = std::nan("");
    hi = 1.0;
    EXPECT_FALSE(ManualRange(lo, hi));
}

TEST(DiagramValues, MovingRows) {
    std::vector<CurveRow> rows(3);
    for (int i = 0; i < 3; ++i)
        rows[static_cast<std::size_t>(i)].name = "r" + std::to_string(i);
    EXPECT_EQ(MoveCurveRow(rows, 0, -1), 0);
    EXPECT_EQ(MoveCurveRow(rows, 2, 1), 2);
    EXPECT_EQ(MoveCurveRow(rows, 5, -1), 5);
    EXPECT_EQ(MoveCurveRow(rows, 1, 0), 1);
    EXPECT_EQ(rows[0].name, "r0");
    EXPECT_EQ(MoveCurveRow(rows, 2, -1), 1);
    EXPECT_EQ(rows[1].name, "r2");
    EXPECT_EQ(rows[2].name, "r1");
    EXPECT_EQ(MoveCurveRow(rows, 0, 2), 2);
    EXPECT_EQ(rows[0].name, "r2");
    EXPECT_EQ(rows[1].name, "r1");
    EXPECT_EQ(rows[2].name, "r0");
}

TEST(DiagramValues, OrderGoesThroughTheReorderHookOnlyWhenItChanged) {
    Document doc(100, 1.0, 3);
    const std::vector<Dataset*> datasets = doc.description.Datasets();
    std::vector<Dataset*> received;
    int calls = 0;
    const DatasetReorder reorder = [&](const std::vector<Dataset*>& order) {
        ++calls;
        received = order;
        return true;
    };
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, reorder);
    EXPECT_EQ(calls, 0);

    MoveCurveRow(v.curves, 2, -2);
    const DiagramChanges changes =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, reorder);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(changes.order);
    EXPECT_EQ(received, (std::vector<Dataset*>{datasets[2], datasets[0], datasets[1]}));

    // A document that cannot reorder reports no change of order.
    const DiagramChanges refused =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings,
                           [](const std::vector<Dataset*>&) { return false; });
    EXPECT_FALSE(refused.order);
    EXPECT_FALSE(ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {}).order);
}

TEST(DiagramValues, RowsOfDatasetsThatLeftTheDocumentAreSkipped) {
    Document doc(100, 1.0, 3);
    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    Dataset* gone = v.curves[1].dataset;
    v.curves[1].minimum = -1.0;
    ASSERT_TRUE(doc.description.Remove(gone));
    int calls = 0;
    const DiagramChanges changes = ApplyDiagramValues(v, doc.layout, doc.description, doc.settings,
                                                      [&](const std::vector<Dataset*>&) {
                                                          ++calls;
                                                          return true;
                                                      });
    EXPECT_TRUE(changes.accepted);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(doc.layout.CurveCount(), 2);
}

TEST(DiagramValues, OkWithoutChangesOnDatasetsOfEveryKindChangesNothing) {
    Document doc(100, 1.0, 1);
    Dataset* extended = doc.AddDataset(ELEMENT_DATASET_EXTENDED);
    Dataset* unreadable = doc.AddDataset();  // never a curve: never scaled, never coloured
    Dataset* listed = doc.AddDataset(ELEMENT_DATASET_LIST);
    doc.values.unreadableDatasets = {unreadable};
    for (Dataset* d : {extended, listed})
        d->display.SetDisplayRange(-1.0, 1.0);
    doc.layout.ApplyCurves(true);
    const std::vector<Dataset*> curves{doc.list[0], extended, listed};
    ASSERT_EQ(doc.layout.Curves(), curves);

    DiagramValues v = DiagramValuesFrom(doc.layout, doc.description);
    ASSERT_EQ(v.curves.size(), 4u);
    EXPECT_TRUE(v.curves[1].readable);
    EXPECT_FALSE(v.curves[2].readable);
    EXPECT_TRUE(v.curves[2].active);
    const DiagramChanges changes =
        ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_FALSE(changes.displayRanges || changes.activeFlags || changes.colors);
    EXPECT_FALSE(changes.snapshotNeeded);
    EXPECT_EQ(doc.layout.Curves(), curves);
    EXPECT_EQ(unreadable->display.displayMaximum, 0.0);

    // The Scaling dialog confirmed unchanged, on the unreadable dataset as on a curve.
    for (Dataset* d : {unreadable, listed}) {
        const ScalingChanges scaled =
            ApplyScalingValues(ScalingValuesFrom(*d, false), doc.layout, *d);
        EXPECT_FALSE(scaled.range || scaled.color || scaled.activeFlag);
    }
    EXPECT_EQ(doc.layout.Curves(), curves);

    // Switching curves on and off keeps to the same rule.
    ScalingValues off = ScalingValuesFrom(*extended, false);
    off.showCurve = false;
    EXPECT_TRUE(ApplyScalingValues(off, doc.layout, *extended).activeFlag);
    EXPECT_EQ(doc.layout.Curves(), (std::vector<Dataset*>{doc.list[0], listed}));
    v = DiagramValuesFrom(doc.layout, doc.description);
    v.curves[1].active = true;
    v.curves[0].active = false;
    ApplyDiagramValues(v, doc.layout, doc.description, doc.settings, {});
    EXPECT_EQ(doc.layout.Curves(), (std::vector<Dataset*>{extended, listed}));
}

TEST(ScalingValues, ShowCurveStartsCheckedFromTheContextMenu) {
    Dataset curve;
    curve.active = false;
    curve.display.displayMinimum = -1.0;
    curve.display.displayMaximum = 2.0;
    curve.display.color = 0xFF;
    EXPECT_TRUE(ScalingValuesFrom(curve, true).showCurve);
    const ScalingValues fromPage = ScalingValuesFrom(curve, false);
    EXPECT_FALSE(fromPage.showCurve);
    EXPECT_EQ(fromPage.minimum, -1.0);
    EXPECT_EQ(fromPage.maximum, 2.0);
    EXPECT_EQ(fromPage.color, 0xFFu);
}

TEST(ScalingValues, ApplyScalesManuallyStoresTheColorAndHonoursShowCurve) {
    Document doc(100, 1.0, 3);
    Dataset& curve = *doc.description.Datasets()[1];
    ScalingValues v = ScalingValuesFrom(curve, true);
    ScalingChanges changes = ApplyScalingValues(v, doc.layout, curve);
    EXPECT_TRUE(changes.accepted);
    EXPECT_FALSE(changes.range || changes.color || changes.activeFlag);

    v.minimum = 8.0;
    v.maximum = 2.0;
    v.color = 0x00FF00;
    changes = ApplyScalingValues(v, doc.layout, curve);
    EXPECT_TRUE(changes.range);
    EXPECT_TRUE(changes.color);
    EXPECT_EQ(curve.display.displayMinimum, 2.0);
    EXPECT_EQ(curve.display.displayMaximum, 8.0);
    EXPECT_EQ(curve.display.color, 0x00FF00u);

    v.showCurve = false;
    changes = ApplyScalingValues(v, doc.layout, curve);
    EXPECT_TRUE(changes.activeFlag);
    EXPECT_FALSE(changes.range);
    EXPECT_FALSE(curve.active);
    ASSERT_EQ(doc.layout.CurveCount(), 2);
    EXPECT_NE(doc.layout.Curves()[0], &curve);
    EXPECT_NE(doc.layout.Curves()[1], &curve);

    v.showCurve = true;
    EXPECT_TRUE(ApplyScalingValues(v, doc.layout, curve).activeFlag);
    EXPECT_EQ(doc.layout.CurveCount(), 3);
}

TEST(ScalingValues, NonFiniteRangeChangesNothing) {
    Document doc(100, 1.0, 1);
    Dataset& curve = *doc.description.Datasets()[0];
    ScalingValues v = ScalingValuesFrom(curve, true);
    v.maximum = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ApplyScalingValues(v, doc.layout, curve).range);
    EXPECT_EQ(curve.display.displayMaximum, 10.0);
}

}  // namespace
}  // namespace grafyon
