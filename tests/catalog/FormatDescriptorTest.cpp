#include "catalog/FormatDescriptor.h"

#include "base/Archive.h"
#include "catalog/FormatFlags.h"
#include "catalog/TextRecordReader.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace Flag = lumivane::FormatFlag;
using lumivane::TextRecordReader;

CFormatDescriptor ReadOne(const std::string& bytes) {
    TextRecordReader reader = TextRecordReader::FromBytes(bytes);
    CFormatDescriptor format;
    EXPECT_EQ(format.ReadTextRecord(reader), 0);
    return format;
}

void AppendDouble(std::vector<std::uint8_t>& out, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
}

void AppendLong(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void AppendText(std::vector<std::uint8_t>& out, const std::string& text) {
    out.push_back(static_cast<std::uint8_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

} // namespace

TEST(FormatDescriptorTest, FlatFormatReadsAsOnFilm) {
    const CFormatDescriptor flat = ReadOne("35mm Flat 1.85;F185;1.85;11.33;20.96;1;884864\n");
    EXPECT_EQ(flat.GetName(), "35mm Flat 1.85");
    EXPECT_EQ(flat.GetName2(), "F185");
    EXPECT_DOUBLE_EQ(flat.GetAspect(), 1.85);
    EXPECT_DOUBLE_EQ(flat.GetHeight(), 11.33);
    EXPECT_DOUBLE_EQ(flat.GetWidth(), 20.96);
    EXPECT_EQ(flat.GetFlags(), Flag::Film35);
    EXPECT_EQ(flat.GetExcluded(), 0xD8080);
    EXPECT_DOUBLE_EQ(flat.GetAnamorphic(), 1.0);
    EXPECT_EQ(flat.GetCustomIndex(), -1);
    EXPECT_FALSE(flat.IsCustom());
    EXPECT_DOUBLE_EQ(flat.FilmDiagonal(), std::sqrt(11.33 * 11.33 + 20.96 * 20.96));
}

TEST(FormatDescriptorTest, ScopeFormatIsUnsqueezed) {
    const CFormatDescriptor scope = ReadOne("35mm Scope 2.39;S239;1.195;17.53;20.96;129;0\r\n");
    EXPECT_DOUBLE_EQ(scope.GetWidth(), 41.92);
    EXPECT_DOUBLE_EQ(scope.GetAspect(), 2.39);
    EXPECT_DOUBLE_EQ(scope.GetAnamorphic(), 2.0);
    EXPECT_DOUBLE_EQ(scope.FilmDiagonal(), std::sqrt(17.53 * 17.53 + 41.92 * 41.92 * 0.25));
    EXPECT_NEAR(scope.FilmDiagonal(), std::hypot(17.53, 20.96), 1e-12);
}

TEST(FormatDescriptorTest, AnamorphicFactorsMultiplyButTheDiagonalUsesTheFirst) {
    const CFormatDescriptor single = ReadOne("A;;1;10;10;" + std::to_string(0x10001) + ";0\n");
    EXPECT_DOUBLE_EQ(single.GetAnamorphic(), 1.9);
    EXPECT_DOUBLE_EQ(single.GetWidth(), 19.0);
    EXPECT_DOUBLE_EQ(single.FilmDiagonal(), std::sqrt(100.0 + 19.0 * 19.0 * 0.2770083102493075));

    const int both = Flag::Anamorphic148 | Flag::Anamorphic133;
    const CFormatDescriptor twice = ReadOne("B;;1;10;10;" + std::to_string(both) + ";0\n");
    EXPECT_DOUBLE_EQ(twice.GetAnamorphic(), 1.48 * 1.33);
    EXPECT_DOUBLE_EQ(twice.GetAspect(), 1.48 * 1.33);
    EXPECT_DOUBLE_EQ(twice.FilmDiagonal(),
                     std::sqrt(100.0 + twice.GetWidth() * twice.GetWidth() * 0.4565376186997809));

    const CFormatDescriptor ratio142 = ReadOne("C;;1;10;10;" + std::to_string(0x80000) + ";0\n");
    EXPECT_DOUBLE_EQ(ratio142.GetAnamorphic(), 1.42);
    EXPECT_DOUBLE_EQ(ratio142.FilmDiagonal(), std::sqrt(100.0 + 14.2 * 14.2 * 0.4959333465582226));
}

TEST(FormatDescriptorTest, MalformedLinesGiveZerosNotErrors) {
    const CFormatDescriptor nameOnly = ReadOne("Just a name\n");
    EXPECT_EQ(nameOnly.GetName(), "Just a name\n");
    EXPECT_EQ(nameOnly.GetFlags(), 0);
    EXPECT_DOUBLE_EQ(nameOnly.GetWidth(), 0.0);

    const CFormatDescriptor junk = ReadOne("X;Y;wide;;1.5mm;0x80;\n");
    EXPECT_DOUBLE_EQ(junk.GetAspect(), 0.0);
    EXPECT_DOUBLE_EQ(junk.GetHeight(), 0.0);
    EXPECT_DOUBLE_EQ(junk.GetWidth(), 1.5);
    EXPECT_EQ(junk.GetFlags(), 0);
    EXPECT_DOUBLE_EQ(junk.GetAnamorphic(), 1.0);
}

TEST(FormatDescriptorTest, ReadingEndsAtTheEndOfTheFileAndDropsAnUnendedLine) {
    TextRecordReader reader = TextRecordReader::FromBytes("A;;1;2;3;1;0\nB;;1;2;3;1;0");
    CFormatDescriptor format;
    EXPECT_EQ(format.ReadTextRecord(reader), 0);
    EXPECT_EQ(format.GetName(), "A");
    EXPECT_EQ(format.ReadTextRecord(reader), 1);
}

TEST(FormatDescriptorTest, RegistryFormHoldsFilmValues) {
    CFormatDescriptor scope = ReadOne("35mm Scope 2.39;S239;1.195;17.53;20.96;129;884736\n");
    EXPECT_EQ(scope.ToText(), "35mm Scope 2.39;S239;1.195;17.530;20.960;129;884736");

    CFormatDescriptor back;
    back.ParseText(scope.ToText(), 7);
    EXPECT_EQ(back.GetCustomIndex(), 7);
    EXPECT_TRUE(back.IsCustom());
    EXPECT_EQ(back.GetName(), "35mm Scope 2.39");
    EXPECT_DOUBLE_EQ(back.GetWidth(), 41.92);
    EXPECT_DOUBLE_EQ(back.GetAspect(), 2.39);
    EXPECT_DOUBLE_EQ(back.GetAnamorphic(), 2.0);
    EXPECT_EQ(back.GetExcluded(), 884736);
}

TEST(FormatDescriptorTest, RegistryFormIsTheSameUnderACommaDecimalLocale) {
    lumivane::test::ScopedLocale locale(lumivane::test::CommaDecimalLocale);
    ASSERT_TRUE(locale.active()) << "run scripts/install-deps to generate "
                                 << lumivane::test::CommaDecimalLocale;
    CFormatDescriptor flat = ReadOne("Flat;F;1.85;11.33;20.96;1;0\n");
    EXPECT_EQ(flat.ToText(), "Flat;F;1.850;11.330;20.960;1;0");
    CFormatDescriptor back;
    back.ParseText(flat.ToText(), 0);
    EXPECT_DOUBLE_EQ(back.GetHeight(), 11.33);
    EXPECT_DOUBLE_EQ(back.GetWidth(), 20.96);
}

TEST(FormatDescriptorTest, DialogFactorOneAndAHalfComesBackAsTheCatalogFactor) {
    CFormatDescriptor custom;
    custom.SetName("My 1.5");
    custom.SetFlags(Flag::Film35 | Flag::Anamorphic148);
    custom.SetAnamorphic(1.5);
    custom.SetHeight(18.0);
    custom.SetWidth(1.5 * 20.0);
    custom.SetAspect(1.5 * 1.2);
    EXPECT_EQ(custom.ToText(), "My 1.5;;1.200;18.000;20.000;32769;0");

    CFormatDescriptor back;
    back.ParseText(custom.ToText(), 0);
    EXPECT_DOUBLE_EQ(back.GetAnamorphic(), 1.48);
    EXPECT_DOUBLE_EQ(back.GetWidth(), 20.0 * 1.48);
}

TEST(FormatDescriptorTest, ParseTextStopsAtALineFeedAndAcceptsAnything) {
    CFormatDescriptor two;
    two.ParseText("A;B;1;2;3;4;5\nC;D;6;7;8;9;10", 3);
    EXPECT_EQ(two.GetName(), "A");
    EXPECT_EQ(two.GetExcluded(), 5);

    CFormatDescriptor empty;
    empty.ParseText("", 4);
    EXPECT_EQ(empty.GetName(), "");
    EXPECT_EQ(empty.GetCustomIndex(), 4);
    EXPECT_DOUBLE_EQ(empty.GetAnamorphic(), 1.0);

    CFormatDescriptor partial;
    partial.ParseText("Name only", 1);
    EXPECT_EQ(partial.GetName(), "Name only");
    EXPECT_DOUBLE_EQ(partial.GetWidth(), 0.0);

    CFormatDescriptor utf8;
    utf8.ParseText("Cin\xC3\xA9ma;x;1;1;1;1;0", 0);
    EXPECT_EQ(utf8.GetName(), "Cin\xC3\xA9ma");
}

TEST(FormatDescriptorTest, NamesThatWouldBreakTheRegistryFormAreRefused) {
    EXPECT_TRUE(CFormatDescriptor::IsStorableName("35mm Flat 1.85 (Hall 2)"));
    EXPECT_TRUE(CFormatDescriptor::IsStorableName(""));
    EXPECT_FALSE(CFormatDescriptor::IsStorableName("Flat;Scope"));
    EXPECT_FALSE(CFormatDescriptor::IsStorableName("Two\nlines"));
    EXPECT_FALSE(CFormatDescriptor::IsStorableName("Two\rlines"));
}

TEST(FormatDescriptorTest, StoreRecordIsByteExact) {
    CFormatDescriptor scope = ReadOne("Scope;S;1.195;17.53;20.96;129;884736\n");
    scope.SetCustomIndex(2);
    lumivane::Archive ar = lumivane::Archive::ForStoring();
    scope.Serialize(ar);

    std::vector<std::uint8_t> expected;
    AppendText(expected, "Scope");
    AppendText(expected, "S");
    AppendDouble(expected, scope.GetAspect());
    AppendDouble(expected, scope.GetWidth());
    AppendDouble(expected, 17.53);
    AppendLong(expected, 129);
    AppendLong(expected, 884736);
    AppendDouble(expected, 2.0);
    EXPECT_EQ(ar.Bytes(), expected);

    lumivane::Archive in = lumivane::Archive::ForLoading(expected);
    CFormatDescriptor back;
    back.SetCustomIndex(5);
    back.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.GetCustomIndex(), -1);
    EXPECT_DOUBLE_EQ(back.GetWidth(), 41.92);
    EXPECT_DOUBLE_EQ(back.GetAnamorphic(), 2.0);
    EXPECT_EQ(back.GetName2(), "S");
}
