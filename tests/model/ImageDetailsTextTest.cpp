#include "model/ImageDetailsText.h"

#include "base/AppContext.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using lumivane::FigureText;

TEST(ImageDetailsTextTest, OnlyFiguresAboveFivePercentWarn) {
    EXPECT_EQ(FigureText(0.050).text, "5.0%");
    EXPECT_FALSE(FigureText(0.050).warning);
    EXPECT_EQ(FigureText(0.051).text, "5.1%");
    EXPECT_TRUE(FigureText(0.051).warning);
    EXPECT_EQ(FigureText(std::nan("")).text, "N/A");
}

TEST(ImageDetailsTextTest, RaisedProjectorWarnsOfKeystone) {
    lumivane::ScopedAppContext context;
    lumivane::test::InstallModelCatalogs();
    lumivane::test::ScreenRoom room;
    lumivane::ImageDetailsText details =
        lumivane::ImageDetailsFor(room.auditorium.get(), room.projector, room.setUp);
    EXPECT_EQ(details.verticalKeystone.text, "0.0%");
    EXPECT_EQ(details.height.back(), 'm');
    room.projector->SetLensHeight(12.0);
    details = lumivane::ImageDetailsFor(room.auditorium.get(), room.projector, room.setUp);
    EXPECT_TRUE(details.verticalKeystone.warning);
}

} // namespace
