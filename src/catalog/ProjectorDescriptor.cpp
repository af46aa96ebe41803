#include "catalog/ProjectorDescriptor.h"

#include "base/Archive.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/TextRecordReader.h"

#include <algorithm>
#include <utility>

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

CProjectorDescriptor::CProjectorDescriptor(std::string model, std::string series, std::string maker,
                                           std::int32_t hres, std::int32_t vres, std::int32_t kinds)
    : m_model(std::move(model)), m_series(std::move(series)), m_maker(std::move(maker)),
      m_hres(hres), m_vres(vres), m_kinds(kinds) {}

int CProjectorDescriptor::ReadTextRecord(lumivane::TextRecordReader& reader) {
    lumivane::TextRecord record;
    if (!reader.ReadRecord(record)) {
        return 1;
    }
    m_model = record.Text(ModelColumn);
    m_series = record.Text(SeriesColumn);
    m_maker = record.Text(MakerColumn);
    m_hres = record.Int(HresColumn);
    m_vres = record.Int(VresColumn);
    m_kinds = record.Int(KindsColumn);
    return 0;
}

void CProjectorDescriptor::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteText(m_model);
        ar.WriteText(m_series);
        ar.WriteText(m_maker);
        ar.WriteLong(m_kinds);
        ar.WriteLong(m_hres);
        ar.WriteLong(m_vres);
    } else {
        m_model = ar.ReadText();
        m_series = ar.ReadText();
        m_maker = ar.ReadText();
        m_kinds = ar.ReadLong();
        m_hres = ar.ReadLong();
        m_vres = ar.ReadLong();
    }
}

std::string CProjectorDescriptor::GetDisplayName() const {
    if (EqualsNoCase(m_series, "Generic")) {
        return m_model;
    }
    return m_series + ' ' + m_model;
}

bool CProjectorDescriptor::CanShow(const CFormatDescriptor& format) const {
    return (format.GetFlags() & ~m_kinds) == 0;
}
