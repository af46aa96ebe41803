#pragma once
// The part of a digital projector's panel that the image uses, as the Adjust Format dialog
// edits it: four corners in panel pixels, kept rectangular (and at the panel's proportions)
// or free, with the handles a mouse can take, where dragging them may go, and how much of the
// panel is in use.

#include "model/LensType.h"

#include <cstdint>
#include <string>

namespace lumivane {

enum class PanelHandle : int {
    None = 0,
    Left = 101,
    TopLeft = 102,
    Top = 103,
    TopRight = 104,
    Right = 105,
    BottomRight = 106,
    Bottom = 107,
    BottomLeft = 108,
};

enum class PanelCursor {
    Arrow,
    SizeHorizontal,
    SizeVertical,
    SizeFallingDiagonal,
    SizeRisingDiagonal,
    SizeAll
};

struct PanelSides {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where the panel is drawn: scaled to fit a box and centred in it.
struct PanelMapping {
    double scale = 0;
    double centreX = 0;
    double centreY = 0;
    int width = 0;
    int height = 0;

    void ToScreen(double x, double y, double& sx, double& sy) const;
    void ToPanel(double sx, double sy, double& x, double& y) const;
};
PanelMapping MapPanel(double left, double top, double width, double height, int panelWidth,
                      int panelHeight);

class PanelCornerModel {
public:
    // How near, in screen pixels, the mouse must be to take a side or a corner.
    static constexpr double kHandleReach = 6.0;

    // Rescales the corners from the old panel size to the new one.
    void SetPanel(int width, int height);
    int PanelWidth() const { return m_width; }
    int PanelHeight() const { return m_height; }
    // Top-left, top-right, bottom-right, bottom-left.
    void SetCorners(const PanelCorners& corners) { m_corners = corners; }
    const PanelCorners& Corners() const { return m_corners; }
    bool IsRectangle() const;

    // Turning either on makes the corners a rectangle (at the panel's proportions when both
    // are on).
    void SetRectangular(bool on);
    bool Rectangular() const { return m_rectangular; }
    void SetKeepAspect(bool on);
    bool KeepAspect() const { return m_keepAspect; }

    PanelSides Sides() const;
    // Each moves both corners of its side, kept on the panel.
    void SetLeft(int x);
    void SetTop(int y);
    void SetRight(int x);
    void SetBottom(int y);

    // The area of the quadrilateral as a whole percentage of the panel.
    int PercentInUse() const;
    // "%d%% of image available."
    std::string PercentText() const;
    // The corners lie on the panel, and left stays left of right, top above bottom.
    bool IsWellFormed() const;

    // The handle at panel point (x, y) when the panel is drawn at scale screen pixels per
    // panel pixel.
    PanelHandle HitTest(double x, double y, double scale) const;
    PanelCursor CursorFor(PanelHandle handle) const;

    void BeginDrag(PanelHandle handle);
    // The mouse at panel point (x, y); moves the dragged handle within the limits.
    void DragTo(double x, double y);
    void EndDrag() { m_dragged = PanelHandle::None; }
    bool IsDragging() const { return m_dragged != PanelHandle::None; }

private:
    PanelPoint& A() { return m_corners[0]; }
    PanelPoint& B() { return m_corners[1]; }
    PanelPoint& C() { return m_corners[2]; }
    PanelPoint& D() { return m_corners[3]; }
    void MakeBoundingRectangle();
    void MakePanelProportions();
    void SetRectangle(int left, int top, int right, int bottom);
    void DragCorner(int x, int y);
    void DragRectangle(int x, int y);
    void DragWithProportions(double x, double y);

    int m_minX = 0;
    int m_minY = 0;
    int m_maxX = 0;
    int m_maxY = 0;
    PanelHandle m_dragged = PanelHandle::None;
    bool m_rectangular = true;
    bool m_keepAspect = false;
    int m_width = 1024;
    int m_height = 768;
    PanelCorners m_corners{{{0, 0}, {1024, 0}, {1024, 768}, {0, 768}}};
};

} // namespace lumivane
