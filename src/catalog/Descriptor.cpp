#include "catalog/Descriptor.h"

#include "base/Archive.h"
#include "base/TextArena.h"
#include "base/TextEncoding.h"
#include "catalog/TextRecordReader.h"

namespace {

// Item numbers were first handed out from Windows-1252 catalog numbers, so the bytes of that
// code page count. A number it cannot hold (only a store written elsewhere has one) counts
// with its UTF-8 bytes.
std::string ItemIdBytes(std::string_view catalog) {
    auto ansi = lumivane::Utf8ToWindows1252(catalog);
    return ansi ? std::move(*ansi) : std::string(catalog);
}

} // namespace

void CDescriptor::Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) {
    if (ar.IsStoring()) {
        ar.WriteShort(m_id);
        ar.WriteText(m_name);
        ar.WriteText(m_shortName);
        ar.WriteText(m_catalog);
        ar.WriteLong(m_rating);
    } else {
        m_id = ar.ReadShort();
        m_name = ar.ReadText(texts);
        m_shortName = ar.ReadText(texts);
        m_catalog = ar.ReadText(texts);
        m_rating = ar.ReadLong();
    }
}

void CDescriptor::ComputeItemId() {
    m_id = ItemIdOf(m_catalog);
}

std::int16_t CDescriptor::ItemIdOf(std::string_view catalog) {
    std::int16_t value = 0;
    for (const char byte : ItemIdBytes(catalog)) {
        const auto c = static_cast<std::int8_t>(byte);
        value = static_cast<std::int16_t>(value * 16 + c % 16);
    }
    return value;
}

std::string CDescriptor::CatalogAndName() const {
    std::string text(m_catalog);
    return text.append(1, '\t').append(m_name);
}

void CDescriptor::ReadCommonColumns(const lumivane::TextRecord& record, std::size_t ratingColumn,
                                    lumivane::TextArena& texts) {
    m_name = texts.Add(record.Text(0));
    m_shortName = texts.Add(record.Text(1));
    m_catalog = texts.Add(record.Text(2));
    m_rating = record.Int(ratingColumn);
}
