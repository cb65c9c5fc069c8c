// CQuenarStreamMdf: the system's own measurement format, a data file of 32-bit floats and
// an MDF description of it.
#pragma once

#include <memory>

#include "exportfilter/engine/measurement_stream.h"

namespace grafyon::exportfilter {

inline constexpr int QUENAR_TYPE_MDF = 192;

class CQuenarStreamMdf : public MeasurementStream {
public:
    static const QuenarClassInfo CLASS_INFO;

    CQuenarStreamMdf();

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    std::unique_ptr<CQuenarChannelDef> NewChannelDef() const override;
    const QuenarClassInfo& ChannelDefClass() const override;
    std::unique_ptr<QuenarRunWriter> CreateRunWriter() override;
};

// The MDF format's classes, for the registry of the classes a filter file may name.
void RegisterMdfClasses(ClassRegistry& registry);

}  // namespace grafyon::exportfilter
