#pragma once
// A RichTextDoc laid out on a paint device through QTextDocument, at the device's resolution:
// faces, sizes, bold, underline, alignment, tab stops and indents as the text's formats give
// them. Formats text range by range into a page's text rectangle and draws it there.

#include "base/RichTextDoc.h"
#include "reports/TextPagination.h"

#include <QFont>
#include <QPointF>

#include <cstddef>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextDocument;

namespace lumivane {

// The font of a run. The reports' "Ariel" and the faces that are often missing fall back to
// faces with the same metrics, so a page breaks where it always did.
QFont ReportFont(const RichTextDoc::CharFormat& format);

class RichTextLayout {
public:
    // Lays text out width device units wide.
    RichTextLayout(const RichTextDoc& text, QPaintDevice& device, qreal width);
    ~RichTextLayout();
    RichTextLayout(const RichTextLayout&) = delete;
    RichTextLayout& operator=(const RichTextLayout&) = delete;

    std::size_t TextLength() const { return m_length; }
    // The position after the whole lines from start that fit into height; start when none does.
    std::size_t FormatRange(std::size_t start, qreal height) const;
    // The height the lines from start to end take.
    qreal RangeHeight(std::size_t start, std::size_t end) const;
    // Draws the lines from start to end with the top of the first at topLeft.
    void DrawRange(QPainter& painter, std::size_t start, std::size_t end, QPointF topLeft) const;

private:
    // Where the line starting at or after position begins, or the end of the last line.
    qreal TopAt(std::size_t position) const;

    std::unique_ptr<QTextDocument> m_document;
    std::vector<TextLine> m_lines;
    std::size_t m_length = 0;
    qreal m_width = 0;
};

} // namespace lumivane
