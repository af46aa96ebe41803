#include "support/ScreenRoom.h"

#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"

namespace lumivane::test {

ScreenRoom::ScreenRoom() : auditorium(std::make_unique<CAuditorium>(1)) {
    auditorium->SetFixedScreen(true);
    auditorium->SetCurveType(CurveNone);
    auditorium->SetTiltType(TiltNone);
    auditorium->SetScreenHeight(6.0);
    auditorium->SetScreenWidth(14.0);
    projector = auditorium->AddProjector(kFilmProjector);
    projector->SetUseDefaultThrow(false);
    projector->SetThrow(20.0, 1);
    projector->SetLensHeight(3.0);
    setUp = auditorium->AddFormat(kFlatFormat, 0);
    setUp->SetLinked(false);
    SizeImage(4.0);
}

ScreenRoom::~ScreenRoom() = default;

void ScreenRoom::SizeImage(double height) {
    setUp->SetImageHeight(height);
    setUp->FocalFromThrowAlways(auditorium->GetSlantThrow(setUp));
}

} // namespace lumivane::test
