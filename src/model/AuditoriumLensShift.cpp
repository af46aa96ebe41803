#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <cmath>
#include <vector>

// The automatic lens shift: each projector's set-ups are shifted together so their images sit
// where the alignment puts them, as far as each lens can cover.

using lumivane::LockProjector;
using lumivane::ScreenEdge;

namespace {

// A solve that restarts endlessly on a damaged project gives up rather than hang the program.
// The bound counts set-ups looked at, not time, so a slow or busy machine gives the same
// shifts as a fast one. A room of 8 projectors with 12 formats each, every set-up at the edge of
// its coverage, takes about 1,200 steps; this allows a hundred times that (a few milliseconds).
constexpr long kSolveSteps = 120000;

struct ShiftTargets {
    double oV;
    double oH;
};

// Every member of the group is shifted so that its image centre moves by the wanted screen
// offsets; a member the lens cannot cover lowers the offsets for the whole group, which then
// starts again. Returns false when the bound of work stopped the solve.
bool SolveCentredGroup(const std::vector<CLensType*>& group, ShiftTargets target,
                       lumivane::WorkBound& bound) {
    std::size_t k = 0;
    while (k < group.size()) {
        if (!bound.Spend()) {
            return false;
        }
        CLensType& m = *group[k];
        const double h = m.ExtentHeight();
        const double w = m.ExtentWidth();
        const double q = m.Squeeze();
        const double apW = m.ApertureW();
        const double apH = m.ApertureH();
        double b = apW * target.oV / ((w / q) * 1000);
        double c = apH * target.oH / (h * 1000);
        if (!m.HasKnownFormat() || !std::isfinite(b) || !std::isfinite(c)) {
            ++k;
            continue;
        }
        if (m.ClampShiftToCoverage(c, b)) {
            m.SetShift(b, c);
            ++k;
            continue;
        }
        target.oV = b * (w / q) * 999 / apW;
        target.oH = c * h * 999 / apH;
        k = 0;
    }
    return true;
}

} // namespace

// The Top and Bottom branch steps and inverts with the same effective apertures; mixing in
// the plain apertures kept anamorphic set-ups from ever converging.
bool CAuditorium::SolveAlignedGroup(CProjectorType& projector, lumivane::WorkBound& bound) {
    const double H = m_screenHeight;
    const double e = ScreenEdge();
    double oH = -(LockProjector() ? 0 : projector.Lateral());
    double correction = 0;
    int k = 0;
    while (k < projector.LensTypeCount()) {
        if (!bound.Spend()) {
            return false;
        }
        CLensType& m = *projector.GetLensType(k);
        const double h = m.ExtentHeight();
        const double w = m.ExtentWidth();
        const double effW = m.EffApertureW();
        const double effH = m.EffApertureH();
        const double r0 = LockProjector() ? H / 2 : projector.LensHeight();
        const double o = m_alignment == AlignTop ? r0 - h * 0.5 : r0 - H - 2 * e + h * 0.5;
        const double oV = -(o + correction);
        double b = effW * oV / (w * 1000);
        double c = effH * oH / (h * 1000);
        if (!m.HasKnownFormat() || !std::isfinite(b) || !std::isfinite(c)) {
            ++k;
            continue;
        }
        if (m.ClampShiftToCoverage(c, b)) {
            m.SetShift(b, c);
            ++k;
            continue;
        }
        correction = (correction + oV) - b * w * 999 / effW;
        oH = c * h * 999 / effH;
        k = 0;
    }
    return true;
}

void CAuditorium::SolveLensShift(const CLensType* changed) {
    bool& busy = lumivane::Ctx().lensShiftBusy;
    if (m_lensTypes.empty() || !m_autoLensShift || busy) {
        return;
    }
    lumivane::FlagGuard guard(busy);
    lumivane::WorkBound bound{kSolveSteps};
    if (changed) {
        const double oV = changed->ShiftV() * (changed->ExtentWidth() / changed->Squeeze()) * 1000 /
                          changed->ApertureW();
        const double oH = changed->ShiftH() * changed->ExtentHeight() * 1000 / changed->ApertureH();
        SolveCentredGroup(m_lensTypes, {oV, oH}, bound);
        return;
    }
    const double H = m_screenHeight;
    const double e = ScreenEdge();
    for (const auto& projector : m_projectors) {
        bool inTime;
        if (m_alignment == AlignCenter || m_constantHeight) {
            std::vector<CLensType*> group;
            for (int i = 0; i < projector->LensTypeCount(); ++i) {
                group.push_back(projector->GetLensType(i));
            }
            const double oV = -((LockProjector() ? H / 2 : projector->LensHeight()) - H / 2 - e);
            const double oH = -(LockProjector() ? 0 : projector->Lateral());
            inTime = SolveCentredGroup(group, {oV, oH}, bound);
        } else {
            inTime = SolveAlignedGroup(*projector, bound);
        }
        if (!inTime) {
            return;
        }
    }
}
