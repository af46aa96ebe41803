#include "catalog/ProjectorDescriptor.h"

#include "base/Archive.h"
#include "base/TextArena.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"
#include "catalog/TextRecordReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace Flag = lumivane::FormatFlag;
using lumivane::TextRecordReader;

CFormatDescriptor FormatWithFlags(int flags) {
    CFormatDescriptor format;
    format.SetFlags(flags);
    return format;
}

} // namespace

TEST(ProjectorDescriptorTest, ReadsTheSixColumns) {
    TextRecordReader reader = TextRecordReader::FromBytes("A;B;C;1280;1024;4096\r\n");
    lumivane::TextArena texts;
    CProjectorDescriptor projector;
    ASSERT_EQ(projector.ReadTextRecord(reader, texts), 0);
    EXPECT_EQ(projector.GetModel(), "A");
    EXPECT_EQ(projector.GetSeries(), "B");
    EXPECT_EQ(projector.GetMaker(), "C");
    EXPECT_EQ(projector.GetHres(), 1280);
    EXPECT_EQ(projector.GetVres(), 1024);
    EXPECT_EQ(projector.GetKinds(), Flag::Dmd120);
    EXPECT_EQ(projector.ReadTextRecord(reader, texts), 1);
}

TEST(ProjectorDescriptorTest, ShortLinesLeaveTheMissingNumbersAtZero) {
    TextRecordReader reader = TextRecordReader::FromBytes("M;S;K;800\nM2;S2;K2;1;2;3;extra;9\n");
    lumivane::TextArena texts;
    CProjectorDescriptor shortLine;
    ASSERT_EQ(shortLine.ReadTextRecord(reader, texts), 0);
    EXPECT_EQ(shortLine.GetHres(), 800);
    EXPECT_EQ(shortLine.GetVres(), 0);
    EXPECT_EQ(shortLine.GetKinds(), 0);
    CProjectorDescriptor longLine;
    ASSERT_EQ(longLine.ReadTextRecord(reader, texts), 0);
    EXPECT_EQ(longLine.GetKinds(), 3);
}

TEST(ProjectorDescriptorTest, DisplayNameJoinsSeriesAndModelExceptForGeneric) {
    EXPECT_EQ(CProjectorDescriptor("KX-35", "KX", "Kestrel", 0, 0, 1).GetDisplayName(), "KX KX-35");
    EXPECT_EQ(CProjectorDescriptor("35mm Projector", "GENERIC", "Any", 0, 0, 1).GetDisplayName(),
              "35mm Projector");
    EXPECT_EQ(CProjectorDescriptor("Solo", "", "Maker", 0, 0, 1).GetDisplayName(), " Solo");
    EXPECT_EQ(CProjectorDescriptor("X", "Generics", "M", 0, 0, 1).GetDisplayName(), "Generics X");
}

TEST(ProjectorDescriptorTest, ShowsAFormatOnlyWithEveryOneOfItsBits) {
    const CProjectorDescriptor film35("F", "", "M", 0, 0, Flag::Film35 | Flag::AnyAnamorphic);
    EXPECT_TRUE(film35.CanShow(FormatWithFlags(Flag::Film35)));
    EXPECT_TRUE(film35.CanShow(FormatWithFlags(Flag::Film35 | Flag::Anamorphic200)));
    EXPECT_FALSE(film35.CanShow(FormatWithFlags(Flag::Film35 | Flag::Film70FivePerf)));
    EXPECT_FALSE(film35.CanShow(FormatWithFlags(Flag::Film16)));
    EXPECT_TRUE(film35.CanShow(FormatWithFlags(0)));

    const CProjectorDescriptor dmd("D", "", "M", 2048, 1080, Flag::Dmd120 | Flag::DCinema);
    EXPECT_TRUE(dmd.CanShow(FormatWithFlags(Flag::Dmd120)));
    EXPECT_FALSE(dmd.CanShow(FormatWithFlags(Flag::AnyDmd)));
}

TEST(ProjectorDescriptorTest, StoreRecordIsByteExact) {
    CProjectorDescriptor projector("Aurora 4K", "Aurora", "Brightholm", 4096, 2160, 0x6000);
    lumivane::TextArena texts;
    lumivane::Archive ar = lumivane::Archive::ForStoring();
    projector.Serialize(ar, texts);
    const std::vector<std::uint8_t> expected{
        9,    'A',  'u',  'r',  'o',  'r',  'a',  ' ',  '4',  'K',  6,    'A', 'u', 'r',
        'o',  'r',  'a',  10,   'B',  'r',  'i',  'g',  'h',  't',  'h',  'o', 'l', 'm',
        0x00, 0x60, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x70, 0x08, 0x00, 0x00};
    EXPECT_EQ(ar.Bytes(), expected);

    lumivane::Archive in = lumivane::Archive::ForLoading(expected);
    CProjectorDescriptor back;
    back.Serialize(in, texts);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.GetDisplayName(), "Aurora Aurora 4K");
    EXPECT_EQ(back.GetKinds(), 0x6000);
    EXPECT_EQ(back.GetHres(), 4096);
    EXPECT_EQ(back.GetVres(), 2160);
}
