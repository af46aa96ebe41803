#include "ui/QtClockAndLocale.h"

#include <QLocale>
#include <QTest>

using namespace lumivane;

class QtClockAndLocaleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void datesFollowTheLocaleWithoutSeconds() {
        QtClockAndLocale clock;
        std::tm time{};
        time.tm_year = 124;
        time.tm_mon = 4;
        time.tm_mday = 6;
        time.tm_hour = 21;
        time.tm_min = 5;
        time.tm_sec = 42;
        const QString date = QString::fromStdString(clock.ShortDate(time));
        const QString shortTime = QString::fromStdString(clock.ShortTime(time));
        QCOMPARE(date, QLocale::system().toString(QDate(2024, 5, 6), QLocale::ShortFormat));
        QVERIFY(!shortTime.contains(QStringLiteral("42")));
        QVERIFY(shortTime.contains(QStringLiteral("05")));
    }

    void nowIsTodayAsDateSpaceTime() {
        QtClockAndLocale clock;
        const std::tm now = clock.LocalNow();
        QCOMPARE(now.tm_year + 1900, QDate::currentDate().year());
        const std::string text = CurrentDateTimeText(clock);
        QCOMPARE(text, clock.ShortDate(now) + " " + clock.ShortTime(now));
    }

    void unitsFollowTheMeasurementSystem() {
        QCOMPARE(QtClockAndLocale().LocaleIsMetric(),
                 QLocale::system().measurementSystem() == QLocale::MetricSystem);
    }
};

QTEST_GUILESS_MAIN(QtClockAndLocaleTest)
#include "QtClockAndLocaleTest.moc"
