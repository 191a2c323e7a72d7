#include "deferred_moves.h"

namespace amb {
namespace {

constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOREDRAW;

HWND AsWindow(intptr_t handle) { return reinterpret_cast<HWND>(handle); }

// Windows of one parent move together. A batch that cannot be built or grown is gone with what
// it held, so then every window of the group moves alone.
void MoveTogether(const std::vector<WindowMove>& moves) {
  HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
  for (size_t i = 0; batch && i < moves.size(); ++i) {
    const WindowMove& m = moves[i];
    batch = DeferWindowPos(batch, AsWindow(m.window), nullptr, m.x, m.y, m.cx, m.cy, kMoveFlags);
  }
  if (batch && EndDeferWindowPos(batch)) return;
  for (const WindowMove& m : moves) SetWindowPos(AsWindow(m.window), nullptr, m.x, m.y, m.cx, m.cy, kMoveFlags);
}

}  // namespace

// The repaint is owed to the top-level window; it is looked up once per parent, not per window.
void DeferredWindowMoves::Add(const WindowMove& move) {
  HWND window = AsWindow(move.window);
  HWND parent = move.parent ? AsWindow(move.parent) : GetParent(window);
  auto [group, added] = byParent_.try_emplace(parent);
  group->second.push_back(move);
  if (added && parent) {
    auto [root, inserted] = roots_.try_emplace(parent, nullptr);
    if (inserted) root->second = GetAncestor(parent, GA_ROOT);
    if (root->second) moved_.insert(root->second);
  }
}

void DeferredWindowMoves::Flush() {
  for (auto& [parent, moves] : byParent_) MoveTogether(moves);
  byParent_.clear();
}

void DeferredWindowMoves::Finish(intptr_t formWindow) {
  Flush();
  if (HWND form = AsWindow(formWindow); form && IsWindow(form)) moved_.insert(form);
  for (HWND top : moved_)
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  moved_.clear();
  roots_.clear();
}

}  // namespace amb
