#pragma once
// The position locks of the ScaleControls page: two axes of three locks, at most two set per axis;
// excluding a control locks its left, top, width and height, including it clears every lock.
#include <array>
#include <string_view>

#include "control_flag_list.h"

namespace amb::pages {

enum class Lock { Left, Top, Width, Height, Right, Bottom };
inline constexpr std::array<Lock, 6> kAllLocks = {Lock::Left,   Lock::Top,   Lock::Width,
                                                  Lock::Height, Lock::Right, Lock::Bottom};
using LockBoxes = std::array<bool, 6>;  // set or clear, by Lock

DontScale FlagOf(Lock lock);
// Setting `lock` would make it the third of its axis.
bool IsThirdOfAxis(Lock lock, const LockBoxes& boxes);
LockBoxes LocksOf(const FlagEntry& entry);

// The item checked: Left, Top, Width and Height locked; Right and Bottom as they were.
void Exclude(FlagEntry& entry);
// The item cleared: not excluded and no lock.
void Include(FlagEntry& entry);
// Select All's state of every listed control: excluded, Right and Bottom free.
void ExcludeAll(FlagEntry& entry);

// The caption of a lock box; a line's locks name their axis.
std::string_view LockCaption(Lock lock, bool line);

}  // namespace amb::pages
