#include "document/CatalogReload.h"

#include "base/NumberText.h"
#include "catalog/CatalogStore.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

namespace lumivane {

namespace {

std::string ProjectorLabel(const CAuditorium& auditorium, int index) {
    const std::string& name = auditorium.GetProjector(index)->Name();
    return auditorium.Name() + ", " + (name.empty() ? "Projector " + FormatInt(index + 1) : name);
}

} // namespace

std::vector<UsedPosition> UsedCatalogPositions(const CQorDoc& doc) {
    std::vector<UsedPosition> used;
    for (int a = 0; a < doc.GetAuditoriumCount(); ++a) {
        const CAuditorium& auditorium = *doc.GetAuditorium(a);
        for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
            const CProjectorType& projector = *auditorium.GetProjector(p);
            const std::string owner = ProjectorLabel(auditorium, p);
            used.push_back({owner, "projector", projector.ModelName()});
            for (int s = 0; s < projector.LensTypeCount(); ++s) {
                used.push_back({owner, "format", projector.GetLensType(s)->GetFormatName()});
            }
        }
    }
    return used;
}

std::vector<std::string> RenamedPositions(const std::vector<UsedPosition>& before,
                                          const std::vector<UsedPosition>& after) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i].name != after[i].name) {
            lines.push_back(before[i].owner + ": the " + before[i].kind + " \"" + before[i].name +
                            "\" is now \"" + after[i].name + "\"");
        }
    }
    return lines;
}

CatalogReloadOutcome ReloadCatalogsUnderProject(CQorDoc& doc, const std::filesystem::path& store) {
    CatalogReloadOutcome outcome;
    const std::vector<UsedPosition> before = UsedCatalogPositions(doc);
    // The previous catalogs stay alive until every combination has been re-resolved.
    const auto previous = ReloadCatalogStore(store);
    if (!previous) {
        return outcome;
    }
    outcome.reloaded = true;
    outcome.droppedItems = doc.Editor().RebindCatalogItems();
    outcome.renamed = RenamedPositions(before, UsedCatalogPositions(doc));
    return outcome;
}

std::string CatalogReloadMessage(const CatalogReloadOutcome& outcome) {
    if (!outcome.reloaded) {
        return "The downloaded lens catalog could not be read; the program goes on with the "
               "catalog it had.";
    }
    std::string text;
    if (!outcome.renamed.empty()) {
        text = "In the new catalog these items of the open project stand for other entries:\n";
        for (const std::string& line : outcome.renamed) {
            text += line + "\n";
        }
    }
    if (outcome.droppedItems > 0) {
        text += FormatInt(outcome.droppedItems) +
                " lens or attachment choices of the open project are no longer in the catalog "
                "and have been removed.";
    }
    return text;
}

} // namespace lumivane
