#include "reports/ReportTitle.h"

#include "base/TextEncoding.h"

#include <algorithm>
#include <array>

namespace lumivane {
namespace {

// Upper-case letters of the scripts a title is likely to use, with the distance to their
// lower-case partner. In an alternating range only every second code is upper case and its
// partner follows it.
struct CaseRange {
    char16_t first;
    char16_t last;
    int toLower;
    bool alternating;
};

constexpr std::array<CaseRange, 12> kUpperCaseRanges{{
    {u'A', u'Z', 32, false},
    {0x00C0, 0x00D6, 32, false},
    {0x00D8, 0x00DE, 32, false},
    {0x0100, 0x0136, 1, true},
    {0x0139, 0x0147, 1, true},
    {0x014A, 0x0176, 1, true},
    {0x0178, 0x0178, 0x00FF - 0x0178, false},
    {0x0179, 0x017D, 1, true},
    {0x0391, 0x03A1, 32, false},
    {0x03A3, 0x03A9, 32, false},
    {0x0400, 0x040F, 80, false},
    {0x0410, 0x042F, 32, false},
}};

bool IsUpperIn(const CaseRange& range, int c) {
    return c >= range.first && c <= range.last &&
           (!range.alternating || (c - range.first) % 2 == 0);
}

bool IsUpperCaseLetter(char16_t c) {
    return std::any_of(kUpperCaseRanges.begin(), kUpperCaseRanges.end(),
                       [c](const CaseRange& range) { return IsUpperIn(range, c); });
}

char16_t UpperCaseOf(char16_t c) {
    for (const CaseRange& range : kUpperCaseRanges) {
        const int upper = c - range.toLower;
        if (IsUpperIn(range, upper)) {
            return static_cast<char16_t>(upper);
        }
    }
    return c;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first count characters of UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i]) && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

} // namespace

std::string ProjectReportTitle(std::string_view documentTitle) {
    return documentTitle.empty() ? std::string("Unnamed") : std::string(documentTitle);
}

std::string HeadingTitle(std::string_view title) {
    std::u16string units = Utf8ToUtf16(title);
    if (units.empty() || IsUpperCaseLetter(units.front())) {
        return std::string(title);
    }
    std::transform(units.begin(), units.end(), units.begin(), UpperCaseOf);
    return Utf16ToUtf8(units);
}

std::string PrintJobName(std::string_view title) {
    return HeadingTitle(FirstCharacters(title, kMaxJobNameLength));
}

} // namespace lumivane
