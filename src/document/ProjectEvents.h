#pragma once
// What the project tells whoever follows it (the tree model, the views, the undo bridge), in
// a form a Qt item model can follow: paired "about to" and "done" events for inserting and
// removing items at stable positions, and "changed" events that say what kind of property
// changed. Positions are rows: the auditorium's place in the project, the projector's place
// in its auditorium and the lens set-up's place in its projector.

#include <string>

namespace lumivane {

struct ItemPath {
    int auditorium = -1;
    int projector = -1;
    int setUp = -1;

    static ItemPath Auditorium(int a) { return {a, -1, -1}; }
    static ItemPath Projector(int a, int p) { return {a, p, -1}; }
    static ItemPath SetUp(int a, int p, int s) { return {a, p, s}; }
    // 1 auditorium, 2 projector, 3 lens set-up, 0 the project itself.
    int Level() const { return setUp >= 0 ? 3 : projector >= 0 ? 2 : auditorium >= 0 ? 1 : 0; }
    bool operator==(const ItemPath&) const = default;
};

// What kind of property of an item changed; an item may report several at once.
enum ChangeFlag : unsigned {
    ChangeName = 1u << 0,
    // Sizes, places, optics: anything that moves a number or the drawing.
    ChangeGeometry = 1u << 1,
    // The chosen lens combination (the tree's fourth level).
    ChangeLens = 1u << 2,
    ChangeAll = ChangeName | ChangeGeometry | ChangeLens,
};

class ProjectListener {
public:
    virtual ~ProjectListener() = default;

    // The item will be at path once inserted; its parent exists.
    virtual void ItemAboutToBeInserted(const ItemPath& /*path*/) {}
    virtual void ItemInserted(const ItemPath& /*path*/) {}
    // The item is still in place and alive during this call.
    virtual void ItemAboutToBeRemoved(const ItemPath& /*path*/) {}
    // The item is gone; later siblings have moved up one row.
    virtual void ItemRemoved(const ItemPath& /*path*/) {}
    // Undo puts an item back by removing it and inserting its restored self at the same row;
    // these bracket that pair, so whoever shows the item can go on showing it.
    virtual void ItemAboutToBeReplaced(const ItemPath& /*path*/) {}
    virtual void ItemReplaced(const ItemPath& /*path*/) {}
    virtual void ItemChanged(const ItemPath& /*path*/, unsigned /*flags*/) {}
    // Bracket every event of one edit or one undo: a view that follows the end alone shows
    // the outcome once, however many items the step touched.
    virtual void StepBegun() {}
    virtual void StepEnded() {}
    // The project texts (manager, dates) changed.
    virtual void ProjectInfoChanged() {}
    virtual void ModifiedChanged(bool /*modified*/) {}
    virtual void TitleChanged(const std::string& /*title*/) {}
    virtual void UnitsChanged() {}
    virtual void CatalogsReplaced() {}
    // The lenses the catalog offers a set-up are chosen by other rules (fixed focal lengths).
    virtual void LensRulesChanged() {}
    // New, Open or a refused file: every item is about to go; pointers must be dropped now.
    virtual void ProjectAboutToBeReplaced() {}
    virtual void ProjectReplaced() {}
};

} // namespace lumivane
