#include "ui/CatalogLocations.h"

#include "base/SettingsStartup.h"
#include "base/SettingsStore.h"
#include "catalog/CatalogStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumivane {

namespace {

const QString kStoreFileName = QStringLiteral("database.dta");

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

// Shared by every program of the suite, whatever each calls itself.
QString PerUserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Halvard/qor30");
}

} // namespace

std::filesystem::path ProgramDirectory() {
    return ToPath(QCoreApplication::applicationDirPath());
}

std::filesystem::path CatalogStoreLocation() {
    if (QFileInfo(QCoreApplication::applicationDirPath()).isWritable()) {
        const std::string programPath = QCoreApplication::applicationFilePath().toStdString();
        return ToPath(QString::fromStdString(CatalogStorePath(programPath)));
    }
    const QString folder = PerUserDataFolder();
    QDir().mkpath(folder);
    return ToPath(QDir(folder).filePath(kStoreFileName));
}

std::filesystem::path CatalogTextLocation() {
    return FindCatalogTextFolder(CatalogTextFolders(ProgramDirectory()));
}

std::string CatalogServerBase(const SettingsStore* store) {
    const QString fromEnvironment = qEnvironmentVariable("LUMIVANE_CATALOG_URL");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment.toStdString();
    }
    return store ? store->ReadString("Settings", "CatalogServer", "") : std::string();
}

} // namespace lumivane
