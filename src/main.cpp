#include "app/MainFrame.h"
#include "app/PrinterJobs.h"
#include "app/QorApp.h"
#include "base/Version.h"
#include "ui/QtClockAndLocale.h"

#include <QApplication>
#include <QCommandLineParser>

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// A print from the command line asks nothing and opens no window: it offers no live update
// and says why it failed on the error stream.
CQorApp::UserInterface ConsoleAnswers() {
    return {[] { return CQorApp::UpdateAnswer::Cancel; },
            [](CQorApp::MessageKind, const std::string& caption, const std::string& text) {
                std::cerr << caption << ": " << text << '\n';
            }};
}

int PrintAndQuit(CQorApp& app) {
    const std::string failure = lumivane::PrintReportOnDefaultPrinter(*app.Document());
    app.ExitInstance();
    if (!failure.empty()) {
        std::cerr << failure << '\n';
        return 1;
    }
    return 0;
}

} // namespace

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
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Print the project report of FILE on the default printer, then quit."),
        QStringLiteral("FILE"));
    parser.addOption(print);
    parser.process(application);

    QString projectFile = parser.value(print);
    if (projectFile.isEmpty() && !parser.positionalArguments().isEmpty()) {
        projectFile = parser.positionalArguments().front();
    }

    const bool printing = parser.isSet(print);
    CQorApp app(std::make_shared<lumivane::QtClockAndLocale>(),
                printing ? ConsoleAnswers() : CQorApp::RealDialogs(), CQorApp::ProgramLocations());
    if (!app.InitInstance(std::filesystem::path(projectFile.toStdU16String()))) {
        return 1;
    }
    if (printing) {
        return PrintAndQuit(app);
    }

    CMainFrame frame(*app.Document());
    frame.show();
    const int loopResult = QApplication::exec();
    const int exitResult = app.ExitInstance();
    return loopResult != 0 ? loopResult : exitResult;
}
