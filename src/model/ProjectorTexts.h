#pragma once
// What the projector and format views show of a projector's place and angles, and where their
// Center and Default buttons put it.

#include <string>

class CAuditorium;
class CProjectorType;

namespace lumivane {

// "%0.1f degrees down" of the angle's magnitude, "up" for a negative angle.
std::string VerticalAngleText(double degrees);
// "%0.1f degrees left" of the angle's magnitude, "right" for a negative angle.
std::string HorizontalAngleText(double degrees);
// The widest top width and tallest height of the projector's images at the porthole, " by ",
// " at " the porthole distance; empty without an auditorium.
std::string PortholeText(const CProjectorType& projector);

// A projector's place as the position fields show it: a projector locked to the screen
// centre stands at 0 across and half the screen height up.
struct ShownPosition {
    double lateral = 0.0;
    double lensHeight = 0.0;
    const char* side = "Right";
    const char* updown = "Up";
};
ShownPosition ShownPositionOf(const CProjectorType& projector);

struct LensPosition {
    double lateral = 0.0;
    double lensHeight = 0.0;
};
// On the screen's centre line, the lens level with the middle of the image area.
LensPosition CenterPosition(const CAuditorium& auditorium);
// Where the booth heights put the lens; the centre when they give no lens height.
LensPosition DefaultPosition(const CAuditorium& auditorium);
bool DefaultIsCenter(const CAuditorium& auditorium);

} // namespace lumivane
