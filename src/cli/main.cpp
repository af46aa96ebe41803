// lumivane-cli: the scriptable face of Lumivane. It links the same core and Qt adapters as the
// GUI, so every figure it prints is the figure the program shows.

#include "base/Version.h"
#include "cli/CatalogCommands.h"
#include "cli/DumpCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SaveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr auto kDescription = "Lumivane command-line tool: cinema projection design without the "
                              "window.\n"
                              "\n"
                              "Commands:\n"
                              "  catalog build --catalog-dir DIR --out FILE [--settings FILE]\n"
                              "  catalog dump [--catalog-dir DIR | --store FILE] "
                              "[--settings FILE]\n"
                              "  catalog update [--store FILE] [--url BASE] [--settings FILE]\n"
                              "  dump PROJECT.hoprj [--catalog-dir DIR] [--settings FILE] "
                              "[--as-stored] [--candidates]\n"
                              "  report project|purchase|products [PROJECT.hoprj] "
                              "[--catalog-dir DIR] [--settings FILE] [--text OUT.txt]\n"
                              "  save IN.hoprj OUT.hoprj [--recalculate] [--catalog-dir DIR] "
                              "[--settings FILE]";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumivane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(lumivane::kVersion));

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("catalog")) {
        return lumivane::cli::RunCatalogCommand(arguments);
    }
    if (arguments.value(1) == QLatin1String("dump")) {
        return lumivane::cli::RunDumpCommand(arguments);
    }
    if (arguments.value(1) == QLatin1String("report")) {
        return lumivane::cli::RunReportCommand(arguments);
    }
    if (arguments.value(1) == QLatin1String("save")) {
        return lumivane::cli::RunSaveCommand(arguments);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do."));
    parser.process(app);

    std::fputs(qPrintable(parser.helpText()), stdout);
    return arguments.size() > 1 ? 1 : 0;
}
