#include "model/AuditoriumEdits.h"

#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/LensType.h"

#include <algorithm>
#include <cmath>

namespace lumivane {
namespace {

// The images have been refreshed for the new shape; the rest of the room follows.
void FinishShapeChange(CAuditorium& auditorium) {
    auditorium.FitToImages(nullptr);
}

// What follows a change of the audience: the images first, then the rest.
void RecalculateScreenShape(CAuditorium& auditorium) {
    auditorium.RefreshAllImages();
    FinishShapeChange(auditorium);
}

} // namespace

void EditCurveType(CAuditorium& auditorium, int type) {
    auditorium.SetCurveType(type);
    FinishShapeChange(auditorium);
}

void EditCurveValue(CAuditorium& auditorium, double percent) {
    if (!std::isfinite(percent)) {
        return;
    }
    auditorium.SetCurveValue(percent);
    FinishShapeChange(auditorium);
}

void EditTiltType(CAuditorium& auditorium, int type) {
    auditorium.SetTiltType(type);
    FinishShapeChange(auditorium);
}

void EditTiltAngle(CAuditorium& auditorium, double degrees) {
    if (!std::isfinite(degrees)) {
        return;
    }
    auditorium.SetTiltAngle(degrees);
    FinishShapeChange(auditorium);
}

void EditAudienceHeight(CAuditorium& auditorium, double height) {
    if (!std::isfinite(height)) {
        return;
    }
    auditorium.SetAudienceHeight(height);
    RecalculateScreenShape(auditorium);
}

void EditAudienceDistance(CAuditorium& auditorium, double distance) {
    if (!std::isfinite(distance)) {
        return;
    }
    auditorium.SetAudienceDistance(distance);
    RecalculateScreenShape(auditorium);
}

void EditDefaultThrow(CAuditorium& auditorium, double throwDistance) {
    if (!std::isfinite(throwDistance)) {
        return;
    }
    auditorium.SetDefaultThrow(std::max(throwDistance, kMinimumTypedThrow), 1);
    // Every image on the default throw changed size: the room follows their new extents.
    FinishShapeChange(auditorium);
}

void EditScreenSizeMode(CAuditorium& auditorium, bool fixed) {
    auditorium.SetFixedScreen(fixed);
    // A calculated screen that waited for the next edit would show, print and save a size
    // that holds no image, and the project would reopen with another.
    if (!fixed) {
        FinishShapeChange(auditorium);
    }
}

} // namespace lumivane
