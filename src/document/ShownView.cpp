#include "document/ShownView.h"

namespace lumivane {

namespace {

bool ShowsSetUps(ViewKind kind) {
    return kind == ViewKind::Projector || kind == ViewKind::Format || kind == ViewKind::Lens;
}

} // namespace

Refit LensCommandRefit(const ShownView& shown) {
    if (!ShowsSetUps(shown.kind) || shown.format < 0) {
        return {};
    }
    return {shown.auditorium, shown.projector, shown.format};
}

Refit FormatChangeRefit(const ShownView& shown, int auditorium, int projector, int format,
                        bool added) {
    if (!ShowsSetUps(shown.kind)) {
        return {};
    }
    Refit refit{shown.auditorium, shown.projector, shown.format};
    if (shown.kind != ViewKind::Projector) {
        return refit;
    }
    if (shown.auditorium != auditorium || shown.projector != projector) {
        return {};
    }
    if (refit.format < 0 || (!added && refit.format == format)) {
        refit.format = added ? format : -1;
    }
    return refit;
}

} // namespace lumivane
