#pragma once
// The actions a system may lack, and what a request for one says when it does.
namespace DozIzevodoz {

enum class Capability { None, PowerOff, Suspend, Hibernate };

// Whether the system offers it, as the support flags of the shared state say (None: always).
bool IsSupported(Capability capability);
// The information text of a request the system cannot carry out ("" for None).
const char* NotSupportedText(Capability capability);

}  // namespace DozIzevodoz
