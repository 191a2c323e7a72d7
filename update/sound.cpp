#include "sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "app.h"

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
  return sndPlaySoundA(chime.data(), SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

bool EndPlaySound() { return PlaySoundA(nullptr, ProgramModule(), 0) != FALSE; }

}  // namespace Sound
