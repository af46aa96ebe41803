#include "ui/CatalogLocations.h"

#include "base/SettingsStore.h"

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

std::filesystem::path CatalogStorePath() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable()) {
        return ToPath(QDir(programDir).filePath(kStoreFileName));
    }
    const QString folder = PerUserDataFolder();
    QDir().mkpath(folder);
    return ToPath(QDir(folder).filePath(kStoreFileName));
}

std::string CatalogServerBase(const SettingsStore* store) {
    const QString fromEnvironment = qEnvironmentVariable("LUMIVANE_CATALOG_URL");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment.toStdString();
    }
    return store ? store->ReadString("Settings", "CatalogServer", "") : std::string();
}

} // namespace lumivane
