#include "model/AuditoriumSettings.h"

#include "model/Auditorium.h"
#include "model/AuditoriumEdits.h"

#include <cstdint>
#include <limits>

namespace lumivane {

namespace {

// Counts from a script may be any number; the model keeps 32 bits.
std::int32_t CountOf(double value) {
    constexpr double top = std::numeric_limits<std::int32_t>::max();
    return value >= 0 && value <= top ? static_cast<std::int32_t>(value) : 0;
}

} // namespace

const std::vector<AuditoriumSettingInfo>& AuditoriumSettings() {
    using S = AuditoriumSetting;
    using V = SettingValue;
    // In the order of the enumeration, which InfoOf relies on.
    static const std::vector<AuditoriumSettingInfo> settings{
        {S::FloorToScreen, "SetFloorToScreen", "Floor to Screen", V::Length, "metres"},
        {S::FloorToBooth, "SetFloorToBooth", "Floor to Lens", V::Length, "metres"},
        {S::FrontWallWidth, "SetFrontWallWidth", "Front Wall", V::Length, "metres"},
        {S::FrontWallHeight, "SetFrontWallHeight", "Front Wall", V::Length, "metres"},
        {S::PortholeDistance, "SetPortholeDistance", "Porthole Distance", V::Length, "metres"},
        {S::ScreenWidth, "SetScreenWidth", "Screen Size", V::Length, "metres"},
        {S::ScreenHeight, "SetScreenHeight", "Screen Size", V::Length, "metres"},
        {S::DefaultThrow, "SetDefaultThrow", "Default Throw", V::Length, "metres"},
        {S::CurveType, "SetCurveType", "Screen Curve", V::Count, "position in the curve list"},
        {S::Curve, "SetCurve", "Screen Curve", V::Number, "percent"},
        {S::TiltType, "SetTiltType", "Screen Tilt", V::Count, "position in the tilt list"},
        {S::Tilt, "SetTilt", "Screen Tilt", V::Number, "degrees, backwards positive"},
        {S::AudienceDistance, "SetAudienceDistance", "Audience Distance", V::Length, "metres"},
        {S::AudienceHeight, "SetAudienceHeight", "Audience Height", V::Length, "metres"},
        {S::Seats, "SetSeats", "Seats", V::Count, "a count"},
        {S::HandicappedSeats, "SetHandicappedSeats", "Handicapped Seats", V::Count, "a count"},
        {S::CalcPorthole, "SetCalcPorthole", "Calc Porthole", V::Flag, "true or false"},
        {S::FixedScreen, "SetFixedScreen", "Screen Size Mode", V::Flag, "true or false"},
    };
    return settings;
}

const AuditoriumSettingInfo& InfoOf(AuditoriumSetting setting) {
    return AuditoriumSettings()[static_cast<std::size_t>(setting)];
}

void ApplyAuditoriumSetting(CAuditorium& a, AuditoriumSetting setting, double value) {
    const std::int32_t count = CountOf(value);
    switch (setting) {
    case AuditoriumSetting::FloorToScreen:
        return a.SetFloorToScreen(value);
    case AuditoriumSetting::FloorToBooth:
        return a.SetFloorToBooth(value);
    case AuditoriumSetting::FrontWallWidth:
        return a.SetFrontWall(value, a.FrontWall()[1]);
    case AuditoriumSetting::FrontWallHeight:
        return a.SetFrontWall(a.FrontWall()[0], value);
    case AuditoriumSetting::PortholeDistance:
        return a.SetPortholeDistance(value);
    case AuditoriumSetting::ScreenWidth:
        return a.SetScreenWidth(value);
    case AuditoriumSetting::ScreenHeight:
        return a.SetScreenHeight(value);
    case AuditoriumSetting::DefaultThrow:
        return EditDefaultThrow(a, value);
    case AuditoriumSetting::CurveType:
        return EditCurveType(a, count);
    case AuditoriumSetting::Curve:
        return EditCurveValue(a, value);
    case AuditoriumSetting::TiltType:
        return EditTiltType(a, count);
    case AuditoriumSetting::Tilt:
        return EditTiltAngle(a, value);
    case AuditoriumSetting::AudienceDistance:
        return EditAudienceDistance(a, value);
    case AuditoriumSetting::AudienceHeight:
        return EditAudienceHeight(a, value);
    case AuditoriumSetting::Seats:
        return a.SetSeats(count);
    case AuditoriumSetting::HandicappedSeats:
        return a.SetHandicappedSeats(count);
    case AuditoriumSetting::CalcPorthole:
        return a.SetCalcPorthole(value != 0);
    case AuditoriumSetting::FixedScreen:
        return EditScreenSizeMode(a, value != 0);
    }
}

} // namespace lumivane
