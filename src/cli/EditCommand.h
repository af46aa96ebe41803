#pragma once
// lumivane-cli edit PROJECT --ops FILE [--output OUT]: runs a script of named edits on a
// project through the program's own operations and saves it in one step; --list names them.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "edit" and what follows; returns the process exit code.
int RunEditCommand(const QStringList& arguments);

} // namespace lumivane::cli
