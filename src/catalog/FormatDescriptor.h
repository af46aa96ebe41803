#pragma once
// One film or digital image format. Width and aspect are held unsqueezed (as projected); the
// text forms hold them as on film and are unsqueezed on reading.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace lumivane {
class Archive;
class TextRecord;
class TextRecordReader;
} // namespace lumivane

class CFormatDescriptor {
public:
    CFormatDescriptor() = default;

    // 0 when a record of "formats.txt" was read, 1 at the end of the file.
    int ReadTextRecord(lumivane::TextRecordReader& reader);
    // Reads the registry form of a user-defined format; never fails.
    void ParseText(std::string_view text, std::int32_t index);
    // The registry form; the value name is the format's custom index.
    std::string ToText() const;
    // The aperture diagonal on film, millimetres.
    double FilmDiagonal() const;
    void Serialize(lumivane::Archive& ar);

    // A name that the registry form cannot hold (it would split or end the record).
    static bool IsStorableName(std::string_view name);

    std::int32_t GetFlags() const { return m_flags; }
    std::int32_t GetExcluded() const { return m_excluded; }
    double GetAspect() const { return m_aspect; }
    double GetHeight() const { return m_height; }
    double GetWidth() const { return m_width; }
    const std::string& GetName() const { return m_name; }
    const std::string& GetName2() const { return m_name2; }
    double GetAnamorphic() const { return m_anamorphic; }
    std::int32_t GetCustomIndex() const { return m_customIndex; }
    bool IsCustom() const { return m_customIndex >= 0; }

    void SetName(std::string name) { m_name = std::move(name); }
    void SetName2(std::string name) { m_name2 = std::move(name); }
    void SetFlags(std::int32_t flags) { m_flags = flags; }
    void SetExcluded(std::int32_t excluded) { m_excluded = excluded; }
    void SetAspect(double aspect) { m_aspect = aspect; }
    void SetHeight(double height) { m_height = height; }
    void SetWidth(double width) { m_width = width; }
    void SetAnamorphic(double factor) { m_anamorphic = factor; }
    void SetCustomIndex(std::int32_t index) { m_customIndex = index; }

private:
    void AssignNumbers(const lumivane::TextRecord& record);
    void Unsqueeze();

    std::int32_t m_flags = 0;
    std::int32_t m_excluded = 0;
    double m_aspect = 0.0;
    double m_height = 0.0;
    double m_width = 0.0;
    std::string m_name;
    std::string m_name2;
    double m_anamorphic = 1.0;
    std::int32_t m_customIndex = -1;
};
