// The progress window's update rules.
#include "progress_text.h"

#include <algorithm>
#include <cmath>

#include "common/printf_format.h"

namespace grafyon::exportfilter {

bool ApplyProgressUpdate(ProgressTexts& texts, double percent, std::int64_t count,
                         std::int64_t total) {
    const ProgressTexts before = texts;
    if (percent >= 0.0) {
        const double shown = std::min(percent, 100.0);
        texts.bar = static_cast<int>(std::floor(shown));
        texts.percent = FormatPrintf("%5.2f%%", shown);
    }
    if (count >= 0)
        texts.count =
            total >= 1 ? FormatPrintf("%2ld-%ld", count, total) : FormatPrintf("%ld", count);
    return texts.bar != before.bar || texts.percent != before.percent ||
           texts.count != before.count;
}

}  // namespace grafyon::exportfilter
