#include "base/LengthEditModel.h"

#include "base/AppContext.h"
#include "base/NumberText.h"

#include <cmath>
#include <utility>

namespace lumivane {

namespace {

constexpr double RefreshMarker = -1234.567;

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

std::string FieldText(double metres, LengthKind kind) {
    // The shared formatter shows a value that is not finite as "N/A" in every kind.
    if (kind == Millimetres && std::isfinite(metres))
        return FormatFixed(metres * 1000, 1) + "mm";
    std::string text;
    FormatLength(metres, text, kind);
    return text;
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
    SetValue(WithinLimits(MetresFromSteps(steps)), true);
}

void LengthEditModel::TextChangedByUser(std::string_view text) {
    if (m_updating)
        return;
    if (m_emptyAllowed && text.find_first_not_of(' ') == std::string_view::npos) {
        m_crossed = LimitCrossed::None;
        m_value = InitialMarker;
        return;
    }
    const double typed = ParseLength(text, m_kind);
    const bool signTypedBefore = m_signTyped;
    const char lead = LeadingSign(text);
    m_signTyped = m_noLowerLimit && lead != 0;
    double value = typed;
    if (m_signTyped)
        value = lead == '-' ? -typed : typed;
    else if (!signTypedBefore && KeepsSign())
        value = -typed; // the held sign, unless the user just took back a sign they typed
    m_value = WithinLimits(value);
}

// Rewritten whatever the value, 0 too: "abc" left standing after Enter would hide the 0 the
// field holds.
void LengthEditModel::EnterReleased(bool enabled) {
    if (enabled)
        Refresh();
}

std::string LengthEditModel::TakeLimitNotice() {
    const LimitCrossed crossed = std::exchange(m_crossed, LimitCrossed::None);
    if (crossed == LimitCrossed::None)
        return {};
    const double limit = crossed == LimitCrossed::Highest ? m_limits.highest : m_limits.lowest;
    // The text carries no sign, so a limit below zero reads as the largest distance that way.
    const bool farthest = crossed == LimitCrossed::Highest || m_limits.lowest < 0;
    return LimitNotice(farthest ? LimitCrossed::Highest : LimitCrossed::Lowest,
                       FieldText(limit, m_kind));
}

double LengthEditModel::WithinLimits(double metres) {
    m_crossed = CrossedLimit(metres, m_limits);
    return ClampLength(metres, m_limits);
}

void LengthEditModel::ResetFrom(double marker) {
    const double previous = m_value;
    m_value = marker;
    SetValue(previous, true);
}

void LengthEditModel::TellSlider() const {
    // A slider position is a whole number; nothing non-finite may become one.
    if (m_linked && std::isfinite(m_value) && m_value != InitialMarker)
        m_linked(m_kind == Millimetres ? m_value * 1000 : m_value);
}

bool LengthEditModel::KeepsSign() const {
    // The displayed text carries no sign, so the held sign survives editing where the limits
    // allow one. The marker of a field that was never set is not a value, so its sign is not
    // kept.
    return m_value < 0 && m_value != InitialMarker && m_limits.lowest < 0;
}

std::string LengthEditModel::DisplayText() const {
    return m_value == InitialMarker ? std::string() : FieldText(m_value, m_kind);
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
