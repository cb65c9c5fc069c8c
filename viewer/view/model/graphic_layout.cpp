// Visible range, curve assignment, scaling and the layout pass of the diagram model.
#include "graphic_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/printf_format.h"
#include "plot_mapping.h"
#include "sample_time.h"
#include "value_source.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

double Finite(double v) {
    return std::isfinite(v) ? v : 0.0;
}

std::int64_t TruncSample(double v) {
    if (!(v > 0.0))
        return 0;
    if (v > 9.0e18)
        return static_cast<std::int64_t>(9.0e18);
    return static_cast<std::int64_t>(v);
}

}  // namespace

CGraphicLayout::CGraphicLayout() {
    ResizeDiagrams(2);
}

CGraphicLayout::~CGraphicLayout() = default;

void CGraphicLayout::Bind(ValueSource* access, MeasurementDescription* datasets) {
    m_access = access;
    m_datasets = datasets;
    m_rangeDirty = true;
    m_layoutDirty = true;
}

std::uint64_t CGraphicLayout::Samples() const {
    return m_datasets ? m_datasets->FrameCount() : 0;
}

double CGraphicLayout::Step() const {
    if (m_datasets == nullptr)
        return 1.0;
    const std::vector<TimeSegmentElement*> segments = m_datasets->TimeSegments();
    if (segments.empty())
        return 1.0;
    const double step = segments.front()->sampleStep;
    return std::isfinite(step) && step > 0.0 ? step : 1.0;
}

int CGraphicLayout::SetClientRect(int left, int top, int right, int bottom) {
    const GraphicRect rect{left, top, right, bottom};
    if (rect == m_client)
        return 0;
    m_client = rect;
    m_layoutDirty = true;
    return 1;
}

void CGraphicLayout::ResizeDiagrams(int count) {
    while (static_cast<int>(m_diagrams.size()) > count)
        m_diagrams.pop_back();
    while (static_cast<int>(m_diagrams.size()) < count) {
        auto diagram = std::make_unique<CGraphicDiagram>();
        diagram->yGrid = !m_diagrams.empty() && m_diagrams.back()->yGrid;
        diagram->cursorValueFormat = m_cursorFormat;
        m_diagrams.push_back(std::move(diagram));
    }
}

int CGraphicLayout::SetViewMode(ViewMode mode) {
    if (mode == m_viewMode)
        return 0;
    m_viewMode = mode;
    ResizeDiagrams(mode == ViewMode::AllCurves ? 1 : m_diagramsPerPage);
    AssignCurvesToDiagrams();
    m_layoutDirty = true;
    return 1;
}

int CGraphicLayout::SetDiagramCount(int count) {
    count = std::max(1, count);
    if (m_viewMode == ViewMode::AllCurves) {
        // Remembered for the return to one curve per diagram.
        const bool changed = count != m_diagramsPerPage;
        m_diagramsPerPage = count;
        return changed ? 1 : 0;
    }
    if (count == m_diagramsPerPage && count == DiagramCount())
        return 0;
    m_diagramsPerPage = count;
    ResizeDiagrams(count);
    AssignCurvesToDiagrams();
    m_layoutDirty = true;
    return 1;
}

int CGraphicLayout::SetYGrid(bool on) {
    const bool last = !m_diagrams.empty() && m_diagrams.back()->yGrid;
    for (auto& d : m_diagrams)
        d->yGrid = on;
    return on != last ? 1 : 0;
}

int CGraphicLayout::SetTopAxis(bool on) {
    if (on == m_topAxisOn)
        return 0;
    m_topAxisOn = on;
    m_layoutDirty = true;
    return 1;
}

int CGraphicLayout::SetBottomAxis(bool on) {
    if (on == m_bottomAxisOn)
        return 0;
    m_bottomAxisOn = on;
    m_layoutDirty = true;
    return 1;
}

int CGraphicLayout::SetAxisInSamples(bool on) {
    if (on == m_axisInSamples)
        return 0;
    m_axisInSamples = on;
    m_layoutDirty = true;
    return 1;
}

std::vector<Dataset*> CGraphicLayout::CurveDatasets() const {
    std::vector<Dataset*> datasets;
    if (m_datasets == nullptr || m_access == nullptr)
        return datasets;
    for (Dataset* d : m_datasets->Datasets()) {
        if (m_access->Readable(*d))
            datasets.push_back(d);
    }
    return datasets;
}

int CGraphicLayout::ApplyCurves(bool force) {
    return ApplyCurves(CurveDatasets(), force);
}

int CGraphicLayout::ApplyCurves(const std::vector<Dataset*>& datasets, bool force) {
    bool rebuild =
        force || datasets.size() != m_curves.size() || DiagramCount() != m_diagramCountAtAssignment;
    if (!rebuild) {
        std::size_t curve = 0;
        for (Dataset* d : datasets) {
            if (d->active != (d->display.activeAtLastAssignment != 0) ||
                (curve < m_curves.size() && m_curves[curve] != d)) {
                rebuild = true;
                break;
            }
            ++curve;
        }
    }
    if (!rebuild)
        return 0;
    const int oldIndex = m_firstCurve;
    Dataset* remembered =
        oldIndex < CurveCount() ? m_curves[static_cast<std::size_t>(oldIndex)] : nullptr;
    m_curves.clear();
    for (Dataset* d : datasets) {
        if (d->active)
            m_curves.push_back(d);
        d->display.activeAtLastAssignment = d->active ? 1 : 0;
    }
    m_diagramCountAtAssignment = DiagramCount();
    const auto found = std::find(m_curves.begin(), m_curves.end(), remembered);
    if (remembered != nullptr && found != m_curves.end()) {
        m_firstCurve = static_cast<int>(found - m_curves.begin());
    } else if (oldIndex < 1 || m_curves.empty()) {
        m_firstCurve = 0;
    } else {
        m_firstCurve = CurveCount() - 1;
    }
    AssignCurvesToDiagrams();
    m_layoutDirty = true;
    return 1;
}

void CGraphicLayout::AssignCurvesToDiagrams() {
    if (m_curves.empty())
        m_firstCurve = 0;
    for (std::size_t i = 0; i < m_diagrams.size(); ++i) {
        CGraphicDiagram& d = *m_diagrams[i];
        if (m_viewMode == ViewMode::AllCurves) {
            d.curveList = &m_curves;
            d.curve = m_curves.empty() ? nullptr : m_curves[static_cast<std::size_t>(m_firstCurve)];
        } else {
            d.curveList = nullptr;
            const std::size_t index = static_cast<std::size_t>(m_firstCurve) + i;
            d.curve = index < m_curves.size() ? m_curves[index] : nullptr;
        }
    }
}

int CGraphicLayout::ActivateCurve(int index) {
    if (index < 0 || index >= CurveCount())
        return 0;
    m_firstCurve = index;
    AssignCurvesToDiagrams();
    m_layoutDirty = true;
    return 1;
}

int CGraphicLayout::MoveActiveCurve(int delta) {
    if (delta == 0)
        return 0;
    if (delta < 0 && m_firstCurve == 0)
        return 0;
    // All curves share one diagram: every curve can come to the front.
    const int shown = m_viewMode == ViewMode::AllCurves ? 1 : m_diagramsPerPage;
    if (delta > 0 && CurveCount() - shown - m_firstCurve < 1)
        return 0;
    const int index = std::clamp(m_firstCurve + delta, 0, std::max(0, CurveCount() - 1));
    return ActivateCurve(index);
}

int CGraphicLayout::ObjectCount() const {
    return DiagramCount() + (m_topAxisOn ? 1 : 0) + (m_bottomAxisOn ? 1 : 0);
}

CGraphicObject* CGraphicLayout::ObjectAt(int index) const {
    if (index < 0)
        return nullptr;
    if (m_topAxisOn) {
        if (index == 0)
            return const_cast<CGraphicXAxis*>(&m_topAxis);
        --index;
    }
    if (index < DiagramCount())
        return m_diagrams[static_cast<std::size_t>(index)].get();
    index -= DiagramCount();
    if (m_bottomAxisOn && index == 0)
        return const_cast<CGraphicXAxis*>(&m_bottomAxis);
    return nullptr;
}

CGraphicObject* CGraphicLayout::HitTest(int x, int y) const {
    if (m_topAxisOn && m_topAxis.Rect().Contains(x, y))
        return const_cast<CGraphicXAxis*>(&m_topAxis);
    for (const auto& d : m_diagrams) {
        if (d->Rect().Contains(x, y))
            return d->curve ? d.get() : nullptr;
    }
    if (m_bottomAxisOn && m_bottomAxis.Rect().Contains(x, y)) {
        return const_cast<CGraphicXAxis*>(&m_bottomAxis);
    }
    return nullptr;
}

void CGraphicLayout::EnsureRange() {
    if (m_rangeDirty)
        RecomputeRange();
}

void CGraphicLayout::RecomputeRange() {
    m_rangeDirty = false;
    const double step = Step();
    const std::int64_t samples =
        static_cast<std::int64_t>(std::min<std::uint64_t>(Samples(), INT64_MAX / 2));
    if (m_startMode == StartMode::Time) {
        m_startTime = m_startValue;
        m_firstSample = TimeToSample(m_startValue, step);
    } else {
        m_firstSample = TruncSample(m_startValue);
        m_startTime = static_cast<double>(m_firstSample) * step;
    }
    bool endFromSample = true;
    switch (m_intervalMode) {
        case IntervalMode::Values:
            m_lastSample = TruncSample(m_intervalValue) + m_firstSample - 1;
            if (m_lastSample < 0)
                m_lastSample = m_firstSample + 2;
            break;
        case IntervalMode::MaxIndex:
            m_lastSample = m_intervalValue < 0.0 ? m_firstSample + 2 : TruncSample(m_intervalValue);
            break;
        case IntervalMode::Time:
        case IntervalMode::MaxTime:
            m_endTime = m_intervalMode == IntervalMode::Time ? m_startTime + m_intervalValue
                                                             : m_intervalValue;
            if (m_endTime > m_startTime) {
                m_lastSample = TimeToSampleCeil(m_endTime, step);
                endFromSample = false;
            } else {
                m_lastSample = m_firstSample + 2;
            }
            break;
        case IntervalMode::All:
            m_lastSample = samples - 1;
            break;
    }
    if (endFromSample)
        m_endTime = static_cast<double>(m_lastSample) * step;

    // The window always holds at least two samples inside the recording.
    if (samples <= 1) {
        m_firstSample = m_lastSample = 0;
        m_startTime = 0.0;
        m_endTime = step;
        return;
    }
    if (m_firstSample > samples - 2) {
        m_firstSample = samples - 2;
        m_startTime = static_cast<double>(m_firstSample) * step;
    }
    const std::int64_t last = std::clamp(m_lastSample, m_firstSample + 1, samples - 1);
    if (last != m_lastSample || m_endTime <= m_startTime) {
        m_lastSample = last;
        m_endTime = static_cast<double>(last) * step;
    }
}

std::int64_t CGraphicLayout::FirstSample() {
    EnsureRange();
    return m_firstSample;
}

std::int64_t CGraphicLayout::LastSample() {
    EnsureRange();
    return m_lastSample;
}

double CGraphicLayout::StartTime() {
    EnsureRange();
    return m_startTime;
}

double CGraphicLayout::EndTime() {
    EnsureRange();
    return m_endTime;
}

int CGraphicLayout::SetStartMode(StartMode mode) {
    if (mode == m_startMode)
        return 0;
    m_startMode = mode;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::SetStart(double value) {
    value = Finite(value);
    if (value < 0.0)
        value = 0.0;
    const double samples = static_cast<double>(Samples());
    if (m_startMode == StartMode::Time) {
        const double limit = (samples - 2.0) * Step();
        if (limit < value)
            value = std::max(0.0, limit);
    } else if (value > samples - 2.0) {
        value = std::max(0.0, samples - 2.0);
    }
    if (value == m_startValue)
        return 0;
    m_startValue = value;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::SetIntervalMode(IntervalMode mode) {
    if (mode == m_intervalMode)
        return 0;
    m_intervalMode = mode;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::SetInterval(double value) {
    value = Finite(value);
    const double samples = static_cast<double>(Samples());
    const double step = Step();
    switch (m_intervalMode) {
        case IntervalMode::Values: {
            const double first = static_cast<double>(FirstSample());
            if (value < 2.0)
                value = 2.0;
            if (first + value > samples)
                value = samples - first;
            break;
        }
        case IntervalMode::MaxIndex: {
            const double first = static_cast<double>(FirstSample());
            if (value < first + 1.0)
                value = first + 1.0;
            if (value > samples - 1.0)
                value = samples - 1.0;
            break;
        }
        case IntervalMode::Time: {
            const double start = StartTime();
            if (value < step)
                value = step;
            if (start + value > (samples - 1.0) * step)
                value = (samples - 1.0) * step - start;
            break;
        }
        case IntervalMode::MaxTime: {
            const double start = StartTime();
            if (start > value)
                value = start + step;
            const double duration = (samples - 1.0) * step;
            if (value > duration)
                value = duration;
            break;
        }
        case IntervalMode::All:
            break;
    }
    if (value == m_intervalValue)
        return 0;
    m_intervalValue = value;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::SetFirstSample(std::int64_t sample) {
    const std::int64_t samples = static_cast<std::int64_t>(Samples());
    sample = std::clamp<std::int64_t>(sample, 0, std::max<std::int64_t>(0, samples - 2));
    const double value = m_startMode == StartMode::Time ? static_cast<double>(sample) * Step()
                                                        : static_cast<double>(sample);
    m_layoutDirty = true;
    if (value == m_startValue)
        return 0;
    m_startValue = value;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::SetLastSample(std::int64_t sample) {
    const std::int64_t samples = static_cast<std::int64_t>(Samples());
    const std::int64_t first = FirstSample();
    if (sample <= first)
        sample = first + 1;
    if (sample >= samples)
        sample = samples - 1;
    const double step = Step();
    double value = 0.0;
    switch (m_intervalMode) {
        case IntervalMode::Values:
            value = static_cast<double>(sample - first + 1);
            break;
        case IntervalMode::MaxIndex:
            value = static_cast<double>(sample);
            break;
        case IntervalMode::Time:
            // The duration from the start to that sample, so that it becomes the last one.
            value = step * static_cast<double>(sample) - StartTime();
            break;
        case IntervalMode::MaxTime:
            value = step * static_cast<double>(sample);
            break;
        case IntervalMode::All:
            // "All values" has no last sample of its own: it becomes "maximum index".
            m_intervalMode = IntervalMode::MaxIndex;
            m_intervalValue = static_cast<double>(sample);
            m_rangeDirty = m_layoutDirty = true;
            return 1;
    }
    m_layoutDirty = true;
    if (value == m_intervalValue)
        return 0;
    m_intervalValue = value;
    m_rangeDirty = true;
    return 1;
}

int CGraphicLayout::FullRange() {
    int changed = SetStart(0.0);
    const double samples = static_cast<double>(Samples());
    switch (m_intervalMode) {
        case IntervalMode::Values:
            changed |= SetInterval(samples);
            break;
        case IntervalMode::MaxIndex:
            changed |= SetInterval(samples - 1.0);
            break;
        case IntervalMode::Time:
        case IntervalMode::MaxTime:
            changed |= SetInterval(Step() * (samples - 1.0));
            break;
        case IntervalMode::All:
            break;
    }
    return changed;
}

int CGraphicLayout::SetTimeWindow(double startTime, double endTime) {
    startTime = Finite(startTime);
    endTime = Finite(endTime);
    if (startTime == endTime)
        return 0;
    if (startTime > endTime)
        std::swap(startTime, endTime);
    int changed = SetStartMode(StartMode::Time);
    changed |= SetIntervalMode(IntervalMode::MaxTime);
    changed |= SetStart(startTime);
    changed |= SetInterval(endTime);
    return changed;
}

std::pair<double, double> CGraphicLayout::VisibleExtremes(const Dataset& curve, std::int64_t first,
                                                          std::int64_t count, bool* partial) {
    if (m_access == nullptr)
        return {curve.minimum, curve.maximum};
    const std::uint64_t limit = m_access->PendingFrameLimit(curve);
    const bool pending = limit != NO_FRAME_LIMIT;
    if (!pending && curve.minimum == curve.maximum)
        return {curve.minimum, curve.maximum};
    std::uint64_t n = static_cast<std::uint64_t>(std::max<std::int64_t>(count, 0));
    if (pending && n > limit) {
        n = limit;
        if (partial != nullptr)
            *partial = true;
    }
    return m_access->Extremes(curve, static_cast<std::uint64_t>(first), n);
}

int CGraphicLayout::Autoscale(std::int64_t first, std::int64_t count, bool equalized,
                              bool reference) {
    if (m_curves.empty())
        return 0;
    const AutoscaleCall call{first, count, equalized, reference};
    const std::int64_t samples = static_cast<std::int64_t>(Samples());
    first = std::clamp<std::int64_t>(first, 0, std::max<std::int64_t>(0, samples - 1));
    count = std::clamp<std::int64_t>(count, 0, samples - first);
    std::vector<std::pair<double, double>> ranges;
    bool partial = false;
    for (const Dataset* curve : m_curves) {
        if (count < samples && !reference && count > 0) {
            ranges.push_back(VisibleExtremes(*curve, first, count, &partial));
        } else if (m_access != nullptr && m_access->PendingFrameLimit(*curve) != NO_FRAME_LIMIT) {
            // The whole recording is not known yet: what it shows first will do until it is.
            partial = true;
            ranges.push_back(VisibleExtremes(*curve, first, std::max<std::int64_t>(count, 1)));
        } else {
            ranges.emplace_back(curve->minimum, curve->maximum);
        }
    }
    if (partial)
        m_provisionalScale = call;
    else
        m_provisionalScale.reset();
    if (equalized) {
        double lo = std::numeric_limits<double>::max();
        double hi = std::numeric_limits<double>::lowest();
        for (const auto& [a, b] : ranges) {
            lo = std::min(lo, a);
            hi = std::max(hi, b);
        }
        for (auto& r : ranges)
            r = {lo, hi};
    }
    int changed = 0;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        double minimum = 0.0, maximum = 0.0;
        ScaleRange(ranges[i].first, ranges[i].second, minimum, maximum);
        if (m_curves[i]->display.SetDisplayRange(minimum, maximum))
            changed = 1;
    }
    if (changed)
        m_layoutDirty = true;
    return changed;
}

int CGraphicLayout::YAutoscale(CGraphicDiagram& diagram) {
    if (diagram.curve == nullptr)
        return 0;
    const std::int64_t first = FirstSample();
    const auto [lo, hi] = VisibleExtremes(*diagram.curve, first, LastSample() - first + 1);
    double minimum = 0.0, maximum = 0.0;
    ScaleRange(lo, hi, minimum, maximum);
    const int changed = diagram.curve->display.SetDisplayRange(minimum, maximum) ? 1 : 0;
    if (changed)
        m_layoutDirty = true;
    return changed;
}

int CGraphicLayout::ApplyWholeRecordingScale() {
    if (!m_provisionalScale)
        return 0;
    const AutoscaleCall call = *m_provisionalScale;
    m_provisionalScale.reset();
    return Autoscale(call.first, call.count, call.equalized, call.reference);
}

void CGraphicLayout::InvalidatePointBuffers() {
    for (Dataset* curve : m_curves)
        curve->display.pointsDirty = true;
    m_layoutDirty = true;
}

int CGraphicLayout::ManualScale(Dataset& curve, double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum))
        return 0;
    // The user's range wins over one still to come from the whole recording.
    m_provisionalScale.reset();
    // The range as it stands is no entry: a dataset never scaled keeps its empty range
    // when a dialog is confirmed unchanged.
    if (minimum == curve.display.displayMinimum && maximum == curve.display.displayMaximum)
        return 0;
    if (minimum == maximum) {
        ConstantRange(minimum, minimum, maximum);
    } else if (minimum > maximum) {
        std::swap(minimum, maximum);
    }
    const int changed = curve.display.SetDisplayRange(minimum, maximum) ? 1 : 0;
    if (changed)
        m_layoutDirty = true;
    return changed;
}

void CGraphicLayout::SetCursorValueFormat(const CursorValueFormat& format) {
    m_cursorFormat = format;
    for (auto& d : m_diagrams)
        d->cursorValueFormat = format;
}

void CGraphicLayout::InitialView(const InitialViewSettings& s,
                                 const std::vector<std::uint32_t>& colors) {
    const std::int64_t samples = static_cast<std::int64_t>(Samples());
    const double step = Step();
    std::int64_t count = 2;
    switch (s.window) {
        case InitialWindow::NumberOfSamples:
            count = s.numOfValues;
            break;
        case InitialWindow::TimeInterval:
            count = TruncSample(Finite(s.timeInterval) / step);
            break;
        case InitialWindow::ValueRange: {
            const double q = std::clamp(s.valueInterval, 1, 100);
            count = TruncSample((std::trunc(100.0 / q + 0.5) + static_cast<double>(samples) - 1.0) *
                                q * 0.01);
            break;
        }
        case InitialWindow::AllSamples:
            count = samples;
            break;
        case InitialWindow::SpeedOptimized: {
            // Sixteen samples per usable pixel column: detailed enough to read, cheap to draw.
            // Without a usable width every sample is shown.
            const std::int64_t usable = m_client.Width() - 2 * m_margin;
            count = usable > 0 ? std::min(samples, 16 * usable) : samples;
            break;
        }
        case InitialWindow::Other:
            break;
    }
    if (count < 2)
        count = 2;
    if (count > samples)
        count = samples;

    SetViewMode(s.viewMode);
    SetDiagramCount(s.diagramsPerPage);
    SetYGrid(s.yGrid);
    const std::vector<Dataset*> datasets = CurveDatasets();
    for (std::size_t k = 0; k < datasets.size() && !colors.empty(); ++k) {
        datasets[k]->display.color = colors[k % colors.size()];
    }
    ApplyCurves(datasets, true);
    Autoscale(0, count, s.equalizedScaling, s.scaleToFullRange);
    ActivateCurve(0);
    SetTopAxis(s.topAxis);
    SetBottomAxis(s.bottomAxis);
    SetAxisInSamples(s.axisInSamples);
    SetStartMode(StartMode::Sample);
    SetStart(0.0);
    if (s.window == InitialWindow::TimeInterval) {
        SetIntervalMode(IntervalMode::Time);
        SetInterval(s.timeInterval);
    } else {
        SetIntervalMode(IntervalMode::Values);
        SetLastSample(count - 1);
    }
    SetCursorValueFormat(s.cursorValueFormat);
    cursorMode = s.cursorMode;
    m_layoutDirty = true;
}

void CGraphicLayout::UpdateAxisTexts() {
    const double step = Step();
    const double start = m_startTime;
    const double end = m_endTime;
    for (CGraphicXAxis* axis : {&m_topAxis, &m_bottomAxis}) {
        axis->startLabelColumn = axis->endLabelColumn = -1;
        if (m_axisInSamples) {
            axis->unit = XAxisUnit::Samples;
            axis->startValue = start / step + 1.0;
            axis->endValue = end / step + 1.0;
            axis->unitText = m_samplesTitle;
            const double firstWhole = std::ceil(axis->startValue);
            const double lastWhole = std::floor(axis->endValue);
            const double width = axis->plotRight - axis->plotLeft;
            const double span = axis->endValue - axis->startValue;
            auto column = [&](double v) {
                if (!(span > 0.0))
                    return axis->plotLeft;
                return axis->plotLeft +
                       static_cast<int>(std::trunc((v - axis->startValue) / span * width));
            };
            if (firstWhole <= axis->endValue) {
                axis->startLabel = FormatPrintf("%.0f", firstWhole);
                axis->startLabelColumn = column(firstWhole);
            } else {
                axis->startLabel.clear();
            }
            if (lastWhole >= axis->startValue) {
                axis->endLabel = FormatPrintf("%.0f", lastWhole);
                axis->endLabelColumn = column(lastWhole);
            } else {
                axis->endLabel.clear();
            }
        } else {
            axis->unit = XAxisUnit::Time;
            axis->startValue = start;
            axis->endValue = end;
            const std::string unit = m_datasets ? m_datasets->CarrierUnit() : std::string();
            axis->unitText = (m_datasets ? m_datasets->CarrierName() : std::string()) +
                             (unit.empty() ? std::string() : " [" + unit + "]");
            axis->startLabel = FormatPrintf("%g", start);
            axis->endLabel = FormatPrintf("%g", end);
        }
    }
}

int CGraphicLayout::LayoutPass(int textHeight, int charUnit, bool full) {
    m_layoutDirty = false;
    if (m_datasets == nullptr || m_datasets->Datasets().empty())
        return LAYOUT_NO_FILE;
    if (m_curves.empty())
        return LAYOUT_NO_CURVES;
    if (Samples() == 0)
        return LAYOUT_NO_DATA;
    if (m_client.IsEmpty() || m_access == nullptr || m_diagrams.empty())
        return LAYOUT_INTERNAL;

    const int rows = DiagramCount();
    const int axes = (m_topAxisOn ? 1 : 0) + (m_bottomAxisOn ? 1 : 0);
    m_topAxis.Measure(textHeight);
    m_bottomAxis.Measure(textHeight);
    int axisHeight = m_bottomAxisOn ? m_bottomAxis.Height() : m_topAxis.Height();
    const int clientHeight = m_client.Height();
    const int stackGaps = m_gap * (axes + rows - 1);
    const int available = clientHeight - 2 * m_margin - stackGaps - axes * axisHeight;
    const int rowHeight = available / rows;
    if (axes > 0)
        axisHeight = (clientHeight - rowHeight * rows - 2 * m_margin - stackGaps) / axes;

    const int right = m_client.right - m_margin - m_client.left;
    int y = m_margin;
    if (m_topAxisOn) {
        m_topAxis.SetRect(m_margin, y, m_client.Width() - m_margin, y + axisHeight);
        y += m_gap + axisHeight;
    }
    for (auto& d : m_diagrams) {
        d->SetRect(m_margin, y, right, y + rowHeight);
        d->labelKind = LabelKind::MinimumMaximum;
        d->minMaxLabels = true;
        d->labelPrecision = 2;
        d->labelWidth = 6;
        d->Measure(textHeight);
        d->cursorValueFormat = m_cursorFormat;
        d->cursorBoxWidth = (m_cursorFormat.width + 3) * charUnit;
        d->rangeBands = &m_bands;
        y += m_gap + rowHeight;
    }
    if (m_bottomAxisOn) {
        m_bottomAxis.SetRect(m_margin, y, m_client.Width() - m_margin, y + axisHeight);
    }
    const GraphicRect& plot = m_diagrams.front()->PlotRect();
    for (CGraphicXAxis* axis : {&m_topAxis, &m_bottomAxis}) {
        axis->plotLeft = plot.left;
        axis->plotRight = plot.right - 1;
    }

    const bool rowHeightChanged = full && rowHeight != m_rowHeight;
    if (full)
        m_rowHeight = rowHeight;
    RecomputeRange();
    UpdateAxisTexts();
    if (m_bandBuilder)
        m_bandBuilder(m_bands, plot, m_startTime, m_endTime);
    if (full)
        RefreshPointBuffers(rowHeightChanged);
    UpdateCursor();
    return 0;
}

void CGraphicLayout::RefreshPointBuffers(bool rowHeightChanged) {
    if (m_diagrams.empty())
        return;
    const int width2 = 2 * m_client.Width();
    const std::size_t size = static_cast<std::size_t>(std::max(0, width2));
    // A buffer is valid for one window, width and row height; curves off screen keep theirs
    // marked dirty so they are filled when they come on screen.
    const bool stale = rowHeightChanged || m_startTime != m_bufferedStart ||
                       m_endTime != m_bufferedEnd || width2 != m_previousWidth;
    for (Dataset* curve : m_curves) {
        if (curve->display.points.size() != size) {
            curve->display.points.assign(size, CurvePoint{});
            curve->display.pointCount = 0;
            curve->display.pointsDirty = true;
        }
        if (stale)
            curve->display.pointsDirty = true;
    }
    m_previousWidth = width2;
    m_bufferedStart = m_startTime;
    m_bufferedEnd = m_endTime;
    if (!m_pointFiller)
        return;
    const auto fill = [this](Dataset& curve, const GraphicRect& plot) {
        if (!curve.display.pointsDirty)
            return;
        curve.display.pointsDirty = false;
        m_pointFiller(curve, plot, m_startTime, m_endTime);
    };
    for (const auto& d : m_diagrams) {
        if (m_viewMode == ViewMode::AllCurves) {
            for (Dataset* curve : m_curves)
                fill(*curve, d->PlotRect());
        } else if (d->curve != nullptr) {
            fill(*d->curve, d->PlotRect());
        }
    }
}

void CGraphicLayout::UpdateCursor() {
    cursorBColumn = -1;
    if (!m_diagrams.empty() && cursorOn && cursorBSample >= m_firstSample &&
        cursorBSample <= m_lastSample && m_endTime > m_startTime) {
        cursorBColumn = TimeToColumn(static_cast<double>(cursorBSample) * Step(), m_startTime,
                                     m_endTime, m_diagrams.front()->PlotRect());
    }
    if (m_diagrams.empty() || cursorSample < 0 || !cursorOn)
        return;
    const double step = Step();
    cursorTime = static_cast<double>(cursorSample) * step;
    const GraphicRect& plot = m_diagrams.front()->PlotRect();
    const double span = m_endTime - m_startTime;
    bool readable = true;
    for (const auto& d : m_diagrams) {
        std::vector<Dataset*> curves;
        if (m_viewMode == ViewMode::AllCurves) {
            curves = m_curves;
        } else if (d->curve) {
            curves.push_back(d->curve);
        }
        const GraphicRect& p = d->PlotRect();
        for (Dataset* curve : curves) {
            const std::optional<double> value =
                m_access ? m_access->ValueAt(*curve, static_cast<std::uint64_t>(cursorSample))
                         : std::nullopt;
            if (!value) {
                readable = false;
                continue;
            }
            curve->display.valueAtCursor = *value;
            curve->display.cursorPixelRow =
                ValueToRow(*value, curve->display.displayMinimum, curve->display.displayMaximum, p);
            curve->display.plotTopAtCursor = p.top;
        }
    }
    if (!readable || !(span > 0.0)) {
        cursorColumn = -1;
        return;
    }
    cursorColumn = TimeToColumn(cursorTime, m_startTime, m_endTime, plot);
}

}  // namespace grafyon
