// The Tarko format's sheets.
#include "tarko_pages.h"

#include "exportfilter/formats/tarko/tarko_channel_def.h"
#include "exportfilter/formats/tarko/tarko_stream.h"
#include "exportfilter/ui/descriptor_pages.h"

namespace grafyon::exportfilter {

void AddTarkoPages(FilterPageRegistry& registry) {
    AddMeasurementPages(registry, {QUENAR_STR_FORMAT_TARKO, CQuenarStreamTarko::CLASS_INFO.name,
                                   CQuenarChannelDefTarko::CLASS_INFO.name,
                                   [] { return std::make_unique<CQuenarChannelDefTarko>(); }});
}

}  // namespace grafyon::exportfilter
