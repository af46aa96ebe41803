#include "views/AuditoriumFields.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "views/LengthEdit.h"
#include "views/ValueSlider.h"

AuditoriumFields::AuditoriumFields(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                                   std::function<void()> shown)
    : m_doc(doc), m_hooks(std::move(hooks)), m_auditorium(std::move(auditorium)),
      m_shown(std::move(shown)) {}

const CAuditorium* AuditoriumFields::Auditorium() const {
    return m_doc.GetAuditorium(m_auditorium());
}

void AuditoriumFields::Edit(const char* label, const Change& change) const {
    if (Auditorium() == nullptr) {
        return;
    }
    m_doc.Editor().EditAuditorium(m_auditorium(), label, change);
    m_shown();
}

void AuditoriumFields::EditField(const QObject* field, const char* label,
                                 const Change& change) const {
    m_hooks.Edited(field);
    Edit(label, change);
}

// A greyed control stands for a value the model derives; a screen reader may still set it,
// but that must not store anything.
void AuditoriumFields::StoreEachEdit(LengthEdit* field, const char* label, Store store) const {
    QObject::connect(field, &LengthEdit::valueEdited, field, [this, field, label, store](double v) {
        if (field->isEnabled()) {
            EditField(field, label, [&](CAuditorium& a) { store(a, v); });
        }
    });
    QObject::connect(field, &LengthEdit::valueCommitted, field,
                     [this, field] { m_hooks.Finished(field); });
}

void AuditoriumFields::StoreEachMove(ValueSlider* slider, const char* label, Store store) const {
    QObject::connect(slider, &ValueSlider::valueReported, slider,
                     [this, slider, label, store](double v) {
                         if (slider->isEnabled()) {
                             EditField(slider, label, [&](CAuditorium& a) { store(a, v); });
                         }
                     });
    QObject::connect(slider, &ValueSlider::editFinished, slider,
                     [this, slider] { m_hooks.Finished(slider); });
}
