#include "FuzzSupport.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>

namespace lumivane::fuzz {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::filesystem::path& ScratchFolder() {
    static const test::TempDir folder;
    return folder.path();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out));
}

} // namespace lumivane::fuzz
