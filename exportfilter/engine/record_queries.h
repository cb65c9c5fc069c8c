// Questions the engine and the writers ask of the record list; all of them look at the
// selected records only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/quenar_select_item.h"

namespace grafyon::exportfilter {

// The selected records in list order.
std::vector<CQuenarSelectItem*> SelectedRecords(const QuenarSelectList& records);
std::size_t SelectedCount(const QuenarSelectList& records);
const CQuenarSelectItem* FirstSelected(const QuenarSelectList& records);

// An interval a run can step with: finite and greater than 0.
bool IsUsableInterval(double interval);

// At least one selected record, every interval usable, and the same finite start and the
// same interval everywhere (compared exactly).
bool HasCommonTimeBase(const QuenarSelectList& records);
// Every selected record has a usable interval (and there is at least one).
bool AllIntervalsPositive(const QuenarSelectList& records);
// True with a common time base; otherwise the smallest interval is usable and every
// interval divided by it lies within 1e-12 of a whole number.
bool IntervalsAreMultiples(const QuenarSelectList& records);
// The smallest interval of the selected records; 0 when there is none.
double SmallestInterval(const QuenarSelectList& records);
// Every selected record has value count 0, or all have the same non-zero count.
bool HasConsistentValueCounts(const QuenarSelectList& records);

// Fields of the first selected record; empty or 0 when none is selected.
double FirstStart(const QuenarSelectList& records);
double FirstInterval(const QuenarSelectList& records);
std::string FirstCarrierName(const QuenarSelectList& records);
std::string FirstCarrierUnit(const QuenarSelectList& records);
std::string FirstDataFileName(const QuenarSelectList& records);
int FirstValueCount(const QuenarSelectList& records);

// |a - b| < tolerance.
bool ApproximatelyEqual(double a, double b, double tolerance);

}  // namespace grafyon::exportfilter
