#pragma once
// How the dialogs name their input fields: the label that stands with a field on its line
// becomes its buddy (so its mnemonic reaches it) and its accessible name, so screen readers
// and tests find the field by the words the user reads beside it.

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace lumivane {

// A label of text for field; the field is named after it.
QLabel* FieldLabel(const QString& text, QWidget* field);
// A label of text with no field of its own (the words around a field).
QLabel* PlainLabel(const QString& text);
// The field's accessible name: the text without its mnemonic marker.
void NameField(QWidget* field, const QString& text);

// Tab goes through the widgets in the order given, which is the order they are laid out.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

} // namespace lumivane
