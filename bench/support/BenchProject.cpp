#include "support/BenchProject.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <stdexcept>

namespace lumivane::bench {

namespace {

std::vector<int> FormatsShownBy(const CProjectorDescriptor& model) {
    const CFormatDatabase& formats = *Ctx().formats;
    std::vector<int> shown;
    for (int f = 0; f < formats.GetCount(); ++f) {
        if (model.CanShow(*formats.GetAt(f))) {
            shown.push_back(f);
        }
    }
    return shown;
}

void SetUpRoom(CAuditorium& room, int number) {
    room.SetScreenHeight(5.5 + 0.01 * (number % 50));
    room.SetScreenWidth(13.0 + 0.02 * (number % 50));
    room.SetAudienceHeight(1.1);
    room.SetAudienceDistance(12.0);
    room.SetFloorToScreen(1.0);
    room.SetFloorToBooth(6.5);
    room.SetCurveType(CurveRecommended);
    room.SetTiltType(TiltRecommended);
    room.SetDefaultThrow(24.0 + 0.1 * (number % 40), 0);
}

} // namespace

ModelFormats MostVersatileModel() {
    const CProjectorDatabase& models = *Ctx().projectors;
    ModelFormats best;
    for (int m = 0; m < models.GetCount(); ++m) {
        std::vector<int> shown = FormatsShownBy(*models.GetAt(m));
        if (shown.size() > best.formats.size()) {
            best = {m, std::move(shown)};
        }
    }
    return best;
}

std::unique_ptr<CAuditorium> BuildAuditorium(int number, RoomShape shape, LensShift shift) {
    const ModelFormats model = MostVersatileModel();
    if (model.formats.size() < static_cast<std::size_t>(shape.formatsPerProjector)) {
        throw std::runtime_error("no projector model shows enough formats");
    }
    auto room = std::make_unique<CAuditorium>(number);
    SetUpRoom(*room, number);
    for (int p = 0; p < shape.projectors; ++p) {
        CProjectorType* projector = room->AddProjector(model.model);
        projector->SetLateral(1.2 * (p - (shape.projectors - 1) / 2.0));
        for (int f = 0; f < shape.formatsPerProjector; ++f) {
            if (CLensType* setUp = room->AddFormat(model.formats[static_cast<std::size_t>(f)], p)) {
                ChooseBest(*setUp);
            }
        }
    }
    room->RefreshAllImages();
    room->SetAllowLensShift(shift == LensShift::Automatic);
    room->SetAutoLensShift(shift == LensShift::Automatic);
    room->Recalculate(nullptr);
    return room;
}

ProjectContents BuildChainProject(int auditoriums) {
    ProjectContents project;
    project.info = {"Chain manager", "2024-03-01", "2024-03-02", "2024-04-01", "2024-12-31", true};
    project.fileVersion = CurrentFileVersion;
    for (int i = 0; i < auditoriums; ++i) {
        project.auditoriums.push_back(
            BuildAuditorium(i + 1, kChainRoom, i % 3 == 0 ? LensShift::Automatic : LensShift::Off));
    }
    return project;
}

} // namespace lumivane::bench
