// CQuenarStream's stored part and its run.
#include "quenar_stream.h"

#include "archive.h"
#include "export_run.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarStream::CLASS_INFO = {"CQuenarStream", 1, 1, &CQuenarClass::CLASS_INFO,
                                                   nullptr};

void CQuenarStream::Store(ArchiveWriter& ar) const {
    CQuenarClass::Store(ar);
    ar.WriteU32(VERSION);
}

void CQuenarStream::Load(ArchiveReader& ar) {
    CQuenarClass::Load(ar);
    ar.ReadU32();  // any version: the part has no fields
}

std::unique_ptr<QuenarRunWriter> CQuenarStream::CreateRunWriter() {
    return nullptr;
}

int CQuenarStream::Run(QuenarSelectList& records, QuenarRunContext& context) {
    std::unique_ptr<QuenarRunWriter> writer = CreateRunWriter();
    if (!writer)
        return CQuenarClass::Run(records, context);
    return RunExport(*this, records, context, *writer);
}

}  // namespace grafyon::exportfilter
