#pragma once
// An entry of the maker's lens catalog: what prime lenses and lens attachments have in common
// (names, catalog number, item number, rating). The texts are views into the catalog's
// TextArena, read-only and valid as long as the catalog.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {
class Archive;
class TextArena;
class TextRecord;
} // namespace lumivane

class CDescriptor {
public:
    CDescriptor() = default;
    virtual ~CDescriptor() = default;

    // Stores or loads the record part shared by lenses and attachments; subclasses extend it.
    // Loaded texts are kept in texts.
    virtual void Serialize(lumivane::Archive& ar, lumivane::TextArena& texts);
    virtual bool IsLens() const { return false; }
    virtual bool IsAttachment() const { return false; }

    // The item number is made from the catalog number: only its last four characters count.
    void ComputeItemId();
    static std::int16_t ItemIdOf(std::string_view catalog);

    std::int32_t Rating() const { return m_rating; }
    std::int16_t Id() const { return m_id; }
    std::string_view Name() const { return m_name; }
    std::string_view ShortName() const { return m_shortName; }
    std::string_view Catalog() const { return m_catalog; }
    // "catalog number<tab>name", how reports list an item.
    std::string CatalogAndName() const;

    // Only the catalog's de-duplication changes an item number after reading.
    void SetId(std::int16_t id) { m_id = id; }

protected:
    CDescriptor(const CDescriptor&) = default;
    CDescriptor& operator=(const CDescriptor&) = default;
    CDescriptor(CDescriptor&&) = default;
    CDescriptor& operator=(CDescriptor&&) = default;

    // Columns 0 to 2 (name, short name, catalog number) and the rating column.
    void ReadCommonColumns(const lumivane::TextRecord& record, std::size_t ratingColumn,
                           lumivane::TextArena& texts);

private:
    std::int32_t m_rating = 0;
    std::int16_t m_id = 0;
    std::string_view m_name;
    std::string_view m_shortName;
    std::string_view m_catalog;
};
