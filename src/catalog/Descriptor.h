#pragma once
// An entry of the maker's lens catalog: what prime lenses and lens attachments have in common
// (names, catalog number, item number, rating).

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumivane {
class Archive;
class TextRecord;
} // namespace lumivane

class CDescriptor {
public:
    CDescriptor() = default;
    virtual ~CDescriptor() = default;

    // Stores or loads the record part shared by lenses and attachments; subclasses extend it.
    virtual void Serialize(lumivane::Archive& ar);
    virtual bool IsLens() const { return false; }
    virtual bool IsAttachment() const { return false; }

    // The item number is made from the catalog number: only its last four characters count.
    void ComputeItemId();
    static std::int16_t ItemIdOf(const std::string& catalog);

    std::int32_t Rating() const { return m_rating; }
    std::int16_t Id() const { return m_id; }
    const std::string& Name() const { return m_name; }
    const std::string& ShortName() const { return m_shortName; }
    const std::string& Catalog() const { return m_catalog; }

    // Only the catalog's de-duplication changes an item number after reading.
    void SetId(std::int16_t id) { m_id = id; }

protected:
    CDescriptor(const CDescriptor&) = default;
    CDescriptor& operator=(const CDescriptor&) = default;
    CDescriptor(CDescriptor&&) = default;
    CDescriptor& operator=(CDescriptor&&) = default;

    // Columns 0 to 2 (name, short name, catalog number) and the rating column.
    void ReadCommonColumns(const lumivane::TextRecord& record, std::size_t ratingColumn);

private:
    std::int32_t m_rating = 0;
    std::int16_t m_id = 0;
    std::string m_name;
    std::string m_shortName;
    std::string m_catalog;
};
