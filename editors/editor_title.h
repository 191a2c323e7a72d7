#pragma once

namespace editors {

// The title of every box of the task and group editors: the program's file description.
inline constexpr char kTitle[] = "Moxbel Tarnwick";

}  // namespace editors
