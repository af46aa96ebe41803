// Hostile values typed into the real fields of the views, as a user types them: each is held
// at the field's limit, the field then shows that limit with its unit, and the model holds it.

#include "base/AppContext.h"
#include "base/FieldLimits.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/QorView.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>

#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"

namespace lumivane {

using test::Named;
using test::Type;

namespace {

constexpr int kFilm = 0;
constexpr int kFourK = 2;

constexpr int kLongestTyped = 400;
const QString kNines = QString(300, QLatin1Char('9'));
const QString kTenThousand = QString(10000, QLatin1Char('8'));

QString Largest(double metres) {
    return u"The largest value allowed is %1."_qs.arg(QString::fromStdString(LengthText(metres)));
}

QString Smallest(double metres) {
    return u"The smallest value allowed is %1."_qs.arg(QString::fromStdString(LengthText(metres)));
}

// Types text into field, or pastes it when it is long, as a user would; settles it with
// Enter; the value the field then committed.
double Settle(LengthEdit* field, const QString& text) {
    QSignalSpy committed(field, &LengthEdit::valueCommitted);
    if (text.size() > kLongestTyped) {
        QGuiApplication::clipboard()->setText(text);
        Type(field, QString());
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        Type(field, text);
    }
    QTest::keyClick(field, Qt::Key_Return);
    return committed.isEmpty() ? field->Value() : committed.last().front().toDouble();
}

} // namespace

class TypedLimitsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void auditoriumLengthsStayWithinACinema();
    void seatCountsAreNeverNegativeNorAbsurd();
    void theProjectorsThrowImageAndFocalLengthHaveTheirLimits();
    void positionsStayWithinTheirBoundOnEitherSide();
    void theFormatViewsThrowIsShownOnly();

private:
    QWidget* ShowAuditorium(int auditorium) {
        m_window->pane->ShowAuditorium(auditorium);
        return m_window->pane->CurrentView();
    }
    QWidget* ShowProjector(int auditorium) {
        m_window->pane->ShowProjector(auditorium, 0);
        return m_window->pane->CurrentView();
    }
    const CAuditorium& Auditorium(int auditorium) const {
        return *m_window->doc.GetAuditorium(auditorium);
    }
    const CProjectorType& Projector(int auditorium) const {
        return *m_window->doc.GetProjector(auditorium, 0);
    }

    std::unique_ptr<test::ProjectWindow> m_window;
};

void TypedLimitsTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1000, 800}));
}

void TypedLimitsTest::auditoriumLengthsStayWithinACinema() {
    const QWidget* view = ShowAuditorium(kFilm);
    auto* wall = Named<LengthEdit>(view, u"Size of front wall"_qs);
    QCOMPARE(Settle(wall, kNines), kLongestLength);
    QCOMPARE(Auditorium(kFilm).FrontWall()[0], kLongestLength);
    QCOMPARE(wall->text(), QString::fromStdString(LengthText(kLongestLength)));
    QCOMPARE(QToolTip::text(), Largest(kLongestLength));
    QCOMPARE(Settle(wall, kTenThousand), kLongestLength);

    // A throw is stored once settled, with its floor.
    auto* throwField = Named<LengthEdit>(view, u"Throw"_qs);
    const struct {
        QString typed;
        double held;
        QString notice;
    } throws[] = {
        {kNines, kLongestLength, Largest(kLongestLength)},
        {u"1e308"_qs, kLongestLength, Largest(kLongestLength)},
        {u"nan"_qs, kThrowLimits.lowest, Smallest(kThrowLimits.lowest)},
        {u"inf"_qs, kThrowLimits.lowest, Smallest(kThrowLimits.lowest)},
        {u"-22"_qs, 22.0, QString()},
        {kTenThousand, kLongestLength, Largest(kLongestLength)},
    };
    for (const auto& t : throws) {
        QToolTip::hideText();
        QCOMPARE(Settle(throwField, t.typed), t.held);
        QCOMPARE(Auditorium(kFilm).DefaultThrow(), t.held);
        QCOMPARE(throwField->text(), QString::fromStdString(LengthText(t.held)));
        if (!t.notice.isEmpty()) {
            QCOMPARE(QToolTip::text(), t.notice);
        }
    }
    // An emptied field holds the floor rather than a throw of nothing.
    Type(throwField, u"x"_qs);
    QTest::keyClick(throwField, Qt::Key_Backspace);
    QTest::keyClick(throwField, Qt::Key_Return);
    QCOMPARE(Auditorium(kFilm).DefaultThrow(), kThrowLimits.lowest);
}

void TypedLimitsTest::seatCountsAreNeverNegativeNorAbsurd() {
    const QWidget* view = ShowAuditorium(kFilm);
    auto* seats = Named<QLineEdit>(view, u"Seats"_qs);
    auto* handicapped = Named<QLineEdit>(view, u"Handicapped"_qs);
    Type(seats, u"-40"_qs);
    QCOMPARE(Auditorium(kFilm).Seats(), 0);
    QTest::keyClick(seats, Qt::Key_Return);
    QCOMPARE(seats->text(), u"0"_qs);
    QCOMPARE(QToolTip::text(), u"The smallest value allowed is 0."_qs);
    Type(handicapped, kNines.left(11));
    QTest::keyClick(handicapped, Qt::Key_Return);
    QCOMPARE(Auditorium(kFilm).HandicappedSeats(), kSeatLimits.highest);
    QCOMPARE(handicapped->text(), u"99999"_qs);
    QCOMPARE(QToolTip::text(), u"The largest value allowed is 99999."_qs);
    Type(handicapped, u"12"_qs);
    QTest::keyClick(handicapped, Qt::Key_Return);
    QCOMPARE(Auditorium(kFilm).HandicappedSeats(), 12);
}

void TypedLimitsTest::theProjectorsThrowImageAndFocalLengthHaveTheirLimits() {
    m_window->Editor().SetLockThrowDistance(kFourK, 0, false);
    const QWidget* view = ShowProjector(kFourK);
    auto* throwField = Named<LengthEdit>(view, u"Throw"_qs);
    QCOMPARE(Settle(throwField, kNines), kLongestLength);
    QCOMPARE(Projector(kFourK).GetThrow(), kLongestLength);
    QCOMPARE(throwField->text(), QString::fromStdString(LengthText(kLongestLength)));
    QCOMPARE(Settle(throwField, u"22"_qs), 22.0);

    auto* size = Named<LengthEdit>(view, u"Image Height"_qs);
    QCOMPARE(Settle(size, u"0.00"_qs), kImageSizeLimits.lowest);
    QCOMPARE(QToolTip::text(), Smallest(kImageSizeLimits.lowest));
    QCOMPARE(Settle(size, kNines), kLongestLength);

    auto* focal = Named<LengthEdit>(view, u"Focal Length"_qs);
    QCOMPARE(Settle(focal, u"0.0"_qs), kFocalLengthLimits.lowest);
    QCOMPARE(focal->text(), u"5.0mm"_qs);
    QCOMPARE(QToolTip::text(), u"The smallest value allowed is 5.0mm."_qs);
    QCOMPARE(Settle(focal, kNines), kFocalLengthLimits.highest);
    QCOMPARE(focal->text(), u"1000.0mm"_qs);
    // Whatever the model made of these, every field shows a figure with its unit.
    for (const LengthEdit* field : view->findChildren<LengthEdit*>()) {
        const QString text = field->text();
        QVERIFY2(text.endsWith(u'm') || text.endsWith(u'"') || text == u"N/A"_qs, qPrintable(text));
    }
}

void TypedLimitsTest::positionsStayWithinTheirBoundOnEitherSide() {
    const QWidget* view = ShowProjector(kFilm);
    auto* lateral = Named<LengthEdit>(view, u"Lateral"_qs);
    QCOMPARE(Settle(lateral, u"-"_qs + kNines), -kLongestLength);
    QCOMPARE(Projector(kFilm).Lateral(), -kLongestLength);
    QCOMPARE(test::BuddyText(view, lateral), u"Left"_qs);
    QCOMPARE(QToolTip::text(), Largest(kLongestLength));
    auto* height = Named<LengthEdit>(view, u"Lens Height"_qs);
    QCOMPARE(Settle(height, kTenThousand), kLongestLength);
    QCOMPARE(Projector(kFilm).LensHeight(), kLongestLength);
}

void TypedLimitsTest::theFormatViewsThrowIsShownOnly() {
    const int format = Projector(kFilm).GetLensType(0)->GetFormat();
    m_window->pane->ShowFormat(kFilm, 0, format);
    auto* throwField = Named<LengthEdit>(m_window->pane->CurrentView(), u"Throw"_qs);
    QVERIFY(throwField->isReadOnly());
    QCOMPARE(throwField->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QVERIFY(!throwField->hasFrame());
    QVERIFY(QAccessible::queryAccessibleInterface(throwField)->state().readOnly);
    QCOMPARE(throwField->text(), QString::fromStdString(LengthText(Projector(kFilm).GetThrow())));
}

} // namespace lumivane

QTEST_MAIN(lumivane::TypedLimitsTest)
#include "TypedLimitsTest.moc"
