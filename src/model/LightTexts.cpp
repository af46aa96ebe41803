#include "model/LightTexts.h"

#include "base/NumberText.h"

#include <cmath>

namespace lumivane {

namespace {

// Whole numbers with thousands separated by commas: "11,980".
std::string Grouped(double value) {
    std::string digits = FormatInt(std::llround(value));
    const std::size_t first = digits[0] == '-' ? 1 : 0;
    for (std::size_t at = digits.size(); at > first + 3; at -= 3) {
        digits.insert(at - 3, ",");
    }
    return digits;
}

// One decimal, none when it is 0: the targets as the standards give them.
std::string Plain(double value) {
    std::string text = FormatFixed(value, 1);
    if (text.ends_with(".0")) {
        text.resize(text.size() - 2);
    }
    return text;
}

std::string Degrees(double angle) {
    return FormatFixed(angle, 1) + "\xC2\xB0";
}

std::string WithVerdict(const std::string& figure, Verdict verdict) {
    return figure + ": " + VerdictWord(verdict);
}

} // namespace

std::string LuminanceText(double cdM2) {
    return FormatFixed(cdM2, 1) + " cd/m\xC2\xB2 (" + FormatFixed(FootLamberts(cdM2), 1) + " fL)";
}

std::string TargetText(const LuminanceTarget& target) {
    const auto plain = [](double cdM2) {
        return Plain(cdM2) + " cd/m\xC2\xB2 (" + Plain(FootLamberts(cdM2)) + " fL)";
    };
    if (!target.highestCdM2) {
        return "at least " + plain(target.lowestCdM2) + ", premium aim " +
               plain(target.premiumCdM2.value_or(target.aimCdM2));
    }
    return plain(target.aimCdM2) + " \xC2\xB1" + Plain(*target.highestCdM2 - target.aimCdM2) +
           " cd/m\xC2\xB2 (" + target.source + ")";
}

std::string SetUpLuminanceText(const SetUpLight& light) {
    if (!light.luminanceCdM2 || !light.verdict) {
        return kNotKnownText;
    }
    return WithVerdict(LuminanceText(*light.luminanceCdM2), *light.verdict);
}

std::string LumensNeededText(const SetUpLight& light) {
    return light.lumensNeeded ? Grouped(*light.lumensNeeded) + " lm" : kNotKnownText;
}

std::string LightShareText(const SetUpLight& light) {
    return light.lightShare ? FormatFixed(*light.lightShare, 3) : kNotKnownText;
}

std::string HorizontalAngleText(std::optional<double> angle) {
    return angle ? WithVerdict(Degrees(*angle), JudgeHorizontal(*angle)) : kNotKnownText;
}

std::string VerticalAngleText(std::optional<double> angle) {
    return angle ? WithVerdict(Degrees(*angle), JudgeVertical(*angle)) : kNotKnownText;
}

std::string WidthsText(std::optional<double> widths) {
    return widths ? FormatFixed(*widths, 2) + " image widths" : kNotKnownText;
}

std::string HorizontalTargetText() {
    return "at least " + Plain(kLeastAngleEg18) + "\xC2\xB0 (SMPTE EG-18), " +
           Plain(kLeastAngleThx) + "\xC2\xB0 (THX)";
}

std::string VerticalTargetText() {
    return "at most " + Plain(kSteepestVerticalAngle) + "\xC2\xB0";
}

std::string WidthsTargetText() {
    return "at most " + FormatFixed(WidthsForAngle(kLeastAngleEg18), 2) + " (" +
           Plain(kLeastAngleEg18) + "\xC2\xB0), " + FormatFixed(WidthsForAngle(kLeastAngleThx), 2) +
           " (" + Plain(kLeastAngleThx) + "\xC2\xB0)";
}

std::string SetUpLightRowText(const SetUpLight& light) {
    if (!light.luminanceCdM2 || !light.verdict) {
        return light.format + ": " + kNotKnownText;
    }
    return light.format + ": " + SetUpLuminanceText(light) + "; needs " + LumensNeededText(light);
}

} // namespace lumivane
