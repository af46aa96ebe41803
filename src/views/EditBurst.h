#pragma once
// Follows the edit bursts of a plain text field (a count, the comments): a burst runs from
// the first change the user makes until the field loses the focus or, in a one-line field,
// Enter is pressed. The window's undo and redo keys pass through the field to the project's
// undo, as in the length fields.

#include <QObject>

class QWidget;

class EditBurst : public QObject {
    Q_OBJECT

public:
    enum class EnterKey { Ends, Types };
    // Watches field and lives as long as it does.
    EditBurst(QWidget* field, EnterKey enter);

    // The user changed the field: a burst is open until finished().
    void NoteEdit() { m_open = true; }
    // Ends an open burst with finished().
    void Finish();

Q_SIGNALS:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterKey m_enter;
    bool m_open = false;
};
