#pragma once
// How whoever shows an item keeps its position right while items come and go: positions are
// rows, so an item inserted or removed before it under the same parent moves it by one, and
// the removal of the item or of anything holding it takes it away.

#include "document/ProjectEvents.h"

namespace lumivane {

// Whether the item at place is the one at event or lies inside it.
bool IsAtOrInside(const ItemPath& place, const ItemPath& event);
// Where the item at place is once an item was inserted at inserted.
ItemPath AfterInsert(ItemPath place, const ItemPath& inserted);
// Where the item at place is once the item at removed, which did not hold it, is gone.
ItemPath AfterRemove(ItemPath place, const ItemPath& removed);

} // namespace lumivane
