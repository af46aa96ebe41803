#include "document/ProjectFile.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/Descriptor.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/RecordBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::Archive;
using lumivane::ProjectContents;
using lumivane::ProjectReadResult;
using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kPanelFormat;
using lumivane::test::kPanelProjector;
using lumivane::test::kScopeFormat;
using lumivane::test::RecordBytes;

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

// A newer program's version is a small number; a first word beyond one byte is text or noise.
TEST_F(ProjectFileTest, OnlyAPlausibleVersionIsTakenForANewerProgramsFile) {
    const auto first = [](std::uint32_t version) {
        std::vector<std::uint8_t> bytes(64, 0);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[i] = static_cast<std::uint8_t>(version >> (8 * i));
        }
        return bytes;
    };
    ProjectContents contents;
    contents.info.manager = "kept";
    for (const std::uint32_t version : {13u, 100u, lumivane::kHighestPlausibleVersion}) {
        EXPECT_EQ(Read(first(version), contents), ProjectReadResult::TooNew) << version;
    }
    for (const std::uint32_t version : {256u, 0x0A0D0A0Du, 0xFFFFFFFFu}) {
        EXPECT_EQ(Read(first(version), contents), ProjectReadResult::Corrupt) << version;
    }
    const std::string text = "Hello, this is a letter and not a project.\n";
    EXPECT_EQ(Read({text.begin(), text.end()}, contents), ProjectReadResult::Corrupt);
    std::vector<std::uint8_t> noise(4096);
    std::uint32_t seed = 2166136261u;
    for (std::uint8_t& byte : noise) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    EXPECT_EQ(Read(noise, contents), ProjectReadResult::Corrupt);
    EXPECT_EQ(contents.info.manager, "kept");
    EXPECT_EQ(lumivane::ProjectReadMessage(ProjectReadResult::Corrupt), "Unexpected file format.");
}

TEST_F(ProjectFileTest, DroppedItemsAreCountedInTheMessage) {
    EXPECT_EQ(lumivane::DroppedItemsMessage(0), "");
    EXPECT_EQ(lumivane::DroppedItemsMessage(1).rfind("1 lens or attachment item named in this "
                                                     "project is no longer in the lens catalog",
                                                     0),
              0u);
    EXPECT_EQ(lumivane::DroppedItemsMessage(3).rfind("3 lens or attachment items", 0), 0u);
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
std::vector<std::uint8_t> VersionNineFile() {
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
    return out.Bytes();
}

TEST_F(ProjectFileTest, VersionNineSetUpsArePlacedOnProjectors) {
    lumivane::Ctx().metricUnits = true;
    ProjectContents read;
    ASSERT_EQ(Read(VersionNineFile(), read), ProjectReadResult::Ok);
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

std::vector<std::uint8_t> AuditoriumBytes(CAuditorium& auditorium) {
    Archive out = Archive::ForStoring();
    auditorium.Serialize(out);
    return out.Bytes();
}

std::unique_ptr<CAuditorium> RestoredAuditorium(const std::vector<std::uint8_t>& bytes) {
    Archive in = Archive::ForLoading(bytes);
    auto auditorium = std::make_unique<CAuditorium>(1);
    auditorium->Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    return auditorium;
}

// Undo keeps auditoriums as bytes in memory; an old file read before must not change how they
// are read back. The first restore gives the projectors the auditorium's lens-shift settings,
// which old files do not store for them, so the bytes settle from the second snapshot on.
TEST_F(ProjectFileTest, ReadingAnOldFileLeavesLaterReadsAtTheCurrentLayout) {
    Archive file = Archive::ForLoading(VersionNineFile());
    ProjectContents read;
    ASSERT_EQ(lumivane::ReadProject(file, read), ProjectReadResult::Ok);
    EXPECT_EQ(file.FileVersion(), 9);
    EXPECT_EQ(Archive::ForLoading({}).FileVersion(), lumivane::CurrentFileVersion);
    const auto restored = RestoredAuditorium(AuditoriumBytes(*read.auditoriums[0]));
    EXPECT_EQ(restored->LensTypeCount(), 3);
    const std::vector<std::uint8_t> snapshot = AuditoriumBytes(*restored);
    EXPECT_EQ(AuditoriumBytes(*RestoredAuditorium(snapshot)), snapshot);
}

// Every field of the current layout, in order and at its width: a file read and written again
// is the same file, reserved and spare bytes included.
RecordBytes CurrentFile(std::int32_t allow, std::uint8_t projectorAllow) {
    RecordBytes file;
    file.Long(12).Text("Mgr").Text("Created").Text("Changed").Text("Start").Text("End").Long(1);
    file.Text("Hall A").Text("Balcony").Double(1.0).Double(7.5).Double(16.25);
    file.Short(1).Double(2.5).Short(1).Short(0).Double(0.0).Double(0.0);
    file.Double(120.0).Short(CurveAdjustable).Double(3.5).Double(12.0).Double(-0.5);
    file.Short(TiltAdjustable).Long(allow).Long(0).Long(AlignTop);
    file.Double(25.0).Double(0.75).Double(4.25).Double(20.0).Double(9.5).Long(300).Long(4);
    file.Long(1);
    file.Short(kPanelProjector).Text("Cine DP2K").Byte(7).Byte(0);
    file.Double(27.5).Double(3.25).Double(-0.5);
    file.Byte(0).Byte(projectorAllow).Byte(0).Long(AlignTop).Long(1);
    file.Short(kPanelFormat).Short(0).Short(0).Double(4.0).Double(7.584).Double(0.0423);
    file.Short(0).Double(3.9).Double(7.5).Double(0.002).Double(-0.001).Double(1.896);
    file.Short(1).Long(10).Long(5).Long(2040).Long(0).Long(2048).Long(1080).Long(0).Long(1075);
    file.Long(0);
    return file;
}

TEST_F(ProjectFileTest, CurrentLayoutReadsAndWritesByteForByte) {
    lumivane::Ctx().metricUnits = false;
    const std::vector<std::uint8_t> bytes = CurrentFile(1, 1).bytes();
    ProjectContents read;
    ASSERT_EQ(Read(bytes, read), ProjectReadResult::Ok);
    EXPECT_TRUE(lumivane::Ctx().metricUnits);
    EXPECT_EQ(read.info.endDate, "End");
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.AudienceHeight(), -0.5);
    EXPECT_EQ(a.FrontWall()[1], 9.5);
    EXPECT_EQ(a.HandicappedSeats(), 4);
    const CProjectorType& p = *a.GetProjector(0);
    EXPECT_EQ(p.Reserved(), 7);
    EXPECT_EQ(p.Spare(), 0);
    EXPECT_EQ(p.UseDefaultThrow(), 0);
    EXPECT_EQ(p.GetThrow(), 27.5);
    const CLensType& setUp = *p.GetLensType(0);
    EXPECT_EQ(setUp.PanelWidth(), 2048);
    EXPECT_EQ((*setUp.Corners())[3].y, 1075);
    EXPECT_EQ(setUp.ShiftH(), -0.001);

    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, read);
    EXPECT_EQ(out.Bytes(), bytes);
}

// The projector's copies of the lens-shift settings are the auditorium's, as stored integers.
TEST_F(ProjectFileTest, ProjectorsTakeTheAuditoriumsLensShiftSettings) {
    ProjectContents read;
    ASSERT_EQ(Read(CurrentFile(2, 0).bytes(), read), ProjectReadResult::Ok);
    EXPECT_EQ(read.auditoriums[0]->GetProjector(0)->AllowLensShift(), 2);
    Archive out = Archive::ForStoring();
    lumivane::WriteProject(out, read);
    EXPECT_EQ(out.Bytes(), CurrentFile(2, 2).bytes());
}

// The first layout: float sizes, no comments, porthole, curve, tilt or lens shift, and set-ups
// with float lengths, no extents and a single item number, placed on projectors. The second
// record's name proves the first was read to its last byte.
TEST_F(ProjectFileTest, VersionZeroFile) {
    lumivane::Ctx().metricUnits = true;
    RecordBytes file;
    file.Long(0).Long(2);
    file.Text("Old").Float(5.0f).Float(11.0f).Short(1).Float(0.0f).Float(0.0f).Long(1);
    file.Short(kScopeFormat).Short(1).Short(1).Float(4.0f).Float(9.56f).Float(0.05f).Short(0);
    file.Short(0x0050);
    file.Text("Next").Float(6.0f).Float(14.0f).Short(0).Float(0.0f).Float(0.0f).Long(0);
    ProjectContents read;
    ASSERT_EQ(Read(file.bytes(), read), ProjectReadResult::Ok);
    EXPECT_FALSE(read.info.projectInfoSet);
    ASSERT_EQ(read.auditoriums.size(), 2u);
    EXPECT_EQ(read.auditoriums[1]->Name(), "Next");
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.Comments(), "");
    EXPECT_EQ(a.ScreenWidth(), 11.0);
    EXPECT_EQ(a.FixedScreen(), 1);
    EXPECT_EQ(a.ConstantHeight(), 1);
    EXPECT_EQ(a.CalcPorthole(), 0);
    EXPECT_EQ(a.AudienceDistance(), 1.0);
    EXPECT_EQ(a.AutoLensShift(), 0);
    EXPECT_EQ(a.AlignmentValue(), AlignCenter);
    EXPECT_EQ(a.DefaultThrow(), 30.0);
    ASSERT_EQ(a.ProjectorCount(), 1);
    EXPECT_EQ(a.GetProjector(0)->Model(), kFilmProjector);
    const CLensType& setUp = *a.GetLensType(0);
    EXPECT_EQ(setUp.ImageWidth(), static_cast<double>(9.56f));
    EXPECT_EQ(setUp.ExtentWidth(), static_cast<double>(9.56f));
    EXPECT_EQ(setUp.ShiftV(), 0.0);
    EXPECT_DOUBLE_EQ(setUp.GetAspect(), 2.39);
    ASSERT_EQ(setUp.Choice().Items().size(), 1u);
    EXPECT_EQ(setUp.Choice().Items()[0]->Id(), 0x0050);
}

// Version 10 stores projectors but neither the throw lock nor the lens-shift copies, and
// set-ups without aspect or corners.
TEST_F(ProjectFileTest, VersionTenProjectors) {
    RecordBytes file;
    file.Long(10).Long(1);
    file.Text("Ten").Text("").Double(1.0).Double(6.0).Double(14.0).Short(0).Double(1.0);
    file.Short(0).Short(1).Double(0.0).Double(0.0);
    file.Double(0.0).Short(CurveNone).Double(0.0).Double(10.0).Double(1.0).Short(TiltNone);
    file.Long(1).Long(AlignBottom).Long(1);
    file.Short(kPanelProjector).Text("Cine DP2K").Byte(3).Double(22.0).Double(2.0).Double(0.5);
    file.Long(1);
    file.Short(kPanelFormat).Short(1).Short(0).Double(5.0).Double(9.48).Double(0.04);
    file.Short(0).Double(5.0).Double(9.48).Double(0.001).Double(0.0).Long(0);
    ProjectContents read;
    ASSERT_EQ(Read(file.bytes(), read), ProjectReadResult::Ok);
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.AllowLensShift(), 0);
    EXPECT_EQ(a.AutoLensShift(), 1);
    const CProjectorType& p = *a.GetProjector(0);
    EXPECT_EQ(p.Reserved(), 3);
    EXPECT_EQ(p.UseDefaultThrow(), 1);
    EXPECT_EQ(p.OwnThrow(), 22.0);
    EXPECT_EQ(p.Lateral(), 0.5);
    EXPECT_EQ(p.AutoLensShift(), 1);
    EXPECT_EQ(p.Spare(), 1);
    EXPECT_EQ(p.Alignment(), AlignCenter);
    EXPECT_EQ(a.GetLensType(0)->PanelHeight(), 1080);
    EXPECT_EQ(a.GetLensType(0)->ShiftV(), 0.001);
    EXPECT_DOUBLE_EQ(a.GetLensType(0)->GetAspect(), 1.896);
}

// Version 11 adds the allow flag, the booth and seat figures, the throw lock and the set-ups'
// aspect and corners.
TEST_F(ProjectFileTest, VersionElevenAuditorium) {
    RecordBytes file;
    file.Long(11).Long(1);
    file.Text("Eleven").Text("x").Double(2.0).Double(6.0).Double(14.0).Short(0).Double(1.0);
    file.Short(0).Short(1).Double(0.0).Double(0.0);
    file.Double(0.0).Short(CurveNone).Double(0.0).Double(10.0).Double(1.0).Short(TiltNone);
    file.Long(1).Long(0).Long(AlignCenter);
    file.Double(33.0).Double(0.5).Double(5.5).Double(18.0).Double(22.0).Long(250).Long(6);
    file.Long(1);
    file.Short(kFilmProjector).Text("Film 35").Byte(0).Byte(0).Double(31.0).Double(4.5);
    file.Double(0.0).Long(1);
    file.Short(kScopeFormat).Short(1).Short(0).Double(5.0).Double(11.95).Double(0.07);
    file.Short(0).Double(5.0).Double(11.95).Double(0.0).Double(0.0).Double(2.5).Short(0).Long(0);
    ProjectContents read;
    ASSERT_EQ(Read(file.bytes(), read), ProjectReadResult::Ok);
    EXPECT_FALSE(lumivane::Ctx().metricUnits);
    const CAuditorium& a = *read.auditoriums[0];
    EXPECT_EQ(a.AllowLensShift(), 1);
    EXPECT_EQ(a.DefaultThrow(), 33.0);
    EXPECT_EQ(a.FloorToBooth(), 5.5);
    EXPECT_EQ(a.FrontWall()[0], 18.0);
    EXPECT_EQ(a.Seats(), 250);
    EXPECT_EQ(a.HandicappedSeats(), 6);
    const CProjectorType& p = *a.GetProjector(0);
    EXPECT_EQ(p.UseDefaultThrow(), 0);
    EXPECT_EQ(p.GetThrow(), 31.0);
    EXPECT_EQ(p.AllowLensShift(), 0);
    EXPECT_EQ(a.GetLensType(0)->GetAspect(), 2.5);
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
