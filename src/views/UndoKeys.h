#pragma once
// Undo and redo act on the whole project, so text fields must let these keys through to the
// window instead of undoing their own typing.

class QKeyEvent;

namespace lumivane {

// Ctrl+Z, Alt+Backspace, Ctrl+Y, Ctrl+Shift+Z and the platform's own undo and redo keys.
bool IsWindowUndoKey(const QKeyEvent& event);

} // namespace lumivane
