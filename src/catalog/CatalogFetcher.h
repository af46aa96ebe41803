#pragma once
// What the live update needs of the network: one blocking HTTP GET that hands the body over in
// chunks as it arrives, and the system's own idea of whether it is online. The core owns what
// happens to the bytes; the Qt layer implements the transport.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace lumivane {

enum class FetchOutcome {
    // A success status and the body delivered to its last byte.
    Complete,
    // No answer from a server: no address, name not found, refused, unreachable.
    NoConnection,
    // The server answered, but with a status other than success.
    NoFile,
    // The transfer stopped before its end, or the sink refused further data.
    Broken,
};

class CatalogFetcher {
public:
    // Receives the body in order; returning false aborts the transfer.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;

    virtual ~CatalogFetcher() = default;

    virtual FetchOutcome Fetch(const std::string& url, const Sink& sink) = 0;
    // True only when the system can tell its connection state and that state is offline.
    virtual bool IsSystemOffline() = 0;
};

} // namespace lumivane
