// Tick step search and label decimals.
#include "axis_scale.h"

#include "common/printf_format.h"

#include <algorithm>
#include <cmath>

namespace grafyon {

namespace {

// Tries s, then 2s, 5s and 10s until the step is at least p pixels apart.
double WidenStep(double s, double pixelsPerUnit, int p) {
    if (std::trunc(pixelsPerUnit * s) >= p)
        return s;
    double step = s;
    for (double m : {2.0, 5.0, 10.0}) {
        step = s * m;
        if (std::trunc(pixelsPerUnit * step) >= p)
            break;
    }
    return step;
}

}  // namespace

double BaseStep(double range, int& exponent) {
    exponent = 0;
    if (!(range > 0.0) || !std::isfinite(range))
        return 0.0;
    exponent = std::clamp(static_cast<int>(std::floor(std::log10(range))), -307, 307);
    // log10 can be off by one near powers of ten; a range that differs from a power of ten
    // only by rounding (0.3 - 0.2) counts as that power.
    const double tolerance = 1e-12;
    while (std::pow(10.0, exponent) > range * (1.0 + tolerance) && exponent > -307)
        --exponent;
    while (std::pow(10.0, exponent + 1) <= range * (1.0 + tolerance) && exponent < 307)
        ++exponent;
    // Now 10^exponent is the largest power of ten not above the range. From 1 upwards the
    // step lies strictly below the range: a range of exactly 1 or 10 gets 0.1 or 1.
    if (exponent >= 0 && std::pow(10.0, exponent) * (1.0 + tolerance) >= range)
        --exponent;
    return std::pow(10.0, exponent);
}

TickSet ComputeDiagramTicks(int pixels, double minimum, double maximum, int minPixelDistance,
                            bool /*integerFlag*/) {
    TickSet t;
    const double range = maximum - minimum;
    if (!(range > 0.0) || !std::isfinite(range) || pixels < 1)
        return t;
    int exponent = 0;
    const double perUnit = pixels / range;
    t.major = WidenStep(BaseStep(range, exponent), perUnit, minPixelDistance);
    t.minor = t.major * 0.5;
    t.sub = t.major * 0.1;
    if (perUnit * t.minor < 3.0) {
        t.minor = t.sub = 0.0;
    } else if (perUnit * t.sub < 3.0) {
        t.sub = 0.0;
    }
    return t;
}

int CountDecimals(double v) {
    if (!std::isfinite(v))
        return 0;
    v = std::fabs(v);
    const int digits = v >= 1.0 ? static_cast<int>(std::trunc(std::log10(v))) + 1 : 1;
    int k = 0;
    double scale = 1.0;
    while (k + digits < 15) {
        const double x = v * scale;
        if (std::fabs(x - std::nearbyint(x)) < 1e-10)
            break;
        ++k;
        scale *= 10.0;
    }
    return k;
}

int CAxisScale::Compute(int pixels, int minPixelDistance, bool integerLabels) {
    m_ticks = TickSet{};
    m_integerLabels = integerLabels;
    m_decimals = 0;
    const double range = m_maximum - m_minimum;
    if (!(range > 0.0) || !std::isfinite(range) || pixels < 1)
        return m_decimals;
    int exponent = 0;
    double s = BaseStep(range, exponent);
    if (integerLabels && exponent < 1) {
        m_ticks = {1.0, 0.0, 0.0};
    } else {
        const double perUnit = pixels / range;
        bool halved = false;
        if (minPixelDistance > 0 && std::trunc(perUnit * s) > 10.0 * minPixelDistance) {
            s *= 0.5;
            halved = true;
        }
        m_ticks.major = WidenStep(s, perUnit, minPixelDistance);
        m_ticks.minor = m_ticks.major * (halved ? 0.2 : 0.5);
        m_ticks.sub = halved ? 0.0 : m_ticks.major * 0.1;
        if (perUnit * m_ticks.minor < 3.0) {
            m_ticks.minor = m_ticks.sub = 0.0;
        } else if (perUnit * m_ticks.sub < 3.0) {
            m_ticks.sub = 0.0;
        }
    }
    m_decimals = CountDecimals(m_ticks.major);
    if (m_includeEndDecimals) {
        m_decimals = std::max({m_decimals, CountDecimals(m_minimum), CountDecimals(m_maximum)});
    }
    return m_decimals;
}

std::string AxisTickLabel(double v, double step, int decimals) {
    const double shown = std::abs(v) < std::abs(step) * 1e-9 ? 0.0 : v;
    return FormatPrintf("%.*f", decimals, shown);
}

}  // namespace grafyon
