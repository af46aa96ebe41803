#include "dialogs/PanelCornerCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace {

constexpr int kMargin = 4;

Qt::CursorShape ShapeOf(lumivane::PanelCursor cursor) {
    switch (cursor) {
    case lumivane::PanelCursor::SizeHorizontal:
        return Qt::SizeHorCursor;
    case lumivane::PanelCursor::SizeVertical:
        return Qt::SizeVerCursor;
    case lumivane::PanelCursor::SizeFallingDiagonal:
        return Qt::SizeFDiagCursor;
    case lumivane::PanelCursor::SizeRisingDiagonal:
        return Qt::SizeBDiagCursor;
    case lumivane::PanelCursor::SizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

CPanelCornerCtrl::CPanelCornerCtrl(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMouseTracking(true);
    setMinimumSize(160, 120);
}

QSize CPanelCornerCtrl::sizeHint() const {
    return {320, 240};
}

lumivane::PanelMapping CPanelCornerCtrl::Mapping() const {
    const QRectF inner = QRectF(contentsRect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    return lumivane::MapPanel(inner.left(), inner.top(), inner.width(), inner.height(),
                              m_model.PanelWidth(), m_model.PanelHeight());
}

void CPanelCornerCtrl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const lumivane::PanelMapping map = Mapping();
    QPainter painter(this);
    QPointF topLeft;
    QPointF bottomRight;
    map.ToScreen(0, 0, topLeft.rx(), topLeft.ry());
    map.ToScreen(map.width, map.height, bottomRight.rx(), bottomRight.ry());
    painter.fillRect(QRectF(topLeft, bottomRight), QColor(0, 255, 0));
    QPolygonF outline;
    for (const PanelPoint& corner : m_model.Corners()) {
        QPointF point;
        map.ToScreen(corner.x, corner.y, point.rx(), point.ry());
        outline << point;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolygon(outline);
}

lumivane::PanelHandle CPanelCornerCtrl::HandleAt(QPointF position) const {
    const lumivane::PanelMapping map = Mapping();
    double x = 0;
    double y = 0;
    map.ToPanel(position.x(), position.y(), x, y);
    return m_model.HitTest(x, y, map.scale);
}

void CPanelCornerCtrl::mousePressEvent(QMouseEvent* event) {
    const lumivane::PanelHandle handle = HandleAt(event->position());
    if (event->button() != Qt::LeftButton || handle == lumivane::PanelHandle::None) {
        QFrame::mousePressEvent(event);
        return;
    }
    m_model.BeginDrag(handle);
}

void CPanelCornerCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!m_model.IsDragging()) {
        setCursor(ShapeOf(m_model.CursorFor(HandleAt(event->position()))));
        return;
    }
    double x = 0;
    double y = 0;
    Mapping().ToPanel(event->position().x(), event->position().y(), x, y);
    m_model.DragTo(x, y);
    update();
    Q_EMIT cornersChanged();
}

void CPanelCornerCtrl::mouseReleaseEvent(QMouseEvent* event) {
    m_model.EndDrag();
    QFrame::mouseReleaseEvent(event);
}
