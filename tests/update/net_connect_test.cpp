#include "net_connect.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include "fake_internet_state.h"
#include "local_server.h"

namespace {

// Addresses on this machine: a listening host, and a port where nothing listens (refused at once).
class NetConnectTest : public ::testing::Test {
 protected:
  test::LocalUpdateHost host{"net"};
  std::string Up(const std::string& name) { return host.Base() + "/" + name; }
  std::string Down(const std::string& name) { return "http://127.0.0.1:1/" + name; }
};

TEST_F(NetConnectTest, ProbesOnlyWhereTheStateIsNotFinal) {
  struct Case {
    bool ok;
    DWORD flags;
    std::vector<bool> sitesUp;
    bool connected;
    const char* desc;
    size_t tried;
  } cases[] = {
      {true, INTERNET_CONNECTION_MODEM, {true}, true, "Modem", 0},
      {false, INTERNET_CONNECTION_MODEM, {true}, false, "Modem", 0},
      {true, INTERNET_CONNECTION_MODEM | INTERNET_CONNECTION_MODEM_BUSY, {false, true}, true, "Modem (Busy)", 1},
      {true, INTERNET_CONNECTION_LAN, {false, false, false, false}, false, "LAN", 0},
      {true, INTERNET_CONNECTION_LAN, {false, true, true, true}, true, "LAN", 1},
      {false, INTERNET_CONNECTION_PROXY, {true}, true, "Proxy Server", 1},
      {false, 0, {true}, false, "", 0},
      {true, 0, {true}, true, "", 0},
  };
  for (const Case& c : cases) {
    test::FakeInternetState state(c.ok, c.flags);
    os::Install<os::InternetState> installed(&state);
    std::vector<std::string> sites;
    for (size_t i = 0; i < c.sitesUp.size(); ++i)
      sites.push_back(c.sitesUp[i] ? Up("s" + std::to_string(i)) : Down("s" + std::to_string(i)));
    CNetConnect tester;
    tester.KnownTestSites(sites);
    size_t mark = host.Mark();
    EXPECT_EQ(tester.Connected(), c.connected) << c.desc << " " << c.flags;
    EXPECT_EQ(host.RequestsSince(mark).size(), c.tried) << c.desc << " " << c.flags;
    EXPECT_EQ(tester.ConnectModeDesc(), c.desc);
    EXPECT_EQ(tester.ConnectMode(), c.flags);
  }
}

TEST_F(NetConnectTest, EveryReadRunsTheTestAgainAndKeepsTheLastModeText) {
  test::FakeInternetState state(true, INTERNET_CONNECTION_LAN);
  os::Install<os::InternetState> installed(&state);
  CNetConnect tester;
  tester.KnownTestSites({Up("ping")});
  size_t mark = host.Mark();
  EXPECT_TRUE(tester.Connected());
  EXPECT_EQ(tester.ConnectModeDesc(), "LAN");
  EXPECT_EQ(state.queries, 2);
  EXPECT_EQ(host.RequestsSince(mark), (std::vector<std::string>{"/ping", "/ping"}));
  state.flags = 0;
  EXPECT_EQ(tester.ConnectModeDesc(), "LAN");
}

TEST_F(NetConnectTest, DialsOnlyWhenNotConnectedAndHangsUpOnlyWhenConnected) {
  test::FakeInternetState state(true, INTERNET_CONNECTION_MODEM);
  os::Install<os::InternetState> installed(&state);
  CNetConnect tester;
  EXPECT_FALSE(tester.Dial(0));
  EXPECT_EQ(state.dials, 0);
  EXPECT_TRUE(tester.HangUp());
  state.ok = false;
  EXPECT_FALSE(tester.HangUp());
  EXPECT_EQ(state.hangUps, 1);
  EXPECT_TRUE(tester.Dial(0));
  EXPECT_EQ(state.dials, 1);
}

TEST_F(NetConnectTest, SitesAreKeptInOrderWithoutDuplicates) {
  CNetConnect tester;
  tester.KnownTestSites({"https://a/", "https://b/", "https://a/"});
  EXPECT_EQ(tester.KnownTestSites(), (std::vector<std::string>{"https://a/", "https://b/"}));
}

// The system's own state call: where it reports a connection that is probed (under Wine always a
// LAN), the verdict comes from the probe alone, a listening local host and a refusing port.
TEST_F(NetConnectTest, TheRealStateLeavesTheVerdictToTheProbe) {
  DWORD flags = 0;
  os::internetState().ConnectedState(flags);
  RecordProperty("ConnectedStateFlags", static_cast<int>(flags));
  if (!(flags & (INTERNET_CONNECTION_LAN | INTERNET_CONNECTION_PROXY | INTERNET_CONNECTION_MODEM_BUSY)))
    GTEST_SKIP() << "this system reports no connection that is probed (flags " << flags << ")";
  CNetConnect up, down;
  up.KnownTestSites({Up("ping")});
  down.KnownTestSites({Down("ping")});
  size_t mark = host.Mark();
  EXPECT_TRUE(up.Connected());
  EXPECT_FALSE(down.Connected());
  EXPECT_EQ(host.RequestsSince(mark), (std::vector<std::string>{"/ping"}));
}

}  // namespace
