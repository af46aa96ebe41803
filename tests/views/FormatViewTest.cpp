#include "views/FormatView.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/ImageDetailsText.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "views/FormatListCtrl.h"
#include "views/ImageDetailsGroup.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/LensListBox.h"
#include "views/SetUpListModel.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"

namespace lumivane {

using test::Named;
using test::Type;

namespace {

// Curved two thirds of the throw, so the format view's focal edit adds the chord depth.
constexpr int kFilm = 0;
constexpr int kCopy = 3;

} // namespace

class FormatViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void choosingARowShowsThatFormat();
    void theFocalEditAddsTheChordDepthAsTheCoreDoes();
    void positionsCenterAndTheReadOnlyThrow();
    void visitingChangesNoByte();
    void grabsWithAndWithoutALens();
    void theListsFollowAnAuditoriumComingAndGoingBefore();

private:
    // The set-up list and the lens list name the set-up the view shows, and list its rows.
    static bool ListsShowTheViewsSetUp(const CFormatView& view);
    CFormatView* Show(int row);
    int FormatAt(int auditorium, int row) const {
        return m_window->doc.GetProjector(auditorium, 0)->GetLensType(row)->GetFormat();
    }
    const CProjectorType& Projector(int auditorium) const {
        return *m_window->doc.GetProjector(auditorium, 0);
    }

    std::unique_ptr<test::ProjectWindow> m_window;
};

void FormatViewTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1000, 800}));
}

CFormatView* FormatViewTest::Show(int row) {
    m_window->pane->ShowFormat(kFilm, 0, FormatAt(kFilm, row));
    return qobject_cast<CFormatView*>(m_window->pane->CurrentView());
}

void FormatViewTest::choosingARowShowsThatFormat() {
    const CFormatView* view = Show(0);
    auto* list = view->findChild<CFormatListCtrl*>();
    QCOMPARE(list->SelectedFormat(), FormatAt(kFilm, 0));
    list->setCurrentIndex(list->Model().index(1, 0));
    QCOMPARE(m_window->pane->CurrentPlace().format, FormatAt(kFilm, 1));
    QCOMPARE(view->Format(), FormatAt(kFilm, 1));
    QCOMPARE(Projector(kFilm).Selected(), 1);
    QCOMPARE(list->SelectedFormat(), FormatAt(kFilm, 1));
}

void FormatViewTest::theFocalEditAddsTheChordDepthAsTheCoreDoes() {
    Ctx().lockMode = LockImageSize;
    QCOMPARE(m_window->Editor().DuplicateAuditorium(kFilm), kCopy);
    const CFormatView* view = Show(0);
    auto* focal = Named<LengthEdit>(view, u"Focal Length"_qs);
    Type(focal, u"60"_qs);
    QTest::keyClick(focal, Qt::Key_Return);
    m_window->Editor().EditFocalLength(kCopy, 0, view->Format(), 60.0, EditView::Format);
    QCOMPARE(Projector(kFilm).GetThrow(), Projector(kCopy).GetThrow());
    QVERIFY(Projector(kFilm).GetThrow() !=
            CLensType::ThrowFromImage(60.0, Projector(kFilm).GetLensType(0)->ImageHeight(),
                                      Projector(kFilm).GetLensType(0)->EffApertureH()));
    // The details follow the edit.
    const ImageDetailsText details =
        ImageDetailsFor(m_window->doc.GetAuditorium(kFilm), &Projector(kFilm), view->GetLensType());
    const auto shown = [view](const QString& name) {
        for (const QLabel* label : view->findChild<ImageDetailsGroup*>()->findChildren<QLabel*>()) {
            if (label->accessibleName() == name) {
                return label->text();
            }
        }
        return QString();
    };
    QCOMPARE(shown(u"Height"_qs), QString::fromStdString(details.height));
    QCOMPARE(shown(u"Curve"_qs), QString::fromStdString(details.curve.text));
}

void FormatViewTest::positionsCenterAndTheReadOnlyThrow() {
    const CFormatView* view = Show(1);
    auto* lateral = Named<LengthEdit>(view, u"Lateral"_qs);
    Type(lateral, u"-2"_qs);
    QTest::keyClick(lateral, Qt::Key_Return);
    QCOMPARE(Projector(kFilm).Lateral(), -2.0);
    QCOMPARE(test::BuddyText(view, lateral), u"Left"_qs);
    Named<QPushButton>(view, u"Center"_qs)->click();
    QCOMPARE(Projector(kFilm).Lateral(), 0.0);
    QCOMPARE(test::BuddyText(view, lateral), u"Right"_qs);
    QCOMPARE(m_window->undo.Stack()->count(), 2);

    auto* throwField = Named<LengthEdit>(view, u"Throw"_qs);
    QVERIFY(throwField->isReadOnly());
    const double before = Projector(kFilm).GetThrow();
    Type(throwField, u"9"_qs);
    QTest::keyClick(throwField, Qt::Key_Return);
    QCOMPARE(Projector(kFilm).GetThrow(), before);
}

void FormatViewTest::visitingChangesNoByte() {
    const auto before = m_window->Bytes();
    for (int row : {0, 1}) {
        CFormatView* view = Show(row);
        for (QWidget* field : view->findChildren<QWidget*>()) {
            field->setFocus();
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
void FormatViewTest::grabsWithAndWithoutALens() {
    m_window->Editor().ClearLens(kFilm, 0, FormatAt(kFilm, 1));
    for (int row : {0, 1}) {
        CFormatView* view = Show(row);
        for (const QSize size : {QSize(700, 560), QSize(1200, 900)}) {
            const QString name = u"format-%1-%2"_qs.arg(row).arg(size.width());
            const QPixmap picture = m_window->Grab(view, size, name);
            QCOMPARE(picture.width(), view->width());
        }
    }
}

bool FormatViewTest::ListsShowTheViewsSetUp(const CFormatView& view) {
    const ItemPath projector = ItemPath::Projector(view.Item().auditorium, view.Item().projector);
    const auto* lenses = view.findChild<CLensListBox*>();
    return view.GetLensType() != nullptr &&
           view.findChild<CFormatListCtrl*>()->Model().Projector() == projector &&
           lenses->Projector() == projector && lenses->Format() == view.Format() &&
           lenses->CandidateCount() == static_cast<int>(ListCandidates(*view.GetLensType()).size());
}

// The pane moves the view as rows before it come and go, and the lists move themselves: told
// by the view as well, they moved twice and listed another auditorium's set-up.
void FormatViewTest::theListsFollowAnAuditoriumComingAndGoingBefore() {
    constexpr int kDigital = 1;
    m_window->pane->ShowFormat(kDigital, 0, FormatAt(kDigital, 0));
    const auto* view = qobject_cast<const CFormatView*>(m_window->pane->CurrentView());
    QVERIFY(ListsShowTheViewsSetUp(*view));
    m_window->Editor().DeleteAuditorium(
        0, [](const std::string&, const std::string&) { return true; });
    QCOMPARE(view->Item().auditorium, kDigital - 1);
    QVERIFY(ListsShowTheViewsSetUp(*view));
    m_window->undo.Stack()->undo();
    QCOMPARE(view->Item().auditorium, kDigital);
    QVERIFY(ListsShowTheViewsSetUp(*view));
}

} // namespace lumivane

QTEST_MAIN(lumivane::FormatViewTest)
#include "FormatViewTest.moc"
