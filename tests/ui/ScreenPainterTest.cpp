#include "ui/ScreenPainter.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumivane;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kTeal(0, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kBackground(200, 200, 200);
const QRect kTarget(0, 0, 400, 300);

struct Picture {
    QImage image;
    FrontLayout layout;
    QColor At(int x, int y) const { return image.pixelColor(x, y); }
};

Picture Draw(const ScreenScene& scene, const QRect& rect = kTarget) {
    Picture picture{QImage(kTarget.size(), QImage::Format_RGB32), {}};
    picture.image.fill(kBackground);
    QPainter painter(&picture.image);
    picture.layout = PaintScreen(painter, rect, scene);
    return picture;
}

// The mean column of the black pixels in one row of the left third, -1 where there is none.
double BlackColumn(const QImage& image, int y) {
    double sum = 0;
    int count = 0;
    for (int x = 0; x < image.width() / 3; ++x) {
        if (image.pixelColor(x, y) == Qt::black) {
            sum += x;
            ++count;
        }
    }
    return count ? sum / count : -1;
}

} // namespace

class ScreenPainterTest : public QObject {
    Q_OBJECT

    ScopedAppContext m_context;
    std::unique_ptr<test::ScreenRoom> m_room;

    ScreenScene Scene(ScreenView view = ScreenView::Front, bool printing = false) const {
        ScreenScene scene;
        scene.subjects = m_room->Subjects();
        scene.view = view;
        scene.printing = printing;
        return scene;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::InstallModelCatalogs();
    }
    void init() { m_room = std::make_unique<test::ScreenRoom>(); }

    void imageOnTheScreenIsGreenWithARedOutline() {
        const Picture picture = Draw(Scene());
        const FrontLayout& layout = picture.layout;
        QVERIFY(layout.image);
        const int middle = layout.screen.MidY();
        const int imageLeft = layout.image->front().x;
        QCOMPARE(picture.At(layout.screen.left + 3, middle), kWhite);
        QCOMPARE(picture.At(imageLeft, middle), kRed);
        QCOMPARE(picture.At(imageLeft + 3, middle), kGreen);
        QCOMPARE(picture.At(layout.screen.MidX(), layout.screen.top + 3), kWhite);
        QCOMPARE(picture.At(layout.screen.left - 3, middle), kBackground);
    }

    void imageBesideTheScreenIsTeal() {
        m_room->SizeImage(8.0);
        const Picture picture = Draw(Scene());
        const PixelRect& screen = picture.layout.screen;
        QCOMPARE(picture.At(screen.MidX(), screen.top - 3), kTeal);
        QCOMPARE(picture.At(screen.left - 3, screen.MidY()), kTeal);
        // Off the marker, which sits at the middle.
        QCOMPARE(picture.At(screen.MidX() - 40, screen.MidY() + 30), kGreen);
    }

    void printedImageIsMaskedInsideAndMeasured() {
        m_room->SizeImage(8.0);
        const Picture picture = Draw(Scene(ScreenView::Front, true));
        const PixelRect& screen = picture.layout.screen;
        QCOMPARE(picture.At(screen.MidX(), screen.top - 3), QColor(64, 196, 196));
        // Off the printed lens mark, which sits at the middle.
        QCOMPARE(picture.At(screen.MidX() - 40, screen.MidY() + 30), QColor(128, 255, 128));
        // The screen's outline, within the pixel its edge was rounded to.
        QVERIFY(picture.At(screen.left - 1, screen.MidY()) == QColor(Qt::black) ||
                picture.At(screen.left, screen.MidY()) == QColor(Qt::black));
        QVERIFY(picture.layout.markers.empty());
    }

    void sectionScreenLeansBackWithABackwardTilt() {
        m_room->auditorium->SetTiltType(TiltAdjustable);
        m_room->auditorium->SetTiltAngle(12.0);
        const QImage image = Draw(Scene(ScreenView::Section)).image;
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (BlackColumn(image, y) >= 0) {
                bottom = y;
                top = top < 0 ? y : top;
            }
        }
        QVERIFY(bottom - top > 20);
        // The projector stands to the right: the top is farther from it than the bottom.
        QVERIFY(BlackColumn(image, top + 5) < BlackColumn(image, bottom - 5) - 5);
    }

    void pictureThatCannotBeScaledIsCrossedOut() {
        const Picture picture = Draw(Scene(), QRect(10, 10, 15, 15));
        QCOMPARE(picture.layout.state, FrontState::Unscalable);
        QCOMPARE(picture.At(17, 17), kRed);
    }

    void drawsOnAPdfPageToo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("screen.pdf"));
        {
            QPdfWriter pdf(path);
            QPainter painter(&pdf);
            const QRect half(0, 0, pdf.width(), pdf.height() / 2);
            QCOMPARE(PaintScreen(painter, half, Scene(ScreenView::Front, true)).state,
                     FrontState::Drawn);
            PaintScreen(painter, half.translated(0, half.height()),
                        Scene(ScreenView::Section, true));
        }
        QVERIFY(QFileInfo(path).size() > 1000);
    }
};

QTEST_MAIN(ScreenPainterTest)
#include "ScreenPainterTest.moc"
