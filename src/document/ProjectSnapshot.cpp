#include "document/ProjectSnapshot.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/LightBlock.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>

namespace lumivane {

namespace {

// Holds the unit system for the length of a snapshot write or read, whatever the record says.
class UnitSystemKept {
public:
    explicit UnitSystemKept(bool during) : m_saved(Ctx().metricUnits) {
        Ctx().metricUnits = during;
    }
    ~UnitSystemKept() { Ctx().metricUnits = m_saved; }
    UnitSystemKept(const UnitSystemKept&) = delete;
    UnitSystemKept& operator=(const UnitSystemKept&) = delete;

private:
    bool m_saved;
};

// What the model works out or copies but the file does not keep as it is: the projectors'
// copies of the lens-shift settings (reading takes the auditorium's), the image offsets that
// lens shift produced and each set-up's fit flag. Kept after the record, so a restored
// auditorium is the one that was written, not a freshly read one.
void WriteLiveState(Archive& ar, const CAuditorium& auditorium) {
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        const CProjectorType& projector = *auditorium.GetProjector(p);
        ar.WriteByte(projector.AutoLensShift());
        ar.WriteByte(projector.AllowLensShift());
        ar.WriteLong(projector.Alignment());
        ar.WriteDouble(projector.ImageOffsetV());
        ar.WriteDouble(projector.ImageOffsetH());
        for (int s = 0; s < projector.LensTypeCount(); ++s) {
            ar.WriteLong(projector.GetLensType(s)->Masked());
        }
    }
}

void ReadLiveState(Archive& ar, CAuditorium& auditorium) {
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        CProjectorType& projector = *auditorium.GetProjector(p);
        const std::uint8_t automatic = ar.ReadByte();
        const std::uint8_t allow = ar.ReadByte();
        projector.SetLensShiftCopies(allow, automatic, ar.ReadLong());
        const double vertical = ar.ReadDouble();
        projector.SetImageOffsets(vertical, ar.ReadDouble());
        for (int s = 0; s < projector.LensTypeCount(); ++s) {
            projector.GetLensType(s)->SetMasked(ar.ReadLong() != 0);
        }
    }
}

} // namespace

bool SameTexts(const ProjectInfo& a, const ProjectInfo& b) {
    return a.manager == b.manager && a.projectDate == b.projectDate &&
           a.lastChange == b.lastChange && a.startDate == b.startDate && a.endDate == b.endDate;
}

bool SameInfo(const ProjectInfo& a, const ProjectInfo& b) {
    return SameTexts(a, b) && a.projectInfoSet == b.projectInfoSet;
}

bool SameRecord(const std::shared_ptr<const RecordBytes>& a,
                const std::shared_ptr<const RecordBytes>& b) {
    return a == b || (a && b && *a == *b);
}

bool SameUserFormats(const std::shared_ptr<const UserFormats>& a,
                     const std::shared_ptr<const UserFormats>& b) {
    return a == b || (a && b && *a == *b);
}

bool SameSnapshot(const ProjectSnapshot& a, const ProjectSnapshot& b) {
    return SameInfo(a.info, b.info) && SameUserFormats(a.userFormats, b.userFormats) &&
           std::equal(a.auditoriums.begin(), a.auditoriums.end(), b.auditoriums.begin(),
                      b.auditoriums.end(), SameRecord);
}

std::shared_ptr<const RecordBytes> WriteAuditoriumRecord(const CAuditorium& auditorium) {
    const UnitSystemKept metric(true);
    Archive ar = Archive::ForStoring();
    auditorium.WriteRecord(ar);
    WriteLiveState(ar, auditorium);
    WriteLightState(ar, auditorium);
    return std::make_shared<const RecordBytes>(ar.Bytes());
}

std::unique_ptr<CAuditorium> ReadAuditoriumRecord(const RecordBytes& bytes, int number) {
    const UnitSystemKept kept(Ctx().metricUnits);
    Archive ar = Archive::ForLoading(bytes);
    auto auditorium = std::make_unique<CAuditorium>(number);
    auditorium->Serialize(ar);
    ReadLiveState(ar, *auditorium);
    ReadLightState(ar, *auditorium);
    if (!ar.AtEnd()) {
        throw ArchiveError();
    }
    return auditorium;
}

} // namespace lumivane
