#include "shutdown_engine.h"

#include "error_report.h"

namespace DozIzevodoz {

void StartShutdownProcess() { rt::Raise("The shutdown engine is not part of this build yet"); }

}  // namespace DozIzevodoz
