#pragma once
// Whether the view in sight tells the truth: every field, list cell and detail label of the
// pane's shown view read as a user sees it and compared with what the core makes of the item
// now, called on the model directly.

#include <QStringList>

class QWidget;

namespace lumivane::test {

// window: the main window, the pane, or anything that holds the pane. One line per figure
// that disagrees with the model (empty: all agree); a field the user is still typing into is
// left out.
QStringList FigureMismatches(QWidget& window);

} // namespace lumivane::test
