#pragma once
// The program's one window: the menus, the main toolbar, the status bar, the "Project" dock
// that the project tree fills, and the pane of views in the middle. It carries out the
// Settings and View commands itself, hands the File commands to DocumentCommands and undo to
// UndoBridge, and keeps its placement and bar layout in the settings between runs.
//
// Later parts plug in here: the tree sets TreeDock()'s widget; the wizard, the formats and
// options dialogs and the screen bars connect and enable their Action(). Printing and mail
// connect theirs in PrintCommands and MailCommands.

#include "app/FrameCommands.h"
#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "views/ViewPane.h"

#include <QMainWindow>

#include <array>
#include <functional>

class CQorDoc;
class DocumentCommands;
class DrawingCommands;
class PrintCommands;
class QDockWidget;
class QMenu;
class QToolBar;
class ScreenBars;
class UndoBridge;

namespace lumivane {
class HelpWindow;
class ProjectRelay;
} // namespace lumivane

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CQorDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    QAction* Action(FrameCommand command) const { return m_actions[static_cast<int>(command)]; }
    ViewPane& Pane() const { return *m_pane; }
    QDockWidget* TreeDock() const { return m_treeDock; }
    lumivane::ProjectRelay& Relay() const { return *m_relay; }
    DocumentCommands& Commands() const { return *m_commands; }
    UndoBridge& Undo() const { return *m_undo; }
    ScreenBars& Bars() const { return *m_screenBars; }
    PrintCommands& Printing() const { return *m_printing; }
    DrawingCommands& Drawings() const { return *m_drawings; }
    // Null until a help command first opened it.
    lumivane::HelpWindow* Help() const { return m_help; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RefreshView();
    void MakeActions();
    void MakeMenus();
    void MakeRecentFileActions(QMenu* menu);
    void MakeToolBar();
    void MakeStatusBar();
    void MakeTreeDock();
    void ConnectFileCommands();
    void ConnectSettingsCommands();
    void ConnectViewCommands();
    void ConnectHelpCommands();
    void MakeViews();

    void FillRecentFiles();
    void ShowUnits();
    void UseMetricUnits(bool metric);
    void UseLockMode(LockMode mode);
    void UseFixedFocal(bool fixedFocal);
    void OpenHelp(const std::function<void(lumivane::HelpWindow&)>& show);

    void RestoreLayout();
    void SaveLayout();
    void RestorePlacement();
    void SavePlacement();

    CQorDoc& m_doc;
    lumivane::ProjectRelay* m_relay;
    ViewPane* m_pane;
    UndoBridge* m_undo;
    DocumentCommands* m_commands;
    std::array<QAction*, kFrameCommandCount> m_actions{};
    std::array<QAction*, lumivane::kRecentFileCount> m_recentFiles{};
    QAction* m_noRecentFile = nullptr;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_treeDock = nullptr;
    ScreenBars* m_screenBars = nullptr;
    PrintCommands* m_printing = nullptr;
    DrawingCommands* m_drawings = nullptr;
    lumivane::HelpWindow* m_help = nullptr;
};
