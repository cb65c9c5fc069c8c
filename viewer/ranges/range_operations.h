// Changes the range dialogs make to a list, and the span that "Show Ranges" zooms to.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "viewer/ranges/range_properties.h"
#include "viewer/view/model/range_list.h"

namespace grafyon {

// The samples from the smallest start to the largest end of the ranges at these indices;
// indices outside the list are skipped; nothing when none is left.
std::optional<std::pair<std::int64_t, std::int64_t>> SpanOfRanges(const CRangeList& list,
                                                                  const std::vector<int>& indices);

// Removes the ranges at these indices (in any order, repeats allowed); others are skipped.
void RemoveRanges(CRangeList& list, const std::vector<int>& indices);

void SetAllActive(CRangeList& list, bool active);

RangeProperties PropertiesOf(const CRange& range);
// Adds a range with these values; start and end are stored ordered, the commentary trimmed.
CRange& AddRange(CRangeList& list, const RangeProperties& values);
// Gives a range of the list these values and moves it to its ordered place.
void ApplyProperties(CRangeList& list, CRange& range, const RangeProperties& values);

}  // namespace grafyon
