#include "document/CatalogReload.h"

#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

// A store whose catalog lost its first format: every later position names the next format.
TEST(CatalogReloadTest, TheUserIsToldWhichPositionsNowNameOtherItems) {
    ScopedAppContext context;
    test::InstallShippedCatalogs();
    CQorDoc doc{std::make_shared<test::FixedClock>()};
    doc.Editor().AddAuditorium();
    doc.Editor().AddProjector(0, 0, {});
    ASSERT_TRUE(doc.Editor().AddFormat(0, 0, 1));
    const auto candidates = ListCandidates(*doc.GetLensType(0, 0, 1));
    ASSERT_FALSE(candidates.empty());
    doc.Editor().ChooseLens(0, 0, 1, candidates.front());
    const std::string oldName = doc.GetLensType(0, 0, 1)->GetFormatName();

    test::TempDir dir;
    const auto store = dir / "database.dta";
    CatalogSet changed = BuildCatalogsFromText(test::ShippedCatalogDir());
    changed.formats->RemoveFormat(0);
    ASSERT_TRUE(WriteCatalogStore(store, changed));
    doc.SetModifiedFlag(false);

    const CatalogReloadOutcome outcome = ReloadCatalogsUnderProject(doc, store);
    EXPECT_TRUE(outcome.reloaded);
    EXPECT_EQ(outcome.droppedItems, 0);
    ASSERT_EQ(outcome.renamed.size(), 1u);
    EXPECT_NE(outcome.renamed[0].find(oldName), std::string::npos);
    EXPECT_NE(CatalogReloadMessage(outcome), "");
    // The chosen lens now belongs to the installed catalog.
    const CLensType& setUp = *doc.GetLensType(0, 0, 1);
    ASSERT_TRUE(setUp.HasCombination());
    EXPECT_EQ(setUp.Choice().FirstLens(), Ctx().lenses->FindItem(setUp.Choice().FirstLens()->Id()));
    EXPECT_FALSE(doc.IsModified());

    EXPECT_FALSE(ReloadCatalogsUnderProject(doc, dir / "missing.dta").reloaded);
}

} // namespace
} // namespace lumivane
