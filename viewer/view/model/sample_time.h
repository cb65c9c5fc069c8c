// Conversion between times and sample indices of the view.
#pragma once

#include <cstdint>

namespace grafyon {

// The sample of time t: t / step, taken as the nearest integer when it lies within a
// relative 1e-9 of it (so 0.123 s at 1 ms is sample 123, not 122), else truncated.
// Negative and non-finite results give 0; the step must be positive.
std::int64_t TimeToSample(double t, double step);
// The ceiling form: the first sample whose time is not before t.
std::int64_t TimeToSampleCeil(double t, double step);

}  // namespace grafyon
