#include "ui/IconLibrary.h"

#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTest>

using namespace lumivane;

class IconLibraryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyIconDrawsAtEverySize() {
        const QStringList names = IconNames();
        for (const char* name : {"new", "open", "save", "project-tree", "print", "screen-curve",
                                 "screen-tilt", "email", "email-data", "help", "auditorium",
                                 "projector", "format", "lens", "lumivane"}) {
            QVERIFY2(names.contains(QLatin1String(name)), name);
        }
        for (const QString& name : names) {
            const QIcon icon = LoadIcon(name);
            for (const int size : {16, 32}) {
                const QPixmap pixmap = icon.pixmap(QSize(size, size));
                QVERIFY2(!pixmap.isNull(), qPrintable(name));
                QCOMPARE(pixmap.size(), QSize(size, size));
            }
            QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
        }
        QVERIFY(LoadIcon(QStringLiteral("no-such-icon")).isNull());
    }

    void eachSizeIsDrawnFromTheGridThatFitsIt() {
        // The page outline of "new" lies on whole pixels of its own grid: column 2 at 16
        // pixels, column 4 at 24. Scaling the 16-pixel drawing to 24 would blur both.
        const QIcon icon = LoadIcon(QStringLiteral("new"));
        QCOMPARE(icon.pixmap(QSize(16, 16)).toImage().pixelColor(2, 8).alpha(), 255);
        QCOMPARE(icon.pixmap(QSize(24, 24)).toImage().pixelColor(4, 12).alpha(), 255);
        QCOMPARE(icon.pixmap(QSize(24, 24)).toImage().pixelColor(3, 12).alpha(), 0);
    }

    void picturesComeAtTheirSizeAndPixelRatio() {
        const QPixmap about = LoadPicture(QStringLiteral("about"), QSize(400, 310), 2.0);
        QCOMPARE(about.size(), QSize(800, 620));
        QCOMPARE(about.deviceIndependentSize(), QSizeF(400, 310));
        QVERIFY(!LoadPicture(QStringLiteral("start"), QSize(640, 480), 1.0).isNull());
        QVERIFY(LoadPicture(QStringLiteral("nothing"), QSize(10, 10), 1.0).isNull());
    }
};

QTEST_MAIN(IconLibraryTest)
#include "IconLibraryTest.moc"
