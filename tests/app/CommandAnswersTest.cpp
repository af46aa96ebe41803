// Every command that asks something, chosen as a user chooses it (a right-click and a click in
// the menu, a click on a drop-down button, a click in the menu bar), given every answer its
// dialog allows. The window must live on and the project must be what the answer asked for,
// with undo giving back the project as it was.

#include "app/DocumentCommands.h"
#include "app/MainFrame.h"
#include "app/ProjectTreeBar.h"
#include "app/ProjectTreeModel.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectEditor.h"
#include "document/ProjectFile.h"
#include "document/ProjectTreeRules.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "ModalAnswers.h"

using namespace Qt::StringLiterals;

namespace lumivane {

using test::ModalAnswers;

namespace {

struct Case {
    const char* name;
    ModalAnswers::Answer answer;
    bool changes; // whether the answer goes ahead with the command
};

// The whole window on a copy of the shipped example.
struct Window {
    Window() {
        test::InstallShippedCatalogs();
        Ctx().settingsStore = std::make_shared<QtSettingsStore>(
            QString::fromStdString((folder / "settings.ini").string()));
        std::filesystem::copy_file(test::ExampleProjectPath(), path);
        frame = std::make_unique<CMainFrame>(doc);
        frame->resize(1024, 720);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(frame->Commands().OpenFile(QString::fromStdString(path.string())));
        original = Bytes();
    }

    std::vector<std::uint8_t> Bytes() const {
        Archive ar = Archive::ForStoring();
        WriteProject(ar, doc.GetContents());
        return ar.Bytes();
    }
    ProjectTreeBar& Bar() const {
        return *qobject_cast<ProjectTreeBar*>(frame->TreeDock()->widget());
    }
    ProjectTreeModel& Model() const { return *Bar().Model(); }
    QModelIndex Selected() const {
        const QModelIndexList selected = Bar().Tree()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QModelIndex() : selected.front();
    }
    int Steps() const { return frame->Undo().Stack()->count(); }

    // The first set-up of the example whose format offers "Adjust Format".
    QModelIndex AdjustableSetUp() const {
        for (int a = 0; a < doc.GetAuditoriumCount(); ++a) {
            for (int p = 0; p < Model().rowCount(Model().AuditoriumIndex(a)); ++p) {
                const QModelIndex projector = Model().ProjectorIndex(a, p);
                for (int row = 0; row < Model().rowCount(projector); ++row) {
                    const QModelIndex setUp = Model().index(row, 0, projector);
                    if (OffersAdjustFormat(*doc.GetProjector(a, p),
                                           ProjectTreeModel::FormatOf(setUp))) {
                        return setUp;
                    }
                }
            }
        }
        return {};
    }

    ScopedAppContext context;
    test::TempDir folder;
    std::filesystem::path path = folder / "Multiplex.hoprj";
    CQorDoc doc{std::make_shared<test::FixedClock>()};
    std::unique_ptr<CMainFrame> frame;
    std::vector<std::uint8_t> original;
};

QAction* Entry(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// Clicks the entry as the mouse does, then lets the event loop run what it started.
void Click(QMenu* menu, const QString& text) {
    QVERIFY2(menu != nullptr, qPrintable(text));
    QAction* action = Entry(menu, text);
    QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(text));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QCoreApplication::processEvents();
}

// Presses the entry as a screen reader does: its command starts while the menu is still open.
void Press(QMenu* menu, const QString& text) {
    QVERIFY2(menu != nullptr, qPrintable(text));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < access->childCount(); ++i) {
        QAccessibleInterface* entry = access->child(i);
        if (entry->text(QAccessible::Name) == text) {
            entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
            return;
        }
    }
    QFAIL(qPrintable(text));
}

// Where a command is chosen from.
enum class From { TreeByMouse, TreeByScreenReader, Button };

QString NameOf(From from) {
    switch (from) {
    case From::TreeByMouse:
        return u"right-click, clicked"_s;
    case From::TreeByScreenReader:
        return u"right-click, pressed by a screen reader"_s;
    case From::Button:
        return u"drop-down button"_s;
    }
    return {};
}

// The button goes down, and the window asks for the menu there as it does on X11.
QMenu* RightClick(Window& w, const QModelIndex& item) {
    QTreeView* tree = w.Bar().Tree();
    tree->scrollTo(item);
    QWidget* viewport = tree->viewport();
    const QPoint point = tree->visualRect(item).center();
    QTest::mousePress(viewport, Qt::RightButton, {}, point);
    QContextMenuEvent request(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QTest::mouseRelease(viewport, Qt::RightButton, {}, point);
    return menu;
}

void RightClickAndChoose(Window& w, const QModelIndex& item, const QString& text,
                         From from = From::TreeByMouse) {
    QMenu* menu = RightClick(w, item);
    if (from == From::TreeByScreenReader) {
        Press(menu, text);
    } else {
        Click(menu, text);
    }
}

// A drop-down button's menu runs in a loop of its own once pressed: the entry is clicked from
// within it.
void DropDownAndChoose(Window& w, const QString& button, const QString& text) {
    QToolButton* tool = nullptr;
    for (QToolButton* candidate : w.Bar().findChildren<QToolButton*>()) {
        tool = candidate->accessibleName() == button ? candidate : tool;
    }
    QVERIFY2(tool != nullptr && tool->isEnabled(), qPrintable(button));
    QTimer::singleShot(
        0, [text] { Click(qobject_cast<QMenu*>(QApplication::activePopupWidget()), text); });
    QTest::mouseClick(tool, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void MenuBarChoose(Window& w, const QString& title, const QString& text) {
    QMenuBar* bar = w.frame->menuBar();
    QAction* menu = nullptr;
    for (QAction* action : bar->actions()) {
        menu = action->text() == title ? action : menu;
    }
    QVERIFY2(menu != nullptr, qPrintable(title));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
    QVERIFY(menu->menu()->isVisible());
    Click(menu->menu(), text);
}

const std::vector<Case>& QuestionAnswers() {
    static const std::vector<Case> cases = {{"Yes", ModalAnswers::Press(QMessageBox::Yes), true},
                                            {"No", ModalAnswers::Press(QMessageBox::No), false},
                                            {"Escape", ModalAnswers::Escape(), false},
                                            {"closed", ModalAnswers::CloseWindow(), false}};
    return cases;
}

// OK after a side of the used area was moved, OK as it stands, and every way of leaving.
const std::vector<Case>& AdjustAnswers() {
    static const std::vector<Case> cases = {
        {"OK after an edit",
         [](QDialog& dialog) {
             QSpinBox* side = dialog.findChildren<QSpinBox*>().front();
             side->setValue(side->value() + 16);
             ModalAnswers::Click(QDialogButtonBox::Ok)(dialog);
         },
         true},
        // A set-up without corners of its own takes the dialog's.
        {"OK", ModalAnswers::Click(QDialogButtonBox::Ok), true},
        {"Cancel", ModalAnswers::Click(QDialogButtonBox::Cancel), false},
        {"Escape", ModalAnswers::Escape(), false},
        {"closed", ModalAnswers::CloseWindow(), false}};
    return cases;
}

const std::vector<Case>& WizardAnswers() {
    static const std::vector<Case> cases = {
        {"Finish", ModalAnswers::FinishWizard(), true},
        {"Cancel on the first page", ModalAnswers::CancelWizardAfter(0), false},
        {"Cancel on the second page", ModalAnswers::CancelWizardAfter(1), false},
        {"Cancel on the last page", ModalAnswers::CancelWizardAfter(2), false},
        {"Escape", ModalAnswers::Escape(), false},
        {"closed", ModalAnswers::CloseWindow(), false}};
    return cases;
}

// After an answer that went ahead, one step undoes all of it; after one that did not, the
// project and its history are as they were.
void CheckOutcome(Window& w, const Case& answer, int stepsBefore) {
    QVERIFY(w.frame->isVisible());
    if (!answer.changes) {
        QVERIFY(w.Bytes() == w.original);
        QCOMPARE(w.Steps(), stepsBefore);
        return;
    }
    QVERIFY(w.Bytes() != w.original);
    QCOMPARE(w.Steps(), stepsBefore + 1);
    w.frame->Undo().Undo();
    QVERIFY(w.Bytes() == w.original);
}

} // namespace

class CommandAnswersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void deletingAnAuditoriumTakesEveryAnswer();
    void adjustingAFormatTakesEveryAnswer();
    void theWizardTakesEveryAnswerAndShowsWhatItBuilt();
    void aRightClickLeavesTheSelection();
    void fileAndSettingsDialogsTakeEveryAnswer();
    void closingAModifiedProjectTakesEveryAnswer();
};

void CommandAnswersTest::deletingAnAuditoriumTakesEveryAnswer() {
    for (const From from : {From::TreeByMouse, From::TreeByScreenReader, From::Button}) {
        for (const Case& answer : QuestionAnswers()) {
            Window w;
            const QString caseName = QString::fromUtf8(answer.name) + u", "_s + NameOf(from);
            w.frame->Pane().ShowAuditorium(1);
            const int steps = w.Steps();
            ModalAnswers answers;
            answers.Add(answer.answer);
            if (from != From::Button) {
                RightClickAndChoose(w, w.Model().AuditoriumIndex(1), u"Delete Auditorium"_s, from);
            } else {
                DropDownAndChoose(w, u"Auditorium"_s, u"Remove Auditorium"_s);
            }
            QCOMPARE(
                answers.Seen(),
                QStringList{
                    u"Delete Auditorium: Are you sure you want to delete Cinema 2 Digital 2K?"_s});
            QVERIFY2(w.doc.GetAuditoriumCount() == (answer.changes ? 2 : 3), qPrintable(caseName));
            CheckOutcome(w, answer, steps);
            QCOMPARE(w.Model().rowCount(), 3);
        }
    }
}

void CommandAnswersTest::adjustingAFormatTakesEveryAnswer() {
    for (const From from : {From::TreeByMouse, From::TreeByScreenReader, From::Button}) {
        for (const Case& answer : AdjustAnswers()) {
            Window w;
            const QModelIndex setUp = w.AdjustableSetUp();
            QVERIFY(setUp.isValid());
            const ItemPath path = ProjectTreeModel::PathOf(setUp);
            const int format = ProjectTreeModel::FormatOf(setUp);
            w.frame->Pane().ShowFormat(path.auditorium, path.projector, format);
            const int steps = w.Steps();
            ModalAnswers answers;
            answers.Add(answer.answer);
            if (from != From::Button) {
                RightClickAndChoose(w, setUp, u"Adjust Format"_s, from);
            } else {
                DropDownAndChoose(w, u"Lens"_s, u"Adjust Format"_s);
            }
            const QString caseName = QString::fromUtf8(answer.name) + u", "_s + NameOf(from);
            QVERIFY2(answers.Seen() == QStringList{u"Adjust Format"_s}, qPrintable(caseName));
            CheckOutcome(w, answer, steps);
            QCOMPARE(w.frame->Pane().CurrentPlace().kind, ViewKind::Format);
        }
    }
}

void CommandAnswersTest::theWizardTakesEveryAnswerAndShowsWhatItBuilt() {
    for (const bool fromMenuBar : {true, false}) {
        for (const Case& answer : WizardAnswers()) {
            Window w;
            w.frame->Pane().ShowAuditorium(0);
            const int steps = w.Steps();
            ModalAnswers answers;
            answers.Add(answer.answer);
            if (fromMenuBar) {
                MenuBarChoose(w, u"&Edit"_s, u"&Auditorium Wizard..."_s);
            } else {
                DropDownAndChoose(w, u"Auditorium"_s, u"&Auditorium Wizard..."_s);
            }
            QVERIFY2(answers.Seen().size() == 1, answer.name);
            if (answer.changes) {
                QCOMPARE(w.Selected(), w.Model().AuditoriumIndex(3));
                QCOMPARE(w.frame->Pane().CurrentPlace().path, ItemPath::Auditorium(3));
                QVERIFY(w.Bar().Tree()->viewport()->rect().intersects(
                    w.Bar().Tree()->visualRect(w.Selected())));
            }
            CheckOutcome(w, answer, steps);
            QCOMPARE(w.Selected(), w.Model().AuditoriumIndex(0));
            if (answer.changes) {
                w.frame->Undo().Redo();
                QCOMPARE(w.Selected(), w.Model().AuditoriumIndex(3));
            }
        }
    }
}

// The menu serves the item under the mouse; the item shown and selected stay.
void CommandAnswersTest::aRightClickLeavesTheSelection() {
    Window w;
    w.frame->Pane().ShowAuditorium(0);
    const QModelIndex shown = w.Selected();
    const QModelIndex other = w.Model().ProjectorIndex(2, 0);
    QMenu* menu = RightClick(w, other);
    QVERIFY(menu != nullptr);
    QVERIFY(Entry(menu, u"Rename Projector"_s) != nullptr);
    menu->close();
    QCOMPARE(w.Selected(), shown);
    QCOMPARE(w.frame->Pane().CurrentPlace().path, ItemPath::Auditorium(0));

    RightClickAndChoose(w, other, u"Copy Projector"_s);
    QCOMPARE(w.doc.GetAuditorium(2)->ProjectorCount(), 2);
    QCOMPARE(w.Selected(), w.Model().ProjectorIndex(2, 1)); // a new item is shown, as ever
}

void CommandAnswersTest::fileAndSettingsDialogsTakeEveryAnswer() {
    struct MenuCase {
        QString menu;
        QString entry;
        std::vector<Case> answers;
    };
    const Case cancel{"Cancel", ModalAnswers::Click(QDialogButtonBox::Cancel), false};
    const Case ok{"OK", ModalAnswers::Click(QDialogButtonBox::Ok), false};
    const Case escape{"Escape", ModalAnswers::Escape(), false};
    const Case closed{"closed", ModalAnswers::CloseWindow(), false};
    const std::vector<MenuCase> cases = {
        {u"&File"_s, u"&Open..."_s, {cancel, escape, closed}},
        {u"&File"_s, u"Save &As..."_s, {cancel, escape, closed}},
        {u"&File"_s, u"Print to &Text File..."_s, {cancel, escape, closed}},
        {u"&Settings"_s, u"Project Settings..."_s, {ok, cancel, escape, closed}},
        {u"&Settings"_s, u"&Film Formats..."_s, {ok, cancel, escape, closed}},
        {u"&Settings"_s, u"&Options..."_s, {ok, cancel, escape, closed}},
        {u"&Help"_s, u"&About Lumivane..."_s, {escape, closed}}};
    for (const MenuCase& command : cases) {
        for (const Case& answer : command.answers) {
            Window w;
            const int steps = w.Steps();
            ModalAnswers answers;
            answers.Add(answer.answer);
            MenuBarChoose(w, command.menu, command.entry);
            QVERIFY2(answers.Seen().size() == 1,
                     qPrintable(command.entry + u' ' + QString::fromUtf8(answer.name)));
            CheckOutcome(w, answer, steps);
            QVERIFY(!w.doc.IsModified());
        }
    }
}

void CommandAnswersTest::closingAModifiedProjectTakesEveryAnswer() {
    const QString question = u"Lumivane 3.2: Save changes to Multiplex?"_s;
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        for (const QString& entry : {u"&New"_s, u"E&xit"_s}) {
            Window w;
            w.doc.Editor().RenameAuditorium(0, "Renamed");
            ModalAnswers answers;
            answers.Add(ModalAnswers::Press(button));
            MenuBarChoose(w, u"&File"_s, entry);
            QCOMPARE(answers.Seen().front(), question);
            const bool goes = button != QMessageBox::Cancel;
            QCOMPARE(w.frame->isVisible(), !(goes && entry == u"E&xit"_s));
            QCOMPARE(w.doc.GetAuditoriumCount(), goes && entry == u"&New"_s ? 0 : 3);
            CQorDoc saved(std::make_shared<test::FixedClock>());
            QCOMPARE(saved.OpenDocument(w.path, true), ProjectReadResult::Ok);
            QCOMPARE(saved.GetAuditorium(0)->Name(),
                     std::string(button == QMessageBox::Yes ? "Renamed" : "Cinema 1 Film"));
        }
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::CommandAnswersTest)
#include "CommandAnswersTest.moc"
