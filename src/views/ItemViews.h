#pragma once
// The views of the project's items (auditorium, projector, format, lens), each given to the
// pane for its kind. The window and the tests build the same views this one way.

#include "views/ViewHooks.h"

class ViewPane;

namespace lumivane {
class ProjectRelay;
}

void RegisterItemViews(ViewPane& pane, lumivane::ProjectRelay& relay, const ViewHooks& hooks);
