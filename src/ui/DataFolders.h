#pragma once
// Finds a folder of the data shipped with the running program, wherever it was installed or
// built.

#include <filesystem>
#include <string_view>

namespace lumivane {

// The first existing folder for sub ("help", "catalog"): share/lumivane/<sub> beside the
// program's bin folder, then the source tree's data/<sub>. Empty when neither exists.
std::filesystem::path FindDataFolder(std::string_view sub);

} // namespace lumivane
