#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace lumivane {

namespace {

// Precision beyond this only adds zeros that no caller asks for; the cap keeps the buffer
// fixed-size for any input.
constexpr int MaxDecimals = 60;
// The widest fixed text: sign, 309 integer digits, point, decimals.
constexpr std::size_t FixedBufferSize = 1 + 309 + 1 + MaxDecimals + 8;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as isspace() sees it in the "C" locale.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipSpace(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// Where the exponent part starting at pos ends, or pos when there is no complete exponent.
std::size_t ExponentEnd(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E'))
        return pos;
    std::size_t digits = pos + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
        ++digits;
    const std::size_t end = SkipDigits(text, digits);
    return end > digits ? end : pos;
}

// Decimal order of magnitude of an unsigned number text "digits[.digits][e[sign]digits]", used
// only to tell overflow from underflow when the number does not fit a double.
long long DecimalOrder(std::string_view number) {
    long long order = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < number.size() && (IsDigit(number[pos]) || number[pos] == '.'); ++pos) {
        const char c = number[pos];
        if (c == '.') {
            afterPoint = true;
        } else if (!seenNonZero && c != '0') {
            seenNonZero = true;
            if (afterPoint)
                --order;
        } else if (seenNonZero && !afterPoint) {
            ++order;
        } else if (!seenNonZero && afterPoint) {
            --order;
        }
    }
    if (pos < number.size()) {
        ++pos;
        const bool negative = number[pos] == '-';
        if (number[pos] == '+' || number[pos] == '-')
            ++pos;
        long long exponent = 0;
        for (; pos < number.size(); ++pos)
            exponent = std::min(exponent * 10 + (number[pos] - '0'), 1'000'000'000LL);
        order += negative ? -exponent : exponent;
    }
    return order;
}

} // namespace

std::string FormatFixed(double value, int decimals) {
    const int precision = std::clamp(decimals, 0, MaxDecimals);
    char buffer[FixedBufferSize];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

std::string FormatFixed(double value, int decimals, int width) {
    std::string text = FormatFixed(value, decimals);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatInt(long long value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatRoundTrip(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double ParseDoublePrefix(std::string_view text) {
    std::size_t pos = SkipSpace(text);
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t start = pos;
    const std::size_t integerEnd = SkipDigits(text, start);
    std::size_t end = integerEnd;
    bool hasDigits = integerEnd > start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0.0;
    end = ExponentEnd(text, end);

    const std::string_view number = text.substr(start, end - start);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = DecimalOrder(number) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

long long ParseIntPrefix(std::string_view text) {
    std::size_t pos = SkipSpace(text);
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    // Accumulating toward the sign's own side lets the most negative value through exactly.
    constexpr long long lowest = std::numeric_limits<long long>::min();
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<long long>::max() : -value;
}

std::int32_t TruncToInt32(double value) {
    if (std::isnan(value))
        return 0;
    if (value <= -2147483649.0)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int16_t TruncToInt16(double value) {
    if (std::isnan(value))
        return 0;
    if (value <= -32769.0)
        return std::numeric_limits<std::int16_t>::min();
    if (value >= 32768.0)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value);
}

long long TruncToInt64(double value) {
    if (std::isnan(value))
        return 0;
    // -2^63 is the lowest long long and a double; every double below it lies out of range.
    if (value < -9223372036854775808.0)
        return std::numeric_limits<long long>::min();
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<long long>::max();
    return static_cast<long long>(value);
}

} // namespace lumivane
