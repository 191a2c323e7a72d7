#include "sound.h"

#include <windows.h>

#include "app.h"
#include "os/sound_player.h"

namespace Sound {
namespace {

HMODULE ProgramModule() { return rt::App().hInstance ? rt::App().hInstance : GetModuleHandleA(nullptr); }

}  // namespace

// A loaded resource stays mapped for the life of the process, so the asynchronous player may
// keep reading it after this returns.
std::string_view ChimeData() {
  HMODULE module = ProgramModule();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kChimeId), "CUSTOM");
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(module, found)};
}

bool PlayChime() {
  std::string_view chime = ChimeData();
  if (chime.empty()) return false;
  return os::soundPlayer().PlayFromMemory(chime.data());
}

bool EndPlaySound() { return os::soundPlayer().Stop(ProgramModule()); }

}  // namespace Sound
