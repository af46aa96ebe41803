#pragma once
// Finding widgets as a screen reader does: by the name it announces.

#include <QAccessible>
#include <QWidget>

namespace lumivane::test {

// The first widget of its kind under root that a screen reader knows by name. On Linux Qt
// names a list by its selection, so lists are found by the name they are given.
template <class W> W* Named(const QWidget* root, const QString& name) {
    for (W* widget : root->findChildren<W*>()) {
        if (widget->accessibleName() == name ||
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) == name) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace lumivane::test
