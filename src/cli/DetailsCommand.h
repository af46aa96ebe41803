#pragma once
// lumivane-cli details PROJECT --pdf OUT.pdf: the project's details pages, as "Print Project
// Details..." prints them, written as a PDF.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "details" and what follows; returns the process exit code.
int RunDetailsCommand(const QStringList& arguments);

} // namespace lumivane::cli
