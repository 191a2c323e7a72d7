// The group editor's two task lists: moving tasks between them, their run order, and the buttons
// that do it.
#include <windows.h>

#include <vector>

#include "frm_groups.h"

namespace editors {
namespace {

int ChosenCount(const rt::ListBox& list) {
  int chosen = 0;
  for (int i = 0; i < list.ListCount(); ++i) chosen += list.Selected(i) ? 1 : 0;
  return chosen;
}

}  // namespace

void FrmGroups::EnableMovers() {
  auto& sel = Ctl<rt::ListBox>("lstTasksSel");
  auto& avail = Ctl<rt::ListBox>("lstTasksAvail");
  MoverStates s = MoverStatesFor({.selectedCount = sel.ListCount(),
                                  .selectedChosen = ChosenCount(sel),
                                  .selectedCurrent = sel.ListIndex(),
                                  .availableCount = avail.ListCount(),
                                  .availableChosen = ChosenCount(avail)});
  SetEnabled("btnTest", s.test);
  SetEnabled("btnRemAll", s.remAll);
  SetEnabled("btnRemOne", s.remOne);
  if (s.up) SetEnabled("btnUp", *s.up);
  if (s.down) SetEnabled("btnDown", *s.down);
  SetEnabled("btnAddAll", s.addAll);
  SetEnabled("btnAddOne", s.addOne);
}

// The moved entries arrive in the order they had, so a run order built elsewhere survives the
// move; they leave the source from the last up, so that the indexes still to go stay valid.
void FrmGroups::MoveTasks(const char* from, const char* to, bool chosenOnly) {
  auto& source = Ctl<rt::ListBox>(from);
  auto& target = Ctl<rt::ListBox>(to);
  std::vector<int> moved;
  for (int i = 0; i < source.ListCount(); ++i) {
    if (chosenOnly && !source.Selected(i)) continue;
    const int added = target.AddItem(source.List(i));
    target.SetItemData(added, source.ItemData(i));
    if (chosenOnly) target.SetListIndex(added);
    moved.push_back(i);
  }
  for (auto it = moved.rbegin(); it != moved.rend(); ++it) source.RemoveItem(*it);
}

void FrmGroups::MoveAll(const char* from, const char* to) {
  MoveTasks(from, to, false);
  auto& avail = Ctl<rt::ListBox>("lstTasksAvail");
  if (avail.ListCount() > 0) avail.SetListIndex(0);
  EnableMovers();
}

void FrmGroups::MoveChosen(const char* from, const char* to) {
  MoveTasks(from, to, true);
  EnableMovers();
}

void FrmGroups::MoveSelectedTask(int step) {
  auto& sel = Ctl<rt::ListBox>("lstTasksSel");
  const int i = sel.ListIndex();
  const int j = i + step;
  if (i < 0 || j < 0 || j >= sel.ListCount()) return;
  const std::string text = sel.List(i);
  const LONG_PTR data = sel.ItemData(i);
  const bool selected = sel.Selected(i);
  sel.SetList(i, sel.List(j));
  sel.SetItemData(i, sel.ItemData(j));
  sel.SetSelected(i, sel.Selected(j));
  sel.SetList(j, text);
  sel.SetItemData(j, data);
  // The highlight goes with the task, so a second click moves the same one on.
  sel.SetSelected(j, selected);
  sel.SetListIndex(j);
  EnableMovers();
}

}  // namespace editors
