// CQuenarClass: the shared settings of every filter.
#include "quenar_class.h"

#include <algorithm>

#include "archive.h"
#include "export_method.h"
#include "export_strings.h"
#include "record_queries.h"

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

void CQuenarClass::ResetStatus(int mode, QuenarStatusFunction, void*, bool statusWindowEnabled) {
    showStatus = mode != 0 && statusWindowEnabled ? 1 : 0;
    statusFunction = nullptr;
    statusContext = nullptr;
}

int CQuenarClass::CheckDataSource(const QuenarSelectList& records, QuenarMessenger& messenger,
                                  const QuenarHostTable&) {
    if (FirstSelected(records) == nullptr) {
        messenger.Message(QUENAR_MSG_NO_DATA_SOURCE);
        return 1;
    }
    // A resolution of 0 would resample without end.
    if (UsedMethod() == FILTER_METHOD_CONSTANT_RESOLUTION && !HasUsableResolution(*this))
        return 2;
    return 0;
}

bool CQuenarClass::IsMethodAllowed(int, const QuenarSelectList&) {
    return false;
}

bool CQuenarClass::SupportsValueFormat(int formatCode) const {
    if (supportedFormats.empty())
        return false;
    return supportedFormats.front() == 0 ||
           std::find(supportedFormats.begin(), supportedFormats.end(), formatCode) !=
               supportedFormats.end();
}

int CQuenarClass::Run(QuenarSelectList&, QuenarRunContext&) {
    return 0;
}

void CQuenarClass::ClearValueSource() {
    hostRows = 0;
    methodCode = 0;
    blockRowFunction = nullptr;
    rowFunction = nullptr;
    sourceContext = nullptr;
    hostContext = nullptr;
    formatEntries.clear();
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
