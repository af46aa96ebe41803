#pragma once
// lumivane-cli checks PROJECT.hoprj [--json]: the light and sightline checks of every
// auditorium and lens set-up, as the "Light and Sightlines" report's text or as JSON.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "checks" and what follows; returns the process exit code.
int RunChecksCommand(const QStringList& arguments);

} // namespace lumivane::cli
