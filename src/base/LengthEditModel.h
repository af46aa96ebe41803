#pragma once
// What a length edit field does, without the widget: the value it holds, the text it shows,
// spin steps, and how typed text, focus loss and Enter change the value. The widget feeds it
// events and hands it two sinks: one that sets the field's text, one that moves a linked
// slider.

#include "base/Length.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace lumivane {

class LengthEditModel {
public:
    // No real length takes this value, so the first value set is always shown.
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
    bool IsUpdating() const { return m_updating; }
    LengthKind Kind() const { return m_kind; }

    void SetValue(double metres, bool notify);
    void Redisplay();
    void SetKind(LengthKind kind);
    // Rewrites the text in its canonical form and tells the linked slider.
    void Refresh();
    // delta is the spin control's proposed change: -1 for its up arrow, +1 for down.
    void Step(int delta);
    double Value() const { return m_value; }

    void TextChangedByUser(std::string_view text);
    void FocusLost() { Refresh(); }
    void EnterReleased(bool enabled);

private:
    void ResetFrom(double marker);
    std::string DisplayText() const;
    double ValueInSteps() const;
    double MetresFromSteps(double steps) const;

    bool m_noLowerLimit = false;
    bool m_fineSteps = false;
    bool m_zeroAllowed = false;
    bool m_updating = false;
    LengthKind m_kind = Length;
    double m_value = InitialMarker;
    DisplaySink m_display;
    SliderSink m_linked;
};

} // namespace lumivane
