// Whole projects over random auditoriums, projectors, lens set-ups and lens choices: reading
// normalises a few values by design (the lens evaluation, the coverage rule, the lens-shift
// copies, the unit mark), so after one round trip the file must not change any more, and every
// field reading leaves alone must survive the first round trip.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/RandomProject.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::Archive;
using lumivane::ProjectContents;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kSeeds = 40;

Bytes Written(const ProjectContents& contents) {
    Archive ar = Archive::ForStoring();
    lumivane::WriteProject(ar, contents);
    return ar.Bytes();
}

ProjectContents Read(const Bytes& bytes) {
    Archive ar = Archive::ForLoading(bytes);
    ProjectContents contents;
    EXPECT_EQ(lumivane::ReadProject(ar, contents), lumivane::ProjectReadResult::Ok);
    EXPECT_TRUE(ar.AtEnd());
    return contents;
}

void ExpectSameLensSetUp(const CLensType& back, const CLensType& original) {
    EXPECT_EQ(back.GetFormat(), original.GetFormat());
    EXPECT_EQ(back.Linked(), original.Linked());
    EXPECT_EQ(back.ImageHeight(), original.ImageHeight());
    EXPECT_EQ(back.ImageWidth(), original.ImageWidth());
    EXPECT_EQ(back.Focal(), original.Focal());
    EXPECT_EQ(back.Barrel(), original.Barrel());
    EXPECT_EQ(back.ShiftV(), original.ShiftV());
    EXPECT_EQ(back.ShiftH(), original.ShiftH());
    EXPECT_EQ(back.GetAspect(), original.GetAspect());
    ASSERT_EQ(back.Corners().has_value(), original.Corners().has_value());
    if (back.Corners()) {
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ((*back.Corners())[i].x, (*original.Corners())[i].x);
            EXPECT_EQ((*back.Corners())[i].y, (*original.Corners())[i].y);
        }
    }
}

void ExpectSameAuditorium(const CAuditorium& back, const CAuditorium& original) {
    EXPECT_EQ(back.Name(), original.Name());
    EXPECT_EQ(back.Comments(), original.Comments());
    EXPECT_EQ(back.ScreenHeight(), original.ScreenHeight());
    EXPECT_EQ(back.ScreenWidth(), original.ScreenWidth());
    EXPECT_EQ(back.CurveTypeValue(), original.CurveTypeValue());
    EXPECT_EQ(back.CurveValue(), original.CurveValue());
    EXPECT_EQ(back.TiltTypeValue(), original.TiltTypeValue());
    EXPECT_EQ(back.TiltValue(), original.TiltValue());
    EXPECT_EQ(back.AudienceHeight(), original.AudienceHeight());
    EXPECT_EQ(back.AudienceDistance(), original.AudienceDistance());
    EXPECT_EQ(back.FixedScreen(), original.FixedScreen());
    EXPECT_EQ(back.ConstantHeight(), original.ConstantHeight());
    EXPECT_EQ(back.CalcPorthole(), original.CalcPorthole());
    EXPECT_EQ(back.PortholeDistance(), original.PortholeDistance());
    EXPECT_EQ(back.FloorToScreen(), original.FloorToScreen());
    EXPECT_EQ(back.FloorToBooth(), original.FloorToBooth());
    EXPECT_EQ(back.FrontWall(), original.FrontWall());
    EXPECT_EQ(back.DefaultThrow(), original.DefaultThrow());
    EXPECT_EQ(back.Seats(), original.Seats());
    EXPECT_EQ(back.HandicappedSeats(), original.HandicappedSeats());
    EXPECT_EQ(back.AllowLensShift(), original.AllowLensShift());
    EXPECT_EQ(back.AutoLensShift(), original.AutoLensShift());
    EXPECT_EQ(back.AlignmentValue(), original.AlignmentValue());
    ASSERT_EQ(back.ProjectorCount(), original.ProjectorCount());
    for (int p = 0; p < back.ProjectorCount(); ++p) {
        const CProjectorType& a = *back.GetProjector(p);
        const CProjectorType& b = *original.GetProjector(p);
        EXPECT_EQ(a.Model(), b.Model());
        EXPECT_EQ(a.Name(), b.Name());
        EXPECT_EQ(a.OwnThrow(), b.OwnThrow());
        EXPECT_EQ(a.LensHeight(), b.LensHeight());
        EXPECT_EQ(a.Lateral(), b.Lateral());
        ASSERT_EQ(a.LensTypeCount(), b.LensTypeCount());
        for (int i = 0; i < a.LensTypeCount(); ++i) {
            ExpectSameLensSetUp(*a.GetLensType(i), *b.GetLensType(i));
        }
    }
}

class ProjectRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

TEST_F(ProjectRoundTripTest, SecondAndThirdWritesAgreeAndFieldsSurvive) {
    int setUps = 0;
    int choices = 0;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        m_context.context().metricUnits = seed % 2 == 0;
        lumivane::test::RandomProject random(seed);
        const ProjectContents original = random.Project(3);

        const ProjectContents once = Read(Written(original));
        const Bytes second = Written(once);
        const Bytes third = Written(Read(second));
        EXPECT_EQ(second, third);

        EXPECT_EQ(m_context.context().metricUnits, seed % 2 == 0);
        EXPECT_EQ(once.info.manager, original.info.manager);
        EXPECT_EQ(once.info.endDate, original.info.endDate);
        ASSERT_EQ(once.auditoriums.size(), original.auditoriums.size());
        for (std::size_t i = 0; i < once.auditoriums.size(); ++i) {
            ExpectSameAuditorium(*once.auditoriums[i], *original.auditoriums[i]);
            for (int k = 0; k < once.auditoriums[i]->LensTypeCount(); ++k) {
                ++setUps;
                choices += once.auditoriums[i]->GetLensType(k)->HasCombination() ? 1 : 0;
            }
        }
    }
    // The seeds must reach the records this test is about.
    EXPECT_GT(setUps, 40);
    EXPECT_GT(choices, 5);
}

} // namespace
