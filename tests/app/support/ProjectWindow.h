#pragma once
// What the File commands and the undo history work with, without a main window: a project
// with its relay, view pane, undo bridge and commands over a fresh application context that
// holds the shipped catalogs and a settings file of its own.

#include "app/DocumentCommands.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "document/QorDoc.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"
#include "ui/ProjectRelay.h"
#include "views/ViewHooks.h"
#include "views/ViewPane.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lumivane::test {

struct ProjectWindow {
    ProjectWindow();
    ~ProjectWindow();
    ProjectWindow(const ProjectWindow&) = delete;
    ProjectWindow& operator=(const ProjectWindow&) = delete;

    // The project as its file holds it.
    std::vector<std::uint8_t> Bytes() const;
    // A confirmed empty project saved as name in the folder, written past the commands.
    std::filesystem::path WriteEmptyProject(const std::string& name) const;
    QString PathOf(const std::string& name) const;
    ProjectEditor& Editor() { return doc.Editor(); }
    // What the main window gives its views: a field's edits merge into one undo step, and a
    // format is shown in the pane.
    ViewHooks Hooks();
    // Opens the shipped example and shows the window at size; false when either fails.
    bool ShowExample(QSize size);
    // The window resized to size, then view's picture; saved as name.png in the folder that
    // LUMIVANE_SCREENSHOTS names, to look at.
    QPixmap Grab(QWidget* view, QSize size, const QString& name);

    ScopedAppContext context;
    TempDir folder;
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>();
    CQorDoc doc{clock};
    ProjectRelay relay{doc};
    QWidget window;
    ViewPane* pane;
    UndoBridge undo;
    DocumentCommands commands;
};

} // namespace lumivane::test
