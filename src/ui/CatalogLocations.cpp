#include "ui/CatalogLocations.h"

#include "base/SettingsStartup.h"
#include "base/SettingsStore.h"
#include "catalog/CatalogStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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

// Tried rather than read from the folder's attributes: Windows reports Program Files as
// writable to a user who may not create files there.
bool CanCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

} // namespace

std::filesystem::path ProgramDirectory() {
    return ToPath(QCoreApplication::applicationDirPath());
}

std::filesystem::path CatalogStoreLocation() {
    return CatalogStoreLocation(QCoreApplication::applicationFilePath(), PerUserDataFolder());
}

std::filesystem::path CatalogStoreLocation(const QString& programFile,
                                           const QString& perUserFolder) {
    if (CanCreateFilesIn(QFileInfo(programFile).path())) {
        return ToPath(QString::fromStdString(CatalogStorePath(programFile.toStdString())));
    }
    QDir().mkpath(perUserFolder);
    return ToPath(QDir(perUserFolder).filePath(kStoreFileName));
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
