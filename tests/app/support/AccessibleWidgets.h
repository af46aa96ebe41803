#pragma once
// Finding widgets as a screen reader does: by the name it announces.

#include "views/LengthEdit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
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

// The text of the label that names field, as its buddy.
inline QString BuddyText(const QWidget* root, const QWidget* field) {
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return {};
}

// Types text over what the field holds, key by key, as the user does.
inline void Type(QWidget* field, const QString& text) {
    field->setFocus();
    if (auto* length = qobject_cast<LengthEdit*>(field)) {
        length->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
    }
    QTest::keyClicks(field, text);
}

} // namespace lumivane::test
