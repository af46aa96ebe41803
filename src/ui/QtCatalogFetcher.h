#pragma once
// The live update's transport on Qt Network: a blocking GET with the system's proxy settings
// and the program's agent name, run in a local event loop.

#include "catalog/CatalogFetcher.h"

#include <chrono>

namespace lumivane {

class QtCatalogFetcher : public CatalogFetcher {
public:
    // A transfer that makes no progress for this long is abandoned.
    explicit QtCatalogFetcher(std::chrono::milliseconds stallTimeout = std::chrono::seconds(30));

    FetchOutcome Fetch(const std::string& url, const Sink& sink) override;
    // Asks QNetworkInformation; with no backend for it the state cannot be read, which counts
    // as online.
    bool IsSystemOffline() override;

private:
    std::chrono::milliseconds m_stallTimeout;
};

} // namespace lumivane
