#pragma once
// The right-hand pane: one view per kind, made once and reused, one of them shown at a time.
// The pane keeps the shown item's position current while items before it come and go, falls
// back to the nearest surviving item when the shown one is removed (but not when it is
// replaced by its restored self), and tells the editor which
// set-up is in view. Later views plug in through RegisterView; until a kind has its view, a
// read-only summary of the item stands in.

#include "document/ProjectEvents.h"
#include "document/ViewKind.h"

#include <QStackedWidget>

#include <functional>
#include <map>

class CQorDoc;
class CQorView;

namespace lumivane {
class ProjectRelay;
}

class ViewPane : public QStackedWidget {
    Q_OBJECT

public:
    using Factory = std::function<CQorView*(CQorDoc& doc, QWidget* parent)>;

    // Where the pane stands: the view's kind, the item's rows and, for format and lens
    // views, the set-up's format.
    struct Place {
        lumivane::ViewKind kind = lumivane::ViewKind::Project;
        lumivane::ItemPath path;
        int format = -1;
        bool operator==(const Place&) const = default;
    };

    ViewPane(CQorDoc& doc, lumivane::ProjectRelay& relay, QWidget* parent = nullptr);

    // The view for kind from now on; replaces the stand-in.
    void RegisterView(lumivane::ViewKind kind, Factory factory);

    void ShowProjectView();
    void ShowAuditorium(int auditorium);
    void ShowProjector(int auditorium, int projector);
    void ShowFormat(int auditorium, int projector, int format);
    void ShowLens(int auditorium, int projector, int format);
    // Any of the above; a place whose item does not exist shows the project view.
    void Show(const Place& place);

    const Place& CurrentPlace() const { return m_place; }
    CQorView* CurrentView() const;

Q_SIGNALS:
    // The shown view or its item changed (not when the item only moved rows).
    void placeChanged(const ViewPane::Place& place);

private:
    CQorView* ViewFor(lumivane::ViewKind kind);
    bool Exists(const Place& place) const;
    void TellEditor();
    void ItemInserted(const lumivane::ItemPath& path);
    void ItemAboutToBeRemoved(const lumivane::ItemPath& path);
    void ItemRemoved(const lumivane::ItemPath& path);
    void ItemAboutToBeReplaced(const lumivane::ItemPath& path);
    void ItemReplaced(const lumivane::ItemPath& path);
    void ItemChanged(const lumivane::ItemPath& path, unsigned flags);
    // The shown view shows the project again, at once or, inside a step, once it has ended.
    void RefreshShown();
    void ItemCameOrWent(const lumivane::ItemPath& path);
    void RefreshWithin(const lumivane::ItemPath& path);
    void StepEnded();
    // The shown item moved rows.
    void MoveTo(const lumivane::ItemPath& path);

    CQorDoc& m_doc;
    std::map<lumivane::ViewKind, Factory> m_factories;
    std::map<lumivane::ViewKind, CQorView*> m_views;
    Place m_place;
    // Set while the shown item is being removed: where to go once it is gone.
    bool m_lost = false;
    // Set while the shown item or what holds it is being replaced: its rows stay the same.
    bool m_replacing = false;
    // Steps under way, and whether the view waits for their end to show their outcome.
    int m_steps = 0;
    bool m_refreshDue = false;
};
