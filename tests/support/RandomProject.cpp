#include "support/RandomProject.h"

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/LensChoice.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"

namespace lumivane::test {

double RandomProject::Between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(m_random);
}

void RandomProject::AddLensSetUps(CAuditorium& auditorium) {
    static const int kFormats[] = {kFlatFormat, kScopeFormat, kPanelFormat};
    const CLensDatabase* lenses = Ctx().lenses.get();
    for (const int format : kFormats) {
        if (m_random() % 3 == 0) {
            continue;
        }
        CLensType* setUp = auditorium.AddFormat(format, -1);
        if (!setUp) {
            continue;
        }
        setUp->SetImageWidth(Between(3.0, 20.0));
        setUp->SetShift(Between(-0.002, 0.002), Between(-0.002, 0.002));
        setUp->SetLinked(m_random() % 2 == 0);
        if (format == kPanelFormat && m_random() % 2 == 0) {
            PanelCorners corners;
            for (PanelPoint& p : corners) {
                p = {m_values.Int(), m_values.Int()};
            }
            setUp->SetCorners(corners);
        }
        if (lenses && lenses->LensCount() > 0 && m_random() % 2 == 0) {
            CLensChoice choice;
            choice.AddItem(&lenses->Lens(m_random() % lenses->LensCount()));
            if (lenses->AttachmentCount() > 0 && m_random() % 2 == 0) {
                choice.AddItem(&lenses->Attachment(m_random() % lenses->AttachmentCount()));
            }
            setUp->ChooseCombination(choice);
        }
    }
}

std::unique_ptr<CAuditorium> RandomProject::Auditorium(int number) {
    auto auditorium = std::make_unique<CAuditorium>(number);
    auditorium->SetName(m_values.Text());
    auditorium->SetComments(m_values.Text());
    auditorium->SetScreenHeight(Between(2.0, 15.0));
    auditorium->SetScreenWidth(Between(4.0, 30.0));
    auditorium->SetCurveType(static_cast<int>(m_random() % 7));
    auditorium->SetCurveValue(Between(0.0, 20.0));
    auditorium->SetTiltType(static_cast<int>(m_random() % 3));
    auditorium->SetTiltAngle(Between(-10.0, 10.0));
    auditorium->SetAudienceHeight(Between(-2.0, 5.0));
    auditorium->SetAudienceDistance(Between(3.0, 30.0));
    auditorium->SetFixedScreen(m_random() % 2 == 0);
    auditorium->SetConstantHeight(m_random() % 2 == 0);
    auditorium->SetCalcPorthole(m_random() % 2 == 0);
    auditorium->SetPortholeDistance(Between(0.2, 2.0));
    auditorium->SetFloorToScreen(Between(0.0, 2.0));
    auditorium->SetFloorToBooth(Between(3.0, 10.0));
    auditorium->SetFrontWall(Between(0.0, 3.0), Between(0.0, 3.0));
    auditorium->SetSeats(m_values.Int());
    auditorium->SetHandicappedSeats(m_values.Int());
    auditorium->SetAlignment(static_cast<std::int32_t>(m_random() % 3));
    auditorium->SetAllowLensShift(m_random() % 2 == 0);
    AddLensSetUps(*auditorium);
    for (int i = 0; i < auditorium->ProjectorCount(); ++i) {
        CProjectorType* projector = auditorium->GetProjector(i);
        projector->SetLateral(Between(-3.0, 3.0));
        projector->SetLensHeight(Between(1.0, 8.0));
        projector->SetThrow(Between(8.0, 50.0), 1);
    }
    return auditorium;
}

ProjectContents RandomProject::Project(int maxAuditoriums) {
    ProjectContents contents;
    contents.info.manager = m_values.Text();
    contents.info.projectDate = m_values.Text();
    contents.info.lastChange = m_values.Text();
    contents.info.startDate = m_values.Text();
    contents.info.endDate = m_values.Text();
    contents.info.projectInfoSet = true;
    const int count = static_cast<int>(m_random() % static_cast<unsigned>(maxAuditoriums + 1));
    for (int i = 0; i < count; ++i) {
        contents.auditoriums.push_back(Auditorium(i + 1));
    }
    return contents;
}

} // namespace lumivane::test
