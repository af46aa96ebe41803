#pragma once
// Locale-independent number text. The C library's printf and strtod follow the user's
// locale once Qt has set it, which would turn "3.00m" into "3,00m"; everything the program
// writes or reads as a number goes through these instead.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {

// printf("%0.<decimals>f") with '.' as the decimal point ("nan", "-inf" for the non-finite).
// Decimals are clamped to 0..60.
std::string FormatFixed(double value, int decimals);
// printf("%<width>.<decimals>f"): the same text, padded with spaces on the left to width.
std::string FormatFixed(double value, int decimals, int width);
// printf("%d").
std::string FormatInt(long long value);
// Shortest text that reads back to the same double ("round-trip").
std::string FormatRoundTrip(double value);

// Reads the longest prefix of text that forms a decimal number, as strtod does in the "C"
// locale (leading white space skipped, optional sign, digits, '.', exponent); 0 when there is
// none. A ',' ends the number. Hexadecimal, "inf" and "nan" forms are not numbers here (they
// read as 0 or stop at the 'x'), so no text can smuggle in a non-finite value; a number too
// large for a double still reads as infinity, one too small as 0.
double ParseDoublePrefix(std::string_view text);
// Reads a leading integer as atoi does ("C" locale); 0 when there is none; saturates.
long long ParseIntPrefix(std::string_view text);

// Double to integer conversions that are defined for every input: truncation toward zero,
// NaN gives 0, values beyond the range saturate.
std::int32_t TruncToInt32(double value);
std::int16_t TruncToInt16(double value);
long long TruncToInt64(double value);

} // namespace lumivane
