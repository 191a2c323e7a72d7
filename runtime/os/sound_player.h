#pragma once
// Sounds the program plays. The machines the tests run on have no sound device, where the system
// takes every sound and plays none: tests record what would have been heard.
#include <windows.h>

#include "seam.h"

namespace os {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts a RIFF WAVE held in memory and returns at once (sndPlaySoundA: asynchronous, no
  // default sound in its place). The bytes must stay in place while it plays.
  virtual bool PlayFromMemory(const void* wave) = 0;
  // Stops whatever waveform sound the program plays (PlaySoundA without a sound name).
  virtual bool Stop(HMODULE module) = 0;
};

inline SoundPlayer& soundPlayer() { return Use<SoundPlayer>(); }

}  // namespace os
