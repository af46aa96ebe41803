#include "views/ItemViews.h"

#include "views/AuditoriumView.h"
#include "views/FormatView.h"
#include "views/LensView.h"
#include "views/ProjectorView.h"
#include "views/ViewPane.h"

using lumivane::ViewKind;

void RegisterItemViews(ViewPane& pane, lumivane::ProjectRelay& relay, const ViewHooks& hooks) {
    pane.RegisterView(ViewKind::Auditorium, [hooks](CQorDoc& doc, QWidget* parent) {
        return new CAuditoriumView(doc, hooks, parent);
    });
    pane.RegisterView(ViewKind::Projector, [hooks, &relay](CQorDoc& doc, QWidget* parent) {
        return new CProjectorView(doc, relay, hooks, parent);
    });
    pane.RegisterView(ViewKind::Format, [hooks, &relay](CQorDoc& doc, QWidget* parent) {
        return new CFormatView(doc, relay, hooks, parent);
    });
    pane.RegisterView(ViewKind::Lens, [hooks](CQorDoc& doc, QWidget* parent) {
        return new CLensView(doc, hooks, parent);
    });
}
