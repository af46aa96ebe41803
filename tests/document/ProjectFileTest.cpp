#include "document/ProjectFile.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::Archive;
using lumivane::ProjectContents;
using lumivane::ProjectReadResult;
using lumivane::test::kFlatFormat;
using lumivane::test::kPanelFormat;
using lumivane::test::kScopeFormat;

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    static ProjectReadResult Read(const std::vector<std::uint8_t>& bytes, ProjectContents& out) {
        Archive ar = Archive::ForLoading(bytes);
        return lumivane::ReadProject(ar, out);
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

TEST_F(ProjectFileTest, EmptyProjectIsVersionTextsAndZero) {
    ProjectContents contents;
    contents.info.manager = "M";
    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, contents);
    const std::vector<std::uint8_t> expected{12, 0, 0, 0, 1, 'M', 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(out.Bytes(), expected);
}

TEST_F(ProjectFileTest, RoundTripKeepsTheModel) {
    ProjectContents contents;
    contents.info.projectDate = "1/2/2026 10:00";
    auto auditorium = std::make_unique<CAuditorium>(1);
    auditorium->SetComments("Main house");
    auditorium->SetCurveType(CurveThreeQuarters);
    auditorium->SetSeats(312);
    CLensType* scope = auditorium->AddFormat(kScopeFormat, -1);
    scope->SetShift(0.001, 0.0);
    CLensType* panel = auditorium->AddFormat(kPanelFormat, -1);
    panel->EnsureCorners();
    auditorium->GetProjector(0)->SetLateral(-1.25);
    contents.auditoriums.push_back(std::move(auditorium));
    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, contents);

    ProjectContents read;
    ASSERT_EQ(Read(out.Bytes(), read), ProjectReadResult::Ok);
    EXPECT_EQ(read.fileVersion, 12u);
    EXPECT_TRUE(read.info.projectInfoSet);
    EXPECT_EQ(read.info.projectDate, "1/2/2026 10:00");
    ASSERT_EQ(read.auditoriums.size(), 1u);
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.Comments(), "Main house");
    EXPECT_EQ(a.CurveTypeValue(), CurveThreeQuarters);
    EXPECT_EQ(a.Seats(), 312);
    ASSERT_EQ(a.ProjectorCount(), 2);
    EXPECT_EQ(a.LensTypeCount(), 2);
    EXPECT_EQ(a.GetProjector(0)->Lateral(), -1.25);
    EXPECT_EQ(a.GetLensType(0)->ShiftV(), 0.001);
    EXPECT_EQ(a.GetLensType(1)->PanelWidth(), 2048);
    EXPECT_TRUE(a.GetLensType(1)->Corners());

    // The projectors' lens-shift copies are taken from the auditorium on reading; after that
    // a project reads and writes back byte for byte.
    EXPECT_EQ(a.GetProjector(0)->AutoLensShift(), 0);
    Archive again = Archive::ForStoring();
    lumivane::WriteProject(again, read);
    ProjectContents reread;
    ASSERT_EQ(Read(again.Bytes(), reread), ProjectReadResult::Ok);
    Archive third = Archive::ForStoring();
    lumivane::WriteProject(third, reread);
    EXPECT_EQ(third.Bytes(), again.Bytes());
}

TEST_F(ProjectFileTest, NewerVersionIsRefused) {
    ProjectContents contents;
    contents.info.manager = "kept";
    EXPECT_EQ(Read({13, 0, 0, 0}, contents), ProjectReadResult::TooNew);
    EXPECT_EQ(contents.info.manager, "kept");
    EXPECT_EQ(lumivane::ProjectReadMessage(ProjectReadResult::TooNew),
              "Error: The file was created by a version newer than this one.  Please upgrade to "
              "the latest version before opening this file.");
}

TEST_F(ProjectFileTest, TruncatedFilesAreReportedNotUsed) {
    ProjectContents contents;
    contents.auditoriums.push_back(std::make_unique<CAuditorium>(1));
    contents.auditoriums[0]->AddFormat(kFlatFormat, -1);
    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, contents);
    for (std::size_t cut = 0; cut < out.Bytes().size(); cut += 7) {
        std::vector<std::uint8_t> bytes(out.Bytes().begin(),
                                        out.Bytes().begin() + static_cast<long>(cut));
        ProjectContents read;
        EXPECT_EQ(Read(bytes, read), ProjectReadResult::Corrupt) << cut;
        EXPECT_TRUE(read.auditoriums.empty());
    }
    EXPECT_EQ(Read({12, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}, contents),
              ProjectReadResult::Corrupt);
}

TEST_F(ProjectFileTest, VersionThreeAuditorium) {
    Archive out = Archive::ForStoring();
    out.WriteDword(3);
    out.WriteDword(1);
    out.WriteText("Old house");
    out.WriteFloat(5.5f);
    out.WriteFloat(12.0f);
    out.WriteShort(1);
    out.WriteShort(0);
    out.WriteFloat(0.0f);
    out.WriteFloat(0.0f);
    out.WriteLong(0);
    ProjectContents read;
    ASSERT_EQ(Read(out.Bytes(), read), ProjectReadResult::Ok);
    EXPECT_FALSE(read.info.projectInfoSet);
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.Name(), "Old house");
    EXPECT_EQ(a.ScreenHeight(), 5.5);
    EXPECT_EQ(a.FixedScreen(), 1);
    EXPECT_EQ(a.ConstantHeight(), 0);
    EXPECT_EQ(a.CurveTypeValue(), CurveNone);
    EXPECT_EQ(a.TiltTypeValue(), TiltNone);
    EXPECT_EQ(a.AudienceDistance(), 1.0);
    EXPECT_EQ(a.PortholeDistance(), 1.0);
}

// Before version 10 the set-ups were stored without projectors: each goes to the first
// projector able to show it, and one that no model shows is kept on an unknown projector.
TEST_F(ProjectFileTest, VersionNineSetUpsArePlacedOnProjectors) {
    lumivane::Ctx().metricUnits = true;
    Archive out = Archive::ForStoring();
    out.WriteDword(9);
    out.WriteDword(1);
    out.WriteText("Nine");
    out.WriteText("");
    out.WriteDouble(2.0);
    out.WriteDouble(6.0);
    out.WriteDouble(14.0);
    out.WriteShort(0);
    out.WriteDouble(1.5);
    out.WriteShort(0);
    out.WriteShort(1);
    out.WriteDouble(0);
    out.WriteDouble(0);
    out.WriteDouble(100);
    out.WriteShort(CurveAdjustable);
    out.WriteDouble(0);
    out.WriteDouble(10);
    out.WriteDouble(1);
    out.WriteShort(TiltRecommended);
    out.WriteLong(1);
    out.WriteLong(AlignTop);
    out.WriteLong(3);
    for (int format : {kPanelFormat, kScopeFormat, 44}) {
        out.WriteShort(static_cast<std::int16_t>(format));
        out.WriteShort(1);
        out.WriteShort(0);
        out.WriteDouble(5.0);
        out.WriteDouble(9.0);
        out.WriteDouble(0.04);
        out.WriteShort(0);
        out.WriteDouble(5.0);
        out.WriteDouble(9.0);
        out.WriteDouble(0.001);
        out.WriteDouble(0.0);
        out.WriteLong(0);
    }
    ProjectContents read;
    ASSERT_EQ(Read(out.Bytes(), read), ProjectReadResult::Ok);
    EXPECT_FALSE(lumivane::Ctx().metricUnits);
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.AutoLensShift(), 1);
    EXPECT_EQ(a.AlignmentValue(), AlignTop);
    EXPECT_EQ(a.PortholeDistance(), 1.5);
    ASSERT_EQ(a.ProjectorCount(), 3);
    EXPECT_EQ(a.LensTypeCount(), 3);
    EXPECT_EQ(a.GetProjector(0)->Name(), "Cine DP2K");
    EXPECT_EQ(a.GetLensType(0)->PanelWidth(), 2048);
    EXPECT_DOUBLE_EQ(a.GetLensType(0)->GetAspect(), 1.896);
    EXPECT_DOUBLE_EQ(a.GetLensType(1)->GetAspect(), 2.39);
    EXPECT_EQ(a.GetProjector(2)->Name(), "Unknown projector");
    EXPECT_EQ(a.GetLensType(2)->GetFormat(), 44);
}

TEST_F(ProjectFileTest, FilesOnDisk) {
    ProjectContents contents;
    contents.auditoriums.push_back(std::make_unique<CAuditorium>(1));
    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, contents);
    ASSERT_TRUE(out.SaveToFile(m_dir / "p.hoprj"));
    ProjectContents read;
    EXPECT_EQ(lumivane::ReadProjectFile(m_dir / "p.hoprj", read), ProjectReadResult::Ok);
    EXPECT_EQ(lumivane::ReadProjectFile(m_dir / "missing.hoprj", read),
              ProjectReadResult::CannotOpen);
}

} // namespace
