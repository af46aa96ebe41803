#pragma once
// Finding widgets as a screen reader does: by the name it announces.

#include "views/LengthEdit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>

namespace lumivane::test {

// The first widget of its kind under root that a screen reader knows by name. On Linux Qt
// names a list by its selection, so lists are found by the name they are given.
template <class W> W* Named(const QWidget* root, const QString& name) {
    for (W* widget : root->findChildren<W*>()) {
        if (widget->accessibleName() == name ||
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) == name) {
            return widget;
        }
    }
    return nullptr;
}

// The text of the label that names field, as its buddy.
inline QString BuddyText(const QWidget* root, const QWidget* field) {
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return {};
}

// Where a slider's handle is drawn.
inline QPoint Handle(const QSlider* slider) {
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

// Types text over what the field holds, key by key, as the user does.
inline void Type(QWidget* field, const QString& text) {
    field->setFocus();
    if (auto* length = qobject_cast<LengthEdit*>(field)) {
        length->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
    }
    QTest::keyClicks(field, text);
}

} // namespace lumivane::test
