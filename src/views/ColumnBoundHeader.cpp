#include "views/ColumnBoundHeader.h"

#include "base/AppContext.h"

#include <QMouseEvent>

using lumivane::Ctx;

ColumnBoundHeader::ColumnBoundHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setSectionsMovable(false);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignCenter);
    setMinimumSectionSize(0);
    setMouseTracking(true);
}

lumivane::ColumnBounds ColumnBoundHeader::Bounds() const {
    if (IsDragging()) {
        return m_dragged;
    }
    const lumivane::ColumnBounds& stored = Ctx().settings.m_columns;
    return lumivane::AreColumnBoundsValid(stored) ? stored : lumivane::kDefaultColumnBounds;
}

void ColumnBoundHeader::SetLeast(const lumivane::ColumnLeast& least) {
    if (least != m_least) {
        m_least = least;
        ApplyBounds();
    }
}

std::array<int, 3> ColumnBoundHeader::Borders() const {
    return lumivane::BorderPixels(lumivane::ColumnWidths(Bounds(), width(), m_least));
}

void ColumnBoundHeader::ApplyBounds() {
    const std::array<int, 5> widths = lumivane::ColumnWidths(Bounds(), width(), m_least);
    for (int section = 0; section < count() && section < static_cast<int>(widths.size());
         ++section) {
        resizeSection(section, widths[static_cast<std::size_t>(section)]);
    }
}

void ColumnBoundHeader::SetHeight(int height) {
    if (height != m_height) {
        m_height = height;
        updateGeometry();
    }
}

QSize ColumnBoundHeader::sizeHint() const {
    return {QHeaderView::sizeHint().width(), m_height};
}

void ColumnBoundHeader::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->button() != Qt::LeftButton || lumivane::BoundAt(Borders(), x) < 0) {
        QHeaderView::mousePressEvent(event);
        return;
    }
    m_dragged = Bounds();
    m_pressX = x;
    m_drag = -1;
    Q_EMIT dragStarted();
}

void ColumnBoundHeader::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (IsDragging()) {
        DragTo(x);
        return;
    }
    const bool onBound = lumivane::BoundAt(Borders(), x) >= 0;
    setCursor(onBound ? Qt::SplitHCursor : Qt::ArrowCursor);
    QHeaderView::mouseMoveEvent(event);
}

void ColumnBoundHeader::mouseReleaseEvent(QMouseEvent* event) {
    if (!IsDragging()) {
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    DragTo(event->position().toPoint().x());
    Ctx().settings.m_columns = m_dragged;
    m_pressX = -1;
    ApplyBounds();
    Q_EMIT dragFinished();
}

void ColumnBoundHeader::DragTo(int x) {
    if (m_drag < 0 && x != m_pressX) {
        m_drag = lumivane::BoundToDrag(Borders(), m_pressX, x);
    }
    if (m_drag >= 0) {
        m_dragged = lumivane::DragBound(m_dragged, m_drag, x, width());
        ApplyBounds();
    }
}

void ColumnBoundHeader::resizeEvent(QResizeEvent* event) {
    QHeaderView::resizeEvent(event);
    ApplyBounds();
}

void ColumnBoundHeader::showEvent(QShowEvent* event) {
    QHeaderView::showEvent(event);
    ApplyBounds();
}
