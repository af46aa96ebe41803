#pragma once
// The project's undo history: every step the editor records becomes a command on a
// QUndoStack, holding the project as it was before and after and where the view pane stood.
// Undo and redo put both the project and the pane back. The stack's clean state is the saved
// state, so the modified flag follows it.
//
// The edits of one field merge into one step: a view opens a field session when a burst of
// editing begins (LengthEdit::editStarted, ValueSlider::editStarted), and every step recorded
// until the session ends becomes part of the first.

#include "document/ProjectEditor.h"
#include "document/ProjectEvents.h"
#include "views/ViewPane.h"

#include <QObject>
#include <QString>

class CQorDoc;
class QAction;
class QUndoStack;

class UndoBridge : public QObject, public lumivane::EditRecorder, public lumivane::ProjectListener {
    Q_OBJECT

public:
    UndoBridge(CQorDoc& doc, ViewPane& pane, QObject* parent = nullptr);
    ~UndoBridge() override;
    UndoBridge(const UndoBridge&) = delete;
    UndoBridge& operator=(const UndoBridge&) = delete;

    QUndoStack* Stack() const { return m_stack; }
    // "&Undo" and "&Redo" with the step's name, their keys, enabled while there is a step;
    // they store the focused field before they act.
    QAction* UndoAction() const { return m_undoAction; }
    QAction* RedoAction() const { return m_redoAction; }

    // A burst of edits of field begins: a new session, whatever session was open ends.
    void BeginFieldEdit(const QObject* field);
    void EndFieldEdit();
    // Whether field's session is the open one.
    bool InFieldEdit(const QObject* field) const { return m_session >= 0 && m_field == field; }
    // For views that report each edit of a field: the field's session opens with its first
    // edit (or its first after a step of another field, or after an undo) and ends when the
    // field is finished.
    void FieldEdited(const QObject* field);
    void FieldFinished(const QObject* field);
    // Stores what the current view's focused field holds (a step of its own, or the last of
    // its field's session).
    void CommitFieldEdits();
    // Forgets every step; the present project is the clean state.
    void Clear();

public Q_SLOTS:
    void Undo();
    void Redo();

private:
    class Step;

    // Moves the history one step by move; back moves it where it was when the step failed.
    void Move(void (QUndoStack::*move)(), void (QUndoStack::*back)());
    // Brings the project to target (from the state from) and the pane to place; a failure
    // is kept in m_failure.
    void ReturnTo(const lumivane::ProjectSnapshot& target, const lumivane::ProjectSnapshot& from,
                  const ViewPane::Place& place);
    void StepStarting() override;
    void Recorded(const lumivane::StepName& step, lumivane::ProjectSnapshot before,
                  lumivane::ProjectSnapshot after) override;
    void ProjectReplaced() override;
    void CreateActions();
    void FollowShownPlace(const ViewPane::Place& place);

    CQorDoc& m_doc;
    ViewPane& m_pane;
    QUndoStack* m_stack;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    ViewPane::Place m_placeAtStart;
    // The open field session (-1: none) and the end of its field, which ends it too.
    int m_session = -1;
    const QObject* m_field = nullptr;
    QMetaObject::Connection m_fieldGone;
    int m_lastSession = 0;
    bool m_returning = false;
    bool m_skipRestore = false;
    bool m_stepJustRecorded = false;
    QString m_failure;
};
