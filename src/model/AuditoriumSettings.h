#pragma once
// The auditorium's own settings as the auditorium view, the screen bars and scripts change
// them: each has a fixed name, the label of its undo step and the model call that applies it.

#include <string>
#include <vector>

class CAuditorium;

namespace lumivane {

enum class AuditoriumSetting {
    FloorToScreen,
    FloorToBooth,
    FrontWallWidth,
    FrontWallHeight,
    PortholeDistance,
    ScreenWidth,
    ScreenHeight,
    DefaultThrow,
    CurveType,
    Curve,
    TiltType,
    Tilt,
    AudienceDistance,
    AudienceHeight,
    Seats,
    HandicappedSeats,
    CalcPorthole,
    FixedScreen
};

enum class SettingValue { Length, Number, Count, Flag };

struct AuditoriumSettingInfo {
    AuditoriumSetting setting;
    // The operation that sets it ("SetScreenWidth").
    const char* name;
    const char* label;
    SettingValue kind;
    // What the value is, for those who script it.
    const char* value;
};

const std::vector<AuditoriumSettingInfo>& AuditoriumSettings();
const AuditoriumSettingInfo& InfoOf(AuditoriumSetting setting);
// Counts are truncated toward zero and flags are "not zero"; lengths are metres, the curve
// percent and the tilt degrees.
void ApplyAuditoriumSetting(CAuditorium& auditorium, AuditoriumSetting setting, double value);

} // namespace lumivane
