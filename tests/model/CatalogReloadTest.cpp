#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "catalog/LensDatabase.h"
#include "model/LensChoice.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

#include <string>

namespace lumivane {
namespace {

// A live update replaces the catalogs while a project is open; a lens combination chosen
// before must still name its lens and attachment afterwards (under ASan a dangling item
// would be reported here).
TEST(CatalogReloadTest, ChosenItemsOutliveTheCatalogTheyCameFrom) {
    ScopedAppContext context;
    InstallCatalogs(BuildCatalogsFromText(test::ShippedCatalogDir()));
    ASSERT_GT(Ctx().lenses->LensCount(), 0u);
    ASSERT_GT(Ctx().lenses->AttachmentCount(), 0u);

    CLensChoice choice;
    const CLensDescriptor& lens = Ctx().lenses->Lens(0);
    const CAttachDescriptor& attachment = Ctx().lenses->Attachment(0);
    const std::string lensName(lens.ShortName());
    const std::string attachmentName(attachment.ShortName());
    choice.AddItem(&lens);
    choice.AddItem(&attachment);

    InstallCatalogs(MakeEmptyCatalogs());

    ASSERT_EQ(choice.Items().size(), 2u);
    EXPECT_EQ(choice.Items()[0]->ShortName(), lensName);
    EXPECT_EQ(choice.Items()[1]->ShortName(), attachmentName);
    EXPECT_EQ(Ctx().lenses->LensCount(), 0u);
}

// After the reload the item numbers of a combination find the new catalog's items, or
// nothing when the maker has withdrawn them.
TEST(CatalogReloadTest, ItemNumbersResolveInTheReloadedCatalog) {
    ScopedAppContext context;
    InstallCatalogs(BuildCatalogsFromText(test::ShippedCatalogDir()));
    const std::int16_t lensId = Ctx().lenses->Lens(0).Id();
    const std::int16_t attachmentId = Ctx().lenses->Attachment(0).Id();

    const CatalogSet previous = InstallCatalogs(BuildCatalogsFromText(test::ShippedCatalogDir()));
    const CLensDescriptor* lens = ResolveLens(*Ctx().lenses, lensId);
    ASSERT_NE(lens, nullptr);
    EXPECT_NE(lens, &previous.lenses->Lens(0));
    EXPECT_EQ(lens->Catalog(), previous.lenses->Lens(0).Catalog());
    EXPECT_NE(ResolveAttachment(*Ctx().lenses, attachmentId), nullptr);

    InstallCatalogs(MakeEmptyCatalogs());
    EXPECT_EQ(ResolveLens(*Ctx().lenses, lensId), nullptr);
    EXPECT_EQ(ResolveAttachment(*Ctx().lenses, lensId), nullptr);
}

} // namespace
} // namespace lumivane
