#include "support/ExampleProject.h"

#include "base/AppContext.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using namespace lumivane::test;

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

} // namespace
