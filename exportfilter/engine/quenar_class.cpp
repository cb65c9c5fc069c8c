// CQuenarClass: the shared settings of every filter.
#include "quenar_class.h"

#include <algorithm>

#include "archive.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarClass::CLASS_INFO = {"CQuenarClass", 1, 1, nullptr, nullptr};

void CQuenarClass::Store(ArchiveWriter& ar) const {
    ar.WriteU32(VERSION);
    ar.WriteI32(FileTypeCode());
    ar.WriteString(designation);
    ar.WriteString(description);
    ar.WriteI32(onlySelected);
    ar.WriteI32(allocationMode);
    ar.WriteI32(method);
    ar.WriteI32(missingEvery);
    ar.WriteI32(missingConstant);
    ar.WriteF64(resolution);
    ar.WriteI32(resolutionBy);
    ar.WriteF64(frequency);
    ar.WriteI32(commentaryMode);
    ar.WriteString(commentaryText);
}

void CQuenarClass::Load(ArchiveReader& ar) {
    const std::uint32_t version = ar.ReadVersion(VERSION);
    typeCode = ar.ReadI32();
    designation = ar.ReadString();
    if (version >= 2) {
        description = ar.ReadString();
        onlySelected = ar.ReadI32();
    }
    if (version >= 3)
        allocationMode = ar.ReadI32();
    if (version >= 4) {
        method = ar.ReadI32();
        missingEvery = ar.ReadI32();
        missingConstant = ar.ReadI32();
        resolution = ar.ReadF64();
    }
    if (version >= 5) {
        resolutionBy = ar.ReadI32();
        frequency = ar.ReadF64();
    }
    if (version >= 6) {
        commentaryMode = ar.ReadI32();
        commentaryText = ar.ReadString();
    }
}

int CQuenarClass::BuildAllocationList(std::vector<QuenarAllocationEntry>&) {
    return 0;
}

int CQuenarClass::InsertChannelDefinitions(std::size_t, int) {
    return 1;
}

int CQuenarClass::AssignOutputFiles(const std::string&, QuenarSelectList&, OutputNamingContext&) {
    return 0;
}

int CQuenarClass::CreateDefaultChannelDefinitions(int) {
    return -1;
}

int CQuenarClass::FileTypeCode() const {
    const int own = GetRuntimeClass().typeCode;
    return own != 0 ? own : GetTypeCode();
}

int CQuenarClass::UsedAllocationMode() const {
    return std::clamp(allocationMode, 0, 3);
}
int CQuenarClass::UsedCommentaryMode() const {
    return std::clamp(commentaryMode, 0, 2);
}
int CQuenarClass::UsedMethod() const {
    return std::clamp(method, 0, 2);
}
int CQuenarClass::UsedMissingEvery() const {
    return std::clamp(missingEvery, 0, 2);
}
int CQuenarClass::UsedMissingConstant() const {
    return std::clamp(missingConstant, 0, 2);
}
int CQuenarClass::UsedResolutionBy() const {
    return std::clamp(resolutionBy, 0, 1);
}

}  // namespace grafyon::exportfilter
