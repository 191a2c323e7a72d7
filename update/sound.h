#pragma once
// Sound: the update chime, played straight from the program's resource (type "CUSTOM", id 102),
// so nothing is written into a folder that may not be writable.
#include <string_view>

namespace Sound {

inline constexpr int kChimeId = 102;

// The chime's bytes (a RIFF WAVE) in the program's module; empty when the module carries none.
std::string_view ChimeData();
// Starts the chime and returns at once; false when there is no chime or no sound device.
bool PlayChime();
// Stops whatever waveform sound the program plays.
bool EndPlaySound();

}  // namespace Sound
