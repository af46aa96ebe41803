#pragma once
// The projector menu as data: the root holds maker sub-menus, which hold series sub-menus and
// model items; the Qt layer turns it into a QMenu.

#include <string>
#include <vector>

namespace lumivane {

struct ProjectorMenuNode {
    std::string text;
    // The command of a model item; 0 for a sub-menu.
    int command = 0;
    std::vector<ProjectorMenuNode> children;

    bool IsSubmenu() const { return command == 0; }
};

} // namespace lumivane
