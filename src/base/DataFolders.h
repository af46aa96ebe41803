#pragma once
// Where the data shipped with the program (catalog texts, help pages) can be found: installed
// as share/lumivane/<sub> beside the program's bin folder, or, for a build that was never
// installed, in the source tree's data/<sub>.

#include <filesystem>
#include <string_view>
#include <vector>

namespace lumivane {

// The installed folder first, then the source tree's; the installed one is left out when the
// program's folder is unknown.
std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& programDir,
                                                        std::string_view sub);

} // namespace lumivane
