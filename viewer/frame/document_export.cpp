// Exporting the document.
#include "document_export.h"

#include "viewer/view/grafyon_doc.h"

namespace grafyon {

ExportSource ExportSourceOf(CGrafyonDoc& document) {
    ExportSource source;
    source.documentPath = document.PathName().toStdString();
    if (!document.HoldsData())
        return source;
    source.description = &document.Description();
    source.access = &document.Access();
    for (const Dataset* curve : document.Layout().Curves())
        source.datasets.push_back(curve);
    return source;
}

FrameRange VisibleFrameRange(CGrafyonDoc& document) {
    CGraphicLayout& layout = document.Layout();
    const std::int64_t first = layout.FirstSample();
    return {first, layout.LastSample() - first + 1};
}

ExportOutcome StartExportFilter(CGrafyonDoc& document, const std::string& filterName,
                                std::int64_t firstFrame, std::int64_t frameCount) {
    ExportRequest request;
    request.filterName = filterName;
    request.firstFrame = firstFrame;
    request.frameCount = frameCount;
    return RunExport(ExportSourceOf(document), request);
}

}  // namespace grafyon
