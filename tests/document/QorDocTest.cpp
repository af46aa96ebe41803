#include "document/QorDoc.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/Utf8Path.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/ProjectEditor.h"
#include "document/ProjectEvents.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FileBytes.h"
#include "support/FileTraps.h"
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

// Records the project-wide events, one line per call.
class EventLog : public lumivane::ProjectListener {
public:
    std::vector<std::string> events;

    void ProjectAboutToBeReplaced() override { events.push_back("replacing"); }
    void ProjectReplaced() override { events.push_back("replaced"); }
    void ModifiedChanged(bool modified) override {
        events.push_back(modified ? "modified" : "unmodified");
    }
    void TitleChanged(const std::string& title) override { events.push_back("title " + title); }
};

class QorDocTest : public ::testing::Test {
protected:
    QorDocTest() {
        lumivane::test::InstallShippedCatalogs();
        auto& context = m_context.context();
        context.settingsStore = m_store;
        m_doc.AddListener(&m_log);
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
    m_doc.Editor().AddAuditorium();
    m_log.events.clear();
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
    EXPECT_EQ(m_log.events, (std::vector<std::string>{"replacing", "replaced", "unmodified"}));
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

TEST_F(QorDocTest, ItemsTheCatalogNoLongerHasAreDroppedAndCounted) {
    lumivane::ProjectEditor& editor = m_doc.Editor();
    editor.AddAuditorium();
    editor.AddProjector(0, 0, {});
    const int format = m_doc.GetProjector(0, 0)->FirstSupportedFormat(0);
    editor.AddFormat(0, 0, format);
    const CLensType* setUp = m_doc.GetLensType(0, 0, format);
    const auto candidates = lumivane::ListCandidates(*setUp);
    ASSERT_FALSE(candidates.empty());
    editor.ChooseLens(0, 0, format, candidates.front());
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
    m_doc.Editor().SetProjectInfo(lumivane::ProjectInfo{"Al", "D", "", "", "", true});
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
    m_doc.Editor().SetProjectInfo(info);
    m_clock->Set(2024, 8, 1, 8, 0);
    ASSERT_TRUE(m_doc.SaveDocument(path));
    ASSERT_EQ(m_doc.OpenDocument(path, false), ProjectReadResult::Ok);
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "");
}

TEST_F(QorDocTest, FailedSaveKeepsTheOldFileAndTheProject) {
    const auto path = m_dir / "keep.hoprj";
    ASSERT_TRUE(m_doc.SaveDocument(path));
    const auto before = lumivane::test::ReadFileBytes(path);
    m_doc.Editor().AddAuditorium();
    m_clock->Set(2030, 1, 1, 0, 0);
    EXPECT_FALSE(m_doc.SaveDocument(m_dir / "missing" / "keep.hoprj"));
    EXPECT_EQ(CQorDoc::kSaveFailedMessage, "Failed to save document.");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetProjectInfo().lastChange, "5/6/24 9:15 AM");
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), before);
}

TEST_F(QorDocTest, OpeningReplacesTheProjectAndClearsModified) {
    m_doc.Editor().SetProjectInfo(lumivane::ProjectInfo{"Ann", "P", "L", "S", "E", true});
    m_doc.Editor().AddAuditorium();
    m_doc.Editor().EditAuditorium(0, "Comments", [](CAuditorium& a) { a.SetComments("balcony"); });
    m_doc.Editor().AddProjector(0, 0, {});
    const auto path = m_dir / "Main Street.HOPRJ";
    ASSERT_TRUE(m_doc.SaveDocument(path));

    CQorDoc other(m_clock);
    other.AddListener(&m_log);
    other.Editor().AddAuditorium();
    m_log.events.clear();
    ASSERT_EQ(other.OpenDocument(path, true), ProjectReadResult::Ok);
    EXPECT_EQ(m_log.events, (std::vector<std::string>{"replacing", "replaced", "unmodified",
                                                      "title Main Street"}));
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
    m_doc.Editor().AddAuditorium();
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
        EXPECT_EQ(m_log.events, (std::vector<std::string>{"replacing", "title Halvard Optics, Inc.",
                                                          "replaced"}));
    }
    EXPECT_EQ(m_doc.OpenDocument(m_dir / "absent.hoprj", false), ProjectReadResult::CannotOpen);
    EXPECT_EQ(m_doc.GetAuditoriumCount(), 0);
}

// On Windows a UTF-8 name turned into a path the plain way lands in the ANSI code page: the
// project would be saved under a garbled name or not at all.
TEST_F(QorDocTest, ProjectsSaveAndOpenInAFolderNamedBeyondAscii) {
    const auto folder = lumivane::test::MakeNonAsciiFolder(m_dir.path());
    const auto path = folder / lumivane::PathFromUtf8("\xC5\x81\xC3\xB3"
                                                      "d\xC5\xBA Kino.hoprj");
    m_doc.Editor().AddAuditorium();
    ASSERT_TRUE(m_doc.SaveDocument(path));
    EXPECT_EQ(m_doc.GetTitle(), "\xC5\x81\xC3\xB3"
                                "d\xC5\xBA Kino");
    ASSERT_TRUE(m_doc.SaveDocument(path)) << "saved again over itself";

    CQorDoc other(m_clock);
    ASSERT_EQ(other.OpenDocument(path, true), ProjectReadResult::Ok);
    EXPECT_EQ(other.GetTitle(), "\xC5\x81\xC3\xB3"
                                "d\xC5\xBA Kino");
    EXPECT_EQ(other.GetAuditoriumCount(), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

#ifdef _WIN32
// Linux lets anyone replace or read a file that is open elsewhere; Windows does not.
TEST_F(QorDocTest, AProjectAnotherProgramHoldsOpenIsReportedAndKept) {
    const auto path = m_dir / "held.hoprj";
    m_doc.Editor().AddAuditorium();
    ASSERT_TRUE(m_doc.SaveDocument(path));
    const auto before = lumivane::test::ReadFileBytes(path);
    m_doc.Editor().AddAuditorium();
    CQorDoc other(m_clock);
    {
        const lumivane::test::HeldOpenFile held(path);
        ASSERT_TRUE(held.IsOpen());
        EXPECT_FALSE(m_doc.SaveDocument(path));
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(m_doc.GetAuditoriumCount(), 2);
        EXPECT_EQ(lumivane::ProjectReadMessage(other.OpenDocument(path, true)),
                  "Failed to open document.");
    }
    EXPECT_EQ(lumivane::test::ReadFileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.path()), {}), 1);
    EXPECT_TRUE(m_doc.SaveDocument(path)) << "once the other program lets go";
}
#endif

} // namespace
