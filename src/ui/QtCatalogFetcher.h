#pragma once
// The live update's transport on Qt Network: a blocking GET with the system's proxy settings
// and the program's agent name, run in a local event loop.

#include "catalog/CatalogFetcher.h"

#include <chrono>
#include <functional>

namespace lumivane {

class QtCatalogFetcher : public CatalogFetcher {
public:
    // A transfer that makes no progress for this long is abandoned.
    explicit QtCatalogFetcher(std::chrono::milliseconds stallTimeout = std::chrono::seconds(30));

    FetchOutcome Fetch(const std::string& url, const Sink& sink) override;
    // Stops the transfer under way (from a slot run by its event loop, such as a progress
    // dialog's Cancel); that fetch then ends as Broken.
    void Abort();
    // Asks QNetworkInformation; with no backend for it the state cannot be read, which counts
    // as online.
    bool IsSystemOffline() override;

private:
    std::chrono::milliseconds m_stallTimeout;
    std::function<void()> m_abortTransfer;
    bool m_aborted = false;
};

} // namespace lumivane
