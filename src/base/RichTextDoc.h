#pragma once
// Formatted text for descriptions and reports: paragraphs of runs. Writers set the formats in
// force and append at the end; renderers (screen, printer, plain text) walk the paragraphs and
// their runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RichTextDoc {
public:
    enum class Alignment { Left, Centre, Right };

    static constexpr std::size_t kMaxTabStops = 3;

    // Distances are in twips (1/1440 inch) from the edges of the text area.
    struct ParagraphFormat {
        Alignment alignment = Alignment::Left;
        // Ascending, positive, at most kMaxTabStops.
        std::vector<std::int32_t> tabStops;
        // Indent of every line.
        std::int32_t leftIndent = 0;
        std::int32_t rightIndent = 0;
        // Where the first line starts, relative to leftIndent; negative gives a hanging indent.
        std::int32_t firstLineOffset = 0;

        bool operator==(const ParagraphFormat&) const = default;
    };

    struct CharFormat {
        // Empty: the renderer's default face.
        std::string faceName;
        std::int32_t pointSize = 10;
        bool bold = false;
        bool underline = false;

        bool operator==(const CharFormat&) const = default;
    };

    struct Run {
        CharFormat format;
        // UTF-8, without line ends; tabs stay as '\t'.
        std::string text;
    };

    struct Paragraph {
        ParagraphFormat format;
        // Neighbouring runs always differ in format; an empty line has no run.
        std::vector<Run> runs;
        // The format of the paragraph's end, which sizes an empty line.
        CharFormat endFormat;
    };

    RichTextDoc();

    // Back to one empty paragraph in the default formats.
    void Clear();

    // Appends text in the current character format; each line end ("\n", "\r\n" or "\r")
    // starts a new paragraph in the current paragraph format.
    void AppendText(std::string_view text);

    // Paragraph formats apply to the last paragraph and to those that follow it.
    void SetParagraphFormat(const ParagraphFormat& format);
    void SetAlignment(Alignment alignment);
    void SetTabStops(const std::vector<std::int32_t>& tabStops);
    // Moves the first line's start by deltaTwips and places the following lines hangingTwips
    // to the right of it; indents never go left of the text area's edge.
    void ShiftIndent(std::int32_t deltaTwips, std::int32_t hangingTwips);
    const ParagraphFormat& GetParagraphFormat() const { return m_paragraphs.back().format; }

    // The character format of text appended from now on.
    void SetCharFormat(const CharFormat& format);
    const CharFormat& GetCharFormat() const { return m_charFormat; }

    // Never empty: a document always has a last paragraph to append to.
    const std::vector<Paragraph>& Paragraphs() const { return m_paragraphs; }

    // The whole text, paragraphs separated by "\n".
    std::string GetText() const;
    // In characters (Unicode code points), each paragraph break counting one.
    std::size_t TextLength() const { return m_length; }

private:
    void AppendToLastParagraph(std::string_view text);
    void StartParagraph();

    std::vector<Paragraph> m_paragraphs;
    CharFormat m_charFormat;
    std::size_t m_length = 0;
};
