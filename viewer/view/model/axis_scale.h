// Tick steps, label decimals and the computing half of the scale drawing engine.
#pragma once

#include <string>

#include <cstdint>

namespace grafyon {

// Major, minor and sub step; 0 means no ticks of that kind.
struct TickSet {
    double major = 0.0;
    double minor = 0.0;
    double sub = 0.0;
    bool operator==(const TickSet&) const = default;
};

// Ticks of a diagram's value scale over n pixels (the viewer uses distance 4).
TickSet ComputeDiagramTicks(int pixels, double minimum, double maximum, int minPixelDistance,
                            bool integerFlag);

// The base tick step of a range and its exponent: for ranges below 1 the largest power of
// ten not above the range (0.1 for 0.1 up to just below 1), from 1 on the largest one
// strictly below it (0.1 for 1, 1 for ranges above 1 up to 10).
double BaseStep(double range, int& exponent);

// Decimals needed to print v exactly (up to 15 significant digits); 0 for non-finite v.
int CountDecimals(double v);

// The text of a horizontal axis tick at v (a multiple of step) with decimals places; a tick
// that only misses zero by rounding reads "0", never "-0".
std::string AxisTickLabel(double v, double step, int decimals);

// Values at multiples of step strictly between minimum and maximum: at most
// maxLines, stopping when the value no longer advances. Calls visit(value).
template <class Visit>
void ForEachMultiple(double minimum, double maximum, double step, int maxLines, Visit visit) {
    if (!(step > 0.0) || !(maximum > minimum))
        return;
    double index = __builtin_ceil(minimum / step);
    double previous = -__builtin_inf();
    for (int lines = 0; lines < maxLines; ++lines, index += 1.0) {
        const double v = index * step;
        if (v >= maximum || v <= previous)
            break;
        previous = v;
        if (v > minimum)
            visit(v);
    }
}

// The scale of a horizontal axis or of a diagram's tick strip.
class CAxisScale {
public:
    void SetRange(double minimum, double maximum) {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    // Chooses the ticks for pixels; returns the label decimals.
    int Compute(int pixels, int minPixelDistance, bool integerLabels);
    void SetTickLengths(int minorLength, int majorLength) {
        m_minorLength = minorLength;
        m_majorLength = majorLength;
    }
    void SetIncludeEndDecimals(bool on) { m_includeEndDecimals = on; }
    void SetTicks(const TickSet& ticks) { m_ticks = ticks; }

    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    const TickSet& Ticks() const { return m_ticks; }
    int Decimals() const { return m_decimals; }
    bool IntegerLabels() const { return m_integerLabels; }
    int MinorLength() const { return m_minorLength; }
    int MajorLength() const { return m_majorLength; }

private:
    double m_minimum = 0.0;
    double m_maximum = 0.0;
    TickSet m_ticks;
    int m_decimals = 0;
    bool m_integerLabels = false;
    bool m_includeEndDecimals = false;
    int m_minorLength = 4;
    int m_majorLength = 8;
};

}  // namespace grafyon
