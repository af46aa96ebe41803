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

    void unitsFollowTheMeasurementSystem_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("metric");
        QTest::newRow("Germany") << QStringLiteral("de_DE") << true;
        QTest::newRow("France") << QStringLiteral("fr_FR") << true;
        QTest::newRow("Britain") << QStringLiteral("en_GB") << true;
        QTest::newRow("United States") << QStringLiteral("en_US") << false;
    }

    void unitsFollowTheMeasurementSystem() {
        QFETCH(QString, locale);
        QFETCH(bool, metric);
        const QLocale previous;
        QLocale::setDefault(QLocale(locale));
        const bool answer = QtClockAndLocale().LocaleIsMetric();
        QLocale::setDefault(previous);
        QCOMPARE(answer, metric);
    }
};

QTEST_GUILESS_MAIN(QtClockAndLocaleTest)
#include "QtClockAndLocaleTest.moc"
