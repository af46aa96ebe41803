#include "ui/DataFolders.h"

#include "base/DataFolders.h"
#include "ui/CatalogLocations.h"

#include <system_error>

namespace lumivane {

std::filesystem::path FindDataFolder(std::string_view sub) {
    for (const auto& folder : DataFolderCandidates(ProgramDirectory(), sub)) {
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) {
            return folder;
        }
    }
    return {};
}

} // namespace lumivane
