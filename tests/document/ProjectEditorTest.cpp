#include "document/ProjectEditor.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "document/ProjectEvents.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

namespace {

using lumivane::ItemPath;
using lumivane::ProjectEditor;
using lumivane::ProjectSnapshot;

std::string PathText(const ItemPath& path) {
    std::string text;
    for (const int row : {path.auditorium, path.projector, path.setUp}) {
        if (row >= 0) {
            text += " " + std::to_string(row);
        }
    }
    return text;
}

// Records item events, and checks that an item about to go is still there to be named.
class ItemLog : public lumivane::ProjectListener {
public:
    explicit ItemLog(const CQorDoc& doc) : m_doc(doc) {}
    std::vector<std::string> events;

    void ItemAboutToBeInserted(const ItemPath& path) override { Add("+?", path); }
    void ItemInserted(const ItemPath& path) override { Add("+", path); }
    void ItemAboutToBeRemoved(const ItemPath& path) override {
        Add("-? " + NameAt(path) + ":", path);
    }
    void ItemRemoved(const ItemPath& path) override { Add("-", path); }
    void ItemAboutToBeReplaced(const ItemPath& path) override { Add("=?", path); }
    void ItemReplaced(const ItemPath& path) override { Add("=", path); }
    void ItemChanged(const ItemPath& path, unsigned flags) override {
        Add("~" + std::to_string(flags), path);
    }

private:
    void Add(const std::string& what, const ItemPath& path) {
        events.push_back(what + PathText(path));
    }
    std::string NameAt(const ItemPath& path) const {
        if (path.Level() == 1) {
            return m_doc.GetAuditorium(path.auditorium)->Name();
        }
        const CProjectorType* projector = m_doc.GetProjector(path.auditorium, path.projector);
        return path.Level() == 2 ? projector->Name()
                                 : projector->GetLensType(path.setUp)->GetFormatName();
    }
    const CQorDoc& m_doc;
};

// Keeps every recorded step, as the undo history does.
class History : public lumivane::EditRecorder {
public:
    struct Entry {
        std::string label;
        ProjectSnapshot before;
        ProjectSnapshot after;
    };
    std::vector<Entry> steps;
    void Recorded(const lumivane::StepName& step, ProjectSnapshot before,
                  ProjectSnapshot after) override {
        steps.push_back({step.label, std::move(before), std::move(after)});
    }
};

class ProjectEditorTest : public ::testing::Test {
protected:
    ProjectEditorTest() {
        lumivane::test::InstallShippedCatalogs();
        m_context.context().settingsStore = m_store;
        m_doc.AddListener(&m_log);
        m_editor.SetRecorder(&m_history);
    }

    std::vector<std::uint8_t> ProjectBytes() const {
        lumivane::Archive ar = lumivane::Archive::ForStoring();
        lumivane::WriteProject(ar, m_doc.GetContents());
        return ar.Bytes();
    }

    // An auditorium with one projector showing its first format with the best lens.
    int FurnishedAuditorium() {
        const int a = m_editor.AddAuditorium();
        const int p = m_editor.AddProjector(a, 0, {});
        m_format = m_doc.GetProjector(a, p)->FirstSupportedFormat(0);
        m_editor.AddFormat(a, p, m_format);
        const auto candidates = lumivane::ListCandidates(*m_doc.GetLensType(a, p, m_format));
        if (!candidates.empty()) {
            m_editor.ChooseLens(a, p, m_format, candidates.front());
        }
        return a;
    }

    lumivane::ScopedAppContext m_context;
    std::shared_ptr<lumivane::test::MemorySettingsStore> m_store =
        std::make_shared<lumivane::test::MemorySettingsStore>();
    CQorDoc m_doc{std::make_shared<lumivane::test::FixedClock>()};
    ProjectEditor& m_editor = m_doc.Editor();
    ItemLog m_log{m_doc};
    History m_history;
    int m_format = -1;
};

TEST_F(ProjectEditorTest, AuditoriumsComeAndGoWithPairedEventsAndMarkModified) {
    EXPECT_EQ(m_editor.AddAuditorium(), 0);
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.SetModifiedFlag(false);
    EXPECT_EQ(m_editor.DuplicateAuditorium(0), 1);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetAuditorium(1)->Name(), "Auditorium 2");
    EXPECT_EQ(m_editor.AppendAuditorium(std::make_unique<CAuditorium>(9)), 2);
    EXPECT_EQ(m_editor.DuplicateAuditorium(7), -1);
    EXPECT_EQ(m_editor.AppendAuditorium(nullptr), -1);
    EXPECT_TRUE(m_editor.DeleteAuditorium(1, {}));
    EXPECT_EQ(m_log.events, (std::vector<std::string>{"+? 0", "+ 0", "+? 1", "+ 1", "+? 2", "+ 2",
                                                      "-? Auditorium 2: 1", "- 1"}));
    EXPECT_EQ(m_history.steps.size(), 4u);
    EXPECT_EQ(m_history.steps.back().label, "Delete Auditorium");
}

TEST_F(ProjectEditorTest, DeletingAnAuditoriumWithProjectorsAsksFirst) {
    FurnishedAuditorium();
    m_doc.SetModifiedFlag(false);
    std::string asked;
    auto answer = [&asked](bool yes) {
        return [&asked, yes](const std::string& text, const std::string& caption) {
            asked = text + " | " + caption;
            return yes;
        };
    };
    EXPECT_FALSE(m_editor.DeleteAuditorium(0, {}));
    EXPECT_FALSE(m_editor.DeleteAuditorium(0, answer(false)));
    EXPECT_EQ(asked, "Are you sure you want to delete Auditorium 1? | Delete Auditorium");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_editor.DeleteAuditorium(0, answer(true)));
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
}

TEST_F(ProjectEditorTest, ProjectorSetUpAndLensEventsNameTheirRows) {
    const int a = m_editor.AddAuditorium();
    m_editor.AddProjector(a, 0, {});
    m_log.events.clear();
    m_editor.AddProjector(a, 0, {});
    const int format = m_doc.GetProjector(a, 1)->FirstSupportedFormat(0);
    EXPECT_TRUE(m_editor.AddFormat(a, 1, format));
    EXPECT_FALSE(m_editor.AddFormat(a, 1, format));
    EXPECT_TRUE(m_editor.RemoveFormat(a, 1, format));
    EXPECT_FALSE(m_editor.RemoveFormat(a, 1, format));
    EXPECT_TRUE(m_editor.DeleteProjector(a, 0));
    EXPECT_FALSE(m_editor.DeleteProjector(a, 5));
    EXPECT_EQ(m_editor.AddProjector(5, 0, {}), -1);
    // Each command ends with its auditorium changed: the calculated screen follows the images.
    EXPECT_EQ(m_log.events,
              (std::vector<std::string>{"+? 0 1", "+ 0 1", "~2 0", "+? 0 1 0", "+ 0 1 0",
                                        "~4 0 1 0", "~2 0", "-? 35mm Flat 1.85: 0 1 0", "- 0 1 0",
                                        "~2 0", "-? KX KX-35 Standard: 0 0", "- 0 0", "~2 0"}));
}

TEST_F(ProjectEditorTest, ChoosingALensChangesTheSetUpsLensItem) {
    const int a = FurnishedAuditorium();
    const CLensType* setUp = m_doc.GetLensType(a, 0, m_format);
    ASSERT_TRUE(setUp->HasCombination());
    m_log.events.clear();
    EXPECT_TRUE(m_editor.ClearLens(a, 0, m_format));
    EXPECT_FALSE(setUp->HasCombination());
    EXPECT_NE(std::find(m_log.events.begin(), m_log.events.end(), "~4 0 0 0"), m_log.events.end());
    EXPECT_FALSE(m_editor.ClearLens(a, 0, m_format + 1000));
}

TEST_F(ProjectEditorTest, TheLinkButtonClearsTheLensThenUnlinksThenLinksAndRecalculates) {
    const int a = FurnishedAuditorium();
    const int other = m_doc.GetProjector(a, 0)->FirstSupportedFormat(m_format + 1);
    ASSERT_TRUE(m_editor.AddFormat(a, 0, other));
    const CLensType* setUp = m_doc.GetLensType(a, 0, m_format);
    const CLensType* linked = m_doc.GetLensType(a, 0, other);
    m_doc.SetModifiedFlag(false);
    m_history.steps.clear();
    m_log.events.clear();

    EXPECT_TRUE(m_editor.ToggleLink(a, 0, m_format));
    EXPECT_FALSE(setUp->HasCombination());
    EXPECT_FALSE(setUp->Linked());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_NE(std::find(m_log.events.begin(), m_log.events.end(), "~4 0 0 0"), m_log.events.end());
    m_editor.EditImageSize(a, 0, m_format, 2.5, false);
    EXPECT_NE(linked->ImageHeight(), 2.5);

    EXPECT_TRUE(m_editor.ToggleLink(a, 0, m_format));
    EXPECT_TRUE(setUp->Linked());
    EXPECT_DOUBLE_EQ(linked->ImageHeight(), 2.5);
    EXPECT_TRUE(m_editor.ToggleLink(a, 0, m_format));
    EXPECT_FALSE(setUp->Linked());
    EXPECT_FALSE(m_editor.ToggleLink(a, 0, -1));
    ASSERT_EQ(m_history.steps.size(), 4u);
    EXPECT_EQ(m_history.steps.back().label, "Toggle Link");
}

TEST_F(ProjectEditorTest, ABarrelPickBindsTheSetUpInOneStep) {
    const int a = FurnishedAuditorium();
    m_history.steps.clear();
    const auto barrel = static_cast<std::int16_t>(m_doc.GetLensType(a, 0, m_format)->Barrel() + 1);
    EXPECT_TRUE(m_editor.ChooseBarrel(a, 0, m_format, barrel));
    EXPECT_EQ(m_doc.GetLensType(a, 0, m_format)->Barrel(), barrel);
    EXPECT_FALSE(m_editor.ChooseBarrel(a, 1, m_format, barrel));
    ASSERT_EQ(m_history.steps.size(), 1u);
    EXPECT_EQ(m_history.steps[0].label, "Lens Diameter");
}

TEST_F(ProjectEditorTest, CopiedProjectorIsMirroredAndEveryTreeCommandMarksModified) {
    const int a = m_editor.AddAuditorium();
    m_editor.AddProjector(a, 0, {std::nullopt, 1.5});
    m_editor.AddProjector(a, 0, {2.5, 0.0});
    EXPECT_DOUBLE_EQ(m_doc.GetProjector(a, 0)->Lateral(), 1.5);
    EXPECT_DOUBLE_EQ(m_doc.GetProjector(a, 1)->LensHeight(), 2.5);

    m_doc.SetModifiedFlag(false);
    EXPECT_EQ(m_editor.CopyProjector(a, a, 0), 2);
    EXPECT_DOUBLE_EQ(m_doc.GetProjector(a, 2)->Lateral(), -1.5);
    EXPECT_TRUE(m_doc.IsModified());

    for (const auto& edit : std::vector<std::function<bool()>>{
             [&] { return m_editor.RenameAuditorium(a, "Main"); },
             [&] { return m_editor.RenameProjector(a, 2, "Left"); },
             [&] { return m_editor.SetLockThrowDistance(a, 2, false); },
             [&] {
                 return m_editor.DuplicateAuditorium(a) >= 0;
             }}) {
        m_doc.SetModifiedFlag(false);
        EXPECT_TRUE(edit());
        EXPECT_TRUE(m_doc.IsModified());
    }
    EXPECT_EQ(m_doc.GetAuditorium(a)->Name(), "Main");
    EXPECT_EQ(m_doc.GetProjector(a, 2)->Name(), "Left");
}

// Reading takes every projector's lens-shift settings from its auditorium, so a project whose
// projectors were added, copied across and whose settings changed must read back as saved.
TEST_F(ProjectEditorTest, ASavedProjectReadsBackToTheSameBytes) {
    const int plain = FurnishedAuditorium();
    const int shifted = FurnishedAuditorium();
    m_editor.SetAllowLensShift(shifted, 0, m_format, true);
    m_editor.SetAutoLensShift(shifted, 0, m_format, true);
    m_editor.SetAlignment(shifted, 0, m_format, 0);
    EXPECT_EQ(m_editor.CopyProjector(plain, shifted, 0), 1);
    EXPECT_EQ(m_editor.CopyProjector(shifted, plain, 0), 1);
    EXPECT_GE(m_editor.AddProjector(shifted, 0, {}), 0);

    const std::vector<std::uint8_t> saved = ProjectBytes();
    lumivane::Archive in = lumivane::Archive::ForLoading(saved);
    lumivane::ProjectContents read;
    ASSERT_EQ(lumivane::ReadProject(in, read), lumivane::ProjectReadResult::Ok);
    lumivane::Archive again = lumivane::Archive::ForStoring();
    lumivane::WriteProject(again, read);
    EXPECT_EQ(again.Bytes(), saved);
    const CProjectorType& copied =
        *read.auditoriums[static_cast<std::size_t>(plain)]->GetProjector(1);
    EXPECT_EQ(copied.AllowLensShift(), 0);
    EXPECT_EQ(copied.AutoLensShift(), 0);
}

// The window recalculates every auditorium as it opens a project, so each edit must leave its
// auditorium as a recalculation would: a calculated screen follows the images that come and go.
TEST_F(ProjectEditorTest, TheCalculatedScreenFollowsImagesThatComeAndGo) {
    const auto asReopened = [this] {
        const std::vector<std::uint8_t> saved = ProjectBytes();
        lumivane::Archive in = lumivane::Archive::ForLoading(saved);
        lumivane::ProjectContents read;
        EXPECT_EQ(lumivane::ReadProject(in, read), lumivane::ProjectReadResult::Ok);
        for (const auto& auditorium : read.auditoriums) {
            auditorium->Recalculate(nullptr);
        }
        lumivane::Archive again = lumivane::Archive::ForStoring();
        lumivane::WriteProject(again, read);
        return again.Bytes() == saved;
    };
    const int a = FurnishedAuditorium();
    const CAuditorium& room = *m_doc.GetAuditorium(a);
    const int p = m_editor.AddProjector(a, 0, {});
    // The widest format the projector shows.
    const auto& formats = *lumivane::Ctx().formats;
    int wide = -1;
    for (int f = 0; f < formats.GetCount(); ++f) {
        if (m_doc.GetProjector(a, p)->SupportsFormat(f) &&
            (wide < 0 || formats.GetAt(f)->GetAspect() > formats.GetAt(wide)->GetAspect())) {
            wide = f;
        }
    }
    ASSERT_GE(wide, 0);
    const double narrow = room.ScreenWidth();

    ASSERT_TRUE(m_editor.AddFormat(a, p, wide));
    EXPECT_GT(room.ScreenWidth(), narrow + 0.5);
    EXPECT_TRUE(asReopened()) << "Add Format";
    ASSERT_TRUE(m_editor.RemoveFormat(a, p, wide));
    EXPECT_NEAR(room.ScreenWidth(), narrow, 0.01);
    EXPECT_TRUE(asReopened()) << "Remove Format";
    ASSERT_TRUE(m_editor.AddFormat(a, p, wide));
    ASSERT_EQ(m_editor.CopyProjector(a, a, p), 2);
    EXPECT_TRUE(asReopened()) << "Copy Projector";
    ASSERT_TRUE(m_editor.DeleteProjector(a, p));
    EXPECT_TRUE(asReopened()) << "Delete Projector";
    ASSERT_TRUE(m_editor.DeleteProjector(a, p));
    EXPECT_NEAR(room.ScreenWidth(), narrow, 0.01);
    EXPECT_TRUE(asReopened()) << "Delete Projector";
}

TEST_F(ProjectEditorTest, RelockingAProjectorTakesTheDefaultThrowAgain) {
    const int a = FurnishedAuditorium();
    m_editor.SetLockThrowDistance(a, 0, false);
    m_editor.EditThrow(a, 0, m_format, 12.0);
    const double imageAt12 = m_doc.GetLensType(a, 0, m_format)->ImageHeight();
    EXPECT_DOUBLE_EQ(m_doc.GetProjector(a, 0)->GetThrow(), 12.0);
    m_editor.SetLockThrowDistance(a, 0, true);
    EXPECT_DOUBLE_EQ(m_doc.GetProjector(a, 0)->GetThrow(), m_doc.GetAuditorium(a)->DefaultThrow());
    EXPECT_NE(m_doc.GetLensType(a, 0, m_format)->ImageHeight(), imageAt12);
}

TEST_F(ProjectEditorTest, DraggingAProjectorIsOneMoveEachAndKeepsItsThrow) {
    const int a = FurnishedAuditorium();
    const double throwDistance = m_doc.GetProjector(a, 0)->GetThrow();
    const auto steps = m_history.steps.size();
    EXPECT_TRUE(m_editor.DragProjector(a, 0, m_format, 1.5, 7.0));
    EXPECT_EQ(m_doc.GetProjector(a, 0)->Lateral(), 1.5);
    EXPECT_EQ(m_doc.GetProjector(a, 0)->LensHeight(), 7.0);
    EXPECT_EQ(m_doc.GetProjector(a, 0)->GetThrow(), throwDistance);
    ASSERT_EQ(m_history.steps.size(), steps + 1);
    EXPECT_EQ(m_history.steps.back().label, "Move Projector");
    EXPECT_EQ(m_log.events.back(), "~2 0 0");
    EXPECT_FALSE(m_editor.DragProjector(a, 3, m_format, 0.0, 0.0));
}

TEST_F(ProjectEditorTest, AnEditThatChangesNoByteRecordsNothing) {
    const int a = m_editor.AddAuditorium();
    m_editor.RenameAuditorium(a, "Main");
    const auto steps = m_history.steps.size();
    m_doc.SetModifiedFlag(false);
    m_editor.RenameAuditorium(a, "Main");
    m_editor.SetProjectInfo(m_doc.GetProjectInfo());
    EXPECT_TRUE(m_doc.IsProjectInfoSet());
    EXPECT_FALSE(m_doc.IsModified()) << "confirming the texts as they stand saves nothing new";
    EXPECT_EQ(m_history.steps.size(), steps);
}

TEST_F(ProjectEditorTest, UndoingEveryStepRestoresEachStateByteForByte) {
    std::vector<std::vector<std::uint8_t>> states{ProjectBytes()};
    const auto record = [&] {
        states.push_back(ProjectBytes());
    };
    FurnishedAuditorium();
    record();
    m_editor.DuplicateAuditorium(0);
    record();
    m_editor.EditThrow(1, 0, m_format, 17.5);
    record();
    m_editor.CopyProjector(0, 1, 0);
    record();
    m_editor.DeleteAuditorium(0, [](const std::string&, const std::string&) { return true; });
    record();
    m_editor.SetProjectInfo({"Ann", "a", "b", "c", "d", true});
    record();

    // Undo walks back through the recorded steps; each undone step ends on its before state.
    std::vector<std::vector<std::uint8_t>> seen;
    for (auto step = m_history.steps.rbegin(); step != m_history.steps.rend(); ++step) {
        m_editor.Restore(step->before, step->after);
        seen.push_back(ProjectBytes());
    }
    EXPECT_EQ(seen.back(), states.front());
    EXPECT_TRUE(m_doc.IsModified());
    for (const auto& step : m_history.steps) {
        m_editor.Restore(step.after, step.before);
    }
    EXPECT_EQ(ProjectBytes(), states.back());
}

TEST_F(ProjectEditorTest, UndoingAMiddleDeletionInsertsJustThatAuditorium) {
    for (int i = 0; i < 3; ++i) {
        m_editor.AddAuditorium();
    }
    m_editor.DeleteAuditorium(1, {});
    const auto& step = m_history.steps.back();
    m_log.events.clear();
    m_editor.Restore(step.before, step.after);
    EXPECT_EQ(m_log.events, (std::vector<std::string>{"+? 1", "+ 1"}));
    EXPECT_EQ(m_doc.GetAuditorium(1)->Name(), "Auditorium 2");
}

TEST_F(ProjectEditorTest, UndoingAnEditReplacesJustThatAuditorium) {
    for (int i = 0; i < 3; ++i) {
        m_editor.AddAuditorium();
    }
    m_editor.RenameAuditorium(1, "Main");
    const auto& step = m_history.steps.back();
    m_log.events.clear();
    m_editor.Restore(step.before, step.after);
    EXPECT_EQ(m_log.events,
              (std::vector<std::string>{"=? 1", "-? Main: 1", "- 1", "+? 1", "+ 1", "= 1"}));
}

TEST_F(ProjectEditorTest, SnapshotsDoNotDependOnTheUnitsShown) {
    FurnishedAuditorium();
    const ProjectSnapshot metric = m_editor.TakeSnapshot();
    m_editor.SetMetricUnits(false);
    m_editor.ForgetSnapshots();
    const ProjectSnapshot english = m_editor.TakeSnapshot();
    EXPECT_EQ(*metric.auditoriums[0], *english.auditoriums[0]);
    m_editor.Restore(metric, english);
    EXPECT_FALSE(lumivane::Ctx().metricUnits);
}

} // namespace
