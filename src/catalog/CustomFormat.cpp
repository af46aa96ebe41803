#include "catalog/CustomFormat.h"

#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace Flag = FormatFlag;

const std::array<FormatKindBox, 10> kFormatKindBoxes{{
    {"16mm", Flag::Film16},
    {"35mm", Flag::Film35},
    {"70mm 5-perf", Flag::Film70FivePerf},
    {"70mm 8-perf", Flag::Film70EightPerf},
    {"70mm 10-perf", Flag::Film70TenPerf},
    {"DMD", Flag::AnyDmd},
    {"D-Cinema", Flag::DCinema},
    {"LCD", Flag::Lcd},
    {"Slide", Flag::Slide},
    {"Super Slide", Flag::SuperSlide},
}};

const std::array<AnamorphicChoice, 6> kAnamorphicChoices{{
    {"None", 1.0, 0},
    {"1.5", 1.5, Flag::Anamorphic148},
    {"1.9", 1.9, Flag::Anamorphic190},
    {"2.0", 2.0, Flag::Anamorphic200},
    {"1.33", 1.33, Flag::Anamorphic133},
    {"1.42", 1.42, Flag::Anamorphic142},
}};

int AnamorphicIndexOf(std::int32_t flags) {
    for (const int index : {3, 1, 2, 4, 5}) {
        if (flags & kAnamorphicChoices[static_cast<std::size_t>(index)].flag) {
            return index;
        }
    }
    return 0;
}

double ApertureDiagonal(double width, double height) {
    return std::sqrt(width * width + height * height);
}

std::pair<double, double> ScaleToDiagonal(double width, double height, double from, double to) {
    if (!(from > 0) || !std::isfinite(to)) {
        return {width, height};
    }
    return {width * to / from, height * to / from};
}

CustomFormatFields FieldsOf(const CFormatDescriptor& format) {
    CustomFormatFields fields;
    fields.name = format.GetName();
    fields.width = format.GetAnamorphic() != 0 ? format.GetWidth() / format.GetAnamorphic() : 0;
    fields.height = format.GetHeight();
    fields.anamorphic = AnamorphicIndexOf(format.GetFlags());
    for (std::size_t i = 0; i < kFormatKindBoxes.size(); ++i) {
        fields.kinds[i] = (format.GetFlags() & kFormatKindBoxes[i].bits) != 0;
    }
    return fields;
}

std::int32_t KindBits(const CustomFormatFields& fields) {
    std::int32_t bits = 0;
    for (std::size_t i = 0; i < kFormatKindBoxes.size(); ++i) {
        if (fields.kinds[i]) {
            bits |= kFormatKindBoxes[i].bits;
        }
    }
    return bits;
}

std::string CheckCustomFormat(const CustomFormatFields& fields) {
    if (fields.name.empty()) {
        return "Please give the format a name.";
    }
    if (!CFormatDescriptor::IsStorableName(fields.name)) {
        return "A format name cannot contain \";\" or a line break.";
    }
    // NaN fails these too.
    if (!(fields.width > 0) || !(fields.height > 0) || !std::isfinite(fields.width) ||
        !std::isfinite(fields.height)) {
        return "The width and the height of a format must be more than zero.";
    }
    if (fields.anamorphic < 0 || fields.anamorphic >= static_cast<int>(kAnamorphicChoices.size())) {
        return "Please choose an anamorphic factor from the list.";
    }
    return {};
}

void ApplyCustomFormat(const CustomFormatFields& fields, CFormatDescriptor& format) {
    const int index =
        std::clamp(fields.anamorphic, 0, static_cast<int>(kAnamorphicChoices.size()) - 1);
    const AnamorphicChoice& choice = kAnamorphicChoices[static_cast<std::size_t>(index)];
    format.SetFlags(KindBits(fields) | choice.flag);
    format.SetAnamorphic(choice.factor);
    format.SetWidth(choice.factor * fields.width);
    format.SetHeight(fields.height);
    format.SetName(fields.name);
    format.SetName2(fields.name);
}

} // namespace lumivane
