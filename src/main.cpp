#include "app/QorApp.h"
#include "base/Version.h"
#include "ui/QtClockAndLocale.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

#include <filesystem>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivane"));
    QApplication::setApplicationVersion(QString::fromLatin1(lumivane::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design tool for cinema projection."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("Project file (.hoprj) to open."),
                                 QStringLiteral("[project]"));
    parser.process(application);

    std::filesystem::path projectFile;
    if (!parser.positionalArguments().isEmpty()) {
        projectFile = std::filesystem::path(parser.positionalArguments().front().toStdU16String());
    }

    CQorApp app(std::make_shared<lumivane::QtClockAndLocale>(), CQorApp::RealDialogs(),
                CQorApp::ProgramLocations());
    if (!app.InitInstance(projectFile)) {
        return 1;
    }

    // A plain window stands in until the main frame with its project tree and views exists.
    QMainWindow window;
    window.setWindowTitle(QString::fromLatin1(lumivane::kProgramTitle));
    window.resize(1024, 700);
    window.show();
    const int loopResult = QApplication::exec();
    const int exitResult = app.ExitInstance();
    return loopResult != 0 ? loopResult : exitResult;
}
