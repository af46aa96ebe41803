#pragma once
// lumivane-cli report project | purchase | products: the plain text of a printed report, on
// stdout or written as the program's text export writes it.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "report" and what follows; returns the process exit code.
int RunReportCommand(const QStringList& arguments);

} // namespace lumivane::cli
