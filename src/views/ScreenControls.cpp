#include "views/ScreenControls.h"

#include "base/ViewSizes.h"
#include "model/Auditorium.h"
#include "views/ChoiceList.h"
#include "views/LengthEdit.h"
#include "views/ValueSlider.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace lumivane {
namespace {

ValueSlider* MakeTrackSlider(int first, int last, int ticks, double scale, const QString& name) {
    auto* slider = new ValueSlider(Qt::Horizontal);
    slider->SetScale(scale);
    slider->SetRange(first, last);
    slider->setTickPosition(QSlider::TicksAbove);
    slider->setTickInterval(ticks);
    slider->setAccessibleName(name);
    KeepTrack(slider);
    return slider;
}

} // namespace

QComboBox* MakeTypeList(const std::vector<std::string>& entries, const QString& name) {
    auto* list = new ChoiceList(name);
    for (const std::string& entry : entries) {
        list->addItem(QString::fromStdString(entry));
    }
    return list;
}

void ShowIndex(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

ValueSlider* MakeCurveSlider(const QString& name) {
    return MakeTrackSlider(15, 500, 46, 1.0, name);
}

ValueSlider* MakeTiltSlider(const QString& name) {
    constexpr double kScale = 0.1;
    const auto position = [](double degrees) {
        return static_cast<int>(std::lround(degrees / kScale));
    };
    return MakeTrackSlider(position(kMinTilt), position(kMaxTilt), 10, kScale, name);
}

void KeepTrack(ValueSlider* slider) {
    const int length = SliderTrackLeast(slider->fontMetrics().height()) +
                       slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
    if (slider->orientation() == Qt::Vertical) {
        slider->setMinimumHeight(length);
    } else {
        slider->setMinimumWidth(length);
    }
}

void FitLengthField(LengthEdit* field) {
    const QFontMetrics metrics = field->fontMetrics();
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("888.88m")),
                              metrics.horizontalAdvance(QStringLiteral("888' 88\"")));
    const int frame =
        field->sizeHint().width() - metrics.horizontalAdvance(QStringLiteral("88888.88mm"));
    field->setMinimumWidth(text + frame);
}

QLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch();
    return row;
}

void AddLabelledField(QGridLayout* layout, const QString& text, QWidget* field, int row,
                      int column) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setAccessibleName(text);
    layout->addWidget(label, row, column);
    layout->addWidget(field, row, column + 1);
}

} // namespace lumivane
