#include "document/ProjectEditor.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatDatabase.h"
#include "document/ProjectTreeRules.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensChoice.h"
#include "model/ProjectorType.h"

#include <utility>

namespace lumivane {

namespace {

// Each set-up's lens label, projector by projector, to tell which tree labels an edit moved.
using LensLabels = std::vector<std::vector<std::string>>;

LensLabels LensLabelsOf(const CAuditorium& auditorium) {
    LensLabels labels(static_cast<std::size_t>(auditorium.ProjectorCount()));
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        const CProjectorType& projector = *auditorium.GetProjector(p);
        for (int s = 0; s < projector.LensTypeCount(); ++s) {
            labels[static_cast<std::size_t>(p)].push_back(
                projector.GetLensType(s)->Choice().GetName());
        }
    }
    return labels;
}

} // namespace

ProjectEditor::Transaction::Transaction(ProjectEditor& editor, StepName step)
    : m_editor(editor), m_outer(editor.m_stepDepth++ == 0), m_step(step) {
    if (m_outer) {
        if (editor.m_recorder != nullptr) {
            editor.m_recorder->StepStarting();
        }
        m_before = editor.TakeSnapshot();
        editor.m_doc.Notify([](ProjectListener& l) { l.StepBegun(); });
    }
}

ProjectEditor::Transaction::~Transaction() {
    --m_editor.m_stepDepth;
    if (!m_outer) {
        return;
    }
    m_editor.m_doc.Notify([](ProjectListener& l) { l.StepEnded(); });
    ProjectSnapshot after = m_editor.TakeSnapshot();
    if (SameSnapshot(m_before, after)) {
        return;
    }
    m_editor.m_doc.SetModifiedFlag(true);
    if (m_editor.m_recorder != nullptr) {
        m_editor.m_recorder->Recorded(m_step, std::move(m_before), std::move(after));
    }
}

ProjectEditor::ProjectEditor(CQorDoc& doc) : m_doc(doc) {}

ProjectEditor::~ProjectEditor() = default;

CAuditorium* ProjectEditor::AuditoriumAt(int index) const {
    return const_cast<CAuditorium*>(m_doc.GetAuditorium(index));
}

CProjectorType* ProjectEditor::ProjectorAt(int auditorium, int projector) const {
    CAuditorium* owner = AuditoriumAt(auditorium);
    return owner == nullptr ? nullptr : owner->GetProjector(projector);
}

CLensType* ProjectEditor::SetUpAt(int auditorium, int projector, int format) const {
    CProjectorType* owner = ProjectorAt(auditorium, projector);
    return owner == nullptr ? nullptr : owner->FindLensType(format);
}

void ProjectEditor::Touch(int auditorium) {
    if (auditorium >= 0 && static_cast<std::size_t>(auditorium) < m_records.size()) {
        m_records[static_cast<std::size_t>(auditorium)].reset();
    }
}

std::shared_ptr<const RecordBytes> ProjectEditor::CachedRecord(int index) {
    auto& record = m_records[static_cast<std::size_t>(index)];
    if (!record) {
        record = WriteAuditoriumRecord(*m_doc.GetAuditorium(index));
    }
    return record;
}

ProjectSnapshot ProjectEditor::TakeSnapshot() {
    const int count = m_doc.GetAuditoriumCount();
    m_records.resize(static_cast<std::size_t>(count));
    ProjectSnapshot snapshot{m_doc.GetProjectInfo(), {}, CurrentUserFormats()};
    snapshot.auditoriums.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        snapshot.auditoriums.push_back(CachedRecord(i));
    }
    return snapshot;
}

std::shared_ptr<const UserFormats> ProjectEditor::CurrentUserFormats() {
    if (!m_userFormats && Ctx().formats) {
        m_userFormats = std::make_shared<const UserFormats>(Ctx().formats->UserFormatTexts());
    }
    return m_userFormats;
}

void ProjectEditor::ForgetSnapshots() {
    m_records.clear();
    m_userFormats.reset();
    SetViewedSetUp(-1, -1, -1);
}

void ProjectEditor::SetViewedSetUp(int auditorium, int projector, int format) {
    m_viewedAuditorium = auditorium;
    m_viewedProjector = projector;
    m_viewedFormat = format;
}

Refit ProjectEditor::RefitOfViewed() const {
    return {m_viewedAuditorium, m_viewedProjector, m_viewedFormat};
}

// Inside the command's own step, so the command and its re-fit are undone together.
void ProjectEditor::Apply(const Refit& refit) {
    CLensType* setUp = SetUpAt(refit.auditorium, refit.projector, refit.format);
    if (setUp != nullptr) {
        EditAuditorium(refit.auditorium, step::Recalculate,
                       [&](CAuditorium& owner) { RecalculateForView(owner, *setUp); });
    }
}

// A calculated screen holds every image, so it follows the images that come and go; opening
// the project would calculate it so.
void ProjectEditor::FitScreen(int auditorium) {
    EditAuditorium(auditorium, step::Recalculate,
                   [](CAuditorium& owner) { owner.FitToImages(nullptr); });
}

void ProjectEditor::InsertAuditorium(int index, std::unique_ptr<CAuditorium> auditorium) {
    const ItemPath path = ItemPath::Auditorium(index);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeInserted(path); });
    auto& list = m_doc.m_contents.auditoriums;
    list.insert(list.begin() + index, std::move(auditorium));
    m_records.insert(m_records.begin() + index, nullptr);
    m_doc.Notify([&](ProjectListener& l) { l.ItemInserted(path); });
}

void ProjectEditor::RemoveAuditorium(int index) {
    const ItemPath path = ItemPath::Auditorium(index);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeRemoved(path); });
    auto& list = m_doc.m_contents.auditoriums;
    const std::unique_ptr<CAuditorium> removed = std::move(list[static_cast<std::size_t>(index)]);
    list.erase(list.begin() + index);
    m_records.erase(m_records.begin() + index);
    if (m_viewedAuditorium == index) {
        SetViewedSetUp(-1, -1, -1);
    } else if (m_viewedAuditorium > index) {
        --m_viewedAuditorium;
    }
    m_doc.Notify([&](ProjectListener& l) { l.ItemRemoved(path); });
}

void ProjectEditor::ReplaceAuditorium(int index, std::unique_ptr<CAuditorium> auditorium) {
    const bool viewed = m_viewedAuditorium == index;
    const int projector = m_viewedProjector;
    const int format = m_viewedFormat;
    const ItemPath path = ItemPath::Auditorium(index);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeReplaced(path); });
    RemoveAuditorium(index);
    InsertAuditorium(index, std::move(auditorium));
    if (viewed) {
        SetViewedSetUp(index, projector, format);
    }
    m_doc.Notify([&](ProjectListener& l) { l.ItemReplaced(path); });
}

void ProjectEditor::SetProjectInfo(const ProjectInfo& info) {
    ProjectInfo confirmed = info;
    confirmed.projectInfoSet = true;
    ProjectInfo& present = m_doc.m_contents.info;
    // The flag is not in the file, so confirming the texts as they stand has nothing to save.
    if (SameTexts(confirmed, present)) {
        present.projectInfoSet = true;
        return;
    }
    const Transaction transaction(*this, step::ProjectSettings);
    present = confirmed;
    m_doc.Notify([](ProjectListener& l) { l.ProjectInfoChanged(); });
}

int ProjectEditor::AddAuditorium(int likeAuditorium, int likeProjector) {
    const Transaction transaction(*this, step::AddAuditorium);
    const int index = m_doc.GetAuditoriumCount();
    InsertAuditorium(index, std::make_unique<CAuditorium>(index + 1));
    const auto heights = BoothHeightsForNewAuditorium(
        *m_doc.GetAuditorium(index), m_doc.GetAuditorium(likeAuditorium),
        m_doc.GetProjector(likeAuditorium, likeProjector));
    if (heights) {
        SetBoothHeights(index, heights->floorToScreen, heights->floorToBooth);
    }
    return index;
}

int ProjectEditor::DuplicateAuditorium(int index) {
    const CAuditorium* source = m_doc.GetAuditorium(index);
    if (source == nullptr) {
        return -1;
    }
    const Transaction transaction(*this, step::DuplicateAuditorium);
    const int added = m_doc.GetAuditoriumCount();
    InsertAuditorium(added, std::make_unique<CAuditorium>(added + 1, source));
    return added;
}

int ProjectEditor::AppendAuditorium(std::unique_ptr<CAuditorium> auditorium) {
    if (auditorium == nullptr) {
        return -1;
    }
    const Transaction transaction(*this, step::AuditoriumWizard);
    const int index = m_doc.GetAuditoriumCount();
    InsertAuditorium(index, std::move(auditorium));
    return index;
}

bool ProjectEditor::DeleteAuditorium(int index, const ConfirmFn& confirm) {
    const CAuditorium* auditorium = m_doc.GetAuditorium(index);
    if (auditorium == nullptr) {
        return false;
    }
    if (auditorium->ProjectorCount() > 0 &&
        (!confirm || !confirm("Are you sure you want to delete " + auditorium->Name() + "?",
                              "Delete Auditorium"))) {
        return false;
    }
    const Transaction transaction(*this, step::DeleteAuditorium);
    RemoveAuditorium(index);
    return true;
}

bool ProjectEditor::RenameAuditorium(int auditorium, const std::string& name) {
    CAuditorium* owner = AuditoriumAt(auditorium);
    if (owner == nullptr) {
        return false;
    }
    const Transaction transaction(*this, step::RenameAuditorium);
    owner->SetName(name);
    Touch(auditorium);
    m_doc.Notify(
        [&](ProjectListener& l) { l.ItemChanged(ItemPath::Auditorium(auditorium), ChangeName); });
    return true;
}

bool ProjectEditor::SetBoothHeights(int auditorium, double floorToScreen, double floorToBooth) {
    return EditAuditorium(auditorium, step::BoothHeights, [&](CAuditorium& owner) {
        owner.SetFloorToScreen(floorToScreen);
        owner.SetFloorToBooth(floorToBooth);
    });
}

bool ProjectEditor::SetAuditoriumSetting(int auditorium, AuditoriumSetting setting, double value) {
    return EditAuditorium(auditorium, SettingStep(setting),
                          [&](CAuditorium& a) { ApplyAuditoriumSetting(a, setting, value); });
}

bool ProjectEditor::SetComments(int auditorium, const std::string& comments) {
    return EditAuditorium(auditorium, step::Comments,
                          [&](CAuditorium& a) { a.SetComments(comments); });
}

bool ProjectEditor::EditAuditorium(int auditorium, StepName step,
                                   const std::function<void(CAuditorium&)>& change) {
    CAuditorium* owner = AuditoriumAt(auditorium);
    if (owner == nullptr) {
        return false;
    }
    const Transaction transaction(*this, step);
    const LensLabels before = LensLabelsOf(*owner);
    change(*owner);
    Touch(auditorium);
    const LensLabels after = LensLabelsOf(*owner);
    m_doc.Notify([&](ProjectListener& l) {
        l.ItemChanged(ItemPath::Auditorium(auditorium), ChangeGeometry);
    });
    for (std::size_t p = 0; p < before.size() && p < after.size(); ++p) {
        for (std::size_t s = 0; s < before[p].size() && s < after[p].size(); ++s) {
            if (before[p][s] != after[p][s]) {
                const ItemPath path =
                    ItemPath::SetUp(auditorium, static_cast<int>(p), static_cast<int>(s));
                m_doc.Notify([&](ProjectListener& l) { l.ItemChanged(path, ChangeLens); });
            }
        }
    }
    return true;
}

int ProjectEditor::AddProjector(int auditorium, int model, const ProjectorPlacement& placement) {
    CAuditorium* owner = AuditoriumAt(auditorium);
    if (owner == nullptr) {
        return -1;
    }
    const Transaction transaction(*this, step::AddProjector);
    const int index = owner->ProjectorCount();
    const ItemPath path = ItemPath::Projector(auditorium, index);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeInserted(path); });
    CProjectorType* projector = owner->AddProjector(model);
    if (placement.lensHeight) {
        projector->SetLensHeight(*placement.lensHeight);
    }
    if (placement.lateral) {
        projector->SetLateral(*placement.lateral);
    }
    Touch(auditorium);
    m_doc.Notify([&](ProjectListener& l) { l.ItemInserted(path); });
    FitScreen(auditorium);
    return index;
}

int ProjectEditor::CopyProjector(int target, int auditorium, int projector) {
    const CProjectorType* source = ProjectorAt(auditorium, projector);
    CAuditorium* owner = AuditoriumAt(target);
    if (source == nullptr || owner == nullptr) {
        return -1;
    }
    const Transaction transaction(*this, step::CopyProjector);
    auto copy = std::make_unique<CProjectorType>(*source);
    copy->SetLateral(-source->Lateral());
    // Its copies of the lens-shift settings are the new auditorium's, as reading gives them.
    copy->SetLensShiftCopies(owner->AllowLensShift(), owner->AutoLensShift(),
                             owner->AlignmentValue());
    const int index = owner->ProjectorCount();
    const ItemPath path = ItemPath::Projector(target, index);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeInserted(path); });
    owner->AttachProjector(std::move(copy));
    Touch(target);
    m_doc.Notify([&](ProjectListener& l) { l.ItemInserted(path); });
    FitScreen(target);
    return index;
}

bool ProjectEditor::DeleteProjector(int auditorium, int projector) {
    if (ProjectorAt(auditorium, projector) == nullptr) {
        return false;
    }
    const Transaction transaction(*this, step::DeleteProjector);
    const ItemPath path = ItemPath::Projector(auditorium, projector);
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeRemoved(path); });
    AuditoriumAt(auditorium)->RemoveProjector(projector);
    if (m_viewedAuditorium == auditorium && m_viewedProjector == projector) {
        SetViewedSetUp(-1, -1, -1);
    } else if (m_viewedAuditorium == auditorium && m_viewedProjector > projector) {
        --m_viewedProjector;
    }
    Touch(auditorium);
    m_doc.Notify([&](ProjectListener& l) { l.ItemRemoved(path); });
    FitScreen(auditorium);
    return true;
}

bool ProjectEditor::EditProjector(
    int auditorium, int projector, StepName step, unsigned flags,
    const std::function<void(CAuditorium&, CProjectorType&)>& change) {
    CProjectorType* target = ProjectorAt(auditorium, projector);
    if (target == nullptr) {
        return false;
    }
    const Transaction transaction(*this, step);
    EditAuditorium(auditorium, step, [&](CAuditorium& owner) { change(owner, *target); });
    const ItemPath path = ItemPath::Projector(auditorium, projector);
    m_doc.Notify([&](ProjectListener& l) { l.ItemChanged(path, flags); });
    return true;
}

bool ProjectEditor::RenameProjector(int auditorium, int projector, const std::string& name) {
    return EditProjector(auditorium, projector, step::RenameProjector, ChangeName,
                         [&](CAuditorium&, CProjectorType& target) { target.SetName(name); });
}

bool ProjectEditor::SetLockThrowDistance(int auditorium, int projector, bool locked) {
    return EditProjector(auditorium, projector, step::LockThrowDistance, ChangeGeometry,
                         [locked](CAuditorium& owner, CProjectorType& target) {
                             target.SetUseDefaultThrow(locked);
                             // Either way the projector may now stand at another throw: its
                             // images change size, and a screen that follows them moves them
                             // again. They are measured until it settles, so each set-up
                             // keeps what lands on it.
                             owner.RefreshProjectorImages(target);
                             owner.FitToImages(nullptr);
                         });
}

bool ProjectEditor::AddFormat(int auditorium, int projector, int format, const Refit& refit) {
    const CProjectorType* owner = ProjectorAt(auditorium, projector);
    if (owner == nullptr || owner->HasFormat(format) || !owner->SupportsFormat(format)) {
        return false;
    }
    const Transaction transaction(*this, step::AddFormat);
    const ItemPath path = ItemPath::SetUp(auditorium, projector, owner->LensTypeCount());
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeInserted(path); });
    CLensType* setUp = AuditoriumAt(auditorium)->AddFormat(format, projector);
    Touch(auditorium);
    m_doc.Notify([&](ProjectListener& l) { l.ItemInserted(path); });
    m_doc.Notify([&](ProjectListener& l) { l.ItemChanged(path, ChangeLens); });
    FitScreen(auditorium);
    Apply(refit);
    return setUp != nullptr;
}

bool ProjectEditor::RemoveFormat(int auditorium, int projector, int format, const Refit& refit) {
    const CProjectorType* owner = ProjectorAt(auditorium, projector);
    if (owner == nullptr || !owner->HasFormat(format)) {
        return false;
    }
    const Transaction transaction(*this, step::RemoveFormat);
    const ItemPath path = ItemPath::SetUp(auditorium, projector, owner->IndexOfFormat(format));
    m_doc.Notify([&](ProjectListener& l) { l.ItemAboutToBeRemoved(path); });
    AuditoriumAt(auditorium)->RemoveFormat(format, projector);
    if (m_viewedAuditorium == auditorium && m_viewedProjector == projector &&
        m_viewedFormat == format) {
        m_viewedFormat = -1;
    }
    Touch(auditorium);
    m_doc.Notify([&](ProjectListener& l) { l.ItemRemoved(path); });
    FitScreen(auditorium);
    Apply(refit);
    return true;
}

bool ProjectEditor::EditSetUp(int auditorium, int projector, int format, StepName step,
                              const std::function<void(CAuditorium&, CLensType&)>& change) {
    CLensType* setUp = SetUpAt(auditorium, projector, format);
    if (setUp == nullptr) {
        return false;
    }
    return EditAuditorium(auditorium, step, [&](CAuditorium& owner) { change(owner, *setUp); });
}

bool ProjectEditor::ChooseLens(int auditorium, int projector, int format, const CLensChoice& choice,
                               const Refit& refit) {
    const Transaction transaction(*this, step::ChooseLens);
    const bool chosen = EditSetUp(auditorium, projector, format, step::ChooseLens,
                                  [&](CAuditorium& owner, CLensType& setUp) {
                                      lumivane::EditChooseLens(owner, setUp, choice);
                                  });
    Apply(refit);
    return chosen;
}

bool ProjectEditor::ClearLens(int auditorium, int projector, int format, const Refit& refit) {
    const Transaction transaction(*this, step::ClearLens);
    const bool cleared = EditSetUp(
        auditorium, projector, format, step::ClearLens,
        [](CAuditorium& owner, CLensType& setUp) { lumivane::EditClearLens(owner, setUp); });
    if (cleared) {
        Apply(refit);
    }
    return cleared;
}

bool ProjectEditor::ToggleLink(int auditorium, int projector, int format) {
    return EditSetUp(
        auditorium, projector, format, step::ToggleLink,
        [](CAuditorium& owner, CLensType& setUp) { lumivane::EditToggleLink(owner, setUp); });
}

bool ProjectEditor::ChooseBarrel(int auditorium, int projector, int format, std::int16_t barrel) {
    return EditSetUp(auditorium, projector, format, step::LensDiameter,
                     [barrel](CAuditorium&, CLensType& setUp) { setUp.SetBarrel(barrel); });
}

bool ProjectEditor::AdjustFormatCorners(int auditorium, int projector, int format,
                                        const PanelCorners& corners) {
    return EditSetUp(auditorium, projector, format, step::AdjustFormat,
                     [&](CAuditorium& owner, CLensType& setUp) {
                         setUp.EnsureCorners();
                         setUp.SetCorners(corners);
                         RecalculateForView(owner, setUp);
                     });
}

bool ProjectEditor::EditFocalLength(int auditorium, int projector, int format, double mm,
                                    EditView view) {
    return EditSetUp(auditorium, projector, format, step::EditFocalLength,
                     [&](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditFocalLength(owner, setUp, mm, view);
                     });
}

bool ProjectEditor::EditImageSize(int auditorium, int projector, int format, double value,
                                  bool byWidth) {
    return EditSetUp(auditorium, projector, format, step::EditImageSize,
                     [&](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditImageSize(owner, setUp, value, byWidth);
                     });
}

bool ProjectEditor::EditThrow(int auditorium, int projector, int format, double throwDistance) {
    return EditProjector(auditorium, projector, step::EditThrow, ChangeGeometry,
                         [&](CAuditorium& owner, CProjectorType& target) {
                             lumivane::EditThrow(owner, target, target.FindLensType(format),
                                                 throwDistance);
                         });
}

bool ProjectEditor::EditLensShift(int auditorium, int projector, int format, double vertical,
                                  double horizontal) {
    return EditSetUp(auditorium, projector, format, step::EditLensShift,
                     [&](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditLensShift(owner, setUp, vertical, horizontal);
                     });
}

bool ProjectEditor::SetAllowLensShift(int auditorium, int projector, int format, bool on) {
    return EditSetUp(auditorium, projector, format, step::AllowLensShift,
                     [on](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditAllowLensShift(owner, setUp, on);
                     });
}

bool ProjectEditor::SetAutoLensShift(int auditorium, int projector, int format, bool on) {
    return EditSetUp(auditorium, projector, format, step::AutoLensShift,
                     [on](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditAutoLensShift(owner, setUp, on);
                     });
}

bool ProjectEditor::SetAlignment(int auditorium, int projector, int format, int alignment) {
    return EditSetUp(auditorium, projector, format, step::ImageAlignment,
                     [alignment](CAuditorium& owner, CLensType& setUp) {
                         lumivane::EditAlignment(owner, setUp, alignment);
                     });
}

bool ProjectEditor::EditProjectorPosition(int auditorium, int projector, int format, double lateral,
                                          double lensHeight, EditView view) {
    return EditProjector(auditorium, projector, step::EditLensPosition, ChangeGeometry,
                         [&](CAuditorium& owner, CProjectorType& target) {
                             lumivane::EditProjectorPosition(owner, target,
                                                             target.FindLensType(format), lateral,
                                                             lensHeight, view);
                         });
}

bool ProjectEditor::PlaceProjector(int auditorium, int projector, int format,
                                   PositionButton place) {
    return EditProjector(
        auditorium, projector,
        place == PositionButton::Center ? step::CenterProjector : step::DefaultPosition,
        ChangeGeometry, [&](CAuditorium& owner, CProjectorType& target) {
            lumivane::EditPlaceProjector(owner, target, target.FindLensType(format), place);
        });
}

bool ProjectEditor::SetSizeMode(int auditorium, int projector, int format, bool byWidth) {
    CLensType* current = SetUpAt(auditorium, projector, format);
    return EditAuditorium(auditorium, step::ImageSizeMode, [&](CAuditorium& owner) {
        lumivane::EditSizeMode(owner, current, byWidth);
    });
}

void ProjectEditor::SelectSetUp(int auditorium, int projector, int row) {
    CProjectorType* target = ProjectorAt(auditorium, projector);
    if (target != nullptr && row >= -1 && row < target->LensTypeCount()) {
        target->SetSelected(row);
    }
}

bool ProjectEditor::DragProjector(int auditorium, int projector, int format, double lateral,
                                  double lensHeight) {
    return EditProjector(auditorium, projector, step::MoveProjector, ChangeGeometry,
                         [&](CAuditorium& owner, CProjectorType& target) {
                             lumivane::EditDraggedPosition(
                                 owner, target, target.FindLensType(format), lateral, lensHeight);
                         });
}

void ProjectEditor::Restore(const ProjectSnapshot& target, const ProjectSnapshot& from) {
    struct StepBracket {
        CQorDoc& doc;
        explicit StepBracket(CQorDoc& d) : doc(d) {
            doc.Notify([](ProjectListener& l) { l.StepBegun(); });
        }
        ~StepBracket() {
            doc.Notify([](ProjectListener& l) { l.StepEnded(); });
        }
        StepBracket(const StepBracket&) = delete;
        StepBracket& operator=(const StepBracket&) = delete;
    } bracket(m_doc);
    const std::shared_ptr<const UserFormats> formatsBefore = CurrentUserFormats();
    const bool formatsRestored = RestoreUserFormats(target.userFormats);
    try {
        RestoreAuditoriums(target);
    } catch (...) {
        if (formatsRestored) {
            RestoreUserFormats(formatsBefore);
        }
        throw;
    }
    if (formatsRestored) {
        m_doc.Notify([](ProjectListener& l) { l.CatalogsReplaced(); });
    }
    if (!SameInfo(target.info, from.info)) {
        m_doc.m_contents.info = target.info;
        m_doc.Notify([](ProjectListener& l) { l.ProjectInfoChanged(); });
    }
    m_doc.SetModifiedFlag(true);
}

bool ProjectEditor::RestoreUserFormats(const std::shared_ptr<const UserFormats>& wanted) {
    if (!wanted || !Ctx().formats || SameUserFormats(wanted, CurrentUserFormats())) {
        return false;
    }
    Ctx().formats->ReplaceUserFormats(*wanted);
    m_userFormats = wanted;
    // A record names its formats by position, so every record is written again under them.
    m_records.clear();
    return true;
}

void ProjectEditor::RestoreAuditoriums(const ProjectSnapshot& target) {
    const ProjectSnapshot present = TakeSnapshot();
    const auto& now = present.auditoriums;
    const auto& wanted = target.auditoriums;
    // Only the auditoriums between the longest equal head and tail are touched, so undoing
    // the deletion of one auditorium inserts just that one.
    std::size_t head = 0;
    while (head < now.size() && head < wanted.size() && SameRecord(now[head], wanted[head])) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < now.size() - head && tail < wanted.size() - head &&
           SameRecord(now[now.size() - 1 - tail], wanted[wanted.size() - 1 - tail])) {
        ++tail;
    }
    const std::size_t nowEnd = now.size() - tail;
    const std::size_t wantedEnd = wanted.size() - tail;
    // Everything is read before anything changes, so a bad record leaves the project whole.
    std::vector<std::unique_ptr<CAuditorium>> restored;
    for (std::size_t i = head; i < wantedEnd; ++i) {
        restored.push_back(ReadAuditoriumRecord(*wanted[i], static_cast<int>(i) + 1));
    }
    std::size_t i = head;
    for (; i < nowEnd && i < wantedEnd; ++i) {
        ReplaceAuditorium(static_cast<int>(i), std::move(restored[i - head]));
        m_records[i] = wanted[i];
    }
    for (std::size_t gone = i; gone < nowEnd; ++gone) {
        RemoveAuditorium(static_cast<int>(i));
    }
    for (; i < wantedEnd; ++i) {
        InsertAuditorium(static_cast<int>(i), std::move(restored[i - head]));
        m_records[i] = wanted[i];
    }
}

namespace {

bool RemapSetUp(CLensType& setUp, const std::vector<int>& remap) {
    const int format = setUp.GetFormat();
    if (format < 0 || static_cast<std::size_t>(format) >= remap.size()) {
        return false;
    }
    const int moved = remap[static_cast<std::size_t>(format)];
    if (moved < 0 || moved == format) {
        return false;
    }
    setUp.MoveToFormatPosition(moved);
    return true;
}

bool Lists(const std::vector<int>& positions, int format) {
    return std::find(positions.begin(), positions.end(), format) != positions.end();
}

} // namespace

bool ProjectEditor::ApplyFormatChanges(const std::vector<int>& remap,
                                       const std::vector<int>& changed,
                                       const std::function<void()>& replaceCatalog) {
    const Transaction transaction(*this, step::FilmFormats);
    const std::shared_ptr<const UserFormats> before = CurrentUserFormats();
    replaceCatalog();
    m_userFormats.reset();
    bool any = !SameUserFormats(before, CurrentUserFormats());
    for (int a = 0; a < m_doc.GetAuditoriumCount(); ++a) {
        CAuditorium& owner = *AuditoriumAt(a);
        bool touched = false;
        bool recalculate = false;
        for (int p = 0; p < owner.ProjectorCount(); ++p) {
            CProjectorType& projector = *owner.GetProjector(p);
            for (int s = 0; s < projector.LensTypeCount(); ++s) {
                CLensType& setUp = *projector.GetLensType(s);
                touched = RemapSetUp(setUp, remap) || touched;
                recalculate = recalculate || Lists(changed, setUp.GetFormat());
            }
        }
        if (recalculate) {
            owner.RefreshAllImages();
            owner.FitToImages(nullptr);
        }
        if (touched || recalculate) {
            Touch(a);
            NotifyWholeAuditorium(a);
            any = true;
        }
    }
    if (m_viewedFormat >= 0 && static_cast<std::size_t>(m_viewedFormat) < remap.size() &&
        remap[static_cast<std::size_t>(m_viewedFormat)] >= 0) {
        m_viewedFormat = remap[static_cast<std::size_t>(m_viewedFormat)];
    }
    return any;
}

// Every label and number of the auditorium may have moved: the set-ups' format names too.
void ProjectEditor::NotifyWholeAuditorium(int auditorium) {
    const CAuditorium& owner = *m_doc.GetAuditorium(auditorium);
    m_doc.Notify([&](ProjectListener& l) {
        l.ItemChanged(ItemPath::Auditorium(auditorium), ChangeGeometry);
    });
    for (int p = 0; p < owner.ProjectorCount(); ++p) {
        for (int s = 0; s < owner.GetProjector(p)->LensTypeCount(); ++s) {
            const ItemPath path = ItemPath::SetUp(auditorium, p, s);
            m_doc.Notify([&](ProjectListener& l) { l.ItemChanged(path, ChangeName | ChangeLens); });
        }
    }
}

int ProjectEditor::RebindCatalogItems() {
    const ProjectSnapshot before = TakeSnapshot();
    const int droppedBefore = Ctx().droppedCatalogItems;
    for (int a = 0; a < m_doc.GetAuditoriumCount(); ++a) {
        CAuditorium& owner = *AuditoriumAt(a);
        for (int i = 0; i < owner.LensTypeCount(); ++i) {
            owner.GetLensType(i)->RebindChoice();
        }
    }
    const int dropped = Ctx().droppedCatalogItems - droppedBefore;
    CatalogsReplaced();
    if (!SameSnapshot(before, TakeSnapshot())) {
        m_doc.SetModifiedFlag(true);
    }
    return dropped;
}

void ProjectEditor::SetMetricUnits(bool metric) {
    Ctx().metricUnits = metric;
    m_doc.Notify([](ProjectListener& l) { l.UnitsChanged(); });
}

void ProjectEditor::SetFixedFocal(bool fixedFocal) {
    Ctx().settings.m_fixedFocal = fixedFocal;
    m_doc.Notify([](ProjectListener& l) { l.LensRulesChanged(); });
}

void ProjectEditor::CatalogsReplaced() {
    m_records.clear();
    m_userFormats.reset();
    m_doc.Notify([](ProjectListener& l) { l.CatalogsReplaced(); });
}

} // namespace lumivane
