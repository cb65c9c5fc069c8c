// The diagram model of a document: diagrams, axes, curves, visible range and cursor.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphic_diagram.h"
#include "graphic_x_axis.h"
#include "layout_modes.h"
#include "scaling.h"

namespace grafyon {

class Dataset;
class MeasurementDescription;
class ValueSource;

// What the document tells its views.
inline constexpr int HINT_VISIBLE_RANGE = 100;
inline constexpr int HINT_CURVES = 110;
inline constexpr int HINT_REDRAW = 200;
inline constexpr int HINT_CURSOR = 300;
inline constexpr int HINT_LAYOUT_REPLACED = 1000;
inline constexpr int HINT_OBJECTS = 2000;

// Results of a layout pass, also shown by the view as texts.
inline constexpr int LAYOUT_NO_FILE = -10;
inline constexpr int LAYOUT_NO_CURVES = -20;
inline constexpr int LAYOUT_NO_DATA = -30;
inline constexpr int LAYOUT_INTERNAL = -100;

// The settings the first view of a freshly opened document is set up from.
struct InitialViewSettings {
    ViewMode viewMode = ViewMode::CurvePerDiagram;
    int diagramsPerPage = 2;
    bool yGrid = false;
    bool topAxis = false;
    bool bottomAxis = true;
    bool axisInSamples = false;
    InitialWindow window = InitialWindow::NumberOfSamples;
    std::int64_t numOfValues = 1000;  // InitialWindow::NumberOfSamples
    double timeInterval = 1.0;        // InitialWindow::TimeInterval, seconds
    int valueInterval = 100;          // InitialWindow::ValueRange, percent
    bool equalizedScaling = false;    // one display range for every curve
    bool scaleToFullRange = false;    // scale to the whole recording, not the first window
    CursorValueFormat cursorValueFormat;
    bool cursorMode = false;
};

// Fills one curve's point buffer for the time window and its plot rectangle.
using PointFiller =
    std::function<void(Dataset& curve, const GraphicRect& plot, double startTime, double endTime)>;
// Computes the pixel columns of the range bands for the time window and plot.
using BandBuilder = std::function<void(std::vector<RangeBand>& bands, const GraphicRect& plot,
                                       double startTime, double endTime)>;

class CGraphicLayout {
public:
    CGraphicLayout();
    ~CGraphicLayout();
    CGraphicLayout(const CGraphicLayout&) = delete;
    CGraphicLayout& operator=(const CGraphicLayout&) = delete;

    void Bind(ValueSource* access, MeasurementDescription* datasets);
    void SetPointFiller(PointFiller filler) { m_pointFiller = std::move(filler); }
    void SetBandBuilder(BandBuilder builder) { m_bandBuilder = std::move(builder); }
    // Title of an axis in sample numbers, in the user's language (UTF-8).
    void SetSamplesTitle(std::string title) { m_samplesTitle = std::move(title); }

    // Geometry and composition; each returns 1 when something changed.
    int SetClientRect(int left, int top, int right, int bottom);
    int SetViewMode(ViewMode mode);
    int SetDiagramCount(int count);
    int SetYGrid(bool on);
    int SetTopAxis(bool on);
    int SetBottomAxis(bool on);
    int SetAxisInSamples(bool on);

    // The datasets that can be curves: those of the document (kinds 100, 101 and 110) in
    // file order whose values can be read. The curves are the active ones among them, and
    // curve colours are handed out in this order. Empty when not bound.
    std::vector<Dataset*> CurveDatasets() const;
    // Rebuilds the curve list from CurveDatasets() when it is out of date (or forced).
    int ApplyCurves(bool force);
    // The same from a given list of candidates in file order.
    int ApplyCurves(const std::vector<Dataset*>& datasets, bool force);
    int ActivateCurve(int index);
    int MoveActiveCurve(int delta);

    int ObjectCount() const;
    CGraphicObject* ObjectAt(int index) const;
    CGraphicObject* HitTest(int x, int y) const;

    // The visible range; reading recomputes it when needed.
    std::int64_t FirstSample();
    std::int64_t LastSample();
    double StartTime();
    double EndTime();
    int SetStartMode(StartMode mode);
    int SetStart(double value);
    int SetIntervalMode(IntervalMode mode);
    int SetInterval(double value);
    int SetFirstSample(std::int64_t sample);
    int SetLastSample(std::int64_t sample);
    int FullRange();
    int SetTimeWindow(double startTime, double endTime);

    // Scaling. A curve whose whole-recording extremes are not known yet is scaled from the
    // frames that can be read at once; the scaling is then done again by
    // ApplyWholeRecordingScale, unless another scaling replaced it meanwhile.
    int Autoscale(std::int64_t first, std::int64_t count, bool equalized, bool reference);
    // Once every curve's extremes are known: the last Autoscale that lacked them, again.
    int ApplyWholeRecordingScale();
    // The values behind the curves changed (their summaries came in): every point buffer is
    // filled again at the next layout pass.
    void InvalidatePointBuffers();
    int YAutoscale(CGraphicDiagram& diagram);
    // The entered range (equal values widened, reversed ones swapped); entering the current
    // range changes nothing.
    int ManualScale(Dataset& curve, double minimum, double maximum);
    void SetCursorValueFormat(const CursorValueFormat& format);
    void InitialView(const InitialViewSettings& settings, const std::vector<std::uint32_t>& colors);

    // Places every object for the client rectangle and refreshes what depends on it;
    // 0 or one of the LAYOUT_ errors.
    int LayoutPass(int textHeight, int charUnit, bool full);

    // The document's number of samples and the view step (1.0 when the recording has
    // no usable step, so positions become sample numbers).
    std::uint64_t Samples() const;
    double Step() const;
    double SampleTime(std::int64_t sample) const { return static_cast<double>(sample) * Step(); }

    const GraphicRect& ClientRect() const { return m_client; }
    const std::vector<Dataset*>& Curves() const { return m_curves; }
    int CurveCount() const { return static_cast<int>(m_curves.size()); }
    int FirstCurveIndex() const { return m_firstCurve; }
    ViewMode GetViewMode() const { return m_viewMode; }
    int DiagramsPerPage() const { return m_diagramsPerPage; }
    int DiagramCount() const { return static_cast<int>(m_diagrams.size()); }
    CGraphicDiagram& Diagram(int index) { return *m_diagrams[static_cast<std::size_t>(index)]; }
    bool TopAxisOn() const { return m_topAxisOn; }
    bool BottomAxisOn() const { return m_bottomAxisOn; }
    CGraphicXAxis& TopAxis() { return m_topAxis; }
    CGraphicXAxis& BottomAxis() { return m_bottomAxis; }
    bool AxisInSamples() const { return m_axisInSamples; }
    StartMode GetStartMode() const { return m_startMode; }
    double GetStartValue() const { return m_startValue; }
    IntervalMode GetIntervalMode() const { return m_intervalMode; }
    double GetIntervalValue() const { return m_intervalValue; }
    bool LayoutDirty() const { return m_layoutDirty; }
    int RowHeight() const { return m_rowHeight; }
    int Margin() const { return m_margin; }
    int Gap() const { return m_gap; }
    void SetGap(int gap) {
        m_gap = gap < 0 ? 0 : gap;
        m_layoutDirty = true;
    }
    const CursorValueFormat& GetCursorValueFormat() const { return m_cursorFormat; }
    ValueSource* Access() const { return m_access; }
    MeasurementDescription* DatasetCollection() const { return m_datasets; }
    std::vector<RangeBand>& Bands() { return m_bands; }

    // Cursor state (navigation moves it).
    std::int64_t cursorSample = -1;
    bool cursorOn = false;
    int cursorColumn = -1;
    double cursorTime = 0.0;
    bool cursorMode = false;
    // The second cursor of a measurement (B), shown with the cursor: -1 while it is not
    // set; its column is -1 while it lies outside the window.
    std::int64_t cursorBSample = -1;
    int cursorBColumn = -1;

private:
    void RecomputeRange();
    void EnsureRange();
    void AssignCurvesToDiagrams();
    void ResizeDiagrams(int count);
    void UpdateAxisTexts();
    void RefreshPointBuffers(bool rowHeightChanged);
    void UpdateCursor();
    // Sets *partial when the curve's extremes are pending and fewer frames were read.
    std::pair<double, double> VisibleExtremes(const Dataset& curve, std::int64_t first,
                                              std::int64_t count, bool* partial = nullptr);

    GraphicRect m_client;
    std::vector<Dataset*> m_curves;
    int m_firstCurve = 0;
    bool m_layoutDirty = true;
    int m_margin = 1;
    int m_gap = 2;
    ViewMode m_viewMode = ViewMode::CurvePerDiagram;
    int m_diagramsPerPage = 2;  // kept while all curves share one diagram
    bool m_topAxisOn = false;
    bool m_bottomAxisOn = true;
    bool m_axisInSamples = false;
    StartMode m_startMode = StartMode::Sample;
    double m_startValue = 0.0;
    std::int64_t m_firstSample = 0;
    double m_startTime = 0.0;
    IntervalMode m_intervalMode = IntervalMode::Values;
    double m_intervalValue = 0.0;
    std::int64_t m_lastSample = 0;
    double m_endTime = 0.0;
    bool m_rangeDirty = true;
    double m_bufferedStart = -1.0;
    double m_bufferedEnd = -1.0;
    int m_rowHeight = 0;
    int m_diagramCountAtAssignment = 0;
    CursorValueFormat m_cursorFormat;
    std::vector<std::unique_ptr<CGraphicDiagram>> m_diagrams;
    CGraphicXAxis m_topAxis{XAxisPosition::Top};
    CGraphicXAxis m_bottomAxis{XAxisPosition::Bottom};
    ValueSource* m_access = nullptr;
    MeasurementDescription* m_datasets = nullptr;
    struct AutoscaleCall {
        std::int64_t first;
        std::int64_t count;
        bool equalized;
        bool reference;
    };
    std::optional<AutoscaleCall> m_provisionalScale;  // made without the whole recording
    std::vector<RangeBand> m_bands;
    std::string m_samplesTitle = "Samples";
    int m_previousWidth = 0;  // twice the client width at the last buffer allocation
    PointFiller m_pointFiller;
    BandBuilder m_bandBuilder;
};

}  // namespace grafyon
