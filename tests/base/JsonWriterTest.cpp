#include "base/JsonWriter.h"

#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumivane {
namespace {

TEST(JsonWriter, NestsObjectsAndArraysWithIndentation) {
    JsonWriter json;
    json.BeginObject();
    json.Key("lenses");
    json.BeginArray();
    json.BeginObject();
    json.Key("id");
    json.Int(-32768);
    json.Key("kinds");
    json.Int(4294967295);
    json.EndObject();
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("ok");
    json.Bool(true);
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n"
                           "  \"lenses\": [\n"
                           "    {\n"
                           "      \"id\": -32768,\n"
                           "      \"kinds\": 4294967295\n"
                           "    }\n"
                           "  ],\n"
                           "  \"empty\": [],\n"
                           "  \"ok\": true\n"
                           "}\n");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNonFiniteBecomesNull) {
    const double values[] = {20.96, 0.1 + 0.2, 1.0 / 3.0, -0.0, 1e300, 5e-324, 41.92 * 1.48};
    for (double v : values) {
        JsonWriter json;
        json.Number(v);
        EXPECT_EQ(ParseDoublePrefix(json.Text()), v) << json.Text();
    }
    JsonWriter json;
    json.BeginArray();
    json.Number(std::numeric_limits<double>::quiet_NaN());
    json.Number(std::numeric_limits<double>::infinity());
    json.Number(-std::numeric_limits<double>::infinity());
    json.Number(2.0);
    json.EndArray();
    EXPECT_EQ(json.Text(), "[\n  null,\n  null,\n  null,\n  2\n]\n");
}

TEST(JsonWriter, EscapesTextAndReplacesBrokenUtf8) {
    JsonWriter json;
    json.String("a\"b\\c\nd\re\tf\x01g \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xA5");
    EXPECT_EQ(json.Text(),
              "\"a\\\"b\\\\c\\nd\\re\\tf\\u0001g \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xA5\"");

    JsonWriter broken;
    // A Windows-1252 byte, a truncated sequence, an overlong form and a surrogate.
    broken.String("\x80|\xC3|\xC0\xAF|\xED\xA0\x80");
    EXPECT_EQ(broken.Text(), "\"\xEF\xBF\xBD|\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|"
                             "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

} // namespace
} // namespace lumivane
