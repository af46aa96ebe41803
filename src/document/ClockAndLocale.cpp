#include "document/ClockAndLocale.h"

namespace lumivane {

std::string CurrentDateTimeText(const ClockAndLocale& clock) {
    const std::tm now = clock.LocalNow();
    return clock.ShortDate(now) + " " + clock.ShortTime(now);
}

} // namespace lumivane
