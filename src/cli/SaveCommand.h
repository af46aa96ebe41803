#pragma once
// lumivane-cli save IN OUT [--recalculate]: reads a project of any version and writes it in the
// current one, the batch form of opening and saving in the program.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "save" and what follows; returns the process exit code.
int RunSaveCommand(const QStringList& arguments);

} // namespace lumivane::cli
