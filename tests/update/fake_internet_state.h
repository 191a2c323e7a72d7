#pragma once
// The connection state the system would report, and what was asked of it.
#include "os/network.h"

namespace test {

class FakeInternetState final : public os::InternetState {
 public:
  FakeInternetState(bool ok, DWORD flags) : ok(ok), flags(flags) {}
  bool ConnectedState(DWORD& out) override {
    ++queries;
    out = flags;
    return ok;
  }
  bool Autodial(DWORD) override { return ++dials, true; }
  bool AutodialHangup() override { return ++hangUps, true; }

  bool ok;
  DWORD flags;
  int queries = 0, dials = 0, hangUps = 0;
};

}  // namespace test
