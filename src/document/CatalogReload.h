#pragma once
// Putting a freshly downloaded catalog store under the open project: the catalogs are
// reloaded, the project's lens combinations re-resolved, and the user is told what the
// project's positions (formats and projector models are known by position) name now when that
// differs from before.

#include <filesystem>
#include <string>
#include <vector>

class CQorDoc;

namespace lumivane {

// One catalog position the project uses, with the name it stands for.
struct UsedPosition {
    std::string owner;
    std::string kind;
    std::string name;
};

// Every projector model and every set-up format of the project, in project order.
std::vector<UsedPosition> UsedCatalogPositions(const CQorDoc& doc);
// One line for each position whose name differs between the two lists of one project.
std::vector<std::string> RenamedPositions(const std::vector<UsedPosition>& before,
                                          const std::vector<UsedPosition>& after);

struct CatalogReloadOutcome {
    bool reloaded = false;
    int droppedItems = 0;
    std::vector<std::string> renamed;
};

// Installs the catalogs of the store when it loads whole and re-resolves the project; nothing
// changes otherwise.
CatalogReloadOutcome ReloadCatalogsUnderProject(CQorDoc& doc, const std::filesystem::path& store);
// What to tell the user after the reload; empty when there is nothing to tell.
std::string CatalogReloadMessage(const CatalogReloadOutcome& outcome);

} // namespace lumivane
