#pragma once
// One projector model of the maker's catalog: its menu place (maker, series, model), the
// resolution of its image and the kinds of format it can show. Its texts are views into the
// catalog's TextArena (or literals), read-only and valid as long as the catalog.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {
class Archive;
class TextArena;
class TextRecordReader;
} // namespace lumivane

class CFormatDescriptor;

class CProjectorDescriptor {
public:
    CProjectorDescriptor() = default;
    CProjectorDescriptor(std::string_view model, std::string_view series, std::string_view maker,
                         std::int32_t hres, std::int32_t vres, std::int32_t kinds);

    // 0 when a record of "projectors.txt" was read, 1 when the catalog ends first. Read texts
    // are kept in texts.
    int ReadTextRecord(lumivane::TextRecordReader& reader, lumivane::TextArena& texts);
    void Serialize(lumivane::Archive& ar, lumivane::TextArena& texts);
    // Moves the texts into texts, so that the model no longer refers to the caller's.
    void KeepTextsIn(lumivane::TextArena& texts);

    // The series and the model; the model alone in the "Generic" series.
    std::string GetDisplayName() const;
    // True when the model carries every flag bit of the format.
    bool CanShow(const CFormatDescriptor& format) const;
    // Makers and series are compared without regard to (ASCII) case.
    static bool EqualsNoCase(std::string_view a, std::string_view b);

    std::string_view GetModel() const { return m_model; }
    std::string_view GetSeries() const { return m_series; }
    std::string_view GetMaker() const { return m_maker; }
    std::int32_t GetHres() const { return m_hres; }
    std::int32_t GetVres() const { return m_vres; }
    std::int32_t GetKinds() const { return m_kinds; }

private:
    std::string_view m_model;
    std::string_view m_series;
    std::string_view m_maker;
    std::int32_t m_hres = 0;
    std::int32_t m_vres = 0;
    std::int32_t m_kinds = 0;
};
