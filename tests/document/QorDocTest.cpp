#include "document/QorDoc.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/DocumentObserver.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using lumivane::ProjectReadResult;
using lumivane::test::FixedClock;
using lumivane::test::TempDir;

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Records what the document tells the tree, one line per call.
class EventLog : public lumivane::DocumentObserver {
public:
    std::vector<std::string> events;

    void AuditoriumInserted(int index) override { Add("+aud", {index}); }
    void AuditoriumRemoved(int index, const CAuditorium& removed) override {
        Add("-aud " + removed.Name(), {index});
    }
    void ProjectorInserted(int a, int p) override { Add("+proj", {a, p}); }
    void ProjectorRemoved(int a, int p, const CProjectorType&) override { Add("-proj", {a, p}); }
    void FormatInserted(int a, int p, int f) override { Add("+format", {a, p, f}); }
    void FormatRemoved(int a, int p, int f) override { Add("-format", {a, p, f}); }
    void LensUpdated(int a, int p, int f) override { Add("lens", {a, p, f}); }
    void ProjectReplaced() override { Add("replaced", {}); }

private:
    void Add(std::string event, std::initializer_list<int> indexes) {
        for (const int i : indexes) {
            event += " " + std::to_string(i);
        }
        events.push_back(event);
    }
};

class QorDocTest : public ::testing::Test {
protected:
    QorDocTest() {
        lumivane::test::InstallShippedCatalogs();
        auto& context = m_context.context();
        context.settingsStore = m_store;
        m_doc.SetObserver(&m_log);
    }

    static bool Never(const std::string&, const std::string&) {
        ADD_FAILURE() << "no question expected";
        return false;
    }

    lumivane::ScopedAppContext m_context;
    std::shared_ptr<lumivane::test::MemorySettingsStore> m_store =
        std::make_shared<lumivane::test::MemorySettingsStore>();
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>();
    CQorDoc m_doc{m_clock};
    EventLog m_log;
    TempDir m_dir;
};

TEST_F(QorDocTest, NewProjectIsDatedNowAndUnconfirmed) {
    m_clock->Set(2025, 12, 24, 18, 5);
    m_doc.AddAuditorium();
    m_doc.NewDocument();
    const auto& info = m_doc.GetProjectInfo();
    EXPECT_EQ(info.projectDate, "12/24/25 6:05 PM");
    EXPECT_EQ(info.lastChange, "12/24/25 6:05 PM");
    EXPECT_EQ(info.manager, "");
    EXPECT_EQ(info.startDate, "");
    EXPECT_EQ(info.endDate, "");
    EXPECT_FALSE(m_doc.IsProjectInfoSet());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
    EXPECT_EQ(m_doc.GetTitle(), "Halvard Optics, Inc.");
    EXPECT_EQ(m_log.events.back(), "replaced");
}

TEST_F(QorDocTest, NewProjectTakesTheUnitSystemFromTheSettings) {
    m_store->WriteInt("Settings", "Metric", 2);
    m_doc.NewDocument();
    EXPECT_FALSE(lumivane::Ctx().metricUnits);
    m_store->WriteInt("Settings", "Metric", 0);
    m_clock->SetMetric(true);
    m_doc.NewDocument();
    EXPECT_TRUE(lumivane::Ctx().metricUnits);
}

TEST_F(QorDocTest, TitleDropsTheProjectExtensionInAnyCase) {
    m_doc.SetTitle("Main Street.HOPRJ");
    EXPECT_EQ(m_doc.GetTitle(), "Main Street");
    m_doc.SetTitle("plan.v2.Hoprj");
    EXPECT_EQ(m_doc.GetTitle(), "plan.v2");
    m_doc.SetTitle("notes.hoprj.txt");
    EXPECT_EQ(m_doc.GetTitle(), "notes.hoprj.txt");
    m_doc.SetTitle("Untitled");
    EXPECT_EQ(m_doc.GetTitle(), "Halvard Optics, Inc.");
}

TEST_F(QorDocTest, ProjectSettingsConfirmWithoutModifying) {
    m_doc.SetProjectInfo(lumivane::ProjectInfo{"Ann", "then", "", "May", "June", false});
    EXPECT_TRUE(m_doc.IsProjectInfoSet());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetProjectInfo().manager, "Ann");
}

TEST_F(QorDocTest, EveryWayOfAddingAnAuditoriumMarksModified) {
    CAuditorium* first = m_doc.AddAuditorium();
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(first->Name(), "Auditorium 1");

    m_doc.SetModifiedFlag(false);
    first->SetComments("front row");
    CAuditorium* copy = m_doc.DuplicateAuditorium(0);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(copy->Name(), "Auditorium 2");
    EXPECT_EQ(copy->Comments(), "");

    m_doc.SetModifiedFlag(false);
    EXPECT_EQ(m_doc.AddAuditoriumFrom(first)->Name(), "Auditorium 3");
    EXPECT_TRUE(m_doc.IsModified());

    m_doc.SetModifiedFlag(false);
    m_doc.AppendAuditorium(std::make_unique<CAuditorium>(9));
    EXPECT_TRUE(m_doc.IsModified());

    EXPECT_EQ(m_doc.GetAuditoriumCount(), 4);
    EXPECT_EQ(m_log.events, (std::vector<std::string>{"+aud 0", "+aud 1", "+aud 2", "+aud 3"}));
}

TEST_F(QorDocTest, NothingToCopyChangesNothing) {
    EXPECT_EQ(m_doc.DuplicateAuditorium(0), nullptr);
    EXPECT_EQ(m_doc.AddAuditoriumFrom(nullptr), nullptr);
    EXPECT_EQ(m_doc.AppendAuditorium(nullptr), nullptr);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_log.events.empty());
}

TEST_F(QorDocTest, FindsAuditoriumsAndTheOwnerOfAProjector) {
    m_doc.AddAuditorium();
    CAuditorium* second = m_doc.AddAuditorium();
    CProjectorType* projector = m_doc.AddProjector(1, 0);
    ASSERT_NE(projector, nullptr);
    EXPECT_EQ(m_doc.IndexOfAuditorium(second), 1);
    EXPECT_EQ(m_doc.IndexOfAuditorium(nullptr), -1);
    EXPECT_EQ(m_doc.FindAuditoriumOfProjector(projector), second);
    EXPECT_EQ(m_doc.FindAuditoriumOfProjector(nullptr), nullptr);
    EXPECT_EQ(m_doc.GetAuditorium(2), nullptr);
    EXPECT_EQ(m_doc.GetAuditorium(-1), nullptr);
}

TEST_F(QorDocTest, DeletingAnEmptyAuditoriumAsksNothing) {
    m_doc.AddAuditorium();
    m_doc.AddAuditorium();
    m_doc.SetModifiedFlag(false);
    EXPECT_TRUE(m_doc.DeleteAuditorium(0, Never));
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_EQ(m_doc.GetAuditoriumCount(), 1);
    EXPECT_EQ(m_doc.GetAuditorium(0)->Name(), "Auditorium 2");
    EXPECT_EQ(m_log.events.back(), "-aud Auditorium 1 0");
}

TEST_F(QorDocTest, DeletingAnAuditoriumWithProjectorsAsksFirst) {
    m_doc.AddAuditorium();
    m_doc.AddProjector(0, 0);
    m_doc.SetModifiedFlag(false);
    std::string asked;
    std::string caption;
    auto answer = [&](bool yes) {
        return [&, yes](const std::string& text, const std::string& title) {
            asked = text;
            caption = title;
            return yes;
        };
    };
    EXPECT_FALSE(m_doc.DeleteAuditorium(0, {}));
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 1);
    EXPECT_FALSE(m_doc.DeleteAuditorium(0, answer(false)));
    EXPECT_EQ(asked, "Are you sure you want to delete Auditorium 1?");
    EXPECT_EQ(caption, "Delete Auditorium");
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 1);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.DeleteAuditorium(0, answer(true)));
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
    EXPECT_FALSE(m_doc.DeleteAuditorium(0, Never));
}

TEST_F(QorDocTest, ProjectorAndFormatChangesReachTheObserver) {
    m_doc.AddAuditorium();
    m_log.events.clear();
    CProjectorType* projector = m_doc.AddProjector(0, 0);
    ASSERT_NE(projector, nullptr);
    const int format = projector->FirstSupportedFormat(0);
    ASSERT_GE(format, 0);
    EXPECT_NE(m_doc.AddFormat(0, 0, format), nullptr);
    EXPECT_TRUE(m_doc.RemoveFormat(0, 0, format));
    EXPECT_FALSE(m_doc.RemoveFormat(0, 0, format));
    EXPECT_TRUE(m_doc.RemoveProjector(0, 0));
    EXPECT_FALSE(m_doc.RemoveProjector(0, 0));
    EXPECT_EQ(m_doc.AddProjector(5, 0), nullptr);
    const std::string f = std::to_string(format);
    EXPECT_EQ(m_log.events,
              (std::vector<std::string>{"+proj 0 0", "+format 0 0 " + f, "lens 0 0 " + f,
                                        "-format 0 0 " + f, "-proj 0 0"}));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(QorDocTest, ChoosingAndClearingALensUpdatesItsItem) {
    m_doc.AddAuditorium();
    CProjectorType* projector = m_doc.AddProjector(0, 0);
    const int format = projector->FirstSupportedFormat(0);
    CLensType* setUp = m_doc.AddFormat(0, 0, format);
    ASSERT_NE(setUp, nullptr);
    const auto candidates = lumivane::ListCandidates(*setUp);
    ASSERT_FALSE(candidates.empty());
    m_log.events.clear();
    m_doc.SetModifiedFlag(false);

    EXPECT_TRUE(m_doc.ChooseLens(0, 0, format, candidates.front()));
    EXPECT_TRUE(setUp->HasCombination());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.ClearLens(0, 0, format));
    EXPECT_FALSE(setUp->HasCombination());
    EXPECT_FALSE(m_doc.ClearLens(0, 0, format + 1000));
    const std::string item = "lens 0 0 " + std::to_string(format);
    EXPECT_EQ(m_log.events, (std::vector<std::string>{item, item}));
}

TEST_F(QorDocTest, ItemsTheCatalogNoLongerHasAreDroppedAndCounted) {
    m_doc.AddAuditorium();
    CProjectorType* projector = m_doc.AddProjector(0, 0);
    const int format = projector->FirstSupportedFormat(0);
    CLensType* setUp = m_doc.AddFormat(0, 0, format);
    const auto candidates = lumivane::ListCandidates(*setUp);
    ASSERT_FALSE(candidates.empty());
    m_doc.ChooseLens(0, 0, format, candidates.front());
    const auto items = static_cast<int>(setUp->Choice().Items().size());
    const auto path = m_dir / "lenses.hoprj";
    ASSERT_TRUE(m_doc.SaveDocument(path));

    ASSERT_EQ(m_doc.OpenDocument(path, false), ProjectReadResult::Ok);
    EXPECT_EQ(m_doc.DroppedItemCount(), 0);
    lumivane::Ctx().lenses = std::make_shared<CLensDatabase>();
    ASSERT_EQ(m_doc.OpenDocument(path, false), ProjectReadResult::Ok);
    EXPECT_EQ(m_doc.DroppedItemCount(), items);
    EXPECT_FALSE(m_doc.GetAuditorium(0)->GetLensType(0)->HasCombination());
}

TEST_F(QorDocTest, SavingAnEmptyProjectWritesVersionTextsAndCount) {
    m_doc.SetProjectInfo(lumivane::ProjectInfo{"Al", "D", "", "", "", true});
    const auto path = m_dir / "empty.hoprj";
    ASSERT_TRUE(m_doc.SaveDocument(path));
    EXPECT_EQ(lumivane::test::ReadFileBytes(path),
              (std::vector<std::uint8_t>{12, 0, 0, 0, 2, 'A', 'l', 1, 'D', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m_doc.GetTitle(), "empty");
    EXPECT_EQ(m_doc.GetPathName(), path);
}

TEST_F(QorDocTest, SavingRefreshesOnlyALastChangeThatIsSet) {
    const auto path = m_dir / "p.hoprj";
    m_clock->Set(2024, 7, 1, 14, 30);
    ASSERT_TRUE(m_doc.SaveDocument(path));
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "7/1/24 2:30 PM");
    EXPECT_EQ(m_doc.GetProjectInfo().projectDate, "5/6/24 9:15 AM");
    ASSERT_TRUE(m_doc.SaveDocument(path));
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "7/1/24 2:30 PM");

    auto info = m_doc.GetProjectInfo();
    info.lastChange.clear();
    m_doc.SetProjectInfo(info);
    m_clock->Set(2024, 8, 1, 8, 0);
    ASSERT_TRUE(m_doc.SaveDocument(path));
    ASSERT_EQ(m_doc.OpenDocument(path, false), ProjectReadResult::Ok);
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "");
}

TEST_F(QorDocTest, FailedSaveKeepsTheOldFileAndTheProject) {
    const auto path = m_dir / "keep.hoprj";
    ASSERT_TRUE(m_doc.SaveDocument(path));
    const auto before = lumivane::test::ReadFileBytes(path);
    m_doc.AddAuditorium();
    m_clock->Set(2030, 1, 1, 0, 0);
    EXPECT_FALSE(m_doc.SaveDocument(m_dir / "missing" / "keep.hoprj"));
    EXPECT_EQ(CQorDoc::kSaveFailedMessage, "Failed to save document.");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "5/6/24 9:15 AM");
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), before);
}

TEST_F(QorDocTest, OpeningReplacesTheProjectAndClearsModified) {
    m_doc.SetProjectInfo(lumivane::ProjectInfo{"Ann", "P", "L", "S", "E", true});
    m_doc.AddAuditorium()->SetComments("balcony");
    m_doc.AddProjector(0, 0);
    const auto path = m_dir / "Main Street.HOPRJ";
    ASSERT_TRUE(m_doc.SaveDocument(path));

    CQorDoc other(m_clock);
    other.SetObserver(&m_log);
    other.AddAuditorium();
    m_log.events.clear();
    ASSERT_EQ(other.OpenDocument(path, true), ProjectReadResult::Ok);
    EXPECT_EQ(m_log.events, std::vector<std::string>{"replaced"});
    EXPECT_FALSE(other.IsModified());
    EXPECT_TRUE(other.IsProjectInfoSet());
    EXPECT_EQ(other.GetProjectInfo().manager, "Ann");
    EXPECT_EQ(other.GetTitle(), "Main Street");
    ASSERT_EQ(other.GetAuditoriumCount(), 1);
    EXPECT_EQ(other.GetAuditorium(0)->Comments(), "balcony");
    EXPECT_EQ(other.GetAuditorium(0)->ProjectorCount(), 1);
}

TEST_F(QorDocTest, OlderFileOpensWithoutProjectTexts) {
    const auto path = m_dir / "old.hoprj";
    WriteBytes(path, {11, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(m_doc.OpenDocument(path, false), ProjectReadResult::Ok);
    EXPECT_FALSE(m_doc.IsProjectInfoSet());
    EXPECT_EQ(m_doc.GetProjectInfo().projectDate, "");
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "");
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
}

TEST_F(QorDocTest, RefusedFilesLeaveANewEmptyProject) {
    const auto good = m_dir / "good.hoprj";
    m_doc.AddAuditorium();
    ASSERT_TRUE(m_doc.SaveDocument(good));
    auto truncated = lumivane::test::ReadFileBytes(good);
    truncated.resize(truncated.size() - 3);
    const std::vector<std::pair<std::vector<std::uint8_t>, ProjectReadResult>> cases{
        {{13, 0, 0, 0}, ProjectReadResult::TooNew},
        {truncated, ProjectReadResult::Corrupt},
        {{12, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}, ProjectReadResult::Corrupt},
        {{}, ProjectReadResult::Corrupt},
    };
    for (const auto& [bytes, expected] : cases) {
        ASSERT_EQ(m_doc.OpenDocument(good, false), ProjectReadResult::Ok);
        const auto bad = m_dir / "bad.hoprj";
        WriteBytes(bad, bytes);
        m_log.events.clear();
        EXPECT_EQ(m_doc.OpenDocument(bad, false), expected);
        EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
        EXPECT_EQ(m_doc.GetTitle(), "Halvard Optics, Inc.");
        EXPECT_TRUE(m_doc.GetPathName().empty());
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_EQ(m_log.events, std::vector<std::string>{"replaced"});
    }
    EXPECT_EQ(m_doc.OpenDocument(m_dir / "absent.hoprj", false), ProjectReadResult::CannotOpen);
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
}

} // namespace
