#pragma once
// lumivane-cli drawing PROJECT --item A[/P[/F]] [--section] (--svg OUT | --dxf OUT): the screen
// drawing of an auditorium, a projector or a set-up, with its measures, as SVG or DXF.

#include <QStringList>

namespace lumivane::cli {

// arguments: the program name, "drawing" and what follows; returns the process exit code.
int RunDrawingCommand(const QStringList& arguments);

} // namespace lumivane::cli
