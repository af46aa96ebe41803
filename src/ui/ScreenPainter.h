#pragma once
// Draws the screen drawing (front view or section view) with QPainter on any paint device: a
// window, an image, a printer page or a PDF, so every front end shows the same picture. The
// colours that mean something (the screen, the image on it and beside it, the outline) are
// drawn without antialiasing so they come out exact. The measured drawings, and every printed
// one, are drawings in metres fitted to the target; on paper the markers give way to the lens
// marks and the dimensions are in a 10-point font made for the page's own resolution.

#include "model/ScreenLayout.h"

#include <QRect>

class QPainter;

namespace lumivane {

enum class ScreenView { Front, Section };

struct ScreenScene {
    ScreenSubjects subjects;
    ScreenView view = ScreenView::Front;
    bool printing = false;
    bool drawGrid = false;
    bool showProjectors = true;
    // The front view with the wall, floor, dimensions, scale bar and every format of the
    // projector; the section with its measures. Printed pages always have them.
    bool measures = false;
};

// Draws the scene fitted into rect (pixels of the painter's device). For the front view it
// returns where everything went, for dragging; held is the mapping a drag keeps.
FrontLayout PaintScreen(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                        const FrontMapping* held = nullptr);

// The 24-pixel corner button, showing the view that a click on it switches to.
void PaintModeIcon(QPainter& painter, QPoint topLeft, ScreenView current);

} // namespace lumivane
