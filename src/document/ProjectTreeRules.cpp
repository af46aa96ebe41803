#include "document/ProjectTreeRules.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatFlags.h"
#include "catalog/ProjectorDescriptor.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"

#include <cmath>

namespace lumivane {

namespace {

// The digital formats, whose images come from a panel of pixels.
constexpr std::int32_t kPanelFormatFlags = FormatFlag::AnyDmd | FormatFlag::DCinema |
                                           FormatFlag::Anamorphic148 | FormatFlag::Anamorphic190;

// Booth heights within this of each other are taken as equal.
constexpr double kBoothTolerance = 0.01;

} // namespace

std::optional<BoothHeights> BoothHeightsForNewAuditorium(const CAuditorium& fresh,
                                                         const CAuditorium* selected,
                                                         const CProjectorType* selectedProjector) {
    if (selectedProjector != nullptr) {
        const double booth = fresh.FloorToScreen() + selectedProjector->LensHeight();
        if (std::fabs(fresh.FloorToBooth() - booth) < kBoothTolerance) {
            return std::nullopt;
        }
        return BoothHeights{fresh.FloorToScreen(), booth};
    }
    if (selected == nullptr) {
        return std::nullopt;
    }
    return BoothHeights{selected->FloorToScreen(), selected->FloorToBooth()};
}

ProjectorPlacement PlacementForNewProjector(const CProjectorType* viewed,
                                            const CProjectorType* selected) {
    ProjectorPlacement placement;
    if (viewed != nullptr) {
        placement.lensHeight = viewed->LensHeight();
    }
    if (selected != nullptr) {
        placement.lateral = -selected->Lateral();
    }
    return placement;
}

std::vector<int> ShowableFormats(const CProjectorType& projector) {
    std::vector<int> formats;
    const auto& catalog = Ctx().formats;
    const int count = catalog ? catalog->GetCount() : 0;
    for (int format = 0; format < count; ++format) {
        if (projector.SupportsFormat(format)) {
            formats.push_back(format);
        }
    }
    return formats;
}

bool OffersAdjustFormat(const CProjectorType& projector, int format) {
    const auto& catalog = Ctx().formats;
    const CFormatDescriptor* descriptor = catalog ? catalog->GetAt(format) : nullptr;
    const CProjectorDescriptor* model = projector.GetModelDescriptor();
    return descriptor != nullptr && model != nullptr &&
           (descriptor->GetFlags() & kPanelFormatFlags) != 0 && model->GetHres() > 0 &&
           model->GetVres() > 0;
}

} // namespace lumivane
