#pragma once
// One projector in an auditorium: its catalog model, its place in the booth, the offset of
// its image centre, and one lens set-up per format it shows (owned).

#include "model/LightValues.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CAuditorium;
class CLensType;
class CProjectorDescriptor;
class RichTextDoc;

namespace lumivane {
class Archive;
}

class CProjectorType {
public:
    explicit CProjectorType(int model);
    CProjectorType(const CProjectorType& source);
    CProjectorType& operator=(const CProjectorType&) = delete;
    ~CProjectorType();

    double GetThrow() const;
    void SetThrow(double t, int force);

    bool SupportsFormat(int format) const;
    int FirstSupportedFormat(int start) const;
    CLensType* GetOrAddLensType(int format);
    void AddLensType(std::unique_ptr<CLensType> lensType);
    void RemoveLensType(int format);
    const CLensType* FindLensType(int format) const;
    CLensType* FindLensType(int format);
    int IndexOfFormat(int format) const;
    bool HasFormat(int format) const { return IndexOfFormat(format) >= 0; }
    bool Contains(const CLensType* lensType) const;

    double GetVerticalAngle() const;
    double GetHorizontalAngle() const;
    // Largest top width and largest height of the images at the porthole distance.
    std::pair<double, double> GetPortholeSize() const;
    void WriteSummary(RichTextDoc& text) const;
    void Serialize(lumivane::Archive& ar);

    // The catalog model, or none when the index is outside the projector catalog.
    const CProjectorDescriptor* GetModelDescriptor() const;
    // The model's name in the catalog, or "Unknown projector".
    std::string ModelName() const;

    const CAuditorium* Auditorium() const { return m_auditorium; }
    CAuditorium* Auditorium() { return m_auditorium; }
    void SetAuditorium(CAuditorium* auditorium) { m_auditorium = auditorium; }
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    std::uint8_t Reserved() const { return m_reserved; }
    std::int32_t UseDefaultThrow() const { return m_useDefaultThrow; }
    void SetUseDefaultThrow(bool on) { m_useDefaultThrow = on ? 1 : 0; }
    std::uint8_t AutoLensShift() const { return m_autoLensShift; }
    std::uint8_t AllowLensShift() const { return m_allowLensShift; }
    std::uint8_t Spare() const { return m_spare; }
    std::int32_t Alignment() const { return m_alignment; }
    // The auditorium keeps its own lens-shift settings; these copies travel in the file as
    // the low bytes of the auditorium's flags.
    void SetLensShiftCopies(std::int32_t allow, std::int32_t automatic, std::int32_t alignment);
    double OwnThrow() const { return m_throw; }
    double Lateral() const { return m_lateral; }
    void SetLateral(double lateral) { m_lateral = lateral; }
    double LensHeight() const { return m_lensHeight; }
    void SetLensHeight(double height) { m_lensHeight = height; }
    double ImageOffsetV() const { return m_imageOffsetV; }
    double ImageOffsetH() const { return m_imageOffsetH; }
    void SetImageOffsets(double vertical, double horizontal);
    int Model() const { return m_model; }
    int Selected() const { return m_selected; }
    void SetSelected(int index) { m_selected = index; }
    int LensTypeCount() const { return static_cast<int>(m_lensTypes.size()); }
    const CLensType* GetLensType(int index) const;
    CLensType* GetLensType(int index);
    // Kept outside the projector's record, in the project file's extension block.
    const lumivane::ProjectorLight& Light() const { return m_light; }
    void SetLight(const lumivane::ProjectorLight& light) { m_light = light; }

private:
    void TakePanelResolution(CLensType& lensType) const;

    CAuditorium* m_auditorium = nullptr;
    std::string m_name;
    std::uint8_t m_reserved = 0;
    std::int32_t m_useDefaultThrow = 1;
    std::uint8_t m_autoLensShift = 1;
    std::uint8_t m_allowLensShift = 0;
    std::uint8_t m_spare = 1;
    std::int32_t m_alignment = 1;
    double m_throw;
    double m_lateral = 0.0;
    double m_lensHeight = 4.0;
    double m_imageOffsetV = 0.0;
    double m_imageOffsetH = 0.0;
    std::int16_t m_model;
    int m_selected = -1;
    lumivane::ProjectorLight m_light;
    std::vector<std::unique_ptr<CLensType>> m_lensTypes;
};
