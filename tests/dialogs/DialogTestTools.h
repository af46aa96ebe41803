#pragma once
// Finding the dialogs' fields as a screen reader does, by their accessible names, and typing
// into them.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace lumivane::test {

template <class Field> Field* Named(const QWidget& root, const QString& name) {
    for (Field* field : root.findChildren<Field*>()) {
        if (field->accessibleName() == name) {
            return field;
        }
    }
    return nullptr;
}

// Replaces the field's text as a user does: select all, type, then Tab away (Enter would
// press the dialog's default button).
inline void TypeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

template <class Button = QAbstractButton>
Button* ButtonText(const QWidget& root, const QString& text) {
    for (Button* button : root.findChildren<Button*>()) {
        if (button->text().remove(QLatin1Char('&')) == text) {
            return button;
        }
    }
    return nullptr;
}

} // namespace lumivane::test
