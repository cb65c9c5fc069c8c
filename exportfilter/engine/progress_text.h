// What the progress window shows for an update, by the rules every display of it follows.
#pragma once

#include <cstdint>
#include <string>

namespace grafyon::exportfilter {

struct ProgressTexts {
    int bar = 0;          // 0 to 100
    std::string percent;  // "%5.2f%%"
    std::string count;    // "%ld", or "%2ld-%ld" with a total
};

// One update: a negative (or undefined) percentage leaves bar and percentage as they are,
// one above 100 counts as 100; a negative count leaves the count. True when anything
// changed, so a display sets only texts that change.
bool ApplyProgressUpdate(ProgressTexts& texts, double percent, std::int64_t count,
                         std::int64_t total);

}  // namespace grafyon::exportfilter
