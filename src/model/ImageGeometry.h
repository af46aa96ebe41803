#pragma once
// Where the image of one lens set-up lands on the (tilted, curved) screen of its auditorium:
// a 9 by 9 grid of aperture points projected through the lens, and every measure derived
// from it. Coordinates are metres across and up the screen from where the optical axis
// meets it; larger x is to the audience's right.

#include <array>
#include <cstdint>
#include <utility>

class CAuditorium;
class CProjectorType;
class CLensType;

struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
};
using ScreenQuad = std::array<ScreenPoint, 4>;

struct DrawPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// How far above the lens the projector aims along the screen plane at throw t, where g is the
// lens's height above the screen's bottom (with the image's offset) and m the same less the
// screen's free height. The tangent's textbook form, (sqrt((t² + m²)(t² + g²)) + gm - t²) /
// (g + m), takes near-equal numbers apart over a near-zero one for a lens near the screen's
// centre line, and aimed a lens a few micrometres off it degrees away. Multiplied through by
// the conjugate it is the same rise, over a denominator of at least 2t².
double VerticalAimRise(double t, double g, double m);

class ImageGeometry {
public:
    static constexpr int kGridSize = 9;

    // Setting the subjects drops both caches; owners call it again after anything that moves
    // the image.
    void SetSubjects(const CAuditorium* auditorium, const CProjectorType* projector,
                     const CLensType* lensType);
    // Porthole mode takes the image on a flat plane at the auditorium's porthole distance.
    void SetPortholeMode(bool on);

    ScreenPoint ProjectPoint(double e, double f);
    void BuildGrid();
    double GridX(int i, int j);
    double GridY(int i, int j);

    double TopWidth();
    double BottomWidth();
    double EdgeHeight0();
    double EdgeHeight1();
    double InnerHeight();
    // Corners (xR, yT), (xR, yB), (xL, yB), (xL, yT).
    ScreenQuad InnerRect();
    // Grid corners [8][8], [8][0], [0][0], [0][8].
    ScreenQuad ImagePolygon();
    std::array<DrawPoint, 4> ImagePolygonScaled(double scale);

    double VerticalKeystone();
    double HorizontalKeystone();
    double VerticalStretch();
    double HorizontalStretch();
    double CurveDistortion();
    double MaskingLoss();

private:
    struct Parameters {
        double T = 0, V = 0, Lat = 0, phi = 0, R = 0, o = 0, Pd = 0, Q = 0;
        bool curved = false;
    };
    struct Extremes {
        double xR, xL, yT, yB;
    };

    bool HasSubjects() const;
    const Parameters& Params();
    void EnsureGrid();
    Extremes InnerExtremes();
    // Lens height and sideways position as the stretch references see them.
    double CentreOffsetV() const;
    double LateralForStretch() const;

    const CAuditorium* m_auditorium = nullptr;
    const CProjectorType* m_projector = nullptr;
    const CLensType* m_lensType = nullptr;
    bool m_porthole = false;
    Parameters m_params;
    bool m_paramsValid = false;
    double m_x[kGridSize][kGridSize] = {};
    double m_y[kGridSize][kGridSize] = {};
    bool m_gridValid = false;
};
