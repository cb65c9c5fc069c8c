// The MDF channel definition's class.
#include "mdf_channel_def.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarChannelDefMdf::CLASS_INFO = {
    "CQuenarChannelDefMdf", 1, 1, &CQuenarChannelDef::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDefMdf>(); }};

}  // namespace grafyon::exportfilter
