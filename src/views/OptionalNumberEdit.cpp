#include "views/OptionalNumberEdit.h"

#include "ui/QtText.h"
#include "views/EditBurst.h"
#include "views/LimitNotice.h"

#include <QSignalBlocker>

using lumivane::Text;

OptionalNumberEdit::OptionalNumberEdit(lumivane::LightValue which, QWidget* parent)
    : QLineEdit(parent), m_which(which), m_burst(new EditBurst(this, EditBurst::EnterKey::Ends)) {
    setPlaceholderText(Text(lumivane::LightFieldPlaceholder(which)));
    setMaxLength(24);
    setMinimumWidth(fontMetrics().horizontalAdvance(u"1,000,000 lm"_qs) + 12);
    connect(this, &QLineEdit::textChanged, m_burst, [this] { m_burst->NoteEdit(); });
    connect(m_burst, &EditBurst::finished, this, &OptionalNumberEdit::TakeText);
}

void OptionalNumberEdit::ShowValue(std::optional<double> value, bool force) {
    const lumivane::LightFieldRead shown = lumivane::ReadLightField(m_which, text().toStdString());
    m_stored = value;
    if (force || shown.Refused() || shown.value != value) {
        ShowStored();
    }
}

void OptionalNumberEdit::CommitEdit() {
    m_burst->Finish();
}

void OptionalNumberEdit::TakeText() {
    const lumivane::LightFieldRead read = lumivane::ReadLightField(m_which, text().toStdString());
    if (read.Refused()) {
        ShowStored();
        lumivane::ShowLimitNotice(this, read.refusal);
        return;
    }
    if (read.value != m_stored) {
        Q_EMIT valueCommitted(read.value);
    }
    // "12,000 lm" settles as "12000".
    ShowStored();
}

void OptionalNumberEdit::ShowStored() {
    const QSignalBlocker quiet(this);
    setText(Text(lumivane::LightFieldText(m_which, m_stored)));
}
