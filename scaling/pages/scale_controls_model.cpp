#include "scale_controls_model.h"

namespace amb::pages {
namespace {

int At(Lock lock) { return static_cast<int>(lock); }

}  // namespace

DontScale FlagOf(Lock lock) {
  constexpr DontScale kFlags[] = {DontScale::Left,   DontScale::Top,   DontScale::Width,
                                  DontScale::Height, DontScale::Right, DontScale::Bottom};
  return kFlags[At(lock)];
}

bool IsThirdOfAxis(Lock lock, const LockBoxes& boxes) {
  bool horizontal = lock == Lock::Left || lock == Lock::Width || lock == Lock::Right;
  const Lock axis[3] = {horizontal ? Lock::Left : Lock::Top, horizontal ? Lock::Width : Lock::Height,
                        horizontal ? Lock::Right : Lock::Bottom};
  int others = 0;
  for (Lock l : axis)
    if (l != lock && boxes[At(l)]) ++others;
  return others == 2;
}

LockBoxes LocksOf(const FlagEntry& entry) {
  LockBoxes boxes{};
  for (Lock lock : kAllLocks) boxes[At(lock)] = entry[FlagOf(lock)];
  return boxes;
}

void Exclude(FlagEntry& entry) {
  entry[DontScale::Control] = true;
  for (Lock lock : {Lock::Left, Lock::Top, Lock::Width, Lock::Height}) entry[FlagOf(lock)] = true;
}

void Include(FlagEntry& entry) {
  entry[DontScale::Control] = false;
  for (Lock lock : kAllLocks) entry[FlagOf(lock)] = false;
}

void ExcludeAll(FlagEntry& entry) {
  Exclude(entry);
  entry[DontScale::Right] = false;
  entry[DontScale::Bottom] = false;
}

std::string_view LockCaption(Lock lock, bool line) {
  constexpr std::string_view kOrdinary[] = {"Lock Left", "Lock Top", "Lock Width", "Lock Height", "Lock Right",
                                            "Lock Bottom"};
  constexpr std::string_view kLine[] = {"Lock X Left",   "Lock Y Top",   "Lock X Width",
                                        "Lock Y Height", "Lock X Right", "Lock Y Bottom"};
  return line ? kLine[At(lock)] : kOrdinary[At(lock)];
}

}  // namespace amb::pages
