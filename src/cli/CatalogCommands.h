#pragma once
// lumivane-cli catalog build | dump | update: write a catalog store from the text files, print
// the catalogs as JSON, and run the live update from a script.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "catalog" and what follows; returns the process exit code.
int RunCatalogCommand(const QStringList& arguments);

} // namespace lumivane::cli
