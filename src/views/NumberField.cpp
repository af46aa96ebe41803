#include "views/NumberField.h"

#include "base/NumberText.h"
#include "ui/QtText.h"
#include "views/LimitNotice.h"

#include <QSignalBlocker>

NumberField::NumberField(const lumivane::NumberLimits& limits, int decimals, QWidget* parent)
    : QLineEdit(parent), m_limits(limits), m_decimals(decimals) {
    setMaxLength(32);
    setMinimumWidth(fontMetrics().horizontalAdvance(u"8888888"_qs) + 12);
    connect(this, &QLineEdit::editingFinished, this, &NumberField::Settle);
}

void NumberField::SetValue(std::optional<double> value, bool force) {
    if (!force && (hasFocus() && isModified())) {
        return;
    }
    m_shown = value;
    const QSignalBlocker quiet(this);
    setText(value ? lumivane::Text(lumivane::FormatFixed(*value, m_decimals)) : QString());
    setModified(false);
}

void NumberField::CommitEdit() {
    if (isModified()) {
        Settle();
    }
}

void NumberField::Settle() {
    const lumivane::TypedNumber typed = lumivane::NumberFromText(text().toStdString(), m_limits);
    const std::optional<double> value =
        typed.empty ? std::nullopt : std::optional<double>(typed.value);
    lumivane::ShowLimitNotice(this, typed.notice);
    setModified(false);
    if (value == m_shown) {
        SetValue(m_shown, true);
        return;
    }
    m_shown = value;
    Q_EMIT valueCommitted(value);
}
