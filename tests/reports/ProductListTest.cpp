#include "reports/ProductList.h"

#include "base/RichTextDoc.h"
#include "catalog/LensDatabase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ProductListTest : public ::testing::Test {
protected:
    // Lines of lenses.txt and attach.txt as the maker ships them.
    std::string ProductList(const std::string& lenses, const std::string& attachments) {
        WriteFile(m_dir / "lenses.txt", lenses);
        WriteFile(m_dir / "attach.txt", attachments);
        CLensDatabase catalog;
        catalog.BuildFromText(m_dir.path());
        RichTextDoc doc;
        lumivane::WriteProductList(doc, catalog);
        return doc.GetText();
    }

private:
    lumivane::test::TempDir m_dir;
};

TEST_F(ProductListTest, ListsRatedLensesAndEveryAttachment) {
    const std::string text = ProductList("Zoom 35-70;Z;48-100001;705;50;35;70;0;43;1;1;80\n"
                                         "Prime 50;P50;48-100002;525;50;50;50;0;43;1;1;90\n"
                                         "Retired 40;R40;48-100003;525;40;40;40;0;43;1;1;0\n",
                                         "Zoomer;ZM;48-200001;1;1.5;1;1;1;1;0\n"
                                         "Anamorph 2x;A2;48-200002;1;1;2;1;1;1;90\n"
                                         "Vertical 1.5x;V15;48-200003;1;1;1;1.5;1;1;90\n"
                                         "Plain ring;PR;48-200004;1;1;1;1;1;1;90\n");
    EXPECT_EQ(text, "Lens Catalog\n"
                    "Halvard Optics, Inc.\n"
                    "\n"
                    "Catalog\tName\tBarrel\tFocal Length\n"
                    "48-100001\tZoom 35-70\t70.5mm\t35.0 - 70.0mm\n"
                    "48-100002\tPrime 50\t52.5mm\t50.0mm\n"
                    "\n"
                    "\n"
                    "Catalog\tName\tFunction\n"
                    "48-200001\tZoomer\tZoom 1.0 - 1.5\n"
                    "48-200002\tAnamorph 2x\tHoriz. Ana. 2.0\n"
                    "48-200003\tVertical 1.5x\tVert. Ana. 1.5\n"
                    "48-200004\tPlain ring\t\n");
}

TEST_F(ProductListTest, EmptyCatalogKeepsBothHeaders) {
    EXPECT_EQ(ProductList("", ""), "Lens Catalog\nHalvard Optics, Inc.\n\n"
                                   "Catalog\tName\tBarrel\tFocal Length\n\n\n"
                                   "Catalog\tName\tFunction\n");
}

TEST_F(ProductListTest, TablesCarryTheirTabStops) {
    RichTextDoc doc;
    CLensDatabase catalog;
    lumivane::WriteProductList(doc, catalog);
    const auto& paragraphs = doc.Paragraphs();
    ASSERT_GE(paragraphs.size(), 7u);
    EXPECT_EQ(paragraphs[3].format.tabStops, (std::vector<std::int32_t>{1440, 6400, 7400}));
    EXPECT_EQ(paragraphs.back().format.tabStops, (std::vector<std::int32_t>{1440, 6000}));
}

} // namespace
