#pragma once
// The texts of the image details a format shows: how big the image lands on the screen, how
// much of it the masking loses and how much it is distorted. A distortion figure above five
// percent is flagged so the view can show it as a warning.

#include <string>

class CAuditorium;
class CLensType;
class CProjectorType;

namespace lumivane {

// Above this fraction a figure is a warning; the limit itself is still fine.
inline constexpr double kDistortionWarning = 0.05;

struct DetailFigure {
    std::string text;
    bool warning = false;
};

struct ImageDetailsText {
    std::string height;
    std::string topWidth;
    std::string bottomWidth;
    DetailFigure lost;
    DetailFigure verticalKeystone;
    DetailFigure horizontalKeystone;
    DetailFigure verticalStretch;
    DetailFigure horizontalStretch;
    DetailFigure curve;
};

// "%0.1f%%" of the fraction × 100, "N/A" for a fraction that is not a number.
DetailFigure FigureText(double fraction);
// What the details show before there is an image to measure.
ImageDetailsText EmptyImageDetails();
// The set-up's image measured afresh; the items are only read. Any item missing, or a set-up
// whose format the catalog no longer has, gives the empty details.
ImageDetailsText ImageDetailsFor(const CAuditorium* auditorium, const CProjectorType* projector,
                                 const CLensType* setUp);

} // namespace lumivane
