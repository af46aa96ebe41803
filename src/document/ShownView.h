#pragma once
// What the window shows while a tree command runs, as far as the command's re-fit depends on
// it: a view showing a set-up re-fits around it after the command, as it does after its own
// edits. The window takes it from its pane; a script states it, so the same command gives the
// same project from either.

#include "document/ProjectEditor.h"
#include "document/ViewKind.h"

namespace lumivane {

struct ShownView {
    ViewKind kind = ViewKind::Project;
    int auditorium = -1;
    int projector = -1;
    // The format of the set-up the view shows (a projector view: the one its list shows);
    // -1 for none.
    int format = -1;
};

// After a lens was chosen or cleared: around the shown set-up.
Refit LensCommandRefit(const ShownView& shown);

// After format was added to (added) or removed from a projector. The projector's own view
// re-fits around the set-up it goes on listing (the new one when it listed none, none when
// its listed one went); the view of another projector is left alone; a format or lens view
// re-fits around its set-up.
Refit FormatChangeRefit(const ShownView& shown, int auditorium, int projector, int format,
                        bool added);

} // namespace lumivane
