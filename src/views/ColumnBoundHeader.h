#pragma once
// The header of the lens set-up list. Its three column bounds are the program's shared
// setting, in thousandths of the list's width; the user drags a bound between its neighbours,
// and the new bound is stored for every list when the drag ends. The fixed part at the left
// (state icon and link button) is not resized.

#include "base/ColumnBounds.h"

#include <QHeaderView>

class ColumnBoundHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit ColumnBoundHeader(QWidget* parent = nullptr);

    // The bounds in force: those being dragged, else the stored ones (the defaults when the
    // stored ones are damaged).
    lumivane::ColumnBounds Bounds() const;
    // The least width of each column; a narrow list widens a column to it at the cost of the
    // others.
    void SetLeast(const lumivane::ColumnLeast& least);
    // Sizes the sections to the bounds over the header's width.
    void ApplyBounds();
    void SetHeight(int height);
    bool IsDragging() const { return m_pressX >= 0; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void dragStarted();
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Another list may have moved the shared bounds while this one was hidden.
    void showEvent(QShowEvent* event) override;

private:
    // Moves the dragged bound to x; the first move decides which bound that is.
    void DragTo(int x);
    // The borders as the sections show them.
    std::array<int, 3> Borders() const;

    int m_height = 19;
    lumivane::ColumnLeast m_least{};
    // Where the press on a bound was, -1 while no bound is held.
    int m_pressX = -1;
    int m_drag = -1;
    lumivane::ColumnBounds m_dragged{};
};
