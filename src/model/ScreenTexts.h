#pragma once
// The words and numbers with which the auditorium view, the screen bars and the options sheet
// describe a screen's curve and tilt.

#include <string>
#include <utility>

namespace lumivane {

// The curve percentage as a simple fraction of the throw (numerator, denominator), found by
// trying the divisors 11 down to 2 on percent / 100 within the tolerance.
std::pair<long long, long long> CurveFraction(double percent, double tolerance);
// "None" when the numerator is 0, "%d" when the denominator is 1, else "%d/%d".
std::string CurveFractionText(double percent, double tolerance);
// "%3.0f%%" of the percentage.
std::string CurvePercentText(double percent);
// "%3.0f" of the angle's magnitude.
std::string TiltMagnitudeText(double degrees);
// "backwards" for a positive angle, "forwards" for a negative one, empty at 0.
std::string TiltDirectionText(double degrees);
// Where the audience centre sits against the bottom of the screen.
std::string AudienceSideText(double height);

} // namespace lumivane
