#include "document/ClockAndLocale.h"

#include <array>

namespace lumivane {
namespace {

std::string Formatted(const std::tm& time, const char* format) {
    std::array<char, 64> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &time);
    return std::string(text.data(), length);
}

} // namespace

std::string CurrentDateTimeText(const ClockAndLocale& clock) {
    const std::tm now = clock.LocalNow();
    return clock.ShortDate(now) + " " + clock.ShortTime(now);
}

std::tm SystemClockAndLocale::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

// Numeric fields only: these conversions do not depend on the C library's locale.
std::string SystemClockAndLocale::ShortDate(const std::tm& time) const {
    return Formatted(time, "%Y-%m-%d");
}

std::string SystemClockAndLocale::ShortTime(const std::tm& time) const {
    return Formatted(time, "%H:%M");
}

} // namespace lumivane
