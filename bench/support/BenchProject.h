#pragma once
// Auditoriums and projects the benchmarks measure, built on the context's catalogs the way a
// user builds them: projectors of the most versatile model, formats added, the best lens
// chosen for each, the room recalculated.

#include "document/ProjectFile.h"

#include <memory>
#include <vector>

class CAuditorium;

namespace lumivane::bench {

struct RoomShape {
    int projectors = 0;
    int formatsPerProjector = 0;
};
// The busy room of the recalculation targets, and a room of a cinema chain.
inline constexpr RoomShape kBusyRoom{8, 12};
inline constexpr RoomShape kChainRoom{2, 3};
inline constexpr int kChainAuditoriums = 200;

struct ModelFormats {
    int model = -1;
    std::vector<int> formats;
};

// The projector model of the context's catalog that shows the most formats, and those formats.
ModelFormats MostVersatileModel();

enum class LensShift { Off, Automatic };

// A curved, tilted room; its projectors stand side by side, high in the booth.
std::unique_ptr<CAuditorium> BuildAuditorium(int number, RoomShape shape, LensShift shift);
ProjectContents BuildChainProject(int auditoriums);

} // namespace lumivane::bench
