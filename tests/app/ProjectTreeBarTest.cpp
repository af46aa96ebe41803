#include "app/ProjectTreeBar.h"

#include "app/ProjectTreeModel.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "document/ProjectEditor.h"
#include "document/ProjectTreeRules.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ExampleProject.h"
#include "support/FileBytes.h"
#include "views/ItemViews.h"
#include "views/ProjectorView.h"
#include "views/ViewPane.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>

#include <fstream>

#include "CliRun.h"
#include "ModalAnswers.h"
#include "ProjectWindow.h"

using namespace Qt::StringLiterals;

namespace lumivane {

namespace {

constexpr int kFlat = 0;           // 35mm Flat 1.85
constexpr int kScope = 3;          // 35mm Scope 2.39
constexpr int kAnamorphic150 = 13; // a film format with a bit of the digital range
constexpr int kDmdFull = 20;       // DMD 0.98in 2K Full
constexpr int kPanelModel = 9;     // AP-980, 2048 x 1080

struct Bench : test::ProjectWindow {
    Bench() {
        bar.resize(320, 480);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
    }
    ProjectTreeModel& Model() { return *bar.Model(); }
    QModelIndex Selected() const {
        const QModelIndexList selected = bar.Tree()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QModelIndex() : selected.front();
    }
    QStringList Steps() const {
        QStringList labels;
        for (int i = 0; i < undo.Stack()->count(); ++i) {
            labels << undo.Stack()->text(i);
        }
        return labels;
    }

    ProjectTreeBar bar{doc, relay, *pane};
};

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? u"-"_s
                  : action->menu()      ? action->text() + u" >"_s
                                        : action->text());
    }
    return texts;
}

QAction* Find(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        QAction* found = action->text() == text ? action
                         : action->menu()       ? Find(action->menu(), text)
                                                : nullptr;
        if (found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

QToolButton* Button(Bench& b, const QString& name) {
    for (QToolButton* button : b.bar.findChildren<QToolButton*>()) {
        if (button->accessibleName() == name) {
            return button;
        }
    }
    return nullptr;
}

QMenu* ToolMenu(Bench& b, const QString& name) {
    QMenu* menu = Button(b, name)->menu();
    menu->popup(b.bar.mapToGlobal(QPoint(0, 30)));
    return menu;
}

QMenu* RightClickAt(Bench& b, const QPoint& point) {
    QWidget* viewport = b.bar.Tree()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QMenu* RightClick(Bench& b, const QModelIndex& index) {
    return RightClickAt(b, b.bar.Tree()->visualRect(index).center());
}

// Closes the menu and runs the command, as choosing it does: once the menu is gone.
void Choose(QMenu* menu, const QString& text) {
    QAction* action = Find(menu, text);
    QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(text));
    menu->hide();
    action->trigger();
    QCoreApplication::processEvents();
}

QStringList CandidateTexts(const CLensType& setUp) {
    QStringList texts;
    for (const CandidateMenuItem& item : CandidateMenu(setUp)) {
        texts << QString::fromStdString(item.label);
    }
    return texts.mid(0, static_cast<int>(kTreeMenuCandidates));
}

// One auditorium with a film projector showing flat with the best lens.
void Furnish(Bench& b) {
    ProjectEditor& editor = b.doc.Editor();
    editor.AddAuditorium();
    editor.AddProjector(0, 0, {});
    editor.AddFormat(0, 0, kFlat);
    editor.ChooseLens(0, 0, kFlat, ListCandidates(*b.doc.GetLensType(0, 0, kFlat)).front());
    b.undo.Clear();
}

} // namespace

class ProjectTreeBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void menusOfEachLevel();
    void lensMenusOfferWhatTheSetUpAllows();
    void eachCommandIsOneStepAndKeepsOtherItems();
    void newAndCopiedProjectorsAreMirrored();
    void onlyAuditoriumsAndProjectorsAreRenamed();
    void rightClickBelowTheLastItemDoesNothing();
    void rightClickServesItsMenuOnly();
    void removingTheShownFormatShowsItsProjector();
    void commandsWriteTheFileTheirEditLinesWrite();
    void everyLabelFitsTheColumn();
};

void ProjectTreeBarTest::menusOfEachLevel() {
    Bench b;
    Furnish(b);
    QMenu* menu = ToolMenu(b, u"Auditorium"_s);
    QCOMPARE(Texts(menu), QStringList({u"Add New Auditorium"_s, u"Duplicate Auditorium"_s,
                                       u"Remove Auditorium"_s, u"&Auditorium Wizard..."_s}));
    QVERIFY(!Find(menu, u"Remove Auditorium"_s)->isEnabled());
    QVERIFY(!b.bar.WizardAction()->isEnabled());
    menu->hide();
    QAction wizard(u"&Auditorium Wizard..."_s);
    b.bar.UseWizardAction(&wizard);
    QCOMPARE(ToolMenu(b, u"Auditorium"_s)->actions().back(), &wizard);
    Button(b, u"Auditorium"_s)->menu()->hide();
    QVERIFY(!Button(b, u"Projector"_s)->isEnabled());

    menu = RightClick(b, b.Model().AuditoriumIndex(0));
    QStringList texts = Texts(menu);
    QCOMPARE(texts.front(), u"Kestrel Cinetech >"_s);
    QCOMPARE(texts.mid(texts.size() - 4),
             QStringList({u"Delete"_s, u"Copy"_s, u"Delete Auditorium"_s, u"Rename Auditorium"_s}));
    QCOMPARE(Texts(Find(menu, u"Kestrel Cinetech"_s)->menu()),
             QStringList({u"KX >"_s, u"Studio 16 >"_s}));
    QCOMPARE(Find(menu, u"KX-35 Plus"_s)->data().toInt(), 1);
    QVERIFY(!Find(menu, u"Copy"_s)->isEnabled()); // no projector selected
    menu->hide();

    QStringList formats;
    for (const int format : ShowableFormats(*b.doc.GetProjector(0, 0))) {
        formats << QString::fromStdString(Ctx().formats->GetFormatName(format));
    }
    menu = RightClick(b, b.Model().ProjectorIndex(0, 0));
    QCOMPARE(Texts(menu),
             formats + QStringList({u"-"_s, u"Lock Throw Distance"_s, u"Rename Projector"_s,
                                    u"Delete Projector"_s, u"Copy Projector"_s}));
    QVERIFY(Find(menu, u"35mm Flat 1.85"_s)->isChecked());
    QVERIFY(!Find(menu, u"35mm Academy 1.37"_s)->isChecked());
    QVERIFY(Find(menu, u"Lock Throw Distance"_s)->isChecked());
    menu->hide();

    const QStringList candidates = CandidateTexts(*b.doc.GetLensType(0, 0, kFlat));
    QVERIFY(!candidates.isEmpty());
    menu = RightClick(b, b.Model().SetUpIndex(0, 0, kFlat));
    QCOMPARE(Texts(menu), candidates + QStringList({u"Remove Format"_s}));
    menu->hide();
    menu = RightClick(b, b.Model().LensIndex(0, 0, kFlat));
    QCOMPARE(Texts(menu), candidates + QStringList({u"Clear Lens"_s}));
    menu->hide();

    b.pane->ShowProjector(0, 0);
    QVERIFY(!Button(b, u"Lens"_s)->isEnabled());
    menu = ToolMenu(b, u"Format"_s);
    QCOMPARE(Texts(menu), formats + QStringList({u"-"_s, u"Lock Throw Distance"_s}));
    menu->hide();
    b.pane->ShowFormat(0, 0, kFlat);
    menu = ToolMenu(b, u"Lens"_s);
    QCOMPARE(Texts(menu), candidates);
    menu->hide();
}

void ProjectTreeBarTest::lensMenusOfferWhatTheSetUpAllows() {
    Bench b;
    ProjectEditor& editor = b.doc.Editor();
    editor.AddAuditorium();
    editor.AddProjector(0, 0, {});
    editor.AddFormat(0, 0, kAnamorphic150);
    editor.AddProjector(0, kPanelModel, {});
    editor.AddFormat(0, 1, kDmdFull);
    QMenu* menu = RightClick(b, b.Model().SetUpIndex(0, 0, kAnamorphic150));
    QVERIFY(Find(menu, u"Adjust Format"_s) == nullptr); // no panel to adjust
    menu->hide();
    menu = RightClick(b, b.Model().SetUpIndex(0, 1, kDmdFull));
    QVERIFY(!Find(menu, u"Adjust Format"_s)->isEnabled());
    menu->hide();

    QList<int> adjusted;
    b.bar.SetAdjustFormatHandler([&](int a, int p, int f) { adjusted = {a, p, f}; });
    Ctx().lenses = std::make_shared<CLensDatabase>();
    menu = RightClick(b, b.Model().SetUpIndex(0, 1, kDmdFull));
    QCOMPARE(Texts(menu),
             QStringList({u"No lenses available"_s, u"Remove Format"_s, u"Adjust Format"_s}));
    QVERIFY(!menu->actions().front()->isEnabled());
    Choose(menu, u"Adjust Format"_s);
    QCOMPARE(adjusted, QList<int>({0, 1, kDmdFull}));
}

void ProjectTreeBarTest::eachCommandIsOneStepAndKeepsOtherItems() {
    Bench b;
    b.doc.Editor().AddAuditorium();
    b.undo.Clear();
    b.pane->ShowAuditorium(0);
    const QPersistentModelIndex first = b.Model().AuditoriumIndex(0);
    Choose(ToolMenu(b, u"Auditorium"_s), u"Add New Auditorium"_s);
    QCOMPARE(b.Selected(), b.Model().AuditoriumIndex(1));
    QCOMPARE(b.pane->CurrentPlace().path, ItemPath::Auditorium(1));
    Choose(RightClick(b, b.Model().AuditoriumIndex(1)), u"KX-35 Standard"_s);
    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(1, 0));
    const QPersistentModelIndex projector = b.Selected();
    Choose(RightClick(b, projector), u"35mm Flat 1.85"_s);
    QCOMPARE(b.Model().SetUpIndex(1, 0, kFlat).data().toString(), u"35mm Flat 1.85"_s);
    const QString best = CandidateTexts(*b.doc.GetLensType(1, 0, kFlat)).front();
    Choose(RightClick(b, b.Model().SetUpIndex(1, 0, kFlat)), best);
    QVERIFY(b.Model().LensIndex(1, 0, kFlat).isValid());
    Choose(RightClick(b, b.Model().LensIndex(1, 0, kFlat)), u"Clear Lens"_s);
    QVERIFY(!b.Model().LensIndex(1, 0, kFlat).isValid());
    Choose(RightClick(b, projector), u"Lock Throw Distance"_s);
    QCOMPARE(b.doc.GetProjector(1, 0)->UseDefaultThrow(), 0);
    Choose(RightClick(b, projector), u"Copy Projector"_s);
    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(1, 1));
    Choose(RightClick(b, b.Model().ProjectorIndex(1, 1)), u"Delete Projector"_s);
    QCOMPARE(b.pane->CurrentPlace().path, ItemPath::Auditorium(1));
    Choose(ToolMenu(b, u"Auditorium"_s), u"Duplicate Auditorium"_s);
    QCOMPARE(b.doc.GetAuditorium(2)->ProjectorCount(), 1);

    test::ModalAnswers answers;
    answers.Add(test::ModalAnswers::Press(QMessageBox::Yes));
    Choose(RightClick(b, b.Model().AuditoriumIndex(2)), u"Delete Auditorium"_s);
    QCOMPARE(answers.Seen(),
             QStringList({u"Delete Auditorium: Are you sure you want to delete Auditorium 3?"_s}));
    QCOMPARE(b.doc.GetAuditoriumCount(), 2);
    QVERIFY(first.isValid() && projector.isValid());
    QCOMPARE(b.Steps(), QStringList({u"Add Auditorium"_s, u"Add Projector"_s, u"Add Format"_s,
                                     u"Choose Lens"_s, u"Clear Lens"_s, u"Lock Throw Distance"_s,
                                     u"Copy Projector"_s, u"Delete Projector"_s,
                                     u"Duplicate Auditorium"_s, u"Delete Auditorium"_s}));
}

void ProjectTreeBarTest::newAndCopiedProjectorsAreMirrored() {
    Bench b;
    ProjectEditor& editor = b.doc.Editor();
    editor.AddAuditorium();
    editor.AddProjector(0, 0, {3.2, 1.5});
    editor.AddProjector(0, 0, {3.2, 0.0});
    b.undo.Clear();
    b.pane->ShowProjector(0, 0);
    Choose(ToolMenu(b, u"Projector"_s), u"Copy"_s);
    QCOMPARE(b.doc.GetProjector(0, 2)->Lateral(), -1.5);
    b.pane->ShowProjector(0, 0);
    Choose(ToolMenu(b, u"Projector"_s), u"KX-35 Plus"_s);
    const CProjectorType& added = *b.doc.GetProjector(0, 3);
    QCOMPARE(added.Lateral(), -1.5);
    QCOMPARE(added.LensHeight(), 3.2);
    QCOMPARE(b.Steps(), QStringList({u"Copy Projector"_s, u"Add Projector"_s}));

    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(0, 3));
    b.undo.Undo(); // the selection goes back with the project
    QCOMPARE(b.Model().rowCount(b.Model().AuditoriumIndex(0)), 3);
    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(0, 0));
    b.undo.Redo();
    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(0, 3));
}

void ProjectTreeBarTest::onlyAuditoriumsAndProjectorsAreRenamed() {
    Bench b;
    Furnish(b);
    QTreeView* tree = b.bar.Tree();
    const auto editLabel = [&](const QModelIndex& index, const QString& text, Qt::Key end) {
        QMenu* menu = RightClick(b, index);
        QAction* rename = Find(menu, u"Rename Auditorium"_s);
        rename = rename != nullptr ? rename : Find(menu, u"Rename Projector"_s);
        // The editor opens at once; the window that the offscreen menu gives back would take
        // its focus, and close it, were events let through before the keys.
        menu->hide();
        rename->trigger();
        QLineEdit* field = nullptr;
        for (QLineEdit* open : tree->findChildren<QLineEdit*>()) {
            field = open->isVisible() ? open : field;
        }
        QVERIFY(field != nullptr);
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, end);
        QCoreApplication::processEvents(); // the delegate commits once the key is handled
    };
    editLabel(b.Model().AuditoriumIndex(0), u"Main"_s, Qt::Key_Escape);
    QCOMPARE(b.doc.GetAuditorium(0)->Name(), std::string("Auditorium 1"));
    editLabel(b.Model().AuditoriumIndex(0), u"Main"_s, Qt::Key_Return);
    QCOMPARE(b.doc.GetAuditorium(0)->Name(), std::string("Main"));
    editLabel(b.Model().ProjectorIndex(0, 0), u"Left"_s, Qt::Key_Enter);
    QCOMPARE(b.doc.GetProjector(0, 0)->Name(), std::string("Left"));
    QCOMPARE(b.Steps(), QStringList({u"Rename Auditorium"_s, u"Rename Projector"_s}));

    for (const QModelIndex& index :
         {b.Model().SetUpIndex(0, 0, kFlat), b.Model().LensIndex(0, 0, kFlat)}) {
        tree->edit(index);
        for (const QLineEdit* open : tree->findChildren<QLineEdit*>()) {
            QVERIFY(!open->isVisible());
        }
    }
}

void ProjectTreeBarTest::rightClickBelowTheLastItemDoesNothing() {
    Bench b;
    b.doc.Editor().AddAuditorium();
    QVERIFY(RightClickAt(b, QPoint(10, b.bar.Tree()->viewport()->height() - 5)) == nullptr);
}

void ProjectTreeBarTest::rightClickServesItsMenuOnly() {
    Bench b;
    b.doc.Editor().AddAuditorium();
    b.doc.Editor().AddAuditorium();
    b.pane->ShowAuditorium(0);
    RightClick(b, b.Model().AuditoriumIndex(1))->hide();
    QCOMPARE(b.Selected(), b.Model().AuditoriumIndex(0));
    Choose(ToolMenu(b, u"Auditorium"_s), u"Remove Auditorium"_s);
    QCOMPARE(b.doc.GetAuditoriumCount(), 1);
    QCOMPARE(b.doc.GetAuditorium(0)->Name(), std::string("Auditorium 2"));
    QCOMPARE(b.pane->CurrentPlace().kind, ViewKind::Project);
    QVERIFY(!b.Selected().isValid());
}

void ProjectTreeBarTest::removingTheShownFormatShowsItsProjector() {
    Bench b;
    Furnish(b);
    QSignalSpy moves(b.pane, &ViewPane::placeChanged);
    b.pane->ShowLens(0, 0, kFlat);
    QCOMPARE(moves.count(), 1); // the tree followed without showing the item again
    QCOMPARE(b.Selected(), b.Model().LensIndex(0, 0, kFlat));
    Choose(RightClick(b, b.Model().SetUpIndex(0, 0, kFlat)), u"Remove Format"_s);
    QCOMPARE(b.pane->CurrentPlace().kind, ViewKind::Projector);
    QCOMPARE(b.pane->CurrentPlace().path, ItemPath::Projector(0, 0));
    QCOMPARE(b.Selected(), b.Model().ProjectorIndex(0, 0));

    QCOMPARE(b.doc.OpenDocument(test::ExampleProjectPath(), true), ProjectReadResult::Ok);
    QVERIFY(!b.Selected().isValid());
    QVERIFY(!Button(b, u"Projector"_s)->isEnabled());
    QCOMPARE(b.Model().rowCount(), b.doc.GetAuditoriumCount());
}

// A tree command re-fits the set-up the shown view shows; the same lines of lumivane-cli edit,
// told which view was shown, write the same file byte for byte.
void ProjectTreeBarTest::commandsWriteTheFileTheirEditLinesWrite() {
    Bench b;
    RegisterItemViews(*b.pane, b.relay, b.Hooks());
    Furnish(b);
    b.doc.Editor().AddFormat(0, 0, kScope);
    ProjectInfo info = b.doc.GetProjectInfo();
    info.lastChange.clear(); // a save stamps no time on it
    b.doc.Editor().SetProjectInfo(info);
    const std::filesystem::path start = b.folder.path() / "start.hoprj";
    QVERIFY(b.doc.SaveDocument(start));
    QCOMPARE(b.doc.OpenDocument(start, true), ProjectReadResult::Ok);

    const QStringList candidates = CandidateTexts(*b.doc.GetLensType(0, 0, kScope));
    b.pane->ShowLens(0, 0, kFlat);
    Choose(RightClick(b, b.Model().SetUpIndex(0, 0, kScope)), candidates.back());
    b.pane->ShowProjector(0, 0);
    const int listed = qobject_cast<CProjectorView*>(b.pane->CurrentView())->CurrentFormat();
    Choose(RightClick(b, b.Model().LensIndex(0, 0, kFlat)), u"Clear Lens"_s);
    Choose(RightClick(b, b.Model().ProjectorIndex(0, 0)), u"35mm Flat 1.66"_s);
    b.pane->ShowFormat(0, 0, kScope);
    Choose(RightClick(b, b.Model().SetUpIndex(0, 0, kFlat)), u"Remove Format"_s);
    const std::filesystem::path window = b.folder.path() / "window.hoprj";
    QVERIFY(b.doc.SaveDocument(window));

    const auto script = [&](bool shown) {
        const auto view = [&](const char* kind, int format) {
            return shown ? std::string(R"(, "shown": {"view": ")") + kind +
                               R"(", "auditorium": 0, "projector": 0, "format": )" +
                               std::to_string(format) + "}"
                         : std::string();
        };
        return std::string(R"({"op": "ChooseLens", "auditorium": 0, "projector": 0, )") +
               R"("format": 3, "candidate": )" + std::to_string(candidates.size() - 1) +
               view("Lens", kFlat) + "}\n" +
               R"({"op": "ClearLens", "auditorium": 0, "projector": 0, "format": 0)" +
               view("Projector", listed) + "}\n" +
               R"({"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 2)" +
               view("Projector", listed) + "}\n" +
               R"({"op": "RemoveFormat", "auditorium": 0, "projector": 0, "format": 0)" +
               view("Format", kScope) + "}\n";
    };
    const auto edited = [&](bool shown) {
        const std::string name = shown ? "shown" : "unshown";
        const auto ops = b.folder.path() / (name + ".jsonl");
        std::ofstream(ops, std::ios::binary) << script(shown);
        const auto out = b.folder.path() / (name + ".hoprj");
        const test::CliRun run =
            test::RunWithShippedCatalog({u"edit"_s, test::Native(start), u"--ops"_s,
                                         test::Native(ops), u"--output"_s, test::Native(out)},
                                        b.folder.path());
        return run.exitCode == 0 ? test::ReadFileBytes(out) : std::vector<std::uint8_t>();
    };
    const std::vector<std::uint8_t> written = test::ReadFileBytes(window);
    QVERIFY(edited(true) == written);
    // Without the shown views nothing is re-fitted around them, and the file differs.
    const std::vector<std::uint8_t> unshown = edited(false);
    QVERIFY(!unshown.empty() && unshown != written);
}

// The column is widened for the rows a change brings and for renamed items, never measured
// whole at each change.
void ProjectTreeBarTest::everyLabelFitsTheColumn() {
    Bench b;
    Furnish(b);
    QTreeView* tree = b.bar.Tree();
    // Whether the column is at least as wide as the tree's own measure of every label.
    const auto fits = [tree] {
        const int width = tree->columnWidth(0);
        tree->resizeColumnToContents(0);
        const bool fit = width >= tree->columnWidth(0);
        tree->setColumnWidth(0, width);
        return fit;
    };
    const int furnished = tree->columnWidth(0);
    QVERIFY(fits());
    b.Editor().RenameProjector(0, 0, std::string(60, 'W'));
    QVERIFY(tree->columnWidth(0) > furnished);
    QVERIFY(fits());
}

} // namespace lumivane

QTEST_MAIN(lumivane::ProjectTreeBarTest)
#include "ProjectTreeBarTest.moc"
