#include "dialogs/AdjustFormatDlg.h"

#include "dialogs/PanelCornerCtrl.h"

#include <QLabel>
#include <QSpinBox>
#include <QStandardPaths>

#include "DialogTestTools.h"

namespace lumivane {

class AdjustFormatDlgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void theRightSideFollowsTheMouse();
    void typedSidesMoveBothCorners();
};

void AdjustFormatDlgTest::theRightSideFollowsTheMouse() {
    CAdjustFormatDlg dialog(1024, 768, std::nullopt);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Adjust Format"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* panel = dialog.findChild<CPanelCornerCtrl*>();
    const PanelMapping map = panel->Mapping();
    double x = 0;
    double y = 0;
    map.ToScreen(1024, 384, x, y);
    double middleX = 0;
    map.ToScreen(512, 384, middleX, y);
    const QPoint from(qRound(x) - 2, qRound(y));
    QTest::mousePress(panel, Qt::LeftButton, {}, from);
    QTest::mouseMove(panel, QPoint(qRound(middleX), qRound(y)));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(qRound(middleX), qRound(y)));

    const int right = test::Named<QSpinBox>(dialog, QStringLiteral("Right"))->value();
    QVERIFY2(std::abs(right - 512) <= 4, qPrintable(QString::number(right)));
    QCOMPARE(dialog.Corners()[1].x, right);
}

void AdjustFormatDlgTest::typedSidesMoveBothCorners() {
    PanelCorners trapezoid{{{0, 0}, {1024, 0}, {900, 768}, {0, 768}}};
    CAdjustFormatDlg dialog(1024, 768, trapezoid);
    QVERIFY(test::ButtonText(dialog, QStringLiteral("Allow trapazoidal"))->isChecked());
    auto* right = test::Named<QSpinBox>(dialog, QStringLiteral("Right"));
    QCOMPARE(right->value(), 962);
    test::TypeInto(right, QStringLiteral("512"));
    QCOMPARE(dialog.Corners()[1].x, 512);
    QCOMPARE(dialog.Corners()[2].x, 512);
    bool shown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        shown = shown || label->text() == QStringLiteral("50% of image available.");
    }
    QVERIFY(shown);
}

} // namespace lumivane

QTEST_MAIN(lumivane::AdjustFormatDlgTest)
#include "AdjustFormatDlgTest.moc"
