#pragma once
// The edits of an auditorium's screen shape, audience and default throw, as the auditorium
// view and the screen bars make them. Each leaves the auditorium recomputed: the images for
// the new shape, the lens shift, the projector offsets, the calculated screen size and the fit
// of every image on a screen of fixed size.

class CAuditorium;

namespace lumivane {

void EditCurveType(CAuditorium& auditorium, int type);
void EditCurveValue(CAuditorium& auditorium, double percent);
void EditTiltType(CAuditorium& auditorium, int type);
// Under a recommended tilt the audience centre moves so that the angle comes out as given.
void EditTiltAngle(CAuditorium& auditorium, double degrees);
void EditAudienceHeight(CAuditorium& auditorium, double height);
void EditAudienceDistance(CAuditorium& auditorium, double distance);
// A typed default throw: below the shortest throw a projector may have it takes that
// instead; a value that is not finite changes nothing.
void EditDefaultThrow(CAuditorium& auditorium, double throwDistance);
// "Set" keeps the screen as it is; "Calc" sizes it to the images at once.
void EditScreenSizeMode(CAuditorium& auditorium, bool fixed);

} // namespace lumivane
