#include "support/ShiftSolveProbe.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <cmath>
#include <vector>

namespace lumivane::bench {

namespace {

struct Shift {
    double vertical = 0.0;
    double horizontal = 0.0;
};

// Replays one group; returns its restarts and whether every final shift matches.
std::pair<int, bool> ReplayGroup(const CProjectorType& projector, double oV, double oH) {
    const int n = projector.LensTypeCount();
    std::vector<Shift> shifts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const CLensType& m = *projector.GetLensType(i);
        shifts[static_cast<std::size_t>(i)] = {m.ShiftV(), m.ShiftH()};
    }
    int restarts = 0;
    int k = 0;
    while (k < n) {
        const CLensType& m = *projector.GetLensType(k);
        const double h = m.ExtentHeight();
        const double w = m.ExtentWidth();
        const double q = m.Squeeze();
        double b = m.ApertureW() * oV / ((w / q) * 1000);
        double c = m.ApertureH() * oH / (h * 1000);
        if (!m.HasKnownFormat() || !std::isfinite(b) || !std::isfinite(c)) {
            ++k;
            continue;
        }
        if (m.ClampShiftToCoverage(c, b)) {
            shifts[static_cast<std::size_t>(k)] = {b, c};
            ++k;
            continue;
        }
        oV = b * (w / q) * 999 / m.ApertureW();
        oH = c * h * 999 / m.ApertureH();
        k = 0;
        ++restarts;
    }
    bool agrees = true;
    for (int i = 0; i < n; ++i) {
        const CLensType& m = *projector.GetLensType(i);
        const Shift& s = shifts[static_cast<std::size_t>(i)];
        agrees = agrees && s.vertical == m.ShiftV() && s.horizontal == m.ShiftH();
    }
    return {restarts, agrees};
}

} // namespace

SolveProbe ProbeCentredSolve(const CAuditorium& room) {
    SolveProbe probe;
    probe.agrees = room.AutoLensShift() != 0 &&
                   (room.AlignmentValue() == AlignCenter || room.ConstantHeight() != 0);
    const bool lockProjector = Ctx().settings.m_lockProjector != 0;
    const double H = room.ScreenHeight();
    const double e = Ctx().settings.m_screenEdge;
    for (int p = 0; p < room.ProjectorCount(); ++p) {
        const CProjectorType& projector = *room.GetProjector(p);
        const double oV = -((lockProjector ? H / 2 : projector.LensHeight()) - H / 2 - e);
        const double oH = -(lockProjector ? 0 : projector.Lateral());
        const auto [restarts, agrees] = ReplayGroup(projector, oV, oH);
        ++probe.groups;
        probe.restarts += restarts;
        probe.agrees = probe.agrees && agrees;
    }
    return probe;
}

} // namespace lumivane::bench
