#pragma once
// One projector model of the maker's catalog: its menu place (maker, series, model), the
// resolution of its image and the kinds of format it can show.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {
class Archive;
class TextRecordReader;
} // namespace lumivane

class CFormatDescriptor;

class CProjectorDescriptor {
public:
    CProjectorDescriptor() = default;
    CProjectorDescriptor(std::string model, std::string series, std::string maker,
                         std::int32_t hres, std::int32_t vres, std::int32_t kinds);

    // 0 when a record of "projectors.txt" was read, 1 when the catalog ends first.
    int ReadTextRecord(lumivane::TextRecordReader& reader);
    void Serialize(lumivane::Archive& ar);

    // The series and the model; the model alone in the "Generic" series.
    std::string GetDisplayName() const;
    // True when the model carries every flag bit of the format.
    bool CanShow(const CFormatDescriptor& format) const;
    // Makers and series are compared without regard to (ASCII) case.
    static bool EqualsNoCase(std::string_view a, std::string_view b);

    const std::string& GetModel() const { return m_model; }
    const std::string& GetSeries() const { return m_series; }
    const std::string& GetMaker() const { return m_maker; }
    std::int32_t GetHres() const { return m_hres; }
    std::int32_t GetVres() const { return m_vres; }
    std::int32_t GetKinds() const { return m_kinds; }

private:
    std::string m_model;
    std::string m_series;
    std::string m_maker;
    std::int32_t m_hres = 0;
    std::int32_t m_vres = 0;
    std::int32_t m_kinds = 0;
};
