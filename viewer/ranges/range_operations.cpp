// Removal, activation and span of ranges picked in the dialogs.
#include "range_operations.h"

#include <algorithm>

namespace grafyon {

std::optional<std::pair<std::int64_t, std::int64_t>> SpanOfRanges(const CRangeList& list,
                                                                  const std::vector<int>& indices) {
    std::optional<std::pair<std::int64_t, std::int64_t>> span;
    for (int index : indices) {
        if (index < 0 || index >= list.Count())
            continue;
        const CRange& range = list.At(index);
        if (!span)
            span.emplace(range.Start(), range.End());
        span->first = std::min(span->first, range.Start());
        span->second = std::max(span->second, range.End());
    }
    return span;
}

void RemoveRanges(CRangeList& list, const std::vector<int>& indices) {
    // Collected first: each removal shifts the indices of the ranges behind it.
    std::vector<const CRange*> doomed;
    for (int index : indices) {
        if (index >= 0 && index < list.Count())
            doomed.push_back(&list.At(index));
    }
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (const CRange* range : doomed)
        list.Remove(*range);
}

void SetAllActive(CRangeList& list, bool active) {
    for (int i = 0; i < list.Count(); ++i)
        list.At(i).SetActive(active);
}

RangeProperties PropertiesOf(const CRange& range) {
    return {range.Active(), range.Name(), range.Commentary(), range.Start(), range.End()};
}

CRange& AddRange(CRangeList& list, const RangeProperties& values) {
    return list.Add(values.start, values.end, values.active, values.name, values.commentary);
}

void ApplyProperties(CRangeList& list, CRange& range, const RangeProperties& values) {
    range.SetActive(values.active);
    range.SetName(values.name);
    range.SetCommentary(values.commentary);
    list.SetSamples(range, values.start, values.end);
}

}  // namespace grafyon
