// Export methods: the kinds of value stream a run consumes, the resolution a filter asks
// for, and the two rules by which writers allow methods.
#pragma once

#include "common/quenar_select_item.h"

namespace grafyon::exportfilter {

class CQuenarClass;

// Method codes (2 and 3 are not used).
inline constexpr int QUENAR_METHOD_ROWS = 1;                    // rows as they come, with x
inline constexpr int QUENAR_METHOD_BLOCK = 4;                   // common time base, values only
inline constexpr int QUENAR_METHOD_EVERY_INTERPOLATED = 5;      // every value, gaps interpolated
inline constexpr int QUENAR_METHOD_EVERY_HELD = 6;              // every value, gaps held
inline constexpr int QUENAR_METHOD_RESAMPLED = 7;               // resampled, gaps left out
inline constexpr int QUENAR_METHOD_RESAMPLED_INTERPOLATED = 8;  // resampled, interpolated
inline constexpr int QUENAR_METHOD_RESAMPLED_HELD = 9;          // resampled, held

// The filter's method settings.
inline constexpr int FILTER_METHOD_EVERY_VALUE = 0;
inline constexpr int FILTER_METHOD_CONSTANT_RESOLUTION = 1;
inline constexpr int FILTER_METHOD_ORIGINAL_ORDER = 2;
inline constexpr int FILTER_MISSING_IGNORE = 0;
inline constexpr int FILTER_MISSING_INTERPOLATE = 1;
inline constexpr int FILTER_MISSING_HOLD = 2;

// A common interval matches the requested resolution within this.
inline constexpr double RESOLUTION_MATCH_TOLERANCE = 1e-10;

// The resolution of method "constant resolution": the resolution field, or 1 / frequency
// when the filter goes by frequency.
double RequestedResolution(const CQuenarClass& filter);
// The requested resolution is finite and greater than 0.
bool HasUsableResolution(const CQuenarClass& filter);
// The missing-value choice of the filter's method.
int MissingValueChoice(const CQuenarClass& filter);

// The rule of most writers (MDF, ZQ3, Tarko, SBF, TurboLab, Famos, DasyLab, MATLAB, nCode,
// RigSys, RPC III).
bool BaseMethodAllowed(const CQuenarClass& filter, int methodCode, const QuenarSelectList& records);
// The rule of the text and Excel writers.
bool TextMethodAllowed(const CQuenarClass& filter, int methodCode, const QuenarSelectList& records);

}  // namespace grafyon::exportfilter
