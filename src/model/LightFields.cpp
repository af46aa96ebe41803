#include "model/LightFields.h"

#include "base/FieldLimits.h"
#include "base/NumberText.h"

#include <charconv>
#include <cmath>

namespace lumivane {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as one finite number, or none.
std::optional<double> WholeNumber(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string LumensNumberText(std::string_view text) {
    if (text.ends_with("lm")) {
        text = Trimmed(text.substr(0, text.size() - 2));
    }
    std::string digits;
    for (const char c : text) {
        if (c != ',' && c != ' ') {
            digits += c;
        }
    }
    return digits;
}

std::string FactorNumberText(std::string_view text) {
    std::string number(text);
    for (char& c : number) {
        if (c == ',') {
            c = '.';
        }
    }
    return number;
}

bool Valid(LightValue which, double value) {
    switch (which) {
    case LightValue::Lumens:
        return ValidLumens(value);
    case LightValue::LightFactor:
        return ValidLightFactor(value);
    case LightValue::ScreenGain:
        return ValidGain(value);
    case LightValue::PortGlass:
    case LightValue::Transmission3D:
        return ValidTransmission(value);
    }
    return false;
}

std::string RangeText(LightValue which) {
    switch (which) {
    case LightValue::Lumens:
        return "a number of lumens from 0 to 1,000,000";
    case LightValue::LightFactor:
        return "a number above 0 and at most 1";
    case LightValue::ScreenGain:
        return "a number above 0 and at most " + FormatRoundTrip(kGainLimits.highest);
    case LightValue::PortGlass:
    case LightValue::Transmission3D:
        return "a number from 0 to 1";
    }
    return {};
}

} // namespace

std::string LightFieldLabel(LightValue which) {
    switch (which) {
    case LightValue::Lumens:
        return "Light output";
    case LightValue::LightFactor:
        return "Light factor";
    case LightValue::ScreenGain:
        return "Screen gain";
    case LightValue::PortGlass:
        return "Port glass";
    case LightValue::Transmission3D:
        return "3D transmission";
    }
    return {};
}

std::string LightFieldPlaceholder(LightValue which) {
    switch (which) {
    case LightValue::Lumens:
        return "not known";
    case LightValue::Transmission3D:
        return "no 3D";
    default:
        return "1.0";
    }
}

LightFieldRead ReadLightField(LightValue which, std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return {};
    }
    const std::string number =
        which == LightValue::Lumens ? LumensNumberText(text) : FactorNumberText(text);
    const std::optional<double> value = WholeNumber(number);
    if (value && Valid(which, *value)) {
        return {value, {}};
    }
    return {std::nullopt, LightFieldLabel(which) + ": type " + RangeText(which) +
                              ", or leave the field empty for " + LightFieldPlaceholder(which) +
                              "."};
}

std::string LightFieldText(LightValue which, std::optional<double> value) {
    if (!value) {
        return {};
    }
    if (which == LightValue::Lumens && *value == std::round(*value)) {
        return FormatInt(std::llround(*value));
    }
    return FormatRoundTrip(*value);
}

std::string SeatRowsRefusal(const SeatRows& rows) {
    if (ValidSeatRows(rows)) {
        return {};
    }
    if (rows.nearest && rows.farthest && *rows.farthest < *rows.nearest) {
        return "The farthest row must not be nearer to the screen than the nearest row.";
    }
    return "Seat rows: type distances from 0 to the longest length a field takes.";
}

} // namespace lumivane
