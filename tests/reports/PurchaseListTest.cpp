#include "reports/PurchaseList.h"

#include "base/AppContext.h"
#include "base/RichTextDoc.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

namespace {

class PurchaseListTest : public ::testing::Test {
protected:
    PurchaseListTest() {
        lumivane::test::InstallShippedCatalogs();
        m_doc.SetTitle("main street.hoprj");
    }

    // An auditorium with one projector showing its first format with the best lens; the
    // combination's items.
    std::vector<const CDescriptor*> AddAuditoriumWithLens() {
        lumivane::ProjectEditor& editor = m_doc.Editor();
        const int a = editor.AddAuditorium();
        editor.AddProjector(a, 0, {});
        const int format = m_doc.GetProjector(a, 0)->FirstSupportedFormat(0);
        editor.AddFormat(a, 0, format);
        const CLensType* setUp = m_doc.GetLensType(a, 0, format);
        const auto candidates = lumivane::ListCandidates(*setUp);
        EXPECT_FALSE(candidates.empty());
        editor.ChooseLens(a, 0, format, candidates.front());
        return setUp->Choice().Items();
    }

    std::string PurchaseList() const {
        RichTextDoc doc;
        lumivane::WritePurchaseList(doc, m_doc, "Roxy");
        return doc.GetText();
    }

    lumivane::ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<lumivane::test::FixedClock>()};
};

TEST_F(PurchaseListTest, ProjectWithoutLensesHasNoTable) {
    m_doc.Editor().AddAuditorium();
    EXPECT_EQ(PurchaseList(), "MAIN STREET\nPurchase List\n\nRoxy\n\n");
}

TEST_F(PurchaseListTest, UntitledProjectIsUnnamed) {
    m_doc.SetTitle("");
    EXPECT_EQ(PurchaseList(), "Unnamed\nPurchase List\n\nRoxy\n\n");
}

TEST_F(PurchaseListTest, ItemsAreCountedOverTheWholeProject) {
    const auto items = AddAuditoriumWithLens();
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(AddAuditoriumWithLens(), items);
    std::string expected = "MAIN STREET\nPurchase List\n\nRoxy\n\nCatalog\tName\tQty.\n";
    for (const CDescriptor* item : items) {
        expected += item->CatalogAndName() + "\t2\n";
    }
    EXPECT_EQ(PurchaseList(), expected);
}

} // namespace
