#include "app/AboutDlg.h"

#include <QStandardPaths>
#include <QTest>

class AboutDlgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsItsPictureAtExactlyItsSize() {
        CAboutDlg about;
        about.show();
        QCOMPARE(about.size(), QSize(400, 310));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Lumivane"));
        const QImage shot = about.grab().toImage();
        QVERIFY(shot.pixelColor(5, 5).lightness() < 80); // the dark sky, not an empty dialog
    }

    void closesOnAClickAndOnEscape() {
        CAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(&about, Qt::LeftButton, {}, about.rect().center());
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));

        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(AboutDlgTest)
#include "AboutDlgTest.moc"
