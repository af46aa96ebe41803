#include "catalog/ProjectorDescriptor.h"

#include "base/Archive.h"
#include "base/TextArena.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/TextRecordReader.h"

#include <algorithm>

namespace {

enum Column { ModelColumn, SeriesColumn, MakerColumn, HresColumn, VresColumn, KindsColumn };

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool CProjectorDescriptor::EqualsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

CProjectorDescriptor::CProjectorDescriptor(std::string_view model, std::string_view series,
                                           std::string_view maker, std::int32_t hres,
                                           std::int32_t vres, std::int32_t kinds)
    : m_model(model), m_series(series), m_maker(maker), m_hres(hres), m_vres(vres), m_kinds(kinds) {
}

int CProjectorDescriptor::ReadTextRecord(lumivane::TextRecordReader& reader,
                                         lumivane::TextArena& texts) {
    lumivane::TextRecord record;
    if (!reader.ReadRecord(record)) {
        return 1;
    }
    m_model = texts.Add(record.Text(ModelColumn));
    m_series = texts.Add(record.Text(SeriesColumn));
    m_maker = texts.Add(record.Text(MakerColumn));
    m_hres = record.Int(HresColumn);
    m_vres = record.Int(VresColumn);
    m_kinds = record.Int(KindsColumn);
    return 0;
}

void CProjectorDescriptor::Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) {
    if (ar.IsStoring()) {
        ar.WriteText(m_model);
        ar.WriteText(m_series);
        ar.WriteText(m_maker);
        ar.WriteLong(m_kinds);
        ar.WriteLong(m_hres);
        ar.WriteLong(m_vres);
    } else {
        m_model = ar.ReadText(texts);
        m_series = ar.ReadText(texts);
        m_maker = ar.ReadText(texts);
        ar.ReadFields(m_kinds, m_hres, m_vres);
    }
}

void CProjectorDescriptor::KeepTextsIn(lumivane::TextArena& texts) {
    m_model = texts.Add(m_model);
    m_series = texts.Add(m_series);
    m_maker = texts.Add(m_maker);
}

std::string CProjectorDescriptor::GetDisplayName() const {
    std::string name;
    if (!EqualsNoCase(m_series, "Generic")) {
        name.append(m_series).append(1, ' ');
    }
    return name.append(m_model);
}

bool CProjectorDescriptor::CanShow(const CFormatDescriptor& format) const {
    return (format.GetFlags() & ~m_kinds) == 0;
}
