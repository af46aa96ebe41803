#pragma once
// The floating screen-curve bar: the curve type and percentage of the auditorium shown, the
// percentage as a fraction of the throw and the screen's chord depth.

#include "views/ScreenBar.h"

class QComboBox;
class QLabel;
class ValueSlider;

class ScreenCurveBar : public ScreenBar {
    Q_OBJECT

public:
    ScreenCurveBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium, QWidget* parent);

    void Redisplay(bool force) override;

private:
    QComboBox* m_type;
    ValueSlider* m_slider;
    QLabel* m_percent;
    QLabel* m_fraction;
    QLabel* m_depth;
};
