#pragma once
// The live update: fetch a newer catalog store from the maker's server and put it in place of
// the one on disk, never leaving a half-written or unreadable store behind.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace lumivane {

class CatalogFetcher;

enum CatalogDownloadResult : int {
    DownloadSucceeded = 0,
    DownloadNoConnection = 1,
    DownloadNoFile = 2,
    DownloadStoreInUse = 5,
    // Another update of the same store (another copy of the program, or the command-line tool)
    // holds its lock.
    DownloadAlreadyRunning = 6,
};

// Download flags: this bit skips the test of the system's connection state.
inline constexpr int DownloadSkipConnectionTest = 2;
// Flags of the update offered at start-up and of "Update Now".
inline constexpr int StartupDownloadFlags = 0;
inline constexpr int UpdateNowDownloadFlags = 3;

// Tells whether the file at the path loads to its end as a catalog store.
using CatalogStoreCheck = std::function<bool(const std::filesystem::path&)>;

// The address of the store below the server's download folder (a base ending in "/files/");
// empty when no server is configured.
std::string CatalogStoreAddress(const std::string& serverBase);

// Fetches address into a temporary file beside path, checks it with isCompleteStore and
// renames it over path. Any failure before the rename leaves path untouched. The update holds
// a lock file beside path for its whole length and creates the temporary file exclusively,
// so two updates of one store never write into or rename each other's file; the second one
// returns DownloadAlreadyRunning. A lock that has not been touched for kStaleLockAge is taken
// to be left behind by an update that died, and is taken over.
inline constexpr std::chrono::seconds kStaleLockAge{120};

// The lock file of the update of the store at path.
std::filesystem::path CatalogUpdateLockPath(const std::filesystem::path& path);

int DownloadCatalogStore(const std::filesystem::path& path, const std::string& address, int flags,
                         CatalogFetcher& fetcher, const CatalogStoreCheck& isCompleteStore);

// The message a user sees for a download result.
std::string DownloadResultMessage(int result);

} // namespace lumivane
