// lumivane-cli: the scriptable face of Lumivane. It links the same core and Qt adapters as the
// GUI, so every figure it prints is the figure the program shows.

#include "cli/ReportCommand.h"
#include "cli/SaveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr auto kDescription =
    "Lumivane command-line tool: cinema projection design without the window.\n"
    "\n"
    "Commands arrive with the catalog, model and report layers.";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumivane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMIVANE_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
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
    parser.process(app);

    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
}
