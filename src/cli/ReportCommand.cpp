#include "cli/ReportCommand.h"

#include "base/AppContext.h"
#include "cli/CommandSetup.h"
#include "cli/PdfOptions.h"
#include "document/QorDoc.h"
#include "reports/PrintedReport.h"
#include "reports/TextExport.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <string>

namespace lumivane::cli {
namespace {

constexpr auto kUsage =
    "Usage: lumivane-cli report project|purchase|products|light [PROJECT.hoprj] "
    "[--catalog-dir DIR] [--settings FILE] [--text OUT.txt] "
    "[--pdf OUT.pdf [--from N] [--to M]]\n";

QCommandLineOption TextOption() {
    return {QStringLiteral("text"), QStringLiteral("Text file to write instead of stdout."),
            QStringLiteral("OUT.txt")};
}

// The project the report is about: the named file, or a new project when none is named.
std::optional<std::string> OpenProjectIfNamed(CQorDoc& project, const QStringList& positional) {
    if (positional.isEmpty()) {
        return std::nullopt;
    }
    return OpenProject(project, positional.front());
}

std::optional<std::string> Compose(ReportKind kind, const QStringList& positional,
                                   PrintedReport& report) {
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (kind == ReportKind::Products) {
        if (!positional.isEmpty()) {
            return "The product list takes no project.";
        }
    } else if (auto error = OpenProjectIfNamed(project, positional)) {
        return error;
    }
    report = ComposeReport(kind, project, Ctx().settings.m_company, *Ctx().lenses);
    return std::nullopt;
}

int DeliverText(const RichTextDoc& doc, const QCommandLineParser& parser) {
    if (!parser.isSet(TextOption())) {
        // stdout is a text stream that writes the platform's line end for each "\n" itself;
        // the exported text's "\r\n" would come out as "\r\r\n" on Windows.
        const std::string text = doc.GetText();
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    if (!ExportText(doc, ToPath(parser.value(TextOption())))) {
        return Fail(std::string(kExportFailedMessage));
    }
    return 0;
}

// The PDF instead of the text on stdout; both when a text file is named too.
int Deliver(const PrintedReport& report, const QCommandLineParser& parser, PageRange range) {
    if (parser.isSet(PdfOption())) {
        const int code = PdfExitCode(WriteReportPdf(parser.value(PdfOption()), report, range));
        if (code != 0 || !parser.isSet(TextOption())) {
            return code;
        }
    }
    return DeliverText(report.text, parser);
}

} // namespace

int RunReportCommand(const QStringList& arguments) {
    // arguments[0] is the program, [1] "report", [2] the kind of report.
    const auto kind = ReportKindNamed(arguments.value(2).toStdString());
    if (!kind) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    QStringList rest = arguments.mid(3);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), TextOption(), PdfOption(),
                       FromOption(), ToOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return Fail("Unexpected argument: " + positional.at(1).toStdString());
    }
    if ((parser.isSet(FromOption()) || parser.isSet(ToOption())) && !parser.isSet(PdfOption())) {
        return Fail("--from and --to choose the pages of --pdf.");
    }
    std::string error;
    const auto range = ChosenRange(parser, error);
    if (!range) {
        return Fail(error);
    }
    if (auto setUpError = SetUpProcess(parser)) {
        return Fail(*setUpError);
    }
    PrintedReport report;
    if (auto composeError = Compose(*kind, positional, report)) {
        return Fail(*composeError);
    }
    return Deliver(report, parser, *range);
}

} // namespace lumivane::cli
