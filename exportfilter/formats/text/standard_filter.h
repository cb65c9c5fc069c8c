// The filter "Standard" installed with the program, so that an unattended export works on a
// fresh installation: a time column and one column per dataset in International notation,
// no dialog, an existing output file overwritten without asking.
#pragma once

#include <memory>

#include "text_stream.h"

namespace grafyon::exportfilter {

inline constexpr char STANDARD_FILTER_NAME[] = "Standard";

std::unique_ptr<CQuenarStreamText> MakeStandardFilter();

}  // namespace grafyon::exportfilter
