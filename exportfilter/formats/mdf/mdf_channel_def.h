// The MDF writer's channel definition: the base fields and where the channel's name
// and comment come from.
#pragma once

#include <memory>

#include "exportfilter/engine/channel_descriptors.h"

namespace grafyon::exportfilter {

class CQuenarChannelDefMdf : public DescribedChannelDef {
public:
    static const QuenarClassInfo CLASS_INFO;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    std::unique_ptr<CQuenarChannelDef> Clone() const override {
        return std::make_unique<CQuenarChannelDefMdf>(*this);
    }
};

}  // namespace grafyon::exportfilter
