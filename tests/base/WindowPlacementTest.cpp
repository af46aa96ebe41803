#include "base/WindowPlacement.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumivane {
namespace {

const std::vector<PlacementRect> kScreens{{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};

WindowPlacement Sample() {
    WindowPlacement p;
    p.flags = 2;
    p.showCommand = WindowPlacement::kShowMaximized;
    p.minimizedX = -32000;
    p.maximizedY = 7;
    p.normal = {100, 80, 1124, 848};
    return p;
}

TEST(WindowPlacementTest, RecordIsFortyFourLittleEndianBytes) {
    const auto bytes = EncodePlacement(Sample());
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4)),
              (std::vector<std::uint8_t>{44, 0, 0, 0}));
    EXPECT_EQ(bytes[12], 0x00); // -32000 = 0xFFFF8300
    EXPECT_EQ(bytes[13], 0x83);
    EXPECT_EQ(bytes[15], 0xFF);
    EXPECT_EQ(DecodePlacement(bytes), Sample());
}

TEST(WindowPlacementTest, OnlyAWholeRecordThatSaysSoIsRead) {
    auto bytes = EncodePlacement(Sample());
    EXPECT_FALSE(DecodePlacement({}).has_value());
    EXPECT_FALSE(DecodePlacement({bytes.begin(), bytes.end() - 1}).has_value());
    bytes.push_back(0);
    EXPECT_FALSE(DecodePlacement(bytes).has_value());
    bytes.pop_back();
    bytes[0] = 40;
    EXPECT_FALSE(DecodePlacement(bytes).has_value());
}

TEST(WindowPlacementTest, RectangleMustMeetAScreen) {
    EXPECT_TRUE(MeetsAnyScreen({3000, 900, 3500, 1200}, kScreens));
    EXPECT_FALSE(MeetsAnyScreen({3200, 0, 3600, 500}, kScreens)); // touches the edge only
    EXPECT_FALSE(MeetsAnyScreen({2000, 1024, 2400, 1300}, kScreens));
    EXPECT_FALSE(MeetsAnyScreen({500, 500, 400, 600}, kScreens)); // inverted
    EXPECT_FALSE(MeetsAnyScreen({500, 500, 500, 600}, kScreens)); // no width
    EXPECT_FALSE(MeetsAnyScreen({0, 0, 100, 100}, {}));
}

TEST(WindowPlacementTest, UsablePlacementKeepsAPlacementOnScreen) {
    EXPECT_EQ(UsablePlacement(EncodePlacement(Sample()), kScreens), Sample());
    WindowPlacement away = Sample();
    away.normal = {-5000, -5000, -4000, -4000};
    EXPECT_FALSE(UsablePlacement(EncodePlacement(away), kScreens).has_value());
}

TEST(WindowPlacementTest, HostileExtremesAreCutBackToTheScreens) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    WindowPlacement huge = Sample();
    huge.normal = {kMin, kMin, kMax, kMax};
    const auto used = UsablePlacement(EncodePlacement(huge), kScreens);
    ASSERT_TRUE(used.has_value());
    EXPECT_EQ(used->normal, (PlacementRect{0, 0, 3200, 1080}));

    huge.normal = {kMax, kMax, kMin, kMin};
    EXPECT_FALSE(UsablePlacement(EncodePlacement(huge), kScreens).has_value());
}

} // namespace
} // namespace lumivane
