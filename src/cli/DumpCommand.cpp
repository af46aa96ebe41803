#include "cli/DumpCommand.h"

#include "base/AppContext.h"
#include "base/JsonWriter.h"
#include "catalog/Descriptor.h"
#include "cli/CommandSetup.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ImageGeometry.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace lumivane::cli {

namespace {

constexpr auto kUsage = "Usage: lumivane-cli dump PROJECT.hoprj [--catalog-dir DIR] "
                        "[--settings FILE] [--as-stored] [--candidates]\n";

struct DumpOptions {
    bool candidates = false;
};

// The writer turns every non-number into null.
void WriteNull(JsonWriter& json) {
    json.Number(std::nan(""));
}

void Point(JsonWriter& json, double x, double y) {
    json.BeginArray();
    json.Number(x);
    json.Number(y);
    json.EndArray();
}

void NumberMember(JsonWriter& json, const char* key, double value) {
    json.Key(key);
    json.Number(value);
}

void IntMember(JsonWriter& json, const char* key, std::int64_t value) {
    json.Key(key);
    json.Int(value);
}

void WriteChoice(JsonWriter& json, const CLensChoice& choice) {
    json.BeginObject();
    json.Key("items");
    json.BeginArray();
    for (const CDescriptor* item : choice.Items()) {
        json.BeginObject();
        IntMember(json, "id", item->Id());
        json.Key("catalog");
        json.String(item->Catalog());
        json.Key("shortName");
        json.String(item->ShortName());
        json.Key("kind");
        json.String(item->IsLens() ? "lens" : "attachment");
        json.EndObject();
    }
    json.EndArray();
    IntMember(json, "quality", choice.GetQuality());
    NumberMember(json, "focal", choice.GetFocal());
    NumberMember(json, "achievedFocal", choice.GetAchievedFocal());
    NumberMember(json, "factorH", choice.GetFactorH());
    NumberMember(json, "factorV", choice.GetFactorV());
    IntMember(json, "adapterRing", choice.GetAdapterRing());
    NumberMember(json, "minFocal", choice.GetMinFocal());
    NumberMember(json, "maxFocal", choice.GetMaxFocal());
    NumberMember(json, "coverage", choice.GetCoverage());
    json.EndObject();
}

void WriteGeometry(JsonWriter& json, const CAuditorium& auditorium, const CProjectorType& projector,
                   const CLensType& setUp) {
    ImageGeometry geometry;
    geometry.SetSubjects(&auditorium, &projector, &setUp);
    json.BeginObject();
    NumberMember(json, "topWidth", geometry.TopWidth());
    NumberMember(json, "bottomWidth", geometry.BottomWidth());
    NumberMember(json, "edgeHeight0", geometry.EdgeHeight0());
    NumberMember(json, "edgeHeight1", geometry.EdgeHeight1());
    NumberMember(json, "innerHeight", geometry.InnerHeight());
    json.Key("innerRect");
    json.BeginArray();
    for (const ScreenPoint& p : geometry.InnerRect()) {
        Point(json, p.x, p.y);
    }
    json.EndArray();
    NumberMember(json, "verticalKeystone", geometry.VerticalKeystone());
    NumberMember(json, "horizontalKeystone", geometry.HorizontalKeystone());
    NumberMember(json, "verticalStretch", geometry.VerticalStretch());
    NumberMember(json, "horizontalStretch", geometry.HorizontalStretch());
    NumberMember(json, "curveDistortion", geometry.CurveDistortion());
    NumberMember(json, "maskingLoss", geometry.MaskingLoss());
    json.EndObject();
}

void WriteCandidates(JsonWriter& json, const CLensType& setUp) {
    json.Key("candidates");
    json.BeginArray();
    const std::vector<CLensChoice> ranked = ListCandidates(setUp);
    for (std::size_t i = 0; i < ranked.size() && i < kMaxMenuCandidates; ++i) {
        json.BeginObject();
        json.Key("items");
        json.BeginArray();
        for (const CDescriptor* item : ranked[i].Items()) {
            json.Int(item->Id());
        }
        json.EndArray();
        IntMember(json, "quality", ranked[i].GetQuality());
        json.EndObject();
    }
    json.EndArray();
}

void WriteSetUp(JsonWriter& json, const CAuditorium& auditorium, const CProjectorType& projector,
                const CLensType& setUp, const DumpOptions& options) {
    json.BeginObject();
    IntMember(json, "format", setUp.GetFormat());
    json.Key("formatName");
    json.String(setUp.GetFormatName());
    NumberMember(json, "shiftV", setUp.ShiftV());
    NumberMember(json, "shiftH", setUp.ShiftH());
    NumberMember(json, "aspect", setUp.GetAspect());
    IntMember(json, "lensChosen", setUp.LensChosen());
    IntMember(json, "linked", setUp.Linked());
    IntMember(json, "masked", setUp.Masked());
    NumberMember(json, "imageHeight", setUp.ImageHeight());
    NumberMember(json, "imageWidth", setUp.ImageWidth());
    NumberMember(json, "extentHeight", setUp.ExtentHeight());
    NumberMember(json, "extentWidth", setUp.ExtentWidth());
    NumberMember(json, "focal", setUp.Focal());
    IntMember(json, "barrel", setUp.Barrel());
    json.Key("corners");
    if (setUp.Corners()) {
        json.BeginArray();
        for (const PanelPoint& p : *setUp.Corners()) {
            json.BeginArray();
            json.Int(p.x);
            json.Int(p.y);
            json.EndArray();
        }
        json.EndArray();
    } else {
        WriteNull(json);
    }
    IntMember(json, "panelWidth", setUp.PanelWidth());
    IntMember(json, "panelHeight", setUp.PanelHeight());
    NumberMember(json, "apertureW", setUp.ApertureW());
    NumberMember(json, "apertureH", setUp.ApertureH());
    NumberMember(json, "effApertureW", setUp.EffApertureW());
    NumberMember(json, "effApertureH", setUp.EffApertureH());
    NumberMember(json, "squeeze", setUp.Squeeze());
    NumberMember(json, "slantThrow", auditorium.GetSlantThrow(&setUp));
    NumberMember(json, "chordDepth", auditorium.GetChordDepth(&setUp));
    NumberMember(json, "mountOffset", setUp.GetMountOffset());
    json.Key("choice");
    if (setUp.HasCombination()) {
        WriteChoice(json, setUp.Choice());
    } else {
        WriteNull(json);
    }
    json.Key("geometry");
    if (setUp.HasKnownFormat()) {
        WriteGeometry(json, auditorium, projector, setUp);
    } else {
        WriteNull(json);
    }
    if (options.candidates) {
        WriteCandidates(json, setUp);
    }
    json.EndObject();
}

void WriteProjector(JsonWriter& json, const CAuditorium& auditorium,
                    const CProjectorType& projector, const DumpOptions& options) {
    json.BeginObject();
    json.Key("name");
    json.String(projector.Name());
    IntMember(json, "model", projector.Model());
    IntMember(json, "useDefaultThrow", projector.UseDefaultThrow());
    NumberMember(json, "throw", projector.GetThrow());
    NumberMember(json, "ownThrow", projector.OwnThrow());
    NumberMember(json, "lateral", projector.Lateral());
    NumberMember(json, "lensHeight", projector.LensHeight());
    NumberMember(json, "imageOffsetV", projector.ImageOffsetV());
    NumberMember(json, "imageOffsetH", projector.ImageOffsetH());
    IntMember(json, "selected", projector.Selected());
    IntMember(json, "reserved", projector.Reserved());
    IntMember(json, "autoLensShift", projector.AutoLensShift());
    IntMember(json, "allowLensShift", projector.AllowLensShift());
    IntMember(json, "spare", projector.Spare());
    IntMember(json, "alignment", projector.Alignment());
    NumberMember(json, "verticalAngle", projector.GetVerticalAngle());
    NumberMember(json, "horizontalAngle", projector.GetHorizontalAngle());
    const auto [portholeWidth, portholeHeight] = projector.GetPortholeSize();
    NumberMember(json, "portholeWidth", portholeWidth);
    NumberMember(json, "portholeHeight", portholeHeight);
    json.Key("lensSetups");
    json.BeginArray();
    for (int i = 0; i < projector.LensTypeCount(); ++i) {
        WriteSetUp(json, auditorium, projector, *projector.GetLensType(i), options);
    }
    json.EndArray();
    json.EndObject();
}

void WriteAuditorium(JsonWriter& json, const CAuditorium& a, const DumpOptions& options) {
    json.BeginObject();
    json.Key("name");
    json.String(a.Name());
    json.Key("comments");
    json.String(a.Comments());
    IntMember(json, "fixedScreen", a.FixedScreen());
    IntMember(json, "constantHeight", a.ConstantHeight());
    IntMember(json, "calcPorthole", a.CalcPorthole());
    NumberMember(json, "screenHeight", a.ScreenHeight());
    NumberMember(json, "screenWidth", a.ScreenWidth());
    NumberMember(json, "curveValue", a.CurveValue());
    NumberMember(json, "tiltValue", a.TiltValue());
    NumberMember(json, "audienceHeight", a.AudienceHeight());
    NumberMember(json, "audienceDistance", a.AudienceDistance());
    NumberMember(json, "portholeDistance", a.PortholeDistance());
    NumberMember(json, "floorToScreen", a.FloorToScreen());
    NumberMember(json, "floorToBooth", a.FloorToBooth());
    json.Key("frontWall");
    Point(json, a.FrontWall()[0], a.FrontWall()[1]);
    NumberMember(json, "defaultThrow", a.DefaultThrow());
    IntMember(json, "seats", a.Seats());
    IntMember(json, "handicappedSeats", a.HandicappedSeats());
    IntMember(json, "curveType", a.CurveTypeValue());
    IntMember(json, "tiltType", a.TiltTypeValue());
    IntMember(json, "autoLensShift", a.AutoLensShift());
    IntMember(json, "allowLensShift", a.AllowLensShift());
    IntMember(json, "alignment", a.AlignmentValue());
    NumberMember(json, "curvePercent", a.GetCurvePercent());
    NumberMember(json, "chordDepth", a.GetChordDepth(nullptr));
    NumberMember(json, "tiltAngle", a.GetTiltAngle());
    NumberMember(json, "averageThrow", a.GetAverageThrow());
    NumberMember(json, "averageLensHeight", a.GetAverageLensHeight());
    NumberMember(json, "averageLateral", a.GetAverageLateral());
    NumberMember(json, "slantThrow", a.GetSlantThrow(nullptr));
    json.Key("projectors");
    json.BeginArray();
    for (int i = 0; i < a.ProjectorCount(); ++i) {
        WriteProjector(json, a, *a.GetProjector(i), options);
    }
    json.EndArray();
    json.EndObject();
}

std::string ProjectJson(const ProjectContents& project, const DumpOptions& options) {
    JsonWriter json;
    json.BeginObject();
    IntMember(json, "fileVersion", project.fileVersion);
    json.Key("metricUnits");
    json.Bool(Ctx().metricUnits);
    const std::pair<const char*, const std::string*> texts[] = {
        {"manager", &project.info.manager},
        {"projectDate", &project.info.projectDate},
        {"lastChange", &project.info.lastChange},
        {"startDate", &project.info.startDate},
        {"endDate", &project.info.endDate}};
    for (const auto& [key, text] : texts) {
        json.Key(key);
        json.String(*text);
    }
    json.Key("auditoriums");
    json.BeginArray();
    for (const auto& auditorium : project.auditoriums) {
        WriteAuditorium(json, *auditorium, options);
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

} // namespace

int RunDumpCommand(const QStringList& arguments) {
    const QCommandLineOption asStored(QStringLiteral("as-stored"),
                                      QStringLiteral("Do not recalculate after reading."));
    const QCommandLineOption candidates(QStringLiteral("candidates"),
                                        QStringLiteral("List the lens candidates of each set-up."));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), asStored, candidates});
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString() + '\n' + kUsage);
    }
    if (parser.positionalArguments().size() != 1) {
        return Fail(kUsage);
    }
    if (auto error = SetUpProcess(parser)) {
        return Fail(*error);
    }

    CQorDoc document(std::make_shared<QtClockAndLocale>());
    const ProjectReadResult result = document.OpenDocument(
        ToPath(parser.positionalArguments().front()), !parser.isSet(asStored));
    if (result != ProjectReadResult::Ok) {
        return Fail(ProjectReadMessage(result));
    }
    std::fputs(ProjectJson(document.GetContents(), DumpOptions{parser.isSet(candidates)}).c_str(),
               stdout);
    return 0;
}

} // namespace lumivane::cli
