#pragma once
// A clock and locale that tests set: a fixed time, a US-style short date and a chosen
// measurement system.

#include "document/ClockAndLocale.h"

namespace lumivane::test {

class FixedClock : public ClockAndLocale {
public:
    // 6 May 2024, 09:15:42.
    FixedClock();

    void Set(int year, int month, int day, int hour, int minute);
    void SetMetric(bool metric) { m_metric = metric; }

    std::tm LocalNow() const override { return m_now; }
    // "5/6/24"
    std::string ShortDate(const std::tm& time) const override;
    // "9:15 AM"
    std::string ShortTime(const std::tm& time) const override;
    bool LocaleIsMetric() const override { return m_metric; }

private:
    std::tm m_now{};
    bool m_metric = true;
};

} // namespace lumivane::test
