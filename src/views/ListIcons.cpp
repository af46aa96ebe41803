#include "views/ListIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace {

// The pictures are drawn on a 15 by 15 grid, scaled into the rectangle given.
constexpr double kGrid = 15.0;

const QColor kOutline(40, 40, 40);
const QColor kGlass(70, 140, 220);
const QColor kEmptyGlass(245, 245, 245);
const QColor kWarning(230, 150, 0);
const QColor kMetal(120, 120, 120);
const QColor kChain(60, 90, 150);

class GridPainter {
public:
    GridPainter(QPainter& painter, const QRectF& rect) : m_painter(painter) {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        const double side = std::min(rect.width(), rect.height());
        m_painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
        m_painter.scale(side / kGrid, side / kGrid);
    }
    GridPainter(const GridPainter&) = delete;
    GridPainter& operator=(const GridPainter&) = delete;
    ~GridPainter() { m_painter.restore(); }

    QPainter& operator*() { return m_painter; }

private:
    QPainter& m_painter;
};

void PaintMasked(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(7.5, 1.5);
    triangle.lineTo(14, 13.5);
    triangle.lineTo(1, 13.5);
    triangle.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kWarning);
    p.drawPath(triangle);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.5, 5.5), QPointF(7.5, 9.2));
    p.drawPoint(QPointF(7.5, 11.6));
}

void PaintLens(QPainter& p, bool chosen) {
    p.setPen(QPen(chosen ? kOutline : kMetal, 1.2));
    // An empty lens is still filled, so it shows on a selected row too.
    p.setBrush(chosen ? kGlass : kEmptyGlass);
    p.drawEllipse(QPointF(7.5, 7.5), 5.8, 5.8);
    if (chosen) {
        p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 4, 7, 7), 100 * 16, 60 * 16);
    } else {
        p.setPen(QPen(kMetal, 1.2, Qt::DashLine));
        p.drawLine(QPointF(4.5, 10.5), QPointF(10.5, 4.5));
    }
}

void PaintPadlock(QPainter& p) {
    p.setPen(QPen(kOutline, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 2, 6, 7), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 7));
    p.drawLine(QPointF(10.5, 5.5), QPointF(10.5, 7));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kWarning);
    p.drawRoundedRect(QRectF(3, 7, 9, 6.5), 1, 1);
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(7.5, 9.3), QPointF(7.5, 11.3));
}

// Two chain links, joined or pulled apart with a break between them.
void PaintChain(QPainter& p, bool joined) {
    p.save();
    p.translate(7.5, 7.5);
    p.rotate(-45);
    p.setPen(QPen(kChain, 1.6));
    p.setBrush(Qt::NoBrush);
    const double length = joined ? 7.0 : 6.0;
    const double inner = joined ? 0.8 : -1.8;
    p.drawRoundedRect(QRectF(inner - length, -2.2, length, 4.4), 2.2, 2.2);
    p.drawRoundedRect(QRectF(-inner, -2.2, length, 4.4), 2.2, 2.2);
    if (!joined) {
        p.setPen(QPen(Qt::red, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -3.4), QPointF(0, 3.4));
    }
    p.restore();
}

} // namespace

void PaintStateIcon(QPainter& painter, const QRectF& rect, lumivane::SetUpState state) {
    GridPainter grid(painter, rect);
    switch (state) {
    case lumivane::SetUpState::Masked:
        PaintMasked(*grid);
        break;
    case lumivane::SetUpState::NoLens:
        PaintLens(*grid, false);
        break;
    case lumivane::SetUpState::LensChosen:
        PaintLens(*grid, true);
        break;
    }
}

void PaintLinkIcon(QPainter& painter, const QRectF& rect, lumivane::LinkState state) {
    GridPainter grid(painter, rect);
    switch (state) {
    case lumivane::LinkState::Locked:
        PaintPadlock(*grid);
        break;
    case lumivane::LinkState::Linked:
        PaintChain(*grid, true);
        break;
    case lumivane::LinkState::Free:
        PaintChain(*grid, false);
        break;
    }
}
