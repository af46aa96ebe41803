#include "model/AuditoriumEdits.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kScopeFormat;

class AuditoriumEditsTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    static std::unique_ptr<CAuditorium> Room() {
        auto auditorium = std::make_unique<CAuditorium>(1);
        auditorium->AddProjector(kFilmProjector);
        auditorium->AddFormat(kFlatFormat, 0);
        auditorium->Recalculate(nullptr);
        return auditorium;
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

// The screen follows the images where they land on the curve, and what each set-up keeps is
// what it measures there, so reopening the project (a plain recalculation) changes nothing.
TEST_F(AuditoriumEditsTest, ACurveResizesTheCalculatedScreen) {
    const auto room = Room();
    const double flat = room->ScreenWidth();
    lumivane::EditCurveType(*room, CurveTwoThirds);
    EXPECT_NE(room->ScreenWidth(), flat);
    for (int i = 0; i < room->LensTypeCount(); ++i) {
        const CLensType& setUp = *room->GetLensType(i);
        const auto [height, width] = room->MeasureExtents(setUp);
        EXPECT_NEAR(setUp.ExtentHeight(), height, 0.001);
        EXPECT_NEAR(setUp.ExtentWidth(), width, 0.001);
    }
    const double height = room->ScreenHeight();
    const double width = room->ScreenWidth();
    room->Recalculate(nullptr);
    EXPECT_NEAR(room->ScreenHeight(), height, 0.001);
    EXPECT_NEAR(room->ScreenWidth(), width, 0.001);
}

TEST_F(AuditoriumEditsTest, TheAudienceSetsARecommendedTilt) {
    const auto auditorium = Room();
    lumivane::EditTiltType(*auditorium, TiltRecommended);
    lumivane::EditAudienceDistance(*auditorium, 15.0);
    lumivane::EditAudienceHeight(*auditorium, -2.0);
    const double low = auditorium->GetTiltAngle();
    lumivane::EditAudienceHeight(*auditorium, 2.0);
    EXPECT_GT(auditorium->GetTiltAngle(), low);
    EXPECT_DOUBLE_EQ(auditorium->AudienceHeight(), 2.0);
    lumivane::EditAudienceHeight(*auditorium, std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(auditorium->AudienceHeight(), 2.0);
}

TEST_F(AuditoriumEditsTest, AFixedScreenRefitsItsImages) {
    const auto auditorium = Room();
    auditorium->SetFixedScreen(true);
    auditorium->SetScreenHeight(auditorium->ScreenHeight() - 0.5);
    auditorium->GetLensType(0)->SetMasked(false);
    lumivane::EditTiltAngle(*auditorium, 0);
    EXPECT_TRUE(auditorium->GetLensType(0)->Masked());
}

TEST_F(AuditoriumEditsTest, ATypedDefaultThrowHasAFloor) {
    const auto auditorium = Room();
    lumivane::EditDefaultThrow(*auditorium, 2.0);
    EXPECT_EQ(auditorium->DefaultThrow(), 3.0);
    lumivane::EditDefaultThrow(*auditorium, 25.0);
    EXPECT_EQ(auditorium->DefaultThrow(), 25.0);
    lumivane::EditDefaultThrow(*auditorium, std::numeric_limits<double>::infinity());
    EXPECT_EQ(auditorium->DefaultThrow(), 25.0);
}

// The images on the default throw change size, and the calculated screen and the kept extents
// follow them, each projector's alike. They are measured before the room follows, so a
// calculated screen may move them by a little more.
TEST_F(AuditoriumEditsTest, ADefaultThrowResizesTheImagesTheScreenAndTheirExtents) {
    const auto auditorium = Room();
    auditorium->AddProjector(kFilmProjector);
    auditorium->AddFormat(kScopeFormat, 1);
    auditorium->Recalculate(nullptr);
    const double before = auditorium->ScreenHeight();
    lumivane::EditDefaultThrow(*auditorium, 22.0);
    EXPECT_LT(auditorium->ScreenHeight(), before * 0.8);
    for (int i = 0; i < auditorium->LensTypeCount(); ++i) {
        const CLensType& setUp = *auditorium->GetLensType(i);
        const auto [height, width] = auditorium->MeasureExtents(setUp);
        EXPECT_NEAR(setUp.ExtentHeight(), height, 0.01 * height);
        EXPECT_NEAR(setUp.ExtentWidth(), width, 0.01 * width);
    }
}

} // namespace

namespace {

std::vector<std::uint8_t> Record(CAuditorium& auditorium) {
    lumivane::Archive archive = lumivane::Archive::ForStoring();
    auditorium.Serialize(archive);
    return archive.Bytes();
}

// Opening a project recalculates each room from what was stored, so a room an edit leaves
// otherwise reopens with other figures. Short lenses throw images that the screen settles
// around only after many rounds.
TEST_F(AuditoriumEditsTest, AnEditLeavesTheRoomAsReopeningRecalculatesIt) {
    for (const int curve : {CurveNone, CurveTwoThirds, CurveRecommended}) {
        for (const double mm : {8.0, 13.0, 20.0, 35.0, 100.0}) {
            const auto room = Room();
            room->AddProjector(kFilmProjector);
            room->AddFormat(kScopeFormat, 1);
            lumivane::EditCurveType(*room, curve);
            lumivane::EditFocalLength(*room, *room->GetLensType(1), mm,
                                      lumivane::EditView::Projector);
            const auto edited = Record(*room);
            room->Recalculate(nullptr);
            EXPECT_EQ(Record(*room), edited) << "curve " << curve << ", " << mm << " mm";
        }
    }
}

// A projector far above a low screen at the shortest throw lands a huge image on a small
// screen and a small one on a huge screen; the fit must still settle in between.
TEST_F(AuditoriumEditsTest, ASteepProjectorStillSettlesTheScreen) {
    const auto room = Room();
    CProjectorType& steep = *room->AddProjector(kFilmProjector);
    lumivane::EditDefaultThrow(*room, 3);
    lumivane::EditProjectorPosition(*room, steep, nullptr, 0, 17.49, lumivane::EditView::Projector);
    for (const int format : {kFlatFormat, kScopeFormat}) {
        room->AddFormat(format, 1);
        room->FitToImages(nullptr);
        const auto fitted = Record(*room);
        room->Recalculate(nullptr);
        EXPECT_EQ(Record(*room), fitted) << "format " << format;
        const CLensType& setUp = *steep.GetLensType(steep.LensTypeCount() - 1);
        EXPECT_LE(setUp.ExtentHeight(), room->ScreenHeight());
        EXPECT_NEAR(room->MeasureExtents(setUp).first, setUp.ExtentHeight(), 0.005);
    }
}

TEST_F(AuditoriumEditsTest, CalcSizesTheScreenToTheImagesAtOnce) {
    const auto room = Room();
    lumivane::EditScreenSizeMode(*room, true);
    room->SetScreenHeight(0.1);
    room->SetScreenWidth(0.1);
    lumivane::EditScreenSizeMode(*room, true);
    EXPECT_EQ(room->ScreenHeight(), 0.1);
    lumivane::EditScreenSizeMode(*room, false);
    EXPECT_GE(room->ScreenHeight(), room->GetLensType(0)->ExtentHeight());
    const auto calculated = Record(*room);
    room->Recalculate(nullptr);
    EXPECT_EQ(Record(*room), calculated);
}

} // namespace
