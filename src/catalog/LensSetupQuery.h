#pragma once
// What the lens catalog needs to know about a lens set-up (one projector showing one format)
// to find lenses for it. The model's lens set-up implements this, so the catalog never
// depends on the model. The catalog only reads it: finding lenses never changes a set-up.

#include <cstdint>
#include <optional>

namespace lumivane {

// The parts of a format that lens choice tests a lens against.
struct LensFormatNeeds {
    std::int32_t flags = 0;    // kind and anamorphic bits the set-up must be served with
    std::int32_t excluded = 0; // kind bits that rule a lens or attachment out
    double filmDiagonal = 0.0; // millimetres, compared with a lens's coverage
};

class LensSetupQuery {
public:
    virtual ~LensSetupQuery() = default;

    // The set-up's format as found in the format catalog; none when its position no longer
    // names a format, in which case no lens serves the set-up.
    virtual std::optional<LensFormatNeeds> FormatNeeds() const = 0;
    // Barrel diameter in tenths of a millimetre; 0 while none is chosen.
    virtual std::int16_t Barrel() const = 0;
    // The focal length the set-up needs, in millimetres.
    virtual double RequiredFocalMm() const = 0;
};

} // namespace lumivane
