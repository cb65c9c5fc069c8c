// The sheets of the Tarko format's stream and channel definitions.
#pragma once

#include "exportfilter/ui/page_registry.h"

namespace grafyon::exportfilter {

void AddTarkoPages(FilterPageRegistry& registry);

}  // namespace grafyon::exportfilter
