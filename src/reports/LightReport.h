#pragma once
// The "Light and Sightlines" report: every auditorium with the angles its seats see the image
// under, and every lens set-up with its luminance, target, verdict and the lumens it needs.
// The same figures as JSON for scripts (lumivane-cli checks --json).

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

class CQorDoc;
class RichTextDoc;

namespace lumivane {

inline constexpr std::string_view kLightReportTitle = "Light and Sightlines";

void WriteLightReport(RichTextDoc& doc, const CQorDoc& project, std::string_view company);
// {"auditoriums": [...]}, each with name, farthestRowAngle, audienceCentreAngle,
// nearestRowVerticalAngle and setUps; figures not known are null.
nlohmann::json LightChecksJson(const CQorDoc& project);

} // namespace lumivane
