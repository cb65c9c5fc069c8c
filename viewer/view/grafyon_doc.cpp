// Opening a measurement as the document, and the first view of what was opened.
#include "grafyon_doc.h"

#include "view_strings.h"
#include "viewer/data/measurement_status.h"
#include "viewer/data/open/measurement_open.h"

namespace grafyon {

namespace {

// How often the status bar hears of the scan, and how soon its end shows.
constexpr int SCAN_POLL_MS = 100;

}  // namespace

CGrafyonDoc::CGrafyonDoc(QObject* parent) : QObject(parent) {
    m_scanTimer.setInterval(SCAN_POLL_MS);
    connect(&m_scanTimer, &QTimer::timeout, this, &CGrafyonDoc::PollScan);
    Reset();
}

CGrafyonDoc::~CGrafyonDoc() {
    if (m_access)
        m_access->Detach(m_description);
}

void CGrafyonDoc::Reset() {
    // The view's size outlives the layout object it was given to.
    const GraphicRect client = m_layout ? m_layout->ClientRect() : GraphicRect{};
    // Detaching stops a scan at once.
    const bool scanning = m_scanTimer.isActive() && !m_closeAfterFailedScan;
    m_scanTimer.stop();
    m_closeAfterFailedScan = false;
    if (m_access)
        m_access->Detach(m_description);
    if (scanning)
        emit ScanProgress(-1);
    m_layout.reset();
    m_filler.reset();
    m_values.reset();
    m_description.Clear();
    m_ranges.Clear();
    m_zoomHistory.Clear();
    m_popupTarget = nullptr;  // it belonged to the layout being replaced
    m_popupIsDiagram = false;
    m_access = std::make_unique<DataAccess>();
    m_layout = std::make_unique<CGraphicLayout>();
    m_values = std::make_unique<DataAccessValueSource>(*m_access);
    m_filler = std::make_unique<CurvePointFiller>(*m_access, *m_layout);
    m_layout->SetClientRect(client.left, client.top, client.right, client.bottom);
    m_openStatus = StatusCode(MeasurementStatus::NoInput);
    m_path.clear();
}

void CGrafyonDoc::BindLayout() {
    m_layout->Bind(m_values.get(), &m_description);
    m_layout->SetSamplesTitle(ViewString(VIEW_STR_SAMPLES).toStdString());
    m_layout->SetBandBuilder([this](std::vector<RangeBand>& bands, const GraphicRect& plot,
                                    double startTime, double endTime) {
        m_ranges.ComputeBands(bands, plot.left, plot.right, m_layout->FirstSample(),
                              m_layout->LastSample(), m_layout->Step(), startTime, endTime);
    });
    m_layout->SetPointFiller([filler = m_filler.get()](Dataset& curve, const GraphicRect& plot,
                                                       double startTime, double endTime) {
        filler->Fill(curve, plot, startTime, endTime);
    });
}

bool CGrafyonDoc::HoldsData() const {
    return !m_description.Empty() && !m_description.Datasets().empty();
}

bool CGrafyonDoc::HasUsableData() const {
    return m_openStatus >= 0 && HoldsData() && m_layout->Samples() > 0;
}

void CGrafyonDoc::SetInitialView(const InitialViewSettings& settings,
                                 std::vector<std::uint32_t> colors) {
    m_initialView = settings;
    m_colors = std::move(colors);
}

void CGrafyonDoc::SetSummaryCache(const std::string& folder, std::uint64_t limitBytes) {
    m_scanOptions.cacheFolder = folder;
    m_scanOptions.cacheLimitBytes = limitBytes;
}

bool CGrafyonDoc::ScanPending() const {
    return m_access->ScanPending(m_description);
}

void CGrafyonDoc::PollScan() {
    if (m_closeAfterFailedScan) {
        if (!m_busy || !m_busy())
            OnNewDocument();
        return;
    }
    if (!ScanPending()) {
        m_scanTimer.stop();
        return;
    }
    if (m_access->ScanDone(m_description)) {
        FinishScan();
        return;
    }
    emit ScanProgress(static_cast<int>(m_access->ScanProgress(m_description) * 100.0));
}

void CGrafyonDoc::FinishScan() {
    m_scanTimer.stop();
    if (!ScanPending())
        return;
    const int status = m_access->CompleteScan(m_description);
    emit ScanProgress(-1);
    if (status != ATTACH_OK) {
        // As when the attach at the open fails; what reads the document finishes first.
        Report(MESSAGE_FILE_MAPPING);
        if (!m_busy || !m_busy()) {
            OnNewDocument();
        } else {
            m_closeAfterFailedScan = true;
            m_scanTimer.start();
        }
        return;
    }
    // One change: the scalings that waited, then every curve from its summary.
    m_layout->ApplyWholeRecordingScale();
    m_layout->InvalidatePointBuffers();
    UpdateAllViews(HINT_CURVES);
}

bool CGrafyonDoc::OnNewDocument() {
    Reset();
    BindLayout();
    UpdateAllViews(HINT_LAYOUT_REPLACED);
    emit PathChanged(m_path);
    return true;
}

void CGrafyonDoc::DeleteContents() {
    OnNewDocument();
}

bool CGrafyonDoc::OnOpenDocument(const QString& path) {
    Reset();
    // Reset made a fresh access.
    m_access->SetScanOptions(m_scanOptions);
    MeasurementOpenResult opened = OpenMeasurement(path.toStdString(), m_description, *m_access);
    if (!opened.fileOpened) {
        Report(CANNOT_OPEN_FILE_MESSAGE, path);
    } else if (opened.message != MESSAGE_NONE) {
        Report(opened.message);
    }
    if (!opened.keepDocument) {
        OnNewDocument();
        return false;
    }
    m_openStatus = StatusCode(opened.status);
    m_path = path;
    for (const MeasurementRange& r : opened.ranges) {
        m_ranges.Add(static_cast<std::int64_t>(r.startFrame),
                     static_cast<std::int64_t>(r.stopFrame), r.active, r.name, r.comment);
    }
    BindLayout();
    if (opened.attached) {
        m_layout->InitialView(m_initialView, m_colors);
        // Undo can always return to the first view.
        m_zoomHistory.Take(*m_layout);
    }
    UpdateAllViews(HINT_LAYOUT_REPLACED);
    if (opened.attached) {
        // The first view's objects, window and curves, as after any change of them.
        UpdateAllViews(HINT_OBJECTS);
        UpdateAllViews(HINT_VISIBLE_RANGE);
        UpdateAllViews(HINT_CURVES);
    }
    emit PathChanged(m_path);
    if (ScanPending()) {
        emit ScanProgress(0);
        m_scanTimer.start();
    }
    // Told once the document shows what exists.
    if (m_shortDataFile) {
        for (const ShortDataFile& file : opened.shortDataFiles)
            m_shortDataFile(file);
    }
    return true;
}

}  // namespace grafyon
