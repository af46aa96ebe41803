#include "catalog/CatalogStore.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/DataFolders.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"

#include <array>
#include <system_error>
#include <utility>

namespace lumivane {

namespace {

constexpr std::array<const char*, 4> kTextFiles = {"lenses.txt", "attach.txt", "projectors.txt",
                                                   "formats.txt"};

bool HoldsCatalogText(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const char* name : kTextFiles) {
        if (std::filesystem::is_regular_file(folder / name, ec)) {
            return true;
        }
    }
    return false;
}

} // namespace

CatalogSet MakeEmptyCatalogs() {
    return {std::make_shared<CLensDatabase>(), std::make_shared<CProjectorDatabase>(),
            std::make_shared<CFormatDatabase>()};
}

void SaveCatalogStore(Archive& ar, CatalogSet& catalogs) {
    catalogs.lenses->Serialize(ar);
    catalogs.projectors->Serialize(ar);
    catalogs.formats->Serialize(ar);
}

void LoadCatalogStore(Archive& ar, CatalogSet& catalogs) {
    catalogs.lenses->Serialize(ar);
    catalogs.projectors->Serialize(ar);
    catalogs.formats->Serialize(ar);
    if (!ar.AtEnd()) {
        throw ArchiveError();
    }
}

std::optional<CatalogSet> ReadCatalogStore(const std::filesystem::path& store) {
    Archive ar = Archive::ForLoading({});
    if (!Archive::OpenForLoading(store, ar)) {
        return std::nullopt;
    }
    CatalogSet catalogs = MakeEmptyCatalogs();
    try {
        LoadCatalogStore(ar, catalogs);
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
    return catalogs;
}

bool IsCompleteCatalogStore(const std::filesystem::path& store) {
    return ReadCatalogStore(store).has_value();
}

bool WriteCatalogStore(const std::filesystem::path& store, CatalogSet& catalogs) {
    Archive ar = Archive::ForStoring();
    SaveCatalogStore(ar, catalogs);
    return ar.SaveToFile(store);
}

CatalogSet BuildCatalogsFromText(const std::filesystem::path& folder) {
    CatalogSet catalogs = MakeEmptyCatalogs();
    catalogs.lenses->BuildFromText(folder);
    catalogs.projectors->BuildFromText(folder);
    catalogs.formats->BuildFromText(folder);
    return catalogs;
}

std::vector<std::filesystem::path> CatalogTextFolders(const std::filesystem::path& programDir) {
    std::vector<std::filesystem::path> folders;
    std::error_code ec;
    const auto current = std::filesystem::current_path(ec);
    if (!ec) {
        folders.push_back(current);
    }
    const auto shipped = DataFolderCandidates(programDir, "catalog");
    folders.insert(folders.end(), shipped.begin(), shipped.end());
    return folders;
}

std::filesystem::path FindCatalogTextFolder(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& folder : candidates) {
        if (HoldsCatalogText(folder)) {
            return folder;
        }
    }
    return candidates.empty() ? std::filesystem::path() : candidates.front();
}

OpenedCatalogs OpenCatalogs(const std::filesystem::path& store,
                            const std::filesystem::path& textFolder, StoreWriting writing) {
    if (auto loaded = ReadCatalogStore(store)) {
        return {std::move(*loaded), CatalogOrigin::Store, false};
    }
    std::error_code ec;
    const bool damaged = std::filesystem::exists(store, ec);
    OpenedCatalogs opened{
        BuildCatalogsFromText(textFolder),
        damaged ? CatalogOrigin::RebuiltDamagedStore : CatalogOrigin::BuiltFromText, false};
    if (writing == StoreWriting::Write) {
        opened.storeWritten = WriteCatalogStore(store, opened.catalogs);
    }
    return opened;
}

std::string CatalogOpenMessage(const OpenedCatalogs& opened, StoreWriting writing) {
    if (opened.origin == CatalogOrigin::Store) {
        return {};
    }
    if (writing == StoreWriting::Write && !opened.storeWritten) {
        return "The lens catalog could not be saved; it will be read from the catalog files "
               "again at the next start.";
    }
    if (opened.origin == CatalogOrigin::RebuiltDamagedStore) {
        return "The lens catalog file was damaged and has been rebuilt from the catalog files.";
    }
    return {};
}

CatalogSet InstallCatalogs(CatalogSet catalogs) {
    AppContext& ctx = Ctx();
    CatalogSet previous{std::exchange(ctx.lenses, std::move(catalogs.lenses)),
                        std::exchange(ctx.projectors, std::move(catalogs.projectors)),
                        std::exchange(ctx.formats, std::move(catalogs.formats))};
    return previous;
}

OpenedCatalogs InstallStartupCatalogs(const std::filesystem::path& store,
                                      const std::filesystem::path& textFolder) {
    OpenedCatalogs opened = OpenCatalogs(store, textFolder, StoreWriting::Write);
    InstallCatalogs(opened.catalogs);
    return opened;
}

std::optional<CatalogSet> ReloadCatalogStore(const std::filesystem::path& store) {
    auto loaded = ReadCatalogStore(store);
    if (!loaded) {
        return std::nullopt;
    }
    return InstallCatalogs(std::move(*loaded));
}

const CLensDescriptor* ResolveLens(const CLensDatabase& catalog, std::int16_t id) {
    const CDescriptor* item = catalog.FindItem(id);
    return item && item->IsLens() ? static_cast<const CLensDescriptor*>(item) : nullptr;
}

const CAttachDescriptor* ResolveAttachment(const CLensDatabase& catalog, std::int16_t id) {
    const CDescriptor* item = catalog.FindItem(id);
    return item && item->IsAttachment() ? static_cast<const CAttachDescriptor*>(item) : nullptr;
}

} // namespace lumivane
