#include "support/TempFolder.h"

#include <random>
#include <string>
#include <system_error>

namespace lumivane::bench {

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("lumivane-bench-" + std::to_string(random()));
        if (std::filesystem::create_directory(m_path)) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace lumivane::bench
