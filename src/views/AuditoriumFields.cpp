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

void AuditoriumFields::Set(lumivane::AuditoriumSetting setting, double value) const {
    if (Auditorium() == nullptr) {
        return;
    }
    m_doc.Editor().SetAuditoriumSetting(m_auditorium(), setting, value);
    m_shown();
}

void AuditoriumFields::SetFromField(const QObject* field, lumivane::AuditoriumSetting setting,
                                    double value) const {
    m_hooks.Edited(field);
    Set(setting, value);
}

void AuditoriumFields::SetComments(const QObject* field, const std::string& comments) const {
    if (Auditorium() == nullptr) {
        return;
    }
    m_hooks.Edited(field);
    m_doc.Editor().SetComments(m_auditorium(), comments);
    m_shown();
}

// A greyed control stands for a value the model derives; a screen reader may still set it,
// but that must not store anything.
void AuditoriumFields::StoreEachEdit(LengthEdit* field, lumivane::AuditoriumSetting setting) const {
    QObject::connect(field, &LengthEdit::valueEdited, field, [this, field, setting](double v) {
        if (field->isEnabled()) {
            SetFromField(field, setting, v);
        }
    });
    QObject::connect(field, &LengthEdit::valueCommitted, field,
                     [this, field] { m_hooks.Finished(field); });
}

void AuditoriumFields::StoreEachMove(ValueSlider* slider,
                                     lumivane::AuditoriumSetting setting) const {
    QObject::connect(slider, &ValueSlider::valueReported, slider,
                     [this, slider, setting](double v) {
                         if (slider->isEnabled()) {
                             SetFromField(slider, setting, v);
                         }
                     });
    QObject::connect(slider, &ValueSlider::editFinished, slider,
                     [this, slider] { m_hooks.Finished(slider); });
}
