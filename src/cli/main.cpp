// lumivane-cli: the scriptable face of Lumivane. It links the same core and Qt adapters as the
// GUI, so every figure it prints is the figure the program shows.

#include "base/Version.h"
#include "cli/CatalogCommands.h"
#include "cli/ChecksCommand.h"
#include "cli/CommandSetup.h"
#include "cli/DetailsCommand.h"
#include "cli/DrawingCommand.h"
#include "cli/DumpCommand.h"
#include "cli/EditCommand.h"
#include "cli/PdfOptions.h"
#include "cli/ReportCommand.h"
#include "cli/SaveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr auto kDescription = "Lumivane command-line tool: cinema projection design without the "
                              "window.\n"
                              "\n"
                              "Commands:\n"
                              "  catalog build --catalog-dir DIR --out FILE [--settings FILE]\n"
                              "  catalog dump [--catalog-dir DIR | --store FILE] "
                              "[--settings FILE]\n"
                              "  catalog update [--store FILE] [--url BASE] [--settings FILE]\n"
                              "  checks PROJECT.hoprj [--json] [--catalog-dir DIR] "
                              "[--settings FILE]\n"
                              "  details PROJECT.hoprj --pdf OUT.pdf [--from N] [--to M] "
                              "[--catalog-dir DIR] [--settings FILE]\n"
                              "  drawing PROJECT.hoprj --item A[/P[/F]] [--section] "
                              "(--svg OUT.svg | --dxf OUT.dxf) [--catalog-dir DIR] "
                              "[--settings FILE]\n"
                              "  dump PROJECT.hoprj [--catalog-dir DIR] [--settings FILE] "
                              "[--as-stored] [--candidates]\n"
                              "  edit PROJECT.hoprj --ops FILE [--output OUT.hoprj] "
                              "[--catalog-dir DIR] [--settings FILE]\n"
                              "  edit --list\n"
                              "  report project|purchase|products|light [PROJECT.hoprj] "
                              "[--catalog-dir DIR] [--settings FILE] [--text OUT.txt] "
                              "[--pdf OUT.pdf [--from N] [--to M]]\n"
                              "  save IN.hoprj OUT.hoprj [--recalculate] [--catalog-dir DIR] "
                              "[--settings FILE]";

// The command named by the first argument; the help or version text when none is named.
int RunCommand(const QStringList& arguments) {
    using namespace lumivane::cli;
    const QString command = arguments.value(1);
    if (command == QLatin1String("catalog")) {
        return RunCatalogCommand(arguments);
    }
    if (command == QLatin1String("checks")) {
        return RunChecksCommand(arguments);
    }
    if (command == QLatin1String("details")) {
        return RunDetailsCommand(arguments);
    }
    if (command == QLatin1String("drawing")) {
        return RunDrawingCommand(arguments);
    }
    if (command == QLatin1String("dump")) {
        return RunDumpCommand(arguments);
    }
    if (command == QLatin1String("edit")) {
        return RunEditCommand(arguments);
    }
    if (command == QLatin1String("report")) {
        return RunReportCommand(arguments);
    }
    if (command == QLatin1String("save")) {
        return RunSaveCommand(arguments);
    }

    // Parsed rather than processed: processing would print and exit on its own, past the check
    // that the text was written.
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do."));
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(version)) {
        std::fputs((std::string("lumivane-cli ") + lumivane::kVersion + '\n').c_str(), stdout);
        return 0;
    }
    std::fputs(parser.helpText().toStdString().c_str(), stdout);
    const bool askedForHelp = arguments.size() == 1 || (parsed && parser.isSet(help));
    return askedForHelp ? 0 : 1;
}

// Text is laid out with fonts only a GUI application has; the other commands start faster
// and need no platform plugin without one.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    if (lumivane::cli::LaysOutText(argc, argv)) {
        lumivane::cli::UseOffscreenPlatformUnlessChosen();
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumivane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(lumivane::kVersion));
    return lumivane::cli::CheckedExit(RunCommand(QCoreApplication::arguments()));
}
