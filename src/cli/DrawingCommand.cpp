#include "cli/DrawingCommand.h"

#include "cli/CommandSetup.h"
#include "document/QorDoc.h"
#include "reports/DrawingDxf.h"
#include "ui/DrawingExport.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace lumivane::cli {
namespace {

constexpr auto kUsage = "Usage: lumivane-cli drawing PROJECT.hoprj --item A[/P[/F]] [--section] "
                        "(--svg OUT.svg | --dxf OUT.dxf) [--catalog-dir DIR] "
                        "[--settings FILE]\n"
                        "A, P and F are positions from 0: the auditorium, its projector and that "
                        "projector's format.\n";

QCommandLineOption ItemOption() {
    return {QStringLiteral("item"), QStringLiteral("The auditorium[/projector[/format]], from 0."),
            QStringLiteral("A[/P[/F]]")};
}

QCommandLineOption SectionOption() {
    return {QStringLiteral("section"), QStringLiteral("The section view, not the front view.")};
}

QCommandLineOption SvgOption() {
    return {QStringLiteral("svg"), QStringLiteral("SVG file to write."), QStringLiteral("OUT.svg")};
}

QCommandLineOption DxfOption() {
    return {QStringLiteral("dxf"), QStringLiteral("DXF file to write."), QStringLiteral("OUT.dxf")};
}

// "2", "2/0" or "2/0/1"; none when a part is not a position.
std::optional<DrawingItems> ParseItems(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() > 3) {
        return std::nullopt;
    }
    int positions[3] = {-1, -1, -1};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        positions[i] = parts[i].toInt(&ok);
        if (!ok || positions[i] < 0) {
            return std::nullopt;
        }
    }
    return DrawingItems{positions[0], positions[1], positions[2]};
}

} // namespace

int RunDrawingCommand(const QStringList& arguments) {
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), ItemOption(), SectionOption(),
                       SvgOption(), DxfOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    const QStringList positional = parser.positionalArguments();
    const bool svg = parser.isSet(SvgOption());
    const bool dxf = parser.isSet(DxfOption());
    if (positional.size() != 1 || !parser.isSet(ItemOption()) || svg == dxf) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    const std::optional<DrawingItems> items = ParseItems(parser.value(ItemOption()));
    if (!items) {
        return Fail("--item takes positions from 0: A, A/P or A/P/F.");
    }
    if (dxf && !CanWriteDxf()) {
        return Fail("This build of Lumivane cannot write DXF files; write SVG instead.");
    }
    if (auto setUpError = SetUpProcess(parser)) {
        return Fail(*setUpError);
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (auto error = OpenProject(project, positional.front())) {
        return Fail(*error);
    }
    const ScreenSubjects subjects = SubjectsOf(project, *items);
    if (!subjects.auditorium) {
        return Fail("The project has no item " + parser.value(ItemOption()).toStdString() + ".");
    }
    const QString path = parser.value(svg ? SvgOption() : DxfOption());
    const QString error = ExportDrawing(subjects, parser.isSet(SectionOption()),
                                        svg ? DrawingFileKind::Svg : DrawingFileKind::Dxf, path);
    return error.isEmpty() ? 0 : Fail(error.toStdString());
}

} // namespace lumivane::cli
