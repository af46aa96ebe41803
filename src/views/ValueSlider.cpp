#include "views/ValueSlider.h"

#include "base/NumberText.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

// A screen reader's value change is the user's move, so it goes the way the user's moves go
// (Qt's own slider interface would set the value as the program does, and nothing would be
// reported).
class AccessibleValueSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleValueSlider(ValueSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value)
            return QString::number(Slider()->value());
        return QAccessibleWidget::text(type);
    }
    QVariant currentValue() const override { return Slider()->value(); }
    // Setting the slider position is what dragging does: it runs a move action.
    void setCurrentValue(const QVariant& value) override {
        Slider()->setSliderPosition(value.toInt());
    }
    QVariant maximumValue() const override { return Slider()->maximum(); }
    QVariant minimumValue() const override { return Slider()->minimum(); }
    QVariant minimumStepSize() const override { return Slider()->singleStep(); }

private:
    QAbstractSlider* Slider() const { return static_cast<QAbstractSlider*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueSlider::staticMetaObject.className()))
        return new AccessibleValueSlider(static_cast<ValueSlider*>(object));
    return nullptr;
}

} // namespace

ValueSlider::ValueSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent), m_knownPosition(value()) {
    static const bool accessibleInstalled = (QAccessible::installFactory(AccessibleFor), true);
    Q_UNUSED(accessibleInstalled);
    ApplyDirection();
    // Every user move (keys, wheel, track clicks, dragging) passes through an action, and a
    // programmatic move never does. The new position is already known when it is announced.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] {
        ReportIfMoved(sliderPosition());
        if (!m_dragging)
            FinishSession();
    });
}

void ValueSlider::SetScale(double scale) {
    if (std::isfinite(scale) && scale > 0)
        m_scale = scale;
}

void ValueSlider::SetRange(int first, int last) {
    m_reversed = first > last;
    setRange(std::min(first, last), std::max(first, last));
    ApplyDirection();
    m_knownPosition = value();
}

double ValueSlider::Value() const {
    return value() * m_scale;
}

void ValueSlider::SetValue(double value) {
    if (!std::isfinite(value))
        return;
    const int position = lumivane::TruncToInt32(value / m_scale);
    m_knownPosition = std::clamp(position, minimum(), maximum());
    setValue(m_knownPosition);
}

void ValueSlider::mousePressEvent(QMouseEvent* event) {
    // A press on the track may already move the slider, so the session starts before it.
    m_dragging = true;
    QSlider::mousePressEvent(event);
}

void ValueSlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    m_dragging = false;
    FinishSession();
}

void ValueSlider::hideEvent(QHideEvent* event) {
    // A drag whose release never comes (the view went away under the pointer) still ends.
    m_dragging = false;
    FinishSession();
    QSlider::hideEvent(event);
}

void ValueSlider::ReportIfMoved(int position) {
    if (position == m_knownPosition)
        return;
    if (!m_inSession) {
        m_inSession = true;
        Q_EMIT editStarted();
    }
    m_knownPosition = position;
    Q_EMIT valueReported(position * m_scale);
}

void ValueSlider::FinishSession() {
    if (!m_inSession)
        return;
    m_inSession = false;
    Q_EMIT editFinished();
}

void ValueSlider::ApplyDirection() {
    // The track starts at the left or the top, but a Qt vertical slider has its maximum at the
    // top; keys and the wheel follow the picture.
    const bool inverted = m_reversed != (orientation() == Qt::Vertical);
    setInvertedAppearance(inverted);
    setInvertedControls(inverted);
}
