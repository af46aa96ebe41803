#pragma once
// How often the automatic lens-shift solve of a room starts a projector's group over because
// a lens cannot cover the shift wanted of it. The model keeps no such count, so the probe
// replays the solve's coverage decisions for the projectors' centred groups with the set-ups'
// own arithmetic, and says whether the replay lands on the very shifts the model stored (if
// the model's solve changes, the probe says so instead of counting something else).

class CAuditorium;

namespace lumivane::bench {

struct SolveProbe {
    int groups = 0;
    int restarts = 0;
    bool agrees = false;
};

// Call after Recalculate has settled the room (a second Recalculate changes nothing).
SolveProbe ProbeCentredSolve(const CAuditorium& room);

} // namespace lumivane::bench
