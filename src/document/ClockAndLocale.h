#pragma once
// The document's window on the user's clock and locale: the date texts it fills in and the
// unit system that "follow the locale" means. The GUI answers from the platform; tests fix
// both.

#include <ctime>
#include <string>

namespace lumivane {

class ClockAndLocale {
public:
    virtual ~ClockAndLocale() = default;

    virtual std::tm LocalNow() const = 0;
    virtual std::string ShortDate(const std::tm& time) const = 0;
    // Hours and minutes in the locale's form, no seconds.
    virtual std::string ShortTime(const std::tm& time) const = 0;
    virtual bool LocaleIsMetric() const = 0;
};

// The document's date text for now: the short date, one space, the time without seconds.
std::string CurrentDateTimeText(const ClockAndLocale& clock);

} // namespace lumivane
