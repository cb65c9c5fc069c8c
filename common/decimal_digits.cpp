// Decimal digits of doubles from integer arithmetic on the exact binary value. Two fast paths,
// each either exact or refusing: a 128-bit integer product with a power of five, and a
// product with a 128-bit upper bound of a power of ten whose error is bounded well enough
// to decide the rounding. What neither decides goes to std::to_chars (exact, slower).
#include "decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace grafyon {

namespace {

__extension__ typedef unsigned __int128 UInt128;

// How the part of a scaled value below its integer part compares with one half.
enum class Remainder : std::uint8_t { Zero = 0, BelowHalf = 1, Half = 2, AboveHalf = 3 };

// Written without branches: random values make them unpredictable.
std::uint64_t RoundingIncrement(Remainder remainder, std::uint64_t scaled) {
    return static_cast<std::uint64_t>(remainder == Remainder::AboveHalf) |
           (static_cast<std::uint64_t>(remainder == Remainder::Half) & scaled);
}

// The same for a remainder below 2^bits (bits from 1 to 128), with one half 2^(bits - 1):
// its top bit decides, without a branch.
Remainder CompareWithHalfOfPower(UInt128 remainder, int bits) {
    const int below = 1 - static_cast<int>(remainder >> (bits - 1));
    const int zero = static_cast<int>(remainder == 0);
    const int half = static_cast<int>(remainder == UInt128(1) << (bits - 1));
    // Zero 0, BelowHalf 1, Half 2, AboveHalf 3.
    return static_cast<Remainder>((1 - zero) * (1 + (1 - below) * (2 - half)));
}

Remainder CompareWithHalf(UInt128 remainder, UInt128 half) {
    const Remainder nonZero = remainder < half    ? Remainder::BelowHalf
                              : remainder == half ? Remainder::Half
                                                  : Remainder::AboveHalf;
    return remainder == 0 ? Remainder::Zero : nonZero;
}

constexpr int BitLength(std::uint64_t value) {
    return 64 - std::countl_zero(value);
}

constexpr int BitLength(UInt128 value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 64 + BitLength(high) : BitLength(static_cast<std::uint64_t>(value));
}

// floor(exponent * log10(2)), exact for |exponent| <= 2620.
int FloorLog10Pow2(int exponent) {
    return (exponent * 315653) >> 20;
}

constexpr std::array<std::uint64_t, 20> POW10_U64 = [] {
    std::array<std::uint64_t, 20> table{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : table) {
        entry = power;
        power *= 10;
    }
    return table;
}();

// 5^27 is the largest power of five below 2^64.
constexpr int MAX_POW5_U64 = 27;
constexpr std::array<std::uint64_t, MAX_POW5_U64 + 1> POW5_U64 = [] {
    std::array<std::uint64_t, MAX_POW5_U64 + 1> table{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : table) {
        entry = power;
        power *= 5;
    }
    return table;
}();

// An upper bound of 10^k: 10^k <= (hi * 2^64 + lo) * 2^exponent < 10^k + 2^exponent, with the
// top bit of hi set; exact says the bound equals 10^k.
struct Pow10Bound {
    std::uint64_t hi = 0;
    std::uint64_t lo = 0;
    int exponent = 0;
    bool exact = false;
};

// Every scale the digit functions ask for: 10^-307 for 1 digit of DBL_MAX up to 10^341 for
// 18 digits of the smallest subnormal.
constexpr int POW10_MIN = -310;
constexpr int POW10_MAX = 341;

// A fixed-width natural number for building the table at compile time.
constexpr int BIG_WORDS = 18;
using BigNumber = std::array<std::uint64_t, BIG_WORDS>;  // least significant word first

constexpr int BigBitLength(const BigNumber& value) {
    for (int i = BIG_WORDS - 1; i >= 0; --i) {
        if (value[i] != 0)
            return 64 * i + BitLength(value[i]);
    }
    return 0;
}

constexpr std::uint64_t BigWord(const BigNumber& value, int index) {
    return index >= 0 && index < BIG_WORDS ? value[index] : 0;
}

// The bound for the number value * 2^exponent, plus less than one unit when fractionBelow.
constexpr Pow10Bound UpperBound(const BigNumber& value, int exponent, bool fractionBelow) {
    const int shift = BigBitLength(value) - 128;  // value's bits below the 128 kept
    UInt128 top = 0;
    bool truncated = fractionBelow;
    if (shift <= 0) {
        top = ((UInt128(value[1]) << 64) | value[0]) << -shift;
    } else {
        const int word = shift / 64;
        const int offset = shift % 64;
        for (int i = 0; i < word; ++i)
            truncated = truncated || value[i] != 0;
        std::uint64_t parts[3] = {BigWord(value, word), BigWord(value, word + 1),
                                  BigWord(value, word + 2)};
        if (offset != 0) {
            truncated = truncated || (parts[0] & ((std::uint64_t(1) << offset) - 1)) != 0;
            parts[0] = (parts[0] >> offset) | (parts[1] << (64 - offset));
            parts[1] = (parts[1] >> offset) | (parts[2] << (64 - offset));
        }
        top = (UInt128(parts[1]) << 64) | parts[0];
    }
    int boundExponent = exponent + shift;
    if (truncated) {
        ++top;
        if (top == 0) {  // 2^128: one bit more
            top = UInt128(1) << 127;
            ++boundExponent;
        }
    }
    return {static_cast<std::uint64_t>(top >> 64), static_cast<std::uint64_t>(top), boundExponent,
            !truncated};
}

constexpr std::array<Pow10Bound, POW10_MAX - POW10_MIN + 1> POW10_TABLE = [] {
    std::array<Pow10Bound, POW10_MAX - POW10_MIN + 1> table{};
    // 10^k = 5^k * 2^k.
    BigNumber power{};
    power[0] = 1;
    for (int k = 0; k <= POW10_MAX; ++k) {
        table[k - POW10_MIN] = UpperBound(power, k, false);
        std::uint64_t carry = 0;
        for (std::uint64_t& word : power) {
            const UInt128 product = UInt128(word) * 5 + carry;
            word = static_cast<std::uint64_t>(product);
            carry = static_cast<std::uint64_t>(product >> 64);
        }
    }
    // 10^-k = floor(2^N / 5^k) * 2^(-N-k) plus a fraction, since 5^k never divides 2^N.
    constexpr int N = 64 * BIG_WORDS - 1;
    BigNumber quotient{};
    quotient[BIG_WORDS - 1] = std::uint64_t(1) << 63;
    for (int k = 1; k <= -POW10_MIN; ++k) {
        std::uint64_t remainder = 0;
        for (int i = BIG_WORDS - 1; i >= 0; --i) {
            const UInt128 part = (UInt128(remainder) << 64) | quotient[i];
            quotient[i] = static_cast<std::uint64_t>(part / 5);
            remainder = static_cast<std::uint64_t>(part % 5);
        }
        table[-k - POW10_MIN] = UpperBound(quotient, -N - k, true);
    }
    return table;
}();

// A positive finite double as mantissa * 2^exponent.
struct BinaryFloat {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

BinaryFloat Decompose(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto fraction = bits & ((std::uint64_t(1) << 52) - 1);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | (std::uint64_t(1) << 52), biased - 1075};
}

// floor(mantissa * 2^exponent * 10^scale) and its remainder, by exact 128-bit arithmetic;
// false when the numbers do not fit.
bool ScaleExact(BinaryFloat value, int scale, UInt128& quotient, Remainder& remainder) {
    if (scale > MAX_POW5_U64 || scale < -MAX_POW5_U64)
        return false;
    if (scale >= 0) {
        // mantissa * 5^scale * 2^(exponent + scale), below 2^53 * 2^63.
        const UInt128 product = UInt128(value.mantissa) * POW5_U64[scale];
        const int shift = value.exponent + scale;
        if (shift >= 0) {
            if (BitLength(product) + shift > 127)
                return false;
            quotient = product << shift;
            remainder = Remainder::Zero;
            return true;
        }
        if (shift <= -128) {
            quotient = 0;  // product < 2^116 is below half of 2^-shift
            remainder = Remainder::BelowHalf;
            return true;
        }
        quotient = product >> -shift;
        remainder = CompareWithHalfOfPower(product & ((UInt128(1) << -shift) - 1), -shift);
        return true;
    }
    // mantissa * 2^(exponent - k) / 5^k with k = -scale.
    const std::uint64_t divisor5 = POW5_U64[-scale];
    const int shift = value.exponent + scale;
    if (shift >= 0) {
        if (BitLength(value.mantissa) + shift > 127)
            return false;
        const UInt128 numerator = UInt128(value.mantissa) << shift;
        UInt128 rest = 0;
        if (numerator >> 64 == 0) {
            const auto small = static_cast<std::uint64_t>(numerator);
            quotient = small / divisor5;
            rest = small % divisor5;
        } else {
            quotient = numerator / divisor5;
            rest = numerator - quotient * divisor5;
        }
        // An odd divisor leaves no exact half.
        remainder = rest == 0                      ? Remainder::Zero
                    : 2 * rest < UInt128(divisor5) ? Remainder::BelowHalf
                                                   : Remainder::AboveHalf;
        return true;
    }
    if (BitLength(divisor5) - shift > 127) {
        quotient = 0;  // mantissa < 2^53 is below half of a divisor of 2^127 or more
        remainder = Remainder::BelowHalf;
        return true;
    }
    // A divisor of 2^64 or more exceeds the mantissa: the quotient is 0.
    const UInt128 divisor = UInt128(divisor5) << -shift;
    UInt128 rest = value.mantissa;
    quotient = 0;
    if (divisor >> 64 == 0) {
        const auto small = static_cast<std::uint64_t>(divisor);
        quotient = value.mantissa / small;
        rest = value.mantissa % small;
    }
    remainder = CompareWithHalf(rest, divisor >> 1);
    return true;
}

// The same for results below 2^64 through the table: the product of the normalised mantissa
// with the bound of 10^scale exceeds the exact value by less than 2^64 units of its last
// bit, so the rounding is certain unless the remainder lies within that much of zero or of
// one half. False in that case (exact results of inexact bounds land there) and when the
// result does not fit.
bool ScaleApprox(BinaryFloat value, int scale, std::uint64_t& quotient, Remainder& remainder) {
    if (scale < POW10_MIN || scale > POW10_MAX)
        return false;
    const Pow10Bound& bound = POW10_TABLE[scale - POW10_MIN];
    const int normalise = 64 - BitLength(value.mantissa);
    const std::uint64_t mantissa = value.mantissa << normalise;
    // The 192-bit product is high * 2^64 + low; the value is product * 2^-fractionBits.
    const UInt128 lowProduct = UInt128(mantissa) * bound.lo;
    const UInt128 high = UInt128(mantissa) * bound.hi + (lowProduct >> 64);
    const auto low = static_cast<std::uint64_t>(lowProduct);
    const int shift = -(value.exponent - normalise + bound.exponent) - 64;  // fraction bits in high
    if (shift < 1 || shift > 128)
        return false;
    const UInt128 whole = shift == 128 ? 0 : high >> shift;
    const UInt128 fractionHigh = shift == 128 ? high : high & ((UInt128(1) << shift) - 1);
    if (whole >> 64 != 0)
        return false;
    const UInt128 halfHigh = UInt128(1) << (shift - 1);
    // Without branches: which side of one half a random value falls on is unpredictable.
    // fractionHigh < 2^shift, so its bit shift - 1 alone says whether it is below one half.
    const int below = 1 - static_cast<int>(fractionHigh >> (shift - 1));
    if (bound.exact) {
        const int zero = static_cast<int>((fractionHigh | low) == 0);
        const int half = static_cast<int>(fractionHigh == halfHigh) & static_cast<int>(low == 0);
        // Zero 0, BelowHalf 1, Half 2, AboveHalf 3.
        remainder = static_cast<Remainder>((1 - zero) * (1 + (1 - below) * (2 - half)));
    } else if (fractionHigh == 0 || fractionHigh == halfHigh) {
        return false;
    } else {
        remainder = static_cast<Remainder>(3 - 2 * below);
    }
    quotient = static_cast<std::uint64_t>(whole);
    return true;
}

constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The eight digits of value (below 10^8, leading zeros included) as characters in one word,
// the first in its lowest byte: a division by 100 and one by 10 in every lane at once.
std::uint64_t AsciiDigits8(std::uint32_t value) {
    const std::uint32_t upper = value / 10'000;
    const std::uint64_t halves = upper | (std::uint64_t(value - upper * 10'000) << 32);
    const std::uint64_t hundreds = ((halves * 10486) >> 20) & 0x0000007F0000007FULL;
    const std::uint64_t pairs = ((halves - hundreds * 100) << 16) | hundreds;
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000FULL;
    const std::uint64_t digits = ((pairs - tens * 10) << 8) | tens;
    return digits + 0x3030303030303030ULL;
}

int WideDigitCount(UInt128 value) {
    int count = 0;
    while (value >> 64 != 0) {
        value /= 10;
        ++count;
    }
    return count + DigitCount(static_cast<std::uint64_t>(value));
}

void WriteWideDigitsBackward(char* end, UInt128 value, int count) {
    constexpr std::uint64_t CHUNK = 10'000'000'000'000'000'000ULL;  // 10^19
    while (value >> 64 != 0) {
        const UInt128 upper = value / CHUNK;
        WriteDigitsBackward(end, static_cast<std::uint64_t>(value - upper * CHUNK), 19);
        end -= 19;
        count -= 19;
        value = upper;
    }
    WriteDigitsBackward(end, static_cast<std::uint64_t>(value), count);
}

// std::to_chars is exact for any precision; this is the path for what the fast ones refuse.
// Writes "d.ddde+XX" (count + 7 characters at most) at text and returns the exponent.
int ScientificText(double magnitude, int count, char* text, char*& end) {
    end = std::to_chars(text, text + count + 8, magnitude, std::chars_format::scientific, count - 1)
              .ptr;
    const char* exponentText = static_cast<const char*>(std::memchr(text, 'e', end - text)) + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, end, exponent);
    return exponent;
}

// The fast paths; false when they cannot decide.
bool ShortDigitsFast(double magnitude, int count, ShortDecimal& result) {
    const BinaryFloat value = Decompose(magnitude);
    // The exponent of the first digit is this estimate or one more.
    int exponent = FloorLog10Pow2(value.exponent + BitLength(value.mantissa) - 1);
    const int scale = count - 1 - exponent;
    std::uint64_t scaled = 0;
    Remainder remainder{};
    if (!ScaleApprox(value, scale, scaled, remainder)) {
        UInt128 wide = 0;
        if (!ScaleExact(value, scale, wide, remainder) || wide >> 64 != 0)
            return false;
        scaled = static_cast<std::uint64_t>(wide);
    }
    if (scaled >= POW10_U64[count]) {
        // One digit too many: it joins the remainder.
        const auto dropped = static_cast<unsigned>(scaled % 10);
        scaled /= 10;
        ++exponent;
        if (dropped > 5) {
            remainder = Remainder::AboveHalf;
        } else if (dropped == 5) {
            remainder = remainder == Remainder::Zero ? Remainder::Half : Remainder::AboveHalf;
        } else if (dropped > 0 || remainder != Remainder::Zero) {
            remainder = Remainder::BelowHalf;
        }
    }
    if (scaled < POW10_U64[count - 1] || scaled >= POW10_U64[count])
        return false;  // cannot happen: the estimate is never more than one off
    scaled += RoundingIncrement(remainder, scaled & 1);
    if (scaled == POW10_U64[count]) {
        scaled = POW10_U64[count - 1];
        ++exponent;
    }
    result = {scaled, exponent};
    return true;
}

}  // namespace

void WriteDigitsBackward(char* end, std::uint64_t value, int count) {
    // Blocks of eight digits, each as two independent halves of four.
    while (count >= 8) {
        const std::uint64_t upper = value / 100'000'000;
        auto block = static_cast<std::uint32_t>(value - upper * 100'000'000);
        const std::uint32_t high = block / 10'000;
        const std::uint32_t low = block - high * 10'000;
        std::memcpy(end - 8, DIGIT_PAIRS + 2 * (high / 100), 2);
        std::memcpy(end - 6, DIGIT_PAIRS + 2 * (high % 100), 2);
        std::memcpy(end - 4, DIGIT_PAIRS + 2 * (low / 100), 2);
        std::memcpy(end - 2, DIGIT_PAIRS + 2 * (low % 100), 2);
        end -= 8;
        count -= 8;
        value = upper;
    }
    // Fewer than eight digits are left, so 32 bits hold them.
    auto rest = static_cast<std::uint32_t>(value);
    if (count >= 4) {
        const std::uint32_t upper = rest / 10'000;
        const std::uint32_t block = rest - upper * 10'000;
        std::memcpy(end - 4, DIGIT_PAIRS + 2 * (block / 100), 2);
        std::memcpy(end - 2, DIGIT_PAIRS + 2 * (block % 100), 2);
        end -= 4;
        count -= 4;
        rest = upper;
    }
    if (count >= 2) {
        const std::uint32_t upper = rest / 100;
        std::memcpy(end - 2, DIGIT_PAIRS + 2 * (rest - upper * 100), 2);
        end -= 2;
        count -= 2;
        rest = upper;
    }
    if (count == 1)
        end[-1] = static_cast<char>('0' + rest);
}

char* PutDigits(char* out, std::uint64_t value, int count, int fractionDigits, bool point) {
    const int integerDigits = count - fractionDigits;
    if constexpr (std::endian::native == std::endian::little) {
        if (count < 8) {
            // All characters in one word, the first in its lowest byte, and one store.
            std::uint64_t text =
                AsciiDigits8(static_cast<std::uint32_t>(value)) >> (64 - 8 * count);
            if (point) {
                const int at = 8 * integerDigits;
                const std::uint64_t before = text & ((std::uint64_t(1) << at) - 1);
                const std::uint64_t after = fractionDigits > 0 ? (text >> at) << (at + 8) : 0;
                text = before | (std::uint64_t('.') << at) | after;
            }
            std::memcpy(out, &text, 8);
            return out + count + (point ? 1 : 0);
        }
        if (count < 16) {
            const std::uint64_t upper = value / 100'000'000;
            UInt128 text =
                AsciiDigits8(static_cast<std::uint32_t>(upper)) |
                UInt128(AsciiDigits8(static_cast<std::uint32_t>(value - upper * 100'000'000)))
                    << 64;
            text >>= 128 - 8 * count;
            if (point) {
                const int at = 8 * integerDigits;
                const UInt128 before = text & ((UInt128(1) << at) - 1);
                const UInt128 after = fractionDigits > 0 ? (text >> at) << (at + 8) : 0;
                text = before | (UInt128('.') << at) | after;
            }
            std::memcpy(out, &text, 16);
            return out + count + (point ? 1 : 0);
        }
    }
    char* end = out + count + (point ? 1 : 0);
    if (!point) {
        WriteDigitsBackward(end, value, count);
        return end;
    }
    char* at = end;
    for (int fraction = fractionDigits; fraction > 0; --fraction) {
        *--at = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    *--at = '.';
    WriteDigitsBackward(at, value, integerDigits);
    return end;
}

int DigitCount(std::uint64_t value) {
    const int guess = (BitLength(value | 1) * 1233) >> 12;
    return guess + (value >= POW10_U64[guess] ? 1 : 0);
}

ShortDecimal ShortSignificantDigits(double magnitude, int count) {
    ShortDecimal result;
    if (magnitude == 0 || ShortDigitsFast(magnitude, count, result))
        return result;
    char text[DECIMAL_MAX_SHORT_DIGITS + 8];
    char* end = nullptr;
    result.exponent = ScientificText(magnitude, count, text, end);
    const int length = count > 1 ? count + 1 : 1;  // with the point after the first digit
    for (int i = 0; i < length; ++i) {
        if (text[i] != '.')
            result.digits = result.digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    return result;
}

int SignificantDigits(double magnitude, int count, char* digits) {
    if (count <= DECIMAL_MAX_SHORT_DIGITS) {
        const ShortDecimal decimal = ShortSignificantDigits(magnitude, count);
        WriteDigitsBackward(digits + count, decimal.digits, count);
        return decimal.exponent;
    }
    // "d.ddde+XX" in place: the digits then move left over the point.
    char* end = nullptr;
    const int exponent = ScientificText(magnitude, count, digits, end);
    std::memmove(digits + 1, digits + 2, static_cast<std::size_t>(count - 1));
    return exponent;
}

bool ScaledFixedDigits(double magnitude, int decimals, std::uint64_t& scaled) {
    if (magnitude == 0) {
        scaled = 0;
        return true;
    }
    const BinaryFloat value = Decompose(magnitude);
    UInt128 wide = 0;
    Remainder remainder{};
    if (ScaleExact(value, decimals, wide, remainder)) {
        wide += RoundingIncrement(remainder, static_cast<std::uint64_t>(wide) & 1);
        scaled = static_cast<std::uint64_t>(wide);
        return wide >> 64 == 0;
    }
    if (!ScaleApprox(value, decimals, scaled, remainder))
        return false;
    const std::uint64_t increment = RoundingIncrement(remainder, scaled & 1);
    if (scaled + increment < scaled)
        return false;  // 2^64
    scaled += increment;
    return true;
}

char* WriteFixedDigits(char* out, double magnitude, int decimals) {
    std::uint64_t narrow = 0;
    if (ScaledFixedDigits(magnitude, decimals, narrow)) {
        const int count = std::max(DigitCount(narrow), decimals + 1);
        return PutDigits(out, narrow, count, decimals, decimals > 0);
    }
    // Beyond 64 bits: 128 of them, or the slow path.
    const BinaryFloat value = Decompose(magnitude);
    UInt128 scaled = 0;
    Remainder remainder{};
    if (!ScaleExact(value, decimals, scaled, remainder)) {
        return std::to_chars(out, out + DECIMAL_MAX_INTEGER_DIGITS + 1 + decimals, magnitude,
                             std::chars_format::fixed, decimals)
            .ptr;
    }
    scaled += RoundingIncrement(remainder, static_cast<std::uint64_t>(scaled) & 1);
    const int count = std::max(WideDigitCount(scaled), decimals + 1);
    if (decimals == 0) {
        WriteWideDigitsBackward(out + count, scaled, count);
        return out + count;
    }
    // The digits go one place right, then the integer part moves back to make room for the point.
    WriteWideDigitsBackward(out + 1 + count, scaled, count);
    const int integerDigits = count - decimals;
    std::memmove(out, out + 1, static_cast<std::size_t>(integerDigits));
    out[integerDigits] = '.';
    return out + 1 + count;
}

}  // namespace grafyon
