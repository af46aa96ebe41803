#include "app/UndoBridge.h"

#include "document/QorDoc.h"
#include "views/QorView.h"

#include <QAction>
#include <QMessageBox>
#include <QUndoCommand>
#include <QUndoStack>

#include <exception>

using lumivane::ProjectSnapshot;

// One recorded step. Pushing runs redo() at once, but the edit has already happened then.
class UndoBridge::Step : public QUndoCommand {
public:
    Step(UndoBridge& bridge, const lumivane::StepName& name, ProjectSnapshot before,
         ProjectSnapshot after, const ViewPane::Place& placeBefore, int session)
        : QUndoCommand(QString::fromUtf8(name.label)), m_bridge(bridge), m_kind(name.id),
          m_before(std::move(before)), m_after(std::move(after)), m_placeBefore(placeBefore),
          m_placeAfter(bridge.m_pane.CurrentPlace()), m_session(session) {}

    int id() const override { return m_session; }

    // The first step of the session keeps its before, the later ones give their after; a
    // session that ends where it began is no step at all. Only edits of one kind merge: a
    // burst in one field may set off a step of another kind, which stays a step of its own.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* later = static_cast<const Step*>(other);
        if (later->m_kind != m_kind) {
            return false;
        }
        m_after = later->m_after;
        m_placeAfter = later->m_placeAfter;
        setObsolete(lumivane::SameSnapshot(m_before, m_after));
        return true;
    }

    void undo() override { m_bridge.ReturnTo(m_before, m_after, m_placeBefore); }
    void SetPlaceAfter(const ViewPane::Place& place) { m_placeAfter = place; }

    void redo() override {
        if (m_done) {
            m_bridge.ReturnTo(m_after, m_before, m_placeAfter);
        }
        m_done = true;
    }

private:
    UndoBridge& m_bridge;
    int m_kind;
    ProjectSnapshot m_before;
    ProjectSnapshot m_after;
    ViewPane::Place m_placeBefore;
    ViewPane::Place m_placeAfter;
    int m_session;
    bool m_done = false;
};

UndoBridge::UndoBridge(CQorDoc& doc, ViewPane& pane, QObject* parent)
    : QObject(parent), m_doc(doc), m_pane(pane), m_stack(new QUndoStack(this)),
      m_placeAtStart(pane.CurrentPlace()) {
    CreateActions();
    connect(m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_doc.SetModifiedFlag(!clean); });
    connect(&pane, &ViewPane::placeChanged, this, &UndoBridge::FollowShownPlace);
    m_doc.Editor().SetRecorder(this);
    m_doc.AddListener(this);
}

UndoBridge::~UndoBridge() {
    m_doc.RemoveListener(this);
    m_doc.Editor().SetRecorder(nullptr);
}

void UndoBridge::CreateActions() {
    m_undoAction = new QAction(tr("&Undo"), this);
    m_undoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    m_undoAction->setStatusTip(tr("Undo the last action"));
    m_redoAction = new QAction(tr("&Redo"), this);
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_redoAction->setStatusTip(tr("Redo the previously undone action"));
    const auto follow = [](QAction* action, const QString& verb) {
        return [action, verb](const QString& step) {
            action->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
        };
    };
    connect(m_stack, &QUndoStack::undoTextChanged, this, follow(m_undoAction, tr("&Undo")));
    connect(m_stack, &QUndoStack::redoTextChanged, this, follow(m_redoAction, tr("&Redo")));
    connect(m_stack, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    connect(m_undoAction, &QAction::triggered, this, &UndoBridge::Undo);
    connect(m_redoAction, &QAction::triggered, this, &UndoBridge::Redo);
}

void UndoBridge::BeginFieldEdit(const QObject* field) {
    EndFieldEdit();
    m_session = ++m_lastSession;
    m_field = field;
    if (field != nullptr) {
        m_fieldGone = connect(field, &QObject::destroyed, this, &UndoBridge::EndFieldEdit);
    }
}

void UndoBridge::EndFieldEdit() {
    disconnect(m_fieldGone);
    m_session = -1;
    m_field = nullptr;
}

void UndoBridge::FieldEdited(const QObject* field) {
    if (!InFieldEdit(field)) {
        BeginFieldEdit(field);
    }
}

void UndoBridge::FieldFinished(const QObject* field) {
    if (InFieldEdit(field)) {
        EndFieldEdit();
    }
}

void UndoBridge::CommitFieldEdits() {
    if (CQorView* view = m_pane.CurrentView()) {
        view->CommitEdits();
    }
}

void UndoBridge::Clear() {
    EndFieldEdit();
    m_stack->clear();
}

// The field is stored first, so its edit becomes the step that is undone.
void UndoBridge::Undo() {
    Move(&QUndoStack::undo, &QUndoStack::redo);
}

void UndoBridge::Redo() {
    Move(&QUndoStack::redo, &QUndoStack::undo);
}

// A step whose project cannot be put back leaves the history where it was: the stack moves
// back without restoring anything, and since the project may no longer be the saved one, no
// state of the history counts as saved any more.
void UndoBridge::Move(void (QUndoStack::*move)(), void (QUndoStack::*back)()) {
    CommitFieldEdits();
    EndFieldEdit();
    m_failure.clear();
    (m_stack->*move)();
    if (m_failure.isEmpty()) {
        return;
    }
    m_skipRestore = true;
    (m_stack->*back)();
    m_skipRestore = false;
    m_stack->resetClean();
    m_doc.SetModifiedFlag(true);
    QMessageBox::critical(&m_pane, tr("Error"),
                          tr("The project could not be brought back to that step (%1). It is "
                             "kept as it is and marked as modified.")
                              .arg(m_failure));
}

void UndoBridge::ReturnTo(const ProjectSnapshot& target, const ProjectSnapshot& from,
                          const ViewPane::Place& place) {
    if (m_skipRestore) {
        return;
    }
    m_returning = true;
    try {
        m_doc.Editor().Restore(target, from);
        m_pane.Show(place);
    } catch (const std::exception& error) {
        // The editor reads every record before it changes anything, so the project is whole.
        m_failure = QString::fromUtf8(error.what());
    }
    m_returning = false;
}

void UndoBridge::StepStarting() {
    m_placeAtStart = m_pane.CurrentPlace();
}

void UndoBridge::Recorded(const lumivane::StepName& step, ProjectSnapshot before,
                          ProjectSnapshot after) {
    // Fields were stored before undo began, so a view that stores on being left has nothing
    // to add while the pane moves back.
    if (m_returning) {
        return;
    }
    m_stack->push(
        new Step(*this, step, std::move(before), std::move(after), m_placeAtStart, m_session));
    // A command shows what it made once its step is done; until control returns to the event
    // loop, where the pane goes is where redo goes.
    m_stepJustRecorded = true;
    QMetaObject::invokeMethod(
        this, [this] { m_stepJustRecorded = false; }, Qt::QueuedConnection);
}

void UndoBridge::FollowShownPlace(const ViewPane::Place& place) {
    if (!m_stepJustRecorded || m_returning || m_stack->index() != m_stack->count()) {
        return;
    }
    if (const auto* top = m_stack->command(m_stack->count() - 1)) {
        // The stack hands its commands out read-only, but every one of them is a Step made here.
        const_cast<Step*>(static_cast<const Step*>(top))->SetPlaceAfter(place);
    }
}

void UndoBridge::ProjectReplaced() {
    Clear();
}
