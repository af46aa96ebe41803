#include "FormatRoundTrip.h"

#include <cmath>

#include "FuzzSupport.h"

namespace lumivane::fuzz {

namespace {

// The registry form keeps three decimals of each number. Far beyond real format sizes the
// unsqueezing factors no longer cancel to within those decimals (and may overflow), so the
// text is only required to settle for numbers a format can have.
constexpr double kLargestSettled = 1e9;

bool IsSettledRange(const CFormatDescriptor& format) {
    for (const double v : {format.GetAspect(), format.GetHeight(), format.GetWidth()}) {
        if (!(std::fabs(v) < kLargestSettled)) {
            return false;
        }
    }
    return true;
}

CFormatDescriptor ReadBack(const std::string& text, std::int32_t index) {
    CFormatDescriptor format;
    format.ParseText(text, index);
    return format;
}

} // namespace

void RequireStableRegistryForm(const CFormatDescriptor& format) {
    const std::string first = format.ToText();
    const CFormatDescriptor once = ReadBack(first, 7);
    Require(once.GetCustomIndex() == 7);
    Require(once.GetFlags() == format.GetFlags());
    Require(once.GetExcluded() == format.GetExcluded());
    if (CFormatDescriptor::IsStorableName(format.GetName()) &&
        CFormatDescriptor::IsStorableName(format.GetName2())) {
        Require(once.GetName() == format.GetName());
        Require(once.GetName2() == format.GetName2());
    }
    const std::string second = once.ToText();
    const std::string third = ReadBack(second, 7).ToText();
    if (IsSettledRange(format) && IsSettledRange(once)) {
        Require(second == third);
    }
}

} // namespace lumivane::fuzz
