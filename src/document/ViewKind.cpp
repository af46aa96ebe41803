#include "document/ViewKind.h"

namespace lumivane {

std::string_view PrintItemDetailsText(ViewKind kind) {
    switch (kind) {
    case ViewKind::Auditorium:
        return "Print Auditorium Details...";
    case ViewKind::Projector:
        return "Print Projector Details...";
    case ViewKind::Format:
        return "Print Format Details...";
    case ViewKind::Lens:
        return "Print Lens Details...";
    case ViewKind::Project:
        break;
    }
    return "Print Item Details...";
}

} // namespace lumivane
