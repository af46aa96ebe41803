#include "catalog/CatalogJson.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/CatalogStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumivane {
namespace {

// A store written field by field, independently of the catalog classes.
Archive HandWrittenStore() {
    Archive ar = Archive::ForStoring();
    ar.WriteLong(1);
    ar.WriteShort(-2);
    ar.WriteText("Objectif \xC3\xA9tendu \"A\"");
    ar.WriteText("OE");
    ar.WriteText("AB-FFFE");
    ar.WriteLong(75);
    ar.WriteLong(705);
    for (double v : {65.0, 60.0, 70.0, 0.1 + 0.2, std::numeric_limits<double>::quiet_NaN()}) {
        ar.WriteDouble(v);
    }
    ar.WriteLong(static_cast<std::int32_t>(0x80000001u));
    ar.WriteLong(3);

    ar.WriteLong(1);
    ar.WriteShort(4660);
    ar.WriteText("Zoom Adapter");
    ar.WriteText("ZA");
    ar.WriteText("1234");
    ar.WriteLong(90);
    ar.WriteDouble(1.5); // high end of the multiplier first
    ar.WriteDouble(1.25);
    ar.WriteDouble(1.0);
    ar.WriteDouble(std::numeric_limits<double>::infinity());
    ar.WriteLong(0x20);
    ar.WriteLong(1);

    ar.WriteLong(1);
    ar.WriteText("PD");
    ar.WriteText("DX");
    ar.WriteText("Maker B");
    ar.WriteLong(0x1800); // kinds come before the resolution in the store
    ar.WriteLong(2048);
    ar.WriteLong(1080);

    ar.WriteLong(1);
    ar.WriteText("35mm Flat 1.85");
    ar.WriteText("F185");
    ar.WriteDouble(1.85);  // aspect
    ar.WriteDouble(20.96); // width before height in the store
    ar.WriteDouble(11.33);
    ar.WriteLong(1);
    ar.WriteLong(0x80000);
    ar.WriteDouble(1.0);
    return ar;
}

TEST(CatalogJson, ShowsEveryFieldAsTheCatalogsHoldIt) {
    ScopedAppContext context;
    const Archive stored = HandWrittenStore();
    Archive ar = Archive::ForLoading(stored.Bytes());
    CatalogSet catalogs = MakeEmptyCatalogs();
    LoadCatalogStore(ar, catalogs);
    const std::string json = CatalogsToJson(catalogs);

    const std::string expected[] = {
        "\"id\": -2,",
        "\"name\": \"Objectif \xC3\xA9tendu \\\"A\\\"\",",
        "\"catalog\": \"AB-FFFE\",",
        "\"rating\": 75,",
        "\"barrel\": 705,",
        "\"kinds\": 2147483649,",
        "\"attachFit\": 3,",
        "\"refFocal\": 65,",
        "\"offset\": " + FormatRoundTrip(0.1 + 0.2) + ",",
        "\"coverage\": null",
        "\"id\": 4660,",
        "\"fit\": 1,",
        "\"zoomMin\": 1.25,",
        "\"zoomMax\": 1.5,",
        "\"vertStretch\": null",
        "\"hres\": 2048,",
        "\"vres\": 1080,",
        "\"kinds\": 6144,",
        "\"displayName\": \"DX PD\"",
        "\"flags\": 1,",
        "\"excluded\": 524288,",
        "\"aspect\": 1.85,",
        "\"height\": 11.33,",
        "\"width\": 20.96,",
        "\"customIndex\": -1,",
        "\"filmDiagonal\": " + FormatRoundTrip(std::sqrt(11.33 * 11.33 + 20.96 * 20.96)),
    };
    for (const std::string& member : expected) {
        EXPECT_NE(json.find(member), std::string::npos) << member << "\n" << json;
    }
    EXPECT_EQ(json.substr(0, 15), "{\n  \"lenses\": [");
    EXPECT_LT(json.find("\"attachments\""), json.find("\"projectors\""));
    EXPECT_LT(json.find("\"projectors\""), json.find("\"formats\""));
}

TEST(CatalogJson, EmptyCatalogsGiveEmptyLists) {
    ScopedAppContext context;
    EXPECT_EQ(CatalogsToJson(MakeEmptyCatalogs()),
              "{\n  \"lenses\": [],\n  \"attachments\": [],\n  \"projectors\": [],\n"
              "  \"formats\": []\n}\n");
}

} // namespace
} // namespace lumivane
