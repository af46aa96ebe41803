#include "ui/QtClockAndLocale.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

namespace lumivane {

std::tm QtClockAndLocale::LocalNow() const {
    const QDateTime now = QDateTime::currentDateTime();
    std::tm local{};
    local.tm_year = now.date().year() - 1900;
    local.tm_mon = now.date().month() - 1;
    local.tm_mday = now.date().day();
    local.tm_hour = now.time().hour();
    local.tm_min = now.time().minute();
    local.tm_sec = now.time().second();
    return local;
}

std::string QtClockAndLocale::ShortDate(const std::tm& time) const {
    const QDate date(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday);
    return QLocale().toString(date, QLocale::ShortFormat).toStdString();
}

std::string QtClockAndLocale::ShortTime(const std::tm& time) const {
    const QTime clock(time.tm_hour, time.tm_min);
    return QLocale().toString(clock, QLocale::ShortFormat).toStdString();
}

// The application's locale is the user's unless the program chooses another. Britain is counted
// as metric, as the platform the program came from reports it: cinema plans there are in metres.
bool QtClockAndLocale::LocaleIsMetric() const {
    return QLocale().measurementSystem() != QLocale::ImperialUSSystem;
}

} // namespace lumivane
