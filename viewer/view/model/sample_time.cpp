// Time to sample conversion with a tolerance for binary fractions.
#include "sample_time.h"

#include <cmath>

namespace grafyon {

namespace {

constexpr double RELATIVE_TOLERANCE = 1e-9;
constexpr double MAX_SAMPLE = 9.0e18;

bool NearInteger(double q, double& nearest) {
    nearest = std::nearbyint(q);
    return std::fabs(q - nearest) <= RELATIVE_TOLERANCE * std::fmax(1.0, std::fabs(q));
}

std::int64_t Clamp(double q) {
    if (!(q > 0.0))
        return 0;  // also NaN
    if (q > MAX_SAMPLE)
        return static_cast<std::int64_t>(MAX_SAMPLE);
    return static_cast<std::int64_t>(q);
}

}  // namespace

std::int64_t TimeToSample(double t, double step) {
    if (!(step > 0.0) || !std::isfinite(step))
        return 0;
    const double q = t / step;
    double nearest = 0.0;
    if (NearInteger(q, nearest))
        return Clamp(nearest);
    return Clamp(std::trunc(q));
}

std::int64_t TimeToSampleCeil(double t, double step) {
    if (!(step > 0.0) || !std::isfinite(step))
        return 0;
    const double q = t / step;
    double nearest = 0.0;
    if (NearInteger(q, nearest))
        return Clamp(nearest);
    return Clamp(std::ceil(q));
}

}  // namespace grafyon
