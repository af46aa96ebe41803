#pragma once
// The catalog store "database.dta": the lens, projector and format catalogs in one file, so
// the catalog text files are read only once, and the start-up step that loads or builds it.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAttachDescriptor;
class CFormatDatabase;
class CLensDatabase;
class CLensDescriptor;
class CProjectorDatabase;

namespace lumivane {

class Archive;

// The three catalogs of a run, shared the way AppContext holds them.
struct CatalogSet {
    std::shared_ptr<CLensDatabase> lenses;
    std::shared_ptr<CProjectorDatabase> projectors;
    std::shared_ptr<CFormatDatabase> formats;
};

CatalogSet MakeEmptyCatalogs();

// The lens, projector and format catalogs, in this order, through one archive.
void SaveCatalogStore(Archive& ar, CatalogSet& catalogs);
// Throws ArchiveError when the data end early or bytes are left over after the formats, so
// that a store is only ever taken whole.
void LoadCatalogStore(Archive& ar, CatalogSet& catalogs);

// Fresh catalogs from the store file; none when it cannot be opened or does not load whole.
std::optional<CatalogSet> ReadCatalogStore(const std::filesystem::path& store);
bool IsCompleteCatalogStore(const std::filesystem::path& store);
// Writes the store atomically; false when it could not be written.
bool WriteCatalogStore(const std::filesystem::path& store, CatalogSet& catalogs);
// Fresh catalogs from the four text files in folder (user-defined formats appended).
CatalogSet BuildCatalogsFromText(const std::filesystem::path& folder);

// Where the catalog text files are looked for, in order: the current folder, the installed
// data folder beside the program, the source tree's data folder.
std::vector<std::filesystem::path> CatalogTextFolders(const std::filesystem::path& programDir);
// The first candidate that holds any catalog text file; the first candidate when none does.
std::filesystem::path FindCatalogTextFolder(const std::vector<std::filesystem::path>& candidates);

enum class CatalogOrigin { Store, BuiltFromText, RebuiltDamagedStore };
enum class StoreWriting { Write, ReadOnly };

struct OpenedCatalogs {
    CatalogSet catalogs;
    CatalogOrigin origin = CatalogOrigin::Store;
    // Whether a new store was written (never with StoreWriting::ReadOnly).
    bool storeWritten = false;
};

// Loads the store when it opens and reads to its end; otherwise builds the catalogs from the
// text files in textFolder and, with StoreWriting::Write, writes a fresh store.
OpenedCatalogs OpenCatalogs(const std::filesystem::path& store,
                            const std::filesystem::path& textFolder, StoreWriting writing);
// What to tell the user about how the catalogs were opened; empty when there is nothing to say.
std::string CatalogOpenMessage(const OpenedCatalogs& opened, StoreWriting writing);

// Makes catalogs the process's catalogs and returns the previous ones. Lens set-ups point at
// items of the previous lens catalog: keep it until every set-up has been re-resolved with
// ResolveLens and ResolveAttachment, then let it go.
CatalogSet InstallCatalogs(CatalogSet catalogs);
// The start-up step: OpenCatalogs with writing, then InstallCatalogs.
OpenedCatalogs InstallStartupCatalogs(const std::filesystem::path& store,
                                      const std::filesystem::path& textFolder);
// After a live update: installs the catalogs of the store when it loads whole and returns
// the previous ones for re-resolution; none (and nothing changed) otherwise.
std::optional<CatalogSet> ReloadCatalogStore(const std::filesystem::path& store);

// The item of that number in catalog, when it is still of the same kind.
const CLensDescriptor* ResolveLens(const CLensDatabase& catalog, std::int16_t id);
const CAttachDescriptor* ResolveAttachment(const CLensDatabase& catalog, std::int16_t id);

} // namespace lumivane
