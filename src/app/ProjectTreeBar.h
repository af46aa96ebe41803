#pragma once
// The project tree bar: four drop-down buttons over the tree of auditoriums, projectors,
// formats and lenses. Selecting an item shows its view in the pane, and the tree follows the
// pane in turn, so undo and redo, which move the pane, move the selection too. Every command
// of the bar's menus is one step through the project's editor.
//
// Each menu acts on the item it was opened for: a right-click's item serves that one menu and
// leaves the selection (and so the buttons' item) as it was. The bar must be made after the
// pane, so that the pane has followed a change of the project before the tree looks at it.

#include "document/ProjectEditor.h"
#include "document/ShownView.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class CQorDoc;
class QMenu;
class QModelIndex;
class QPersistentModelIndex;
class QToolBar;
class QToolButton;
class QTreeView;
class ViewPane;

namespace lumivane {
class ProjectRelay;
class ProjectTreeModel;
struct ProjectorMenuNode;
} // namespace lumivane

class ProjectTreeBar : public QWidget {
    Q_OBJECT

public:
    // Shows the adjust-format dialog for a set-up (auditorium, projector, format).
    using AdjustFormatFn = std::function<void(int auditorium, int projector, int format)>;

    ProjectTreeBar(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewPane& pane,
                   QWidget* parent = nullptr);
    ~ProjectTreeBar() override;

    // "&Auditorium Wizard...", on the Auditorium button's menu; greyed until the wizard is
    // connected to it and enables it. The main window may show it in its own menus.
    QAction* WizardAction() const { return m_wizardAction; }
    // Shows the main window's own wizard command instead, so both menus are one command.
    void UseWizardAction(QAction* action);
    // "Adjust Format" stays greyed until a handler is set.
    void SetAdjustFormatHandler(AdjustFormatFn handler);

    QTreeView* Tree() const { return m_tree; }
    lumivane::ProjectTreeModel* Model() const { return m_model; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The item a menu acts on: rows of its auditorium and projector, and its set-up's format.
    struct Target {
        int auditorium = -1;
        int projector = -1;
        int format = -1;
    };
    enum Button { AuditoriumButton, ProjectorButton, FormatButton, LensButton };

    QToolBar* MakeToolBar();
    void SetUpTree();
    // Widens the tree's column to fit the label of index (and of its descendants).
    void WidenFor(const QModelIndex& index, bool withChildren);
    void FollowProject(lumivane::ProjectRelay& relay);
    QToolButton* AddButton(Button button, const QString& name, const QString& icon,
                           std::function<void(QMenu&)> fill);
    QModelIndex SelectedIndex() const;
    static Target TargetOf(const QModelIndex& index);
    Target Selected() const;
    void ShowIndex(const QModelIndex& index);
    void FollowPane();
    void UpdateButtons();
    void OpenContextMenu(const QPoint& position);

    void FillAuditoriumMenu(QMenu& menu);
    void FillContextMenu(QMenu& menu, const QModelIndex& index);
    void FillProjectorMenu(QMenu& menu, int auditorium);
    void AddModelItems(QMenu& menu, const lumivane::ProjectorMenuNode& node, int auditorium,
                       const Target& selected);
    void FillProjectorItems(QMenu& menu, const Target& projector);
    void FillFormatItems(QMenu& menu, const Target& projector);
    void AddLockThrow(QMenu& menu, const Target& projector);
    void FillCandidates(QMenu& menu, const Target& setUp);
    void AddAdjustFormat(QMenu& menu, const Target& setUp);

    void AddNewAuditorium();
    void DuplicateAuditorium(int auditorium);
    void DeleteAuditorium(int auditorium);
    void AddProjector(int auditorium, int model, const Target& selected);
    void CopyProjector(int auditorium, const Target& source);
    void DeleteProjector(const Target& projector);
    void SetFormatShown(const Target& projector, int format, bool shown);
    void ChooseCandidate(const Target& setUp, int candidate);
    void ClearLens(const Target& setUp);
    void ToggleLockThrow(const Target& projector);
    void AddRename(QMenu& menu, const QString& text, const QPersistentModelIndex& item);
    void Rename(const QPersistentModelIndex& item);
    // What the pane shows, for the re-fit a command asks of it.
    lumivane::ShownView Shown() const;

    CQorDoc& m_doc;
    lumivane::ProjectRelay& m_relay;
    ViewPane& m_pane;
    lumivane::ProjectTreeModel* m_model;
    QTreeView* m_tree;
    QToolButton* m_buttons[4] = {};
    QPointer<QAction> m_wizardAction;
    AdjustFormatFn m_adjustFormat;
    // The projector models by maker and series, made again when the catalogs are.
    std::unique_ptr<lumivane::ProjectorMenuNode> m_projectorMenu;
    // Set while the selection is being moved to the pane's item.
    bool m_followingPane = false;
};
