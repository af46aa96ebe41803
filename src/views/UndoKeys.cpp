#include "views/UndoKeys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace lumivane {

bool IsWindowUndoKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo))
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Z:
        return modifiers == Qt::ControlModifier ||
               modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    case Qt::Key_Y:
        return modifiers == Qt::ControlModifier;
    case Qt::Key_Backspace:
        return modifiers == Qt::AltModifier;
    default:
        return false;
    }
}

} // namespace lumivane
