// The MDF format's sheets.
#include "mdf_pages.h"

#include "exportfilter/formats/mdf/mdf_channel_def.h"
#include "exportfilter/formats/mdf/mdf_stream.h"
#include "exportfilter/ui/descriptor_pages.h"

namespace grafyon::exportfilter {

void AddMdfPages(FilterPageRegistry& registry) {
    AddMeasurementPages(registry, {QUENAR_STR_FORMAT_MDF, CQuenarStreamMdf::CLASS_INFO.name,
                                   CQuenarChannelDefMdf::CLASS_INFO.name,
                                   [] { return std::make_unique<CQuenarChannelDefMdf>(); }});
}

}  // namespace grafyon::exportfilter
