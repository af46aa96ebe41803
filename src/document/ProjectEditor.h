#pragma once
// The one edit path of a project. Tree commands, view fields, bars, dialogs and the wizard
// change the project only through these operations: each applies the model operation, marks
// the project modified, tells the document's listeners what changed and hands a snapshot from
// before and after to the recorder (the undo history). An operation that leaves the project's
// bytes as they were records nothing and marks nothing.
//
// Items are named by position: auditorium index, projector index in its auditorium, and for
// lens set-ups the format's catalog index (the set-up's identity within its projector).

#include "document/EditSteps.h"
#include "document/ProjectEvents.h"
#include "document/ProjectFile.h"
#include "document/ProjectSnapshot.h"
#include "model/AuditoriumSettings.h"
#include "model/EditCommands.h"
#include "model/LensType.h"
#include "model/LightValues.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAuditorium;
class CLensChoice;
class CProjectorType;
class CQorDoc;

namespace lumivane {

// Receives every recorded edit, for the undo history.
class EditRecorder {
public:
    virtual ~EditRecorder() = default;
    // A step begins: the project is still as it was. Recorded follows unless it changes nothing.
    virtual void StepStarting() {}
    virtual void Recorded(const StepName& step, ProjectSnapshot before, ProjectSnapshot after) = 0;
};

// Where a new projector goes; unset values keep what the auditorium gives it.
struct ProjectorPlacement {
    std::optional<double> lensHeight;
    std::optional<double> lateral;
};

// What a command re-fits once it is done: the room of one set-up, as the view showing that
// set-up does after its own edits. By default nothing.
struct Refit {
    int auditorium = -1;
    int projector = -1;
    int format = -1;
};

class ProjectEditor {
public:
    using ConfirmFn = std::function<bool(const std::string& text, const std::string& caption)>;

    explicit ProjectEditor(CQorDoc& doc);
    ProjectEditor(const ProjectEditor&) = delete;
    ProjectEditor& operator=(const ProjectEditor&) = delete;
    ~ProjectEditor();

    // Null to record nothing.
    void SetRecorder(EditRecorder* recorder) { m_recorder = recorder; }

    // The project settings; marks the project modified only when a text changed. Confirming
    // the texts as they stand is no change: nothing is recorded.
    void SetProjectInfo(const ProjectInfo& info);

    // Each returns the new auditorium's index, or -1 when nothing was added. A new auditorium
    // takes its booth heights over from the auditorium and projector given (-1: none).
    int AddAuditorium(int likeAuditorium = -1, int likeProjector = -1);
    int DuplicateAuditorium(int index);
    // Takes over a finished auditorium (the auditorium wizard's).
    int AppendAuditorium(std::unique_ptr<CAuditorium> auditorium);
    // Asks through confirm before deleting an auditorium with projectors; without anyone to
    // ask such an auditorium is kept. False when nothing was deleted.
    bool DeleteAuditorium(int index, const ConfirmFn& confirm);
    bool RenameAuditorium(int auditorium, const std::string& name);
    // The booth heights a new auditorium takes over from the one selected before it.
    bool SetBoothHeights(int auditorium, double floorToScreen, double floorToBooth);
    // Any change of the auditorium's own settings (screen, curve, tilt, audience, seats,
    // porthole, comments, lens shift): change runs on the auditorium and must leave it
    // recalculated as the view wants it.
    bool EditAuditorium(int auditorium, StepName step,
                        const std::function<void(CAuditorium&)>& change);
    // One of the auditorium's own settings, under its label.
    bool SetAuditoriumSetting(int auditorium, AuditoriumSetting setting, double value);
    bool SetComments(int auditorium, const std::string& comments);

    // Returns the new projector's index, or -1. The projector is placed before the
    // auditorium recalculates, so the numbers belong to its place.
    int AddProjector(int auditorium, int model, const ProjectorPlacement& placement);
    // A copy of the projector with its lateral position negated, added to target.
    int CopyProjector(int target, int auditorium, int projector);
    bool DeleteProjector(int auditorium, int projector);
    bool RenameProjector(int auditorium, int projector, const std::string& name);
    // Locking makes the projector follow the auditorium's default throw at once.
    bool SetLockThrowDistance(int auditorium, int projector, bool locked);

    bool AddFormat(int auditorium, int projector, int format, const Refit& refit = {});
    bool RemoveFormat(int auditorium, int projector, int format, const Refit& refit = {});
    bool ChooseLens(int auditorium, int projector, int format, const CLensChoice& choice,
                    const Refit& refit = {});
    bool ClearLens(int auditorium, int projector, int format, const Refit& refit = {});
    // Clears a chosen lens, else unlinks a linked set-up, else links it and recalculates.
    bool ToggleLink(int auditorium, int projector, int format);
    // Binds the set-up to a barrel diameter (tenths of a millimetre) for its next lens.
    bool ChooseBarrel(int auditorium, int projector, int format, std::int16_t barrel);
    // The used area of a digital panel (top-left, top-right, bottom-right, bottom-left).
    bool AdjustFormatCorners(int auditorium, int projector, int format,
                             const PanelCorners& corners);

    // The edits of the projector, format and lens views; format -1 is "no set-up shown".
    bool EditFocalLength(int auditorium, int projector, int format, double mm, EditView view);
    bool EditImageSize(int auditorium, int projector, int format, double value, bool byWidth);
    bool EditThrow(int auditorium, int projector, int format, double throwDistance);
    bool EditLensShift(int auditorium, int projector, int format, double vertical,
                       double horizontal);
    // The auditorium's lens-shift settings, from the view of one of its set-ups.
    bool SetAllowLensShift(int auditorium, int projector, int format, bool on);
    bool SetAutoLensShift(int auditorium, int projector, int format, bool on);
    bool SetAlignment(int auditorium, int projector, int format, int alignment);
    bool EditProjectorPosition(int auditorium, int projector, int format, double lateral,
                               double lensHeight, EditView view);
    // The Center and Default buttons of the projector and format views.
    bool PlaceProjector(int auditorium, int projector, int format, PositionButton place);
    // The Height/Width button: which image measure the auditorium keeps and the views edit.
    bool SetSizeMode(int auditorium, int projector, int format, bool byWidth);
    // The light and seating values; unset is "not known". A value out of its range changes
    // nothing and gives false.
    bool SetLightOutput(int auditorium, int projector, std::optional<double> lumens);
    bool SetLightFactor(int auditorium, int projector, std::optional<double> factor);
    bool SetScreenGain(int auditorium, std::optional<double> gain);
    bool SetPortGlass(int auditorium, std::optional<double> transmission);
    bool Set3DTransmission(int auditorium, std::optional<double> transmission);
    bool SetSeatRows(int auditorium, const SeatRows& rows);
    bool SetBoothFloor(int auditorium, std::optional<double> height);

    // The set-up row a projector's views open on. Not kept in the file, so no step.
    void SelectSetUp(int auditorium, int projector, int row);
    // One step of dragging the projector's marker on the screen drawing; the drawing brackets
    // a whole drag with its edit signals so the undo history keeps it as one step.
    bool DragProjector(int auditorium, int projector, int format, double lateral,
                       double lensHeight);

    // The whole project as bytes; cheap when little changed since the last one.
    ProjectSnapshot TakeSnapshot();
    // Brings the project back to target, which was taken when the project was as from was:
    // the user's formats first (and the settings store with them) when target knew others,
    // auditoriums that differ from the present ones are replaced (removed and inserted
    // again), the project texts only when from and target differ in them. Marks the project
    // modified; records nothing. Throws, with the project and formats as they were, when a
    // record of target cannot be read.
    void Restore(const ProjectSnapshot& target, const ProjectSnapshot& from);

    // The set-up the current view shows (format -1 or a negative auditorium: none).
    void SetViewedSetUp(int auditorium, int projector, int format);
    // The set-up the current view shows, as a command's re-fit.
    Refit RefitOfViewed() const;

    // The format catalog changes under the project (the Formats dialog's OK), as one step:
    // replaceCatalog changes it, then every set-up's format position p moves to remap[p]
    // (positions outside remap, or mapped to -1, stay), and every auditorium showing a format
    // at a position listed in changed (positions after the move) is recalculated. The step
    // keeps the user's formats from before and after, so undo puts them back too.
    bool ApplyFormatChanges(const std::vector<int>& remap, const std::vector<int>& changed,
                            const std::function<void()>& replaceCatalog);

    // Not changes of the project, but its listeners redisplay.
    void SetMetricUnits(bool metric);
    void SetFixedFocal(bool fixedFocal);
    void CatalogsReplaced();
    // After a live update replaced the catalogs: every lens combination is read back by its
    // item numbers so it names the new catalog's items, then CatalogsReplaced. Not an undo
    // step; the project is marked modified only when items the catalog no longer has were
    // dropped. Returns how many were.
    int RebindCatalogItems();

    // The document's New and Open start the snapshot cache afresh.
    void ForgetSnapshots();

private:
    // Groups the operations made during its life into one recorded step under its name.
    class Transaction;

    CAuditorium* AuditoriumAt(int index) const;
    CProjectorType* ProjectorAt(int auditorium, int projector) const;
    CLensType* SetUpAt(int auditorium, int projector, int format) const;
    void Apply(const Refit& refit);
    void FitScreen(int auditorium);
    // Runs change on one set-up of one projector; false when there is no such set-up.
    bool EditSetUp(int auditorium, int projector, int format, StepName step,
                   const std::function<void(CAuditorium&, CLensType&)>& change);
    bool EditProjector(int auditorium, int projector, StepName step, unsigned flags,
                       const std::function<void(CAuditorium&, CProjectorType&)>& change);
    bool EditRoomLight(int auditorium, StepName step,
                       const std::function<void(RoomLight&)>& change);
    bool EditProjectorLight(int auditorium, int projector, StepName step,
                            const std::function<void(ProjectorLight&)>& change);
    void InsertAuditorium(int index, std::unique_ptr<CAuditorium> auditorium);
    void RemoveAuditorium(int index);
    void ReplaceAuditorium(int index, std::unique_ptr<CAuditorium> auditorium);
    std::shared_ptr<const RecordBytes> CachedRecord(int index);
    std::shared_ptr<const UserFormats> CurrentUserFormats();
    // Puts the format catalog's user formats back as wanted gives them; false when they
    // already are.
    bool RestoreUserFormats(const std::shared_ptr<const UserFormats>& wanted);
    void RestoreAuditoriums(const ProjectSnapshot& target);
    void Touch(int auditorium);
    void NotifyWholeAuditorium(int auditorium);

    CQorDoc& m_doc;
    EditRecorder* m_recorder = nullptr;
    // One record per auditorium, null where the auditorium changed since it was written.
    std::vector<std::shared_ptr<const RecordBytes>> m_records;
    int m_stepDepth = 0;
    int m_viewedAuditorium = -1;
    int m_viewedProjector = -1;
    int m_viewedFormat = -1;
    // The user's formats as the project last saw them; null until a snapshot needs them.
    std::shared_ptr<const UserFormats> m_userFormats;
};

// The operations made during a transaction's life are one recorded step under its name;
// operations nest, and only the outermost records. Nothing is recorded, and the project is
// not marked modified, when its bytes end as they began.
class ProjectEditor::Transaction {
public:
    Transaction(ProjectEditor& editor, StepName step);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

private:
    ProjectEditor& m_editor;
    bool m_outer;
    StepName m_step;
    ProjectSnapshot m_before;
};

} // namespace lumivane
