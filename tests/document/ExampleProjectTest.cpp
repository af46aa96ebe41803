#include "support/ExampleProject.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/RichTextDoc.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ImageGeometry.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "reports/ProjectReport.h"
#include "reports/PurchaseList.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using namespace lumivane::test;

std::vector<std::uint8_t> ProjectBytes(const CQorDoc& doc) {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    lumivane::WriteProject(out, doc.GetContents());
    return out.Bytes();
}

// What the tree, the views and the reports read of one set-up.
void VisitSetUp(RichTextDoc& text, const CAuditorium& auditorium, const CProjectorType& projector,
                const CLensType& setUp) {
    CLensDatabase& lenses = *lumivane::Ctx().lenses;
    for (std::size_t i = 0; i < lenses.LensCount(); ++i) {
        lenses.IsEligible(setUp, lenses.Lens(i), true);
    }
    lenses.AnyCandidate(setUp);
    lenses.FillBarrelList(setUp);
    lumivane::ListCandidates(setUp);
    lumivane::CandidateMenu(setUp);
    lumivane::NthCandidate(setUp, 0);
    setUp.WriteSummary(text, auditorium, projector, true);
    ImageGeometry geometry;
    geometry.SetSubjects(&auditorium, &projector, &setUp);
    geometry.BuildGrid();
    geometry.ImagePolygonScaled(100.0);
    geometry.MaskingLoss();
}

// Every item of the project as the program shows and reports it.
void VisitEveryItem(const CQorDoc& doc) {
    RichTextDoc text;
    for (int a = 0; a < doc.GetAuditoriumCount(); ++a) {
        const CAuditorium& auditorium = *doc.GetAuditorium(a);
        auditorium.WriteSummary(text);
        for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
            const CProjectorType& projector = *auditorium.GetProjector(p);
            projector.WriteSummary(text);
            for (int i = 0; i < projector.LensTypeCount(); ++i) {
                VisitSetUp(text, auditorium, projector, *projector.GetLensType(i));
            }
        }
    }
    lumivane::WriteProjectReport(text, doc, "Roxy");
    lumivane::WritePurchaseList(text, doc, "Roxy");
}

class ExampleProjectTest : public ::testing::Test {
protected:
    ExampleProjectTest() { InstallShippedCatalogs(); }

    lumivane::ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<FixedClock>()};
};

TEST_F(ExampleProjectTest, ShippedExampleIsWhatTheBuilderMakes) {
    BuildExampleProject(m_doc);
    TempDir dir;
    const auto built = RegeneratingExamples() ? ExampleProjectPath() : dir / "Multiplex.hoprj";
    ASSERT_TRUE(m_doc.SaveDocument(built));
    EXPECT_TRUE(lumivane::test::ReadFileText(ExampleProjectPath()) ==
                lumivane::test::ReadFileText(built))
        << "rebuild data/examples with LUMIVANE_REGENERATE_EXAMPLES=1 after a deliberate change";
}

TEST_F(ExampleProjectTest, ShippedExampleOpensWithEveryLensChosen) {
    ASSERT_EQ(m_doc.OpenDocument(ExampleProjectPath(), true), lumivane::ProjectReadResult::Ok);
    EXPECT_EQ(m_doc.GetTitle(), "Multiplex");
    EXPECT_TRUE(m_doc.IsProjectInfoSet());
    ASSERT_EQ(m_doc.GetAuditoriumCount(), 3);
    for (int a = 0; a < 3; ++a) {
        const CAuditorium& auditorium = *m_doc.GetAuditorium(a);
        ASSERT_EQ(auditorium.ProjectorCount(), 1);
        ASSERT_EQ(auditorium.LensTypeCount(), 2);
        for (int i = 0; i < auditorium.LensTypeCount(); ++i) {
            EXPECT_TRUE(auditorium.GetLensType(i)->HasCombination());
        }
    }
    EXPECT_NE(m_doc.GetAuditorium(0)->GetCurvePercent(), 0.0);
    EXPECT_NE(m_doc.GetAuditorium(1)->GetTiltAngle(), 0.0);
    EXPECT_EQ(m_doc.DroppedItemCount(), 0);
}

TEST_F(ExampleProjectTest, VisitingEveryItemChangesNoByte) {
    ASSERT_EQ(m_doc.OpenDocument(ExampleProjectPath(), true), lumivane::ProjectReadResult::Ok);
    const std::vector<std::uint8_t> unvisited = ProjectBytes(m_doc);
    VisitEveryItem(m_doc);
    EXPECT_EQ(ProjectBytes(m_doc), unvisited);
    EXPECT_FALSE(m_doc.IsModified());
}

// Set-ups without a lens have no barrel yet, or one no lens offers any more; showing them must
// not bind them to one.
TEST_F(ExampleProjectTest, VisitingSetUpsWithoutABarrelLeavesThemUnbound) {
    lumivane::ProjectEditor& editor = m_doc.Editor();
    editor.AddAuditorium();
    editor.AddProjector(0, 0, {});
    const CProjectorType& projector = *m_doc.GetProjector(0, 0);
    for (int format = 0; format < lumivane::Ctx().formats->GetCount(); ++format) {
        editor.AddFormat(0, 0, format);
    }
    ASSERT_GT(projector.LensTypeCount(), 1);
    const int first = projector.GetLensType(0)->GetFormat();
    editor.EditAuditorium(0, {0, "Barrel"}, [&](CAuditorium& a) {
        a.GetProjector(0)->FindLensType(first)->SetBarrel(1);
    });
    const std::vector<std::uint8_t> unvisited = ProjectBytes(m_doc);
    VisitEveryItem(m_doc);
    EXPECT_EQ(ProjectBytes(m_doc), unvisited);
    EXPECT_EQ(projector.GetLensType(0)->Barrel(), 1);
    EXPECT_EQ(projector.GetLensType(1)->Barrel(), 0);
}

} // namespace
