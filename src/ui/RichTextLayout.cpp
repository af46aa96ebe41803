#include "ui/RichTextLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace lumivane {
namespace {

constexpr int kDefaultTabTwips = 720;

// Faces the reports name with faces of the same widths after them: fontconfig and Windows
// substitute a missing "Arial" with one of these, but a misspelt face only with the default.
QStringList FamiliesFor(const QString& face) {
    static const QStringList arialLike{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                                       QStringLiteral("Helvetica")};
    if (face.compare(QLatin1String("Ariel"), Qt::CaseInsensitive) == 0) {
        return QStringList{face} + arialLike;
    }
    return face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 ? arialLike
                                                                          : QStringList{face};
}

// Qt scales tab positions from the resolution fonts are sized at when there is no device,
// whatever device the text is laid out on.
qreal TabUnitsPerTwip() {
    QFont inch;
    inch.setPointSizeF(72.0);
    return QFontInfo(inch).pixelSize() / 1440.0;
}

// Stops in twips from the text area's edge: the paragraph's own, the hanging indent's, then
// the default ones every half inch after the last.
std::vector<int> AbsoluteTabStops(const RichTextDoc::ParagraphFormat& format, int widthTwips) {
    std::vector<int> stops(format.tabStops.begin(), format.tabStops.end());
    if (format.firstLineOffset < 0) {
        stops.push_back(format.leftIndent);
    }
    std::sort(stops.begin(), stops.end());
    const int last = stops.empty() ? 0 : stops.back();
    for (int stop = (last / kDefaultTabTwips + 1) * kDefaultTabTwips; stop <= widthTwips;
         stop += kDefaultTabTwips) {
        stops.push_back(stop);
    }
    return stops;
}

struct DeviceScale {
    qreal x;
    qreal tab;
    qreal widthTwips;
};

// Qt counts tab positions from where the line starts; the text's stops count from the text
// area's edge. Lines with tabs are first lines in every report, so the first line's start
// is the one to count from.
QList<QTextOption::Tab> TabsFor(const RichTextDoc::ParagraphFormat& format,
                                const DeviceScale& scale) {
    const int lineStart = format.leftIndent + format.firstLineOffset;
    QList<QTextOption::Tab> tabs;
    for (const int stop : AbsoluteTabStops(format, static_cast<int>(scale.widthTwips))) {
        if (stop > lineStart) {
            tabs.append(QTextOption::Tab((stop - lineStart) * scale.tab, QTextOption::LeftTab));
        }
    }
    return tabs;
}

Qt::Alignment AlignmentOf(RichTextDoc::Alignment alignment) {
    switch (alignment) {
    case RichTextDoc::Alignment::Centre:
        return Qt::AlignHCenter;
    case RichTextDoc::Alignment::Right:
        return Qt::AlignRight;
    case RichTextDoc::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormat(const RichTextDoc::ParagraphFormat& format, const DeviceScale& scale) {
    QTextBlockFormat block;
    block.setAlignment(AlignmentOf(format.alignment));
    block.setLeftMargin(format.leftIndent * scale.x);
    block.setRightMargin(format.rightIndent * scale.x);
    block.setTextIndent(format.firstLineOffset * scale.x);
    block.setTabPositions(TabsFor(format, scale));
    return block;
}

QTextCharFormat CharFormat(const RichTextDoc::CharFormat& format) {
    QTextCharFormat chars;
    chars.setFont(ReportFont(format));
    chars.setForeground(Qt::black);
    return chars;
}

void Fill(QTextDocument& document, const RichTextDoc& text, const DeviceScale& scale) {
    QTextCursor cursor(&document);
    bool first = true;
    for (const RichTextDoc::Paragraph& paragraph : text.Paragraphs()) {
        const QTextBlockFormat block = BlockFormat(paragraph.format, scale);
        const QTextCharFormat end = CharFormat(paragraph.endFormat);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(end);
            first = false;
        } else {
            cursor.insertBlock(block, end);
        }
        for (const RichTextDoc::Run& run : paragraph.runs) {
            cursor.insertText(QString::fromUtf8(run.text), CharFormat(run.format));
        }
    }
}

std::vector<TextLine> LinesOf(const QTextDocument& document) {
    std::vector<TextLine> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal top = layout->position().y() + line.y();
            lines.push_back({static_cast<std::size_t>(block.position() + line.textStart()), top,
                             top + line.height()});
        }
    }
    return lines;
}

} // namespace

QFont ReportFont(const RichTextDoc::CharFormat& format) {
    QFont font;
    if (!format.faceName.empty()) {
        font.setFamilies(FamiliesFor(QString::fromUtf8(format.faceName)));
    }
    font.setPointSize(format.pointSize);
    font.setBold(format.bold);
    font.setUnderline(format.underline);
    return font;
}

RichTextLayout::RichTextLayout(const RichTextDoc& text, QPaintDevice& device, qreal width)
    : m_document(std::make_unique<QTextDocument>()), m_width(std::max<qreal>(width, 1.0)) {
    const qreal pixelsPerTwip = device.logicalDpiX() / 1440.0;
    const DeviceScale scale{pixelsPerTwip, TabUnitsPerTwip(), m_width / pixelsPerTwip};
    m_document->setUndoRedoEnabled(false);
    m_document->documentLayout()->setPaintDevice(&device);
    m_document->setDocumentMargin(0);
    m_document->setDefaultFont(ReportFont({}));
    Fill(*m_document, text, scale);
    m_document->setTextWidth(m_width);
    // Layout runs lazily, block by block, until the document's size is asked for.
    m_document->documentLayout()->documentSize();
    m_lines = LinesOf(*m_document);
    m_length = static_cast<std::size_t>(std::max(m_document->characterCount() - 1, 0));
}

RichTextLayout::~RichTextLayout() = default;

std::size_t RichTextLayout::FormatRange(std::size_t start, qreal height) const {
    return FitLines(m_lines, m_length, start, height);
}

qreal RichTextLayout::RangeHeight(std::size_t start, std::size_t end) const {
    return TopAt(end) - TopAt(start);
}

qreal RichTextLayout::TopAt(std::size_t position) const {
    if (m_lines.empty()) {
        return 0;
    }
    if (position >= m_length) {
        return m_lines.back().bottom;
    }
    const auto line = std::lower_bound(
        m_lines.begin(), m_lines.end(), position,
        [](const TextLine& candidate, std::size_t at) { return candidate.start < at; });
    return line == m_lines.end() ? m_lines.back().bottom : line->top;
}

void RichTextLayout::DrawRange(QPainter& painter, std::size_t start, std::size_t end,
                               QPointF topLeft) const {
    const qreal top = TopAt(start);
    const QRectF clip(0, top, m_width, TopAt(end) - top);
    painter.save();
    painter.translate(topLeft.x(), topLeft.y() - top);
    painter.setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace lumivane
