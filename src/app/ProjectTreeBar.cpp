#include "app/ProjectTreeBar.h"

#include "app/ProjectTreeModel.h"
#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "catalog/ProjectorMenuNode.h"
#include "document/ProjectEditor.h"
#include "document/ProjectTreeRules.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/IconLibrary.h"
#include "ui/ProjectRelay.h"
#include "views/QorView.h"
#include "views/ViewPane.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using lumivane::ItemPath;
using lumivane::ProjectEditor;
using lumivane::ProjectTreeModel;
using lumivane::ViewKind;

namespace {

constexpr int kToolBarHeight = 30;

// Catalog texts are shown as they are: an ampersand is not a mnemonic.
QString MenuText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A command chosen from a menu runs once the menu has closed and its own code has returned to
// the event loop: the command may open a dialog, during which the menu may go (a right-click's
// menu is deleted as it hides) or be made again, and the menu's code must not run on after it.
QAction* AddCommand(QMenu& menu, QObject& runner, const QString& text, bool enabled,
                    std::function<void()> run) {
    QAction* action = menu.addAction(text);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &runner, [&runner, run = std::move(run)] {
        QMetaObject::invokeMethod(&runner, run, Qt::QueuedConnection);
    });
    return action;
}

// An item of a menu made from the project or a catalog; data names what it stands for.
QAction* AddItem(QMenu& menu, QObject& runner, const QString& text, int data,
                 std::function<void()> run) {
    QAction* action = AddCommand(menu, runner, text, true, std::move(run));
    action->setData(data);
    return action;
}

} // namespace

ProjectTreeBar::ProjectTreeBar(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewPane& pane,
                               QWidget* parent)
    : QWidget(parent), m_doc(doc), m_relay(relay), m_pane(pane),
      m_model(new ProjectTreeModel(doc, relay, this)), m_tree(new QTreeView(this)),
      m_wizardAction(new QAction(tr("&Auditorium Wizard..."), this)),
      m_projectorMenu(std::make_unique<lumivane::ProjectorMenuNode>()) {
    m_wizardAction->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar());
    layout->addWidget(m_tree);
    SetUpTree();
    FollowProject(relay);
    FollowPane();
}

QToolBar* ProjectTreeBar::MakeToolBar() {
    auto* toolBar = new QToolBar(this);
    toolBar->setFixedHeight(kToolBarHeight);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->addWidget(AddButton(AuditoriumButton, tr("Auditorium"), QStringLiteral("auditorium"),
                                 [this](QMenu& menu) { FillAuditoriumMenu(menu); }));
    toolBar->addWidget(
        AddButton(ProjectorButton, tr("Projector"), QStringLiteral("projector"),
                  [this](QMenu& menu) { FillProjectorMenu(menu, Selected().auditorium); }));
    toolBar->addWidget(
        AddButton(FormatButton, tr("Format"), QStringLiteral("format"), [this](QMenu& menu) {
            FillFormatItems(menu, Selected());
            menu.addSeparator();
            AddLockThrow(menu, Selected());
        }));
    toolBar->addWidget(
        AddButton(LensButton, tr("Lens"), QStringLiteral("lens"), [this](QMenu& menu) {
            FillCandidates(menu, Selected());
            AddAdjustFormat(menu, Selected());
        }));
    return toolBar;
}

void ProjectTreeBar::SetUpTree() {
    // A current item that goes with its rows would have the tree move to a neighbour and then,
    // when the pane shows another item, lay out every row again to repaint that neighbour; the
    // pane chooses the item to show, and the tree follows it. Connected before the tree is.
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& owner, int first, int last) {
                QModelIndex item = m_tree->currentIndex();
                while (item.isValid() && item.parent() != owner) {
                    item = item.parent();
                }
                if (item.isValid() && item.row() >= first && item.row() <= last) {
                    m_tree->selectionModel()->clearCurrentIndex();
                }
            });
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    // Long labels scroll into view sideways rather than being cut short. The column is not
    // sized to its contents by the header, which would measure the text of every row at each
    // change of the project: it is measured in full when a project replaces the last, and
    // only widened for the rows that a change brings or renames.
    m_tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->viewport()->installEventFilter(this);
    m_tree->setAccessibleName(tr("Project Tree"));
    m_tree->expandAll();
    connect(m_tree, &QWidget::customContextMenuRequested, this, &ProjectTreeBar::OpenContextMenu);
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        UpdateButtons();
        if (!m_followingPane && !m_model->IsFollowing()) {
            ShowIndex(SelectedIndex());
        }
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& owner, int first, int last) {
                m_tree->expand(owner);
                for (int row = first; row <= last; ++row) {
                    m_tree->expandRecursively(m_model->index(row, 0, owner));
                    WidenFor(m_model->index(row, 0, owner), true);
                }
            });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                for (int row = first.row(); row <= last.row(); ++row) {
                    WidenFor(first.siblingAtRow(row), false);
                }
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_tree->expandAll();
        m_tree->resizeColumnToContents(0);
    });
    m_tree->resizeColumnToContents(0);
}

void ProjectTreeBar::WidenFor(const QModelIndex& index, bool withChildren) {
    int level = m_tree->rootIsDecorated() ? 1 : 0;
    for (QModelIndex owner = index.parent(); owner.isValid(); owner = owner.parent()) {
        ++level;
    }
    const int width = m_tree->sizeHintForIndex(index).width() + level * m_tree->indentation();
    if (width > m_tree->columnWidth(0)) {
        m_tree->setColumnWidth(0, width);
    }
    for (int row = 0; withChildren && row < m_model->rowCount(index); ++row) {
        WidenFor(m_model->index(row, 0, index), true);
    }
}

// Connected after the model, and made after the pane: once both have followed a change of the
// project, the selection joins the pane.
void ProjectTreeBar::FollowProject(lumivane::ProjectRelay& relay) {
    connect(&m_pane, &ViewPane::placeChanged, this, &ProjectTreeBar::FollowPane);
    connect(&relay, &lumivane::ProjectRelay::itemInserted, this, &ProjectTreeBar::FollowPane);
    connect(&relay, &lumivane::ProjectRelay::itemRemoved, this, &ProjectTreeBar::FollowPane);
    connect(&relay, &lumivane::ProjectRelay::itemChanged, this, &ProjectTreeBar::FollowPane);
    connect(&relay, &lumivane::ProjectRelay::projectReplaced, this, &ProjectTreeBar::FollowPane);
    const auto buildProjectorMenu = [this] {
        const auto& catalog = lumivane::Ctx().projectors;
        *m_projectorMenu = catalog ? catalog->BuildMenu() : lumivane::ProjectorMenuNode{};
    };
    buildProjectorMenu();
    connect(&relay, &lumivane::ProjectRelay::catalogsReplaced, this, buildProjectorMenu);
}

// A label edit still open is committed while the widgets go; the project may change then, but
// the half-destroyed bar must not follow it.
ProjectTreeBar::~ProjectTreeBar() {
    disconnect(&m_relay, nullptr, this, nullptr);
    disconnect(&m_pane, nullptr, this, nullptr);
    disconnect(m_model, nullptr, this, nullptr);
    disconnect(m_tree->selectionModel(), nullptr, this, nullptr);
}

void ProjectTreeBar::UseWizardAction(QAction* action) {
    if (action != nullptr) {
        m_wizardAction = action;
    }
}

void ProjectTreeBar::SetAdjustFormatHandler(AdjustFormatFn handler) {
    m_adjustFormat = std::move(handler);
}

QToolButton* ProjectTreeBar::AddButton(Button button, const QString& name, const QString& icon,
                                       std::function<void(QMenu&)> fill) {
    auto* tool = new QToolButton(this);
    tool->setIcon(lumivane::LoadIcon(icon));
    tool->setToolTip(name);
    tool->setAccessibleName(name);
    // Not an instant pop-up: a screen reader cannot open one. A click opens the menu all the
    // same, and so does holding the button down.
    tool->setPopupMode(QToolButton::DelayedPopup);
    connect(tool, &QToolButton::clicked, tool, &QToolButton::showMenu);
    auto* menu = new QMenu(tool);
    menu->setAccessibleName(name);
    connect(menu, &QMenu::aboutToShow, this, [menu, fill = std::move(fill)] {
        qDeleteAll(menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
        menu->clear();
        fill(*menu);
    });
    tool->setMenu(menu);
    m_buttons[button] = tool;
    return tool;
}

QModelIndex ProjectTreeBar::SelectedIndex() const {
    const QModelIndexList selected = m_tree->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.front();
}

ProjectTreeBar::Target ProjectTreeBar::Selected() const {
    return TargetOf(SelectedIndex());
}

ProjectTreeBar::Target ProjectTreeBar::TargetOf(const QModelIndex& index) {
    const ItemPath path = ProjectTreeModel::PathOf(index);
    return {path.auditorium, path.projector, ProjectTreeModel::FormatOf(index)};
}

void ProjectTreeBar::ShowIndex(const QModelIndex& index) {
    const Target item = TargetOf(index);
    switch (ProjectTreeModel::LevelOf(index)) {
    case ProjectTreeModel::LensLevel:
        m_pane.ShowLens(item.auditorium, item.projector, item.format);
        break;
    case ProjectTreeModel::FormatLevel:
        m_pane.ShowFormat(item.auditorium, item.projector, item.format);
        break;
    case ProjectTreeModel::ProjectorLevel:
        m_pane.ShowProjector(item.auditorium, item.projector);
        break;
    case ProjectTreeModel::AuditoriumLevel:
        m_pane.ShowAuditorium(item.auditorium);
        break;
    case ProjectTreeModel::NoLevel:
        m_pane.ShowProjectView();
        break;
    }
}

// Selects the pane's item without showing it again; the lens view of a set-up whose lens
// item is gone selects the set-up.
void ProjectTreeBar::FollowPane() {
    if (m_model->IsFollowing()) {
        return; // the bar follows again once the model has
    }
    const ViewPane::Place& place = m_pane.CurrentPlace();
    const ItemPath& path = place.path;
    QModelIndex wanted;
    switch (place.kind) {
    case ViewKind::Lens:
        wanted = m_model->LensIndex(path.auditorium, path.projector, place.format);
        [[fallthrough]];
    case ViewKind::Format:
        if (!wanted.isValid()) {
            wanted = m_model->SetUpIndex(path.auditorium, path.projector, place.format);
        }
        break;
    case ViewKind::Projector:
        wanted = m_model->ProjectorIndex(path.auditorium, path.projector);
        break;
    case ViewKind::Auditorium:
        wanted = m_model->AuditoriumIndex(path.auditorium);
        break;
    case ViewKind::Project:
        break;
    }
    if (wanted != SelectedIndex()) {
        const QScopedValueRollback<bool> following(m_followingPane, true);
        if (wanted.isValid()) {
            m_tree->selectionModel()->setCurrentIndex(wanted, QItemSelectionModel::ClearAndSelect);
            m_tree->scrollTo(wanted);
        } else {
            m_tree->selectionModel()->clear();
        }
    }
    UpdateButtons();
}

void ProjectTreeBar::UpdateButtons() {
    const Target selected = Selected();
    m_buttons[ProjectorButton]->setEnabled(selected.auditorium >= 0);
    m_buttons[FormatButton]->setEnabled(selected.projector >= 0);
    m_buttons[LensButton]->setEnabled(selected.format >= 0);
}

// A right-click opens the menu of the item under the mouse and leaves the selection, and with
// it the view shown, as it was, as a file manager's tree does: only the menu serves that item.
bool ProjectTreeBar::eventFilter(QObject* watched, QEvent* event) {
    const bool rightButton =
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (watched == m_tree->viewport() && rightButton) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ProjectTreeBar::OpenContextMenu(const QPoint& position) {
    const QModelIndex index = m_tree->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    // Deleted once the event loop is back; the chosen command runs after that.
    auto* menu = new QMenu(this);
    menu->setAccessibleName(index.data().toString());
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    FillContextMenu(*menu, index);
    menu->popup(m_tree->viewport()->mapToGlobal(position));
}

void ProjectTreeBar::FillAuditoriumMenu(QMenu& menu) {
    const int selected = Selected().auditorium;
    AddCommand(menu, *this, tr("Add New Auditorium"), true, [this] { AddNewAuditorium(); });
    AddCommand(menu, *this, tr("Duplicate Auditorium"), selected >= 0,
               [this, selected] { DuplicateAuditorium(selected); });
    AddCommand(menu, *this, tr("Remove Auditorium"), selected >= 0,
               [this, selected] { DeleteAuditorium(selected); });
    if (m_wizardAction != nullptr) {
        menu.addAction(m_wizardAction);
    }
}

void ProjectTreeBar::FillContextMenu(QMenu& menu, const QModelIndex& index) {
    const Target clicked = TargetOf(index);
    const QPersistentModelIndex item(index);
    switch (ProjectTreeModel::LevelOf(index)) {
    case ProjectTreeModel::AuditoriumLevel:
        FillProjectorMenu(menu, clicked.auditorium);
        AddCommand(menu, *this, tr("Delete Auditorium"), true,
                   [this, clicked] { DeleteAuditorium(clicked.auditorium); });
        AddRename(menu, tr("Rename Auditorium"), item);
        break;
    case ProjectTreeModel::ProjectorLevel:
        FillProjectorItems(menu, clicked);
        break;
    case ProjectTreeModel::FormatLevel:
        FillCandidates(menu, clicked);
        AddCommand(menu, *this, tr("Remove Format"), true,
                   [this, clicked] { SetFormatShown(clicked, clicked.format, false); });
        AddAdjustFormat(menu, clicked);
        break;
    case ProjectTreeModel::LensLevel:
        FillCandidates(menu, clicked);
        AddCommand(menu, *this, tr("Clear Lens"), true, [this, clicked] { ClearLens(clicked); });
        AddAdjustFormat(menu, clicked);
        break;
    case ProjectTreeModel::NoLevel:
        break;
    }
}

void ProjectTreeBar::FillProjectorItems(QMenu& menu, const Target& projector) {
    FillFormatItems(menu, projector);
    menu.addSeparator();
    AddLockThrow(menu, projector);
    const QPersistentModelIndex item =
        m_model->ProjectorIndex(projector.auditorium, projector.projector);
    AddRename(menu, tr("Rename Projector"), item);
    AddCommand(menu, *this, tr("Delete Projector"), true,
               [this, projector] { DeleteProjector(projector); });
    AddCommand(menu, *this, tr("Copy Projector"), true,
               [this, projector] { CopyProjector(projector.auditorium, projector); });
}

// The models by maker and series, then "Delete" and "Copy" of the selected projector, which
// the right-click of an auditorium leaves selected: it is copied into this auditorium, but
// deleted only from its own.
void ProjectTreeBar::FillProjectorMenu(QMenu& menu, int auditorium) {
    Target selected = Selected();
    if (selected.projector < 0) {
        selected = {};
    }
    for (const lumivane::ProjectorMenuNode& maker : m_projectorMenu->children) {
        AddModelItems(menu, maker, auditorium, selected);
    }
    AddCommand(menu, *this, tr("Delete"),
               selected.projector >= 0 && selected.auditorium == auditorium,
               [this, selected] { DeleteProjector(selected); });
    AddCommand(menu, *this, tr("Copy"), selected.projector >= 0,
               [this, auditorium, selected] { CopyProjector(auditorium, selected); });
}

void ProjectTreeBar::AddModelItems(QMenu& menu, const lumivane::ProjectorMenuNode& node,
                                   int auditorium, const Target& selected) {
    if (!node.IsSubmenu()) {
        const int model = node.command - CProjectorDatabase::FirstModelCommand;
        AddItem(menu, *this, MenuText(node.text), model,
                [this, auditorium, model, selected] { AddProjector(auditorium, model, selected); });
        return;
    }
    QMenu* submenu = menu.addMenu(MenuText(node.text));
    for (const lumivane::ProjectorMenuNode& child : node.children) {
        AddModelItems(*submenu, child, auditorium, selected);
    }
}

void ProjectTreeBar::FillFormatItems(QMenu& menu, const Target& projector) {
    const CProjectorType* owner = m_doc.GetProjector(projector.auditorium, projector.projector);
    if (owner == nullptr) {
        return;
    }
    const auto& formats = lumivane::Ctx().formats;
    for (const int format : lumivane::ShowableFormats(*owner)) {
        QAction* item = AddItem(
            menu, *this, MenuText(formats->GetFormatName(format)), format,
            [this, projector, format] {
                const CProjectorType* shown =
                    m_doc.GetProjector(projector.auditorium, projector.projector);
                SetFormatShown(projector, format, shown != nullptr && !shown->HasFormat(format));
            });
        item->setCheckable(true);
        item->setChecked(owner->HasFormat(format));
    }
}

void ProjectTreeBar::AddLockThrow(QMenu& menu, const Target& projector) {
    const CProjectorType* owner = m_doc.GetProjector(projector.auditorium, projector.projector);
    QAction* lock = AddCommand(menu, *this, tr("Lock Throw Distance"), owner != nullptr,
                               [this, projector] { ToggleLockThrow(projector); });
    lock->setCheckable(true);
    lock->setChecked(owner != nullptr && owner->UseDefaultThrow() != 0);
}

void ProjectTreeBar::FillCandidates(QMenu& menu, const Target& setUp) {
    const CLensType* lensType = m_doc.GetLensType(setUp.auditorium, setUp.projector, setUp.format);
    const std::vector<lumivane::CandidateMenuItem> candidates =
        lensType != nullptr ? lumivane::CandidateMenu(*lensType)
                            : std::vector<lumivane::CandidateMenuItem>{};
    if (candidates.empty()) {
        AddCommand(menu, *this, tr("No lenses available"), false, [] {});
        return;
    }
    const std::size_t count = std::min(candidates.size(), lumivane::kTreeMenuCandidates);
    for (std::size_t i = 0; i < count; ++i) {
        const int candidate = static_cast<int>(i);
        AddItem(menu, *this, MenuText(candidates[i].label), candidate,
                [this, setUp, candidate] { ChooseCandidate(setUp, candidate); });
    }
}

void ProjectTreeBar::AddAdjustFormat(QMenu& menu, const Target& setUp) {
    const CProjectorType* owner = m_doc.GetProjector(setUp.auditorium, setUp.projector);
    if (owner == nullptr || !lumivane::OffersAdjustFormat(*owner, setUp.format)) {
        return;
    }
    AddCommand(menu, *this, tr("Adjust Format"), static_cast<bool>(m_adjustFormat),
               [this, setUp] { m_adjustFormat(setUp.auditorium, setUp.projector, setUp.format); });
}

void ProjectTreeBar::AddNewAuditorium() {
    const Target selected = Selected();
    const int added = m_doc.Editor().AddAuditorium(selected.auditorium, selected.projector);
    m_pane.ShowAuditorium(added);
    m_tree->setFocus();
}

void ProjectTreeBar::DuplicateAuditorium(int auditorium) {
    const int added = m_doc.Editor().DuplicateAuditorium(auditorium);
    if (added >= 0) {
        m_pane.ShowAuditorium(added);
        m_tree->setFocus();
    }
}

void ProjectTreeBar::DeleteAuditorium(int auditorium) {
    m_doc.Editor().DeleteAuditorium(
        auditorium, [this](const std::string& text, const std::string& caption) {
            return QMessageBox::question(this, QString::fromStdString(caption),
                                         QString::fromStdString(text),
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        });
}

void ProjectTreeBar::AddProjector(int auditorium, int model, const Target& selected) {
    const ViewPane::Place& place = m_pane.CurrentPlace();
    const bool projectorInView = place.kind == ViewKind::Projector ||
                                 place.kind == ViewKind::Format || place.kind == ViewKind::Lens;
    const CProjectorType* viewed =
        projectorInView ? m_doc.GetProjector(place.path.auditorium, place.path.projector) : nullptr;
    const int added = m_doc.Editor().AddProjector(
        auditorium, model,
        lumivane::PlacementForNewProjector(
            viewed, m_doc.GetProjector(selected.auditorium, selected.projector)));
    if (added >= 0) {
        m_pane.ShowProjector(auditorium, added);
        m_tree->setFocus();
    }
}

void ProjectTreeBar::CopyProjector(int auditorium, const Target& source) {
    const int added = m_doc.Editor().CopyProjector(auditorium, source.auditorium, source.projector);
    if (added >= 0) {
        m_pane.ShowProjector(auditorium, added);
        m_tree->setFocus();
    }
}

void ProjectTreeBar::DeleteProjector(const Target& projector) {
    if (m_doc.Editor().DeleteProjector(projector.auditorium, projector.projector)) {
        m_pane.ShowAuditorium(projector.auditorium);
    }
}

// The editor follows the shown set-up through the project's changes; the pane knows its kind.
lumivane::ShownView ProjectTreeBar::Shown() const {
    const lumivane::Refit viewed = m_doc.Editor().RefitOfViewed();
    return {m_pane.CurrentPlace().kind, viewed.auditorium, viewed.projector, viewed.format};
}

void ProjectTreeBar::SetFormatShown(const Target& projector, int format, bool shown) {
    ProjectEditor& editor = m_doc.Editor();
    const lumivane::Refit refit = lumivane::FormatChangeRefit(Shown(), projector.auditorium,
                                                              projector.projector, format, shown);
    if (shown) {
        editor.AddFormat(projector.auditorium, projector.projector, format, refit);
    } else {
        editor.RemoveFormat(projector.auditorium, projector.projector, format, refit);
    }
}

void ProjectTreeBar::ChooseCandidate(const Target& setUp, int candidate) {
    const CLensType* lensType = m_doc.GetLensType(setUp.auditorium, setUp.projector, setUp.format);
    const auto choice = lensType != nullptr
                            ? lumivane::NthCandidate(*lensType, static_cast<std::size_t>(candidate))
                            : std::nullopt;
    if (!choice) {
        return;
    }
    m_doc.Editor().ChooseLens(setUp.auditorium, setUp.projector, setUp.format, *choice,
                              lumivane::LensCommandRefit(Shown()));
}

void ProjectTreeBar::ClearLens(const Target& setUp) {
    m_doc.Editor().ClearLens(setUp.auditorium, setUp.projector, setUp.format,
                             lumivane::LensCommandRefit(Shown()));
}

void ProjectTreeBar::ToggleLockThrow(const Target& projector) {
    const CProjectorType* owner = m_doc.GetProjector(projector.auditorium, projector.projector);
    if (owner != nullptr) {
        m_doc.Editor().SetLockThrowDistance(projector.auditorium, projector.projector,
                                            owner->UseDefaultThrow() == 0);
    }
}

// The label editor opens at once: it runs no loop of its own, and one opened after the menu
// had closed could lose its focus to the window the menu gives back, which closes it.
void ProjectTreeBar::AddRename(QMenu& menu, const QString& text,
                               const QPersistentModelIndex& item) {
    connect(menu.addAction(text), &QAction::triggered, this, [this, item] { Rename(item); });
}

void ProjectTreeBar::Rename(const QPersistentModelIndex& item) {
    if (item.isValid()) {
        m_tree->edit(item);
    }
}
