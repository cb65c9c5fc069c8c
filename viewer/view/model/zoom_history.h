// The undo/redo history of views: time windows and display ranges of a document.
#pragma once

#include <cstddef>
#include <vector>

namespace grafyon {

class CGraphicLayout;
class Dataset;

inline constexpr int ZOOM_HISTORY_MAX_COUNT = 11;

// One dataset's display range as it was when the snapshot was taken. The position in
// the document's dataset list is kept beside the pointer so that a snapshot never
// reaches a dataset that is no longer at its place.
struct ZoomDatasetRange {
    std::size_t position = 0;
    const Dataset* dataset = nullptr;
    double minimum = 0.0;
    double maximum = 0.0;
    bool operator==(const ZoomDatasetRange&) const = default;
};

struct ZoomSnapshot {
    double startTime = 0.0;
    double endTime = 0.0;
    std::vector<ZoomDatasetRange> ranges;
    bool operator==(const ZoomSnapshot&) const = default;
};

class CZoomHistory {
public:
    // What the layout shows now: its time window and every dataset's display range.
    static ZoomSnapshot Capture(CGraphicLayout& layout);
    // Puts a snapshot back; the hint the views need, 0 when nothing changed.
    static int Apply(const ZoomSnapshot& snapshot, CGraphicLayout& layout);

    void Clear();
    // Appends what the layout shows after the current entry, dropping every entry after
    // it and the oldest beyond the maximum count. A snapshot equal to the current entry
    // is not appended, so a step that changed nothing keeps the redo entries; false then.
    bool Take(CGraphicLayout& layout);
    // One step back or forward, applied to the layout; the hint, 0 when nothing moved.
    int Undo(CGraphicLayout& layout);
    int Redo(CGraphicLayout& layout);

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return Count() - m_index - 1 > 0; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    // -1 while empty.
    int Index() const { return m_index; }
    const ZoomSnapshot& Entry(int index) const {
        return m_entries[static_cast<std::size_t>(index)];
    }

private:
    std::vector<ZoomSnapshot> m_entries;
    int m_index = -1;
};

}  // namespace grafyon
