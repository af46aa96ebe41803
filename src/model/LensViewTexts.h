#pragma once
// The texts of the lens view: the chosen combination's name, focal length and barrel, and
// where the lens shift moves the image. The shift is named by the image's direction, so a
// positive vertical shift reads "up." here while the summaries call it "Down".

#include <cstdint>
#include <string>
#include <vector>

class CLensType;

namespace lumivane {

struct LensDetailsText {
    std::string name;
    std::string focalLength;
    std::string diameter;
    std::string shift;
};

// What the view shows before it has a lens to show.
LensDetailsText EmptyLensDetails();
// The empty details for a missing set-up or one without a lens combination.
LensDetailsText LensDetailsFor(const CLensType* setUp);

// "Diameter: %d.%dmm" of a barrel in tenths of a millimetre.
std::string DiameterText(std::int16_t barrel);
// Shifts in metres; a shift of 0 reads right and up.
std::string ShiftText(double horizontal, double vertical);

// The alignment list runs top to bottom, the model's alignment bottom to top.
std::vector<std::string> AlignmentNames();
int AlignmentRow(std::int32_t alignment);
std::int32_t AlignmentOfRow(int row);

} // namespace lumivane
