#pragma once
// Where the running program keeps its catalog store and where it fetches updates from. The GUI,
// its "Update Now" button and lumivane-cli all use these, so they act on one and the same store.

#include <filesystem>
#include <string>

class QString;

namespace lumivane {

class SettingsStore;

// "database.dta" in the program's folder when that folder is writable, else in the per-user
// data folder (created when missing).
std::filesystem::path CatalogStoreLocation();
// The same choice for the program at programFile and the per-user folder given.
std::filesystem::path CatalogStoreLocation(const QString& programFile,
                                           const QString& perUserFolder);

// The folder of catalog text files that start-up builds the catalogs from when the store does
// not load.
std::filesystem::path CatalogTextLocation();

// The catalog server's download folder: the environment variable LUMIVANE_CATALOG_URL when set,
// else "Settings"/"CatalogServer"; empty when neither names a server.
std::string CatalogServerBase(const SettingsStore* store);

// The program's own folder, which the catalog text search starts from.
std::filesystem::path ProgramDirectory();

} // namespace lumivane
