#include "model/LightFields.h"

#include "base/FieldLimits.h"
#include "base/NumberText.h"

#include <array>
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

// Each value's label, what its empty field stands for, which numbers it takes and how a
// refusal names them, in the order of LightValue.
struct LightValueInfo {
    const char* label;
    const char* placeholder;
    bool (*valid)(std::optional<double>);
    std::string range;
};

const LightValueInfo& Info(LightValue which) {
    static const std::array<LightValueInfo, 5> values{{
        {"Light output", "not known", ValidLumens, "a number of lumens from 0 to 1,000,000"},
        {"Light factor", "1.0", ValidLightFactor, "a number above 0 and at most 1"},
        {"Screen gain", "1.0", ValidGain,
         "a number above 0 and at most " + FormatRoundTrip(kGainLimits.highest)},
        {"Port glass", "1.0", ValidTransmission, "a number from 0 to 1"},
        {"3D transmission", "no 3D", ValidTransmission, "a number from 0 to 1"},
    }};
    return values.at(static_cast<std::size_t>(which));
}

} // namespace

std::string LightFieldLabel(LightValue which) {
    return Info(which).label;
}

std::string LightFieldPlaceholder(LightValue which) {
    return Info(which).placeholder;
}

LightFieldRead ReadLightField(LightValue which, std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return {};
    }
    const std::string number =
        which == LightValue::Lumens ? LumensNumberText(text) : FactorNumberText(text);
    const std::optional<double> value = WholeNumber(number);
    const LightValueInfo& info = Info(which);
    if (value && info.valid(value)) {
        return {value, {}};
    }
    return {std::nullopt, std::string(info.label) + ": type " + info.range +
                              ", or leave the field empty for " + info.placeholder + "."};
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
