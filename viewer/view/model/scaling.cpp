// Outward rounding, constant ranges and label texts.
#include "scaling.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/printf_format.h"

namespace grafyon {

void RoundRangeOutward(double& lo, double& hi) {
    const bool reversed = lo > hi;
    if (reversed)
        std::swap(lo, hi);
    if (lo == hi) {
        lo -= 1.0;
        hi += 1.0;
    } else {
        const double d = hi - lo;
        const double magnitude = std::max(std::fabs(lo), std::fabs(hi));
        if (std::isfinite(d) && d > magnitude * 1e-12) {
            double u = 1.0;
            for (int i = 0; i < 700 && u >= d / 2.0; ++i)
                u *= 0.1;
            for (int i = 0; i < 700 && u < d * 0.05; ++i)
                u *= 10.0;
            double r = std::fmod(lo, u);
            lo = lo >= 0.0 ? lo - r : lo - (r + u);
            r = std::fmod(hi, u);
            hi = hi < 0.0 ? hi - r : hi + u - r;
        }
    }
    if (reversed)
        std::swap(lo, hi);
}

void ConstantRange(double v, double& minimum, double& maximum) {
    if (!std::isfinite(v))
        v = 0.0;
    maximum = v >= 0.0 ? std::trunc(v + 1.0) : std::trunc(v);
    minimum = maximum - v == 1.0 ? maximum - 2.0 : maximum - 1.0;
    if (!(minimum < maximum)) {
        // Far beyond 2^53 the steps of one vanish; widen relative to the value.
        const double w = std::max(1.0, std::fabs(v) * 1e-9);
        minimum = v - w;
        maximum = v + w;
    }
}

void ScaleRange(double lo, double hi, double& minimum, double& maximum) {
    if (!std::isfinite(lo))
        lo = 0.0;
    if (!std::isfinite(hi))
        hi = 0.0;
    if (lo == hi) {
        ConstantRange(lo, minimum, maximum);
        return;
    }
    if (lo > hi)
        std::swap(lo, hi);
    RoundRangeOutward(lo, hi);
    minimum = lo;
    maximum = hi;
}

std::string MinMaxLabel(double value, int precision) {
    if (std::fabs(value) < 999999.0)
        return FormatPrintf("%.*f", precision, value);
    return FormatPrintf("%.*g", precision, value);
}

CursorValueFormat CursorValueFormat::Build(int width, int precision, int type) {
    CursorValueFormat f;
    f.width = std::clamp(width, 0, 25);
    f.precision = std::clamp(precision, 0, 15);
    f.conversion = type == 0 ? 'f' : type == 2 ? 'e' : 'g';
    return f;
}

std::string CursorValueFormat::Text() const {
    return FormatPrintf("%%%d.%d%c", width, precision, conversion);
}

std::string CursorValueFormat::Apply(double value) const {
    switch (conversion) {
        case 'f':
            return FormatPrintf("%*.*f", width, precision, value);
        case 'e':
            return FormatPrintf("%*.*e", width, precision, value);
        default:
            return FormatPrintf("%*.*g", width, precision, value);
    }
}

}  // namespace grafyon
