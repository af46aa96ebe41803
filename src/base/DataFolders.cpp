#include "base/DataFolders.h"

#include "base/SourcePaths.h"

namespace lumivane {

std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& programDir,
                                                        std::string_view sub) {
    std::vector<std::filesystem::path> folders;
    if (!programDir.empty()) {
        folders.push_back(programDir.parent_path() / "share" / "lumivane" / sub);
    }
    const std::filesystem::path sourceData = LUMIVANE_SOURCE_DATA_DIR;
    if (!sourceData.empty()) {
        folders.push_back(sourceData / sub);
    }
    return folders;
}

} // namespace lumivane
