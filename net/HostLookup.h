#pragma once
#include <sys/socket.h>

#include <functional>
#include <string>
#include <vector>

namespace turnpixa {

// One address a socket can connect to (family, address and port).
struct NetAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;

    int family() const { return storage.ss_family; }
    std::string text() const;  // numeric, without the port
    int port() const;
    // "192.0.2.1 port 21", "2001:db8::1 port 21"
    std::string describe() const;
};

// Finds the addresses of host for port; false with a reason when there are none.
using LookupFunction = std::function<bool(const std::string& host, int port,
                                          std::vector<NetAddress>& out, std::string& reason)>;
// The system's resolver (getaddrinfo).
bool systemLookup(const std::string& host, int port, std::vector<NetAddress>& out,
                  std::string& reason);

// A numeric address ("192.0.2.1", "::1") without asking any resolver.
bool numericAddress(const std::string& host, int port, NetAddress& out);

// Looks host up within timeoutMs. getaddrinfo has no time-out of its own,
// so the lookup runs on a thread of its own that is left to finish by
// itself when the wait is over. Numeric addresses need no lookup.
bool lookUpHost(const std::string& host, int port, int timeoutMs, std::vector<NetAddress>& out,
                std::string& reason, const LookupFunction& lookup = systemLookup);

// The addresses with the families taking turns, the first family first, as
// connecting in the happy-eyeballs way wants them.
std::vector<NetAddress> interleaveFamilies(const std::vector<NetAddress>& addresses);

}  // namespace turnpixa
