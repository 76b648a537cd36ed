#include "HostLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace turnpixa {

std::string NetAddress::text() const {
    char buffer[INET6_ADDRSTRLEN] = {};
    if (family() == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(storage).sin_addr, buffer,
                  sizeof buffer);
    } else if (family() == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(storage).sin6_addr, buffer,
                  sizeof buffer);
    }
    return buffer;
}

int NetAddress::port() const {
    if (family() == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(storage).sin_port);
    if (family() == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(storage).sin6_port);
    return 0;
}

std::string NetAddress::describe() const {
    return text() + " port " + std::to_string(port());
}

namespace {

bool resolve(const std::string& host, int port, int flags, std::vector<NetAddress>& out,
             std::string& reason) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    if (rc != 0) {
        reason = rc == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(rc);
        return false;
    }
    out.clear();
    for (const addrinfo* a = list; a; a = a->ai_next) {
        if (a->ai_addrlen > sizeof(sockaddr_storage)) continue;
        NetAddress address;
        std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
        address.length = a->ai_addrlen;
        out.push_back(address);
    }
    freeaddrinfo(list);
    if (out.empty()) reason = "the name has no address";
    return !out.empty();
}

}  // namespace

bool systemLookup(const std::string& host, int port, std::vector<NetAddress>& out,
                  std::string& reason) {
    return resolve(host, port, 0, out, reason);
}

bool numericAddress(const std::string& host, int port, NetAddress& out) {
    std::vector<NetAddress> list;
    std::string reason;
    if (host.empty() || !resolve(host, port, AI_NUMERICHOST | AI_NUMERICSERV, list, reason))
        return false;
    out = list.front();
    return true;
}

bool lookUpHost(const std::string& host, int port, int timeoutMs, std::vector<NetAddress>& out,
                std::string& reason, const LookupFunction& lookup) {
    NetAddress numeric;
    if (numericAddress(host, port, numeric)) {
        out = {numeric};
        return true;
    }
    // Shared with the lookup thread, which may outlive this call.
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        bool ok = false;
        std::vector<NetAddress> addresses;
        std::string reason;
    };
    const auto shared = std::make_shared<Shared>();
    try {
        std::thread([shared, host, port, lookup] {
            std::vector<NetAddress> addresses;
            std::string why;
            const bool ok = lookup(host, port, addresses, why);
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->ok = ok;
            shared->addresses = std::move(addresses);
            shared->reason = std::move(why);
            shared->finished = true;
            shared->done.notify_all();
        }).detach();
    } catch (const std::system_error& e) {
        reason = std::string("the name lookup could not be started: ") + e.what();
        return false;
    }
    std::unique_lock<std::mutex> lock(shared->mutex);
    if (!shared->done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return shared->finished; })) {
        reason = "the name lookup for " + host + " gave no answer within " +
                 std::to_string((timeoutMs + 999) / 1000) + " s";
        return false;
    }
    if (!shared->ok) {
        reason = "the name " + host + " could not be looked up: " + shared->reason;
        return false;
    }
    out = shared->addresses;
    return true;
}

std::vector<NetAddress> interleaveFamilies(const std::vector<NetAddress>& addresses) {
    if (addresses.empty()) return {};
    const int first = addresses.front().family();
    std::vector<NetAddress> mine;
    std::vector<NetAddress> other;
    for (const NetAddress& a : addresses) (a.family() == first ? mine : other).push_back(a);
    std::vector<NetAddress> result;
    for (std::size_t i = 0; i < mine.size() || i < other.size(); ++i) {
        if (i < mine.size()) result.push_back(mine[i]);
        if (i < other.size()) result.push_back(other[i]);
    }
    return result;
}

}  // namespace turnpixa
