// The document: one open measurement with its value access and its diagram model.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "model/data_access_adapter.h"
#include "model/graphic_layout.h"
#include "model/range_list.h"
#include "model/zoom_history.h"
#include "viewer/data/access/data_access.h"
#include "viewer/data/measurement_description.h"
#include "viewer/data/open/short_data_files.h"

namespace grafyon {

// How a failed open tells the user; the application shows message boxes.
// Number of "Following file cannot be opened !\n«%1»" in the application's table.
inline constexpr int CANNOT_OPEN_FILE_MESSAGE = 4200;

// The string number of the message and, for a file that cannot be opened at all, its path.
using DocumentMessage = std::function<void(int stringNumber, const QString& path)>;
// A data file that ends early; the document holds the frames that exist.
using ShortDataFileWarning = std::function<void(const ShortDataFile& file)>;

class CGrafyonDoc : public QObject {
    Q_OBJECT
public:
    explicit CGrafyonDoc(QObject* parent = nullptr);
    ~CGrafyonDoc() override;

    // Empties the document.
    bool OnNewDocument();
    // Opens a measurement, choosing the format by content. On failure the message
    // is reported, the document is empty again and the result is false.
    bool OnOpenDocument(const QString& path);
    // Detaches the data and empties the document (closing it).
    void DeleteContents();

    // The settings and colors a freshly opened document's first view is made from.
    void SetInitialView(const InitialViewSettings& settings, std::vector<std::uint32_t> colors);
    // Where the next open keeps and looks for summary cache files (empty: no cache), and the
    // most the folder may hold.
    void SetSummaryCache(const std::string& folder, std::uint64_t limitBytes);
    // true: an open shows its first picture at once and scans the whole recording on threads
    // of their own (the viewer); false: the open returns after the scan (tools, tests).
    void SetBackgroundScan(bool on) { m_scanOptions.background = on; }
    // Everything about how the next open scans (pieces, threads, cache, background); replaces
    // what SetSummaryCache and SetBackgroundScan set.
    void SetScanOptions(const DataAccess::ScanOptions& options) { m_scanOptions = options; }
    // Whether emptying the document must wait because something reads it (an export); asked
    // when a scan failed, which empties the document once nothing reads it any more.
    void SetBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }
    // The whole recording is still being scanned: curves whose window holds more frames than
    // can be read at once are drawn when it ends, and scalings to the whole recording wait.
    bool ScanPending() const;
    // Waits for the scan and applies its result (as the document does by itself when the
    // scan ends): the summaries, the scalings that waited for them and a fresh picture.
    // A scan that failed reports "File-Mapping Error!" and empties the document.
    void FinishScan();
    void SetMessageSink(DocumentMessage sink) { m_message = std::move(sink); }
    void SetShortDataFileSink(ShortDataFileWarning sink) { m_shortDataFile = std::move(sink); }

    MeasurementDescription& Description() { return m_description; }
    DataAccess& Access() { return *m_access; }
    CGraphicLayout& Layout() { return *m_layout; }
    CurvePointFiller& Filler() { return *m_filler; }
    CRangeList& Ranges() { return m_ranges; }
    CZoomHistory& ZoomHistory() { return m_zoomHistory; }
    // The object under the mouse when the context menu opened, and whether it is a diagram.
    void SetPopupTarget(CGraphicObject* target, bool isDiagram) {
        m_popupTarget = target;
        m_popupIsDiagram = target != nullptr && isDiagram;
    }
    CGraphicObject* PopupTarget() const { return m_popupTarget; }
    bool PopupTargetIsDiagram() const { return m_popupIsDiagram; }
    int OpenStatus() const { return m_openStatus; }
    // A description with at least one element and one dataset.
    bool HoldsData() const;
    // Datasets with samples from an open that did not fail: what every command on the data
    // needs, in the main window as in the navigator.
    bool HasUsableData() const;
    const QString& PathName() const { return m_path; }

    // Tells every view what changed.
    void UpdateAllViews(int hint) { emit ViewUpdate(hint); }

signals:
    void ViewUpdate(int hint);
    // Percent of the whole recording scanned, while it is scanned; -1 once it ended.
    void ScanProgress(int percent);
    void PathChanged(const QString& path);

private:
    void Reset();
    void PollScan();
    void BindLayout();
    void Report(int stringNumber, const QString& path = {}) {
        if (m_message)
            m_message(stringNumber, path);
    }

    MeasurementDescription m_description;
    std::unique_ptr<DataAccess> m_access;
    std::unique_ptr<CGraphicLayout> m_layout;
    std::unique_ptr<DataAccessValueSource> m_values;
    std::unique_ptr<CurvePointFiller> m_filler;
    CRangeList m_ranges;
    CZoomHistory m_zoomHistory;
    CGraphicObject* m_popupTarget = nullptr;  // owned by the layout
    bool m_popupIsDiagram = false;
    InitialViewSettings m_initialView;
    std::vector<std::uint32_t> m_colors;
    DocumentMessage m_message;
    ShortDataFileWarning m_shortDataFile;
    QString m_path;
    int m_openStatus = -100;
    DataAccess::ScanOptions m_scanOptions;  // given to each open's fresh access
    std::function<bool()> m_busy;
    bool m_closeAfterFailedScan = false;
    QTimer m_scanTimer;  // looks at the scan while it runs
};

}  // namespace grafyon
