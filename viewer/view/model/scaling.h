// Value ranges of curves: outward rounding, constant curves, labels, cursor format.
#pragma once

#include <string>

namespace grafyon {

// Rounds [lo, hi] outward to a power of ten between a twentieth and a half of the
// range; the order the two values came in is kept. A range that is not finite or is
// negligible against its values is left as it is.
void RoundRangeOutward(double& lo, double& hi);

// The display range of a constant curve of value v: never empty.
void ConstantRange(double v, double& minimum, double& maximum);

// Autoscaling of one curve's extremes: rounded outward, or the constant rule.
void ScaleRange(double lo, double hi, double& minimum, double& maximum);

// Minimum and maximum label: fixed with precision decimals below 999999, else
// general notation with precision significant digits.
std::string MinMaxLabel(double value, int precision);

// The cursor value box format: width and precision clamped to 0-25 and 0-15, type
// 0 "f", 1 "g", 2 "e" (any other type gives "g").
struct CursorValueFormat {
    int width = 10;
    int precision = 6;
    char conversion = 'g';

    static CursorValueFormat Build(int width, int precision, int type);
    std::string Text() const;               // e.g. "%10.6g"
    std::string Apply(double value) const;  // formatted without going through stored text
};

}  // namespace grafyon
