#pragma once
// The one way the views, the command-line tool and the tests change a lens set-up's optics or
// a projector's place. Each command applies the lock-mode rule of the edit and then brings the
// auditorium up to date exactly as the views do, so every front end shows the same numbers.
// An undo layer can wrap these without reaching into the model.

#include "base/FieldLimits.h"

class CAuditorium;
class CLensChoice;
class CLensType;
class CProjectorType;

namespace lumivane {

// The format view adds the screen's chord depth to a throw it derives from a focal length;
// the projector view does not.
enum class EditView { Projector, Format };

inline constexpr double kMinimumTypedThrow = kThrowLimits.lowest;

// A focal length typed in millimetres.
void EditFocalLength(CAuditorium& auditorium, CLensType& setUp, double mm, EditView view);
// An image height (byWidth false) or width typed in metres.
void EditImageSize(CAuditorium& auditorium, CLensType& setUp, double value, bool byWidth);
// A throw typed for the projector; current is the set-up the view shows, if any.
void EditThrow(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
               double throwDistance);
// A lens combination picked from the candidate list or menu; the set-up takes the barrel of
// its prime lens.
void EditChooseLens(CAuditorium& auditorium, CLensType& setUp, const CLensChoice& choice);
void EditClearLens(CAuditorium& auditorium, CLensType& setUp);
// The link button of the set-up list: a chosen lens is cleared, else a linked set-up is
// unlinked, else it is linked and takes the shared image size at once.
void EditToggleLink(CAuditorium& auditorium, CLensType& setUp);
// A lens shift set by the user (metres at the film plane); ignored unless shift is allowed.
void EditLensShift(CAuditorium& auditorium, CLensType& setUp, double vertical, double horizontal);
// The auditorium's lens-shift settings, changed from the view of one of its set-ups, which the
// auditorium is then recalculated around. Forbidding shift zeroes every shift; automatic shift
// solves the shifts for the alignment (0 bottom, 1 centre, 2 top; others are ignored).
void EditAllowLensShift(CAuditorium& auditorium, CLensType& setUp, bool on);
void EditAutoLensShift(CAuditorium& auditorium, CLensType& setUp, bool on);
void EditAlignment(CAuditorium& auditorium, CLensType& setUp, int alignment);
// A lens position typed in the projector or format view: the current set-up's focal length
// is applied again at the new position, so the lock mode decides what follows.
void EditProjectorPosition(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                           double lateral, double lensHeight, EditView view);
// The Center and Default buttons: the projector goes to place; the centre also sizes the image
// again under the lock mode, as a typed image size does.
enum class PositionButton { Center, Default };
void EditPlaceProjector(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                        PositionButton place);
// The Height/Width button: the auditorium keeps the image width (byWidth) or height constant;
// the shown set-up is linked and sized again by the measure now edited.
void EditSizeMode(CAuditorium& auditorium, CLensType* current, bool byWidth);
// A lens position dragged on the screen drawing: the projector's images follow the new place
// under the lock mode, without applying the focal length again as a typed position does.
void EditDraggedPosition(CAuditorium& auditorium, CProjectorType& projector, CLensType* current,
                         double lateral, double lensHeight);

// After a change: re-fit the set-ups linked to this one, then measure every image on the screen
// and let the auditorium recompute until the screen and the images agree.
void RecalculateForView(CAuditorium& auditorium, CLensType& setUp);

} // namespace lumivane
