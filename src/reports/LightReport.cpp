#include "reports/LightReport.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "reports/ReportBlocks.h"
#include "reports/ReportTitle.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace lumivane {

namespace {

constexpr double kSquareFeetPerSquareMetre = 10.763910416709722;

nlohmann::json OrNull(std::optional<double> value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

std::string LengthText(double metres) {
    std::string text;
    FormatLength(metres, text, LengthKind::Length);
    return text;
}

std::string OptionalLengthText(std::optional<double> metres) {
    return metres ? LengthText(*metres) : std::string(kNotKnownText);
}

std::string AreaText(std::optional<double> squareMetres) {
    if (!squareMetres) {
        return kNotKnownText;
    }
    return Ctx().metricUnits
               ? FormatFixed(*squareMetres, 2) + " m\xC2\xB2"
               : FormatFixed(*squareMetres * kSquareFeetPerSquareMetre, 1) + " ft\xC2\xB2";
}

std::string FactorText(std::optional<double> value, const char* unset) {
    return value ? FormatFixed(*value, 2) : std::string(unset);
}

void Line(RichTextDoc& doc, const std::string& label, const std::string& figure,
          const std::string& target = {}) {
    doc.AppendText(label + "\t" + figure + (target.empty() ? "" : "\t" + target) + "\n");
}

void WriteRoomValues(RichTextDoc& doc, const CAuditorium& auditorium) {
    const RoomLight& room = auditorium.Light();
    Line(doc, "Screen gain:", FactorText(room.screenGain, "1.00 (not set)"));
    Line(doc, "Port glass:", FactorText(room.portGlass, "1.00 (not set)"));
    Line(doc, "3D transmission:", FactorText(room.transmission3D, "no 3D"));
    Line(doc, "Seat rows:",
         "nearest " + OptionalLengthText(room.rows.nearest) + ", farthest " +
             OptionalLengthText(room.rows.farthest) + ", eye height " +
             OptionalLengthText(room.rows.eyeHeight));
}

void WriteSightlines(RichTextDoc& doc, const RoomSightlines& lines) {
    Line(doc, "Farthest row angle:", HorizontalAngleText(lines.farthestRowAngle),
         HorizontalTargetText());
    Line(doc, "Audience centre angle:", HorizontalAngleText(lines.audienceCentreAngle),
         HorizontalTargetText());
    Line(doc, "Nearest row, up to image top:", VerticalAngleText(lines.nearestRowVerticalAngle),
         VerticalTargetText());
    Line(doc, "Farthest row distance:", WidthsText(lines.farthestRowWidths), WidthsTargetText());
}

void WriteSetUp(RichTextDoc& doc, const SetUpLight& light) {
    doc.AppendText(light.projector + " - " + light.format + "\n");
    Line(doc, "Image:",
         (light.imageWidthM ? LengthText(*light.imageWidthM) + " wide, " : std::string()) +
             AreaText(light.imageAreaM2) + ", light share " + LightShareText(light));
    Line(doc, "Luminance:", SetUpLuminanceText(light));
    Line(doc, "Target:", TargetText(light.Target()));
    Line(doc, "Lumens needed:", LumensNeededText(light));
}

void WriteAuditorium(RichTextDoc& doc, const CAuditorium& auditorium) {
    const AuditoriumChecks checks = CheckAuditorium(auditorium);
    doc.AppendText("\n");
    doc.SetCharFormat(ColumnHeaderStyle());
    doc.AppendText(checks.name + "\n");
    doc.SetCharFormat(BodyStyle());
    WriteRoomValues(doc, auditorium);
    WriteSightlines(doc, checks.sightlines);
    for (const SetUpLight& light : checks.setUps) {
        WriteSetUp(doc, light);
    }
}

nlohmann::json SetUpJson(const SetUpLight& light) {
    return {{"projector", light.projector},
            {"format", light.format},
            {"imageWidthM", OrNull(light.imageWidthM)},
            {"imageAreaM2", OrNull(light.imageAreaM2)},
            {"luminanceCdM2", OrNull(light.luminanceCdM2)},
            {"luminanceFl", OrNull(light.LuminanceFl())},
            {"targetCdM2", light.Target().aimCdM2},
            {"lumensNeeded", OrNull(light.lumensNeeded)},
            {"verdict", light.verdict ? nlohmann::json(VerdictWord(*light.verdict))
                                      : nlohmann::json(nullptr)}};
}

} // namespace

void WriteLightReport(RichTextDoc& doc, const CQorDoc& project, std::string_view company) {
    WriteTitleBlock(doc, ProjectReportTitle(project.GetTitle()), kLightReportTitle);
    WriteCompanyBlock(doc, company);
    WriteTableHeader(doc, {3200, 5400}, "\tFigure\tTarget");
    for (int i = 0; i < project.GetAuditoriumCount(); ++i) {
        WriteAuditorium(doc, *project.GetAuditorium(i));
    }
}

nlohmann::json LightChecksJson(const CQorDoc& project) {
    nlohmann::json auditoriums = nlohmann::json::array();
    for (int i = 0; i < project.GetAuditoriumCount(); ++i) {
        const AuditoriumChecks checks = CheckAuditorium(*project.GetAuditorium(i));
        nlohmann::json setUps = nlohmann::json::array();
        for (const SetUpLight& light : checks.setUps) {
            setUps.push_back(SetUpJson(light));
        }
        auditoriums.push_back(
            {{"name", checks.name},
             {"farthestRowAngle", OrNull(checks.sightlines.farthestRowAngle)},
             {"audienceCentreAngle", OrNull(checks.sightlines.audienceCentreAngle)},
             {"nearestRowVerticalAngle", OrNull(checks.sightlines.nearestRowVerticalAngle)},
             {"setUps", std::move(setUps)}});
    }
    return {{"auditoriums", std::move(auditoriums)}};
}

} // namespace lumivane
