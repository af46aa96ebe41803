#pragma once
// Stores what the user does in the fields of a view or bar into one auditorium, through the
// project's editor: a field's burst of edits (typing, a drag) becomes one undo step, and after
// each edit the owner shows the outcome.

#include "views/ViewHooks.h"

#include <functional>

class CAuditorium;
class CQorDoc;
class LengthEdit;
class ValueSlider;

class AuditoriumFields {
public:
    using Change = std::function<void(CAuditorium&)>;
    using Store = std::function<void(CAuditorium&, double)>;

    // auditorium names the auditorium edited (-1: none, and nothing is stored); shown runs
    // after each edit.
    AuditoriumFields(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                     std::function<void()> shown);
    // The connections made hold this object's address.
    AuditoriumFields(const AuditoriumFields&) = delete;
    AuditoriumFields& operator=(const AuditoriumFields&) = delete;

    const ViewHooks& Hooks() const { return m_hooks; }
    const CAuditorium* Auditorium() const;

    // One edit named label; nothing without an auditorium.
    void Edit(const char* label, const Change& change) const;
    // An edit that is one step of field's burst.
    void EditField(const QObject* field, const char* label, const Change& change) const;
    // Each change of the field, or each move of the slider, is stored.
    void StoreEachEdit(LengthEdit* field, const char* label, Store store) const;
    void StoreEachMove(ValueSlider* slider, const char* label, Store store) const;

private:
    CQorDoc& m_doc;
    ViewHooks m_hooks;
    std::function<int()> m_auditorium;
    std::function<void()> m_shown;
};
