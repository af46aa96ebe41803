#include "base/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

using namespace lumivane;

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(TextEncodingTest, AsciiCheckSeesAHighByteAnywhereInAnyLength) {
    for (std::size_t length = 0; length <= 40; ++length) {
        const std::string plain(length, 'a');
        EXPECT_TRUE(lumivane::IsAscii(plain)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string text = plain;
            text[at] = '\x80';
            EXPECT_FALSE(lumivane::IsAscii(text)) << length << " " << at;
        }
    }
}

TEST(TextEncodingTest, EveryWindows1252ByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const auto back = Utf8ToWindows1252(Windows1252ToUtf8(byte));
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(TextEncodingTest, Windows1252MapsItsOwnCharactersAndKeepsUndefinedBytes) {
    EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80"), "café €");
    EXPECT_EQ(Windows1252ToUtf8("\x8A\x9F\x93"), "ŠŸ“");
    EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(Windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncodingTest, LongPlainRunsAroundWindows1252CharactersConvertWhole) {
    EXPECT_EQ(Windows1252ToUtf8("Projection room 12 \xE9tage \x80 Mk II lens 70.5mm"),
              "Projection room 12 étage € Mk II lens 70.5mm");
    EXPECT_EQ(Windows1252ToUtf8("Kinetar 16 Zoom 20-30mm f/1.8"), "Kinetar 16 Zoom 20-30mm f/1.8");
    EXPECT_EQ(Windows1252ToUtf8("0123456\xFC"), "0123456ü");
    EXPECT_EQ(Windows1252ToUtf8(""), "");
}

TEST(TextEncodingTest, TextOutsideWindows1252IsNotNarrowed) {
    EXPECT_EQ(Utf8ToWindows1252("Kino Černá"), std::nullopt);
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x80"), std::nullopt); // C1 control with no byte of its own
    EXPECT_EQ(Utf8ToWindows1252("😀"), std::nullopt);
    EXPECT_EQ(Utf8ToWindows1252("ok\xFF"), std::nullopt); // invalid UTF-8
    EXPECT_EQ(Utf8ToWindows1252(""), std::string());
    EXPECT_EQ(Utf8ToWindows1252("€ 12,50 – Müller"), std::string("\x80 12,50 \x96 M\xFCller"));
}

TEST(TextEncodingTest, Utf16CarriesEveryPlane) {
    const std::u16string units = Utf8ToUtf16("A€😀");
    EXPECT_EQ(units, (std::u16string{u'A', 0x20AC, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(units), "A€😀");
    EXPECT_EQ(Utf16ToUtf8(u"Kino Černá"), "Kino Černá");
}

TEST(TextEncodingTest, MalformedUtf8BecomesReplacementCharacters) {
    const auto replaced = [](const std::string& s) {
        return Utf16ToUtf8(Utf8ToUtf16(s));
    };
    EXPECT_EQ(replaced("a\xFF"
                       "b"),
              "a" + kReplacement + "b");
    EXPECT_EQ(replaced("\xC0\xAF"), kReplacement + kReplacement);                    // overlong '/'
    EXPECT_EQ(replaced("\xE2\x82x"), kReplacement + "x");                            // cut short
    EXPECT_EQ(replaced("\xED\xA0\x80"), kReplacement + kReplacement + kReplacement); // surrogate
    EXPECT_EQ(replaced("\xF4\x90\x80\x80"),
              kReplacement + kReplacement + kReplacement + kReplacement); // beyond U+10FFFF
    EXPECT_EQ(replaced("\xF0\x9F\x98"), kReplacement);
}

TEST(TextEncodingTest, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD83D}), "a" + kReplacement);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, u'b'}), kReplacement + "b");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), kReplacement + kReplacement);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, u'c'}), kReplacement + "c");
}

} // namespace
