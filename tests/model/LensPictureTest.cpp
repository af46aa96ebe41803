#include "model/LensPicture.h"

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "model/LensType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::LayoutLensPicture;
using lumivane::LensPicture;

class LensPictureTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

TEST_F(LensPictureTest, WithoutLensTheApertureFillsTheSquare) {
    lumivane::test::ScreenRoom room;
    const LensPicture picture = LayoutLensPicture(room.setUp, {0, 0, 104, 104});
    EXPECT_TRUE(picture.askForLens);
    EXPECT_FALSE(picture.barrel);
    ASSERT_TRUE(picture.aperture);
    EXPECT_EQ(picture.aperture->left, 2);
    EXPECT_EQ(picture.aperture->right, 102);
}

// The 70.5 mm barrel fills the 100 pixel square: 1418.4 pixels per metre.
TEST_F(LensPictureTest, BarrelIsSizedInMillimetresAndFollowsTheShift) {
    lumivane::test::ScreenRoom room;
    CLensChoice prime;
    prime.AddItem(lumivane::Ctx().lenses->FindItem(0x0050));
    room.setUp->ChooseCombination(prime);
    room.setUp->SetShift(0.001, 0.002);
    const LensPicture picture = LayoutLensPicture(room.setUp, {0, 0, 104, 104});
    EXPECT_FALSE(picture.askForLens);
    ASSERT_TRUE(picture.barrel && picture.aperture);
    EXPECT_EQ(picture.barrel->left, 5);
    EXPECT_EQ(picture.barrel->top, 1);
    EXPECT_EQ(picture.barrel->Width(), 100);
    EXPECT_EQ(picture.aperture->left, 37);
    EXPECT_EQ(picture.aperture->right, 67);
}

TEST_F(LensPictureTest, ZeroApertureDrawsNoAperture) {
    lumivane::test::ScreenRoom room;
    room.setUp->SetCorners({});
    const LensPicture picture = LayoutLensPicture(room.setUp, {0, 0, 104, 104});
    EXPECT_TRUE(picture.askForLens);
    EXPECT_FALSE(picture.aperture);
}

} // namespace
