#pragma once
// Window moves of one pass gathered per parent window and applied with one
// BeginDeferWindowPos/DeferWindowPos/EndDeferWindowPos batch each, without redrawing; the
// windows, and the form with everything in it, are repainted once when the pass is over.
#include <windows.h>

#include <map>
#include <set>
#include <vector>

#include "resize_engine.h"

namespace amb {

class DeferredWindowMoves final : public MoveBatch {
 public:
  void Add(const WindowMove& move) override;
  void Flush() override;
  void Finish(intptr_t formWindow) override;

 private:
  std::map<HWND, std::vector<WindowMove>> byParent_;
  std::map<HWND, HWND> roots_;  // parent -> its top-level window, for this pass
  std::set<HWND> moved_;        // the windows to repaint, each with all it holds
};

}  // namespace amb
