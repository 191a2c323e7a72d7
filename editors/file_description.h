#pragma once

namespace editors {

// The program's file description, the title of every box of the task and group editors and the
// start of their captions.
inline constexpr char kFileDescription[] = "Moxbel Tarnwick";

}  // namespace editors
