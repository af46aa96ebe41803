#include "views/ProjectorView.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "model/Auditorium.h"
#include "model/AuditoriumSettings.h"
#include "model/LensChoice.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "views/FormatListCtrl.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/LensListBox.h"
#include "views/SetUpListModel.h"
#include "views/ValueSlider.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"
#include "ModalAnswers.h"
#include "ProjectWindow.h"
#include "SliderDrag.h"

namespace lumivane {

using test::ModalAnswers;
using test::Named;
using test::Type;

namespace {

constexpr int kFilm = 0;
constexpr int kFourK = 2;
// A copy of the shown auditorium that the core's own commands edit, to compare with.
constexpr int kCopy = 3;

} // namespace

class ProjectorViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void aTypedThrowIsStoredOnEnterWithItsFloor();
    void theThrowQuestionTwiceWithYesRestoresTheMode();
    void focalAndImageEditsFollowTheLockModeAsTheCoreDoes();
    void sizeModeCenterAndDefaultAreOneStepEach();
    void aSliderDragStoresAsItMovesInOneStep();
    void thePortholeFollowsTheFocalLength();
    void everyControlIsNamedAndTabFollowsTheLayout();
    void removingTheListedFormatListsAnother();
    void aProjectorWithoutFormatsOnlyMoves();
    void visitingChangesNoByte();
    void grabsWithManyFormats();

private:
    CProjectorView* Show(int auditorium);
    const CProjectorType& Projector(int auditorium) {
        return *m_window->doc.GetProjector(auditorium, 0);
    }
    const CLensType& SetUp(int auditorium, CProjectorView* view) {
        return *m_window->doc.GetLensType(auditorium, 0, view->CurrentFormat());
    }

    std::unique_ptr<test::ProjectWindow> m_window;
};

void ProjectorViewTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1000, 800}));
}

CProjectorView* ProjectorViewTest::Show(int auditorium) {
    m_window->pane->ShowProjector(auditorium, 0);
    return qobject_cast<CProjectorView*>(m_window->pane->CurrentView());
}

void ProjectorViewTest::aTypedThrowIsStoredOnEnterWithItsFloor() {
    m_window->Editor().SetLockThrowDistance(kFourK, 0, false);
    const CProjectorView* view = Show(kFourK);
    auto* field = Named<LengthEdit>(view, u"Throw"_qs);
    QVERIFY(field->isEnabled());
    Type(field, u"2"_qs);
    QCOMPARE(Projector(kFourK).GetThrow(), 24.0);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Projector(kFourK).GetThrow(), 3.0);
    QCOMPARE(field->text(), u"3.00m"_qs);
    Type(field, u"25"_qs);
    QCOMPARE(Projector(kFourK).GetThrow(), 3.0);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(Projector(kFourK).GetThrow(), 25.0);
    QCOMPARE(m_window->undo.Stack()->count(), 3);
}

void ProjectorViewTest::theThrowQuestionTwiceWithYesRestoresTheMode() {
    const CProjectorView* view = Show(kFourK);
    ModalAnswers answers;
    answers.Add(ModalAnswers::Press(QMessageBox::Yes));
    answers.Add(ModalAnswers::Press(QMessageBox::Yes));
    QCOMPARE(Projector(kFourK).UseDefaultThrow(), 1);
    Named<QPushButton>(view, u"Throw"_qs)->click();
    QCOMPARE(Projector(kFourK).UseDefaultThrow(), 0);
    auto* field = Named<LengthEdit>(view, u"Throw"_qs);
    QVERIFY(field->isEnabled());
    Type(field, u"30"_qs);
    QTest::keyClick(field, Qt::Key_Return);
    // Locked again, the projector takes the auditorium's default throw at once.
    Named<QPushButton>(view, u"Throw"_qs)->click();
    QCOMPARE(Projector(kFourK).UseDefaultThrow(), 1);
    QCOMPARE(Projector(kFourK).GetThrow(), m_window->doc.GetAuditorium(kFourK)->DefaultThrow());
    QVERIFY(!field->isEnabled());
    QCOMPARE(answers.Seen().size(), 2);
    QVERIFY(answers.Seen()[0].contains(u"must be set indiviually"_qs));
    QVERIFY(answers.Seen()[1].startsWith(
        u"Projector Throw Distance: This will set the projector to use the default throw"_qs));
}

// The view's edits end as the core's commands leave a copy of the auditorium.
void ProjectorViewTest::focalAndImageEditsFollowTheLockModeAsTheCoreDoes() {
    for (LockMode mode : {LockThrow, LockImageSize, LockFocalLength}) {
        Ctx().lockMode = mode;
        QCOMPARE(m_window->Editor().DuplicateAuditorium(kFilm), kCopy);
        CProjectorView* view = Show(kFilm);
        const int format = view->CurrentFormat();
        Type(Named<LengthEdit>(view, u"Focal Length"_qs), u"60"_qs);
        QTest::keyClick(Named<LengthEdit>(view, u"Focal Length"_qs), Qt::Key_Return);
        Type(Named<LengthEdit>(view, u"Image Height"_qs), u"5"_qs);
        QTest::keyClick(Named<LengthEdit>(view, u"Image Height"_qs), Qt::Key_Return);
        m_window->Editor().EditFocalLength(kCopy, 0, format, 60.0, EditView::Projector);
        m_window->Editor().EditImageSize(kCopy, 0, format, 5.0, false);
        const CLensType& shown = SetUp(kFilm, view);
        const CLensType& core = *m_window->doc.GetLensType(kCopy, 0, format);
        QCOMPARE(shown.Focal(), core.Focal());
        QCOMPARE(shown.ImageHeight(), core.ImageHeight());
        QCOMPARE(Projector(kFilm).GetThrow(), Projector(kCopy).GetThrow());
        QCOMPARE(m_window->doc.GetAuditorium(kFilm)->ScreenHeight(),
                 m_window->doc.GetAuditorium(kCopy)->ScreenHeight());
        m_window->Editor().DeleteAuditorium(kCopy, [](const auto&, const auto&) { return true; });
    }
}

void ProjectorViewTest::sizeModeCenterAndDefaultAreOneStepEach() {
    const CProjectorView* view = Show(kFilm);
    Named<QPushButton>(view, u"Height"_qs)->click();
    QCOMPARE(m_window->doc.GetAuditorium(kFilm)->ConstantHeight(), 0);
    QVERIFY(Named<LengthEdit>(view, u"Image Width"_qs) != nullptr);
    Named<QPushButton>(view, u"Center"_qs)->click();
    QCOMPARE(Projector(kFilm).Lateral(), 0.0);
    Named<QPushButton>(view, u"Default"_qs)->click();
    QCOMPARE(m_window->undo.Stack()->count(), 3);
}

void ProjectorViewTest::aSliderDragStoresAsItMovesInOneStep() {
    CProjectorView* view = Show(kFilm);
    auto* slider = Named<ValueSlider>(view, u"Image Height"_qs);
    const double before = SetUp(kFilm, view).ImageHeight();
    const QPoint handle = test::SliderHandle(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    QMouseEvent move(QEvent::MouseMove, handle - QPoint(0, 30), slider->mapToGlobal(handle),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(slider, &move);
    QCOMPARE(SetUp(kFilm, view).ImageHeight(), slider->Value());
    QVERIFY(SetUp(kFilm, view).ImageHeight() > before);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle - QPoint(0, 30));
    QCOMPARE(m_window->undo.Stack()->count(), 1);
}

void ProjectorViewTest::thePortholeFollowsTheFocalLength() {
    const CProjectorView* view = Show(kFilm);
    auto* porthole = view->findChild<QLabel*>(u"porthole"_qs);
    QVERIFY(porthole != nullptr);
    QVERIFY(porthole->text().endsWith(u" at 1.20m"_qs));
    m_window->Editor().SetAuditoriumSetting(kFilm, AuditoriumSetting::CalcPorthole, 0);
    QVERIFY(porthole->isHidden());
    m_window->Editor().EditAuditorium(kFilm, {0, "Porthole"}, [](CAuditorium& a) {
        a.SetCalcPorthole(true);
        a.SetPortholeDistance(1.0);
    });
    QVERIFY(!porthole->isHidden());
    const QString before = porthole->text();
    QVERIFY2(before.endsWith(u" at 1.00m"_qs), qPrintable(before));
    auto* focal = Named<LengthEdit>(view, u"Focal Length"_qs);
    Type(focal, u"50"_qs);
    QTest::keyClick(focal, Qt::Key_Return);
    QVERIFY(porthole->text() != before);
}

void ProjectorViewTest::everyControlIsNamedAndTabFollowsTheLayout() {
    CProjectorView* view = Show(kFilm);
    for (QWidget* control : view->findChildren<QWidget*>()) {
        if (control->isVisibleTo(view) && control->focusPolicy() != Qt::NoFocus &&
            control->focusProxy() == nullptr && qobject_cast<QLineEdit*>(control) == nullptr) {
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                control->metaObject()->className());
        }
    }
    auto* size = Named<LengthEdit>(view, u"Image Height"_qs);
    size->setFocus();
    QTest::keyClick(size, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Named<LengthEdit>(view, u"Focal Length"_qs));
    // A candidate picked from the list is the set-up's lens at once.
    auto* lenses = view->findChild<CLensListBox*>();
    const CLensChoice picked = *lenses->CandidateAt(1);
    lenses->setCurrentIndex(lenses->model()->index(1, 0));
    QVERIFY(SetUp(kFilm, view).Choice().Items() == picked.Items());
    // A diameter picked from the drop-down binds the set-up to it.
    auto* diameters = Named<QComboBox>(view, u"Diameter"_qs);
    QVERIFY(diameters->count() > 1);
    diameters->setFocus();
    QTest::keyClick(diameters, diameters->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(SetUp(kFilm, view).Barrel(),
             view->findChild<CLensListBox*>()
                 ->Barrels()
                 .diameters[static_cast<std::size_t>(diameters->currentIndex())]);
}

void ProjectorViewTest::removingTheListedFormatListsAnother() {
    CProjectorView* view = Show(kFilm);
    const int shown = view->CurrentFormat();
    m_window->Editor().RemoveFormat(kFilm, 0, shown);
    QVERIFY(view->CurrentFormat() != shown);
    QCOMPARE(view->CurrentFormat(), Projector(kFilm).GetLensType(0)->GetFormat());
    QVERIFY(view->grab().width() > 0);
}

void ProjectorViewTest::aProjectorWithoutFormatsOnlyMoves() {
    const int model = Projector(kFilm).Model();
    QCOMPARE(m_window->Editor().AddProjector(kFilm, model, {}), 1);
    m_window->pane->ShowProjector(kFilm, 1);
    auto* view = qobject_cast<CProjectorView*>(m_window->pane->CurrentView());
    QCOMPARE(view->CurrentFormat(), -1);
    QVERIFY(!Named<LengthEdit>(view, u"Focal Length"_qs)->isEnabled());
    Named<QPushButton>(view, u"Default"_qs)->click();
    QCOMPARE(m_window->doc.GetProjector(kFilm, 1)->Lateral(), 0.0);
    QVERIFY(view->grab().width() > 0);
}

void ProjectorViewTest::visitingChangesNoByte() {
    const auto before = m_window->Bytes();
    for (int auditorium : {kFilm, 1, kFourK}) {
        CProjectorView* view = Show(auditorium);
        auto* list = view->findChild<CFormatListCtrl*>();
        for (int row = 0; row < list->Model().rowCount(); ++row) {
            list->setCurrentIndex(list->Model().index(row, 0));
            for (QWidget* field : view->findChildren<QWidget*>()) {
                field->setFocus();
            }
        }
        view->ResetFields();
        view->CommitEdits();
    }
    m_window->pane->ShowProjectView();
    QVERIFY(m_window->Bytes() == before);
    QVERIFY(!m_window->doc.IsModified());
    QCOMPARE(m_window->undo.Stack()->count(), 0);
}

// Set LUMIVANE_SCREENSHOTS to a folder to look at the pictures.
void ProjectorViewTest::grabsWithManyFormats() {
    const CProjectorType& projector = Projector(kFilm);
    for (int format = 0; format < Ctx().formats->GetCount(); ++format) {
        m_window->Editor().AddFormat(kFilm, 0, format);
    }
    QVERIFY(projector.LensTypeCount() > 4);
    CProjectorView* view = Show(kFilm);
    for (const QSize size : {QSize(700, 560), QSize(1000, 800), QSize(1400, 1000)}) {
        const QString name = u"projector-%1"_qs.arg(size.width());
        const QPixmap picture = m_window->Grab(view, size, name);
        QCOMPARE(picture.width(), view->width());
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::ProjectorViewTest)
#include "ProjectorViewTest.moc"
