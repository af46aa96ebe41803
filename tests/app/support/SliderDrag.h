#pragma once
// Dragging a slider's handle as a mouse does: press on the handle, moves with the button
// held, release where the last move went.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <initializer_list>

namespace lumivane::test {

// Where the slider's handle is drawn.
inline QPoint SliderHandle(const QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = slider->invertedAppearance();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_All;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

// Moves the handle by each offset from where it started, in turn.
inline void DragSlider(QSlider* slider, std::initializer_list<QPoint> offsets) {
    const QPoint handle = SliderHandle(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    QPoint last = handle;
    for (const QPoint offset : offsets) {
        last = handle + offset;
        QMouseEvent move(QEvent::MouseMove, last, slider->mapToGlobal(last), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(slider, &move);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, last);
}

} // namespace lumivane::test
