// CQuenarStreamTarko: a TARKO measurement, a data file of 32-bit floats and a TKS header
// file that describes it.
#pragma once

#include <memory>

#include "exportfilter/engine/measurement_stream.h"

namespace grafyon::exportfilter {

inline constexpr int QUENAR_TYPE_TARKO = 112;

class CQuenarStreamTarko : public MeasurementStream {
public:
    static const QuenarClassInfo CLASS_INFO;

    CQuenarStreamTarko();

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    std::unique_ptr<CQuenarChannelDef> NewChannelDef() const override;
    const QuenarClassInfo& ChannelDefClass() const override;
    std::unique_ptr<QuenarRunWriter> CreateRunWriter() override;
};

// The Tarko format's classes, for the registry of the classes a filter file may name.
void RegisterTarkoClasses(ClassRegistry& registry);

}  // namespace grafyon::exportfilter
