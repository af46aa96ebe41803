#pragma once
// The projector catalog: the models a user can place in an auditorium, in file order. A
// projector refers to its model by position, and the order shapes the projector menu.

#include "base/TextArena.h"
#include "catalog/ProjectorDescriptor.h"
#include "catalog/ProjectorMenuNode.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumivane {
class Archive;
}

class CProjectorDatabase {
public:
    // Menu commands of the models: the model at position i has FirstModelCommand + i. Models
    // past LastModelCommand are left out of the menu, whose command range ends there.
    static constexpr int FirstModelCommand = 32775;
    static constexpr int LastModelCommand = 33775;

    // Replaces the list with the models of "projectors.txt" in folder (none when missing).
    void BuildFromText(const std::filesystem::path& folder);
    // A failed load throws and leaves the list unchanged.
    void Serialize(lumivane::Archive& ar);

    // Makers with their series and models, in catalog order.
    lumivane::ProjectorMenuNode BuildMenu() const;

    int GetCount() const { return static_cast<int>(m_projectors.size()); }
    // Null for a position outside the list.
    const CProjectorDescriptor* GetAt(int position) const;
    // Empty for a position outside the list.
    std::string GetModel(int position) const;
    std::string GetSeries(int position) const;
    std::string GetMaker(int position) const;
    std::string GetDisplayName(int position) const;
    // Models are kept in place, so a pointer from GetAt lasts until the next Append. The
    // model's texts are copied into the catalog.
    CProjectorDescriptor& Append(CProjectorDescriptor projector);

private:
    std::vector<CProjectorDescriptor> m_projectors;
    // The makers, series and model names of the models.
    lumivane::TextArena m_texts;
};
