#include "views/ScreenDisplay.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/QtText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

#include <cstdlib>

using lumivane::ScreenView;
using lumivane::Text;

namespace {

constexpr int kFrame = 2;
// A press this close to the marker's centre, in both directions, picks it up.
constexpr int kGrabDistance = 8;
// The corner button and a little room around it.
constexpr int kCorner = 26;

ScreenView Other(ScreenView view) {
    return view == ScreenView::Front ? ScreenView::Section : ScreenView::Front;
}

QString CornerHint(ScreenView current) {
    return current == ScreenView::Front ? ScreenDisplay::tr("Show the section view")
                                        : ScreenDisplay::tr("Show the front view");
}

} // namespace

ScreenDisplay::ScreenDisplay(CQorDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("screenDisplay"));
    setAccessibleName(tr("Screen Display"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ScreenDisplay::SetItems(int auditorium, int projector, int format) {
    if (auditorium == m_auditorium && projector == m_projector && format == m_format) {
        update();
        return;
    }
    EndDrag();
    m_auditorium = auditorium;
    m_projector = projector;
    m_format = format;
    update();
}

void ScreenDisplay::SetDrawGrid(bool on) {
    m_drawGrid = on;
    update();
}

void ScreenDisplay::SetShowProjectors(bool on) {
    m_showProjectors = on;
    update();
}

void ScreenDisplay::SetView(ScreenView view) {
    if (view == m_view) {
        return;
    }
    EndDrag();
    m_view = view;
    update();
    Q_EMIT viewChanged(view);
}

lumivane::ScreenScene ScreenDisplay::Scene() const {
    lumivane::ScreenScene scene;
    scene.subjects = {m_doc.GetAuditorium(m_auditorium),
                      m_doc.GetProjector(m_auditorium, m_projector),
                      m_doc.GetLensType(m_auditorium, m_projector, m_format)};
    scene.view = m_view;
    scene.drawGrid = m_drawGrid;
    scene.showProjectors = m_showProjectors;
    scene.measures = lumivane::Ctx().drawingMeasures;
    return scene;
}

QSize ScreenDisplay::sizeHint() const {
    return {360, 240};
}

QSize ScreenDisplay::minimumSizeHint() const {
    return {2 * kCorner, 2 * kCorner};
}

QRect ScreenDisplay::DrawingRect() const {
    return rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
}

bool ScreenDisplay::InModeCorner(QPoint pos) const {
    return pos.x() < kCorner && pos.y() < kCorner && Scene().subjects.auditorium;
}

bool ScreenDisplay::NearMarker(QPoint pos) const {
    const std::optional<DrawPoint>& handle = m_lastFront.dragHandle;
    return m_view == ScreenView::Front && handle && m_lastFront.mapping.IsInvertible() &&
           std::abs(pos.x() - handle->x) < kGrabDistance &&
           std::abs(pos.y() - handle->y) < kGrabDistance && Scene().subjects.projector;
}

bool ScreenDisplay::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (InModeCorner(help->pos())) {
            QToolTip::showText(help->globalPos(), CornerHint(m_view), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    if (event->type() == QEvent::WindowDeactivate) {
        EndDrag();
    }
    return QWidget::event(event);
}

void ScreenDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true, &palette().brush(QPalette::Button));
    const lumivane::ScreenScene scene = Scene();
    const QRect inside = DrawingRect();
    painter.setClipRect(inside);
    m_lastFront =
        lumivane::PaintScreen(painter, inside, scene, m_heldMapping ? &*m_heldMapping : nullptr);
    if (scene.subjects.auditorium) {
        lumivane::PaintModeIcon(painter, inside.topLeft(), m_view);
    }
    DescribeDrawing(scene);
}

void ScreenDisplay::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_dragging &&
        NearMarker(event->position().toPoint())) {
        m_dragging = true;
        m_heldMapping = m_lastFront.mapping;
    }
    QWidget::mousePressEvent(event);
}

void ScreenDisplay::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!m_dragging) {
        if (NearMarker(pos)) {
            setCursor(Qt::SizeAllCursor);
        } else {
            unsetCursor();
        }
        return;
    }
    // The release went elsewhere (a popup or another window took the mouse).
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    StoreDrag(pos, false);
}

void ScreenDisplay::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_dragging) {
        StoreDrag(pos, true);
        EndDrag();
        return;
    }
    if (InModeCorner(pos)) {
        SetView(Other(m_view));
    }
}

void ScreenDisplay::hideEvent(QHideEvent* event) {
    EndDrag();
    QWidget::hideEvent(event);
}

void ScreenDisplay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        EndDrag();
    }
    QWidget::changeEvent(event);
}

void ScreenDisplay::StoreDrag(QPoint pos, bool released) {
    const CProjectorType* projector = m_doc.GetProjector(m_auditorium, m_projector);
    if (!projector) {
        EndDrag();
        return;
    }
    const std::optional<lumivane::ProjectorPlace> place = lumivane::ClampDraggedPlace(
        m_lastFront.PlaceAt(pos.x(), pos.y()), projector->GetThrow(), released);
    if (!place || !m_lastFront.mapping.IsInvertible()) {
        return;
    }
    if (!m_editing) {
        m_editing = true;
        Q_EMIT editStarted();
    }
    m_doc.Editor().DragProjector(m_auditorium, m_projector, m_format, place->lateral,
                                 place->lensHeight);
    update();
}

void ScreenDisplay::EndDrag() {
    if (!m_dragging) {
        return;
    }
    m_dragging = false;
    m_heldMapping.reset();
    update();
    if (m_editing) {
        m_editing = false;
        Q_EMIT editFinished();
    }
}

void ScreenDisplay::DescribeDrawing(const lumivane::ScreenScene& scene) {
    const lumivane::ScreenSubjects& items = scene.subjects;
    QString text;
    if (!items.auditorium) {
        text = tr("Nothing to show.");
    } else {
        text = (m_view == ScreenView::Front ? tr("Front view of the screen of %1")
                                            : tr("Section view of the screen of %1"))
                   .arg(Text(items.auditorium->Name()));
        if (items.HasImage()) {
            text += tr(" with the image of %1").arg(Text(items.setUp->GetFormatName()));
        }
        text += items.projector ? tr(", projector %1").arg(Text(items.projector->Name()))
                                : tr(", every projector");
        if (items.projector && m_view == ScreenView::Front && scene.showProjectors) {
            text += tr(" (drag its marker to move it)");
        }
        text += tr(". The top-left corner switches to the %1 view.")
                    .arg(m_view == ScreenView::Front ? tr("section") : tr("front"));
    }
    if (accessibleDescription() != text) {
        setAccessibleDescription(text);
    }
}
