#include "catalog/LensDescriptor.h"

#include "base/Archive.h"
#include "base/TextArena.h"
#include "catalog/TextRecordReader.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

using lumivane::Archive;
using lumivane::TextRecordReader;

// The lenses' texts live in the fixture's arena, as they would in their catalog's.
class LensDescriptorTest : public ::testing::Test {
protected:
    CLensDescriptor LensFrom(const std::string& line) {
        auto file = TextRecordReader::FromBytes(line);
        CLensDescriptor lens;
        EXPECT_EQ(lens.ReadTextRecord(file, m_texts), 0);
        return lens;
    }

    lumivane::TextArena m_texts;
};

TEST_F(LensDescriptorTest, ReadsTheTwelveColumnsOfALensLine) {
    const CLensDescriptor lens = LensFrom(
        "Corvalux HD 40-55mm f/2.2;CHD 40-55;48-201234;625;47.5;40;55;10.25;29.5;129;36;85\r\n");
    EXPECT_TRUE(lens.IsLens());
    EXPECT_FALSE(lens.IsAttachment());
    EXPECT_EQ(lens.Name(), "Corvalux HD 40-55mm f/2.2");
    EXPECT_EQ(lens.ShortName(), "CHD 40-55");
    EXPECT_EQ(lens.Catalog(), "48-201234");
    EXPECT_EQ(lens.Id(), 4660);
    EXPECT_EQ(lens.Barrel(), 625);
    EXPECT_EQ(lens.RefFocal(), 47.5);
    EXPECT_EQ(lens.FocalMin(), 40.0);
    EXPECT_EQ(lens.FocalMax(), 55.0);
    EXPECT_EQ(lens.Offset(), 10.25);
    EXPECT_EQ(lens.Coverage(), 29.5);
    EXPECT_EQ(lens.Kinds(), 129);
    EXPECT_EQ(lens.AttachFit(), 36);
    EXPECT_EQ(lens.Rating(), 85);
    EXPECT_TRUE(lens.IsZoom());
    EXPECT_EQ(lens.MeanFocal(), 47.5);
}

TEST_F(LensDescriptorTest, ShortOrMalformedLinesLeaveDefaults) {
    const CLensDescriptor shortLine = LensFrom("Name;Short\n");
    EXPECT_EQ(shortLine.Name(), "Name");
    EXPECT_EQ(shortLine.ShortName(), "Short\n");
    EXPECT_EQ(shortLine.Catalog(), "");
    EXPECT_EQ(shortLine.Id(), 0);
    EXPECT_EQ(shortLine.Barrel(), 0);
    EXPECT_EQ(shortLine.Rating(), 0);

    const CLensDescriptor garbage = LensFrom("N;S;C;wide;;x;1e999;nan?;-;--;0x80;9z\n");
    EXPECT_EQ(garbage.Barrel(), 0);
    EXPECT_EQ(garbage.FocalMin(), 0.0);
    EXPECT_EQ(garbage.Coverage(), 0.0);
    EXPECT_EQ(garbage.AttachFit(), 0);
    EXPECT_EQ(garbage.Rating(), 9);
}

TEST_F(LensDescriptorTest, ReportsTheEndOfTheFile) {
    auto file = TextRecordReader::FromBytes("A;B;C;1;2;3;4;5;6;7;8;9");
    CLensDescriptor lens;
    EXPECT_EQ(lens.ReadTextRecord(file, m_texts), 1);
}

TEST_F(LensDescriptorTest, ProductListTexts) {
    const CLensDescriptor zoom = LensFrom("Z;Z;1;705;47.5;40;55;0;30;1;0;80\n");
    EXPECT_EQ(zoom.BarrelText(), "70.5mm");
    EXPECT_EQ(zoom.FocalText(), "40.0 - 55.0mm\n");
    const CLensDescriptor fixed = LensFrom("F;F;1;425;50;50;50;0;13;4;0;80\n");
    EXPECT_EQ(fixed.BarrelText(), "42.5mm");
    EXPECT_EQ(fixed.FocalText(), "50.0mm\n");
}

TEST_F(LensDescriptorTest, StoreRecordLayoutIsExactAndReadsBack) {
    const CLensDescriptor lens = LensFrom("Lens A;LA;48-201234;705;50;45;55;12.5;30;27;40;95\n");
    Archive out = Archive::ForStoring();
    CLensDescriptor(lens).Serialize(out, m_texts);

    const auto expected = lumivane::test::RecordBytes()
                              .Short(4660)
                              .Text("Lens A")
                              .Text("LA")
                              .Text("48-201234")
                              .Long(95)
                              .Long(705)
                              .Double(50)
                              .Double(45)
                              .Double(55)
                              .Double(12.5)
                              .Double(30)
                              .Long(27)
                              .Long(40)
                              .bytes();
    EXPECT_EQ(out.Bytes(), expected);

    Archive in = Archive::ForLoading(expected);
    CLensDescriptor loaded;
    loaded.Serialize(in, m_texts);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.Id(), 4660);
    EXPECT_EQ(loaded.Name(), "Lens A");
    EXPECT_EQ(loaded.Barrel(), 705);
    EXPECT_EQ(loaded.Offset(), 12.5);
    EXPECT_EQ(loaded.AttachFit(), 40);
}

TEST_F(LensDescriptorTest, TruncatedStoreRecordRaisesArchiveError) {
    const auto bytes = lumivane::test::RecordBytes().Short(1).Text("Lens").bytes();
    Archive in = Archive::ForLoading(bytes);
    CLensDescriptor lens;
    EXPECT_THROW(lens.Serialize(in, m_texts), lumivane::ArchiveError);
}
