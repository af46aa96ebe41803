// Every figure of the shown view agrees with the model after each kind of edit, in each view,
// on the example project; and the figures that went stale once stay true.

#include "ViewFigures.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"
#include "model/AuditoriumEdits.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FileBytes.h"
#include "views/FormatListCtrl.h"
#include "views/ItemViews.h"
#include "views/LengthEdit.h"
#include "views/LensListBox.h"
#include "views/QorView.h"
#include "views/ScreenDisplay.h"
#include "views/SetUpListModel.h"
#include "views/ValueLabel.h"
#include "views/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <limits>
#include <memory>

#include "AccessibleWidgets.h"
#include "ProjectWindow.h"
#include "SliderDrag.h"

// After each step the shown view must agree with the model, figure by figure.
#define QVERIFY_FIGURES(after)                                                                     \
    do {                                                                                           \
        const QStringList mismatches = lumivane::test::FigureMismatches(m_window->window);         \
        QVERIFY2(mismatches.isEmpty(),                                                             \
                 qPrintable(QString::fromLatin1(after) + u": "_qs + mismatches.join(u"; "_qs)));   \
    } while (false)

namespace lumivane {

using test::Named;
using test::Type;

namespace {

constexpr int kFilm = 0;
constexpr int kTwoK = 1;
constexpr int kFlat = 0;

void Enter(QWidget* field, const QString& text) {
    Type(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class ViewFiguresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void aFigureThatDisagreesIsNamed();
    void aThrowTypedForTheAuditoriumReachesEveryRow();
    void everyAuditoriumEditAgrees();
    void everyProjectorEditAgrees();
    void everyFormatEditAgrees();
    void everyLensEditAgrees();
    void undoAndRedoAgreeInEveryView();
    void aReopenedProjectShowsTheStatesItWasSavedWith();
    void aThrowThatIsNoNumberShowsNoImageSize();
    void aNewProjectsProjectorShowsNothingOfTheLastOne();

private:
    QWidget* View() const { return m_window->pane->CurrentView(); }
    const CProjectorType& Projector(int auditorium) const {
        return *m_window->doc.GetProjector(auditorium, 0);
    }
    int FormatAt(int auditorium, int row) const {
        return Projector(auditorium).GetLensType(row)->GetFormat();
    }
    // The image size field, named after the measure it edits.
    QString SizeName() const {
        const int shown = m_window->pane->CurrentPlace().path.auditorium;
        return m_window->doc.GetAuditorium(shown)->ConstantHeight() != 0 ? u"Image Height"_qs
                                                                         : u"Image Width"_qs;
    }
    void DragMarker(QPoint by);
    // Edits of the image controls and the position shared by the projector and format views.
    void EditSetUpControls();
    void Undo(int steps);

    std::unique_ptr<test::ProjectWindow> m_window;
};

void ViewFiguresTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1000, 800}));
}

void ViewFiguresTest::cleanup() {
    m_window.reset();
}

void ViewFiguresTest::DragMarker(QPoint by) {
    auto* display = View()->findChild<ScreenDisplay*>();
    display->grab();
    const auto handle = display->LastFrontLayout().dragHandle;
    QVERIFY(handle.has_value());
    const QPoint marker(handle->x, handle->y);
    QTest::mousePress(display, Qt::LeftButton, {}, marker);
    QTest::mouseMove(display, marker + by / 2);
    QTest::mouseMove(display, marker + by);
    QTest::mouseRelease(display, Qt::LeftButton, {}, marker + by);
}

void ViewFiguresTest::Undo(int steps) {
    for (int i = 0; i < steps; ++i) {
        m_window->undo.Stack()->undo();
        QVERIFY_FIGURES("undo");
    }
    for (int i = 0; i < steps; ++i) {
        m_window->undo.Stack()->redo();
        QVERIFY_FIGURES("redo");
    }
}

void ViewFiguresTest::aFigureThatDisagreesIsNamed() {
    m_window->pane->ShowProjector(kFilm, 0);
    Named<LengthEdit>(View(), u"Throw"_qs)->SetValue(99.0);
    const QStringList mismatches = test::FigureMismatches(m_window->window);
    QCOMPARE(mismatches.size(), 2);
    QCOMPARE(mismatches.front(), u"Throw shows \"99.00m\", the model \"30.00m\""_qs);
    QVERIFY(mismatches.back().startsWith(u"Throw slider shows \"99\""_qs));
    Named<LengthEdit>(View(), u"Throw"_qs)->SetValue(Projector(kFilm).GetThrow());
    // What the user is still typing is theirs.
    Type(Named<LengthEdit>(View(), u"Lens Height"_qs), u"4"_qs);
    QVERIFY(test::FigureMismatches(*m_window->pane).isEmpty());
}

// The throw of the auditorium moves every image on it; the set-up rows once kept the size the
// images had before.
void ViewFiguresTest::aThrowTypedForTheAuditoriumReachesEveryRow() {
    m_window->pane->ShowAuditorium(kFilm);
    QVERIFY_FIGURES("showing the auditorium");
    Enter(Named<LengthEdit>(View(), u"Throw"_qs), u"22"_qs);
    QVERIFY_FIGURES("a default throw of 22 m");
    m_window->pane->ShowFormat(kFilm, 0, FormatAt(kFilm, kFlat));
    QVERIFY_FIGURES("showing the flat format");
    const auto* rows = View()->findChild<CFormatListCtrl*>();
    const QString size =
        rows->Model().index(kFlat, SetUpListModel::ImageSizeColumn).data().toString();
    QCOMPARE(size.section(u" x "_qs, 0, 0), Named<ValueLabel>(View(), u"Height"_qs)->text());
    QVERIFY(size != u"6.00m x 11.06m"_qs);
    m_window->pane->ShowProjector(kFilm, 0);
    QVERIFY_FIGURES("showing the projector");
}

void ViewFiguresTest::everyAuditoriumEditAgrees() {
    m_window->pane->ShowAuditorium(kTwoK);
    QWidget* view = View();
    Named<QComboBox>(view, u"Screen Curve"_qs)->setCurrentIndex(CurveTwoThirds);
    QVERIFY_FIGURES("a curve of two thirds");
    Named<QComboBox>(view, u"Screen Curve"_qs)->setCurrentIndex(CurveAdjustable);
    test::DragSlider(Named<ValueSlider>(view, u"Curve"_qs), {{12, 0}, {30, 0}});
    QVERIFY_FIGURES("a dragged curve");
    Named<QComboBox>(view, u"Screen Tilt"_qs)->setCurrentIndex(TiltAdjustable);
    test::DragSlider(Named<ValueSlider>(view, u"Tilt"_qs), {{20, 0}});
    QVERIFY_FIGURES("a dragged tilt");
    // The floating tilt bar edits the audience so.
    m_window->Editor().EditAuditorium(kTwoK, {0, "Audience"}, [](CAuditorium& a) {
        EditAudienceDistance(a, 12.0);
        EditAudienceHeight(a, 1.5);
    });
    QVERIFY_FIGURES("an audience moved");
    Named<QPushButton>(view, u"Calc"_qs)->click();
    Enter(Named<LengthEdit>(view, u"Screen Size"_qs), u"9"_qs);
    QVERIFY_FIGURES("a screen typed 9 m wide");
    Enter(Named<LengthEdit>(view, u"Screen Size by"_qs), u"3"_qs);
    QVERIFY_FIGURES("a screen typed 3 m high");
    Enter(Named<QLineEdit>(view, u"Seats"_qs), u"120"_qs);
    QVERIFY_FIGURES("seats typed");
    m_window->Editor().SetMetricUnits(false);
    QVERIFY_FIGURES("feet and inches");
    m_window->pane->ShowFormat(kTwoK, 0, FormatAt(kTwoK, 0));
    QVERIFY_FIGURES("the format on the small screen");
}

void ViewFiguresTest::EditSetUpControls() {
    QWidget* view = View();
    Enter(Named<LengthEdit>(view, SizeName()), u"5"_qs);
    QVERIFY_FIGURES("an image size typed");
    Enter(Named<LengthEdit>(view, u"Focal Length"_qs), u"60mm"_qs);
    QVERIFY_FIGURES("a focal length typed");
    test::DragSlider(Named<ValueSlider>(view, u"Focal Length"_qs), {{0, -15}});
    QVERIFY_FIGURES("a focal length dragged");
    Enter(Named<LengthEdit>(view, u"Lateral"_qs), u"-1.5"_qs);
    QVERIFY_FIGURES("a lateral position typed");
    Enter(Named<LengthEdit>(view, u"Lens Height"_qs), u"2"_qs);
    QVERIFY_FIGURES("a lens height typed");
    DragMarker({30, -20});
    QVERIFY_FIGURES("the projector dragged");
    Named<QPushButton>(view, u"Center"_qs)->click();
    QVERIFY_FIGURES("centred");
    auto* lenses = view->findChild<CLensListBox*>();
    QVERIFY(lenses->CandidateCount() > 1);
    lenses->setCurrentIndex(lenses->model()->index(1, 0));
    QVERIFY_FIGURES("a lens chosen");
    auto* rows = view->findChild<CFormatListCtrl*>();
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Space);
    QVERIFY_FIGURES("the lens cleared");
    for (const LockMode mode : {LockImageSize, LockFocalLength}) {
        Ctx().lockMode = mode;
        Enter(Named<LengthEdit>(view, u"Focal Length"_qs), u"70mm"_qs);
        QVERIFY_FIGURES("a focal length typed under another lock");
        Enter(Named<LengthEdit>(view, SizeName()), u"4"_qs);
        QVERIFY_FIGURES("an image size typed under another lock");
    }
    Ctx().lockMode = LockThrow;
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
        if (button->accessibleDescription() == u"Edits the image height, or pressed the width"_qs) {
            button->click();
        }
    }
    QVERIFY_FIGURES("the size mode switched");
    m_window->Editor().SetMetricUnits(false);
    QVERIFY_FIGURES("feet and inches");
}

void ViewFiguresTest::everyProjectorEditAgrees() {
    m_window->pane->ShowProjector(kFilm, 0);
    QVERIFY_FIGURES("showing the projector");
    m_window->Editor().SetLockThrowDistance(kFilm, 0, false);
    QVERIFY_FIGURES("a throw of its own");
    Enter(Named<LengthEdit>(View(), u"Throw"_qs), u"22"_qs);
    QVERIFY_FIGURES("a throw typed");
    EditSetUpControls();
    auto* rows = View()->findChild<CFormatListCtrl*>();
    rows->setCurrentIndex(rows->Model().index(1, 0));
    QVERIFY_FIGURES("the other row chosen");
}

void ViewFiguresTest::everyFormatEditAgrees() {
    m_window->pane->ShowFormat(kTwoK, 0, FormatAt(kTwoK, 0));
    QVERIFY_FIGURES("showing the format");
    EditSetUpControls();
}

void ViewFiguresTest::everyLensEditAgrees() {
    m_window->pane->ShowLens(kFilm, 0, FormatAt(kFilm, kFlat));
    QVERIFY_FIGURES("showing the lens");
    QWidget* view = View();
    Named<QCheckBox>(view, u"Allow lens shift"_qs)->click();
    QVERIFY_FIGURES("shift allowed");
    test::DragSlider(Named<ValueSlider>(view, u"Vertical Shift"_qs), {{0, -20}});
    QVERIFY_FIGURES("a vertical shift dragged");
    test::DragSlider(Named<ValueSlider>(view, u"Horizontal Shift"_qs), {{25, 0}});
    QVERIFY_FIGURES("a horizontal shift dragged");
    Named<QCheckBox>(view, u"Auto lens shift"_qs)->click();
    QVERIFY_FIGURES("automatic shift");
    Named<QComboBox>(view, u"Alignment"_qs)->setCurrentIndex(0);
    QVERIFY_FIGURES("aligned to the top");
    m_window->pane->ShowFormat(kFilm, 0, FormatAt(kFilm, kFlat));
    QVERIFY_FIGURES("the format of the shifted lens");
}

// Every step taken and given back, in the view that made them.
void ViewFiguresTest::undoAndRedoAgreeInEveryView() {
    m_window->pane->ShowAuditorium(kFilm);
    Enter(Named<LengthEdit>(View(), u"Throw"_qs), u"22"_qs);
    Named<QComboBox>(View(), u"Screen Curve"_qs)->setCurrentIndex(CurveNone);
    Undo(2);
    m_window->pane->ShowProjector(kFilm, 0);
    Enter(Named<LengthEdit>(View(), u"Focal Length"_qs), u"60mm"_qs);
    Enter(Named<LengthEdit>(View(), u"Lens Height"_qs), u"2"_qs);
    Undo(2);
    m_window->pane->ShowFormat(kFilm, 0, FormatAt(kFilm, 1));
    Enter(Named<LengthEdit>(View(), u"Image Height"_qs), u"5"_qs);
    auto* rows = View()->findChild<CFormatListCtrl*>();
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Space);
    Undo(2);
    m_window->pane->ShowLens(kFilm, 0, FormatAt(kFilm, kFlat));
    Named<QCheckBox>(View(), u"Allow lens shift"_qs)->click();
    test::DragSlider(Named<ValueSlider>(View(), u"Vertical Shift"_qs), {{0, -20}});
    Undo(2);
}

// Whether an image fits the screen is not kept in the file; read back, the list must show the
// states it showed before saving.
void ViewFiguresTest::aReopenedProjectShowsTheStatesItWasSavedWith() {
    m_window->pane->ShowAuditorium(kFilm);
    Named<QPushButton>(View(), u"Calc"_qs)->click();
    Enter(Named<LengthEdit>(View(), u"Screen Size"_qs), u"12"_qs);
    m_window->pane->ShowProjector(kFilm, 0);
    QVERIFY_FIGURES("a screen too narrow for scope");
    const auto states = [this] {
        const SetUpListModel& rows = View()->findChild<CFormatListCtrl*>()->Model();
        QStringList shown;
        for (int row = 0; row < rows.rowCount(); ++row) {
            shown << rows.index(row, SetUpListModel::StateColumn).data().toString();
        }
        return shown;
    };
    const QStringList before = states();
    QVERIFY(before.join(u","_qs).contains(u"Masked"_qs));
    const std::filesystem::path saved = m_window->folder / "narrow.hoprj";
    QVERIFY(m_window->doc.SaveDocument(saved));
    const std::vector<std::uint8_t> bytes = test::ReadFileBytes(saved);
    QVERIFY(m_window->commands.OpenFile(QString::fromStdString(saved.string())));
    m_window->pane->ShowProjector(kFilm, 0);
    QCOMPARE(states(), before);
    QVERIFY_FIGURES("the project read back");
    QCOMPARE(test::ReadFileBytes(saved), bytes);
    QVERIFY(m_window->Bytes() == bytes);
}

void ViewFiguresTest::aThrowThatIsNoNumberShowsNoImageSize() {
    ProjectContents contents;
    QCOMPARE(ReadProjectFile(test::ExampleProjectPath(), contents), ProjectReadResult::Ok);
    contents.auditoriums[kFilm]->GetProjector(0)->SetThrow(std::numeric_limits<double>::quiet_NaN(),
                                                           1);
    Archive ar = Archive::ForStoring();
    WriteProject(ar, contents);
    const std::filesystem::path path = m_window->folder / "nan.hoprj";
    QVERIFY(ar.SaveToFile(path));
    QVERIFY(m_window->commands.OpenFile(QString::fromStdString(path.string())));
    m_window->pane->ShowFormat(kFilm, 0, FormatAt(kFilm, kFlat));
    QVERIFY_FIGURES("a throw that is no number");
    const SetUpListModel& rows = View()->findChild<CFormatListCtrl*>()->Model();
    QCOMPARE(rows.index(kFlat, SetUpListModel::ImageSizeColumn).data().toString(), u"N/A x N/A"_qs);
    QCOMPARE(Named<ValueLabel>(View(), u"Height"_qs)->text(), u"N/A"_qs);
}

void ViewFiguresTest::aNewProjectsProjectorShowsNothingOfTheLastOne() {
    m_window->pane->ShowProjector(kFilm, 0);
    QVERIFY(!Named<LengthEdit>(View(), u"Focal Length"_qs)->text().isEmpty());
    m_window->doc.NewDocument();
    ProjectEditor& editor = m_window->Editor();
    QCOMPARE(editor.AddAuditorium(), 0);
    QCOMPARE(editor.AddProjector(0, 0, {}), 0);
    m_window->pane->ShowProjector(0, 0);
    QVERIFY_FIGURES("a projector without formats");
    QCOMPARE(Named<LengthEdit>(View(), u"Focal Length"_qs)->text(), QString());
    QCOMPARE(Named<LengthEdit>(View(), u"Image Height"_qs)->text(), QString());
}

} // namespace lumivane

QTEST_MAIN(lumivane::ViewFiguresTest)
#include "ViewFiguresTest.moc"
