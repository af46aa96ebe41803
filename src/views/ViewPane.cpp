#include "views/ViewPane.h"

#include "document/ItemTracking.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/ProjectorType.h"
#include "ui/ProjectRelay.h"
#include "views/ProjectView.h"
#include "views/QorView.h"
#include "views/SummaryView.h"

#include <algorithm>

using lumivane::ItemPath;
using lumivane::ViewKind;

ViewPane::ViewPane(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent)
    : QStackedWidget(parent), m_doc(doc) {
    setAccessibleName(tr("View"));
    connect(&relay, &lumivane::ProjectRelay::itemInserted, this, &ViewPane::ItemInserted);
    connect(&relay, &lumivane::ProjectRelay::itemAboutToBeRemoved, this,
            &ViewPane::ItemAboutToBeRemoved);
    connect(&relay, &lumivane::ProjectRelay::itemRemoved, this, &ViewPane::ItemRemoved);
    connect(&relay, &lumivane::ProjectRelay::itemAboutToBeReplaced, this,
            &ViewPane::ItemAboutToBeReplaced);
    connect(&relay, &lumivane::ProjectRelay::itemReplaced, this, &ViewPane::ItemReplaced);
    connect(&relay, &lumivane::ProjectRelay::itemChanged, this, &ViewPane::ItemChanged);
    connect(&relay, &lumivane::ProjectRelay::stepBegun, this, [this] { ++m_steps; });
    connect(&relay, &lumivane::ProjectRelay::stepEnded, this, &ViewPane::StepEnded);
    connect(&relay, &lumivane::ProjectRelay::projectReplaced, this, &ViewPane::ShowProjectView);
    connect(&relay, &lumivane::ProjectRelay::unitsChanged, this, [this] {
        if (CQorView* view = CurrentView()) {
            view->ResetFields();
        }
    });
    m_factories[ViewKind::Project] = [](CQorDoc& d, QWidget* p) {
        return new CProjectView(d, p);
    };
    ShowProjectView();
}

void ViewPane::RegisterView(ViewKind kind, Factory factory) {
    m_factories[kind] = std::move(factory);
    if (const auto made = m_views.find(kind); made != m_views.end()) {
        removeWidget(made->second);
        made->second->deleteLater();
        m_views.erase(made);
    }
    if (m_place.kind == kind) {
        Show(m_place);
    }
}

CQorView* ViewPane::ViewFor(ViewKind kind) {
    if (const auto made = m_views.find(kind); made != m_views.end()) {
        return made->second;
    }
    const auto factory = m_factories.find(kind);
    CQorView* view = factory != m_factories.end() ? factory->second(m_doc, this)
                                                  : new SummaryView(m_doc, kind, this);
    addWidget(view);
    m_views[kind] = view;
    return view;
}

CQorView* ViewPane::CurrentView() const {
    const auto made = m_views.find(m_place.kind);
    return made != m_views.end() ? made->second : nullptr;
}

void ViewPane::ShowProjectView() {
    Show({ViewKind::Project, {}, -1});
}

void ViewPane::ShowAuditorium(int auditorium) {
    Show({ViewKind::Auditorium, ItemPath::Auditorium(auditorium), -1});
}

void ViewPane::ShowProjector(int auditorium, int projector) {
    Show({ViewKind::Projector, ItemPath::Projector(auditorium, projector), -1});
}

void ViewPane::ShowFormat(int auditorium, int projector, int format) {
    const CProjectorType* owner = m_doc.GetProjector(auditorium, projector);
    const int row = owner != nullptr ? owner->IndexOfFormat(format) : -1;
    Show({ViewKind::Format, ItemPath::SetUp(auditorium, projector, row), format});
}

void ViewPane::ShowLens(int auditorium, int projector, int format) {
    const CProjectorType* owner = m_doc.GetProjector(auditorium, projector);
    const int row = owner != nullptr ? owner->IndexOfFormat(format) : -1;
    Show({ViewKind::Lens, ItemPath::SetUp(auditorium, projector, row), format});
}

bool ViewPane::Exists(const Place& place) const {
    switch (place.kind) {
    case ViewKind::Project:
        return true;
    case ViewKind::Auditorium:
        return m_doc.GetAuditorium(place.path.auditorium) != nullptr;
    case ViewKind::Projector:
        return m_doc.GetProjector(place.path.auditorium, place.path.projector) != nullptr;
    case ViewKind::Format:
    case ViewKind::Lens:
        break;
    }
    return place.path.setUp >= 0 &&
           m_doc.GetLensType(place.path.auditorium, place.path.projector, place.format) != nullptr;
}

void ViewPane::Show(const Place& wanted) {
    const Place place = Exists(wanted) ? wanted : Place{};
    if (CQorView* leaving = CurrentView(); leaving != nullptr && !(place == m_place)) {
        leaving->CommitEdits();
    }
    m_place = place;
    m_lost = false;
    CQorView* view = ViewFor(place.kind);
    view->SetItem(place.path, place.format);
    setCurrentWidget(view);
    TellEditor();
    Q_EMIT placeChanged(m_place);
}

// The view names its set-up: a projector view the one its list shows, which it also tells the
// editor as its list moves. Naming none for a projector view left a command run right after
// showing it without the re-fit the same command asks for once the view has refreshed.
void ViewPane::TellEditor() {
    const CQorView* view = CurrentView();
    m_doc.Editor().SetViewedSetUp(m_place.path.auditorium, m_place.path.projector,
                                  view != nullptr ? view->ShownSetUp() : -1);
}

void ViewPane::ItemInserted(const ItemPath& path) {
    if (m_replacing) {
        return;
    }
    MoveTo(lumivane::AfterInsert(m_place.path, path));
    ItemCameOrWent(path);
}

void ViewPane::ItemAboutToBeRemoved(const ItemPath& path) {
    if (!m_replacing && lumivane::IsAtOrInside(m_place.path, path)) {
        m_lost = true;
    }
}

void ViewPane::ItemRemoved(const ItemPath& path) {
    if (m_replacing) {
        return;
    }
    if (!m_lost) {
        MoveTo(lumivane::AfterRemove(m_place.path, path));
        ItemCameOrWent(path);
        return;
    }
    // Fall back to what holds the removed item: the project, its auditorium or projector.
    const int level = path.Level();
    Place parent;
    if (level >= 2) {
        parent = {ViewKind::Auditorium, ItemPath::Auditorium(path.auditorium), -1};
    }
    if (level == 3) {
        parent = {ViewKind::Projector, ItemPath::Projector(path.auditorium, path.projector), -1};
    }
    Show(parent);
}

// Keeping the view shown spares repainting it anew, which is most of what an undo costs.
void ViewPane::ItemAboutToBeReplaced(const ItemPath& path) {
    m_replacing = lumivane::IsAtOrInside(m_place.path, path);
}

void ViewPane::ItemReplaced(const ItemPath& path) {
    if (!m_replacing) {
        return;
    }
    m_replacing = false;
    if (Exists(m_place)) {
        RefreshShown();
        return;
    }
    // The restored auditorium lacks the shown projector or set-up.
    ShowAuditorium(path.auditorium);
}

void ViewPane::MoveTo(const ItemPath& path) {
    if (path == m_place.path) {
        return;
    }
    m_place.path = path;
    CurrentView()->MoveItem(m_place.path);
    TellEditor();
}

void ViewPane::ItemChanged(const ItemPath& path, unsigned /*flags*/) {
    RefreshWithin(path);
}

// A projector or set-up that comes or goes inside the shown auditorium changes what the view
// lists: the projector view, for one, lists another set-up once its listed one is removed.
// An auditorium that comes or goes only moves the shown one.
void ViewPane::ItemCameOrWent(const ItemPath& path) {
    if (path.Level() > 1) {
        RefreshWithin(path);
    }
}

void ViewPane::RefreshWithin(const ItemPath& path) {
    if (m_place.kind != ViewKind::Project && path.auditorium == m_place.path.auditorium) {
        RefreshShown();
    }
}

void ViewPane::RefreshShown() {
    if (m_steps > 0) {
        m_refreshDue = true;
        return;
    }
    CurrentView()->Refresh(false);
}

void ViewPane::StepEnded() {
    m_steps = std::max(m_steps - 1, 0);
    if (m_steps == 0 && m_refreshDue) {
        m_refreshDue = false;
        if (Exists(m_place)) {
            CurrentView()->Refresh(false);
        }
    }
}
