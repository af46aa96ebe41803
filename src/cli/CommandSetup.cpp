#include "cli/CommandSetup.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "ui/CatalogLocations.h"
#include "ui/ProcessSetup.h"
#include "ui/QtClockAndLocale.h"
#include "ui/QtSettingsStore.h"

#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace lumivane::cli {

QCommandLineOption CatalogDirOption() {
    return {QStringLiteral("catalog-dir"), QStringLiteral("Folder of the catalog text files."),
            QStringLiteral("DIR")};
}

QCommandLineOption SettingsOption() {
    return {QStringLiteral("settings"), QStringLiteral("Settings INI file instead of the user's."),
            QStringLiteral("FILE")};
}

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

void UseSettings(const QCommandLineParser& parser) {
    const auto store = InstallSettings(parser.value(SettingsOption()), QtClockAndLocale());
    ReadOptions(*store, Ctx().settings);
}

std::optional<CatalogSet> ChosenCatalogs(const QCommandLineParser& parser, std::string& error) {
    if (!parser.isSet(CatalogDirOption())) {
        return OpenCatalogs(CatalogStoreLocation(), CatalogTextLocation(), StoreWriting::ReadOnly)
            .catalogs;
    }
    const QString catalogDir = parser.value(CatalogDirOption());
    if (!QFileInfo(catalogDir).isDir()) {
        error = "Catalog folder not found: " + catalogDir.toStdString();
        return std::nullopt;
    }
    return BuildCatalogsFromText(ToPath(catalogDir));
}

std::optional<std::string> SetUpProcess(const QCommandLineParser& parser) {
    // Catalogs built from text take the user's own formats from the settings.
    UseSettings(parser);
    std::string error;
    auto catalogs = ChosenCatalogs(parser, error);
    if (!catalogs) {
        return error;
    }
    InstallCatalogs(std::move(*catalogs));
    return std::nullopt;
}

std::optional<std::string> OpenProject(CQorDoc& project, const QString& path) {
    const ProjectReadResult read = project.OpenDocument(ToPath(path), true);
    if (read != ProjectReadResult::Ok) {
        return ProjectReadMessage(read);
    }
    return std::nullopt;
}

int Fail(const std::string& message) {
    std::fputs((message + '\n').c_str(), stderr);
    return 1;
}

int CheckedExit(int exitCode) {
    // A failed write sets the stream's error flag, whenever it happened; errno is long gone.
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return exitCode;
    }
    Fail("The output could not be written.");
    return exitCode != 0 ? exitCode : 1;
}

} // namespace lumivane::cli
