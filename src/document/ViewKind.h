#pragma once
// The kinds of view the main window shows one at a time, and what the window says about each.

#include <string_view>

namespace lumivane {

enum class ViewKind { Project, Auditorium, Projector, Format, Lens };

// The text of the "Print Item Details..." command while a view of kind is shown.
std::string_view PrintItemDetailsText(ViewKind kind);

} // namespace lumivane
