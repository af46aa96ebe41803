#include "app/UndoBridge.h"

#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/FileBytes.h"
#include "views/QorView.h"

#include <QAction>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <vector>

#include "ModalAnswers.h"
#include "ProjectWindow.h"

namespace lumivane {

namespace {

bool Yes(const std::string&, const std::string&) {
    return true;
}

// An auditorium view whose field holds a name the user typed but has not stored yet.
class TypingView : public CQorView {
public:
    using CQorView::CQorView;
    ViewKind Kind() const override { return ViewKind::Auditorium; }
    void Refresh(bool) override {}
    void CommitEdits() override {
        if (!typed.empty()) {
            Doc().Editor().RenameAuditorium(Item().auditorium, typed);
            typed.clear();
        }
    }
    std::string typed;
};

} // namespace

class UndoBridgeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void mixedEditsUndoToEverySavedState();
    void aFieldBurstIsOneStep();
    void undoStoresTheFocusedFieldFirst();
    void undoKeepsTheViewShown();
    void aStepThatCannotBeRestoredStaysAndTheProjectIsModified();
};

void UndoBridgeTest::mixedEditsUndoToEverySavedState() {
    test::ProjectWindow w;
    const auto file = w.WriteEmptyProject("mixed.hoprj");
    QVERIFY(w.commands.OpenFile(QString::fromStdString(file.string())));
    const std::vector<std::function<void()>> edits{
        [&] { w.Editor().AddAuditorium(); },
        [&] { w.Editor().AddProjector(0, 0, {}); },
        [&] { w.Editor().RenameAuditorium(0, "Main"); },
        [&] { w.Editor().EditThrow(0, 0, -1, 15.0); },
        [&] {
            w.pane->ShowAuditorium(0);
            w.Editor().DeleteAuditorium(0, Yes);
        },
    };
    std::vector<std::vector<std::uint8_t>> saved{test::ReadFileBytes(file)};
    for (const auto& edit : edits) {
        edit();
        QVERIFY(w.doc.IsModified());
        QVERIFY(w.commands.Save());
        QVERIFY(!w.doc.IsModified());
        saved.push_back(test::ReadFileBytes(file));
    }
    QCOMPARE(w.undo.Stack()->count(), int(edits.size()));
    QCOMPARE(w.undo.UndoAction()->text(), QStringLiteral("&Undo Delete Auditorium"));

    for (auto state = saved.size() - 1; state-- > 0;) {
        w.undo.UndoAction()->trigger();
        QCOMPARE(w.Bytes(), saved[state]);
        QVERIFY(w.doc.IsModified());
    }
    QVERIFY(!w.undo.UndoAction()->isEnabled());
    for (std::size_t state = 1; state < saved.size(); ++state) {
        w.undo.RedoAction()->trigger();
        QCOMPARE(w.Bytes(), saved[state]);
    }
    QVERIFY(!w.doc.IsModified());

    // Undoing back to the saved state clears the modified flag again.
    w.undo.Undo();
    QCOMPARE(w.pane->CurrentPlace().kind, ViewKind::Auditorium);
    w.undo.Undo();
    QVERIFY(w.commands.Save());
    w.undo.Redo();
    QVERIFY(w.doc.IsModified());
    w.undo.Undo();
    QVERIFY(!w.doc.IsModified());
}

void UndoBridgeTest::aFieldBurstIsOneStep() {
    test::ProjectWindow w;
    w.Editor().AddAuditorium();
    w.Editor().AddProjector(0, 0, {});
    const double start = w.doc.GetProjector(0, 0)->GetThrow();
    const int steps = w.undo.Stack()->count();
    const QObject field;
    w.undo.BeginFieldEdit(&field);
    for (const double throwDistance : {12.0, 13.0, 14.0}) {
        w.Editor().EditThrow(0, 0, -1, throwDistance);
    }
    QCOMPARE(w.undo.Stack()->count(), steps + 1);
    w.undo.EndFieldEdit();
    w.Editor().EditThrow(0, 0, -1, 15.0);
    QCOMPARE(w.undo.Stack()->count(), steps + 2);

    w.undo.Undo();
    QCOMPARE(w.doc.GetProjector(0, 0)->GetThrow(), 14.0);
    w.undo.Undo();
    QCOMPARE(w.doc.GetProjector(0, 0)->GetThrow(), start);

    // A burst that ends where it began leaves no step behind.
    w.undo.BeginFieldEdit(&field);
    w.Editor().EditThrow(0, 0, -1, 20.0);
    w.Editor().EditThrow(0, 0, -1, start);
    QCOMPARE(w.undo.Stack()->count(), steps);
}

void UndoBridgeTest::undoStoresTheFocusedFieldFirst() {
    test::ProjectWindow w;
    TypingView* typing = nullptr;
    w.pane->RegisterView(ViewKind::Auditorium, [&typing](CQorDoc& doc, QWidget* parent) {
        return typing = new TypingView(doc, parent);
    });
    w.Editor().AddAuditorium();
    w.pane->ShowAuditorium(0);
    const std::string name = w.doc.GetAuditorium(0)->Name();
    typing->typed = "Typed";

    w.undo.UndoAction()->trigger();
    QCOMPARE(w.doc.GetAuditoriumCount(), 1);
    QCOMPARE(w.doc.GetAuditorium(0)->Name(), name);
    QCOMPARE(w.undo.RedoAction()->text(), QStringLiteral("&Redo Rename Auditorium"));
    QCOMPARE(w.undo.UndoAction()->text(), QStringLiteral("&Undo Add Auditorium"));
}

// Falling back to the project view and back again would repaint the whole view.
void UndoBridgeTest::undoKeepsTheViewShown() {
    test::ProjectWindow w;
    w.Editor().AddAuditorium();
    w.Editor().AddAuditorium();
    w.pane->ShowAuditorium(1);
    w.Editor().RenameAuditorium(1, "Main");
    const QSignalSpy switches(w.pane, &QStackedWidget::currentChanged);
    w.undo.Undo();
    QCOMPARE(switches.count(), 0);
    QCOMPARE(w.pane->CurrentPlace().path, ItemPath::Auditorium(1));
    QVERIFY(w.doc.GetAuditorium(1)->Name() != "Main");
}

// A damaged snapshot stands for any restore that throws: the history must not move past it,
// and the saved mark must not survive it.
void UndoBridgeTest::aStepThatCannotBeRestoredStaysAndTheProjectIsModified() {
    test::ProjectWindow w;
    const auto file = w.WriteEmptyProject("broken.hoprj");
    QVERIFY(w.commands.OpenFile(QString::fromStdString(file.string())));
    w.Editor().AddAuditorium();
    ProjectSnapshot after = w.Editor().TakeSnapshot();
    ProjectSnapshot damaged = after;
    damaged.auditoriums.push_back(std::make_shared<const RecordBytes>(RecordBytes{1, 2, 3}));
    static_cast<EditRecorder&>(w.undo).Recorded(StepName{0, "Broken"}, damaged, after);
    QVERIFY(w.commands.Save());
    const auto saved = test::ReadFileBytes(file);
    const int index = w.undo.Stack()->index();

    test::ModalAnswers answers;
    w.undo.Undo();
    QCOMPARE(w.undo.Stack()->index(), index);
    QVERIFY(w.doc.IsModified());
    QVERIFY(!w.undo.Stack()->isClean());
    QCOMPARE(answers.Seen().size(), 1);
    QVERIFY(answers.Seen().front().startsWith(QStringLiteral("Error: The project could not")));
    QCOMPARE(w.Bytes(), saved);
    QCOMPARE(w.doc.GetAuditoriumCount(), 1);
}

} // namespace lumivane

QTEST_MAIN(lumivane::UndoBridgeTest)
#include "UndoBridgeTest.moc"
