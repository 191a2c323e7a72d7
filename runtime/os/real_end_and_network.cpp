// The product's adapters for the connection state and for ending the program.
#include <windows.h>
#include <wininet.h>

#include "form.h"
#include "network.h"
#include "program_end.h"

namespace os {
namespace {

class RealInternetState final : public InternetState {
 public:
  bool ConnectedState(DWORD& flags) override { return InternetGetConnectedState(&flags, 0) != FALSE; }
  bool Autodial(DWORD flags) override { return InternetAutodial(flags, nullptr) != FALSE; }
  bool AutodialHangup() override { return InternetAutodialHangup(0) != FALSE; }
};

class RealProgramEnd final : public ProgramEnd {
 public:
  void End() override {
    rt::Forms::UnloadAll();
    ExitProcess(0);
  }
};

}  // namespace

template <>
InternetState& DefaultAdapter<InternetState>() {
  static RealInternetState adapter;
  return adapter;
}
template <>
ProgramEnd& DefaultAdapter<ProgramEnd>() {
  static RealProgramEnd adapter;
  return adapter;
}

}  // namespace os
