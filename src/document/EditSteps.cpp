#include "document/EditSteps.h"

namespace lumivane {

StepName SettingStep(AuditoriumSetting setting) {
    // Past every fixed step's identity.
    constexpr int first = 1000;
    return {first + static_cast<int>(setting), InfoOf(setting).label};
}

} // namespace lumivane
