// Record-list queries.
#include "record_queries.h"

#include <algorithm>
#include <cmath>

namespace grafyon::exportfilter {

namespace {

constexpr double MULTIPLE_TOLERANCE = 1e-12;

template <class Predicate>
bool AllSelected(const QuenarSelectList& records, Predicate predicate) {
    bool any = false;
    for (const auto& record : records) {
        if (record->selected == 0)
            continue;
        any = true;
        if (!predicate(*record))
            return false;
    }
    return any;
}

}  // namespace

std::vector<CQuenarSelectItem*> SelectedRecords(const QuenarSelectList& records) {
    std::vector<CQuenarSelectItem*> selected;
    for (const auto& record : records) {
        if (record->selected != 0)
            selected.push_back(record.get());
    }
    return selected;
}

std::size_t SelectedCount(const QuenarSelectList& records) {
    return static_cast<std::size_t>(std::count_if(
        records.begin(), records.end(), [](const auto& record) { return record->selected != 0; }));
}

const CQuenarSelectItem* FirstSelected(const QuenarSelectList& records) {
    for (const auto& record : records) {
        if (record->selected != 0)
            return record.get();
    }
    return nullptr;
}

bool IsUsableInterval(double interval) {
    return std::isfinite(interval) && interval > 0.0;
}

bool HasCommonTimeBase(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    if (first == nullptr || !std::isfinite(first->start))
        return false;
    return AllSelected(records, [&](const CQuenarSelectItem& record) {
        return IsUsableInterval(record.step) && record.step == first->step &&
               record.start == first->start;
    });
}

bool AllIntervalsPositive(const QuenarSelectList& records) {
    return AllSelected(
        records, [](const CQuenarSelectItem& record) { return IsUsableInterval(record.step); });
}

bool IntervalsAreMultiples(const QuenarSelectList& records) {
    if (HasCommonTimeBase(records))
        return true;
    const double smallest = SmallestInterval(records);
    if (!IsUsableInterval(smallest))
        return false;
    return AllSelected(records, [&](const CQuenarSelectItem& record) {
        if (!IsUsableInterval(record.step))
            return false;
        const double ratio = record.step / smallest;
        return std::fabs(ratio - std::round(ratio)) <= MULTIPLE_TOLERANCE;
    });
}

double SmallestInterval(const QuenarSelectList& records) {
    bool any = false;
    double smallest = 0.0;
    for (const auto& record : records) {
        if (record->selected == 0)
            continue;
        if (!any || record->step < smallest)
            smallest = record->step;
        any = true;
    }
    return smallest;
}

bool HasConsistentValueCounts(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    if (first == nullptr)
        return true;
    return AllSelected(records, [&](const CQuenarSelectItem& record) {
        return record.valueCount == first->valueCount;
    });
}

double FirstStart(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->start : 0.0;
}

double FirstInterval(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->step : 0.0;
}

std::string FirstCarrierName(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->carrierName : std::string();
}

std::string FirstCarrierUnit(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->carrierUnit : std::string();
}

std::string FirstDataFileName(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->dataFileName : std::string();
}

int FirstValueCount(const QuenarSelectList& records) {
    const CQuenarSelectItem* first = FirstSelected(records);
    return first ? first->valueCount : 0;
}

bool ApproximatelyEqual(double a, double b, double tolerance) {
    return std::fabs(a - b) < tolerance;
}

}  // namespace grafyon::exportfilter
