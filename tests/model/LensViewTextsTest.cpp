#include "model/LensViewTexts.h"

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "model/LensType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::ShiftText;

TEST(LensViewTextsTest, ShiftNamesTheDirectionOfEachSign) {
    EXPECT_EQ(ShiftText(0, 0), "Shift 0.00mm right 0.00mm up.");
    EXPECT_EQ(ShiftText(0.0015, 0.002), "Shift 1.50mm right 2.00mm up.");
    EXPECT_EQ(ShiftText(-0.0015, -0.002), "Shift 1.50mm left 2.00mm down.");
    EXPECT_EQ(ShiftText(0.0005, -0.0255), "Shift 0.50mm right 25.50mm down.");
}

TEST(LensViewTextsTest, DetailsNameTheCombination) {
    lumivane::ScopedAppContext context;
    lumivane::test::TempDir dir;
    lumivane::test::InstallModelCatalogs(dir.path());
    lumivane::test::ScreenRoom room;
    EXPECT_EQ(lumivane::LensDetailsFor(room.setUp).name, "No Name");
    CLensChoice choice;
    choice.AddItem(lumivane::Ctx().lenses->FindItem(0x0050));
    choice.AddItem(lumivane::Ctx().lenses->FindItem(0x2000));
    room.setUp->ChooseCombination(choice);
    room.setUp->SetBarrel(705);
    const lumivane::LensDetailsText details = lumivane::LensDetailsFor(room.setUp);
    EXPECT_EQ(details.name, "Prime 50mm + Anamorphic 2x");
    EXPECT_EQ(details.diameter, "Diameter: 70.5mm");
    EXPECT_EQ(details.focalLength.rfind("Focal Length: ", 0), 0U);
}

} // namespace
