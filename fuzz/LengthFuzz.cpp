// Typed lengths in every kind and both unit systems. A typed length is never negative and
// always finite, and what the program shows of a length reads back as the same length.

#include "base/AppContext.h"
#include "base/Length.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"

using lumivane::fuzz::Require;

namespace {

// Above this the shown text still reads back, but the relative error of the fixed decimals
// is no longer the point.
constexpr double kLargestChecked = 1e12;

// The metric length and the fine millimetre forms show two decimals of their unit.
void RequireShownReadsBack(double metres, LengthKind kind, double unitInMetres) {
    std::string shown;
    FormatLength(metres, shown, kind);
    const double back = ParseLength(shown, kind);
    Require(std::fabs(back - metres) <= 0.0051 * unitInMetres + metres * 1e-12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    lumivane::ScopedAppContext context;
    const auto kind = static_cast<LengthKind>(data[0] & 3);
    context.context().metricUnits = (data[0] & 4) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const double metres = ParseLength(text, kind);
    Require(std::isfinite(metres) && metres >= 0.0);

    std::string shown;
    FormatLength(metres, shown, kind);
    if (metres <= kLargestChecked) {
        RequireShownReadsBack(metres, FineMillimetres, 0.001);
        context.context().metricUnits = true;
        RequireShownReadsBack(metres, Length, 1.0);
    }
    return 0;
}
