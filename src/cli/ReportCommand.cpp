#include "cli/ReportCommand.h"

#include "base/AppContext.h"
#include "base/RichTextDoc.h"
#include "cli/CommandSetup.h"
#include "document/QorDoc.h"
#include "reports/ProductList.h"
#include "reports/ProjectReport.h"
#include "reports/PurchaseList.h"
#include "reports/TextExport.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <string>

namespace lumivane::cli {
namespace {

constexpr auto kUsage = "Usage: lumivane-cli report project|purchase|products [PROJECT.hoprj] "
                        "[--catalog-dir DIR] [--settings FILE] [--text OUT.txt]\n";

QCommandLineOption TextOption() {
    return {QStringLiteral("text"), QStringLiteral("Text file to write instead of stdout."),
            QStringLiteral("OUT.txt")};
}

// The project the report is about: the named file, or a new project when none is named.
std::optional<std::string> OpenProject(CQorDoc& project, const QStringList& positional) {
    if (positional.isEmpty()) {
        return std::nullopt;
    }
    const ProjectReadResult result = project.OpenDocument(ToPath(positional.front()), true);
    if (result != ProjectReadResult::Ok) {
        return ProjectReadMessage(result);
    }
    return std::nullopt;
}

std::optional<std::string> ComposeReport(const QString& kind, const QStringList& positional,
                                         RichTextDoc& doc) {
    if (kind == QLatin1String("products")) {
        if (!positional.isEmpty()) {
            return "The product list takes no project.";
        }
        WriteProductList(doc, *Ctx().lenses);
        return std::nullopt;
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (auto error = OpenProject(project, positional)) {
        return error;
    }
    if (kind == QLatin1String("project")) {
        WriteProjectReport(doc, project, Ctx().settings.m_company);
    } else {
        WritePurchaseList(doc, project, Ctx().settings.m_company);
    }
    return std::nullopt;
}

int Deliver(const RichTextDoc& doc, const QCommandLineParser& parser) {
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

} // namespace

int RunReportCommand(const QStringList& arguments) {
    // arguments[0] is the program, [1] "report", [2] the kind of report.
    const QString kind = arguments.value(2);
    if (kind != QLatin1String("project") && kind != QLatin1String("purchase") &&
        kind != QLatin1String("products")) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    QStringList rest = arguments.mid(3);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), TextOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return Fail("Unexpected argument: " + positional.at(1).toStdString());
    }
    if (auto error = SetUpProcess(parser)) {
        return Fail(*error);
    }
    RichTextDoc doc;
    if (auto error = ComposeReport(kind, positional, doc)) {
        return Fail(*error);
    }
    return Deliver(doc, parser);
}

} // namespace lumivane::cli
