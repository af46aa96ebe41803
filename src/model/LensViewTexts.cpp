#include "model/LensViewTexts.h"

#include "base/Length.h"
#include "base/NumberText.h"
#include "model/LensType.h"

#include <cstdlib>

namespace lumivane {

namespace {

constexpr std::int32_t kLastAlignment = 2;

std::string Millimetres(double metres) {
    std::string text;
    FormatLength(std::abs(metres), text, FineMillimetres);
    return text;
}

} // namespace

LensDetailsText EmptyLensDetails() {
    return {"No Name", "Focal Length: 0mm", "Diameter: 0 inch", "Shift 0mm left, 0mm up"};
}

LensDetailsText LensDetailsFor(const CLensType* setUp) {
    if (!setUp) {
        return EmptyLensDetails();
    }
    if (!setUp->HasCombination()) {
        // The shift belongs to the set-up, not to the lens that is still to be picked.
        LensDetailsText texts = EmptyLensDetails();
        texts.shift = ShiftText(setUp->ShiftH(), setUp->ShiftV());
        return texts;
    }
    const CLensChoice& choice = setUp->Choice();
    return {choice.GetName(), "Focal Length: " + FormatFixed(choice.GetFocal(), 2) + "mm",
            DiameterText(setUp->Barrel()), ShiftText(setUp->ShiftH(), setUp->ShiftV())};
}

std::string DiameterText(std::int16_t barrel) {
    const int tenths = std::abs(static_cast<int>(barrel));
    const std::string sign = barrel < 0 ? "-" : "";
    return "Diameter: " + sign + FormatInt(tenths / 10) + "." + FormatInt(tenths % 10) + "mm";
}

std::string ShiftText(double horizontal, double vertical) {
    return "Shift " + Millimetres(horizontal) + (horizontal >= 0 ? " right " : " left ") +
           Millimetres(vertical) + (vertical >= 0 ? " up." : " down.");
}

std::vector<std::string> AlignmentNames() {
    return {"Top Alignment", "Center Alignment", "Bottom Alignment"};
}

int AlignmentRow(std::int32_t alignment) {
    return kLastAlignment - alignment;
}

std::int32_t AlignmentOfRow(int row) {
    return kLastAlignment - row;
}

} // namespace lumivane
