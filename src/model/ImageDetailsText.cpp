#include "model/ImageDetailsText.h"

#include "base/NumberText.h"
#include "model/ImageGeometry.h"
#include "model/LensType.h"
#include "model/SummaryText.h"

#include <cmath>

namespace lumivane {

DetailFigure FigureText(double fraction) {
    if (!std::isfinite(fraction)) {
        return {"N/A", false};
    }
    return {PercentText(fraction), fraction > kDistortionWarning};
}

ImageDetailsText EmptyImageDetails() {
    const DetailFigure zero{"0.0", false};
    return {{}, {}, {}, {}, zero, zero, zero, zero, zero};
}

ImageDetailsText ImageDetailsFor(const CAuditorium* auditorium, const CProjectorType* projector,
                                 const CLensType* setUp) {
    if (!auditorium || !projector || !setUp || !setUp->HasKnownFormat()) {
        return EmptyImageDetails();
    }
    ImageGeometry geometry;
    geometry.SetSubjects(auditorium, projector, setUp);
    return {LengthText(geometry.InnerHeight()),      LengthText(geometry.TopWidth()),
            LengthText(geometry.BottomWidth()),      FigureText(geometry.MaskingLoss()),
            FigureText(geometry.VerticalKeystone()), FigureText(geometry.HorizontalKeystone()),
            FigureText(geometry.VerticalStretch()),  FigureText(geometry.HorizontalStretch()),
            FigureText(geometry.CurveDistortion())};
}

} // namespace lumivane
