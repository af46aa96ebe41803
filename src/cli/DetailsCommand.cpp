#include "cli/DetailsCommand.h"

#include "cli/CommandSetup.h"
#include "cli/PdfOptions.h"
#include "document/QorDoc.h"
#include "reports/DetailsPages.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace lumivane::cli {
namespace {

constexpr auto kUsage = "Usage: lumivane-cli details PROJECT.hoprj --pdf OUT.pdf [--from N] "
                        "[--to M] [--catalog-dir DIR] [--settings FILE]\n";

} // namespace

int RunDetailsCommand(const QStringList& arguments) {
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions(
        {CatalogDirOption(), SettingsOption(), PdfOption(), FromOption(), ToOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(PdfOption())) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    std::string error;
    const auto range = ChosenRange(parser, error);
    if (!range) {
        return Fail(error);
    }
    if (auto setUpError = SetUpProcess(parser)) {
        return Fail(*setUpError);
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (auto readError = OpenProject(project, positional.front())) {
        return Fail(*readError);
    }
    const std::vector<DetailsPage> pages = ProjectDetailsPages(project);
    if (pages.empty()) {
        return Fail("The project has no auditorium, so it has no details pages.");
    }
    return PdfExitCode(WriteDetailsPdf(parser.value(PdfOption()), project, pages, *range,
                                       ScreenDrawings(project)));
}

} // namespace lumivane::cli
