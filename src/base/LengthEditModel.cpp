#include "base/LengthEditModel.h"

#include "base/AppContext.h"
#include "base/NumberText.h"

#include <cmath>

namespace lumivane {

namespace {

constexpr double RefreshMarker = -1234.567;
constexpr double EnterMarker = 0.0;

// Whole steps in the direction of travel, so a value between steps moves to the next one
// and a value on a step moves a full step.
double SnapToStep(double steps, int delta) {
    if (delta < 0)
        return std::trunc(steps >= 0 ? steps + 0.001 : steps - 0.995);
    if (delta > 0)
        return std::trunc(steps >= 0 ? steps + 0.995 : steps - 0.001);
    return steps;
}

// The '-' or '+' the text starts with, or 0.
char LeadingSign(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos || (text[first] != '-' && text[first] != '+'))
        return 0;
    return text[first];
}

} // namespace

void LengthEditModel::SetValue(double metres, bool notify) {
    if (metres == m_value || (std::isnan(metres) && std::isnan(m_value)))
        return;
    m_value = metres;
    Redisplay();
    if (notify)
        TellSlider();
}

void LengthEditModel::ForceValue(double metres) {
    m_value = metres;
    Redisplay();
    TellSlider();
}

void LengthEditModel::Redisplay() {
    m_signTyped = false;
    m_updating = true;
    if (m_display)
        m_display(DisplayText());
    m_updating = false;
}

void LengthEditModel::SetKind(LengthKind kind) {
    if (kind == m_kind)
        return;
    m_kind = kind;
    Redisplay();
}

void LengthEditModel::Refresh() {
    ResetFrom(RefreshMarker);
}

void LengthEditModel::Step(int delta) {
    double steps = SnapToStep(ValueInSteps(), delta) - delta;
    if (!m_noLowerLimit && steps < 1) {
        if (!m_zeroAllowed)
            steps = 1;
        else if (steps < 0)
            steps = 0;
    }
    SetValue(MetresFromSteps(steps), true);
}

void LengthEditModel::TextChangedByUser(std::string_view text) {
    if (m_updating)
        return;
    const double typed = ParseLength(text, m_kind);
    const bool signTypedBefore = m_signTyped;
    const char lead = LeadingSign(text);
    m_signTyped = m_noLowerLimit && lead != 0;
    if (m_signTyped)
        m_value = lead == '-' ? -typed : typed;
    else if (signTypedBefore)
        m_value = typed; // the user took back the sign they had typed
    else
        m_value = KeepsSign() ? -typed : typed;
}

void LengthEditModel::EnterReleased(bool enabled) {
    if (enabled)
        ResetFrom(EnterMarker);
}

void LengthEditModel::ResetFrom(double marker) {
    const double previous = m_value;
    m_value = marker;
    SetValue(previous, true);
}

void LengthEditModel::TellSlider() const {
    // A slider position is a whole number; nothing non-finite may become one.
    if (m_linked && std::isfinite(m_value))
        m_linked(m_kind == Millimetres ? m_value * 1000 : m_value);
}

bool LengthEditModel::KeepsSign() const {
    // The displayed text carries no sign, so the held sign survives editing. The marker of a
    // field that was never set is not a value, so its sign is not kept.
    return m_value < 0 && m_value != InitialMarker;
}

std::string LengthEditModel::DisplayText() const {
    // The shared formatter shows a value that is not finite as "N/A" in every kind.
    if (m_kind == Millimetres && std::isfinite(m_value))
        return FormatFixed(m_value * 1000, 1) + "mm";
    std::string text;
    FormatLength(m_value, text, m_kind);
    return text;
}

double LengthEditModel::ValueInSteps() const {
    switch (m_kind) {
    case FineInches:
        return FeetFromMetres(m_value) * 120;
    case FineMillimetres:
        return m_value * 10000;
    case Millimetres:
        return m_value * 1000;
    default:
        if (Ctx().metricUnits)
            return m_value * (m_fineSteps ? 10 : 2);
        return FeetFromMetres(m_value) * (m_fineSteps ? 12 : 1);
    }
}

double LengthEditModel::MetresFromSteps(double steps) const {
    switch (m_kind) {
    case FineInches:
        return MetresFromFeet(steps) * 0.008333333333333333;
    case FineMillimetres:
        return steps * 0.0001;
    case Millimetres:
        return steps * 0.001;
    default:
        if (Ctx().metricUnits)
            return steps * (m_fineSteps ? 0.1 : 0.5);
        return MetresFromFeet(m_fineSteps ? steps * 0.08333333333333333 : steps);
    }
}

} // namespace lumivane
