#include "catalog/CatalogUpdate.h"

#include "base/AppContext.h"
#include "base/SettingsStore.h"
#include "catalog/CatalogFetcher.h"

#include <cstddef>
#include <fstream>
#include <system_error>

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

// Receives the transfer into the temporary file and maps its outcome to a download result.
int FetchToFile(const std::string& address, const std::filesystem::path& temp,
                CatalogFetcher& fetcher) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
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
        out.write(reinterpret_cast<const char*>(chunk.data()),
                  static_cast<std::streamsize>(chunk.size()));
        written = written && out.good();
        return written;
    };
    const FetchOutcome outcome = fetcher.Fetch(address, sink);
    out.close();
    if (outcome == FetchOutcome::NoConnection) {
        return DownloadNoConnection;
    }
    if (outcome != FetchOutcome::Complete || !written || out.fail()) {
        return DownloadNoFile;
    }
    return DownloadSucceeded;
}

} // namespace

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
    const std::filesystem::path temp = path.parent_path() / kTempFileName;
    int result = FetchToFile(address, temp, fetcher);
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
    case DownloadStoreInUse:
        return "The lens database is currently in use, make sure this is the only copy of the "
               "program running.";
    default:
        return "The updated lens data could not be downloaded.";
    }
}

} // namespace lumivane
