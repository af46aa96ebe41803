#include "support/FixedClock.h"

#include "base/NumberText.h"

namespace lumivane::test {

FixedClock::FixedClock() {
    Set(2024, 5, 6, 9, 15);
    m_now.tm_sec = 42;
}

void FixedClock::Set(int year, int month, int day, int hour, int minute) {
    m_now = std::tm{};
    m_now.tm_year = year - 1900;
    m_now.tm_mon = month - 1;
    m_now.tm_mday = day;
    m_now.tm_hour = hour;
    m_now.tm_min = minute;
}

std::string FixedClock::ShortDate(const std::tm& time) const {
    return lumivane::FormatInt(time.tm_mon + 1) + "/" + lumivane::FormatInt(time.tm_mday) + "/" +
           lumivane::FormatInt(time.tm_year % 100);
}

std::string FixedClock::ShortTime(const std::tm& time) const {
    const int hour12 = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    const std::string minutes = (time.tm_min < 10 ? "0" : "") + lumivane::FormatInt(time.tm_min);
    return lumivane::FormatInt(hour12) + ":" + minutes + (time.tm_hour < 12 ? " AM" : " PM");
}

} // namespace lumivane::test
