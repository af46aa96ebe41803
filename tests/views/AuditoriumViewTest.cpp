#include "views/AuditoriumView.h"

#include "model/Auditorium.h"
#include "model/AuditoriumTexts.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/ScreenDisplay.h"
#include "views/ValueSlider.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"
#include "SliderDrag.h"

namespace lumivane {

using test::Named;
using test::Type;

namespace {

constexpr int kCurved = 0;
constexpr int kTilted = 1;
constexpr int kFlat = 2;

} // namespace

class AuditoriumViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void curveAndTiltTextsFollowTheModel();
    void eachFieldStoresItsValue();
    void aSeatsKeystrokeWritesTheSeatsOnly();
    void aTypedDefaultThrowIsStoredOnEnterWithItsFloor();
    void typingAFieldIsOneUndoStep();
    void aSliderDragIsOneUndoStep();
    void visitingChangesNoByte();
    void narrowPanesShortenTheLabels();
    void theDrawingFollowsTheAuditoriumAsRowsMove();
    void grabsAtThreePaneWidths();

private:
    CAuditoriumView* Show(int auditorium);
    CAuditorium& Model(int auditorium) {
        return const_cast<CAuditorium&>(*m_window->doc.GetAuditorium(auditorium));
    }

    std::unique_ptr<test::ProjectWindow> m_window;
};

void AuditoriumViewTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({900, 760}));
}

CAuditoriumView* AuditoriumViewTest::Show(int auditorium) {
    m_window->pane->ShowAuditorium(auditorium);
    return qobject_cast<CAuditoriumView*>(m_window->pane->CurrentView());
}

void AuditoriumViewTest::curveAndTiltTextsFollowTheModel() {
    const CAuditoriumView* view = Show(kCurved);
    const QString curve = QString::fromStdString(CurveText(Model(kCurved)));
    QVERIFY(curve.startsWith(u" 67% or 2/3 of the throw.\nScreen chord depth of "_qs));
    const auto hasText = [view](const QString& text) {
        for (const QLabel* label : view->findChildren<QLabel*>()) {
            if (label->text() == text) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(hasText(curve));
    QVERIFY(hasText(u"0.0 degrees tilted "_qs));
    Show(kTilted);
    QVERIFY(hasText(u"5.0 degrees tilted backwards"_qs));
    QVERIFY(hasText(u"  0% or None of the throw.\nScreen chord depth of 0.00m"_qs));
    QCOMPARE(Named<QComboBox>(view, u"Screen Tilt"_qs)->currentText(), u"Adjustable"_qs);
    QVERIFY(Named<ValueSlider>(view, u"Tilt"_qs)->isEnabled());
    QVERIFY(!Named<ValueSlider>(view, u"Curve"_qs)->isEnabled());
}

void AuditoriumViewTest::eachFieldStoresItsValue() {
    const CAuditoriumView* view = Show(kFlat);
    const CAuditorium& a = Model(kFlat);
    Type(Named<LengthEdit>(view, u"Finished floor to screen bottom"_qs), u"1.5"_qs);
    Type(Named<LengthEdit>(view, u"Finished floor to lens"_qs), u"6"_qs);
    Type(Named<LengthEdit>(view, u"Size of front wall"_qs), u"18"_qs);
    Type(Named<LengthEdit>(view, u"Size of front wall by"_qs), u"9"_qs);
    Type(Named<QLineEdit>(view, u"Handicapped"_qs), u"6"_qs);
    Type(Named<QPlainTextEdit>(view, u"Comments"_qs), u"Dolby"_qs);
    QCOMPARE(a.FloorToScreen(), 1.5);
    QCOMPARE(a.FloorToBooth(), 6.0);
    QCOMPARE(a.FrontWall()[0], 18.0);
    QCOMPARE(a.FrontWall()[1], 9.0);
    QCOMPARE(a.HandicappedSeats(), 6);
    QCOMPARE(a.Comments(), std::string("Dolby"));

    const double height = a.ScreenHeight();
    Named<QComboBox>(view, u"Screen Curve"_qs)->setCurrentIndex(CurveAdjustable);
    QCOMPARE(a.CurveTypeValue(), CurveAdjustable);
    QVERIFY(a.ScreenHeight() != height); // the calculated screen follows the curve
    auto* curve = Named<ValueSlider>(view, u"Curve"_qs);
    curve->setFocus();
    QTest::keyClick(curve, Qt::Key_Right);
    QCOMPARE(a.CurveValue(), curve->Value());

    Named<QPushButton>(view, u"Calc"_qs)->click();
    QCOMPARE(a.FixedScreen(), 1);
    Type(Named<LengthEdit>(view, u"Screen Size"_qs), u"15"_qs);
    QCOMPARE(a.ScreenWidth(), 15.0);
    // The example's rooms calculate their portholes.
    Named<QCheckBox>(view, u"Calc porthole"_qs)->click();
    QCOMPARE(a.CalcPorthole(), 0);
    Named<QCheckBox>(view, u"Calc porthole"_qs)->click();
    QCOMPARE(a.CalcPorthole(), 1);
    Type(Named<LengthEdit>(view, u"Porthole distance"_qs), u"2"_qs);
    QCOMPARE(a.PortholeDistance(), 2.0);
}

// The curve and tilt below are no slider positions, so writing the sliders back would move them.
void AuditoriumViewTest::aSeatsKeystrokeWritesTheSeatsOnly() {
    m_window->Editor().EditAuditorium(kCurved, {0, "Setup"}, [](CAuditorium& a) {
        a.SetCurveType(CurveAdjustable);
        a.SetCurveValue(123.45);
        a.SetTiltType(TiltAdjustable);
        a.SetTiltAngle(5.05);
    });
    const CAuditoriumView* view = Show(kCurved);
    const auto before = m_window->Bytes();
    const std::int32_t seats = Model(kCurved).Seats();
    Type(Named<QLineEdit>(view, u"Seats"_qs), u"7"_qs);
    QCOMPARE(Model(kCurved).Seats(), 7);
    m_window->Editor().EditAuditorium(kCurved, {0, "Back"},
                                      [seats](CAuditorium& a) { a.SetSeats(seats); });
    QVERIFY(m_window->Bytes() == before);
}

void AuditoriumViewTest::aTypedDefaultThrowIsStoredOnEnterWithItsFloor() {
    const CAuditoriumView* view = Show(kFlat);
    auto* field = Named<LengthEdit>(view, u"Throw"_qs);
    const double before = Model(kFlat).DefaultThrow();
    Type(field, u"2"_qs);
    QCOMPARE(Model(kFlat).DefaultThrow(), before);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Model(kFlat).DefaultThrow(), 3.0);
    QCOMPARE(field->Value(), 3.0);
    QCOMPARE(m_window->undo.Stack()->count(), 1);
    // A change of unit system writes every length again.
    m_window->Editor().SetMetricUnits(false);
    QCOMPARE(field->text(), u"9' 10\""_qs);
}

void AuditoriumViewTest::typingAFieldIsOneUndoStep() {
    const CAuditoriumView* view = Show(kFlat);
    const double booth = Model(kFlat).FloorToBooth();
    auto* field = Named<LengthEdit>(view, u"Finished floor to lens"_qs);
    Type(field, u"12.5"_qs);
    QTest::keyClick(field, Qt::Key_Return);
    Type(Named<QLineEdit>(view, u"Seats"_qs), u"250"_qs);
    QCOMPARE(m_window->undo.Stack()->count(), 2);
    m_window->undo.Undo();
    m_window->undo.Undo();
    QCOMPARE(Model(kFlat).FloorToBooth(), booth);
    QCOMPARE(Model(kFlat).Seats(), 304);
}

void AuditoriumViewTest::aSliderDragIsOneUndoStep() {
    const CAuditoriumView* view = Show(kTilted);
    auto* tilt = Named<ValueSlider>(view, u"Tilt"_qs);
    const double before = Model(kTilted).GetTiltAngle();
    test::DragSlider(tilt, {{10, 0}, {20, 0}, {30, 0}});
    QVERIFY(Model(kTilted).GetTiltAngle() > before);
    QCOMPARE(Model(kTilted).GetTiltAngle(), tilt->Value());
    QCOMPARE(m_window->undo.Stack()->count(), 1);
    m_window->undo.Undo();
    QCOMPARE(Model(kTilted).GetTiltAngle(), before);
}

void AuditoriumViewTest::visitingChangesNoByte() {
    const auto before = m_window->Bytes();
    for (int auditorium : {kCurved, kTilted, kFlat}) {
        CAuditoriumView* view = Show(auditorium);
        for (QWidget* field : view->findChildren<QWidget*>()) {
            field->setFocus();
        }
        view->resize(500, 700);
        view->ResetFields();
        view->CommitEdits();
        // Greyed sliders stand for derived values; a screen reader's value stores nothing.
        for (ValueSlider* slider : view->findChildren<ValueSlider*>()) {
            if (!slider->isEnabled()) {
                QAccessible::queryAccessibleInterface(slider)->valueInterface()->setCurrentValue(
                    slider->minimum() + 1);
            }
        }
    }
    m_window->pane->ShowProjectView();
    QVERIFY(m_window->Bytes() == before);
    QVERIFY(!m_window->doc.IsModified());
    QCOMPARE(m_window->undo.Stack()->count(), 0);
}

void AuditoriumViewTest::narrowPanesShortenTheLabels() {
    CAuditoriumView* view = Show(kFlat);
    const int w = view->fontMetrics().horizontalAdvance(u"Wy"_qs);
    const auto buddyText = [view](const QString& field) {
        return test::BuddyText(view, Named<LengthEdit>(view, field));
    };
    view->resize(w * 84 / 2, view->height());
    QCOMPARE(buddyText(u"Finished floor to screen bottom"_qs), u"FF to scrn. B "_qs);
    QCOMPARE(buddyText(u"Finished floor to lens"_qs), u"FF to L "_qs);
    QCOMPARE(buddyText(u"Size of front wall"_qs), u"Size of front wall "_qs);
    view->resize(w * 50, view->height());
    QCOMPARE(buddyText(u"Finished floor to screen bottom"_qs),
             u"Finished floor to screen bottom "_qs);
}

void AuditoriumViewTest::theDrawingFollowsTheAuditoriumAsRowsMove() {
    const CAuditoriumView* view = Show(kFlat);
    const auto* display = view->findChild<ScreenDisplay*>();
    QCOMPARE(display->Scene().subjects.auditorium, &Model(kFlat));
    m_window->Editor().DeleteAuditorium(
        kCurved, [](const std::string&, const std::string&) { return true; });
    QCOMPARE(display->Scene().subjects.auditorium, &Model(kFlat - 1));
}

// Set LUMIVANE_SCREENSHOTS to a folder to look at the pictures.
void AuditoriumViewTest::grabsAtThreePaneWidths() {
    const QString folder = qEnvironmentVariable("LUMIVANE_SCREENSHOTS");
    for (int auditorium : {kFlat, kCurved, kTilted}) {
        CAuditoriumView* view = Show(auditorium);
        for (int width : {640, 800, 1100}) {
            m_window->window.resize(width, 700);
            m_window->pane->resize(width, 700);
            // The labels follow the new width, then the fields follow the labels.
            for (int pass = 0; pass < 3; ++pass) {
                QCoreApplication::processEvents();
            }
            const QPixmap picture = view->grab();
            QCOMPARE(picture.width(), view->width());
            if (!folder.isEmpty()) {
                picture.save(
                    QDir(folder).filePath(u"auditorium-%1-%2.png"_qs.arg(auditorium).arg(width)));
            }
        }
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::AuditoriumViewTest)
#include "AuditoriumViewTest.moc"
