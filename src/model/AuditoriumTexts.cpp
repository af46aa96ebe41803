#include "model/AuditoriumTexts.h"

#include "base/NumberText.h"
#include "model/Auditorium.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace lumivane {
namespace {

constexpr long long kFirstDivisor = 11;

// The percentage that numerator and denominator give once both are divided by divisor,
// rounded to whole numbers.
double ReducedPercent(long long numerator, long long denominator, long long divisor) {
    const long long top = (numerator + divisor / 2) / divisor * 100;
    const long long bottom = (denominator + divisor / 2) / divisor;
    return static_cast<double>(top) / static_cast<double>(bottom);
}

} // namespace

Fraction CurveFraction(double percent, double tolerance) {
    long long n = TruncToInt32(percent);
    long long d = 100;
    long long best = kFirstDivisor;
    double tol = tolerance;
    long long i = kFirstDivisor;
    while (n > 1 && d >= i) {
        const double error = std::fabs(ReducedPercent(n, d, i) / percent - 1);
        if (error < tol) {
            best = i;
            tol = error;
        }
        if (i > 2) {
            --i;
            continue;
        }
        // A round without any divisor inside the tolerance ends the search.
        if (!(tol < tolerance)) {
            break;
        }
        n = (n + best / 2) / best;
        d = (d + best / 2) / best;
        tol = tolerance;
        i = std::min(d, kFirstDivisor);
        if (i < 2) {
            break;
        }
    }
    return {n, d};
}

std::string FractionText(const Fraction& fraction) {
    if (fraction.numerator == 0) {
        return "None";
    }
    if (fraction.denominator == 1) {
        return FormatInt(fraction.numerator);
    }
    return FormatInt(fraction.numerator) + "/" + FormatInt(fraction.denominator);
}

std::string CurvePercentText(double percent) {
    return FormatFixed(percent, 0, 3) + "%";
}

std::string ChordDepthText(const CAuditorium& auditorium) {
    const double percent = auditorium.GetCurvePercent();
    return LengthText(percent == 0 ? 0.0 : auditorium.GetChordDepth(nullptr));
}

std::string CurveText(const CAuditorium& auditorium) {
    const double percent = auditorium.GetCurvePercent();
    return CurvePercentText(percent) + " or " +
           FractionText(CurveFraction(percent, kViewFractionTolerance)) + " of the throw.\n" +
           "Screen chord depth of " + ChordDepthText(auditorium);
}

std::string TiltMagnitudeText(double degrees) {
    return FormatFixed(std::fabs(degrees), 1, 3);
}

std::string TiltDirectionText(double degrees) {
    return degrees > 0 ? "backwards" : degrees < 0 ? "forwards" : "";
}

std::string TiltText(double degrees) {
    return TiltMagnitudeText(degrees) + " degrees tilted " + TiltDirectionText(degrees);
}

std::string AudienceSideText(double height) {
    return height >= 0 ? "above" : "below";
}

std::int32_t SeatCountFromText(std::string_view text) {
    const long long count = ParseIntPrefix(text);
    return static_cast<std::int32_t>(std::clamp<long long>(count, INT32_MIN, INT32_MAX));
}

std::string SeatsTotalText(const CAuditorium& auditorium) {
    const long long total =
        static_cast<long long>(auditorium.Seats()) + auditorium.HandicappedSeats();
    return "Seats: " + FormatInt(total);
}

std::string ProjectorCountText(const CAuditorium& auditorium) {
    return "Projectors: " + FormatInt(auditorium.ProjectorCount());
}

const std::vector<std::string>& CurveTypeNames() {
    static const std::vector<std::string> names{
        "None", "Recommended - 1 in 20", "2/3", "3/4", "7/8", "Throw", "Adjustable"};
    return names;
}

const std::vector<std::string>& CurveBarTypeNames() {
    static const std::vector<std::string> names{"None", "Recommended", "2/3",       "3/4",
                                                "7/8",  "Throw",       "Adjustable"};
    return names;
}

const std::vector<std::string>& TiltTypeNames() {
    static const std::vector<std::string> names{"None", "Recommended", "Adjustable"};
    return names;
}

// The thresholds are halves of the unit width, compared doubled to stay in whole numbers.
SettingsLabels SettingsLabelsFor(int paneWidth, int unitWidth) {
    const long long twice = 2LL * paneWidth;
    const long long w = unitWidth;
    std::string frontWall = twice > 83 * w ? "Size of front wall " : "Front wall ";
    if (twice > 97 * w) {
        return {"Finished floor to screen bottom ", "Finished floor to lens ", frontWall};
    }
    if (twice > 85 * w) {
        return {"FF to screen bottom ", "FF to lens ", frontWall};
    }
    return {"FF to scrn. B ", "FF to L ", frontWall};
}

} // namespace lumivane
