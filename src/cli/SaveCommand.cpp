#include "cli/SaveCommand.h"

#include "base/NumberText.h"
#include "cli/CommandSetup.h"
#include "document/QorDoc.h"
#include "ui/QtClockAndLocale.h"

#include <QCommandLineParser>

#include <memory>

namespace lumivane::cli {
namespace {

QCommandLineOption RecalculateOption() {
    return {QStringLiteral("recalculate"),
            QStringLiteral("Let every auditorium recompute after reading, as the program does.")};
}

void WarnAboutDroppedItems(const CQorDoc& project) {
    if (project.DroppedItemCount() > 0) {
        Fail("Warning: " + FormatInt(project.DroppedItemCount()) +
             " lens or attachment item(s) not in the catalog were dropped.");
    }
}

} // namespace

int RunSaveCommand(const QStringList& arguments) {
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    QCommandLineParser parser;
    parser.addOptions({CatalogDirOption(), SettingsOption(), RecalculateOption()});
    if (!parser.parse(rest)) {
        return Fail(parser.errorText().toStdString());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        return Fail("Usage: lumivane-cli save IN.hoprj OUT.hoprj [--recalculate] "
                    "[--catalog-dir DIR] [--settings FILE]");
    }
    if (auto error = SetUpProcess(parser)) {
        return Fail(*error);
    }
    CQorDoc project(std::make_shared<QtClockAndLocale>());
    const ProjectReadResult read =
        project.OpenDocument(ToPath(positional.at(0)), parser.isSet(RecalculateOption()));
    if (read != ProjectReadResult::Ok) {
        return Fail(ProjectReadMessage(read));
    }
    WarnAboutDroppedItems(project);
    if (!project.SaveDocument(ToPath(positional.at(1)))) {
        return Fail(std::string(CQorDoc::kSaveFailedMessage));
    }
    return 0;
}

} // namespace lumivane::cli
