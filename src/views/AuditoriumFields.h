#pragma once
// Stores what the user does in the fields of a view or bar into one auditorium, through the
// project's editor: a field's burst of edits (typing, a drag) becomes one undo step, and after
// each edit the owner shows the outcome.

#include "model/AuditoriumSettings.h"
#include "views/ViewHooks.h"

#include <functional>
#include <string>

class CAuditorium;
class CQorDoc;
class LengthEdit;
class ValueSlider;

class AuditoriumFields {
public:
    // auditorium names the auditorium edited (-1: none, and nothing is stored); shown runs
    // after each edit.
    AuditoriumFields(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                     std::function<void()> shown);
    // The connections made hold this object's address.
    AuditoriumFields(const AuditoriumFields&) = delete;
    AuditoriumFields& operator=(const AuditoriumFields&) = delete;

    const ViewHooks& Hooks() const { return m_hooks; }
    const CAuditorium* Auditorium() const;

    // One edit of a setting; nothing without an auditorium.
    void Set(lumivane::AuditoriumSetting setting, double value) const;
    // An edit that is one step of field's burst.
    void SetFromField(const QObject* field, lumivane::AuditoriumSetting setting,
                      double value) const;
    void SetComments(const QObject* field, const std::string& comments) const;
    // Each change of the field, or each move of the slider, is stored.
    void StoreEachEdit(LengthEdit* field, lumivane::AuditoriumSetting setting) const;
    void StoreEachMove(ValueSlider* slider, lumivane::AuditoriumSetting setting) const;

private:
    CQorDoc& m_doc;
    ViewHooks m_hooks;
    std::function<int()> m_auditorium;
    std::function<void()> m_shown;
};
