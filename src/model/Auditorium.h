#pragma once
// One cinema auditorium: the screen with its curve and tilt, the audience, the booth and the
// projectors it owns. Computes everything that depends on the whole room: curve, chord
// depth, tilt, slant throws, image fit, the calculated screen size and the lens-shift solve.

#include "model/LightValues.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CDescriptor;
class RichTextDoc;
class CLensType;
class CProjectorType;

namespace lumivane {
class Archive;

// A count of steps an iterative computation may still take.
struct WorkBound {
    long left;
    bool Spend() { return left-- > 0; }
};
} // namespace lumivane

enum CurveType : std::int16_t {
    CurveNone = 0,
    CurveRecommended = 1,
    CurveTwoThirds = 2,
    CurveThreeQuarters = 3,
    CurveSevenEighths = 4,
    CurveThrow = 5,
    CurveAdjustable = 6
};
enum TiltType : std::int16_t { TiltNone = 0, TiltRecommended = 1, TiltAdjustable = 2 };
enum Alignment : std::int32_t { AlignBottom = 0, AlignCenter = 1, AlignTop = 2 };

namespace lumivane {
// The tilts a screen can have, in degrees (negative: forwards), as the tilt sliders offer them.
inline constexpr double kMinTilt = -10.0;
inline constexpr double kMaxTilt = 20.0;
} // namespace lumivane

class CAuditorium {
public:
    // A new auditorium with the option defaults, or a copy of source ("Duplicate Auditorium").
    explicit CAuditorium(int number, const CAuditorium* source = nullptr);
    CAuditorium(const CAuditorium&) = delete;
    CAuditorium& operator=(const CAuditorium&) = delete;
    ~CAuditorium();

    double GetCurvePercent() const;
    double GetChordDepth(const CLensType* lensType) const;
    // Within the tilt range; a recommended tilt needs the audience at a distance, else it is 0.
    double GetTiltAngle() const;
    double GetSlantThrow(const CLensType* lensType) const;
    double GetAverageThrow() const;
    double GetAverageLensHeight() const;
    double GetAverageLateral() const;
    // The first projector whose list holds the set-up, with its index; none and -1 otherwise.
    // Read-only holders of the auditorium get read-only items.
    std::pair<const CProjectorType*, int> FindProjectorOf(const CLensType* lensType) const;
    std::pair<CProjectorType*, int> FindProjectorOf(const CLensType* lensType);
    const CProjectorType* GetProjector(int index) const;
    CProjectorType* GetProjector(int index);
    const CLensType* GetLensType(int index) const;
    CLensType* GetLensType(int index);
    int ProjectorCount() const { return static_cast<int>(m_projectors.size()); }
    int LensTypeCount() const { return static_cast<int>(m_lensTypes.size()); }
    double ScreenRadius() const;

    void SetScreenHeight(double h);
    void SetScreenWidth(double w);
    void SetCurveType(int type);
    void SetCurveValue(double percent);
    void SetTiltType(int type);
    void SetTiltAngle(double degrees);
    void SetDefaultThrow(double t, int force);
    void SetAlignment(std::int32_t alignment);
    void SetAutoLensShift(bool on);
    void SetAllowLensShift(bool on);

    CLensType* AddFormat(int format, int projectorIndex);
    void RemoveFormat(int format, int projectorIndex);
    CProjectorType* AddProjector(int model);
    void AttachProjector(std::unique_ptr<CProjectorType> projector);
    void RemoveProjector(int index);
    void ShareImageSize(const CLensType* lensType, bool byWidth);
    // Whether the set-up's image, as last measured, and its lens shift fit the visible screen.
    bool Fits(const CLensType& lensType) const;
    void UpdateFit(CLensType& lensType) const;
    void Recalculate(CLensType* changed);
    // Measures every image and recalculates, again while the screen that follows them moves
    // them (a curved or tilted screen that grows meets each image elsewhere).
    void FitToImages(CLensType* changed);
    void RefreshProjectorImages(CProjectorType& projector);
    void RefreshAllImages();
    void SolveLensShift(const CLensType* changed);
    // The height and width of the set-up's image as it lands on the screen now; not numbers
    // when it cannot be measured (no projector holds it, its format is unknown, a figure of
    // the room is not a number).
    std::pair<double, double> MeasureExtents(const CLensType& lensType) const;
    // The extents of the set-up's image on the screen, from the image geometry.
    void UpdateExtents(CLensType& lensType) const;
    void UpdateAllExtents();
    void CountCatalogItems(std::vector<const CDescriptor*>& items, std::vector<int>& counts) const;
    void WriteSummary(RichTextDoc& text) const;
    void Serialize(lumivane::Archive& ar);
    // The storing half of Serialize, for writers that hold the auditorium read-only.
    void WriteRecord(lumivane::Archive& ar) const;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    const std::string& Comments() const { return m_comments; }
    void SetComments(const std::string& comments) { m_comments = comments; }
    std::int16_t FixedScreen() const { return m_fixedScreen; }
    void SetFixedScreen(bool on) { m_fixedScreen = on ? 1 : 0; }
    std::int16_t ConstantHeight() const { return m_constantHeight; }
    void SetConstantHeight(bool on) { m_constantHeight = on ? 1 : 0; }
    std::int16_t CalcPorthole() const { return m_calcPorthole; }
    void SetCalcPorthole(bool on) { m_calcPorthole = on ? 1 : 0; }
    double ScreenHeight() const { return m_screenHeight; }
    double ScreenWidth() const { return m_screenWidth; }
    double CurveValue() const { return m_curveValue; }
    double TiltValue() const { return m_tiltValue; }
    double AudienceHeight() const { return m_audienceHeight; }
    void SetAudienceHeight(double h) { m_audienceHeight = h; }
    double AudienceDistance() const { return m_audienceDistance; }
    void SetAudienceDistance(double d) { m_audienceDistance = d; }
    double PortholeDistance() const { return m_portholeDistance; }
    void SetPortholeDistance(double d) { m_portholeDistance = d; }
    double FloorToScreen() const { return m_floorToScreen; }
    void SetFloorToScreen(double d) { m_floorToScreen = d; }
    double FloorToBooth() const { return m_floorToBooth; }
    void SetFloorToBooth(double d) { m_floorToBooth = d; }
    const std::array<double, 2>& FrontWall() const { return m_frontWall; }
    void SetFrontWall(double first, double second) { m_frontWall = {first, second}; }
    double DefaultThrow() const { return m_defaultThrow; }
    std::int32_t Seats() const { return m_seats; }
    void SetSeats(std::int32_t seats) { m_seats = seats; }
    std::int32_t HandicappedSeats() const { return m_handicappedSeats; }
    void SetHandicappedSeats(std::int32_t seats) { m_handicappedSeats = seats; }
    std::int16_t CurveTypeValue() const { return m_curveType; }
    std::int16_t TiltTypeValue() const { return m_tiltType; }
    std::int32_t AutoLensShift() const { return m_autoLensShift; }
    std::int32_t AllowLensShift() const { return m_allowLensShift; }
    std::int32_t AlignmentValue() const { return m_alignment; }
    // Kept outside the auditorium's record, in the project file's extension block.
    const lumivane::RoomLight& Light() const { return m_light; }
    void SetLight(const lumivane::RoomLight& light) { m_light = light; }

private:
    void UpdateAllFits();
    struct FitStep;
    double RemeasureExtents(std::vector<FitStep>* steps);
    struct Span {
        double minV, maxV, minH, maxH;
        bool valid;
    };

    // Files before projectors were stored: the set-up goes to a projector that can show it.
    void AttachLensType(std::unique_ptr<CLensType> lensType);
    CProjectorType* FirstProjectorSupporting(int format) const;
    int FirstModelFor(int format) const;
    // Mean of one projector quantity over the projectors; 0 without projectors.
    double AverageOverProjectors(double (CProjectorType::*value)() const) const;
    // The angle of the projection axis from the screen centre up to the lenses, in radians.
    double ProjectionAxisAngle() const;
    double RecommendedTilt() const;
    Span ExtentsOf(const CProjectorType& projector) const;
    bool SolveAlignedGroup(CProjectorType& projector, lumivane::WorkBound& bound);
    void ShareLensShiftSettings();
    void RemoveListed(const CProjectorType& projector);
    void ReadRecord(lumivane::Archive& ar);

    std::string m_name;
    std::string m_comments;
    std::int16_t m_fixedScreen = 0;
    std::int16_t m_constantHeight = 1;
    std::int16_t m_calcPorthole = 0;
    double m_screenHeight = 6.0;
    double m_screenWidth = 14.0;
    double m_curveValue = 0.0;
    double m_tiltValue = 0.0;
    double m_audienceHeight = 0.0;
    double m_audienceDistance = 0.0;
    double m_portholeDistance = 1.0;
    double m_floorToScreen = 0.0;
    double m_floorToBooth = 0.0;
    std::array<double, 2> m_frontWall{0.0, 0.0};
    double m_defaultThrow = 30.0;
    std::int32_t m_seats = 0;
    std::int32_t m_handicappedSeats = 0;
    std::int16_t m_curveType = 0;
    std::int16_t m_tiltType = 0;
    std::vector<CLensType*> m_lensTypes;
    std::vector<std::unique_ptr<CProjectorType>> m_projectors;
    std::int32_t m_autoLensShift = 0;
    std::int32_t m_allowLensShift = 0;
    std::int32_t m_alignment = 1;
    lumivane::RoomLight m_light;
};
