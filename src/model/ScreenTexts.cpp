#include "model/ScreenTexts.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

constexpr long long kLargestDivisor = 11;

} // namespace

std::pair<long long, long long> CurveFraction(double percent, double tolerance) {
    // 64-bit, so the rounding additions cannot overflow for any percentage.
    long long n = TruncToInt32(percent);
    long long d = 100;
    long long best = kLargestDivisor;
    long long i = kLargestDivisor;
    double tol = tolerance;
    while (n > 1 && d >= i) {
        const double candidate =
            static_cast<double>((n + i / 2) / i * 100) / static_cast<double>((d + i / 2) / i);
        const double error = std::fabs(candidate / percent - 1);
        if (error < tol) {
            best = i;
            tol = error;
        }
        if (i > 2) {
            --i;
            continue;
        }
        if (tol >= tolerance) {
            break;
        }
        n = (n + best / 2) / best;
        d = (d + best / 2) / best;
        tol = tolerance;
        i = std::min(d, kLargestDivisor);
        if (i < 2) {
            break;
        }
    }
    return {n, d};
}

std::string CurveFractionText(double percent, double tolerance) {
    const auto [n, d] = CurveFraction(percent, tolerance);
    if (n == 0) {
        return "None";
    }
    return d == 1 ? FormatInt(n) : FormatInt(n) + "/" + FormatInt(d);
}

std::string CurvePercentText(double percent) {
    return FormatFixed(percent, 0, 3) + "%";
}

std::string TiltMagnitudeText(double degrees) {
    return FormatFixed(std::fabs(degrees), 0, 3);
}

std::string TiltDirectionText(double degrees) {
    if (degrees > 0) {
        return "backwards";
    }
    return degrees < 0 ? "forwards" : "";
}

std::string AudienceSideText(double height) {
    return height >= 0 ? "above" : "below";
}

} // namespace lumivane
