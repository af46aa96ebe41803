#include "reports/DrawingDxf.h"

#include "base/AppContext.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <filesystem>
#include <map>
#include <string>

namespace {

using lumivane::Drawing;
using lumivane::DrawingLayer;
using lumivane::DrawingRole;

// What dxflib's own reader finds in a file: entities per layer, texts, the units.
struct Found : DL_CreationAdapter {
    std::map<std::string, int> layers;
    std::map<std::string, int> entities;
    std::map<std::string, DL_TextData> texts;
    std::vector<DL_LineData> lines;
    int units = -1;

    void addLayer(const DL_LayerData& data) override { ++layers[data.name]; }
    void addLine(const DL_LineData& data) override {
        ++entities[attributes.getLayer()];
        lines.push_back(data);
    }
    void addPolyline(const DL_PolylineData&) override { ++entities[attributes.getLayer()]; }
    void addCircle(const DL_CircleData&) override { ++entities[attributes.getLayer()]; }
    void addText(const DL_TextData& data) override {
        ++entities[attributes.getLayer()];
        texts.emplace(data.text, data);
    }
    void setVariableInt(const std::string& name, int value, int) override {
        if (name == "$INSUNITS") {
            units = value;
        }
    }
};

Drawing Sample() {
    Drawing d;
    d.textHeight = 0.25;
    d.AddPath(DrawingLayer::Screen, DrawingRole::Screen, {{-7, 1}, {-7, 7}, {7, 7}, {7, 1}}, true,
              true);
    d.AddPath(DrawingLayer::Grid, DrawingRole::Grid, {{-1, 2}, {1, 2}});
    d.circles.push_back({DrawingLayer::Images, DrawingRole::Projector, {0, 4}, 0.1});
    d.AddText(DrawingLayer::Text, {0, 8}, "Cinema 1", lumivane::TextAlign::Middle,
              lumivane::TextAlign::Start);
    d.AddDimension({false, -7, 7, 0.5, "Screen : 14.00m"}, 14.0);
    return d;
}

// The reader's base owns a raw pointer and cannot be copied, so it is filled in place.
void Read(const std::filesystem::path& path, Found& found) {
    DL_Dxf dxf;
    EXPECT_TRUE(dxf.in(path.string(), &found));
}

} // namespace

TEST(DrawingDxfTest, LayersUnitsAndTextsReadBack) {
    lumivane::ScopedAppContext context;
    const lumivane::test::TempDir dir;
    const auto path = dir / "front.dxf";
    ASSERT_TRUE(lumivane::CanWriteDxf());
    ASSERT_EQ(lumivane::WriteDxf(Sample(), path), "");
    Found found;
    Read(path, found);
    EXPECT_EQ(found.units, 6);
    for (const char* layer : {"screen", "images", "grid", "dimensions", "text"}) {
        EXPECT_EQ(found.layers[layer], 1) << layer;
    }
    EXPECT_EQ(found.entities["screen"], 1);
    EXPECT_EQ(found.entities["images"], 1);
    EXPECT_EQ(found.entities["grid"], 1);
    EXPECT_EQ(found.entities["text"], 1);
    // The dimension's eight strokes and its text.
    EXPECT_EQ(found.entities["dimensions"], 9);
    ASSERT_EQ(found.texts.count("Screen : 14.00m"), 1U);
    EXPECT_DOUBLE_EQ(found.texts.at("Screen : 14.00m").height, 0.25);
    EXPECT_FALSE(std::filesystem::exists(dir / "front.dxf.part"));

    // In English units every length is in feet.
    lumivane::Ctx().metricUnits = false;
    ASSERT_EQ(lumivane::WriteDxf(Sample(), path), "");
    Found inFeet;
    Read(path, inFeet);
    EXPECT_EQ(inFeet.units, 2);
    ASSERT_FALSE(inFeet.lines.empty());
    EXPECT_NEAR(inFeet.lines.front().x2 - inFeet.lines.front().x1, 2 * 3.2808, 1e-9);
}

TEST(DrawingDxfTest, AFileThatCannotBeWrittenIsReportedAndTouchesNothing) {
    lumivane::ScopedAppContext context;
    const lumivane::test::TempDir dir;
    const auto path = dir / "missing" / "front.dxf";
    EXPECT_EQ(lumivane::WriteDxf(Sample(), path).rfind("The drawing could not be written to ", 0),
              0U);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}
