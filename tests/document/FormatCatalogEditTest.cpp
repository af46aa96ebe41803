#include "document/FormatCatalogEdit.h"

#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

class Steps : public EditRecorder {
public:
    std::vector<std::string> labels;
    void Recorded(const StepName& step, ProjectSnapshot, ProjectSnapshot) override {
        labels.emplace_back(step.label);
    }
};

// Two user formats after the shipped ones; the project shows the second.
class FormatCatalogEditTest : public ::testing::Test {
protected:
    FormatCatalogEditTest() {
        context.context().settingsStore = store;
        store->WriteString("Formats", "0", "Mine A;A;1.850;11.330;20.960;1;0");
        store->WriteString("Formats", "1", "Mine B;B;1.850;11.330;20.960;1;0");
        InstallCatalogs(BuildCatalogsFromText(test::ShippedCatalogDir()));
        mineA = Formats().GetCount() - 2;
        mineB = mineA + 1;
        doc.Editor().AddAuditorium();
        doc.Editor().AddProjector(0, 0, {});
        EXPECT_TRUE(doc.Editor().AddFormat(0, 0, mineB));
        doc.Editor().SetRecorder(&steps);
    }

    static CFormatDatabase& Formats() { return *Ctx().formats; }
    const CLensType& SetUp() const { return *doc.GetAuditorium(0)->GetLensType(0); }

    ScopedAppContext context;
    std::shared_ptr<test::MemorySettingsStore> store =
        std::make_shared<test::MemorySettingsStore>();
    CQorDoc doc{std::make_shared<test::FixedClock>()};
    Steps steps;
    int mineA = -1;
    int mineB = -1;
};

TEST_F(FormatCatalogEditTest, DeletingMovesLaterSetUpsDownInOneStep) {
    FormatCatalogEdit edit(Formats(), doc);
    EXPECT_NE(edit.Delete(mineB), "");
    EXPECT_NE(edit.Delete(0), "");
    EXPECT_EQ(edit.Delete(mineA), "");
    EXPECT_EQ(Formats().GetCount(), mineB + 1);

    edit.Commit(Formats(), doc.Editor());
    EXPECT_EQ(Formats().GetCount(), mineB);
    EXPECT_EQ(SetUp().GetFormat(), mineA);
    EXPECT_EQ(SetUp().GetFormatName(), "Mine B");
    EXPECT_EQ(steps.labels, std::vector<std::string>{"Film Formats"});
    EXPECT_EQ(store->ReadString("Formats", "0", ""), "Mine B;B;1.850;11.330;20.960;1;0");
    EXPECT_FALSE(store->Has("Formats", "1"));
}

TEST_F(FormatCatalogEditTest, CancelLeavesTheCatalogAndTheProject) {
    {
        FormatCatalogEdit edit(Formats(), doc);
        CustomFormatFields fields = FieldsOf(*edit.At(mineA));
        fields.name = "Renamed";
        EXPECT_EQ(edit.Edit(mineA, fields), "");
        EXPECT_EQ(edit.AddCopy(0, fields), "");
        EXPECT_EQ(edit.Delete(mineA), "");
    }
    EXPECT_EQ(Formats().GetCount(), mineB + 1);
    EXPECT_EQ(Formats().GetFormatName(mineA), "Mine A");
    EXPECT_TRUE(steps.labels.empty());
}

TEST_F(FormatCatalogEditTest, EditingAUsedFormatRecalculatesItsAuditorium) {
    const double before = SetUp().ExtentHeight();
    FormatCatalogEdit edit(Formats(), doc);
    CustomFormatFields fields = FieldsOf(*edit.At(mineB));
    EXPECT_DOUBLE_EQ(fields.width, 20.96);
    fields.height = 5.0;
    fields.name = "Half;height";
    EXPECT_NE(edit.Edit(mineB, fields), "");
    fields.name = "Half\nheight";
    EXPECT_NE(edit.Edit(mineB, fields), "");
    fields.name = "Half height";
    fields.width = 0;
    EXPECT_NE(edit.Edit(mineB, fields), "");
    fields.width = 20.96;
    EXPECT_NE(edit.Edit(0, fields), "");
    EXPECT_EQ(edit.Edit(mineB, fields), "");
    edit.Commit(Formats(), doc.Editor());
    EXPECT_EQ(SetUp().GetFormatName(), "Half height");
    EXPECT_NE(SetUp().ExtentHeight(), before);
    EXPECT_EQ(steps.labels.size(), 1u);
}

TEST_F(FormatCatalogEditTest, NewFormatsFollowTheOthersAndTakeTheDialogsFactor) {
    FormatCatalogEdit edit(Formats(), doc);
    CustomFormatFields fields = FieldsOf(*edit.At(3));
    EXPECT_EQ(fields.anamorphic, 3);
    fields.name = "Squeezed";
    fields.anamorphic = 1;
    fields.kinds = {};
    fields.kinds[5] = true;
    EXPECT_EQ(edit.AddCopy(3, fields), "");
    const CFormatDescriptor& added = *edit.At(edit.Count() - 1);
    EXPECT_EQ(added.GetCustomIndex(), 2);
    EXPECT_EQ(added.GetFlags(), 0x800 | 0x1000 | 0x2000 | 0x8000);
    EXPECT_DOUBLE_EQ(added.GetAnamorphic(), 1.5);
    EXPECT_DOUBLE_EQ(added.GetWidth(), 1.5 * 20.96);
    edit.Commit(Formats(), doc.Editor());
    // Read back from the settings, the flag's own factor applies.
    CFormatDescriptor reread;
    reread.ParseText(store->ReadString("Formats", "2", ""), 2);
    EXPECT_DOUBLE_EQ(reread.GetAnamorphic(), 1.48);
    // No set-up changed, but undo must be able to take the new format away again.
    EXPECT_EQ(steps.labels, std::vector<std::string>{"Film Formats"});
}

// Set-ups name formats by position: undo and redo must bring the user's formats (and their
// settings) back with the set-ups, or a set-up would name another format.
TEST_F(FormatCatalogEditTest, UndoAndRedoPutTheUserFormatsBackWithTheSetUps) {
    struct History : EditRecorder {
        std::vector<std::pair<ProjectSnapshot, ProjectSnapshot>> steps;
        void Recorded(const StepName&, ProjectSnapshot before, ProjectSnapshot after) override {
            steps.emplace_back(std::move(before), std::move(after));
        }
    } history;
    doc.Editor().SetRecorder(&history);
    const std::string textA = store->ReadString("Formats", "0", "");
    const std::string textB = store->ReadString("Formats", "1", "");
    FormatCatalogEdit edit(Formats(), doc);
    ASSERT_EQ(edit.Delete(mineA), "");
    edit.Commit(Formats(), doc.Editor());
    ASSERT_EQ(history.steps.size(), 1u);
    const auto [before, after] = history.steps.front();

    for (int round = 0; round < 2; ++round) {
        doc.Editor().Restore(before, after);
        EXPECT_EQ(SetUp().GetFormat(), mineB);
        EXPECT_EQ(SetUp().GetFormatName(), "Mine B");
        EXPECT_EQ(Formats().GetFormatName(mineA), "Mine A");
        EXPECT_EQ(store->ReadString("Formats", "0", ""), textA);
        EXPECT_EQ(store->ReadString("Formats", "1", ""), textB);

        doc.Editor().Restore(after, before);
        EXPECT_EQ(SetUp().GetFormat(), mineA);
        EXPECT_EQ(SetUp().GetFormatName(), "Mine B");
        EXPECT_EQ(Formats().GetCount(), mineB);
        EXPECT_EQ(store->ReadString("Formats", "0", ""), textB);
        EXPECT_FALSE(store->Has("Formats", "1"));
    }
}

TEST(CustomFormatTest, TheDiagonalScalesBothSides) {
    EXPECT_DOUBLE_EQ(ApertureDiagonal(0.03, 0.04), 0.05);
    const auto [width, height] = ScaleToDiagonal(0.03, 0.04, 0.05, 0.1);
    EXPECT_DOUBLE_EQ(width, 0.06);
    EXPECT_DOUBLE_EQ(height, 0.08);
    EXPECT_EQ(ScaleToDiagonal(0.03, 0.04, 0, 0.1), std::make_pair(0.03, 0.04));
}

} // namespace
} // namespace lumivane
