#include "ProjectWindow.h"

#include "base/Archive.h"
#include "support/ShippedCatalog.h"
#include "ui/QtSettingsStore.h"

namespace lumivane::test {

ProjectWindow::ProjectWindow()
    : pane(new ViewPane(doc, relay, &window)), undo(doc, *pane), commands(doc, undo, &window) {
    InstallShippedCatalogs();
    context.context().settingsStore = std::make_shared<QtSettingsStore>(
        QString::fromStdString((folder / "settings.ini").string()));
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

QString ProjectWindow::PathOf(const std::string& name) const {
    return QString::fromStdString((folder / name).string());
}

} // namespace lumivane::test
