#include "document/EditScript.h"

#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/AuditoriumWizard.h"
#include "model/LensCandidates.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace lumivane {
namespace {

class EditScriptTest : public ::testing::Test {
protected:
    EditScriptTest() { InstallCatalogs(BuildCatalogsFromText(test::ShippedCatalogDir())); }

    static std::vector<std::string> Run(CQorDoc& doc, const std::string& script) {
        std::istringstream lines(script);
        return RunEditScript(doc, lines);
    }

    // The message of the script's failure, empty when it ran.
    static std::string Failure(CQorDoc& doc, const std::string& script) {
        try {
            Run(doc, script);
        } catch (const EditScriptError& error) {
            return error.what();
        }
        return {};
    }

    static ProjectSnapshot Snapshot(CQorDoc& doc) { return doc.Editor().TakeSnapshot(); }

    // Each line, run alone, is refused for its reason and leaves the project as it was.
    void ExpectRefused(std::initializer_list<std::pair<const char*, const char*>> refusals) {
        const ProjectSnapshot before = Snapshot(scripted);
        for (const auto& [line, reason] : refusals) {
            std::string text = line;
            std::replace(text.begin(), text.end(), '\n', ' ');
            const std::string failure = Failure(scripted, text);
            EXPECT_NE(failure.find(reason), std::string::npos) << line << ": " << failure;
        }
        EXPECT_TRUE(SameSnapshot(Snapshot(scripted), before));
    }

    ScopedAppContext context;
    CQorDoc scripted{std::make_shared<test::FixedClock>()};
    CQorDoc direct{std::make_shared<test::FixedClock>()};
};

// A script is the editor's operations by name: the same calls made directly give the same
// project, byte for byte.
TEST_F(EditScriptTest, AScriptGivesTheProjectTheEditorsOperationsGive) {
    const auto outcomes = Run(scripted, R"({"op": "AddAuditorium"}
{"op": "RenameAuditorium", "auditorium": 0, "name": "Saal 1"}

{"op": "AddProjector", "auditorium": 0, "model": 0, "lensHeight": 4.5}
{"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 1}
{"op": "EditThrow", "auditorium": 0, "projector": 0, "throwDistance": 21.5}
{"op": "ChooseLens", "auditorium": 0, "projector": 0, "format": 1, "candidate": 0}
{"op": "SetScreenWidth", "auditorium": 0, "value": 11.25}
{"op": "RenameAuditorium", "auditorium": 0, "name": "Saal 1"}
)");
    ProjectEditor& e = direct.Editor();
    e.AddAuditorium();
    e.RenameAuditorium(0, "Saal 1");
    e.AddProjector(0, 0, {4.5, std::nullopt});
    e.AddFormat(0, 0, 1);
    e.EditThrow(0, 0, -1, 21.5);
    e.ChooseLens(0, 0, 1, *NthCandidate(*direct.GetLensType(0, 0, 1), 0));
    e.SetAuditoriumSetting(0, AuditoriumSetting::ScreenWidth, 11.25);

    EXPECT_TRUE(SameSnapshot(Snapshot(scripted), Snapshot(direct)));
    ASSERT_EQ(outcomes.size(), 8u);
    EXPECT_EQ(outcomes[0], "line 1: AddAuditorium: Add Auditorium");
    EXPECT_EQ(outcomes[2], "line 4: AddProjector: Add Projector");
    EXPECT_EQ(outcomes[7], "line 9: RenameAuditorium: no change");
    EXPECT_TRUE(scripted.IsModified());
}

TEST_F(EditScriptTest, ALineThatCannotRunIsRefusedWithItsNumberAndReason) {
    Run(scripted, R"({"op": "AddAuditorium"})");
    const std::pair<const char*, const char*> refusals[] = {
        {R"({"op": "Explode"})", "unknown operation \"Explode\""},
        {R"(not json)", "not JSON"},
        {R"([1, 2])", "not an object with an \"op\" text"},
        {R"({"op": "RenameAuditorium", "auditorium": 3, "name": "x"})",
         "no auditorium 3 for \"auditorium\": the project has 1 auditorium(s)"},
        {R"({"op": "RenameAuditorium", "auditorium": 0})", "missing parameter \"name\""},
        {R"({"op": "RenameAuditorium", "auditorium": 0, "name": "x", "colour": 1})",
         "unknown parameter \"colour\""},
        {R"({"op": "SetScreenWidth", "auditorium": 0, "value": 1e308})",
         "\"value\" must lie between"},
        {R"({"op": "SetScreenWidth", "auditorium": 0, "value": NaN})", "not JSON"},
        {R"({"op": "SetScreenWidth", "auditorium": 0, "value": -1e400})", "not JSON"},
        {R"({"op": "SetSeats", "auditorium": 0, "value": -4})", "\"value\" must lie between"},
        {R"({"op": "SetSeats", "auditorium": 0, "value": 2.5})", "must be a whole number"},
        {R"({"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 1})",
         "no projector 0: auditorium 0 has 0 projector(s)"},
    };
    for (const auto& [line, reason] : refusals) {
        const std::string failure = Failure(scripted, std::string("\n") + line);
        EXPECT_EQ(failure.rfind("line 2: ", 0), 0u) << line << ": " << failure;
        EXPECT_NE(failure.find(reason), std::string::npos) << line << ": " << failure;
    }
    EXPECT_EQ(scripted.GetAuditoriumCount(), 1);
}

TEST_F(EditScriptTest, DeletingWhatTheWindowWouldConfirmNeedsConfirm) {
    Run(scripted, R"({"op": "AddAuditorium"}
{"op": "AddProjector", "auditorium": 0, "model": 0})");
    EXPECT_NE(Failure(scripted, R"({"op": "DeleteAuditorium", "auditorium": 0})")
                  .find("give \"confirm\": true"),
              std::string::npos);
    EXPECT_EQ(scripted.GetAuditoriumCount(), 1);
    Run(scripted, R"({"op": "DeleteAuditorium", "auditorium": 0, "confirm": true})");
    EXPECT_EQ(scripted.GetAuditoriumCount(), 0);
}

constexpr int kDmdFull = 20;   // DMD 0.98in 2K Full
constexpr int kPanelModel = 9; // 2048 x 1080

// The wizard's Finish and the Adjust Format dialog's OK give what the window's answers give.
TEST_F(EditScriptTest, TheWizardAndTheAdjustFormatDialogRunFromAScript) {
    Run(scripted,
        R"({"op": "AppendAuditorium", "wallWidth": 12, "formats": [3, 1], "lensHeight": 5.5}
{"op": "AddProjector", "auditorium": 0, "model": 9}
{"op": "AddFormat", "auditorium": 0, "projector": 1, "format": 20}
{"op": "AdjustFormatCorners", "auditorium": 0, "projector": 1, "format": 20, )"
        R"("corners": [[10, 20], [2000, 0], [2048, 1000], [0, 1080]]})");
    WizardAnswers answers = StartAnswers(CAuditorium(1));
    answers.wallWidth = 12;
    answers.formats = {1, 3};
    answers.lensHeight = 5.5;
    ProjectEditor& e = direct.Editor();
    e.AppendAuditorium(BuildWizardAuditorium(answers, 1).auditorium);
    e.AddProjector(0, kPanelModel, {});
    e.AddFormat(0, 1, kDmdFull);
    e.AdjustFormatCorners(0, 1, kDmdFull, {{{10, 20}, {2000, 0}, {2048, 1000}, {0, 1080}}});
    EXPECT_TRUE(SameSnapshot(Snapshot(scripted), Snapshot(direct)));
}

TEST_F(EditScriptTest, WizardAndPanelAnswersTheWindowWouldRefuseAreRefused) {
    Run(scripted, R"({"op": "AppendAuditorium"}
{"op": "AddProjector", "auditorium": 0, "model": 9}
{"op": "AddFormat", "auditorium": 0, "projector": 1, "format": 20})");
    ExpectRefused({
        {R"({"op": "AppendAuditorium", "sideSpace": 20})", "free wall"},
        {R"({"op": "AppendAuditorium", "formats": []})", "format"},
        {R"({"op": "AppendAuditorium", "formats": [0, 20]})", "the wizard offers no format 20"},
        {R"({"op": "AppendAuditorium", "throwDistance": 1})", "\"throwDistance\" must lie"},
        {R"({"op": "AppendAuditorium", "wallWidth": -3})", "\"wallWidth\" must lie"},
        {R"({"op": "AppendAuditorium", "formats": [0.5]})", "\"formats[0]\" must be a whole"},
        {R"({"op": "AppendAuditorium", "colour": 1})", "unknown parameter \"colour\""},
        {R"({"op": "AdjustFormatCorners", "auditorium": 0, "projector": 0, "format": 0,
             "corners": [[0, 0], [9, 0], [9, 9], [0, 9]]})",
         "no digital panel"},
        {R"({"op": "AdjustFormatCorners", "auditorium": 0, "projector": 1, "format": 20,
             "corners": [[0, 0], [2049, 0], [2048, 1080], [0, 1080]]})",
         "\"corners[1][0]\" must lie between 0 and 2048"},
        {R"({"op": "AdjustFormatCorners", "auditorium": 0, "projector": 1, "format": 20,
             "corners": [[900, 0], [100, 0], [2048, 1080], [0, 1080]]})",
         "left of right"},
        {R"({"op": "AdjustFormatCorners", "auditorium": 0, "projector": 1, "format": 20,
             "corners": [[0, 0], [9, 0], [9, 9]]})",
         "\"corners\" must be a list of 4"},
    });
}

TEST_F(EditScriptTest, TheShownViewMustBeOneTheWindowCouldShow) {
    Run(scripted, R"({"op": "AddAuditorium"}
{"op": "AddProjector", "auditorium": 0, "model": 0}
{"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 0})");
    ExpectRefused({
        {R"({"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 1, "shown": 3})",
         "\"shown\" must be an object"},
        {R"({"op": "AddFormat", "auditorium": 0, "projector": 0, "format": 1,
             "shown": {"auditorium": 0, "projector": 0}})",
         "in \"shown\": missing parameter \"view\""},
        {R"({"op": "ClearLens", "auditorium": 0, "projector": 0, "format": 0,
             "shown": {"view": "Tree", "auditorium": 0, "projector": 0}})",
         "\"view\" cannot be \"Tree\""},
        {R"({"op": "ClearLens", "auditorium": 0, "projector": 0, "format": 0,
             "shown": {"view": "Projector", "auditorium": 0, "projector": 0}})",
         "give its \"format\""},
        {R"({"op": "ClearLens", "auditorium": 0, "projector": 0, "format": 0,
             "shown": {"view": "Lens", "auditorium": 0, "projector": 0, "format": 2}})",
         "does not show format 2"},
    });
}

TEST_F(EditScriptTest, EveryOperationIsListedWithItsParameters) {
    const std::string list = DescribeEditOperations();
    for (const char* line : {"AddAuditorium {likeAuditorium, likeProjector}",
                             "AdjustFormatCorners {auditorium, projector, format, corners}",
                             "ChooseLens {auditorium, projector, format, candidate, shown}",
                             "EditThrow {auditorium, projector, format, "
                             "throwDistance}",
                             "SetDefaultThrow {auditorium, value}", "DeleteAuditorium {"}) {
        EXPECT_NE(list.find(line), std::string::npos) << line;
    }
}

} // namespace
} // namespace lumivane
