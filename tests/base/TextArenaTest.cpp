#include "base/TextArena.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

using lumivane::TextArena;

TEST(TextArenaTest, TextsStayIntactWhileManyMoreAreAdded) {
    TextArena texts;
    std::vector<std::string> originals;
    std::vector<std::string_view> views;
    for (int i = 0; i < 20000; ++i) {
        originals.push_back("Lens " + std::to_string(i));
        views.push_back(texts.Add(originals.back()));
    }
    const std::string large(100000, 'x');
    const std::string_view largeView = texts.Add(large);
    for (std::size_t i = 0; i < views.size(); ++i) {
        ASSERT_EQ(views[i], originals[i]);
    }
    EXPECT_EQ(largeView, large);
    EXPECT_NE(largeView.data(), large.data());
}

TEST(TextArenaTest, EmptyTextsAreEmptyViews) {
    TextArena texts;
    EXPECT_TRUE(texts.Add("").empty());
    EXPECT_EQ(texts.Add("a"), "a");
}

TEST(TextArenaTest, ViewsSurviveMovingTheArena) {
    TextArena texts;
    const std::string_view name = texts.Add("Corvalux HD 40-55mm f/2.2");
    TextArena kept = std::move(texts);
    TextArena assigned;
    assigned = std::move(kept);
    EXPECT_EQ(name, "Corvalux HD 40-55mm f/2.2");
    // The emptied arenas start afresh instead of writing into the blocks they handed on.
    EXPECT_EQ(texts.Add("new"), "new");
    EXPECT_EQ(kept.Add("other"), "other");
    EXPECT_EQ(name, "Corvalux HD 40-55mm f/2.2");
}
