#pragma once
// The field for every length: the user types a length in any unit ("3' 10\"", "35mm") and
// sees it rewritten in the unit system's form when they press Enter or leave the field. Its
// arrows, the mouse wheel and the Up and Down keys step the value by the unit's step.
//
// Signals and edit sessions:
// - valueEdited(metres): every change the user makes (each keystroke, each step, each move of
//   a linked slider), with the value as it now stands. Most fields store on this.
// - valueCommitted(metres): the user settled on a value: Enter, leaving the field, a step, or
//   the end of a linked slider's session. Fields that must not store half-typed values (a
//   throw distance with a floor) store on this instead.
// - editStarted(): the start of a new burst of edits, right before its first valueEdited().
//   A burst runs from the first change after focus-in (or after the last Enter) until Enter or
//   the field loses focus; a linked slider's session is a burst of its own. The undo layer
//   merges the edits of one burst into one step.
// Setting a value from the program never emits anything.
//
// Limits: what the user types or steps to stays within the field's limits (by default any
// length up to the longest a cinema holds). Beyond them the value is held at the limit, the
// text shows the limit with its unit once the user settles, and a notice beside the field
// says which limit it was.
//
// Undo and redo keys are left to the window: the project's undo, not the field's, answers
// them.

#include "base/Length.h"
#include "base/LengthEditModel.h"

#include <QAbstractSpinBox>
#include <QPointer>

#include <optional>

class ValueSlider;

class LengthEdit : public QAbstractSpinBox {
    Q_OBJECT
    // What assistive tools read and set as a spin box's value, in metres. A value set there is
    // taken as typed and settled with Enter.
    Q_PROPERTY(double value READ AccessibleValue WRITE SetValueAsTyped)
    Q_PROPERTY(double minimum READ Minimum)
    Q_PROPERTY(double maximum READ Maximum)

public:
    explicit LengthEdit(QWidget* parent = nullptr);

    // Shows metres in the field and moves a linked slider. Unless forced, an unchanged value
    // leaves the text alone (so a refresh does not disturb the user's typing); forced, the
    // text is rewritten in any case, as after a change of unit system. A value that is not a
    // number shows "N/A".
    void SetValue(double metres, bool force = false);
    double Value() const { return m_model.Value(); }
    // An empty field, as for an item that is not there; the next value set is shown, whatever
    // it is.
    void ShowNothing();

    void SetKind(LengthKind kind) { m_model.SetKind(kind); }
    LengthKind Kind() const { return m_model.Kind(); }
    // Steps may go below the smallest step, and a leading '-' or '+' typed sets the sign.
    void SetNoLowerLimit(bool on) { m_model.SetNoLowerLimit(on); }
    // Length kind steps by 0.1 m or one inch instead of 0.5 m or one foot.
    void SetFineSteps(bool on) { m_model.SetFineSteps(on); }
    // Steps may reach 0 instead of stopping at one step.
    void SetZeroAllowed(bool on) { m_model.SetZeroAllowed(on); }
    // The user may empty the field for a length that is not known.
    void SetEmptyAllowed(bool on) { m_model.SetEmptyAllowed(on); }
    // None while the field is empty.
    std::optional<double> OptionalValue() const;
    // Empty for none.
    void SetOptionalValue(std::optional<double> metres, bool force);
    void SetLimits(const lumivane::LengthLimits& limits) { m_model.SetLimits(limits); }
    double Minimum() const { return m_model.Limits().lowest; }
    double Maximum() const { return m_model.Limits().highest; }
    // Not a number while the field is empty.
    double AccessibleValue() const;
    void SetValueAsTyped(double metres);
    // A field that only shows its value looks like it: read-only, without arrows or frame,
    // on the window's background, and a screen reader hears it as read-only. Called before
    // the field is first shown.
    void SetShowOnly();

    // The slider follows every value set here, and its moves become this field's edits.
    void SetLinkedSlider(ValueSlider* slider);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    // The user is in a burst of edits not yet settled: what the field shows is theirs, and a
    // field that stores on commit has not stored it.
    bool InBurst() const { return m_inBurst; }

public Q_SLOTS:
    // What leaving the field does: the text is rewritten and an open burst is committed. The
    // window calls this before it undoes anything.
    void CommitEdit();

Q_SIGNALS:
    void editStarted();
    void valueEdited(double metres);
    void valueCommitted(double metres);

protected:
    StepEnabled stepEnabled() const override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void TakeTypedText(const QString& text);
    void TakeSliderValue(double sliderValue);
    void NoteUserEdit();
    void FinishBurst();
    void TellLimitCrossed();

    lumivane::LengthEditModel m_model;
    QPointer<ValueSlider> m_slider;
    bool m_inBurst = false;
};
