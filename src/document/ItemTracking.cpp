#include "document/ItemTracking.h"

namespace lumivane {

namespace {

int& RowAt(ItemPath& path, int level) {
    return level == 1 ? path.auditorium : level == 2 ? path.projector : path.setUp;
}

// Whether place lies at the event's level or below it, under the event's parent.
bool SharesParent(const ItemPath& place, const ItemPath& event) {
    const int level = event.Level();
    if (level == 0 || place.Level() < level) {
        return false;
    }
    return (level < 2 || place.auditorium == event.auditorium) &&
           (level < 3 || place.projector == event.projector);
}

} // namespace

bool IsAtOrInside(const ItemPath& place, const ItemPath& event) {
    ItemPath at = place;
    ItemPath gone = event;
    const int level = event.Level();
    return SharesParent(place, event) && RowAt(at, level) == RowAt(gone, level);
}

ItemPath AfterInsert(ItemPath place, const ItemPath& inserted) {
    ItemPath at = inserted;
    const int level = inserted.Level();
    if (SharesParent(place, inserted) && RowAt(place, level) >= RowAt(at, level)) {
        ++RowAt(place, level);
    }
    return place;
}

ItemPath AfterRemove(ItemPath place, const ItemPath& removed) {
    ItemPath at = removed;
    const int level = removed.Level();
    if (SharesParent(place, removed) && RowAt(place, level) > RowAt(at, level)) {
        --RowAt(place, level);
    }
    return place;
}

} // namespace lumivane
