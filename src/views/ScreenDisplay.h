#pragma once
// The screen drawing every detail view embeds: the front view of the screen with the image of
// the shown set-up and the projector markers, or the section view from the side. A click on
// the corner button switches between the two; the shown projector's marker can be dragged to
// move the projector.
//
// The items are named by position and looked up in the document at every paint and event, so
// the drawing never holds on to a model object. A drag keeps the picture's scale and place from
// the moment it starts; it never starts on a picture whose scale cannot be turned back into
// metres, never stores a position that is not a number, and ends when the view is hidden, the
// items change, the window loses the mouse, or the button is found up.
//
// Undo: every move of a drag goes through ProjectEditor::DragProjector, one recorded step
// each. editStarted() comes right before the first of them and editFinished() when the drag
// ends, so the undo layer merges the whole drag into one step, as it does a field's burst.

#include "ui/ScreenPainter.h"

#include <QWidget>

#include <optional>

class CQorDoc;

class ScreenDisplay : public QWidget {
    Q_OBJECT

public:
    explicit ScreenDisplay(CQorDoc& doc, QWidget* parent = nullptr);

    // Auditorium and projector rows and the set-up's format; -1 for none. Without a
    // projector every projector of the auditorium is drawn with its name.
    void SetItems(int auditorium, int projector, int format);
    void SetDrawGrid(bool on);
    void SetShowProjectors(bool on);
    void SetView(lumivane::ScreenView view);
    lumivane::ScreenView View() const { return m_view; }
    bool IsDragging() const { return m_dragging; }

    // What the drawing shows now, with the model items looked up afresh; for printing the
    // same picture on a page.
    lumivane::ScreenScene Scene() const;
    // Where the last front view put everything, in this widget's pixels.
    const lumivane::FrontLayout& LastFrontLayout() const { return m_lastFront; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void editStarted();
    void editFinished();
    void viewChanged(lumivane::ScreenView view);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The client area less its sunken frame.
    QRect DrawingRect() const;
    bool InModeCorner(QPoint pos) const;
    bool NearMarker(QPoint pos) const;
    void StoreDrag(QPoint pos, bool released);
    void EndDrag();
    void DescribeDrawing(const lumivane::ScreenScene& scene);

    CQorDoc& m_doc;
    int m_auditorium = -1;
    int m_projector = -1;
    int m_format = -1;
    lumivane::ScreenView m_view = lumivane::ScreenView::Front;
    bool m_drawGrid = false;
    bool m_showProjectors = true;
    lumivane::FrontLayout m_lastFront;
    bool m_dragging = false;
    // Set once the drag has stored a position, so a click on the marker records nothing.
    bool m_editing = false;
    std::optional<lumivane::FrontMapping> m_heldMapping;
};
