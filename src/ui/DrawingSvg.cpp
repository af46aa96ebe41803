#include "ui/DrawingSvg.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "ui/DrawingPainter.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace lumivane {

namespace {

// Coordinates are written in thousandths of the unit, where texts and pens keep their
// precision, and each layer is scaled back to whole units.
constexpr double kThousandths = 1000.0;
// Pens are this many thousandths wide per pixel of a window, hairlines one of them: 0.3 mm
// on the 1:50 page, so a drawing program shows every line at any zoom.
constexpr double kPenUnit = 15.0;
constexpr double kMetricPaperScale = 50.0;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kInchesPerFootOnPaper = 0.25;
const QString kSvg = QStringLiteral("http://www.w3.org/2000/svg");
const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

QString Number(double value) {
    return QString::number(value, 'g', 10);
}

struct Frame {
    DrawingBox box;
    // Units of length per metre.
    double unit;
    DrawingFit fit;
    QSizeF size;
};

Frame FrameFor(const Drawing& drawing) {
    DrawingBox box = drawing.Bounds();
    const double margin = 2 * drawing.textHeight;
    box = {box.left - margin, box.bottom - margin, box.right + margin, box.top + margin};
    const double unit = Ctx().metricUnits ? 1.0 : FeetFromMetres(1.0);
    const double scale = kThousandths * unit;
    return {box,
            unit,
            {scale, -scale * box.left, scale * box.top},
            {scale * box.Width(), scale * box.Height()}};
}

// One layer as Qt SVG writes it.
QByteArray LayerSvg(const Drawing& drawing, const Frame& frame, DrawingLayer layer) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(frame.size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), frame.size));
    QPainter painter(&generator);
    DrawingStyle style;
    style.printing = true;
    style.unit = kPenUnit;
    style.hairWidth = kPenUnit;
    PaintDrawing(painter, drawing, frame.fit, style, layer);
    painter.end();
    return buffer.data();
}

// Copies what Qt SVG drew inside its root element, leaving out its title and description.
void CopyContent(QXmlStreamWriter& out, const QByteArray& svg) {
    QXmlStreamReader in(svg);
    // The root element is at depth 1.
    int depth = 0;
    while (!in.atEnd()) {
        const QXmlStreamReader::TokenType token = in.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const bool heading =
                in.name() == QLatin1String("title") || in.name() == QLatin1String("desc");
            if (depth == 2 && heading) {
                in.skipCurrentElement();
                --depth;
            } else if (depth > 1) {
                out.writeCurrentToken(in);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (depth >= 1) {
                out.writeCurrentToken(in);
            }
        } else if (token == QXmlStreamReader::Characters && depth > 1 && !in.isWhitespace()) {
            out.writeCurrentToken(in);
        }
    }
}

QString PaperLength(double units) {
    if (Ctx().metricUnits) {
        return Number(units * kMillimetresPerMetre / kMetricPaperScale) + QStringLiteral("mm");
    }
    return Number(units * kInchesPerFootOnPaper) + QStringLiteral("in");
}

QByteArray Document(const Drawing& drawing, const QString& title) {
    const Frame frame = FrameFor(drawing);
    const double u = frame.unit;
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeDefaultNamespace(kSvg);
    out.writeNamespace(kInkscape, QStringLiteral("inkscape"));
    out.writeStartElement(kSvg, QStringLiteral("svg"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    out.writeAttribute(QStringLiteral("width"), PaperLength(u * frame.box.Width()));
    out.writeAttribute(QStringLiteral("height"), PaperLength(u * frame.box.Height()));
    out.writeAttribute(QStringLiteral("viewBox"),
                       QStringList{Number(u * frame.box.left), Number(-u * frame.box.top),
                                   Number(u * frame.box.Width()), Number(u * frame.box.Height())}
                           .join(QLatin1Char(' ')));
    out.writeTextElement(kSvg, QStringLiteral("title"), title);
    const QString transform =
        QStringLiteral("translate(%1 %2) scale(%3)")
            .arg(Number(u * frame.box.left), Number(-u * frame.box.top), Number(1 / kThousandths));
    for (const DrawingLayer layer : kDrawingLayers) {
        const QString name = QString::fromLatin1(LayerName(layer));
        out.writeStartElement(kSvg, QStringLiteral("g"));
        out.writeAttribute(QStringLiteral("id"), name);
        out.writeAttribute(kInkscape, QStringLiteral("groupmode"), QStringLiteral("layer"));
        out.writeAttribute(kInkscape, QStringLiteral("label"), name);
        out.writeAttribute(QStringLiteral("transform"), transform);
        CopyContent(out, LayerSvg(drawing, frame, layer));
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeEndDocument();
    return bytes;
}

} // namespace

QString WriteSvg(const Drawing& drawing, const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Document(drawing, title)) < 0 ||
        !file.commit()) {
        return QStringLiteral("The drawing could not be written to %1.").arg(path);
    }
    return {};
}

} // namespace lumivane
