// The allowed-method rules.
#include "export_method.h"

#include <cmath>

#include "quenar_class.h"
#include "record_queries.h"

namespace grafyon::exportfilter {

namespace {

// The common interval equals the requested resolution.
bool CommonBaseMatches(const CQuenarClass& filter, const QuenarSelectList& records) {
    return HasUsableResolution(filter) && HasCommonTimeBase(records) &&
           ApproximatelyEqual(FirstInterval(records), RequestedResolution(filter),
                              RESOLUTION_MATCH_TOLERANCE);
}

bool IsRowsOrBlock(int methodCode) {
    return methodCode == QUENAR_METHOD_ROWS || methodCode == QUENAR_METHOD_BLOCK;
}

// Nothing is allowed without a selected record or for the original order.
bool AnythingAllowed(const CQuenarClass& filter, const QuenarSelectList& records) {
    return FirstSelected(records) != nullptr && filter.UsedMethod() != FILTER_METHOD_ORIGINAL_ORDER;
}

}  // namespace

double RequestedResolution(const CQuenarClass& filter) {
    return filter.UsedResolutionBy() == 1 ? 1.0 / filter.frequency : filter.resolution;
}

bool HasUsableResolution(const CQuenarClass& filter) {
    if (filter.UsedResolutionBy() == 1 &&
        !(std::isfinite(filter.frequency) && filter.frequency > 0))
        return false;
    const double resolution = RequestedResolution(filter);
    return std::isfinite(resolution) && resolution > 0.0;
}

int MissingValueChoice(const CQuenarClass& filter) {
    return filter.UsedMethod() == FILTER_METHOD_CONSTANT_RESOLUTION ? filter.UsedMissingConstant()
                                                                    : filter.UsedMissingEvery();
}

bool BaseMethodAllowed(const CQuenarClass& filter, int methodCode,
                       const QuenarSelectList& records) {
    if (!AnythingAllowed(filter, records))
        return false;
    const int missing = MissingValueChoice(filter);
    if (filter.UsedMethod() == FILTER_METHOD_EVERY_VALUE) {
        if (IsRowsOrBlock(methodCode))
            return HasCommonTimeBase(records);
        const bool multiples = AllIntervalsPositive(records) && IntervalsAreMultiples(records);
        if (methodCode == QUENAR_METHOD_EVERY_INTERPOLATED)
            return missing == FILTER_MISSING_INTERPOLATE && multiples;
        if (methodCode == QUENAR_METHOD_EVERY_HELD)
            return missing == FILTER_MISSING_HOLD && multiples;
        return false;
    }
    if (IsRowsOrBlock(methodCode))
        return CommonBaseMatches(filter, records);
    switch (methodCode) {
        case QUENAR_METHOD_RESAMPLED:
            return missing == FILTER_MISSING_IGNORE && CommonBaseMatches(filter, records);
        case QUENAR_METHOD_RESAMPLED_INTERPOLATED:
            return missing == FILTER_MISSING_INTERPOLATE;
        case QUENAR_METHOD_RESAMPLED_HELD:
            return missing == FILTER_MISSING_HOLD;
        default:
            return false;
    }
}

bool TextMethodAllowed(const CQuenarClass& filter, int methodCode,
                       const QuenarSelectList& records) {
    if (!AnythingAllowed(filter, records))
        return false;
    const int missing = MissingValueChoice(filter);
    if (filter.UsedMethod() == FILTER_METHOD_EVERY_VALUE) {
        switch (methodCode) {
            case QUENAR_METHOD_ROWS:
                return missing == FILTER_MISSING_IGNORE || HasCommonTimeBase(records);
            case QUENAR_METHOD_BLOCK:
                return HasCommonTimeBase(records);
            case QUENAR_METHOD_EVERY_INTERPOLATED:
                return missing == FILTER_MISSING_INTERPOLATE;
            case QUENAR_METHOD_EVERY_HELD:
                return missing == FILTER_MISSING_HOLD;
            default:
                return false;
        }
    }
    if (IsRowsOrBlock(methodCode))
        return CommonBaseMatches(filter, records);
    switch (methodCode) {
        case QUENAR_METHOD_RESAMPLED:
            return missing == FILTER_MISSING_IGNORE;
        case QUENAR_METHOD_RESAMPLED_INTERPOLATED:
            return missing == FILTER_MISSING_INTERPOLATE;
        case QUENAR_METHOD_RESAMPLED_HELD:
            return missing == FILTER_MISSING_HOLD;
        default:
            return false;
    }
}

}  // namespace grafyon::exportfilter
