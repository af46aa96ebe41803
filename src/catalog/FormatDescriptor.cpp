#include "catalog/FormatDescriptor.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/FormatFlags.h"
#include "catalog/TextRecordReader.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

namespace Flag = lumivane::FormatFlag;

enum Column {
    NameColumn,
    Name2Column,
    AspectColumn,
    HeightColumn,
    WidthColumn,
    FlagsColumn,
    ExcludedColumn
};

struct Squeeze {
    std::int32_t flag;
    double factor;
    double inverseSquare;
};

// Unsqueezing multiplies by every factor whose flag is set, in this order; the film diagonal
// divides by the first one only.
constexpr std::array<Squeeze, 5> kSqueezes{{
    {Flag::Anamorphic200, 2.0, 0.25},
    {Flag::Anamorphic148, 1.48, 0.4565376186997809},
    {Flag::Anamorphic190, 1.9, 0.2770083102493075},
    {Flag::Anamorphic133, 1.33, 0.5653230821414439},
    {Flag::Anamorphic142, 1.42, 0.4959333465582226},
}};

// The settings store holds UTF-8 already; the line feed that ends the record is not part of a
// name.
std::string RegistryText(const lumivane::TextRecord& record, std::size_t column) {
    std::string text = record.Raw(column);
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

} // namespace

int CFormatDescriptor::ReadTextRecord(lumivane::TextRecordReader& reader) {
    lumivane::TextRecord record;
    if (!reader.ReadRecord(record)) {
        return 1;
    }
    m_name = record.Text(NameColumn);
    m_name2 = record.Text(Name2Column);
    AssignNumbers(record);
    Unsqueeze();
    return 0;
}

void CFormatDescriptor::ParseText(std::string_view text, std::int32_t index) {
    // The value is in memory already, so the catalog file reader's guard against endless
    // lines would only cut a long name's numbers off: the line is split here instead.
    std::vector<std::string> columns(1);
    for (const char c : text.substr(0, text.find('\n'))) {
        if (c == ';') {
            columns.emplace_back();
        } else {
            columns.back() += c;
        }
    }
    const lumivane::TextRecord record(std::move(columns));
    m_name = RegistryText(record, NameColumn);
    m_name2 = RegistryText(record, Name2Column);
    AssignNumbers(record);
    m_customIndex = index;
    Unsqueeze();
}

void CFormatDescriptor::AssignNumbers(const lumivane::TextRecord& record) {
    m_aspect = record.Real(AspectColumn);
    m_height = record.Real(HeightColumn);
    m_width = record.Real(WidthColumn);
    m_flags = record.Int(FlagsColumn);
    m_excluded = record.Int(ExcludedColumn);
}

void CFormatDescriptor::Unsqueeze() {
    m_anamorphic = 1.0;
    for (const Squeeze& squeeze : kSqueezes) {
        if (m_flags & squeeze.flag) {
            m_width *= squeeze.factor;
            m_aspect *= squeeze.factor;
            m_anamorphic *= squeeze.factor;
        }
    }
}

std::string CFormatDescriptor::ToText() const {
    using lumivane::FormatFixed;
    using lumivane::FormatInt;
    return m_name + ';' + m_name2 + ';' + FormatFixed(m_aspect / m_anamorphic, 3) + ';' +
           FormatFixed(m_height, 3) + ';' + FormatFixed(m_width / m_anamorphic, 3) + ';' +
           FormatInt(m_flags) + ';' + FormatInt(m_excluded);
}

double CFormatDescriptor::FilmDiagonal() const {
    double inverseSquare = 1.0;
    for (const Squeeze& squeeze : kSqueezes) {
        if (m_flags & squeeze.flag) {
            inverseSquare = squeeze.inverseSquare;
            break;
        }
    }
    return std::sqrt(m_height * m_height + m_width * m_width * inverseSquare);
}

bool CFormatDescriptor::IsStorableName(std::string_view name) {
    return name.find_first_of(";\r\n") == std::string_view::npos;
}

void CFormatDescriptor::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteText(m_name);
        ar.WriteText(m_name2);
        ar.WriteDouble(m_aspect);
        ar.WriteDouble(m_width);
        ar.WriteDouble(m_height);
        ar.WriteLong(m_flags);
        ar.WriteLong(m_excluded);
        ar.WriteDouble(m_anamorphic);
    } else {
        m_name = ar.ReadText();
        m_name2 = ar.ReadText();
        ar.ReadFields(m_aspect, m_width, m_height, m_flags, m_excluded, m_anamorphic);
        m_customIndex = -1;
    }
}
