#include "model/EditCommands.h"

#include "base/AppContext.h"
#include "catalog/LensDescriptor.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorTexts.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumivane {

namespace {

double ChordDepthIfCurved(const CAuditorium& auditorium, const CLensType& setUp) {
    return auditorium.GetCurvePercent() > 0 ? auditorium.GetChordDepth(&setUp) : 0.0;
}

void SetThrowIfSound(CProjectorType& projector, double throwDistance) {
    if (std::isfinite(throwDistance)) {
        projector.SetThrow(throwDistance, 0);
    }
}

} // namespace

void RecalculateForView(CAuditorium& auditorium, CLensType& setUp) {
    if (setUp.Linked()) {
        auditorium.ShareImageSize(&setUp, !auditorium.ConstantHeight());
    }
    // The room is sized and fitted from what the images measure, so every image the edit may
    // have moved is measured, and all of them again while the screen follows them.
    auditorium.FitToImages(&setUp);
}

void EditFocalLength(CAuditorium& auditorium, CLensType& setUp, double mm, EditView view) {
    CProjectorType* projector = auditorium.FindProjectorOf(&setUp).first;
    if (!projector) {
        return;
    }
    setUp.SetFocalLength(mm);
    if (Ctx().lockMode == LockImageSize) {
        double throwDistance = CLensType::ThrowFromImage(setUp.GetFocal(true, true),
                                                         setUp.ImageHeight(), setUp.EffApertureH());
        if (view == EditView::Format) {
            throwDistance += ChordDepthIfCurved(auditorium, setUp);
        }
        SetThrowIfSound(*projector, throwDistance);
    } else {
        const double focal = setUp.Focal();
        if (!auditorium.FixedScreen()) {
            const double screen =
                CLensType::ImageFromThrow(projector->GetThrow(), focal, setUp.EffApertureH());
            if (std::isfinite(screen)) {
                auditorium.SetScreenHeight(screen + 2 * ScreenEdge());
            }
        }
        const double image = CLensType::ImageFromThrow(auditorium.GetSlantThrow(&setUp), focal,
                                                       setUp.EffApertureH());
        if (std::isfinite(image)) {
            setUp.SetImageHeight(image);
        }
    }
    // The throw, or the screen and with it the slant throws, may have followed.
    RecalculateForView(auditorium, setUp);
}

void EditImageSize(CAuditorium& auditorium, CLensType& setUp, double value, bool byWidth) {
    CProjectorType* projector = auditorium.FindProjectorOf(&setUp).first;
    if (!projector) {
        return;
    }
    if (byWidth) {
        setUp.SetImageWidth(value);
    } else {
        setUp.SetImageHeight(value);
    }
    const double aperture = byWidth ? setUp.EffApertureW() : setUp.EffApertureH();
    if (Ctx().lockMode == LockFocalLength) {
        const double throwDistance =
            CLensType::ThrowFromImage(setUp.GetFocal(true, true), value, aperture) +
            ChordDepthIfCurved(auditorium, setUp);
        SetThrowIfSound(*projector, throwDistance);
    } else {
        const double focal =
            CLensType::FocalFromThrow(auditorium.GetSlantThrow(&setUp), value, aperture);
        if (std::isfinite(focal)) {
            setUp.SetFocalLength(1000 * focal);
        }
    }
    // Under a locked focal length the throw follows, and every image on it.
    RecalculateForView(auditorium, setUp);
}

void EditThrow(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
               double throwDistance) {
    // Floored before it is set: a throw too short even for a moment cuts the lens position
    // down to twice itself, and the set-ups would be fitted to it.
    projector.SetThrow(std::max(throwDistance, kMinimumTypedThrow), 1);
    if (current && !auditorium.FixedScreen() && auditorium.ConstantHeight()) {
        const double screen = CLensType::ImageFromThrow(
            projector.GetThrow(), current->GetFocal(true, true) * 0.001, current->EffApertureH());
        if (std::isfinite(screen)) {
            auditorium.SetScreenHeight(screen + 2 * ScreenEdge());
        }
    }
    // A projector on the auditorium's default throw takes the others on it along.
    auditorium.FitToImages(current);
}

void EditChooseLens(CAuditorium& auditorium, CLensType& setUp, const CLensChoice& choice) {
    // The candidates were those of one barrel; listing them left the set-up unbound, so the
    // pick binds it.
    if (const CLensDescriptor* lens = choice.FirstLens()) {
        setUp.SetBarrel(static_cast<std::int16_t>(lens->Barrel()));
    }
    setUp.ChooseCombination(choice);
    setUp.ApplyThrow(auditorium.GetSlantThrow(&setUp));
    RecalculateForView(auditorium, setUp);
    auditorium.Recalculate(&setUp);
}

void EditClearLens(CAuditorium& auditorium, CLensType& setUp) {
    setUp.ClearLens();
    RecalculateForView(auditorium, setUp);
}

void EditToggleLink(CAuditorium& auditorium, CLensType& setUp) {
    if (setUp.HasCombination()) {
        EditClearLens(auditorium, setUp);
    } else if (setUp.Linked()) {
        setUp.SetLinked(false);
    } else {
        setUp.SetLinked(true);
        RecalculateForView(auditorium, setUp);
    }
}

void EditLensShift(CAuditorium& auditorium, CLensType& setUp, double vertical, double horizontal) {
    if (!auditorium.AllowLensShift()) {
        return;
    }
    setUp.SetShift(vertical, horizontal);
    RecalculateForView(auditorium, setUp);
}

void EditAllowLensShift(CAuditorium& auditorium, CLensType& setUp, bool on) {
    auditorium.SetAllowLensShift(on);
    RecalculateForView(auditorium, setUp);
}

void EditAutoLensShift(CAuditorium& auditorium, CLensType& setUp, bool on) {
    auditorium.SetAutoLensShift(on);
    RecalculateForView(auditorium, setUp);
}

void EditAlignment(CAuditorium& auditorium, CLensType& setUp, int alignment) {
    if (alignment < AlignBottom || alignment > AlignTop) {
        return;
    }
    auditorium.SetAlignment(alignment);
    RecalculateForView(auditorium, setUp);
}

void EditProjectorPosition(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                           double lateral, double lensHeight, EditView view) {
    projector.SetLateral(lateral);
    projector.SetLensHeight(lensHeight);
    if (!current) {
        auditorium.Recalculate(nullptr);
        return;
    }
    // The stored focal length: the achieved one of a lens would drift by its vertical factor.
    EditFocalLength(auditorium, *current, current->GetFocal(false, false), view);
    RecalculateForView(auditorium, *current);
}

namespace {

double ShownImageSize(const CLensType& setUp, bool byWidth) {
    return byWidth ? setUp.ImageWidth() : setUp.ImageHeight();
}

} // namespace

void EditPlaceProjector(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                        PositionButton place) {
    const bool center = place == PositionButton::Center || DefaultIsCenter(auditorium);
    const LensPosition position = center ? CenterPosition(auditorium) : DefaultPosition(auditorium);
    projector.SetLateral(position.lateral);
    projector.SetLensHeight(position.lensHeight);
    if (current == nullptr) {
        auditorium.Recalculate(nullptr);
        return;
    }
    if (center) {
        const bool byWidth = !auditorium.ConstantHeight();
        EditImageSize(auditorium, *current, ShownImageSize(*current, byWidth), byWidth);
        auditorium.Recalculate(current);
        projector.SetLensHeight(position.lensHeight);
    }
    RecalculateForView(auditorium, *current);
}

void EditSizeMode(CAuditorium& auditorium, CLensType* current, bool byWidth) {
    auditorium.SetConstantHeight(!byWidth);
    if (current == nullptr) {
        return;
    }
    current->SetLinked(true);
    EditImageSize(auditorium, *current, ShownImageSize(*current, byWidth), byWidth);
    auditorium.Recalculate(current);
}

void EditDraggedPosition(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                         double lateral, double lensHeight) {
    projector.SetLateral(lateral);
    projector.SetLensHeight(lensHeight);
    auditorium.RefreshProjectorImages(projector);
    auditorium.Recalculate(current);
    if (auditorium.AutoLensShift()) {
        auditorium.RefreshAllImages();
        auditorium.Recalculate(current);
    }
    if (current) {
        RecalculateForView(auditorium, *current);
    }
}

} // namespace lumivane
