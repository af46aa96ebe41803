#pragma once
// The document's dates and the "follow the locale" unit choice, from the system locale.

#include "document/ClockAndLocale.h"

namespace lumivane {

class QtClockAndLocale : public ClockAndLocale {
public:
    std::tm LocalNow() const override;
    std::string ShortDate(const std::tm& time) const override;
    std::string ShortTime(const std::tm& time) const override;
    bool LocaleIsMetric() const override;
};

} // namespace lumivane
