#pragma once
// What a length edit field does, without the widget: the value it holds, the text it shows,
// spin steps, and how typed text, focus loss and Enter change the value. The widget feeds it
// events and hands it two sinks: one that sets the field's text, one that moves a linked
// slider.

#include "base/FieldLimits.h"
#include "base/Length.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace lumivane {

class LengthEditModel {
public:
    // No real length takes this value, so the first value set is always shown. Held, it is no
    // value at all: the field shows nothing and tells the slider nothing, whatever rewrites it.
    static constexpr double InitialMarker = -1234.5;

    using DisplaySink = std::function<void(const std::string& text)>;
    // Receives millimetres for the Millimetres kind, metres otherwise.
    using SliderSink = std::function<void(double value)>;

    void SetDisplaySink(DisplaySink sink) { m_display = std::move(sink); }
    // An empty sink means no linked slider.
    void SetLinkedSlider(SliderSink sink) { m_linked = std::move(sink); }

    void SetNoLowerLimit(bool on) { m_noLowerLimit = on; }
    void SetFineSteps(bool on) { m_fineSteps = on; }
    void SetZeroAllowed(bool on) { m_zeroAllowed = on; }
    // Emptied by the user, the field holds no value (the initial marker) instead of 0, for a
    // length that may be "not known".
    void SetEmptyAllowed(bool on) { m_emptyAllowed = on; }
    bool HoldsNothing() const { return m_value == InitialMarker; }
    // What the user may type or step to; a value set by the program is shown as it is.
    void SetLimits(const LengthLimits& limits) { m_limits = limits; }
    const LengthLimits& Limits() const { return m_limits; }
    bool IsUpdating() const { return m_updating; }
    LengthKind Kind() const { return m_kind; }

    // A value that is not a number is held and shown as "N/A"; the slider is told only finite
    // values.
    void SetValue(double metres, bool notify);
    // Like SetValue, but rewrites the text and tells the slider even when the value is the one
    // already held.
    void ForceValue(double metres);
    void Redisplay();
    void SetKind(LengthKind kind);
    // Rewrites the text in its canonical form and tells the linked slider.
    void Refresh();
    // delta is the spin control's proposed change: -1 for its up arrow, +1 for down. A step
    // stops at the limits.
    void Step(int delta);
    double Value() const { return m_value; }

    // The sign of the held value survives typing. With no lower limit a leading '-' or '+'
    // sets the sign instead, and taking that sign back out makes the value positive. A value
    // beyond the limits is held at the limit it crossed.
    void TextChangedByUser(std::string_view text);
    void FocusLost() { Refresh(); }
    // As Refresh, in an enabled field.
    void EnterReleased(bool enabled);
    // What the user is told once the last typed text or step crossed a limit (the limit with
    // its unit), then empty until a limit is crossed again.
    std::string TakeLimitNotice();

private:
    void ResetFrom(double marker);
    double WithinLimits(double metres);
    void TellSlider() const;
    bool KeepsSign() const;
    std::string DisplayText() const;
    double ValueInSteps() const;
    double MetresFromSteps(double steps) const;

    bool m_noLowerLimit = false;
    bool m_fineSteps = false;
    bool m_zeroAllowed = false;
    bool m_emptyAllowed = false;
    bool m_updating = false;
    bool m_signTyped = false;
    LengthKind m_kind = Length;
    LengthLimits m_limits = kAnyLengthLimits;
    LimitCrossed m_crossed = LimitCrossed::None;
    double m_value = InitialMarker;
    DisplaySink m_display;
    SliderSink m_linked;
};

} // namespace lumivane
