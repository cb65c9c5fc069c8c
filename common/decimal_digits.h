// Exact decimal digits of doubles, rounded as the C library's printf rounds them.
#pragma once

#include <cstdint>

namespace grafyon {

// Longest integer part of a finite double in fixed notation (DBL_MAX has 309 digits).
inline constexpr int DECIMAL_MAX_INTEGER_DIGITS = 309;
// The most significant digits that ShortSignificantDigits gives (they and one more fit 64 bits).
inline constexpr int DECIMAL_MAX_SHORT_DIGITS = 18;

// A value rounded to a few significant digits: digits * 10^(exponent - count + 1).
struct ShortDecimal {
    std::uint64_t digits = 0;  // 10^(count-1) <= digits < 10^count, or 0 for zero
    int exponent = 0;          // of the first digit; 0 for zero
};

// count (1 to DECIMAL_MAX_SHORT_DIGITS) significant digits of magnitude (finite, not
// negative), rounded to nearest with ties to even on the exact binary value.
ShortDecimal ShortSignificantDigits(double magnitude, int count);

// The same for any count (at least 1) as text: writes count digits to digits, which has room
// for count + 8 characters, and returns the exponent of the first one.
int SignificantDigits(double magnitude, int count, char* digits);

// magnitude (finite, not negative) rounded to decimals places (ties to even on the exact
// binary value) times 10^decimals, when that is below 2^64 and the fast paths decide it;
// false otherwise.
bool ScaledFixedDigits(double magnitude, int decimals, std::uint64_t& scaled);

// Writes magnitude rounded to decimals places as "123.456", without a point when decimals is
// 0, and returns the end. out has room for DECIMAL_MAX_INTEGER_DIGITS + 16 + decimals
// characters.
char* WriteFixedDigits(char* out, double magnitude, int decimals);

// Writes value as exactly count digits (leading zeros as needed) that end at end.
void WriteDigitsBackward(char* end, std::uint64_t value, int count);
// Writes value as exactly count digits, with a point before the last fractionDigits of them
// when point, and returns the end; out has room for 16 characters or the text, whichever is
// more (the rest may be overwritten).
char* PutDigits(char* out, std::uint64_t value, int count, int fractionDigits, bool point);
int DigitCount(std::uint64_t value);

}  // namespace grafyon
