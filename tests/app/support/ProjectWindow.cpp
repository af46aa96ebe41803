#include "ProjectWindow.h"

#include "base/Archive.h"
#include "support/ExampleProject.h"
#include "support/ShippedCatalog.h"
#include "ui/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

namespace lumivane::test {

ProjectWindow::ProjectWindow()
    : pane(new ViewPane(doc, relay, &window)), undo(doc, *pane), commands(doc, undo, &window) {
    InstallShippedCatalogs();
    context.context().settingsStore = std::make_shared<QtSettingsStore>(
        QString::fromStdString((folder / "settings.ini").string()));
}

// A view's focused field stores its edit as the view goes, through the hooks into the undo
// bridge, so the pane goes while the bridge is still there.
ProjectWindow::~ProjectWindow() {
    delete pane;
}

std::vector<std::uint8_t> ProjectWindow::Bytes() const {
    Archive ar = Archive::ForStoring();
    WriteProject(ar, doc.GetContents());
    return ar.Bytes();
}

std::filesystem::path ProjectWindow::WriteEmptyProject(const std::string& name) const {
    CQorDoc project(clock);
    project.Editor().SetProjectInfo({"", "", "", "", "", true});
    const std::filesystem::path path = folder / name;
    project.SaveDocument(path);
    return path;
}

ViewHooks ProjectWindow::Hooks() {
    UndoBridge* bridge = &undo;
    ViewPane* shown = pane;
    return {[bridge](const QObject* field) { bridge->FieldEdited(field); },
            [bridge](const QObject* field) { bridge->FieldFinished(field); },
            {},
            [shown](int a, int p, int format) {
                shown->ShowFormat(a, p, format);
            }};
}

bool ProjectWindow::ShowExample(QSize size) {
    if (!commands.OpenFile(QString::fromStdString(ExampleProjectPath().string()))) {
        return false;
    }
    window.resize(size);
    pane->resize(size);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

QPixmap ProjectWindow::Grab(QWidget* view, QSize size, const QString& name) {
    window.resize(size);
    pane->resize(size);
    QCoreApplication::processEvents();
    const QPixmap picture = view->grab();
    const QString shots = qEnvironmentVariable("LUMIVANE_SCREENSHOTS");
    if (!shots.isEmpty()) {
        picture.save(QDir(shots).filePath(name + u".png"_qs));
    }
    return picture;
}

QString ProjectWindow::PathOf(const std::string& name) const {
    return QString::fromStdString((folder / name).string());
}

} // namespace lumivane::test
