#pragma once
// What the project tree offers on its menus and what its commands fill in for a new item,
// decided from the model alone so that every way of giving the commands agrees.

#include "document/ProjectEditor.h"

#include <cstddef>
#include <optional>
#include <vector>

class CAuditorium;
class CProjectorType;

namespace lumivane {

// Lens candidates offered on a tree menu. The catalog may rank more, but the commands after
// the candidates' range belong to other tree commands, so the menus stop here.
inline constexpr std::size_t kTreeMenuCandidates = 116;

struct BoothHeights {
    double floorToScreen = 0.0;
    double floorToBooth = 0.0;
};

// The booth heights a new auditorium (fresh) takes from what was selected before it was
// added: a selected projector's lens height sets the booth above the new screen, otherwise
// the selected auditorium lends its own heights. None when nothing needs to change.
std::optional<BoothHeights> BoothHeightsForNewAuditorium(const CAuditorium& fresh,
                                                         const CAuditorium* selected,
                                                         const CProjectorType* selectedProjector);

// A new projector takes the lens height of the projector in view and stands mirrored to the
// selected one about the screen's centre line.
ProjectorPlacement PlacementForNewProjector(const CProjectorType* viewed,
                                            const CProjectorType* selected);

// The formats of the format catalog the projector's model can show, in catalog order.
std::vector<int> ShowableFormats(const CProjectorType& projector);

// The used panel area can be adjusted only for digital formats on a model whose panel
// resolution is known: the panel percentages divide by it.
bool OffersAdjustFormat(const CProjectorType& projector, int format);

} // namespace lumivane
