#pragma once
// What the views and the "Light and Sightlines" report say about the light and sightline
// checks: each figure with its target and the verdict, and "not known" where a value the
// figure needs has not been given.

#include "model/LightChecks.h"

#include <optional>
#include <string>

namespace lumivane {

inline constexpr const char* kNotKnownText = "not known";

// "45.2 cd/m² (13.2 fL)".
std::string LuminanceText(double cdM2);
// "48 cd/m² (14 fL) ±10.2 cd/m² (SMPTE ST 431-1)"; for 3D "at least 15.4 cd/m² (4.5 fL),
// premium aim 48 cd/m² (14 fL)".
std::string TargetText(const LuminanceTarget& target);
// "45.2 cd/m² (13.2 fL): in range", or "not known".
std::string SetUpLuminanceText(const SetUpLight& light);
// "12,345 lm", or "not known".
std::string LumensNeededText(const SetUpLight& light);
// "0.794": the share of the light the format passes, or "not known".
std::string LightShareText(const SetUpLight& light);
// "31.5°: in range", or "not known".
std::string HorizontalAngleText(std::optional<double> angle);
std::string VerticalAngleText(std::optional<double> angle);
// "1.75 image widths", or "not known".
std::string WidthsText(std::optional<double> widths);
// The targets beside the angles.
std::string HorizontalTargetText();
std::string VerticalTargetText();
std::string WidthsTargetText();
// "Flat: 45.2 cd/m² (13.2 fL): in range; needs 12,345 lm": the line of one set-up in the
// projector view.
std::string SetUpLightRowText(const SetUpLight& light);

} // namespace lumivane
