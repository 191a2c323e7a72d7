#pragma once
// A sound player that records what it is asked to play and stop, and plays nothing.
#include <vector>

#include "sound_player.h"

namespace os {

class RecordingSoundPlayer final : public SoundPlayer {
 public:
  bool PlayFromMemory(const void* wave) override {
    played.push_back(wave);
    return true;
  }
  bool Stop(HMODULE) override {
    ++stops;
    return true;
  }
  std::vector<const void*> played;
  int stops = 0;
};

}  // namespace os
