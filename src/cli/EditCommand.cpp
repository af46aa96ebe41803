#include "cli/EditCommand.h"

#include "cli/CommandSetup.h"
#include "document/EditScript.h"
#include "document/QorDoc.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <cstdio>
#include <fstream>
#include <memory>

namespace lumivane::cli {
namespace {

QCommandLineOption OpsOption() {
    return {QStringLiteral("ops"), QStringLiteral("The script: one JSON object a line."),
            QStringLiteral("FILE")};
}

QCommandLineOption OutputOption() {
    return {QStringLiteral("output"),
            QStringLiteral("Where the edited project goes; the project itself without it."),
            QStringLiteral("FILE")};
}

QCommandLineOption ListOption() {
    return {QStringLiteral("list"), QStringLiteral("Lists the operations and their parameters.")};
}

// Runs the script on the opened project; false (with the message on stderr) at the first
// line that cannot be run.
bool RunScript(CQorDoc& project, const QString& scriptPath) {
    std::ifstream script(ToPath(scriptPath), std::ios::binary);
    if (!script) {
        Fail("Cannot read the script " + scriptPath.toStdString() + ".");
        return false;
    }
    try {
        for (const std::string& outcome : RunEditScript(project, script)) {
            std::fputs((outcome + '\n').c_str(), stdout);
        }
    } catch (const EditScriptError& error) {
        Fail(error.what());
        return false;
    }
    return true;
}

} // namespace

int RunEditCommand(const QStringList& arguments) {
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions(
        {CatalogDirOption(), SettingsOption(), OpsOption(), OutputOption(), ListOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    if (parser.isSet(ListOption())) {
        std::fputs(DescribeEditOperations().c_str(), stdout);
        return CheckedExit(0);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(OpsOption())) {
        return Fail("Usage: lumivane-cli edit PROJECT.hoprj --ops FILE [--output OUT.hoprj] "
                    "[--catalog-dir DIR] [--settings FILE] | edit --list");
    }
    if (auto error = SetUpProcess(parser)) {
        return Fail(*error);
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    if (auto readError = OpenProject(project, positional.at(0))) {
        return Fail(*readError);
    }
    if (!RunScript(project, parser.value(OpsOption()))) {
        return 1;
    }
    const QString output =
        parser.isSet(OutputOption()) ? parser.value(OutputOption()) : positional.at(0);
    if (!project.SaveDocument(ToPath(output))) {
        return Fail(std::string(CQorDoc::kSaveFailedMessage));
    }
    return CheckedExit(0);
}

} // namespace lumivane::cli
