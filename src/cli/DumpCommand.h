#pragma once
// lumivane-cli dump PROJECT.hoprj: reads a project as the program opens it and prints every
// stored and derived figure of its auditoriums, projectors and lens set-ups as JSON.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "dump" and what follows; returns the process exit code.
int RunDumpCommand(const QStringList& arguments);

} // namespace lumivane::cli
