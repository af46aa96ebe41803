#pragma once
// The lens set-up of one projector for one format: the projected image size, the focal
// length needed at the projector's throw, lens shift, the used area of a digital panel, the
// fit flag and the chosen lens combination. Holds the throw optics and the lock-mode rules.

#include "catalog/LensSetupQuery.h"
#include "model/LensChoice.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class CAuditorium;
class CFormatDescriptor;
class CProjectorType;
class RichTextDoc;

namespace lumivane {
class Archive;
}

struct PanelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
// Top-left, top-right, bottom-right, bottom-left, in panel pixels.
using PanelCorners = std::array<PanelPoint, 4>;

class CLensType : public lumivane::LensSetupQuery {
public:
    explicit CLensType(int format);
    CLensType(const CLensType& source);
    CLensType& operator=(const CLensType&) = delete;

    // Optics shared by every caller: lengths in metres, apertures in millimetres.
    static double NodalCorrection(double focalMetres);
    static double FocalFromThrow(double throwDistance, double imageSize, double aperture);
    static double ImageFromThrow(double throwDistance, double focalMetres, double aperture);
    static double ThrowFromImage(double focalMm, double imageSize, double aperture);

    void SetImageHeight(double h);
    void SetImageWidth(double w);
    void SetFocalLength(double mm);
    double GetFocal(bool effective, bool withVertical) const;

    // The stored focal length in the terms of the lens catalog's focal ranges: without the
    // vertical factor of the chosen attachment.
    double BareFocalMm() const;

    void ApplyThrow(double slantThrow);
    void ImageFromThrowUnlessImageLocked(double slantThrow);
    void FocalFromThrowUnlessFocalLocked(double slantThrow);
    void FocalFromThrowAlways(double slantThrow);

    void ChooseCombination(const CLensChoice& choice);
    void ClearLens();
    bool HasCombination() const { return !m_choice.IsEmpty(); }

    bool ShiftWithinCoverage() const;
    // Scales the wanted shifts onto the lens's image circle when they leave it; false then.
    bool ClampShiftToCoverage(double& horizontal, double& vertical) const;
    // Offset in metres between the aperture point (u across, v up, 0..1) and the lens axis.
    std::pair<double, double> ShiftDisplacement(double u, double v) const;

    void SetPanelResolution(std::int32_t width, std::int32_t height);
    void EnsureCorners();
    double GetMountOffset() const;

    void WriteSummary(RichTextDoc& text, const CAuditorium& auditorium,
                      const CProjectorType& projector, bool withThrow) const;
    void Serialize(lumivane::Archive& ar);

    // The format record, or none when the index is outside the format catalog (a file from
    // another catalog, a format deleted by the user); such a set-up computes nothing.
    const CFormatDescriptor* GetFormatDescriptor() const;
    bool HasKnownFormat() const { return GetFormatDescriptor() != nullptr; }
    std::string GetFormatName() const;

    double ApertureW() const;
    double ApertureH() const;
    double EffApertureW() const;
    double EffApertureH() const;
    double Squeeze() const;

    int GetFormat() const { return m_format; }
    // The set-up's format now stands at another position of the format catalog.
    void MoveToFormatPosition(int format);
    // After the lens catalog was replaced: the combination is read back by its item numbers,
    // as from a file, so it names the new catalog's items and loses those the catalog dropped.
    void RebindChoice();
    double ShiftV() const { return m_shiftV; }
    double ShiftH() const { return m_shiftH; }
    void SetShift(double vertical, double horizontal);
    double GetAspect() const { return m_aspect; }
    std::int32_t LensChosen() const { return m_lensChosen; }
    std::int32_t Linked() const { return m_linked; }
    void SetLinked(bool linked) { m_linked = linked ? 1 : 0; }
    std::int32_t Masked() const { return m_masked; }
    void SetMasked(bool masked) { m_masked = masked ? 1 : 0; }
    double ImageHeight() const { return m_imageHeight; }
    double ImageWidth() const { return m_imageWidth; }
    double ExtentHeight() const { return m_extentHeight; }
    double ExtentWidth() const { return m_extentWidth; }
    void SetExtents(double height, double width);
    double Focal() const { return m_focal; }
    std::int16_t Barrel() const override { return m_barrel; }
    // Binds the set-up to a barrel diameter: the user's pick, or the lens chosen for it.
    void SetBarrel(std::int16_t barrel) { m_barrel = barrel; }
    std::optional<lumivane::LensFormatNeeds> FormatNeeds() const override;
    // The focal length lens choice aims at: the chosen combination's when there is one.
    double RequiredFocalMm() const override;
    const CLensChoice& Choice() const { return m_choice; }
    const std::optional<PanelCorners>& Corners() const { return m_corners; }
    void SetCorners(const PanelCorners& corners) { m_corners = corners; }
    std::int32_t PanelWidth() const { return m_panelWidth; }
    std::int32_t PanelHeight() const { return m_panelHeight; }

    // Film-plane aperture width before the panel-area reduction.
    double FullApertureW() const;

private:
    double VerticalFactor() const;
    // In metres: the focal length the lens train gives, the stored one without a lens.
    double OpticalFocal() const;
    double FullEffApertureW() const;
    double FullEffApertureH() const;
    // Used fraction of the panel across and up (1 without corners).
    double PanelFractionW() const;
    double PanelFractionH() const;
    void TakeAspectFromCatalog();
    void ReadChoiceAndCheckCoverage(lumivane::Archive& ar);

    std::int16_t m_format;
    double m_shiftV = 0.0;
    double m_shiftH = 0.0;
    double m_aspect = 0.0;
    std::int32_t m_lensChosen = 0;
    std::int32_t m_linked = 1;
    std::int32_t m_masked = 0;
    double m_imageHeight = 0.0;
    double m_imageWidth = 0.0;
    double m_extentHeight = 0.0;
    double m_extentWidth = 0.0;
    double m_focal = static_cast<double>(0.025f);
    std::int16_t m_barrel = 0;
    CLensChoice m_choice;
    std::optional<PanelCorners> m_corners;
    std::int32_t m_panelWidth = 1024;
    std::int32_t m_panelHeight = 768;
};
