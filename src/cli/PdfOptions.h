#pragma once
// What the commands that write PDFs share: the output file and page range options, how a
// write's result is told, and the offscreen GUI application that lays out and draws text.

#include "reports/PageGeometry.h"
#include "ui/PdfOutput.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <string>

namespace lumivane::cli {

QCommandLineOption PdfOption();
QCommandLineOption FromOption();
QCommandLineOption ToOption();

// The pages --from and --to name, all pages without them; none, with error set, when one is
// not a page number.
std::optional<PageRange> ChosenRange(const QCommandLineParser& parser, std::string& error);

// The exit code of a PDF write, with its message on stderr when it failed.
int PdfExitCode(PdfResult result);

// Whether the command line asks for a PDF or a drawing, which need fonts and so a GUI
// application.
bool LaysOutText(int argc, char* argv[]);
// With no display, so scripts and servers make PDFs too: the offscreen platform unless the
// caller chose one.
void UseOffscreenPlatformUnlessChosen();

} // namespace lumivane::cli
