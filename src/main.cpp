#include "app/MainFrame.h"
#include "app/QorApp.h"
#include "base/Version.h"
#include "ui/QtClockAndLocale.h"

#include <QApplication>
#include <QCommandLineParser>

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

    CMainFrame frame(*app.Document());
    frame.show();
    const int loopResult = QApplication::exec();
    const int exitResult = app.ExitInstance();
    return loopResult != 0 ? loopResult : exitResult;
}
