#pragma once
// What the custom-format dialog edits of a user-defined format, and how its answers become the
// format's fields: the name, the aperture as on film, the anamorphic choice and the kind boxes.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

class CFormatDescriptor;

namespace lumivane {

struct FormatKindBox {
    const char* text;
    std::int32_t bits;
};
// The "Projector Types" boxes in the dialog's order; a box is ticked when any of its bits is set
// and sets all of them.
extern const std::array<FormatKindBox, 10> kFormatKindBoxes;

struct AnamorphicChoice {
    const char* text;
    double factor;
    std::int32_t flag;
};
extern const std::array<AnamorphicChoice, 6> kAnamorphicChoices;
// The choice a format's flags stand for: the first set of 2.0, 1.5, 1.9, 1.33, 1.42; else None.
int AnamorphicIndexOf(std::int32_t flags);

struct CustomFormatFields {
    std::string name;
    // Millimetres, as on film (before unsqueezing).
    double width = 0;
    double height = 0;
    int anamorphic = 0;
    std::array<bool, kFormatKindBoxes.size()> kinds{};
};

// The aperture's diagonal, and the width and height scaled so that the diagonal goes from
// `from` to `to` (unchanged when `from` is no length).
double ApertureDiagonal(double width, double height);
std::pair<double, double> ScaleToDiagonal(double width, double height, double from, double to);

CustomFormatFields FieldsOf(const CFormatDescriptor& format);
std::int32_t KindBits(const CustomFormatFields& fields);
// Empty when the fields make a format the settings can hold; else the message that says why
// not.
std::string CheckCustomFormat(const CustomFormatFields& fields);
// The fields into format: kind bits and the anamorphic flag (other bits are not kept), the
// factor, the unsqueezed width, the height and both names. The aspect and the excluded kinds
// stay as they were.
void ApplyCustomFormat(const CustomFormatFields& fields, CFormatDescriptor& format);

} // namespace lumivane
