#include "front_end.h"

#include "error_report.h"

namespace DozIzevodoz {
namespace {
FrontEnd* g_frontEnd = nullptr;
}

FrontEnd& frontEnd() {
  if (!g_frontEnd) rt::Raise("The program's windows are not available");
  return *g_frontEnd;
}

void SetFrontEnd(FrontEnd* frontEnd) { g_frontEnd = frontEnd; }

}  // namespace DozIzevodoz
