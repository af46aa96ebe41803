#include "views/EditBurst.h"

#include "views/UndoKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

EditBurst::EditBurst(QWidget* field, EnterKey enter) : QObject(field), m_enter(enter) {
    field->installEventFilter(this);
}

void EditBurst::Finish() {
    if (!m_open) {
        return;
    }
    m_open = false;
    Q_EMIT finished();
}

bool EditBurst::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (lumivane::IsWindowUndoKey(*key)) {
            // Left unaccepted, the key goes on to the window's Undo and Redo.
            event->ignore();
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && event->type() == QEvent::KeyPress && m_enter == EnterKey::Ends) {
            Finish();
        }
        break;
    }
    case QEvent::FocusOut:
        // A context menu takes the focus only for a moment.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            Finish();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
