#include "model/Auditorium.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/ProjectorDatabase.h"
#include "catalog/ProjectorDescriptor.h"
#include "model/ImageGeometry.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using lumivane::LockProjector;
using lumivane::ScreenEdge;

namespace {

constexpr double kRadiansPerDegree = 0.017453292519944003;
constexpr double kHalfDegreesPerRadian = 28.64788975654;
constexpr double kFitTolerance = 0.001;
// Rounds of measuring and recalculating before the screen is taken as settled; ordinary rooms
// settle in two, an image hundreds of metres wide from a lens of a few millimetres in about
// twenty. Stopping short leaves a room that reopening the project recalculates elsewhere.
constexpr int kFitRounds = 60;
// A projector steeply above or below a small screen can swing between a screen too small,
// on which its image lands huge, and one too large, on which it lands small. Past the plain
// rounds each kept extent moves only part of the way towards its measurement (see FitStep).
constexpr int kDampedRounds = 1000;
constexpr double kSmallestShare = 1.0 / 1024;

} // namespace

CAuditorium::CAuditorium(int number, const CAuditorium* source) {
    m_name = "Auditorium " + lumivane::FormatInt(number);
    if (source) {
        m_fixedScreen = source->m_fixedScreen;
        m_constantHeight = source->m_constantHeight;
        m_calcPorthole = source->m_calcPorthole;
        m_screenHeight = source->m_screenHeight;
        m_screenWidth = source->m_screenWidth;
        m_curveValue = source->GetCurvePercent();
        m_tiltValue = source->m_tiltValue;
        m_audienceHeight = source->m_audienceHeight;
        m_audienceDistance = source->m_audienceDistance;
        m_portholeDistance = source->m_portholeDistance;
        m_floorToScreen = source->m_floorToScreen;
        m_floorToBooth = source->m_floorToBooth;
        m_frontWall = source->m_frontWall;
        m_defaultThrow = source->m_defaultThrow;
        m_seats = source->m_seats;
        m_handicappedSeats = source->m_handicappedSeats;
        m_curveType = source->m_curveType;
        m_tiltType = source->m_tiltType;
        m_autoLensShift = source->m_autoLensShift;
        m_allowLensShift = source->m_allowLensShift;
        m_alignment = source->m_alignment;
        m_light = source->m_light;
        for (const auto& projector : source->m_projectors) {
            AttachProjector(std::make_unique<CProjectorType>(*projector));
        }
        return;
    }
    const AppSettings& options = lumivane::Ctx().settings;
    m_curveValue = options.m_radiusValue;
    m_curveType = options.m_radiusType;
    m_tiltType = options.m_tiltType;
    // The tilt option is an angle when the default tilt is adjustable and the audience
    // height when it is recommended.
    if (m_tiltType == TiltAdjustable) {
        m_tiltValue = options.m_tiltValue;
    } else {
        m_audienceHeight = options.m_tiltValue;
    }
    m_audienceDistance = options.m_tiltDepth;
    m_defaultThrow = lumivane::Ctx().metricUnits ? 30.0 : MetresFromFeet(100);
}

CAuditorium::~CAuditorium() = default;

double CAuditorium::GetCurvePercent() const {
    switch (m_curveType) {
    case CurveRecommended: {
        const double x = (m_screenWidth - 2 * ScreenEdge()) * 10100 / (GetAverageThrow() * 40);
        if (std::isnan(x)) {
            return 150;
        }
        if (x > 300) {
            return 0;
        }
        return x < 150 ? 150 : x;
    }
    case CurveTwoThirds:
        return 66.66666666666667;
    case CurveThreeQuarters:
        return 75.0;
    case CurveSevenEighths:
        return 87.5;
    case CurveThrow:
        return 100.0;
    case CurveAdjustable:
        return m_curveValue;
    default:
        return 0;
    }
}

double CAuditorium::GetChordDepth(const CLensType* lensType) const {
    const double p = GetCurvePercent();
    if (p == 0) {
        return 0;
    }
    double r = p * GetAverageThrow() * 0.01;
    if (r == 0) {
        r = p * m_defaultThrow * 0.01;
    }
    const double c = lensType ? lensType->ExtentWidth() * 0.5 : m_screenWidth * 0.5 - ScreenEdge();
    if (std::isnan(c)) {
        return r;
    }
    if (r > c) {
        return r - std::sqrt(r * r - c * c);
    }
    return r;
}

double CAuditorium::ScreenRadius() const {
    return GetCurvePercent() * m_defaultThrow * 0.01;
}

double CAuditorium::GetTiltAngle() const {
    const double tilt = m_tiltType == TiltAdjustable ? m_tiltValue : RecommendedTilt();
    return std::isfinite(tilt) ? std::clamp(tilt, lumivane::kMinTilt, lumivane::kMaxTilt) : 0;
}

double CAuditorium::ProjectionAxisAngle() const {
    return std::atan((2 * GetAverageLensHeight() - m_screenHeight + 2 * ScreenEdge()) /
                     (2 * GetAverageThrow()));
}

// The screen normal halves the angle between the projection axis and the audience's line of
// sight. An audience at no distance has no line of sight: its angle would be a right angle
// and tilt the screen by some 45 degrees, so there is no recommendation then.
double CAuditorium::RecommendedTilt() const {
    if (m_tiltType != TiltRecommended || m_projectors.empty() || !(m_audienceDistance > 0)) {
        return 0;
    }
    const double thetaA = std::atan((m_screenHeight - 2 * (ScreenEdge() + m_audienceHeight)) /
                                    (2 * m_audienceDistance));
    return (ProjectionAxisAngle() - thetaA) * kHalfDegreesPerRadian;
}

double CAuditorium::GetSlantThrow(const CLensType* lensType) const {
    const double H = m_screenHeight;
    const double e = ScreenEdge();
    const CProjectorType* projector = lensType ? FindProjectorOf(lensType).first : nullptr;
    double v;
    double s;
    double t;
    if (projector) {
        v = (LockProjector() ? H / 2 : projector->LensHeight()) + projector->ImageOffsetV() -
            H / 2 + e;
        s = projector->ImageOffsetH() + (LockProjector() ? 0 : projector->Lateral());
        t = projector->GetThrow();
        if (m_curveType != CurveNone && GetCurvePercent() != 0) {
            t -= GetChordDepth(lensType);
        }
    } else {
        v = GetAverageLensHeight() - H / 2 + e;
        s = GetAverageLateral();
        t = GetAverageThrow();
    }
    if (LockProjector()) {
        v = 0;
        s = 0;
    }
    return std::sqrt(t * t + v * v + s * s);
}

double CAuditorium::GetAverageThrow() const {
    return AverageOverProjectors(&CProjectorType::GetThrow);
}

double CAuditorium::GetAverageLensHeight() const {
    return AverageOverProjectors(&CProjectorType::LensHeight);
}

double CAuditorium::GetAverageLateral() const {
    return AverageOverProjectors(&CProjectorType::Lateral);
}

double CAuditorium::AverageOverProjectors(double (CProjectorType::*value)() const) const {
    if (m_projectors.empty()) {
        return 0;
    }
    double sum = 0;
    for (const auto& projector : m_projectors) {
        sum += ((*projector).*value)();
    }
    return sum / static_cast<double>(m_projectors.size());
}

std::pair<const CProjectorType*, int>
CAuditorium::FindProjectorOf(const CLensType* lensType) const {
    for (std::size_t i = 0; i < m_projectors.size(); ++i) {
        if (m_projectors[i]->Contains(lensType)) {
            return {m_projectors[i].get(), static_cast<int>(i)};
        }
    }
    return {nullptr, -1};
}

// The changeable items are the read-only ones of an auditorium that is itself changeable.
std::pair<CProjectorType*, int> CAuditorium::FindProjectorOf(const CLensType* lensType) {
    const auto [projector, index] = std::as_const(*this).FindProjectorOf(lensType);
    return {const_cast<CProjectorType*>(projector), index};
}

CProjectorType* CAuditorium::GetProjector(int index) {
    return const_cast<CProjectorType*>(std::as_const(*this).GetProjector(index));
}

CLensType* CAuditorium::GetLensType(int index) {
    return const_cast<CLensType*>(std::as_const(*this).GetLensType(index));
}

const CProjectorType* CAuditorium::GetProjector(int index) const {
    if (index < 0 || index >= ProjectorCount()) {
        return nullptr;
    }
    return m_projectors[static_cast<std::size_t>(index)].get();
}

const CLensType* CAuditorium::GetLensType(int index) const {
    if (index < 0 || index >= LensTypeCount()) {
        return nullptr;
    }
    return m_lensTypes[static_cast<std::size_t>(index)];
}

void CAuditorium::SetScreenHeight(double h) {
    m_screenHeight = h;
    if (m_fixedScreen) {
        UpdateAllFits();
    }
}

void CAuditorium::SetScreenWidth(double w) {
    m_screenWidth = w;
    if (m_fixedScreen) {
        UpdateAllFits();
    }
}

void CAuditorium::SetCurveType(int type) {
    m_curveType = static_cast<std::int16_t>(std::clamp(type, -32768, 32767));
    RefreshAllImages();
}

void CAuditorium::SetCurveValue(double percent) {
    m_curveValue = percent;
    RefreshAllImages();
}

void CAuditorium::SetTiltType(int type) {
    m_tiltType = static_cast<std::int16_t>(std::clamp(type, -32768, 32767));
    RefreshAllImages();
}

// Under a recommended tilt the angle is derived from where the audience sits, so the typed
// angle is kept by moving the audience centre to the height that yields it; without an
// audience distance no height can.
void CAuditorium::SetTiltAngle(double degrees) {
    const double tilt = std::clamp(degrees, lumivane::kMinTilt, lumivane::kMaxTilt);
    if (m_tiltType == TiltAdjustable) {
        m_tiltValue = tilt;
    } else if (m_tiltType == TiltRecommended && !m_projectors.empty() && m_audienceDistance > 0) {
        const double thetaA = ProjectionAxisAngle() - 2 * tilt * kRadiansPerDegree;
        const double height =
            0.5 * (m_screenHeight - 2 * ScreenEdge() - 2 * m_audienceDistance * std::tan(thetaA));
        if (std::isfinite(height)) {
            m_audienceHeight = height;
        }
    }
    RefreshAllImages();
}

void CAuditorium::SetDefaultThrow(double t, int force) {
    bool& busy = lumivane::Ctx().defaultThrowBusy;
    if (busy) {
        return;
    }
    {
        lumivane::FlagGuard guard(busy);
        m_defaultThrow = t;
        for (const auto& projector : m_projectors) {
            if (projector->UseDefaultThrow()) {
                projector->SetThrow(t, force);
            }
        }
    }
    Recalculate(nullptr);
}

void CAuditorium::SetAlignment(std::int32_t alignment) {
    if (alignment == m_alignment) {
        return;
    }
    m_alignment = alignment;
    ShareLensShiftSettings();
    SolveLensShift(nullptr);
}

void CAuditorium::SetAutoLensShift(bool on) {
    const std::int32_t value = on ? 1 : 0;
    if (value == m_autoLensShift) {
        return;
    }
    m_autoLensShift = value;
    ShareLensShiftSettings();
    if (on) {
        SolveLensShift(nullptr);
    }
}

void CAuditorium::SetAllowLensShift(bool on) {
    const std::int32_t value = on ? 1 : 0;
    if (value == m_allowLensShift) {
        return;
    }
    m_allowLensShift = value;
    ShareLensShiftSettings();
    if (!on) {
        for (CLensType* lensType : m_lensTypes) {
            lensType->SetShift(0, 0);
        }
    }
}

CProjectorType* CAuditorium::FirstProjectorSupporting(int format) const {
    for (const auto& projector : m_projectors) {
        if (projector->SupportsFormat(format)) {
            return projector.get();
        }
    }
    return nullptr;
}

int CAuditorium::FirstModelFor(int format) const {
    const auto& formats = lumivane::Ctx().formats;
    const auto& projectors = lumivane::Ctx().projectors;
    const CFormatDescriptor* descriptor = formats ? formats->GetAt(format) : nullptr;
    if (!descriptor || !projectors) {
        return -1;
    }
    for (int i = 0; i < projectors->GetCount(); ++i) {
        if (projectors->GetAt(i)->CanShow(*descriptor)) {
            return i;
        }
    }
    return -1;
}

CLensType* CAuditorium::AddFormat(int format, int projectorIndex) {
    CLensType* lensType = nullptr;
    if (projectorIndex < 0) {
        CProjectorType* projector = FirstProjectorSupporting(format);
        if (!projector) {
            const int model = FirstModelFor(format);
            if (model < 0) {
                return nullptr;
            }
            projector = AddProjector(model);
        }
        lensType = projector->GetOrAddLensType(format);
    } else if (CProjectorType* projector = GetProjector(projectorIndex)) {
        lensType = projector->GetOrAddLensType(format);
    }
    if (!lensType) {
        return nullptr;
    }
    if (std::find(m_lensTypes.begin(), m_lensTypes.end(), lensType) != m_lensTypes.end()) {
        return lensType;
    }
    m_lensTypes.push_back(lensType);
    if (m_constantHeight) {
        lensType->SetImageHeight(m_screenHeight);
    } else {
        lensType->SetImageWidth(m_screenWidth);
    }
    // A fresh set-up's extents are still its aperture numbers taken as metres; on a curved
    // screen their chord would shorten the slant throw by up to the whole radius and give a
    // far too short focal length. The image just sized to the screen is the best estimate
    // until the geometry below measures the real extents.
    lensType->SetExtents(lensType->ImageHeight(), lensType->ImageWidth());
    lensType->SetFocalLength(1000 * CLensType::FocalFromThrow(GetSlantThrow(lensType),
                                                              lensType->ImageHeight(),
                                                              lensType->EffApertureH()));
    UpdateExtents(*lensType);
    return lensType;
}

void CAuditorium::RemoveFormat(int format, int projectorIndex) {
    CProjectorType* projector = nullptr;
    if (projectorIndex < 0) {
        for (const auto& candidate : m_projectors) {
            if (candidate->HasFormat(format)) {
                projector = candidate.get();
                break;
            }
        }
    } else {
        projector = GetProjector(projectorIndex);
    }
    if (!projector) {
        return;
    }
    const auto listed =
        std::find_if(m_lensTypes.begin(), m_lensTypes.end(), [&](const CLensType* lensType) {
            return lensType->GetFormat() == format && projector->Contains(lensType);
        });
    if (listed != m_lensTypes.end()) {
        m_lensTypes.erase(listed);
    }
    projector->RemoveLensType(format);
}

CProjectorType* CAuditorium::AddProjector(int model) {
    auto projector = std::make_unique<CProjectorType>(model);
    projector->SetAuditorium(this);
    projector->SetLensShiftCopies(m_allowLensShift, m_autoLensShift, m_alignment);
    if (m_floorToBooth != 0) {
        projector->SetLensHeight(m_floorToBooth - m_floorToScreen);
    }
    m_projectors.push_back(std::move(projector));
    return m_projectors.back().get();
}

void CAuditorium::AttachProjector(std::unique_ptr<CProjectorType> projector) {
    projector->SetAuditorium(this);
    for (int i = 0; i < projector->LensTypeCount(); ++i) {
        m_lensTypes.push_back(projector->GetLensType(i));
    }
    m_projectors.push_back(std::move(projector));
}

// The file keeps a copy of the lens-shift settings in every projector record, and reading
// takes them from the auditorium again: copies that lag behind would make a saved project
// read back as another.
void CAuditorium::ShareLensShiftSettings() {
    for (const auto& projector : m_projectors) {
        projector->SetLensShiftCopies(m_allowLensShift, m_autoLensShift, m_alignment);
    }
}

void CAuditorium::RemoveListed(const CProjectorType& projector) {
    std::erase_if(m_lensTypes,
                  [&projector](const CLensType* lensType) { return projector.Contains(lensType); });
}

void CAuditorium::RemoveProjector(int index) {
    CProjectorType* projector = GetProjector(index);
    if (!projector) {
        return;
    }
    RemoveListed(*projector);
    m_projectors.erase(m_projectors.begin() + index);
}

void CAuditorium::ShareImageSize(const CLensType* lensType, bool byWidth) {
    for (CLensType* other : m_lensTypes) {
        if (other == lensType || !other->Linked()) {
            continue;
        }
        if (byWidth) {
            other->SetImageWidth(lensType->ImageWidth());
        } else {
            other->SetImageHeight(lensType->ImageHeight());
        }
        other->FocalFromThrowAlways(GetSlantThrow(other));
    }
}

// A set-up without a lens has no image circle yet, so only its size decides whether it fits.
bool CAuditorium::Fits(const CLensType& lensType) const {
    const double e = ScreenEdge();
    return lensType.ExtentHeight() <= m_screenHeight - 2 * e + kFitTolerance &&
           lensType.ExtentWidth() <= m_screenWidth - 2 * e + kFitTolerance &&
           (!lensType.HasCombination() || lensType.ShiftWithinCoverage());
}

void CAuditorium::UpdateFit(CLensType& lensType) const {
    lensType.SetMasked(!Fits(lensType));
}

std::pair<double, double> CAuditorium::MeasureExtents(const CLensType& lensType) const {
    const auto [projector, index] = FindProjectorOf(&lensType);
    if (!projector || !lensType.HasKnownFormat()) {
        return {std::nan(""), std::nan("")};
    }
    ImageGeometry geometry;
    geometry.SetSubjects(this, projector, &lensType);
    const ScreenQuad rect = geometry.InnerRect();
    const double height = rect[0].y - rect[1].y;
    const double width = rect[0].x - rect[2].x;
    // An image far wider than a curved screen's arc meets it turned inside out: it has no
    // size on that screen, and a negative one must not size the room.
    if (!(height > 0) || !(width > 0)) {
        return {std::nan(""), std::nan("")};
    }
    return {height, width};
}

void CAuditorium::UpdateExtents(CLensType& lensType) const {
    const auto [height, width] = MeasureExtents(lensType);
    if (!std::isnan(height) && !std::isnan(width)) {
        lensType.SetExtents(height, width);
    }
}

void CAuditorium::UpdateAllExtents() {
    for (CLensType* lensType : m_lensTypes) {
        UpdateExtents(*lensType);
    }
}

// Extents of the projector's images relative to its optical centre; a set-up whose format
// is unknown takes no part, and a not-a-number anywhere makes the whole span unusable.
CAuditorium::Span CAuditorium::ExtentsOf(const CProjectorType& projector) const {
    Span span{10000, -10000, 10000, -10000, false};
    bool sound = true;
    for (int i = 0; i < projector.LensTypeCount(); ++i) {
        const CLensType& m = *projector.GetLensType(i);
        if (!m.HasKnownFormat()) {
            continue;
        }
        span.valid = true;
        const double yc = m.ShiftV() * m.ExtentWidth() * 1000 / m.EffApertureW();
        const double xc = m.ShiftH() * m.ExtentHeight() * 1000 / m.EffApertureH();
        const double values[] = {yc - m.ExtentHeight() / 2, yc + m.ExtentHeight() / 2,
                                 xc - m.ExtentWidth() / 2, xc + m.ExtentWidth() / 2};
        if (std::any_of(std::begin(values), std::end(values),
                        [](double v) { return std::isnan(v); })) {
            sound = false;
            continue;
        }
        span.minV = std::min(span.minV, values[0]);
        span.maxV = std::max(span.maxV, values[1]);
        span.minH = std::min(span.minH, values[2]);
        span.maxH = std::max(span.maxH, values[3]);
    }
    span.valid = span.valid && sound;
    return span;
}

void CAuditorium::Recalculate(CLensType* changed) {
    SolveLensShift(changed);
    double spanV = 0;
    double spanH = 0;
    for (const auto& projector : m_projectors) {
        const Span span = ExtentsOf(*projector);
        if (!span.valid) {
            continue;
        }
        projector->SetImageOffsets((span.minV + span.maxV) / 2, (span.minH + span.maxH) / 2);
        spanV = std::max(spanV, span.maxV - span.minV);
        spanH = std::max(spanH, span.maxH - span.minH);
    }
    if (!m_fixedScreen) {
        if (spanV == 0 && spanH == 0) {
            spanV = 6.0;
            spanH = 14.0;
        }
        const double e = ScreenEdge();
        SetScreenHeight(spanV + 2 * e);
        SetScreenWidth(spanH + 2 * e);
    }
    // Every set-up, not just the one changed: a throw or a screen moves them all, and the fit
    // is not kept in the file, so a project reads back with the flags it was saved with.
    UpdateAllFits();
}

void CAuditorium::UpdateAllFits() {
    for (CLensType* lensType : m_lensTypes) {
        UpdateFit(*lensType);
    }
}

// How far one kept extent moves towards its next measurement. One whose measurement jumps to
// its other side halves its share, and one that keeps coming from the same side grows its
// share again, but never past half the share it last overshot with: swings die out, however
// they are paced, and slow drifts keep what pace they safely can.
struct CAuditorium::FitStep {
    double share = 0.5;
    double ceiling = 0.5;
    double lastResidual = 0;

    double Move(double residual) {
        if (residual * lastResidual < 0) {
            ceiling = std::max(share / 2, kSmallestShare);
            share = ceiling;
        } else if (residual * lastResidual > 0) {
            share = std::min(share * 1.5, ceiling);
        }
        lastResidual = residual;
        return share * residual;
    }
};

// Measures every image again and moves each kept extent the whole way to its measurement, or
// by its step where steps are given, and the whole way once no image moved beyond the fit
// tolerance. Returns the largest move measured.
double CAuditorium::RemeasureExtents(std::vector<FitStep>* steps) {
    std::vector<double> residuals;
    residuals.reserve(2 * m_lensTypes.size());
    double largest = 0;
    for (const CLensType* lensType : m_lensTypes) {
        const auto [height, width] = MeasureExtents(*lensType);
        for (const double residual :
             {height - lensType->ExtentHeight(), width - lensType->ExtentWidth()}) {
            residuals.push_back(std::isnan(residual) ? 0 : residual);
            largest = std::max(largest, std::abs(residuals.back()));
        }
    }
    const bool whole = !steps || largest <= kFitTolerance;
    if (steps) {
        steps->resize(residuals.size());
    }
    for (std::size_t i = 0; i < m_lensTypes.size(); ++i) {
        CLensType& lensType = *m_lensTypes[i];
        const double rh = residuals[2 * i];
        const double rw = residuals[2 * i + 1];
        lensType.SetExtents(lensType.ExtentHeight() + (whole ? rh : (*steps)[2 * i].Move(rh)),
                            lensType.ExtentWidth() + (whole ? rw : (*steps)[2 * i + 1].Move(rw)));
    }
    return largest;
}

// Settled when the images measure as they did for the last recalculation, within the fit
// tolerance. One more recalculation from what was measured then leaves the room exactly as
// opening the saved project recalculates it.
void CAuditorium::FitToImages(CLensType* changed) {
    RemeasureExtents(nullptr);
    std::vector<FitStep> steps;
    for (int round = 0; round < kFitRounds + kDampedRounds; ++round) {
        Recalculate(changed);
        if (RemeasureExtents(round < kFitRounds ? nullptr : &steps) <= kFitTolerance) {
            Recalculate(changed);
            return;
        }
    }
    // Should even that not settle, the screen stays where the last round left it, and every
    // set-up keeps what lands on that screen, so its figures and its fit still tell the truth.
    UpdateAllExtents();
    UpdateAllFits();
}

void CAuditorium::RefreshProjectorImages(CProjectorType& projector) {
    projector.SetThrow(projector.GetThrow(), 0);
    for (int i = 0; i < projector.LensTypeCount(); ++i) {
        CLensType& lensType = *projector.GetLensType(i);
        lensType.ApplyThrow(GetSlantThrow(&lensType));
        UpdateExtents(lensType);
    }
}

void CAuditorium::RefreshAllImages() {
    for (const auto& projector : m_projectors) {
        RefreshProjectorImages(*projector);
    }
}

void CAuditorium::CountCatalogItems(std::vector<const CDescriptor*>& items,
                                    std::vector<int>& counts) const {
    for (const CLensType* lensType : m_lensTypes) {
        for (const CDescriptor* item : lensType->Choice().Items()) {
            const auto found = std::find(items.begin(), items.end(), item);
            if (found == items.end()) {
                items.push_back(item);
                counts.push_back(1);
            } else {
                ++counts[static_cast<std::size_t>(found - items.begin())];
            }
        }
    }
}

void CAuditorium::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        WriteRecord(ar);
    } else {
        ReadRecord(ar);
    }
}

void CAuditorium::WriteRecord(lumivane::Archive& ar) const {
    ar.WriteText(m_name);
    ar.WriteText(m_comments);
    ar.WriteDouble(lumivane::Ctx().metricUnits ? 1.0 : 2.0);
    ar.WriteDouble(m_screenHeight);
    ar.WriteDouble(m_screenWidth);
    ar.WriteShort(m_calcPorthole);
    ar.WriteDouble(m_portholeDistance);
    ar.WriteShort(m_fixedScreen);
    ar.WriteShort(m_constantHeight);
    ar.WriteDouble(0.0);
    ar.WriteDouble(0.0);
    ar.WriteDouble(m_curveValue);
    ar.WriteShort(m_curveType);
    ar.WriteDouble(m_tiltValue);
    ar.WriteDouble(m_audienceDistance);
    ar.WriteDouble(m_audienceHeight);
    ar.WriteShort(m_tiltType);
    ar.WriteLong(m_allowLensShift);
    ar.WriteLong(m_autoLensShift);
    ar.WriteLong(m_alignment);
    ar.WriteDouble(m_defaultThrow);
    ar.WriteDouble(m_floorToScreen);
    ar.WriteDouble(m_floorToBooth);
    ar.WriteDouble(m_frontWall[0]);
    ar.WriteDouble(m_frontWall[1]);
    ar.WriteLong(m_seats);
    ar.WriteLong(m_handicappedSeats);
    ar.WriteLong(static_cast<std::int32_t>(m_projectors.size()));
    for (const auto& projector : m_projectors) {
        projector->Serialize(ar);
    }
}

void CAuditorium::ReadRecord(lumivane::Archive& ar) {
    m_lensTypes.clear();
    m_projectors.clear();
    const int v = ar.FileVersion();
    m_name = ar.ReadText();
    if (v > 5) {
        m_comments = ar.ReadText();
    }
    if (v < 4) {
        m_screenHeight = ar.ReadFloat();
        m_screenWidth = ar.ReadFloat();
    } else {
        const double mark = ar.ReadDouble();
        if (mark > 1.5) {
            lumivane::Ctx().metricUnits = false;
        } else if (mark > 0.5) {
            lumivane::Ctx().metricUnits = true;
        }
        m_screenHeight = ar.ReadDouble();
        m_screenWidth = ar.ReadDouble();
    }
    if (v < 7) {
        m_calcPorthole = 0;
        m_portholeDistance = 1.0;
    } else {
        m_calcPorthole = ar.ReadShort();
        m_portholeDistance = ar.ReadDouble();
    }
    m_fixedScreen = ar.ReadShort();
    if (v > 2) {
        m_constantHeight = ar.ReadShort();
    }
    if (v < 4) {
        ar.ReadFloat();
        ar.ReadFloat();
        m_curveValue = 0;
        m_curveType = 0;
        m_tiltValue = 0;
        m_audienceHeight = 0;
        m_audienceDistance = 1.0;
        m_tiltType = 0;
    } else {
        ar.ReadDouble();
        ar.ReadDouble();
        m_curveValue = ar.ReadDouble();
        m_curveType = ar.ReadShort();
        m_tiltValue = ar.ReadDouble();
        m_audienceDistance = ar.ReadDouble();
        m_audienceHeight = v >= 5 ? ar.ReadDouble() : 0.0;
        m_tiltType = ar.ReadShort();
    }
    if (v > 10) {
        m_allowLensShift = ar.ReadLong();
    }
    if (v < 9) {
        m_autoLensShift = 0;
        m_alignment = 1;
    } else {
        m_autoLensShift = ar.ReadLong();
        m_alignment = ar.ReadLong();
    }
    if (v >= 11) {
        m_defaultThrow = ar.ReadDouble();
        m_floorToScreen = ar.ReadDouble();
        m_floorToBooth = ar.ReadDouble();
        m_frontWall[0] = ar.ReadDouble();
        m_frontWall[1] = ar.ReadDouble();
        m_seats = ar.ReadLong();
        m_handicappedSeats = ar.ReadLong();
    }
    const std::uint32_t count = ar.ReadCount(1);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (v < 10) {
            auto lensType = std::make_unique<CLensType>(0);
            lensType->Serialize(ar);
            AttachLensType(std::move(lensType));
            continue;
        }
        auto projector = std::make_unique<CProjectorType>(0);
        projector->Serialize(ar);
        if (v >= 12) {
            projector->SetLensShiftCopies(m_allowLensShift, m_autoLensShift, m_alignment);
        }
        AttachProjector(std::move(projector));
    }
}

// A set-up that no catalog model can show is kept on a projector of unknown model rather
// than lost, so saving the project again carries it along.
void CAuditorium::AttachLensType(std::unique_ptr<CLensType> lensType) {
    const int format = lensType->GetFormat();
    CProjectorType* projector = FirstProjectorSupporting(format);
    if (!projector) {
        const int model = FirstModelFor(format);
        const auto orphanage =
            std::find_if(m_projectors.begin(), m_projectors.end(),
                         [](const auto& p) { return p->GetModelDescriptor() == nullptr; });
        projector =
            model < 0 && orphanage != m_projectors.end() ? orphanage->get() : AddProjector(model);
    }
    if (const CProjectorDescriptor* model = projector->GetModelDescriptor()) {
        lensType->SetPanelResolution(model->GetHres(), model->GetVres());
    }
    // The set-up was made by the reader just now, so it cannot be listed yet; searching the
    // list for it made files of many set-ups take quadratic time.
    m_lensTypes.push_back(lensType.get());
    projector->AddLensType(std::move(lensType));
}

void CAuditorium::WriteSummary(RichTextDoc& text) const {
    using lumivane::LengthText;
    lumivane::BeginSummary(text, m_name, 12);
    text.AppendText("Screen Size:" + LengthText(m_screenHeight) + " x " +
                    LengthText(m_screenWidth));
    const double percent = GetCurvePercent();
    if (percent != 0) {
        text.AppendText(" and a " + LengthText(GetChordDepth(nullptr)) + " screen chord depth.");
    }
    text.AppendText("\n");
    std::string line;
    if (percent > 0) {
        line = "Screen radius of " + LengthText(ScreenRadius());
    }
    const double tilt = GetTiltAngle();
    if (tilt != 0) {
        line += line.empty() ? "Screen tilt of " : ", screen tilt of ";
        line += lumivane::FormatInt(lumivane::TruncToInt64(std::fabs(tilt) + 0.5)) + " degrees " +
                (tilt > 0 ? "backwards" : "forwards");
    }
    if (!line.empty()) {
        text.AppendText(line + "\n");
    }
    if (m_tiltType == TiltRecommended) {
        // The direction word comes before the fixed "above the bottom and", as the program
        // has always printed it; users compare these lines with earlier reports.
        text.AppendText("The center of the audience is " + LengthText(m_audienceHeight) + " " +
                        (m_audienceHeight >= 0 ? "above" : "below") + " above the bottom and " +
                        LengthText(m_audienceDistance) + " away from the screen.\n");
    }
    for (const auto& projector : m_projectors) {
        projector->WriteSummary(text);
    }
    if (!m_comments.empty()) {
        text.AppendText("Comments\n");
        text.ShiftIndent(lumivane::kSummaryIndent, 0);
        text.AppendText(m_comments + "\n");
        text.ShiftIndent(-lumivane::kSummaryIndent, lumivane::kSummaryIndent);
    }
    lumivane::EndSummary(text);
}
