// The product's sound player: the system's own.
#include <windows.h>
#include <mmsystem.h>

#include "sound_player.h"

namespace os {
namespace {

class RealSoundPlayer final : public SoundPlayer {
 public:
  bool PlayFromMemory(const void* wave) override {
    return sndPlaySoundA(static_cast<const char*>(wave), SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
  }
  bool Stop(HMODULE module) override { return PlaySoundA(nullptr, module, 0) != FALSE; }
};

}  // namespace

template <>
SoundPlayer& DefaultAdapter<SoundPlayer>() {
  static RealSoundPlayer adapter;
  return adapter;
}

}  // namespace os
