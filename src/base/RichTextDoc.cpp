#include "base/RichTextDoc.h"

#include <algorithm>
#include <utility>

namespace {

// A hundred inches: wider than any page, small enough that no renderer overflows.
constexpr std::int64_t kMaxTwips = 1440 * 100;
constexpr std::int32_t kMaxPointSize = 1638;

std::int32_t ClampTwips(std::int64_t twips) {
    return static_cast<std::int32_t>(std::clamp(twips, std::int64_t{0}, kMaxTwips));
}

std::vector<std::int32_t> NormalizedTabStops(std::vector<std::int32_t> stops) {
    std::erase_if(stops, [](std::int32_t stop) { return stop <= 0 || stop > kMaxTwips; });
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    if (stops.size() > RichTextDoc::kMaxTabStops) {
        stops.resize(RichTextDoc::kMaxTabStops);
    }
    return stops;
}

RichTextDoc::ParagraphFormat Normalized(RichTextDoc::ParagraphFormat format) {
    format.tabStops = NormalizedTabStops(std::move(format.tabStops));
    format.leftIndent = ClampTwips(format.leftIndent);
    format.rightIndent = ClampTwips(format.rightIndent);
    const std::int64_t firstLineStart =
        ClampTwips(std::int64_t{format.leftIndent} + format.firstLineOffset);
    format.firstLineOffset = static_cast<std::int32_t>(firstLineStart - format.leftIndent);
    return format;
}

RichTextDoc::CharFormat Normalized(RichTextDoc::CharFormat format) {
    format.pointSize = std::clamp(format.pointSize, 1, kMaxPointSize);
    return format;
}

// UTF-8 continuation bytes carry no character of their own.
std::size_t CodePointCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

RichTextDoc::RichTextDoc() {
    Clear();
}

void RichTextDoc::Clear() {
    m_charFormat = CharFormat{};
    m_paragraphs.assign(1, Paragraph{});
    m_length = 0;
}

void RichTextDoc::AppendText(std::string_view text) {
    while (!text.empty()) {
        const auto lineEnd = text.find_first_of("\r\n");
        AppendToLastParagraph(text.substr(0, lineEnd));
        if (lineEnd == std::string_view::npos) {
            return;
        }
        const bool crlf = text.compare(lineEnd, 2, "\r\n") == 0;
        text.remove_prefix(lineEnd + (crlf ? 2 : 1));
        StartParagraph();
    }
}

void RichTextDoc::AppendToLastParagraph(std::string_view text) {
    if (text.empty()) {
        return;
    }
    std::vector<Run>& runs = m_paragraphs.back().runs;
    if (runs.empty() || runs.back().format != m_charFormat) {
        runs.push_back(Run{m_charFormat, {}});
    }
    runs.back().text.append(text);
    m_length += CodePointCount(text);
}

void RichTextDoc::StartParagraph() {
    m_paragraphs.push_back(Paragraph{m_paragraphs.back().format, {}, m_charFormat});
    ++m_length;
}

void RichTextDoc::SetParagraphFormat(const ParagraphFormat& format) {
    m_paragraphs.back().format = Normalized(format);
}

void RichTextDoc::SetAlignment(Alignment alignment) {
    m_paragraphs.back().format.alignment = alignment;
}

void RichTextDoc::SetTabStops(const std::vector<std::int32_t>& tabStops) {
    m_paragraphs.back().format.tabStops = NormalizedTabStops(tabStops);
}

void RichTextDoc::ShiftIndent(std::int32_t deltaTwips, std::int32_t hangingTwips) {
    ParagraphFormat& format = m_paragraphs.back().format;
    const std::int64_t firstLineStart =
        ClampTwips(std::int64_t{format.leftIndent} + format.firstLineOffset + deltaTwips);
    format.leftIndent = ClampTwips(firstLineStart + hangingTwips);
    format.firstLineOffset = static_cast<std::int32_t>(firstLineStart - format.leftIndent);
}

void RichTextDoc::SetCharFormat(const CharFormat& format) {
    m_charFormat = Normalized(format);
    m_paragraphs.back().endFormat = m_charFormat;
}

std::string RichTextDoc::GetText() const {
    std::string text;
    for (const Paragraph& paragraph : m_paragraphs) {
        if (&paragraph != &m_paragraphs.front()) {
            text += '\n';
        }
        for (const Run& run : paragraph.runs) {
            text += run.text;
        }
    }
    return text;
}
