#pragma once
// A room for screen drawings: a flat, untilted 6 m by 14 m screen shown as set, with one film
// projector 20 m away whose lens is level with the middle of the screen, showing the flat
// format. Install the model catalogs first.

#include "model/ScreenLayout.h"

#include <memory>

class CAuditorium;
class CLensType;
class CProjectorType;

namespace lumivane::test {

class ScreenRoom {
public:
    ScreenRoom();
    ~ScreenRoom();

    // The image this high, with the focal length that gives it at the projector's throw.
    void SizeImage(double height);
    ScreenSubjects Subjects() const { return {auditorium.get(), projector, setUp}; }

    std::unique_ptr<CAuditorium> auditorium;
    CProjectorType* projector = nullptr;
    CLensType* setUp = nullptr;
};

} // namespace lumivane::test
