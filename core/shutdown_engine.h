#pragma once
// The shutdown engine: the tasks tied to the pending action, then the power action itself.

namespace DozIzevodoz {

void StartShutdownProcess();

}  // namespace DozIzevodoz
