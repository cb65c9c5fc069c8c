// Connects the diagram model to the measurement's value access.
#pragma once

#include <cstdint>
#include <vector>

#include "graphic_layout.h"
#include "value_source.h"

namespace grafyon {

class DataAccess;
struct CurveColumn;

// Extremes, single values and the overview size, answered by a DataAccess.
class DataAccessValueSource : public ValueSource {
public:
    explicit DataAccessValueSource(DataAccess& access) : m_access(access) {}

    bool Readable(const Dataset& dataset) override;
    std::pair<double, double> Extremes(const Dataset& dataset, std::uint64_t first,
                                       std::uint64_t count) override;
    std::optional<double> ValueAt(const Dataset& dataset, std::uint64_t frame) override;
    std::uint64_t ProposedSampleCount(int pixels, const Dataset& dataset) override;
    std::uint64_t PendingFrameLimit(const Dataset& dataset) override;

private:
    DataAccess& m_access;
};

// Fills curves' point buffers from the access's min/max per pixel column: constant
// curves become a flat line, everything else at most two points per column. A curve whose
// summary is still being scanned stays empty while its window holds more frames than can
// be read at once. Counts
// its refreshes so tests can tell when buffers were rebuilt.
class CurvePointFiller {
public:
    CurvePointFiller(DataAccess& access, CGraphicLayout& layout)
        : m_access(access), m_layout(layout) {}

    void Fill(Dataset& curve, const GraphicRect& plot, double startTime, double endTime);
    int RefreshCount() const { return m_refreshes; }

private:
    DataAccess& m_access;
    CGraphicLayout& m_layout;
    std::vector<CurveColumn> m_columns;
    int m_refreshes = 0;
};

}  // namespace grafyon
