#include "model/PanelCornerModel.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

bool IsLeft(PanelHandle h) {
    return h == PanelHandle::Left || h == PanelHandle::TopLeft || h == PanelHandle::BottomLeft;
}
bool IsTop(PanelHandle h) {
    return h == PanelHandle::Top || h == PanelHandle::TopLeft || h == PanelHandle::TopRight;
}
bool IsRight(PanelHandle h) {
    return h == PanelHandle::Right || h == PanelHandle::TopRight || h == PanelHandle::BottomRight;
}
bool IsBottom(PanelHandle h) {
    return h == PanelHandle::Bottom || h == PanelHandle::BottomLeft ||
           h == PanelHandle::BottomRight;
}
bool IsCorner(PanelHandle h) {
    return (IsLeft(h) || IsRight(h)) && (IsTop(h) || IsBottom(h));
}

// The corner a corner handle takes, in the order top-left, top-right, bottom-right,
// bottom-left.
std::size_t CornerIndex(PanelHandle h) {
    switch (h) {
    case PanelHandle::TopLeft:
        return 0;
    case PanelHandle::TopRight:
        return 1;
    case PanelHandle::BottomRight:
        return 2;
    default:
        return 3;
    }
}

int Scaled(int value, int to, int from) {
    return static_cast<int>(static_cast<std::int64_t>(value) * to / from);
}

double DistanceToSegment(double x, double y, const PanelPoint& p, const PanelPoint& q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((x - p.x) * dx + (y - p.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(x - (p.x + t * dx), y - (p.y + t * dy));
}

} // namespace

void PanelMapping::ToScreen(double x, double y, double& sx, double& sy) const {
    sx = centreX + (x - width / 2.0) * scale;
    sy = centreY + (y - height / 2.0) * scale;
}

void PanelMapping::ToPanel(double sx, double sy, double& x, double& y) const {
    x = scale > 0 ? (sx - centreX) / scale + width / 2.0 : 0;
    y = scale > 0 ? (sy - centreY) / scale + height / 2.0 : 0;
}

PanelMapping MapPanel(double left, double top, double width, double height, int panelWidth,
                      int panelHeight) {
    PanelMapping mapping;
    mapping.width = panelWidth;
    mapping.height = panelHeight;
    if (panelWidth > 0 && panelHeight > 0) {
        mapping.scale = std::max(0.0, std::min(width / panelWidth, height / panelHeight));
    }
    mapping.centreX = left + width / 2;
    mapping.centreY = top + height / 2;
    return mapping;
}

void PanelCornerModel::SetPanel(int width, int height) {
    for (PanelPoint& corner : m_corners) {
        corner.x = m_width > 0 ? Scaled(corner.x, width, m_width) : 0;
        corner.y = m_height > 0 ? Scaled(corner.y, height, m_height) : 0;
    }
    m_width = width;
    m_height = height;
}

bool PanelCornerModel::IsRectangle() const {
    const auto& [a, b, c, d] = m_corners;
    return a.y == b.y && a.x == d.x && b.x == c.x && c.y == d.y;
}

void PanelCornerModel::SetRectangular(bool on) {
    m_rectangular = on;
    if (on) {
        MakeBoundingRectangle();
        if (m_keepAspect) {
            MakePanelProportions();
        }
    }
}

void PanelCornerModel::SetKeepAspect(bool on) {
    m_keepAspect = on;
    if (on && m_rectangular) {
        MakeBoundingRectangle();
        MakePanelProportions();
    }
}

void PanelCornerModel::MakeBoundingRectangle() {
    SetRectangle(std::min(A().x, D().x), std::min(A().y, B().y), std::max(B().x, C().x),
                 std::max(C().y, D().y));
}

// The height follows the width about the vertical centre; a rectangle that then sticks out
// of the panel is moved back onto it.
void PanelCornerModel::MakePanelProportions() {
    if (m_width <= 0) {
        return;
    }
    const PanelSides sides = Sides();
    const int wanted = Scaled(C().x - A().x, m_height, m_width);
    const int half = (C().y - A().y - wanted) / 2;
    int top = A().y + half;
    int bottom = C().y - half;
    const int shift = top < 0 ? -top : bottom > m_height ? m_height - bottom : 0;
    top += shift;
    bottom += shift;
    SetRectangle(sides.left, top, sides.right, bottom);
}

void PanelCornerModel::SetRectangle(int left, int top, int right, int bottom) {
    m_corners = {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

PanelSides PanelCornerModel::Sides() const {
    const auto& [a, b, c, d] = m_corners;
    return {(a.x + d.x) / 2, (a.y + b.y) / 2, (b.x + c.x) / 2, (c.y + d.y) / 2};
}

void PanelCornerModel::SetLeft(int x) {
    A().x = D().x = std::clamp(x, 0, std::max(0, m_width));
}

void PanelCornerModel::SetTop(int y) {
    A().y = B().y = std::clamp(y, 0, std::max(0, m_height));
}

void PanelCornerModel::SetRight(int x) {
    B().x = C().x = std::clamp(x, 0, std::max(0, m_width));
}

void PanelCornerModel::SetBottom(int y) {
    C().y = D().y = std::clamp(y, 0, std::max(0, m_height));
}

// The shoelace area of A, B, C, D is exact in 64 bits for any panel, trapezoid or not.
int PanelCornerModel::PercentInUse() const {
    const std::int64_t panel = static_cast<std::int64_t>(m_width) * m_height;
    if (m_width <= 0 || m_height <= 0) {
        return 0;
    }
    std::int64_t twiceArea = 0;
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        const PanelPoint& p = m_corners[i];
        const PanelPoint& q = m_corners[(i + 1) % m_corners.size()];
        twiceArea += static_cast<std::int64_t>(p.x) * q.y - static_cast<std::int64_t>(q.x) * p.y;
    }
    return static_cast<int>((twiceArea < 0 ? -twiceArea : twiceArea) * 50 / panel);
}

std::string PanelCornerModel::PercentText() const {
    return FormatInt(PercentInUse()) + "% of image available.";
}

bool PanelCornerModel::IsWellFormed() const {
    const auto& [a, b, c, d] = m_corners;
    const bool onPanel = std::all_of(m_corners.begin(), m_corners.end(), [&](const PanelPoint& p) {
        return p.x >= 0 && p.x <= m_width && p.y >= 0 && p.y <= m_height;
    });
    return onPanel && a.x < b.x && d.x < c.x && a.y < d.y && b.y < c.y;
}

PanelHandle PanelCornerModel::HitTest(double x, double y, double scale) const {
    if (!(scale > 0)) {
        return PanelHandle::None;
    }
    const double reach = kHandleReach / scale;
    const auto& [a, b, c, d] = m_corners;
    const bool top = DistanceToSegment(x, y, a, b) <= reach;
    const bool bottom = DistanceToSegment(x, y, d, c) <= reach;
    if (DistanceToSegment(x, y, a, d) <= reach) {
        return top ? PanelHandle::TopLeft : bottom ? PanelHandle::BottomLeft : PanelHandle::Left;
    }
    if (DistanceToSegment(x, y, b, c) <= reach) {
        return top ? PanelHandle::TopRight : bottom ? PanelHandle::BottomRight : PanelHandle::Right;
    }
    return top ? PanelHandle::Top : bottom ? PanelHandle::Bottom : PanelHandle::None;
}

PanelCursor PanelCornerModel::CursorFor(PanelHandle handle) const {
    if (handle == PanelHandle::None) {
        return PanelCursor::Arrow;
    }
    if (!IsCorner(handle)) {
        if (!m_rectangular || m_keepAspect) {
            return PanelCursor::Arrow;
        }
        return IsTop(handle) || IsBottom(handle) ? PanelCursor::SizeVertical
                                                 : PanelCursor::SizeHorizontal;
    }
    if (!m_rectangular) {
        return PanelCursor::SizeAll;
    }
    return handle == PanelHandle::TopLeft || handle == PanelHandle::BottomRight
               ? PanelCursor::SizeFallingDiagonal
               : PanelCursor::SizeRisingDiagonal;
}

// The limits keep every corner on the panel and each side at least a pixel from the one
// opposite, so no drag can fold the image over.
void PanelCornerModel::BeginDrag(PanelHandle handle) {
    m_dragged = handle;
    m_minX = 0;
    m_minY = 0;
    m_maxX = m_width;
    m_maxY = m_height;
    if (IsLeft(handle)) {
        m_maxX = std::min(B().x, C().x) - 1;
    }
    if (IsTop(handle)) {
        m_maxY = std::min(D().y, C().y) - 1;
    }
    if (IsRight(handle)) {
        m_minX = std::max(A().x, D().x) + 1;
    }
    if (IsBottom(handle)) {
        m_minY = std::max(A().y, B().y) + 1;
    }
}

void PanelCornerModel::DragTo(double x, double y) {
    if (!IsDragging() || !std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    if (m_rectangular && m_keepAspect) {
        DragWithProportions(x, y);
        return;
    }
    // Limits that cross (a side already at the panel's edge) hold the side where it is.
    const int px = std::max(m_minX, std::min(TruncToInt32(x), m_maxX));
    const int py = std::max(m_minY, std::min(TruncToInt32(y), m_maxY));
    if (m_rectangular) {
        DragRectangle(px, py);
    } else {
        DragCorner(px, py);
    }
}

void PanelCornerModel::DragCorner(int x, int y) {
    if (IsCorner(m_dragged)) {
        m_corners[CornerIndex(m_dragged)] = {x, y};
    }
}

void PanelCornerModel::DragRectangle(int x, int y) {
    if (IsLeft(m_dragged)) {
        A().x = D().x = x;
    }
    if (IsRight(m_dragged)) {
        B().x = C().x = x;
    }
    if (IsTop(m_dragged)) {
        A().y = B().y = y;
    }
    if (IsBottom(m_dragged)) {
        C().y = D().y = y;
    }
}

// The dragged corner goes halfway between the mouse and the point at the panel's proportions
// from the opposite corner, which stays; the rectangle stays on the panel and at least a
// pixel in size.
void PanelCornerModel::DragWithProportions(double x, double y) {
    if (!IsCorner(m_dragged) || m_width <= 0 || m_height <= 0) {
        return;
    }
    const std::size_t index = CornerIndex(m_dragged);
    const PanelPoint opposite = m_corners[(index + 2) % 4];
    const int sx = IsLeft(m_dragged) ? -1 : 1;
    const int sy = IsTop(m_dragged) ? -1 : 1;
    const double aspect = static_cast<double>(m_width) / m_height;
    const double cornerX = (x + opposite.x + sx * sy * (y - opposite.y) * aspect) / 2;
    const std::int64_t roomX = sx < 0 ? opposite.x : m_width - opposite.x;
    const std::int64_t roomY = sy < 0 ? opposite.y : m_height - opposite.y;
    const std::int64_t widest =
        std::max<std::int64_t>(1, std::min(roomX, roomY * m_width / m_height));
    const std::int64_t w =
        std::clamp<std::int64_t>(TruncToInt64(sx * (cornerX - opposite.x)), 1, widest);
    const std::int64_t h = std::max<std::int64_t>(1, w * m_height / m_width);
    const int cx = std::clamp(opposite.x + static_cast<int>(sx * w), 0, m_width);
    const int cy = std::clamp(opposite.y + static_cast<int>(sy * h), 0, m_height);
    SetRectangle(std::min(cx, opposite.x), std::min(cy, opposite.y), std::max(cx, opposite.x),
                 std::max(cy, opposite.y));
}

} // namespace lumivane
