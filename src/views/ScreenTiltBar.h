#pragma once
// The floating screen-tilt bar: the tilt type and angle of the auditorium shown, and where
// the audience centre sits, from which a recommended tilt follows.

#include "views/ScreenBar.h"

class LengthEdit;
class QComboBox;
class QLabel;
class ValueSlider;

class ScreenTiltBar : public ScreenBar {
    Q_OBJECT

public:
    ScreenTiltBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium, QWidget* parent);

    void Redisplay(bool force) override;

private:
    void Enable(int tiltType);

    QComboBox* m_type;
    ValueSlider* m_slider;
    QLabel* m_angle;
    QLabel* m_direction;
    LengthEdit* m_distance;
    LengthEdit* m_height;
    QLabel* m_side;
};
