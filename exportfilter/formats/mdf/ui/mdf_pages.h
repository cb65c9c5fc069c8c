// The sheets of the MDF format's stream and channel definitions.
#pragma once

#include "exportfilter/ui/page_registry.h"

namespace grafyon::exportfilter {

void AddMdfPages(FilterPageRegistry& registry);

}  // namespace grafyon::exportfilter
