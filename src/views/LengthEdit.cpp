#include "views/LengthEdit.h"

#include "views/AccessibleShownText.h"
#include "views/LimitNotice.h"
#include "views/UndoKeys.h"
#include "views/ValueSlider.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double MetresPerMillimetre = 0.001;

bool SameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Qt's spin box interface says nothing of a field that cannot be typed into.
class AccessibleShownLength : public AccessibleShownText {
public:
    explicit AccessibleShownLength(LengthEdit* field)
        : AccessibleShownText(field, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

protected:
    QString Shown() const override { return static_cast<const LengthEdit*>(widget())->text(); }
};

// Fields that can be typed into keep Qt's own interface.
QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className != QLatin1String(LengthEdit::staticMetaObject.className())) {
        return nullptr;
    }
    auto* field = static_cast<LengthEdit*>(object);
    return field->isReadOnly() ? new AccessibleShownLength(field) : nullptr;
}

} // namespace

LengthEdit::LengthEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    m_model.SetDisplaySink(
        [this](const std::string& text) { lineEdit()->setText(QString::fromStdString(text)); });
    // Not textEdited: a screen reader replaces the text without it.
    connect(lineEdit(), &QLineEdit::textChanged, this, &LengthEdit::TakeTypedText);
}

void LengthEdit::SetValue(double metres, bool force) {
    if (force)
        m_model.ForceValue(metres);
    else
        m_model.SetValue(metres, true);
}

void LengthEdit::SetShowOnly() {
    static const bool accessibleInstalled = (QAccessible::installFactory(AccessibleFor), true);
    Q_UNUSED(accessibleInstalled);
    setReadOnly(true);
    // An interface made before (setting up the field may make one) would go on calling the
    // field editable.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setFrame(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
}

void LengthEdit::ShowNothing() {
    m_model.ForceValue(lumivane::LengthEditModel::InitialMarker);
}

std::optional<double> LengthEdit::OptionalValue() const {
    if (m_model.HoldsNothing())
        return std::nullopt;
    return Value();
}

void LengthEdit::SetOptionalValue(std::optional<double> metres, bool force) {
    if (metres)
        SetValue(*metres, force);
    else if (force || !m_model.HoldsNothing())
        ShowNothing();
}

double LengthEdit::AccessibleValue() const {
    return OptionalValue().value_or(std::numeric_limits<double>::quiet_NaN());
}

void LengthEdit::SetValueAsTyped(double metres) {
    if (isReadOnly() || !isEnabled() || !std::isfinite(metres))
        return;
    metres = std::clamp(metres, Minimum(), Maximum());
    const std::string millimetres =
        QString::number(std::abs(metres) * 1000, 'g', 17).toStdString() + "mm";
    m_model.TextChangedByUser(metres < 0 ? "-" + millimetres : millimetres);
    NoteUserEdit();
    m_model.EnterReleased(true);
    TellLimitCrossed();
    FinishBurst();
}

void LengthEdit::SetLinkedSlider(ValueSlider* slider) {
    if (m_slider)
        disconnect(m_slider, nullptr, this, nullptr);
    m_slider = slider;
    if (!slider) {
        m_model.SetLinkedSlider({});
        return;
    }
    m_model.SetLinkedSlider([this](double value) {
        if (m_slider)
            m_slider->SetValue(value);
    });
    // A slider session is a burst of its own, so it ends any typing first.
    connect(slider, &ValueSlider::editStarted, this, &LengthEdit::FinishBurst);
    connect(slider, &ValueSlider::valueReported, this, &LengthEdit::TakeSliderValue);
    connect(slider, &ValueSlider::editFinished, this, &LengthEdit::FinishBurst);
}

void LengthEdit::stepBy(int steps) {
    const double before = Value();
    // The model counts like the platform's spin control, whose up arrow is -1.
    m_model.Step(-steps);
    selectAll();
    TellLimitCrossed();
    if (SameValue(before, Value()))
        return;
    NoteUserEdit();
    Q_EMIT valueCommitted(Value());
}

QSize LengthEdit::sizeHint() const {
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    // Room for the widest text a real length shows, whatever the kind and unit system.
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("88888.88mm")) + 2,
                     lineEdit()->sizeHint().height());
    const QSize wanted = style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
    return QAbstractSpinBox::sizeHint().expandedTo(wanted);
}

void LengthEdit::CommitEdit() {
    m_model.FocusLost();
    TellLimitCrossed();
    FinishBurst();
}

QAbstractSpinBox::StepEnabled LengthEdit::stepEnabled() const {
    if (isReadOnly() || !isEnabled())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

bool LengthEdit::event(QEvent* event) {
    // Left unaccepted, the shortcut goes on to the window's Undo and Redo.
    if (event->type() == QEvent::ShortcutOverride &&
        lumivane::IsWindowUndoKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QAbstractSpinBox::event(event);
}

void LengthEdit::keyPressEvent(QKeyEvent* event) {
    if (lumivane::IsWindowUndoKey(*event)) {
        event->ignore();
        return;
    }
    // Handled on the press, before a dialog's default button takes the same key.
    if (IsEnterKey(*event)) {
        m_model.EnterReleased(isEnabled());
        TellLimitCrossed();
        FinishBurst();
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void LengthEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    // The field's own context menu takes the focus only for a moment; rewriting the text then
    // would pull it from under the user.
    if (event->reason() != Qt::PopupFocusReason)
        CommitEdit();
}

void LengthEdit::TakeTypedText(const QString& text) {
    if (m_model.IsUpdating())
        return; // the field's own write
    m_model.TextChangedByUser(text.toStdString());
    NoteUserEdit();
}

void LengthEdit::TakeSliderValue(double sliderValue) {
    const bool millimetres = Kind() == Millimetres;
    m_model.SetValue(millimetres ? sliderValue * MetresPerMillimetre : sliderValue, false);
    NoteUserEdit();
}

void LengthEdit::NoteUserEdit() {
    if (!m_inBurst) {
        m_inBurst = true;
        Q_EMIT editStarted();
    }
    Q_EMIT valueEdited(Value());
}

void LengthEdit::TellLimitCrossed() {
    lumivane::ShowLimitNotice(this, m_model.TakeLimitNotice());
}

void LengthEdit::FinishBurst() {
    if (!m_inBurst)
        return;
    m_inBurst = false;
    Q_EMIT valueCommitted(Value());
}
