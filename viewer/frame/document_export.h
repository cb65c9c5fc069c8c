// The document's export routine: its measurement and the datasets its view shows, handed
// to the export routine of the data layer.
#pragma once

#include <cstdint>
#include <string>

#include "viewer/data/export/export_routine.h"

namespace grafyon {

class CGrafyonDoc;

// The measurement, its path and the curves of the view in the document's order; no
// measurement when the document holds no data.
ExportSource ExportSourceOf(CGrafyonDoc& document);

// The frames the view shows now: its first sample and the count up to its last sample.
FrameRange VisibleFrameRange(CGrafyonDoc& document);

// One export of the document with the filter (empty: the library asks) over the frames
// from first (count < 0: to the end).
ExportOutcome StartExportFilter(CGrafyonDoc& document, const std::string& filterName,
                                std::int64_t firstFrame, std::int64_t frameCount);

}  // namespace grafyon
