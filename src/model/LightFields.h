#pragma once
// What the light fields of the auditorium and projector views read and show. Each value may
// be left empty, which means "not known" (or the value's default); anything typed must be a
// number the checks can use, else the field says what it takes instead of storing it.

#include "model/LightValues.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

enum class LightValue { Lumens, LightFactor, ScreenGain, PortGlass, Transmission3D };

struct LightFieldRead {
    std::optional<double> value;
    // Empty when the text was taken.
    std::string refusal;

    bool Refused() const { return !refusal.empty(); }
};

// "Light output", "Screen gain", ...: the field's label.
std::string LightFieldLabel(LightValue which);
// What an empty field stands for: "not known", "1.0", "no 3D".
std::string LightFieldPlaceholder(LightValue which);
// Empty text gives no value. Lumens may carry thousands separators and " lm"; the factors
// take ',' as the decimal point too, as a designer with a German keyboard types them.
LightFieldRead ReadLightField(LightValue which, std::string_view text);
// The text a field shows for a stored value; empty when unset.
std::string LightFieldText(LightValue which, std::optional<double> value);

// Why the seat rows cannot be stored, or empty when they can.
std::string SeatRowsRefusal(const SeatRows& rows);

} // namespace lumivane
