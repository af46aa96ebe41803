#pragma once
// A field for a plain number that may be left empty, which means "not known": lumens, a
// factor, a transmission. The value is taken when the user settles (Enter or leaving the
// field); beyond the field's limits it is held at the limit and a notice says which.

#include "base/FieldLimits.h"

#include <QLineEdit>

#include <optional>

class NumberField : public QLineEdit {
    Q_OBJECT

public:
    NumberField(const lumivane::NumberLimits& limits, int decimals, QWidget* parent = nullptr);

    // Shows the value, or nothing; leaves the text alone while the user types in the field.
    void SetValue(std::optional<double> value, bool force = false);
    // Takes what the user typed and has not settled yet.
    void CommitEdit();

Q_SIGNALS:
    // The user settled on a value that differs from the one shown.
    void valueCommitted(std::optional<double> value);

private:
    void Settle();

    lumivane::NumberLimits m_limits;
    int m_decimals;
    std::optional<double> m_shown;
};
