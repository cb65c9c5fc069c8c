// CQuenarStream's stored part.
#include "quenar_stream.h"

#include "archive.h"

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

}  // namespace grafyon::exportfilter
