// The Tarko channel definition's class.
#include "tarko_channel_def.h"

namespace grafyon::exportfilter {

const QuenarClassInfo CQuenarChannelDefTarko::CLASS_INFO = {
    "CQuenarChannelDefTarko", 1, 1, &CQuenarChannelDef::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDefTarko>(); }};

}  // namespace grafyon::exportfilter
