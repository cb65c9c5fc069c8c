// CQuenarStream: the base of the format classes; it adds a stored version word only.
#pragma once

#include "quenar_class.h"

namespace grafyon::exportfilter {

class CQuenarStream : public CQuenarClass {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
};

}  // namespace grafyon::exportfilter
