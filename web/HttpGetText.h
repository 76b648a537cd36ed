#pragma once
#include <cstddef>
#include <string>

namespace turnpixa {

struct HttpOptions {
    std::string referrer = "TurnPixa";
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;
    std::string caFile;  // extra trust anchors (a test's own CA); the system store otherwise
};

struct HttpReply {
    bool ok = false;   // a 2xx status and the body read
    long status = 0;   // the last response's status, 0 when none came
    std::string body;  // at most maxBytes
    std::string reason;
};

// One GET of an http:// or https:// address ("http://" may be left out,
// "host:port" is allowed). Straight to the server: no proxy, no cache.
// Follows at most five redirects; certificates are checked. The body is
// cut at maxBytes without counting as a failure.
HttpReply httpGet(const std::string& address, std::size_t maxBytes,
                  const HttpOptions& options = {});

// Reads at most bufferSize - 1 bytes of the page into buffer and ends them
// with a NUL. Returns the count; 0 means the fetch failed (or the page was
// empty).
std::size_t HttpGetText(const std::string& address, char* buffer, std::size_t bufferSize,
                        const HttpOptions& options = {});

}  // namespace turnpixa
