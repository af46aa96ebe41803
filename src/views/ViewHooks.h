#pragma once
// What a view or a floating bar asks of the window around it. Any hook may be empty, as in
// a test that has no window.

#include <functional>

class QObject;

struct ViewHooks {
    // Right before each store a field makes while the user edits it: the edits of the field
    // from here until fieldFinished become one undo step.
    std::function<void(const QObject* field)> fieldEdited;
    // The user settled on the field's value (Enter, leaving it, the end of a drag).
    std::function<void(const QObject* field)> fieldFinished;
    // Brings up the floating screen-tilt bar unless it is shown already.
    std::function<void()> showTiltBar;
    // Shows the set-up of format of a projector, as choosing it in the project tree does.
    std::function<void(int auditorium, int projector, int format)> showFormat;

    void Edited(const QObject* field) const {
        if (fieldEdited) {
            fieldEdited(field);
        }
    }
    void Finished(const QObject* field) const {
        if (fieldFinished) {
            fieldFinished(field);
        }
    }
};
