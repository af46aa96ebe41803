#include "cli/ProjectCommandSetup.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "catalog/CatalogStore.h"
#include "ui/CatalogLocations.h"
#include "ui/QtSettingsStore.h"

#include <QFileInfo>

#include <cstdio>
#include <memory>

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

std::optional<std::string> SetUpProcess(const QString& catalogDir, const QString& settingsFile) {
    if (!catalogDir.isEmpty() && !QFileInfo(catalogDir).isDir()) {
        return "Catalog folder not found: " + catalogDir.toStdString();
    }
    AppContext& context = Ctx();
    context.settingsStore = settingsFile.isEmpty()
                                ? std::make_shared<QtSettingsStore>()
                                : std::make_shared<QtSettingsStore>(settingsFile);
    ReadWindowSettings(*context.settingsStore, context.settings);
    ReadOptions(*context.settingsStore, context.settings);
    ReadFixedFocal(*context.settingsStore, context.settings);
    InstallCatalogs(catalogDir.isEmpty() ? OpenCatalogs(CatalogStoreLocation(),
                                                        FindCatalogTextFolder(
                                                            CatalogTextFolders(ProgramDirectory())),
                                                        StoreWriting::ReadOnly)
                                               .catalogs
                                         : BuildCatalogsFromText(ToPath(catalogDir)));
    return std::nullopt;
}

int Fail(const std::string& message) {
    std::fputs((message + '\n').c_str(), stderr);
    return 1;
}

} // namespace lumivane::cli
