#include "base/FieldLimits.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

LimitCrossed CrossedLimit(double metres, const LengthLimits& limits) {
    if (std::isnan(metres) || metres < limits.lowest)
        return LimitCrossed::Lowest;
    if (metres > limits.highest)
        return LimitCrossed::Highest;
    return LimitCrossed::None;
}

double ClampLength(double metres, const LengthLimits& limits) {
    switch (CrossedLimit(metres, limits)) {
    case LimitCrossed::Lowest:
        return limits.lowest;
    case LimitCrossed::Highest:
        return limits.highest;
    case LimitCrossed::None:
        break;
    }
    return metres;
}

std::int32_t CountFromText(std::string_view text, const CountLimits& limits) {
    return static_cast<std::int32_t>(
        std::clamp<long long>(ParseIntPrefix(text), limits.lowest, limits.highest));
}

LimitCrossed CrossedLimit(std::string_view countText, const CountLimits& limits) {
    const long long typed = ParseIntPrefix(countText);
    if (typed < limits.lowest)
        return LimitCrossed::Lowest;
    if (typed > limits.highest)
        return LimitCrossed::Highest;
    return LimitCrossed::None;
}

TypedNumber NumberFromText(std::string_view text, const NumberLimits& limits) {
    TypedNumber typed;
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return typed;
    }
    typed.empty = false;
    const double number = ParseDoublePrefix(text);
    typed.value =
        std::isfinite(number) ? std::clamp(number, limits.lowest, limits.highest) : limits.lowest;
    if (typed.value != number) {
        const bool low = !(number >= limits.lowest);
        typed.notice = LimitNotice(low ? LimitCrossed::Lowest : LimitCrossed::Highest,
                                   FormatRoundTrip(low ? limits.lowest : limits.highest));
    }
    return typed;
}

std::string LimitNotice(LimitCrossed crossed, const std::string& limitText) {
    switch (crossed) {
    case LimitCrossed::Lowest:
        return "The smallest value allowed is " + limitText + ".";
    case LimitCrossed::Highest:
        return "The largest value allowed is " + limitText + ".";
    case LimitCrossed::None:
        break;
    }
    return {};
}

std::string CountLimitNotice(LimitCrossed crossed, const CountLimits& limits) {
    const std::int32_t limit = crossed == LimitCrossed::Lowest ? limits.lowest : limits.highest;
    return LimitNotice(crossed, FormatInt(limit));
}

} // namespace lumivane
