#include "catalog/Descriptor.h"

#include <gtest/gtest.h>

TEST(DescriptorTest, ItemNumberComesFromTheLastFourCharacters) {
    EXPECT_EQ(CDescriptor::ItemIdOf("1234"), 4660);
    EXPECT_EQ(CDescriptor::ItemIdOf("AB-1234"), 4660);
    EXPECT_EQ(CDescriptor::ItemIdOf("48-204100"), 0x4100);
    EXPECT_EQ(CDescriptor::ItemIdOf(""), 0);
}

TEST(DescriptorTest, ItemNumberDigitsOfOtherCharacters) {
    EXPECT_EQ(CDescriptor::ItemIdOf("-"), 13);
    EXPECT_EQ(CDescriptor::ItemIdOf(" "), 0);
    EXPECT_EQ(CDescriptor::ItemIdOf("A"), 1);
    EXPECT_EQ(CDescriptor::ItemIdOf("ABCD"), 4660);
}

TEST(DescriptorTest, ItemNumberWrapsToSixteenSignedBits) {
    EXPECT_EQ(CDescriptor::ItemIdOf("9999"), static_cast<std::int16_t>(0x9999));
    EXPECT_EQ(CDescriptor::ItemIdOf("9999"), -26215);
}

TEST(DescriptorTest, CharactersAbove127CountAsSignedWindows1252Bytes) {
    // U+00E9 is byte 0xE9 = -23, remainder -7; the euro sign is byte 0x80 = -128, remainder 0.
    EXPECT_EQ(CDescriptor::ItemIdOf("\xC3\xA9"), -7);
    EXPECT_EQ(CDescriptor::ItemIdOf("1\xC3\xA9"), 16 - 7);
    EXPECT_EQ(CDescriptor::ItemIdOf("1\xE2\x82\xAC"), 16);
}
