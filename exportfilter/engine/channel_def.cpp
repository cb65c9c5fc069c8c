// Channel definitions and the calibration range.
#include "channel_def.h"

#include <utility>

#include "archive.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarChannelDef::CLASS_INFO = {
    "CQuenarChannelDef", 1, 1, nullptr,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDef>(); }};

const QuenarClassInfo CQuenarChannelDef1File::CLASS_INFO = {
    "CQuenarChannelDef1File", 1, 1, &CQuenarChannelDef::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDef1File>(); }};

void CQuenarChannelDef::Store(ArchiveWriter& ar) const {
    ar.WriteU32(VERSION);
    ar.WriteString(identifier);
    ar.WriteString(defaultDataset);
    ar.WriteI32(adjustment);
    ar.WriteF64(factor);
    ar.WriteF64(offset);
    ar.WriteString(unit);
}

void CQuenarChannelDef::Load(ArchiveReader& ar) {
    const std::uint32_t version = ar.ReadVersion(VERSION);
    identifier = ar.ReadString();
    defaultDataset = ar.ReadString();
    if (version >= 2) {
        adjustment = ar.ReadI32();
        factor = ar.ReadF64();
        offset = ar.ReadF64();
        unit = ar.ReadString();
    }
}

std::unique_ptr<CQuenarChannelDef> CQuenarChannelDef::Clone() const {
    return std::make_unique<CQuenarChannelDef>(*this);
}

void CQuenarChannelDef1File::Store(ArchiveWriter& ar) const {
    CQuenarChannelDef::Store(ar);
    ar.WriteU32(VERSION);
    ar.WriteString(fileName);
}

void CQuenarChannelDef1File::Load(ArchiveReader& ar) {
    CQuenarChannelDef::Load(ar);
    ar.ReadU32();  // any version: the file name has always been the only field
    fileName = ar.ReadPathString();
}

std::unique_ptr<CQuenarChannelDef> CQuenarChannelDef1File::Clone() const {
    return std::make_unique<CQuenarChannelDef1File>(*this);
}

void AdjustRange(const CQuenarChannelDef& definition, double& minimum, double& maximum) {
    minimum = definition.Adjusted(minimum);
    maximum = definition.Adjusted(maximum);
    if (minimum > maximum)
        std::swap(minimum, maximum);
}

}  // namespace grafyon::exportfilter
