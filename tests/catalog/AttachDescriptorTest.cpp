#include "catalog/AttachDescriptor.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "base/TextArena.h"
#include "catalog/LensDescriptor.h"
#include "catalog/TextRecordReader.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

using lumivane::Archive;
using lumivane::FormatRoundTrip;
using lumivane::TextRecordReader;

// The items' texts live in the fixture's arena, as they would in their catalog's.
class AttachDescriptorTest : public ::testing::Test {
protected:
    template <class Item> Item ItemFrom(const std::string& line) {
        auto file = TextRecordReader::FromBytes(line);
        Item item;
        EXPECT_EQ(item.ReadTextRecord(file, m_texts), 0);
        return item;
    }

    CAttachDescriptor Adapter(double horizontal, double vertical) {
        return ItemFrom<CAttachDescriptor>("A;A;1;1;1;" + FormatRoundTrip(horizontal) + ";" +
                                           FormatRoundTrip(vertical) + ";128;0;90\n");
    }

    CLensDescriptor Lens(double focalMin, double focalMax) {
        return ItemFrom<CLensDescriptor>("L;L;2;705;" + FormatRoundTrip(focalMin) + ";" +
                                         FormatRoundTrip(focalMin) + ";" +
                                         FormatRoundTrip(focalMax) + ";0;30;1;0;90\n");
    }

    lumivane::TextArena m_texts;
};

TEST_F(AttachDescriptorTest, ReadsTheTenColumnsOfAnAttachmentLine) {
    const auto a = ItemFrom<CAttachDescriptor>("Zoom 1-1.25;ZA;48-208125;1;1.25;1;0.5;160;12;80\n");
    EXPECT_TRUE(a.IsAttachment());
    EXPECT_FALSE(a.IsLens());
    EXPECT_EQ(a.Name(), "Zoom 1-1.25");
    EXPECT_EQ(a.ShortName(), "ZA");
    EXPECT_EQ(a.Id(), 0x8125 - 0x10000);
    EXPECT_EQ(a.ZoomMin(), 1.0);
    EXPECT_EQ(a.ZoomMax(), 1.25);
    EXPECT_EQ(a.HorizStretch(), 1.0);
    EXPECT_EQ(a.VertStretch(), 0.5);
    EXPECT_EQ(a.Kinds(), 160);
    EXPECT_EQ(a.Fit(), 12);
    EXPECT_EQ(a.Rating(), 80);
    EXPECT_TRUE(a.IsZoom());
}

TEST_F(AttachDescriptorTest, HorizontalStretchIsCorrectedForTheLensFocalLength) {
    const CLensDescriptor lens50 = Lens(50, 50);
    EXPECT_EQ(Adapter(1.0, 1.0).HorizontalStretch(&lens50), 1.0);
    // (2500 x 0.000011141638788 - 50 x 0.003217308298281 + 1.235912597298726) x 2.0
    EXPECT_NEAR(Adapter(2.0, 1.0).HorizontalStretch(&lens50), 2.205802558709352, 1e-13);
    const CLensDescriptor zoom40to60 = Lens(40, 60);
    EXPECT_NEAR(Adapter(2.0, 1.0).HorizontalStretch(&zoom40to60), 2.205802558709352, 1e-13);
}

TEST_F(AttachDescriptorTest, HorizontalStretchWithoutALensIsTheCatalogFactor) {
    const CAttachDescriptor adapter = Adapter(2.0, 1.0);
    EXPECT_EQ(adapter.HorizontalStretch(nullptr), 2.0);
    EXPECT_EQ(adapter.HorizontalStretch(&adapter), 2.0);
}

TEST_F(AttachDescriptorTest, VerticalStretchIsCorrectedOnlyInsideItsRange) {
    const CLensDescriptor lens100 = Lens(100, 100);
    EXPECT_EQ(Adapter(1.0, 1.5).VerticalStretch(&lens100), 1.5);
    const CLensDescriptor lens50 = Lens(50, 50);
    // x = 1.54683 - 50 x 0.008772 = 1.10823
    EXPECT_NEAR(Adapter(1.0, 0.5).VerticalStretch(&lens50), 0.554115, 1e-12);
    EXPECT_EQ(Adapter(2.0, 1.0).VerticalStretch(&lens50), 1.0);
    EXPECT_EQ(Adapter(1.0, 0.5).VerticalStretch(nullptr), 0.5);
    // 35 mm gives x = 1.23981, above the range; 40 mm gives 1.19595, inside it.
    const CLensDescriptor lens35 = Lens(35, 35);
    const CLensDescriptor lens40 = Lens(40, 40);
    EXPECT_EQ(Adapter(1.0, 0.5).VerticalStretch(&lens35), 0.5);
    EXPECT_NEAR(Adapter(1.0, 0.5).VerticalStretch(&lens40), 0.597975, 1e-12);
}

TEST_F(AttachDescriptorTest, FunctionTextOfTheProductList) {
    EXPECT_EQ(ItemFrom<CAttachDescriptor>("Z;Z;1;0.8;1;2;1;0;0;80\n").FunctionText(),
              "Zoom 0.8 - 1.0\n");
    EXPECT_EQ(Adapter(2.0, 1.0).FunctionText(), "Horiz. Ana. 2.0\n");
    EXPECT_EQ(Adapter(1.0, 0.5).FunctionText(), "Vert. Ana. 0.5\n");
    EXPECT_EQ(Adapter(1.0, 1.0).FunctionText(), "\n");
}

TEST_F(AttachDescriptorTest, StoreRecordWritesTheHighMultiplierFirst) {
    const auto a = ItemFrom<CAttachDescriptor>("Ana;A2;48-206048;0.9;1.1;2;1;192;8;95\n");
    Archive out = Archive::ForStoring();
    CAttachDescriptor(a).Serialize(out, m_texts);

    const auto expected = lumivane::test::RecordBytes()
                              .Short(0x6048)
                              .Text("Ana")
                              .Text("A2")
                              .Text("48-206048")
                              .Long(95)
                              .Double(1.1)
                              .Double(0.9)
                              .Double(2.0)
                              .Double(1.0)
                              .Long(192)
                              .Long(8)
                              .bytes();
    EXPECT_EQ(out.Bytes(), expected);

    Archive in = Archive::ForLoading(expected);
    CAttachDescriptor loaded;
    loaded.Serialize(in, m_texts);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.ZoomMin(), 0.9);
    EXPECT_EQ(loaded.ZoomMax(), 1.1);
    EXPECT_EQ(loaded.Kinds(), 192);
    EXPECT_EQ(loaded.Fit(), 8);
    EXPECT_EQ(loaded.Id(), 0x6048);
}
