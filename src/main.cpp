#include "app/MainFrame.h"
#include "app/PrinterJobs.h"
#include "app/QorApp.h"
#include "base/Version.h"
#include "document/QorDoc.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/QtClockAndLocale.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>

#include <cstdio>
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

// With LUMIVANE_QUIT_AFTER_FIRST_PAINT set, the program says "first paint" once the window has
// been painted for the first time and quits: start-up is timed to what the user first sees.
// The quit is queued, so the whole window has been painted and flushed when it runs.
class FirstPaintQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::puts("first paint");
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

const QStringList kShowKinds = {QStringLiteral("project"),   QStringLiteral("auditorium"),
                                QStringLiteral("projector"), QStringLiteral("format"),
                                QStringLiteral("lens"),      QStringLiteral("wizard")};

// The first item of a kind in view (the first projector's first set-up for format and lens),
// or the auditorium wizard open over the window: how the pictures of the program are taken.
void ShowFirst(CMainFrame& frame, const CQorDoc& doc, const QString& kind) {
    ViewPane& pane = frame.Pane();
    const CProjectorType* projector = doc.GetProjector(0, 0);
    const int format = projector != nullptr && projector->LensTypeCount() > 0
                           ? projector->GetLensType(0)->GetFormat()
                           : -1;
    if (kind == u"auditorium") {
        pane.ShowAuditorium(0);
    } else if (kind == u"projector") {
        pane.ShowProjector(0, 0);
    } else if (kind == u"format") {
        pane.ShowFormat(0, 0, format);
    } else if (kind == u"lens") {
        pane.ShowLens(0, 0, format);
    } else if (kind == u"wizard") {
        QAction* wizard = frame.Action(FrameCommand::AuditoriumWizard);
        QMetaObject::invokeMethod(wizard, &QAction::trigger, Qt::QueuedConnection);
    }
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
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Opens with the first item of a kind in view: %1.")
                                      .arg(kShowKinds.join(QStringLiteral(", "))),
                                  QStringLiteral("kind"));
    parser.addOption(show);
    parser.process(application);
    const QString shown = parser.value(show);
    if (!shown.isEmpty() && !kShowKinds.contains(shown)) {
        std::fprintf(stderr, "Unknown kind for --show: %s\n", qPrintable(shown));
        return 1;
    }

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
    if (qEnvironmentVariableIsSet("LUMIVANE_QUIT_AFTER_FIRST_PAINT")) {
        frame.installEventFilter(new FirstPaintQuit(&frame));
    }
    ShowFirst(frame, *app.Document(), shown);
    frame.show();
    const int loopResult = QApplication::exec();
    const int exitResult = app.ExitInstance();
    return loopResult != 0 ? loopResult : exitResult;
}
