#include "reports/MailSpool.h"

#include "base/Utf8Path.h"

#include <charconv>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace lumivane {
namespace {

// A send's folder is named "<process id>-<send number>".
std::optional<std::int64_t> OwnerOf(const std::filesystem::path& folder) {
    const std::string name = Utf8FromPath(folder.filename());
    std::int64_t owner = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), owner);
    if (error != std::errc() || end == name.data() + name.size() || *end != '-') {
        return std::nullopt;
    }
    return owner;
}

} // namespace

MailSpool::MailSpool(std::filesystem::path root, std::int64_t processId, RunningFn isRunning)
    : m_root(std::move(root)), m_processId(processId) {
    ClearEndedRuns(isRunning);
}

MailSpool::~MailSpool() {
    std::error_code error;
    for (int send = 1; send <= m_sends; ++send) {
        std::filesystem::remove_all(
            m_root / (std::to_string(m_processId) + '-' + std::to_string(send)), error);
    }
}

// A folder of this process's id is from an earlier run that had the same id: this run has made
// none yet.
void MailSpool::ClearEndedRuns(const RunningFn& isRunning) const {
    std::vector<std::filesystem::path> ended;
    std::error_code error;
    for (std::filesystem::directory_iterator it(m_root, error), end; !error && it != end;
         it.increment(error)) {
        const auto owner = OwnerOf(it->path());
        if (owner && (*owner == m_processId || !isRunning(*owner))) {
            ended.push_back(it->path());
        }
    }
    for (const auto& folder : ended) {
        std::filesystem::remove_all(folder, error);
    }
}

std::optional<std::filesystem::path> MailSpool::NewFolder() {
    const auto folder = m_root / (std::to_string(m_processId) + '-' + std::to_string(m_sends + 1));
    std::error_code error;
    std::filesystem::create_directories(m_root, error);
    std::filesystem::remove_all(folder, error);
    if (!std::filesystem::create_directory(folder, error)) {
        return std::nullopt;
    }
    ++m_sends;
    return folder;
}

} // namespace lumivane
