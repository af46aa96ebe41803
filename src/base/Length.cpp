#include "base/Length.h"

#include "base/AppContext.h"
#include "base/NumberText.h"

#include <cmath>
#include <limits>

namespace {

constexpr double FeetPerMetre = 3.2808;
constexpr double MetresPerFoot = 0.30480370641307;
constexpr double FeetPerInch = 0.08333333333333333;
constexpr double MetresPerMillimetre = 0.001;
// Added before whole feet are taken, so that 11.0004 inches and up show as the next foot.
constexpr double WholeFootAllowance = 0.0833;
// Added to inches typed with a unit before the division by 12.
constexpr double InchAllowance = 0.0001;

bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

std::string FeetAndInches(double metres) {
    const double feetExact = std::fabs(metres) * FeetPerMetre;
    const std::int32_t feet = lumivane::TruncToInt32(feetExact + WholeFootAllowance);
    const std::int32_t inches = lumivane::TruncToInt32((feetExact - feet) * 12 + 0.5);
    return lumivane::FormatInt(feet) + "' " + lumivane::FormatInt(inches) + "\"";
}

double PartWithUnit(double number, const std::string& unit) {
    if (unit == "mm")
        return number * MetresPerMillimetre;
    switch (unit.front()) {
    case 'm':
        return number;
    case 'f':
    case '\'':
        return MetresFromFeet(number);
    case 'i':
    case '"':
        return MetresFromFeet((number + InchAllowance) * FeetPerInch);
    default:
        return 0.0;
    }
}

double PartWithoutUnit(double number, LengthKind kind) {
    switch (kind) {
    case FineInches:
        return MetresFromFeet(number * FeetPerInch);
    case Millimetres:
    case FineMillimetres:
        return number * MetresPerMillimetre;
    default:
        return lumivane::Ctx().metricUnits ? number : MetresFromFeet(number);
    }
}

} // namespace

double FeetFromMetres(double metres) {
    return metres * FeetPerMetre;
}

double MetresFromFeet(double feet) {
    return feet * MetresPerFoot;
}

void FormatLength(double value, std::string& out, LengthKind kind) {
    if (!std::isfinite(value)) {
        out = "N/A";
        return;
    }
    if (kind != Length && kind != FineInches && kind != FineMillimetres)
        return;
    switch (kind) {
    case Length:
        out = lumivane::Ctx().metricUnits ? lumivane::FormatFixed(std::fabs(value), 2) + "m"
                                          : FeetAndInches(value);
        break;
    case FineInches:
        out = lumivane::FormatFixed(std::fabs(value) * FeetPerMetre * 12, 3) + "\"";
        break;
    default:
        out = lumivane::FormatFixed(value * 1000, 2) + "mm";
        break;
    }
}

double ParseLength(std::string_view text, LengthKind kind) {
    std::string number;
    std::string unit;
    double total = 0.0;
    const auto closeWithUnit = [&] {
        total += PartWithUnit(lumivane::ParseDoublePrefix(number), unit);
        number.clear();
        unit.clear();
    };
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (IsNumberChar(c)) {
            if (!unit.empty())
                closeWithUnit();
            number += c;
        } else {
            unit += c;
        }
    }
    if (!unit.empty())
        closeWithUnit();
    else if (!number.empty())
        total += PartWithoutUnit(lumivane::ParseDoublePrefix(number), kind);
    // Only digit runs too long for a double get here: the largest length there is, so that a
    // field's highest limit, not its lowest, is what they meet.
    return std::isfinite(total) ? total : std::numeric_limits<double>::max();
}
