#pragma once
// The field for one light value: a plain number that may be left empty for "not known" (the
// empty field shows what that stands for). What the user types is stored once they settle on
// it, Enter or leaving the field, as one step; a text the value cannot take is refused with a
// notice beside the field, which then shows the stored value again.

#include "model/LightFields.h"

#include <QLineEdit>

#include <optional>

class EditBurst;

class OptionalNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit OptionalNumberEdit(lumivane::LightValue which, QWidget* parent = nullptr);

    // Unless forced, a text that already reads as the value is left as the user typed it.
    void ShowValue(std::optional<double> value, bool force);
    // Ends an open edit as leaving the field does; the window calls it before it undoes.
    void CommitEdit();

Q_SIGNALS:
    // Only for a value other than the one shown last.
    void valueCommitted(std::optional<double> value);

private:
    void TakeText();
    void ShowStored();

    lumivane::LightValue m_which;
    EditBurst* m_burst;
    std::optional<double> m_stored;
};
