#include "model/LensType.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDescriptor.h"
#include "model/Auditorium.h"
#include "model/ImageGeometry.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>

namespace {

namespace Flag = lumivane::FormatFlag;

// The anamorphic factor and its reciprocal, chosen by the first anamorphic bit that is set.
struct Squeeze {
    double factor;
    double reciprocal;
};

Squeeze SqueezeOf(std::int32_t flags) {
    if (flags & Flag::Anamorphic200) {
        return {2.0, 0.5};
    }
    if (flags & Flag::Anamorphic148) {
        return {1.48, 0.6756756756756757};
    }
    if (flags & Flag::Anamorphic190) {
        return {1.9, 0.5263157894736842};
    }
    if (flags & Flag::Anamorphic133) {
        return {1.33, 0.7518796992481203};
    }
    if (flags & Flag::Anamorphic142) {
        return {1.42, 0.7042253521126761};
    }
    return {1.0, 1.0};
}

std::int16_t FormatIndexFrom(int format) {
    return static_cast<std::int16_t>(std::clamp(format, -32768, 32767));
}

} // namespace

CLensType::CLensType(int format) : m_format(FormatIndexFrom(format)) {
    TakeAspectFromCatalog();
    if (const CFormatDescriptor* f = GetFormatDescriptor()) {
        m_imageHeight = f->GetHeight();
    }
    m_imageWidth = m_aspect * m_imageHeight;
    m_extentHeight = m_imageHeight;
    m_extentWidth = m_imageWidth;
}

CLensType::CLensType(const CLensType& source)
    : m_format(source.m_format), m_shiftV(source.m_shiftV), m_shiftH(source.m_shiftH),
      m_lensChosen(source.m_lensChosen), m_linked(source.m_linked), m_masked(source.m_masked),
      m_extentHeight(source.m_extentHeight), m_extentWidth(source.m_extentWidth),
      m_focal(source.m_focal), m_barrel(source.m_barrel), m_choice(source.m_choice),
      m_corners(source.m_corners) {
    TakeAspectFromCatalog();
    if (!HasKnownFormat()) {
        m_aspect = source.m_aspect;
    }
    m_imageHeight = source.m_imageHeight;
    m_imageWidth = source.m_imageHeight * m_aspect;
}

double CLensType::NodalCorrection(double focalMetres) {
    return (-84.368 - 29.898 * std::log(focalMetres)) * 0.001;
}

double CLensType::FocalFromThrow(double throwDistance, double imageSize, double aperture) {
    const double f0 = 1000 * imageSize * aperture * throwDistance /
                      ((1000 * imageSize + aperture) * (1000 * imageSize + aperture));
    return 1000 * imageSize * aperture * (throwDistance - NodalCorrection(f0)) /
           ((1000 * imageSize + aperture) * (1000 * imageSize + aperture));
}

double CLensType::ImageFromThrow(double throwDistance, double focalMetres, double aperture) {
    const double l = throwDistance - NodalCorrection(focalMetres);
    return (std::sqrt((l - 4 * focalMetres) * l) + (l - 2 * focalMetres)) * aperture /
           (2000 * focalMetres);
}

double CLensType::ThrowFromImage(double focalMm, double imageSize, double aperture) {
    const double fm = focalMm * 0.001;
    const double t = NodalCorrection(fm) +
                     (aperture / (1000 * imageSize) + 1000 * imageSize / aperture + 2) * fm;
    if (t > 0) {
        return t;
    }
    return t - NodalCorrection(fm);
}

void CLensType::SetImageHeight(double h) {
    m_imageHeight = h;
    m_imageWidth = h * m_aspect;
}

void CLensType::SetImageWidth(double w) {
    m_imageWidth = w;
    m_imageHeight = w / m_aspect;
}

// The focal length is that of the whole lens train, the combination's range is given without
// its vertical factor; a focal length the combination gives itself must not drop it by a
// rounding step.
void CLensType::SetFocalLength(double mm) {
    const double bare = mm / VerticalFactor();
    const double slack = 1e-9 * std::fabs(bare);
    if (HasCombination() &&
        (m_choice.GetMinFocal() > bare + slack || m_choice.GetMaxFocal() < bare - slack ||
         lumivane::Ctx().settings.m_fixedFocal)) {
        ClearLens();
    }
    m_focal = mm * 0.001;
    if (HasCombination()) {
        m_choice.Evaluate(*this);
    }
}

double CLensType::GetFocal(bool effective, bool withVertical) const {
    if (!HasCombination() || !effective) {
        return m_focal * 1000;
    }
    if (withVertical) {
        return m_choice.GetAchievedFocal() * m_choice.GetFactorV();
    }
    return m_choice.GetAchievedFocal();
}

double CLensType::VerticalFactor() const {
    return HasCombination() ? m_choice.GetFactorV() : 1.0;
}

double CLensType::BareFocalMm() const {
    return m_focal * 1000 / VerticalFactor();
}

double CLensType::OpticalFocal() const {
    return GetFocal(true, true) * 0.001;
}

// A result that is not a number is never stored: the set-up keeps its last sound values.
void CLensType::ApplyThrow(double slantThrow) {
    if (!HasKnownFormat()) {
        return;
    }
    if (lumivane::Ctx().lockMode == LockImageSize && !HasCombination()) {
        FocalFromThrowAlways(slantThrow);
        return;
    }
    const double h = ImageFromThrow(slantThrow, OpticalFocal(), EffApertureH());
    if (!std::isnan(h)) {
        SetImageHeight(h);
    }
}

void CLensType::ImageFromThrowUnlessImageLocked(double slantThrow) {
    if (lumivane::Ctx().lockMode == LockImageSize || !HasKnownFormat()) {
        return;
    }
    const double h = ImageFromThrow(slantThrow, OpticalFocal(), EffApertureH());
    if (!std::isnan(h)) {
        SetImageHeight(h);
    }
}

void CLensType::FocalFromThrowUnlessFocalLocked(double slantThrow) {
    if (lumivane::Ctx().lockMode == LockFocalLength || HasCombination()) {
        return;
    }
    FocalFromThrowAlways(slantThrow);
}

void CLensType::FocalFromThrowAlways(double slantThrow) {
    if (!HasKnownFormat()) {
        return;
    }
    const double f = FocalFromThrow(slantThrow, m_imageHeight, EffApertureH());
    if (!std::isnan(f)) {
        m_focal = f;
    }
}

void CLensType::ChooseCombination(const CLensChoice& choice) {
    m_choice = choice;
    m_lensChosen = 1;
    m_linked = 0;
    // What the train gives, attachment included: a magnifier or a throw extender changes the
    // focal length of the prime it is mounted on.
    m_focal = OpticalFocal();
}

void CLensType::ClearLens() {
    if (!HasCombination()) {
        return;
    }
    m_choice.Clear();
    m_lensChosen = 0;
    m_linked = 0;
}

bool CLensType::ShiftWithinCoverage() const {
    if (!HasCombination()) {
        return false;
    }
    const double d = std::sqrt(ApertureW() * ApertureW() + ApertureH() * ApertureH());
    const double c = m_choice.GetCoverage();
    return (d * d + c * (c - 2 * d)) * 0.25 >=
           (m_shiftH * m_shiftH + m_shiftV * m_shiftV) * 1000000;
}

bool CLensType::ClampShiftToCoverage(double& horizontal, double& vertical) const {
    if (!HasCombination()) {
        return true;
    }
    const double r = m_choice.GetCoverage() * 0.0005;
    const double x = std::fabs(horizontal) + ApertureW() * 0.001 * 0.5;
    const double y = std::fabs(vertical) + ApertureH() * 0.001 * 0.5;
    if (r * r >= x * x + y * y) {
        return true;
    }
    const double scale = r / std::sqrt(x * x + y * y);
    horizontal *= scale;
    vertical *= scale;
    return false;
}

// The corner form interpolates the used panel area bilinearly; the lens shift moves every
// point the same way in both forms, so full-panel corners give exactly the plain result.
std::pair<double, double> CLensType::ShiftDisplacement(double u, double v) const {
    const double effW = FullEffApertureW();
    const double effH = FullEffApertureH();
    if (!m_corners) {
        return {m_shiftH - effW * (u - 0.5) * 0.001, m_shiftV - effH * (v - 0.5) * 0.001};
    }
    const PanelCorners& c = *m_corners;
    const double cx = m_panelWidth / 2;
    const double cy = m_panelHeight / 2;
    const double xTL = c[0].x - cx, xTR = c[1].x - cx, xBR = c[2].x - cx, xBL = c[3].x - cx;
    const double yTL = c[0].y - cy, yTR = c[1].y - cy, yBR = c[2].y - cy, yBL = c[3].y - cy;
    const double dx = effW * (v * (xTR * (1 - u) + u * xTL) + (u * xBL + (1 - u) * xBR) * (1 - v)) /
                          (static_cast<double>(m_panelWidth) * 1000) +
                      m_shiftH;
    const double dy = effH * ((1 - v) * (u * yBL + (1 - u) * yBR) + v * ((1 - u) * yTR + u * yTL)) /
                          (static_cast<double>(m_panelHeight) * 1000) +
                      m_shiftV;
    return {dx, dy};
}

void CLensType::SetPanelResolution(std::int32_t width, std::int32_t height) {
    m_panelWidth = width;
    m_panelHeight = height;
}

void CLensType::EnsureCorners() {
    if (m_corners) {
        return;
    }
    m_corners = PanelCorners{PanelPoint{0, 0}, PanelPoint{m_panelWidth, 0},
                             PanelPoint{m_panelWidth, m_panelHeight}, PanelPoint{0, m_panelHeight}};
}

double CLensType::GetMountOffset() const {
    const CLensDescriptor* lens = m_choice.FirstLens();
    if (!lens) {
        return NodalCorrection(m_focal);
    }
    if (lens->FocalMin() != lens->FocalMax()) {
        return ((lens->FocalMax() + lens->FocalMin()) * 0.0005 - m_focal) * 3.302774 +
               lens->Offset() * 0.001;
    }
    return lens->Offset() * 0.001;
}

const CFormatDescriptor* CLensType::GetFormatDescriptor() const {
    const auto& formats = lumivane::Ctx().formats;
    return formats ? formats->GetAt(m_format) : nullptr;
}

std::string CLensType::GetFormatName() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    return f ? f->GetName() : std::string("Unknown format");
}

double CLensType::Squeeze() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    return f ? SqueezeOf(f->GetFlags()).factor : 1.0;
}

double CLensType::FullApertureW() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    return f ? f->GetWidth() * SqueezeOf(f->GetFlags()).reciprocal : std::nan("");
}

double CLensType::FullEffApertureW() const {
    if (HasCombination()) {
        return FullApertureW() * m_choice.GetFactorH();
    }
    const CFormatDescriptor* f = GetFormatDescriptor();
    return f ? f->GetWidth() : std::nan("");
}

double CLensType::FullEffApertureH() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    const double h = f ? f->GetHeight() : std::nan("");
    return HasCombination() ? h * m_choice.GetFactorV() : h;
}

// Corners come from files: the differences are taken in double so that no value overflows.
double CLensType::PanelFractionW() const {
    if (!m_corners) {
        return 1.0;
    }
    const PanelCorners& c = *m_corners;
    return (static_cast<double>(std::min(c[1].x, c[2].x)) - std::max(c[3].x, c[0].x)) /
           static_cast<double>(m_panelWidth);
}

double CLensType::PanelFractionH() const {
    if (!m_corners) {
        return 1.0;
    }
    const PanelCorners& c = *m_corners;
    return (static_cast<double>(std::min(c[2].y, c[3].y)) - std::max(c[1].y, c[0].y)) /
           static_cast<double>(m_panelHeight);
}

double CLensType::ApertureW() const {
    return FullApertureW() * PanelFractionW();
}

double CLensType::ApertureH() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    return (f ? f->GetHeight() : std::nan("")) * PanelFractionH();
}

double CLensType::EffApertureW() const {
    return FullEffApertureW() * PanelFractionW();
}

double CLensType::EffApertureH() const {
    return FullEffApertureH() * PanelFractionH();
}

void CLensType::SetShift(double vertical, double horizontal) {
    m_shiftV = vertical;
    m_shiftH = horizontal;
}

void CLensType::SetExtents(double height, double width) {
    m_extentHeight = height;
    m_extentWidth = width;
}

std::optional<lumivane::LensFormatNeeds> CLensType::FormatNeeds() const {
    const CFormatDescriptor* f = GetFormatDescriptor();
    if (!f) {
        return std::nullopt;
    }
    return lumivane::LensFormatNeeds{f->GetFlags(), f->GetExcluded(), f->FilmDiagonal()};
}

double CLensType::RequiredFocalMm() const {
    return GetFocal(true, false);
}

void CLensType::TakeAspectFromCatalog() {
    if (const CFormatDescriptor* f = GetFormatDescriptor()) {
        m_aspect = f->GetAspect();
    }
}

void CLensType::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteShort(m_format);
        ar.WriteShort(static_cast<std::int16_t>(m_linked));
        ar.WriteShort(static_cast<std::int16_t>(m_lensChosen));
        ar.WriteDouble(m_imageHeight);
        ar.WriteDouble(m_imageWidth);
        ar.WriteDouble(m_focal);
        ar.WriteShort(m_barrel);
        ar.WriteDouble(m_extentHeight);
        ar.WriteDouble(m_extentWidth);
        ar.WriteDouble(m_shiftV);
        ar.WriteDouble(m_shiftH);
        ar.WriteDouble(m_aspect);
        ar.WriteShort(m_corners ? 1 : 0);
        if (m_corners) {
            for (const PanelPoint& p : *m_corners) {
                ar.WriteLong(p.x);
                ar.WriteLong(p.y);
            }
        }
        m_choice.Serialize(ar);
        return;
    }
    const int v = ar.FileVersion();
    m_format = ar.ReadShort();
    m_linked = ar.ReadShort();
    m_lensChosen = ar.ReadShort();
    const auto readLength = [&ar, v] {
        return v > 3 ? ar.ReadDouble() : static_cast<double>(ar.ReadFloat());
    };
    m_imageHeight = readLength();
    m_imageWidth = readLength();
    m_focal = readLength();
    m_barrel = ar.ReadShort();
    if (v > 1) {
        m_extentHeight = readLength();
        m_extentWidth = readLength();
    } else {
        m_extentHeight = m_imageHeight;
        m_extentWidth = m_imageWidth;
    }
    if (v > 7) {
        m_shiftV = ar.ReadDouble();
        m_shiftH = ar.ReadDouble();
    } else {
        m_shiftV = 0.0;
        m_shiftH = 0.0;
    }
    if (v > 10) {
        m_aspect = ar.ReadDouble();
        if (ar.ReadShort() != 0) {
            PanelCorners corners;
            for (PanelPoint& p : corners) {
                p.x = ar.ReadLong();
                p.y = ar.ReadLong();
            }
            m_corners = corners;
        } else {
            m_corners.reset();
        }
    } else {
        // Older files carry no aspect; the set-up was built for format 0 before its own
        // format was known.
        TakeAspectFromCatalog();
    }
    ReadChoiceAndCheckCoverage(ar);
}

void CLensType::MoveToFormatPosition(int format) {
    m_format = FormatIndexFrom(format);
}

void CLensType::RebindChoice() {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    m_choice.Serialize(out);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    ReadChoiceAndCheckCoverage(in);
}

void CLensType::ReadChoiceAndCheckCoverage(lumivane::Archive& ar) {
    m_choice.Serialize(ar);
    if (!HasCombination()) {
        return;
    }
    const double c = m_choice.GetCoverage();
    if (c * c < ApertureW() * ApertureW() + ApertureH() * ApertureH()) {
        ClearLens();
    } else {
        m_choice.Evaluate(*this);
    }
}

namespace {

std::string MillimetreText(double mm, int decimals) {
    return lumivane::FormatFixed(mm, decimals) + "mm";
}

} // namespace

void CLensType::WriteSummary(RichTextDoc& text, const CAuditorium& auditorium,
                             const CProjectorType& projector, bool withThrow) const {
    using lumivane::LengthText;
    using lumivane::PercentText;
    lumivane::WriteBold(text, GetFormatName());
    text.AppendText("\n");
    if (HasCombination()) {
        std::string items;
        for (const CDescriptor* item : m_choice.Items()) {
            items += (items.empty() ? "" : "\n\t") + item->CatalogAndName();
        }
        if (m_choice.GetAdapterRing() != 0) {
            items += "\n\t" + std::string(lumivane::AdapterRingCatalog(m_choice.GetAdapterRing())) +
                     "\tAdapter ring";
        }
        text.AppendText(items);
    } else {
        text.AppendText("Not Selected");
    }
    text.AppendText("\n\n");
    const double slant = auditorium.GetSlantThrow(this);
    text.AppendText("Effective focal length: " + MillimetreText(GetFocal(true, true), 2) + "\n");
    text.AppendText("Throw Ratio:\t" + lumivane::FormatFixed(slant / m_imageWidth, 2) + ":1\n");
    const CFormatDescriptor* format = GetFormatDescriptor();
    const double filmHeight = format ? format->GetHeight() : std::nan("");
    text.AppendText("Format Dimensions:" + MillimetreText(filmHeight, 1) + " x " +
                    MillimetreText(FullApertureW(), 1) + "\n");
    if (std::fabs(m_shiftV) > 0.0001 || std::fabs(m_shiftH) > 0.0001) {
        std::string shift = "Lens Shift:\t";
        if (std::fabs(m_shiftV) > 0.0001) {
            shift +=
                MillimetreText(std::fabs(m_shiftV) * 1000, 1) + (m_shiftV > 0 ? " Down" : " Up");
        }
        if (std::fabs(m_shiftH) > 0.0001) {
            shift += (std::fabs(m_shiftV) > 0.0001 ? " " : "") +
                     MillimetreText(std::fabs(m_shiftH) * 1000, 1) +
                     (m_shiftH > 0 ? " Right" : " Left");
        }
        text.AppendText(shift + "\nLens shift is a new feature in Lumivane and should be used with "
                                "care. Practical tests should be done before planning an "
                                "installation based on these results.\n");
    }
    ImageGeometry geometry;
    geometry.SetSubjects(&auditorium, &projector, this);
    text.AppendText("Keystone:\tTop width: " + LengthText(geometry.TopWidth()) +
                    "\tBottom width: " + LengthText(geometry.BottomWidth()) + "\n");
    text.AppendText("Distortion: \tVertical keystone:" + PercentText(geometry.VerticalKeystone()) +
                    "\tHorizontal keystone:" + PercentText(geometry.HorizontalKeystone()) + "\n");
    text.AppendText("\tVertical stretch: " + PercentText(geometry.VerticalStretch()) +
                    "\tHorizontal stretch:" + PercentText(geometry.HorizontalStretch()) + "\n");
    const double curve = geometry.CurveDistortion();
    if (curve > 0) {
        text.AppendText("\tCurved screen:" + PercentText(curve) + "\n");
    }
    if (withThrow) {
        text.AppendText("Throw Distance: " + LengthText(projector.GetThrow()) + "\n");
    }
    const ScreenQuad rect = geometry.InnerRect();
    text.AppendText("Masked image size: " + LengthText(rect[0].y - rect[1].y) + " x " +
                    LengthText(rect[0].x - rect[2].x) + "\n");
    text.AppendText("Image Lost To Masking:" + PercentText(geometry.MaskingLoss()) + "\n");
    if (auditorium.GetCurvePercent() != 0) {
        text.AppendText("Format chord depth: " + LengthText(auditorium.GetChordDepth(this)) + "\n");
    }
}
