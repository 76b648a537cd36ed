// Name lookup with a time-out and connecting to one of several addresses.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "NetTestUtil.h"
#include "net/HostLookup.h"
#include "net/Socket.h"

namespace turnpixa {
namespace {

using Clock = std::chrono::steady_clock;

NetAddress loopback(int port) {
    NetAddress a;
    EXPECT_TRUE(numericAddress("127.0.0.1", port, a));
    return a;
}

// A port that takes no connection: its one-place queue is full, so the
// system drops every further SYN, as a firewall that drops packets does.
struct SilentPort {
    SilentPort() {
        std::string reason;
        EXPECT_TRUE(listener.listen("127.0.0.1", 0, reason)) << reason;
        EXPECT_TRUE(filler.connect("127.0.0.1", listener.localPort(), 2000, reason)) << reason;
    }
    int port() const { return listener.localPort(); }
    Socket listener;
    Socket filler;
};

TEST(HostLookup, GivesUpOnASlowLookupButNotOnNumbers) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int calls = 0;
    const LookupFunction slow = [&calls, released](const std::string&, int,
                                                   std::vector<NetAddress>&, std::string&) {
        ++calls;
        released.wait();
        return false;
    };
    std::vector<NetAddress> found;
    std::string reason;
    const auto start = Clock::now();
    EXPECT_FALSE(lookUpHost("ftp.example.net", 21, 200, found, reason, slow));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(reason, "the name lookup for ftp.example.net gave no answer within 1 s");
    release.set_value();

    EXPECT_TRUE(lookUpHost("::1", 2121, 200, found, reason, slow));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].describe(), "::1 port 2121");
    EXPECT_EQ(calls, 1);  // numbers need no lookup

    EXPECT_TRUE(lookUpHost("localhost", 21, 5000, found, reason)) << reason;
}

TEST(SocketConnect, EachAddressHasABudgetOfItsOwn) {
    SilentPort silent;
    SilentPort silent2;
    Socket good;
    std::string reason;
    ASSERT_TRUE(good.listen("127.0.0.1", 5, reason)) << reason;

    // A silent first address costs a head start, not the whole budget.
    Socket c;
    auto start = Clock::now();
    ASSERT_TRUE(c.connectAny({loopback(silent.port()), loopback(good.localPort())}, 5000, reason))
        << reason;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(2500));
    Socket in;
    EXPECT_TRUE(good.accept(in, "127.0.0.1", 2000, reason)) << reason;
    EXPECT_EQ(in.peerAddress(), "127.0.0.1");

    // When none answers, every address is named with what happened to it,
    // and the wait ends after the budget (they ran side by side).
    Socket refused;
    ASSERT_TRUE(refused.listen("127.0.0.1", 1, reason));
    const int closedPort = refused.localPort();
    refused.close();
    start = Clock::now();
    EXPECT_FALSE(c.connectAny(
        {loopback(closedPort), loopback(silent.port()), loopback(silent2.port())}, 600, reason));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(reason, "127.0.0.1 port " + std::to_string(closedPort) +
                          ": Connection refused; 127.0.0.1 port " + std::to_string(silent.port()) +
                          ": no answer within 1 s; 127.0.0.1 port " +
                          std::to_string(silent2.port()) + ": no answer within 1 s");
    EXPECT_FALSE(c.isOpen());
}

}  // namespace
}  // namespace turnpixa
