#include "model/ProjectorTexts.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <cmath>

namespace lumivane {

namespace {

std::string AngleText(double degrees, const char* positive, const char* negative) {
    return FormatFixed(std::fabs(degrees), 1) + " degrees " + (degrees >= 0 ? positive : negative);
}

bool LockedToCentre() {
    return Ctx().settings.m_lockProjector != 0;
}

} // namespace

std::string VerticalAngleText(double degrees) {
    return AngleText(degrees, "down", "up");
}

std::string HorizontalAngleText(double degrees) {
    return AngleText(degrees, "left", "right");
}

std::string PortholeText(const CProjectorType& projector) {
    const CAuditorium* auditorium = projector.Auditorium();
    if (auditorium == nullptr) {
        return {};
    }
    const auto [width, height] = projector.GetPortholeSize();
    return LengthText(width) + " by " + LengthText(height) + " at " +
           LengthText(auditorium->PortholeDistance());
}

ShownPosition ShownPositionOf(const CProjectorType& projector) {
    ShownPosition shown;
    const CAuditorium* auditorium = projector.Auditorium();
    const bool locked = LockedToCentre();
    shown.lateral = locked ? 0.0 : projector.Lateral();
    shown.side = locked || shown.lateral >= 0 ? "Right" : "Left";
    shown.lensHeight =
        locked && auditorium != nullptr ? auditorium->ScreenHeight() / 2 : projector.LensHeight();
    shown.updown = shown.lensHeight >= 0 ? "Up" : "Down";
    return shown;
}

LensPosition CenterPosition(const CAuditorium& auditorium) {
    return {0.0, auditorium.ScreenHeight() / 2 - Ctx().settings.m_screenEdge};
}

bool DefaultIsCenter(const CAuditorium& auditorium) {
    return !(auditorium.FloorToBooth() > 0);
}

LensPosition DefaultPosition(const CAuditorium& auditorium) {
    if (DefaultIsCenter(auditorium)) {
        return CenterPosition(auditorium);
    }
    return {0.0, auditorium.FloorToBooth() - auditorium.FloorToScreen()};
}

} // namespace lumivane
