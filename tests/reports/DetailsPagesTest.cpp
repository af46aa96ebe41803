#include "reports/DetailsPages.h"

#include "base/AppContext.h"
#include "base/RichTextDoc.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "document/ViewKind.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

namespace {

using namespace lumivane;

class DetailsPagesTest : public ::testing::Test {
protected:
    DetailsPagesTest() {
        test::InstallShippedCatalogs();
        m_doc.SetTitle("riverside.hoprj");
        AddAuditorium("North", {2});
        AddAuditorium("South", {1, 2});
    }

    // One projector per entry, showing that many formats.
    void AddAuditorium(const std::string& name, const std::vector<int>& setUps) {
        ProjectEditor& editor = m_doc.Editor();
        const int a = editor.AddAuditorium();
        editor.RenameAuditorium(a, name);
        for (const int count : setUps) {
            const int p = editor.AddProjector(a, 0, {});
            editor.RenameProjector(a, p, "P" + std::to_string(p + 1));
            int format = -1;
            for (int i = 0; i < count; ++i) {
                format = m_doc.GetProjector(a, p)->FirstSupportedFormat(format + 1);
                ASSERT_TRUE(editor.AddFormat(a, p, format));
            }
        }
    }

    ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<test::FixedClock>()};
};

TEST_F(DetailsPagesTest, ProjectPagesRunThroughEveryAuditorium) {
    const auto pages = ProjectDetailsPages(m_doc);
    ASSERT_EQ(pages.size(), 7u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].number, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(pages[2].kind, DetailsPageKind::Auditorium);
    EXPECT_EQ(pages[2].header, "riverside - North");
    EXPECT_EQ(pages[4].header, "riverside - South : P2");
    EXPECT_EQ(pages[4].projector, 1);
    EXPECT_EQ(pages[6].auditorium, 1);
    EXPECT_EQ(pages[6].kind, DetailsPageKind::Auditorium);
}

TEST_F(DetailsPagesTest, EachViewPrintsItsOwnItemFromPageOne) {
    EXPECT_EQ(ItemDetailsPages(m_doc, ViewKind::Auditorium, 1, -1, -1).size(), 4u);
    const auto projector = ItemDetailsPages(m_doc, ViewKind::Projector, 1, 1, -1);
    ASSERT_EQ(projector.size(), 2u);
    EXPECT_EQ(projector[1].number, 2);
    const int format = projector[1].format;
    const auto lens = ItemDetailsPages(m_doc, ViewKind::Lens, 1, 1, format);
    ASSERT_EQ(lens.size(), 1u);
    EXPECT_EQ(lens[0].number, 1);
    EXPECT_EQ(lens[0].format, format);
    EXPECT_TRUE(ItemDetailsPages(m_doc, ViewKind::Project, 0, -1, -1).empty());
    EXPECT_TRUE(ItemDetailsPages(m_doc, ViewKind::Format, 5, 0, format).empty());
}

TEST_F(DetailsPagesTest, RangesChooseByPageNumber) {
    const auto pages = ProjectDetailsPages(m_doc);
    const auto chosen = PagesInRange(pages, {3, 4});
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0], pages[2]);
    EXPECT_TRUE(PagesInRange(pages, {8, 9}).empty());
}

TEST_F(DetailsPagesTest, SetUpPageTextDescribesTheSetUpWithItsThrow) {
    const auto pages = ProjectDetailsPages(m_doc);
    RichTextDoc text;
    WriteDetailsText(text, m_doc, pages[0]);
    EXPECT_NE(text.GetText().find("Throw Distance: "), std::string::npos);
    RichTextDoc none;
    WriteDetailsText(none, m_doc, pages[2]);
    EXPECT_EQ(none.GetText(), "");
}

TEST(DetailsHeaderTest, NamesJoinOnlyWhenPresent) {
    EXPECT_EQ(SetUpPageHeader("T", "A", "P"), "T - A : P");
    EXPECT_EQ(SetUpPageHeader("T", "", "P"), "T");
    EXPECT_EQ(SetUpPageHeader("", "A", "P"), "A : P");
    EXPECT_EQ(SetUpPageHeader("", "A", ""), "A");
    EXPECT_EQ(SetUpPageHeader("", "", ""), "");
    EXPECT_EQ(AuditoriumPageHeader("", "A"), "A");
    EXPECT_EQ(AuditoriumPageHeader("T", ""), "T");
}

TEST(DetailsDrawingTest, TheDrawingStartsBelowTheTextAndIsLeftOutWithoutRoom) {
    const PageGeometry page = LetterPage();
    const auto below = DetailsDrawingAreas(page, DetailsPageKind::SetUp, 6000);
    ASSERT_EQ(below.size(), 1u);
    EXPECT_EQ(below[0].area, (TwipRect{1440, 6000 + kDrawingGap, 10800, 14400}));
    EXPECT_EQ(DetailsDrawingAreas(page, DetailsPageKind::SetUp, 0)[0].area.top, 1440);
    EXPECT_TRUE(DetailsDrawingAreas(page, DetailsPageKind::SetUp, 14400 - 900).empty());
    EXPECT_TRUE(DetailsDrawingAreas(page, DetailsPageKind::SetUp, 20000).empty());
}

TEST(DetailsDrawingTest, AnAuditoriumPageHasItsFrontAboveItsSection) {
    const auto areas = DetailsDrawingAreas(LetterPage(), DetailsPageKind::Auditorium, 0);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].drawing, DetailsDrawing::Front);
    EXPECT_EQ(areas[0].area, (TwipRect{1440, 1440, 10800, 7920}));
    EXPECT_EQ(areas[1].drawing, DetailsDrawing::Section);
    EXPECT_EQ(areas[1].area, (TwipRect{1440, 7920, 10800, 14400}));
}

} // namespace
