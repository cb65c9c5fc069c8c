// Snapshots of the time window and the display ranges, undo and redo.
#include "zoom_history.h"

#include "graphic_layout.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

ZoomSnapshot CZoomHistory::Capture(CGraphicLayout& layout) {
    ZoomSnapshot snapshot;
    snapshot.startTime = layout.StartTime();
    snapshot.endTime = layout.EndTime();
    if (const MeasurementDescription* description = layout.DatasetCollection()) {
        const std::vector<Dataset*> datasets = description->Datasets();
        snapshot.ranges.reserve(datasets.size());
        for (std::size_t i = 0; i < datasets.size(); ++i) {
            const DatasetDisplay& display = datasets[i]->display;
            snapshot.ranges.push_back(
                {i, datasets[i], display.displayMinimum, display.displayMaximum});
        }
    }
    return snapshot;
}

int CZoomHistory::Apply(const ZoomSnapshot& snapshot, CGraphicLayout& layout) {
    int hint = 0;
    if (const MeasurementDescription* description = layout.DatasetCollection()) {
        const std::vector<Dataset*> datasets = description->Datasets();
        for (const ZoomDatasetRange& range : snapshot.ranges) {
            if (range.position >= datasets.size() || datasets[range.position] != range.dataset) {
                continue;
            }
            if (datasets[range.position]->display.SetDisplayRange(range.minimum, range.maximum)) {
                hint = HINT_REDRAW;
            }
        }
    }
    // Setting the same window again would still switch the layout to a time window.
    if (snapshot.startTime != layout.StartTime() || snapshot.endTime != layout.EndTime()) {
        if (layout.SetTimeWindow(snapshot.startTime, snapshot.endTime) && hint == 0) {
            hint = HINT_VISIBLE_RANGE;
        }
    }
    return hint;
}

void CZoomHistory::Clear() {
    m_entries.clear();
    m_index = -1;
}

bool CZoomHistory::Take(CGraphicLayout& layout) {
    ZoomSnapshot snapshot = Capture(layout);
    if (m_index >= 0 && m_entries[static_cast<std::size_t>(m_index)] == snapshot)
        return false;
    m_entries.resize(static_cast<std::size_t>(m_index + 1));
    m_entries.push_back(std::move(snapshot));
    if (Count() > ZOOM_HISTORY_MAX_COUNT)
        m_entries.erase(m_entries.begin());
    m_index = Count() - 1;
    return true;
}

int CZoomHistory::Undo(CGraphicLayout& layout) {
    if (!CanUndo())
        return 0;
    --m_index;
    return Apply(m_entries[static_cast<std::size_t>(m_index)], layout);
}

int CZoomHistory::Redo(CGraphicLayout& layout) {
    if (!CanRedo())
        return 0;
    ++m_index;
    return Apply(m_entries[static_cast<std::size_t>(m_index)], layout);
}

}  // namespace grafyon
