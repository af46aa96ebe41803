#include "catalog/CatalogUpdate.h"

#include "base/AppContext.h"
#include "base/ExclusiveFile.h"
#include "base/SettingsStore.h"
#include "catalog/CatalogFetcher.h"

#include <cstddef>
#include <span>
#include <system_error>
#include <utility>

namespace lumivane {

namespace {

constexpr const char* kStoreFileName = "database.dta";
constexpr const char* kTempFileName = "temp.dta";
// Far above any real store; a server that sends more is not sending a catalog.
constexpr std::size_t kMaxStoreBytes = std::size_t{64} << 20;

bool OnlyWhenConnected() {
    const auto& store = Ctx().settingsStore;
    return store && store->ReadInt("Settings", "Connected", 0) == 1;
}

bool MustStayOffline(int flags, CatalogFetcher& fetcher) {
    if ((flags & DownloadSkipConnectionTest) != 0 || OnlyWhenConnected()) {
        return false;
    }
    return fetcher.IsSystemOffline();
}

bool IsStale(const std::filesystem::path& lock) {
    std::error_code ec;
    const auto touched = std::filesystem::last_write_time(lock, ec);
    return !ec && std::filesystem::file_time_type::clock::now() - touched > kStaleLockAge;
}

// Held for the whole update; a lock left by an update that died is taken over.
class UpdateLock {
public:
    explicit UpdateLock(std::filesystem::path path) : m_path(std::move(path)) {
        m_held = ExclusiveFile(m_path).IsOpen();
        std::error_code ec;
        if (!m_held && IsStale(m_path) && std::filesystem::remove(m_path, ec)) {
            m_held = ExclusiveFile(m_path).IsOpen();
        }
    }
    ~UpdateLock() {
        if (m_held) {
            std::error_code ec;
            std::filesystem::remove(m_path, ec);
        }
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    bool IsHeld() const { return m_held; }
    // A running update keeps its lock fresh, so a slow transfer is never taken for a dead one.
    void Touch() const {
        std::error_code ec;
        std::filesystem::last_write_time(m_path, std::filesystem::file_time_type::clock::now(), ec);
    }

private:
    std::filesystem::path m_path;
    bool m_held = false;
};

// Only a file can be a temporary left behind by an earlier update; anything else in its
// place is not ours to remove.
bool ClearLeftoverTemp(const std::filesystem::path& temp) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(temp, ec)) {
        std::filesystem::remove(temp, ec);
    }
    return !std::filesystem::exists(temp, ec) && !ec;
}

// Receives the transfer into the temporary file and maps its outcome to a download result.
int FetchToFile(const std::string& address, const std::filesystem::path& temp,
                CatalogFetcher& fetcher, const UpdateLock& lock) {
    if (!ClearLeftoverTemp(temp)) {
        return DownloadNoFile;
    }
    ExclusiveFile out(temp);
    if (!out.IsOpen()) {
        return DownloadNoFile;
    }
    std::size_t received = 0;
    bool written = true;
    const auto sink = [&](std::span<const std::uint8_t> chunk) {
        received += chunk.size();
        if (received > kMaxStoreBytes) {
            written = false;
            return false;
        }
        written = written && out.Write(chunk);
        lock.Touch();
        return written;
    };
    const FetchOutcome outcome = fetcher.Fetch(address, sink);
    written = out.Close() && written;
    if (outcome == FetchOutcome::NoConnection) {
        return DownloadNoConnection;
    }
    if (outcome != FetchOutcome::Complete || !written) {
        return DownloadNoFile;
    }
    return DownloadSucceeded;
}

} // namespace

std::filesystem::path CatalogUpdateLockPath(const std::filesystem::path& path) {
    std::filesystem::path lock = path;
    lock += ".lock";
    return lock;
}

std::string CatalogStoreAddress(const std::string& serverBase) {
    if (serverBase.empty()) {
        return {};
    }
    return serverBase.back() == '/' ? serverBase + kStoreFileName
                                    : serverBase + '/' + kStoreFileName;
}

int DownloadCatalogStore(const std::filesystem::path& path, const std::string& address, int flags,
                         CatalogFetcher& fetcher, const CatalogStoreCheck& isCompleteStore) {
    if (address.empty() || MustStayOffline(flags, fetcher)) {
        return DownloadNoConnection;
    }
    const UpdateLock lock(CatalogUpdateLockPath(path));
    if (!lock.IsHeld()) {
        return DownloadAlreadyRunning;
    }
    const std::filesystem::path temp = path.parent_path() / kTempFileName;
    int result = FetchToFile(address, temp, fetcher, lock);
    if (result == DownloadSucceeded && !isCompleteStore(temp)) {
        result = DownloadNoFile;
    }
    std::error_code ec;
    if (result == DownloadSucceeded) {
        // rename() replaces the target in one step, so a reader sees the old store or the
        // new one, never none.
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            result = DownloadStoreInUse;
        }
    }
    if (result != DownloadSucceeded) {
        std::filesystem::remove(temp, ec);
    }
    return result;
}

std::string DownloadResultMessage(int result) {
    switch (result) {
    case DownloadSucceeded:
        return "The latest version of the Halvard Optics lens catalog has been successfully "
               "downloaded.";
    case DownloadNoConnection:
        return "The internet connection could not be established.";
    case DownloadAlreadyRunning:
        return "Another copy of the program is updating the lens catalog right now.  Try again "
               "when it has finished.";
    case DownloadStoreInUse:
        return "The lens database is currently in use, make sure this is the only copy of the "
               "program running.";
    default:
        return "The updated lens data could not be downloaded.";
    }
}

} // namespace lumivane
