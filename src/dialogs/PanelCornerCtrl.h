#pragma once
// The digital panel drawn to scale with the quadrilateral of its used area; the sides and
// corners can be dragged (PanelCornerModel says where to). Tells its dialog after every step
// of a drag.

#include "model/PanelCornerModel.h"

#include <QFrame>

class CPanelCornerCtrl : public QFrame {
    Q_OBJECT

public:
    explicit CPanelCornerCtrl(QWidget* parent = nullptr);

    lumivane::PanelCornerModel& Model() { return m_model; }
    const lumivane::PanelCornerModel& Model() const { return m_model; }
    // Where the panel is drawn now.
    lumivane::PanelMapping Mapping() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void cornersChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    lumivane::PanelHandle HandleAt(QPointF position) const;

    lumivane::PanelCornerModel m_model;
};
