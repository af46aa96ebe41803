#include "cli/ChecksCommand.h"

#include "base/AppContext.h"
#include "base/RichTextDoc.h"
#include "cli/CommandSetup.h"
#include "document/LightBlock.h"
#include "document/QorDoc.h"
#include "reports/LightReport.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace lumivane::cli {
namespace {

constexpr auto kUsage = "Usage: lumivane-cli checks PROJECT.hoprj [--json] [--catalog-dir DIR] "
                        "[--settings FILE]\n";

} // namespace

int RunChecksCommand(const QStringList& arguments) {
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print the figures as JSON."));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), json});
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString() + '\n' + kUsage);
    }
    if (parser.positionalArguments().size() != 1) {
        return Fail(kUsage);
    }
    if (auto error = SetUpProcess(parser)) {
        return Fail(*error);
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (auto error = OpenProject(project, parser.positionalArguments().front())) {
        return Fail(*error);
    }
    if (project.GetContents().lightBlockDropped) {
        std::fputs((std::string(kLightBlockDroppedText) + '\n').c_str(), stderr);
    }
    std::string text;
    if (parser.isSet(json)) {
        text = LightChecksJson(project).dump(2) + '\n';
    } else {
        RichTextDoc doc;
        WriteLightReport(doc, project, Ctx().settings.m_company);
        text = doc.GetText();
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return CheckedExit(0);
}

} // namespace lumivane::cli
